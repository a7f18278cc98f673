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
#include "app/main/MenuDecorations.h"
#include "app/main/TablePopup.h"
#include "app/main/TableWidget.h"
#include "app/windows/KovCardsButton.h"
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
  EXPECT_EQ(form->PopupPart().Action("Help")->text(), QString::fromUtf8(Word(kWordHelp)));
  EXPECT_NE(form->PopupPart().Action("Help")->text(), "Help");

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

TEST_F(MenuWindows, NewButtonsRedrawEveryOwnButtonAtOnceAndTurnTheHeaderBlue) {
  ASSERT_TRUE(Open());
  MainMenuWidget& menu = *form->Menu();
  auto* options = menu.findChild<TKovCardsButton*>("Button10");
  ASSERT_NE(options, nullptr);
  const QImage before = options->grab().toImage();
  EXPECT_FALSE(options->SecondStyle());
  EXPECT_EQ(menu.Header()->TextColour(), QColor(200, 255, 255));
  QImage whileOpen;
  WithOptions([&](QDialog& dialog) {
    auto* box = dialog.findChild<QCheckBox*>("CheckBoxBut");
    ASSERT_NE(box, nullptr);
    box->click();
    whileOpen = options->grab().toImage();
  });
  EXPECT_TRUE(form->CurrentSettings().NewButtons);
  EXPECT_NE(whileOpen, before) << "the button is drawn anew behind the open window";
  for (const char* name : {"Button1", "Button5", "Button6", "Button9", "Button10", "BHistory",
                           "BMode", "Button11", "Panel4"}) {
    auto* b = menu.findChild<TKovCardsButton*>(name);
    ASSERT_NE(b, nullptr) << name;
    EXPECT_TRUE(b->SecondStyle()) << name;
  }
  EXPECT_EQ(menu.Header()->TextColour(), QColor(0, 0, 255));
  auto* main = dynamic_cast<TKovCardsButton*>(form->Table()->Button7());
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(main->SecondStyle());
  // Kept for the next start.
  form->close();
  EXPECT_TRUE(LoadSettings(folder.path() / kSettingsFileName, {}).settings.NewButtons);
}

TEST(KovCardsButtonText, ALongCaptionShrinksUntilItFits) {
  testing::EnsureApplication();
  QFont font("DejaVu Sans");
  font.setPixelSize(20);
  const QString caption = QStringLiteral("A caption far too long for its button");
  const int full = QFontMetrics(font).horizontalAdvance(caption);
  struct Case {
    int width;
    bool shrinks;
  };
  for (const Case c : {Case{full + 5, false}, Case{full / 2, true}, Case{full / 3, true}}) {
    const QFont fitted = FittingFont(font, caption, c.width);
    EXPECT_EQ(fitted.pixelSize() < 20, c.shrinks) << c.width;
    EXPECT_LE(QFontMetrics(fitted).horizontalAdvance(caption), c.width) << c.width;
  }
  // Nothing fits into two pixels: the font stops at six pixels and does not vanish.
  EXPECT_EQ(FittingFont(font, caption, 2).pixelSize(), 6);
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
  // The ornaments follow: the right icon column keeps to the new right edge, the animated
  // pictures to their scaled places.
  MenuDecorations& parts = *form->Menu()->Decorations();
  EXPECT_EQ(form->Menu()->AccountIcon()->x(), form->width() - 53);
  const MenuOrnaments expected =
      PlaceOrnaments(ScaleFor(form->CurrentSettings().WindowSize, {form->width(), form->height()}),
                     form->Menu()->Layout(), false, {form->width(), form->height()});
  EXPECT_EQ(parts.Gif(2)->x(), expected.gif2.left);
  EXPECT_EQ(parts.Decoration(true)->x(), expected.rightDecoration.left);
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
