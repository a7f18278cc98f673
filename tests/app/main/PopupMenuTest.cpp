// The table's pop-up menu: its entries' enablement, where a right click opens it, the speed,
// and the help page.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QSlider>

#include "AppFixture.h"
#include "app/main/MainMenuWidget.h"
#include "app/main/TablePopup.h"
#include "present/words/Words.h"

namespace zendral {
namespace {

using testing::AppTest;

class PopupMenu : public AppTest {
 protected:
  std::vector<bool> Enabled() {
    std::vector<bool> on;
    for (const char* name : {"GenCount", "Quit", "ChangeName", "MSpeed", "Help", "About"}) {
      on.push_back(form->PopupPart().Action(name)->isEnabled());
    }
    return on;
  }
};

TEST_F(PopupMenu, TheTableEntriesAreOnlyOnAtTheTable) {
  ASSERT_TRUE(Open());
  EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false, true, true, true}));
  responders.push_back(Sign("Alice", ""));
  QTest::mouseClick(form->Menu()->NewPlayerButton(), Qt::LeftButton);
  EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true, true, true, true}));
  EXPECT_EQ(form->PopupPart().Action("Quit")->text(), "Exit to menu");

  // A right click on a card never opens the menu; one on the free table does.
  QTest::mouseClick(&Table(), Qt::RightButton, {}, CardPoint(1));
  EXPECT_FALSE(form->PopupPart().Menu()->isVisible());
  const PixelRect& tab = Table().art()->place().scoreTab[kSeat1];
  QTest::mouseClick(&Table(), Qt::RightButton, {}, QPoint(tab.left + 4, tab.Bottom() + 20));
  EXPECT_TRUE(form->PopupPart().Menu()->isVisible());
  form->PopupPart().Menu()->hide();

  responders.push_back(Reply(QMessageBox::Yes));
  form->PopupPart().Action("Quit")->trigger();
  EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false, true, true, true}));
}

// A right click on a card of the own hand says its name in the player's language.
TEST_F(PopupMenu, ARightClickOnACardSaysItsName) {
  ASSERT_TRUE(Open());
  responders.push_back(Sign("Alice", ""));
  QTest::mouseClick(form->Menu()->NewPlayerButton(), Qt::LeftButton);
  ASSERT_NE(quickSound, nullptr);
  UseLanguage(kKorean);
  QTest::mouseClick(&Table(), Qt::RightButton, {}, CardPoint(1));
  UseLanguage(kEnglish);
  ASSERT_EQ(quickSound->said.size(), 1u);
  EXPECT_EQ(quickSound->said[0].first, form->State().Hands[kSeat2][1]);
  EXPECT_EQ(quickSound->said[0].second, kKorean);
  EXPECT_TRUE(form->State().Hands[kSeat2].CardCount == kHandSize) << "a right click lays no card";
}

TEST_F(PopupMenu, SpeedSetsTheFlightSpeedWhileTheSliderMoves) {
  ASSERT_TRUE(Open());
  responders.push_back([](QDialog& dialog) {
    auto* slider = dialog.findChild<QSlider*>("TrackBar1");
    EXPECT_NE(slider, nullptr);
    if (slider != nullptr) {
      EXPECT_EQ(slider->value(), 4) << "the stored speed";
      slider->setValue(2);
    }
    return static_cast<int>(QDialog::Accepted);
  });
  form->PopupPart().Action("MSpeed")->trigger();
  EXPECT_EQ(form->CurrentSettings().CardSpeed, 2);
}

TEST_F(PopupMenu, HelpApologisesInEnglishAndOpensThePageBesideTheProgram) {
  ASSERT_TRUE(Open());
  form->PopupPart().Action("Help")->trigger();
  const QString page = QString::fromStdString((folder.path() / "Zendral.html").string());
  EXPECT_EQ(messages,
            (std::vector<QString>{"Excuse!\nThe file of the help is not translated to the English "
                                  "language.",
                                  "Can`t find the file \"" + page + "\"!"}));
  EXPECT_TRUE(opened.empty());

  std::filesystem::copy_file(ZENDRAL_HELP_PAGE, folder.path() / "Zendral.html");
  messages.clear();
  UseLanguage(kRussian);
  form->PopupPart().Action("Help")->trigger();
  UseLanguage(kEnglish);
  EXPECT_TRUE(messages.empty()) << "the page is in Russian";
  EXPECT_EQ(opened, std::vector<QUrl>{QUrl::fromLocalFile(page)});
  EXPECT_EQ(sounds.back(), "WOpenFo");
}

}  // namespace
}  // namespace zendral
