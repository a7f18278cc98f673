// The solver at the table: the computer's level kept in its own file across a restart with the
// settings file untouched, the expert at seat 1 choosing only best cards, the hint by key and
// by the pop-up menu, the review by its button, key and pop-up entry, and pictures of both.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QTableWidget>

#include "AppFixture.h"
#include "app/main/CoachOverlay.h"
#include "app/main/ExpertCoach.h"
#include "app/main/MainMenuWidget.h"
#include "app/main/ProgramOptions.h"
#include "app/main/ReviewWindow.h"
#include "app/main/TableCoach.h"
#include "app/main/TablePopup.h"
#include "game/Deal.h"
#include "game/ExpertPlayer.h"
#include "game/LeveledKon.h"
#include "store/ComputerLevelFile.h"
#include "store/FileIo.h"

namespace zendral {
namespace {

using testing::AppTest;

class ExpertTable : public AppTest {
 protected:
  // Lets the worker finish and its answers arrive.
  void Settle() {
    form->CoachPart().Coach()->WaitIdle();
    QCoreApplication::processEvents();
  }
  // The best value among the seat's choices, by a solver of the test's own.
  int BestValue(int seat) { return judge.AllMoves(PositionOf(State(), seat)).front().value; }
  int ValueOf(int seat, TCardCode card) {
    for (const MoveValue& m : judge.AllMoves(PositionOf(State(), seat))) {
      if (m.card == card) return m.value;
    }
    ADD_FAILURE() << "not a choice: " << ToNotation(card);
    return -1000;
  }
  // Seat 1's move: ticks until the expert has answered, checking its choice was a best one.
  void ExpertMoves() {
    const std::vector<MoveValue> choices = judge.AllMoves(PositionOf(State(), kSeat1));
    const GameState before = State();
    for (int i = 0; i < 50 && State().TurnState == ksSeat1ToMove; ++i) {
      Tick();
      Settle();
    }
    ASSERT_NE(State().TurnState, ksSeat1ToMove) << "seat 1 never moved";
    TCardCode laid;
    for (int slot = 1; slot <= before.Hands[kSeat1].CardCount; ++slot) {
      if (State().Board.Has(before.Hands[kSeat1][slot])) laid = before.Hands[kSeat1][slot];
    }
    const auto chosen = std::find_if(choices.begin(), choices.end(),
                                     [&](const MoveValue& m) { return m.card == laid; });
    ASSERT_NE(chosen, choices.end());
    EXPECT_EQ(chosen->value, choices.front().value) << "seat 1 chose " << ToNotation(laid);
  }
  void SaveShot(QWidget& widget, const QString& name) {
    QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
    const QPixmap shot = widget.grab();
    EXPECT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QStringLiteral(ZENDRAL_SCREENSHOT_DIR "/") + name));
  }

  Solver judge{std::size_t{16} << 20};
};

TEST_F(ExpertTable, TheLevelIsKeptInItsOwnFileAcrossARestart) {
  folder.SaveSettingsFile(Settings{});
  ASSERT_TRUE(Open());
  // As the start-up left it.
  const std::string settingsBefore = ReadFileBytes(folder.path() / kSettingsFileName, 4096).bytes;
  EXPECT_EQ(form->CoachPart().Coach()->Level(), ComputerLevel::kClassic);
  responders.push_back([](QDialog& dialog) {
    auto* level = dialog.findChild<QComboBox*>("ComboBoxLevel");
    EXPECT_NE(level, nullptr);
    if (level != nullptr) {
      EXPECT_EQ(level->currentIndex(), 0);
      EXPECT_EQ(level->itemText(1), "Expert");
      level->setCurrentIndex(1);
    }
    return static_cast<int>(QDialog::Accepted);
  });
  form->Options().Open();
  EXPECT_EQ(form->CoachPart().Coach()->Level(), ComputerLevel::kExpert);
  EXPECT_EQ(ReadComputerLevel(folder.path() / kComputerLevelFileName), ComputerLevel::kExpert);
  EXPECT_EQ(ReadFileBytes(folder.path() / kSettingsFileName, 4096).bytes, settingsBefore);

  form.reset();
  ASSERT_TRUE(Open());
  EXPECT_EQ(form->CoachPart().Coach()->Level(), ComputerLevel::kExpert);
  responders.push_back([](QDialog& dialog) {
    auto* level = dialog.findChild<QComboBox*>("ComboBoxLevel");
    EXPECT_TRUE(level != nullptr && level->currentIndex() == 1);
    return static_cast<int>(QDialog::Accepted);
  });
  form->Options().Open();
}

