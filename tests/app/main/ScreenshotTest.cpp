// Screenshots of the window for people to look at (screenshots/*.png in the build folder): the
// menu and a kon in play at each window size, the end of a kon with the balloon,
// and the score and end-of-cycle windows. Each shot also checks that the controls stand inside
// the window and clear of the cards.

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include "AppFixture.h"
#include "app/main/EndOfCycleDialog.h"
#include "app/main/MainMenuWidget.h"
#include "app/main/ScoreDialog.h"
#include "game/Pictures.h"
#include "game/Sounds.h"
#include "present/words/Words.h"

namespace zendral {
namespace {

using testing::AppTest;

class Screenshots : public AppTest {
 protected:
  static QString Shot(const QString& name) {
    QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
    return QStringLiteral(ZENDRAL_SCREENSHOT_DIR "/") + name;
  }
  void Save(QWidget& widget, const QString& name) {
    const QPixmap shot = widget.grab();
    EXPECT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(Shot(name))) << name.toStdString();
  }
  // The rectangles of the widgets stand inside the window and do not overlap each other.
  void ExpectApart(const std::vector<QWidget*>& widgets) {
    for (std::size_t i = 0; i < widgets.size(); ++i) {
      EXPECT_TRUE(form->rect().contains(widgets[i]->geometry()))
          << widgets[i]->objectName().toStdString();
      for (std::size_t j = i + 1; j < widgets.size(); ++j) {
        EXPECT_FALSE(widgets[i]->geometry().intersects(widgets[j]->geometry()))
            << widgets[i]->objectName().toStdString() << " "
            << widgets[j]->objectName().toStdString();
      }
    }
  }
};

TEST_F(Screenshots, MenuAndTableAtEveryWindowSize) {
  for (const int size :
       {kSmallWindow, kFullScreen, kAverageWindow1, kAverageWindow2, kLargeWindow}) {
    SCOPED_TRACE(size);
    const QString tag = QString::number(size);
    testing::ProgramFolder place;
    place.SetMembers({{"Anastasia", 3.25, 412, 57, "a"},
                      {"Bogdan", 1.5, 96, -12, "b"},
                      {"Vera", 0.333333, 30, 0, "c"}});
    Settings settings;
    settings.WindowSize = size;
    settings.CardSpeed = 5;
    ASSERT_TRUE(SaveSettings(place.path() / kSettingsFileName, settings));
    ASSERT_TRUE(OpenIn(place.path(), true, 5));
    const QSize screen = form->screen()->size();
    const ClientSize client = ClientAreaFor(size, {screen.width(), screen.height()});
    EXPECT_EQ(form->size(), QSize(client.width, client.height));

    MainMenuWidget& menu = *form->Menu();
    std::vector<QWidget*> controls;
    for (int k = 1; k <= 5; ++k) controls.push_back(menu.MemberButton(k));
    for (const char* name :
         {"Button6", "Button9", "Button10", "BHistory", "BMode", "Button11", "Panel4"}) {
      controls.push_back(menu.findChild<QWidget*>(name));
    }
    ExpectApart(controls);
    Save(*form, "menu-size" + tag + ".png");

    responders.push_back(Sign("Alexandra", ""));
    QTest::mouseClick(menu.NewPlayerButton(), Qt::LeftButton);
    ClickMainButton();
    // A few moves each, then the keyboard focus on the hand.
    for (int moves = 0; moves < 8 && !HasFatalFailure(); ++moves) {
      const GameState& s = State();
      if (s.TurnState == ksSeat1ToMove) {
        Tick();
      } else if (s.TurnState == ksSeat2ToMove) {
        const int slot = ChooseMove(s.Hands[kSeat2], s.Board, s.Hands[kSeat1], s.LayCounter);
        if (slot != 0) {
          ClickCard(slot);
        } else {
          ClickMainButton();
        }
      }
    }
    if (State().TurnState == ksSeat1ToMove) Tick();
    QTest::keyClick(&Table(), Qt::Key_Right);
    QTest::keyClick(&Table(), Qt::Key_Right);
    const QRect hand = Table().CardRect(kSeat2, 1).united(
        Table().CardRect(kSeat2, State().Hands[kSeat2].CardCount));
    for (QWidget* button :
         {static_cast<QWidget*>(Table().Button7()), static_cast<QWidget*>(Table().Button8())}) {
      EXPECT_TRUE(form->rect().contains(button->geometry()));
      EXPECT_FALSE(button->geometry().intersects(hand));
    }
    Save(*form, "table-size" + tag + ".png");

    // The end of the kon: the opponent's cards face up, and the balloon of the kon panel.
    PlayKonByClicks();
    const PixelRect& panel = Table().art()->place().konPanel;
    QMouseEvent move(QEvent::MouseMove, QPointF(panel.left + 10, panel.top + 10),
                     Table().mapToGlobal(QPointF(panel.left + 10, panel.top + 10)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Table(), &move);
    EXPECT_TRUE(Table().BalloonShown());
    Save(*form, "table-size" + tag + "-settled.png");
    form.reset();
  }
}

TEST_F(Screenshots, TheScoreAndEndOfCycleWindows) {
  testing::EnsureApplication();
  UseLanguage(kEnglish);
  ScoreDialog score("Alexandra", TCount{"57", "27", "12", "-5", "7", "  1,25", "  1,13"});
  EXPECT_EQ(score.Value(6), "  1,25");
  Save(score, "score-window.png");

  const struct {
    const char* file;
    EndOfCycleWindow window;
  } ends[] = {
      {"end-of-cycle-place1.png",
       {1,
        sounds::kCycleBest,
        pictures::kEndBest,
        false,
        {GameText::kCongratulations, GameText::kYourResultIsBest, GameText::kResult,
         GameText::kTitleMaster},
        93,
        1}},
      {"end-of-cycle-place4.png",
       {4,
        sounds::kCycleGood,
        pictures::kEndGood,
        false,
        {GameText::kCongratulations, GameText::kGoodResult, GameText::kResult, GameText::kInTopTen},
        41,
        4}},
      {"end-of-cycle-none.png",
       {0,
        sounds::kCycleBad,
        pictures::kEndBad,
        true,
        {GameText::kOurRegrets, GameText::kResultLeavesToDesire, GameText::kResult,
         GameText::kNotInTopTen},
        -30,
        0}},
  };
  for (const auto& end : ends) {
    EndOfCycleDialog dialog(end.window);
    EXPECT_EQ(dialog.FrameCount(), 24) << "the animation's frames are found";
    EXPECT_EQ(dialog.HasMedal(), end.window.medalPlace != 0);
    for (int i = 0; i < 30; ++i) dialog.NextFrame();
    // A place plays the animation once; without one it runs on.
    EXPECT_EQ(dialog.Frame(), end.window.animationLoops ? 30 % 24 : 23);
    EXPECT_EQ(dialog.Lines().at(2), "Result: " + QString::number(end.window.score));
    Save(dialog, end.file);
  }
}

}  // namespace
}  // namespace zendral
