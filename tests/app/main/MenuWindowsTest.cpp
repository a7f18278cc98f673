// The main menu's secondary windows as a player reaches them: what Options changes takes
// effect behind the open window, History and Top Ten open over the menu, "Mode" switches the
// club list, and what was chosen is in the settings file after the program ends.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

#include "AppFixture.h"
#include "app/main/MainMenuWidget.h"
#include "app/main/TableWidget.h"
#include "present/words/WordRows.h"
#include "present/words/Words.h"

namespace zendral {
namespace {

using testing::AppTest;

class MenuWindows : public AppTest {
 protected:
  void TearDown() override { UseLanguage(kEnglish); }

  // Opens Options from the menu and runs `inside` while it is open.
  void WithOptions(const std::function<void(QDialog&)>& inside) {
    responders.push_back([inside](QDialog& dialog) {
      inside(dialog);
      return static_cast<int>(QDialog::Accepted);
    });
    QTest::mouseClick(form->Menu()->findChild<QPushButton*>("Button10"), Qt::LeftButton);
    ASSERT_FALSE(dialogs.empty());
    EXPECT_EQ(dialogs.back(), "TFormOptions");
  }
};

TEST_F(MenuWindows, ALanguageChosenInOptionsReCaptionsTheMainWindowAtOnceAndIsKept) {
  ASSERT_TRUE(Open());
  QPushButton* options = form->Menu()->findChild<QPushButton*>("Button10");
  ASSERT_NE(options, nullptr);
  EXPECT_EQ(options->text(), "Options");
  QString titleWhileOpen;
  QString buttonWhileOpen;
  WithOptions([&](QDialog& dialog) {
    auto* chooser = dialog.findChild<QComboBox*>("ComboBoxLan");
    ASSERT_NE(chooser, nullptr);
    chooser->setCurrentIndex(kRussian);
    titleWhileOpen = form->windowTitle();
    buttonWhileOpen = options->text();
  });
  EXPECT_EQ(titleWhileOpen, QString::fromUtf8(Word(kWordTitle)));
  EXPECT_EQ(buttonWhileOpen, QString::fromUtf8("Опции"));
  EXPECT_EQ(form->PopupAction("Help")->text(), QString::fromUtf8(Word(kWordHelp)));
  EXPECT_NE(form->PopupAction("Help")->text(), "Help");

  form->close();
  const Settings stored = LoadSettings(folder.path() / kSettingsFileName, {}).settings;
  EXPECT_EQ(stored.Language, kRussian);

  // The next start comes up in the chosen language.
  UseLanguage(kEnglish);
  ASSERT_TRUE(Open());
  EXPECT_EQ(form->Menu()->findChild<QPushButton*>("Button10")->text(), QString::fromUtf8("Опции"));
}

TEST_F(MenuWindows, MultiplayerShowsTheOtherClubListBehindTheWindow) {
  // The local list holds a member the LAN list does not.
  folder.SetMembers({{"Alice", 1.5, 30, 2, "a"}});
  ASSERT_TRUE(Open());
  auto firstMember = [&] { return form->Menu()->MemberButton(1)->text().trimmed(); };
  ASSERT_TRUE(firstMember().startsWith("Alice")) << firstMember().toStdString();
  QString whileOpen;
  WithOptions([&](QDialog& dialog) {
    auto* net = dialog.findChild<QCheckBox*>("CheckBoxNet");
    ASSERT_NE(net, nullptr);
    net->click();
    whileOpen = firstMember();
  });
  EXPECT_TRUE(form->CurrentSettings().NetGame);
  EXPECT_FALSE(whileOpen.startsWith("Alice")) << whileOpen.toStdString();
  form->grab().save(testing::ScreenshotPath("menu-multiplayer.png"));  // for people to look at
}

TEST_F(MenuWindows, TheMusicAndSoundBoxesActAtOnce) {
  std::vector<bool> music;
  tuneSound = [&](testing::QuickSound& sound) { sound.music = &music; };
  ASSERT_TRUE(Open());
  ASSERT_TRUE(form->CurrentSettings().MusicOn);
  music.clear();
  WithOptions([&](QDialog& dialog) {
    auto* musicBox = dialog.findChild<QCheckBox*>("CheckBox2");
    auto* soundBox = dialog.findChild<QCheckBox*>("CheckBox1");
    ASSERT_NE(musicBox, nullptr);
    ASSERT_NE(soundBox, nullptr);
    musicBox->click();  // off
    musicBox->click();  // on again
    musicBox->click();  // off
    soundBox->click();
  });
  EXPECT_EQ(music, (std::vector<bool>{false, true, false}));
  EXPECT_FALSE(form->CurrentSettings().SoundOn);
  // With the sound off, opening a window is silent.
  sounds.clear();
  QTest::mouseClick(form->Menu()->findChild<QPushButton*>("BHistory"), Qt::LeftButton);
  EXPECT_TRUE(sounds.empty());
}

TEST_F(MenuWindows, AnotherFontScaleRemakesTheTableArt) {
  ASSERT_TRUE(Open());
  ASSERT_NE(form->Table()->art(), nullptr);
  ASSERT_EQ(form->Table()->art()->fonts().largePercent, 100);
  WithOptions([&](QDialog& dialog) {
    auto* role = dialog.findChild<QComboBox*>("ComboBoxFont");
    auto* scale = dialog.findChild<QSpinBox*>("SpinEdit1");
    ASSERT_TRUE(role != nullptr && scale != nullptr);
    role->setCurrentIndex(0);  // the large font
    scale->setValue(120);
  });
  EXPECT_EQ(form->CurrentSettings().ScaleLarge, 120);
  ASSERT_NE(form->Table()->art(), nullptr);
  EXPECT_EQ(form->Table()->art()->fonts().largePercent, 120) << "the table still has the old art";
}

TEST_F(MenuWindows, AnotherWindowSizeResizesTheMainWindowAndItsMenu) {
  ASSERT_TRUE(Open());
  const QSize before = form->size();
  WithOptions([&](QDialog& dialog) {
    auto* sizes = dialog.findChild<QComboBox*>("ComboBoxWSize");
    ASSERT_NE(sizes, nullptr);
    ASSERT_GT(sizes->count(), 1) << "the test screen offers one size only";
    sizes->setCurrentIndex(sizes->currentIndex() == 0 ? 1 : 0);
  });
  EXPECT_NE(form->size(), before);
  EXPECT_EQ(form->Menu()->size(), form->size());
}

TEST_F(MenuWindows, HistoryTopTenAndModeFromTheMenu) {
  ASSERT_TRUE(Open());
  QTest::mouseClick(form->Menu()->findChild<QPushButton*>("BHistory"), Qt::LeftButton);
  QTest::mouseClick(form->Menu()->findChild<QPushButton*>("Button9"), Qt::LeftButton);
  EXPECT_EQ(dialogs, (std::vector<QString>{"TFHistory", "TFormTopTen"}));

  const int mode = form->CurrentSettings().ClubListMode;
  const QString header = form->Menu()->Header()->text();
  QTest::mouseClick(form->Menu()->ModeButton(), Qt::LeftButton);
  EXPECT_NE(form->CurrentSettings().ClubListMode, mode);
  EXPECT_NE(form->Menu()->Header()->text(), header);
  QTest::mouseClick(form->Menu()->ModeButton(), Qt::LeftButton);
  EXPECT_EQ(form->CurrentSettings().ClubListMode, mode);
}

}  // namespace
}  // namespace zendral