TEST_F(ExpertTable, ExpertHintAndReviewThroughAWholeKon) {
  ASSERT_TRUE(Open(true, 11));
  form->CoachPart().SetLevel(ComputerLevel::kExpert);
  responders.push_back(Sign("Coached", ""));
  QTest::mouseClick(form->Menu()->NewPlayerButton(), Qt::LeftButton);
  EXPECT_FALSE(form->CoachPart().ReviewButton()->isVisible());
  EXPECT_FALSE(form->PopupPart().Action("MReview")->isEnabled());

  int hints = 0;
  bool shot = false;
  for (int guard = 0; guard < 500 && State().TurnState != ksKonSettled; ++guard) {
    const GameState& s = State();
    if (s.KonPhase == kpDealt || s.TurnState == ksKonOver) {
      ClickMainButton();
      Settle();
    } else if (s.TurnState == ksSeat1ToMove) {
      ExpertMoves();
    } else {
      // Every other turn a hint, by key H or by the pop-up entry; the player follows it.
      if (hints < 6) {
        if (hints % 2 == 0) {
          QTest::keyClick(&Table(), Qt::Key_H);
        } else {
          form->PopupPart().Action("MHint")->trigger();
        }
        ++hints;
        Settle();
        CoachOverlay& overlay = *form->CoachPart().Overlay();
        ASSERT_TRUE(overlay.HintShown());
        const int slot = overlay.HintSlot();
        const TCardCode card = slot == 0 ? kEmptyCard : s.Hands[kSeat2][slot];
        const int value = ValueOf(kSeat2, card);
        EXPECT_EQ(value, BestValue(kSeat2));
        EXPECT_EQ(overlay.HintText(), "Best: " + CardLabel(card) + ", worth " + SignedValue(value));
        if (!shot) {
          SaveShot(*form, "hint-en-small.png");
          shot = true;
        }
      }
      const int slot = ChooseMove(s.Hands[kSeat2], s.Board, s.Hands[kSeat1], s.LayCounter);
      if (slot == 0) {
        ClickMainButton();
      } else {
        ClickCard(slot);
      }
      EXPECT_FALSE(form->CoachPart().Overlay()->HintShown()) << "a hint goes with its position";
      Settle();
    }
    ASSERT_FALSE(HasFatalFailure());
  }
  ASSERT_EQ(State().TurnState, ksKonSettled);
  Settle();

  // The hints of the session in the score window.
  QString hintsShown;
  responders.push_back([&](QDialog& dialog) {
    if (auto* label = dialog.findChild<QLabel*>("ValueHints")) hintsShown = label->text();
    return static_cast<int>(QDialog::Accepted);
  });
  form->PopupPart().Action("GenCount")->trigger();
  EXPECT_EQ(hintsShown, QString::number(hints));

  // The line under the kon panel and the review, by the button, the key R and the pop-up.
  const KonReview* review = form->CoachPart().Coach()->Review();
  ASSERT_NE(review, nullptr);
  EXPECT_EQ(review->result, State().Score[kSeat2]);
  EXPECT_EQ(review->result, review->valueAtDeal - review->lost + review->gifted);
  EXPECT_EQ(form->CoachPart().Overlay()->Summary(),
            "Perfect play: " + SignedValue(review->valueAtDeal) +
                " \u00b7 you: " + SignedValue(review->result));
  EXPECT_TRUE(form->CoachPart().ReviewButton()->isVisible());
  EXPECT_TRUE(form->PopupPart().Action("MReview")->isEnabled());
  SaveShot(*form, "review-line-en-small.png");

  int reviews = 0;
  const auto checkReview = [&](QDialog& dialog) {
    auto* window = dynamic_cast<ReviewWindow*>(&dialog);
    EXPECT_NE(window, nullptr);
    if (window != nullptr) {
      ++reviews;
      EXPECT_EQ(window->Moves()->rowCount(), static_cast<int>(review->steps.size()));
      EXPECT_TRUE(window->IdentityText().startsWith("Result: " + SignedValue(review->result)));
      window->resize(620, 560);
      SaveShot(*window, "review-en.png");
    }
    return static_cast<int>(QDialog::Accepted);
  };
  responders.push_back(checkReview);
  QTest::mouseClick(form->CoachPart().ReviewButton(), Qt::LeftButton);
  responders.push_back(checkReview);
  QTest::keyClick(&Table(), Qt::Key_R);
  responders.push_back(checkReview);
  form->PopupPart().Action("MReview")->trigger();
  EXPECT_EQ(reviews, 3);

  // The next deal takes the line and the review away.
  ClickMainButton();
  Settle();
  EXPECT_TRUE(form->CoachPart().Overlay()->Summary().isEmpty());
  EXPECT_FALSE(form->CoachPart().ReviewButton()->isVisible());
}

// Rated games keep the classic player at seat 1, and neither they nor games against a person
// give hints; a local game does both.
TEST(ExpertCoachLevels, RatedAndNetworkGamesKeepTheClassicPlayerAndGiveNoHints) {
  testing::EnsureApplication();
  struct Case {
    const char* what;
    int playerSlot;
    bool netGame;
    bool expertPlays;
  } cases[] = {{"local", kNewPlayerSlot, false, true},
               {"rated", kRatedGameSlot, false, false},
               {"LAN", kNewPlayerSlot, true, false}};
  for (const Case& c : cases) {
    GameState s;
    Random random(testing::SeedWhereSeatOpens(kSeat1));
    s.TurnState = ShuffleAndDeal(s, random);
    s.KonPhase = kpPlaying;
    s.GameActive = true;
    s.MenuShown = false;
    s.PlayerSlot = c.playerSlot;
    s.NetGame = c.netGame;
    ExpertCoach coach(s, {});
    coach.SetLevel(ComputerLevel::kExpert);
    EXPECT_EQ(coach.ExpertPlays(), c.expertPlays) << c.what;
    if (!c.expertPlays) {
      // The classic player's answer at once.
      EXPECT_EQ(coach.ChooseSeat1Move(s), ClassicChoice(s, kSeat1)) << c.what;
    } else {
      EXPECT_EQ(coach.ChooseSeat1Move(s), std::nullopt) << "the expert thinks first";
    }
    s.TurnState = ksSeat2ToMove;  // as if the player were to move
    EXPECT_EQ(coach.RequestHint(), c.expertPlays) << c.what;
    coach.WaitIdle();
  }
}

// Pictures of the hint, the line under the kon panel and the review window in three
// languages at the smallest and the largest window, for people to look at.
TEST_F(ExpertTable, PicturesInThreeLanguagesAtTwoSizes) {
  const struct {
    int language;
    const char* tag;
  } languages[] = {{kEnglish, "en"}, {kRussian, "ru"}, {kJapanese, "ja"}};
  for (const auto& language : languages) {
    for (const int size : {kSmallWindow, kLargeWindow}) {
      const QString tag = QString("%1-%2").arg(language.tag).arg(size);
      testing::ProgramFolder place;
      Settings settings;
      settings.Language = language.language;
      settings.WindowSize = size;
      ASSERT_TRUE(SaveSettings(place.path() / kSettingsFileName, settings));
      // A deal that the classic moves of the player lose: the review has losses to show.
      ASSERT_TRUE(OpenIn(place.path(), true, 10));
      form->CoachPart().SetLevel(ComputerLevel::kExpert);
      responders.push_back(Sign("Coached", ""));
      QTest::mouseClick(form->Menu()->NewPlayerButton(), Qt::LeftButton);
      bool hinted = false;
      for (int guard = 0; guard < 500 && State().TurnState != ksKonSettled; ++guard) {
        const GameState& s = State();
        if (s.KonPhase == kpDealt || s.TurnState == ksKonOver) {
          ClickMainButton();
        } else if (s.TurnState == ksSeat1ToMove) {
          Tick();
        } else {
          if (!hinted && s.LayCounter > 6) {
            QTest::keyClick(&Table(), Qt::Key_H);
            Settle();
            SaveShot(*form, "hint-" + tag + ".png");
            hinted = true;
          }
          const int slot = ChooseMove(s.Hands[kSeat2], s.Board, s.Hands[kSeat1], s.LayCounter);
          slot == 0 ? ClickMainButton() : ClickCard(slot);
        }
        Settle();
        ASSERT_FALSE(HasFatalFailure());
      }
      ASSERT_EQ(State().TurnState, ksKonSettled);
      Settle();
      SaveShot(*form, "review-line-" + tag + ".png");
      responders.push_back([&](QDialog& dialog) {
        if (size == kSmallWindow) SaveShot(dialog, "review-" + tag + ".png");
        return static_cast<int>(QDialog::Accepted);
      });
      QTest::mouseClick(form->CoachPart().ReviewButton(), Qt::LeftButton);
      form.reset();
    }
  }
}

}  // namespace
}  // namespace zendral
