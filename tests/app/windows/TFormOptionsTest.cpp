// The Options window: a language change while it is open, every control written at once and
// surviving the settings file, what the screen and the installed packs allow.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "WindowsTestSupport.h"
#include "app/windows/CardPreview.h"
#include "app/windows/TFHistory.h"
#include "app/windows/TFormOptions.h"
#include "app/windows/TFormSpeed.h"
#include "app/windows/WindowHeader.h"
#include "app/windows/WindowResources.h"
#include "app/windows/WindowTexts.h"
#include "present/draw/CardImages.h"
#include "present/words/WordRows.h"
#include "store/Settings.h"

namespace zendral {
namespace {

using testing::Child;

QString Text(const TWordRow& row, int language) {
  return QtText(Word(row, language));
}

bool EntryEnabled(QComboBox* box, int entry) {
  auto* model = qobject_cast<QStandardItemModel*>(box->model());
  return model && model->item(entry) && model->item(entry)->isEnabled();
}

class OptionsWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApp();
    UseLanguage(kEnglish);
  }
  void TearDown() override { UseLanguage(kEnglish); }

  OptionsEnvironment Environment(bool packs, ClientSize screen = {1920, 1200}) {
    OptionsEnvironment env;
    env.screen = screen;
    env.programFolder = folder.path();
    env.packInstalled = [packs](std::string_view) { return packs; };
    env.changed = [this](OptionsChange change) { changes.push_back(change); };
    return env;
  }

  testing::TempFolder folder;
  Settings settings;
  std::vector<OptionsChange> changes;
};

TEST_F(OptionsWindow, LanguageChangeRecaptionsTheOpenWindowAtOnce) {
  settings.WindowSize = 3;
  settings.CardDeck = 2;
  settings.BackgroundColour = 4;
  TFormOptions window(settings, Environment(true));
  window.show();
  auto* chooser = Child<QComboBox>(window, "ComboBoxLan");
  ASSERT_NE(chooser, nullptr);
  ASSERT_EQ(chooser->count(), kLanguageCount);
  auto* flag = Child<QLabel>(window, "ImageFlag");

  for (int language : {kRussian, kJapanese, kGerman, kKorean, kEnglish}) {
    SCOPED_TRACE(language);
    changes.clear();
    chooser->setCurrentIndex(language);
    EXPECT_EQ(settings.Language, language);
    EXPECT_EQ(Language(), language);
    ASSERT_EQ(changes, std::vector<OptionsChange>{OptionsChange::kLanguage});

    EXPECT_EQ(window.windowTitle(), Text(kWordOptions, language));
    EXPECT_EQ(window.header()->RibbonText(),
              LocaleOf(language).toUpper(Text(kWordOptions, language)));
    auto* pages = Child<QTabWidget>(window, "PageControl1");
    EXPECT_EQ(pages->tabText(0), Text(kWordGeneral, language));
    EXPECT_EQ(pages->tabText(4), Text(kWordFonts, language));
    EXPECT_EQ(Child<QCheckBox>(window, "CheckBox1")->text(), Text(kWordSound, language));
    EXPECT_EQ(Child<QGroupBox>(window, "RadioGroup2")->title(), Text(kWordModification, language));
    EXPECT_EQ(Child<QPushButton>(window, "Button3")->text(),
              Text(kWordSpeed, language) + QStringLiteral("=4"));
    // The selected entries of the lists, in the new language, from the settings.
    EXPECT_EQ(Child<QComboBox>(window, "ComboBoxWSize")->currentText(),
              Text(kWordAverageWindow1, language));
    EXPECT_EQ(Child<QComboBox>(window, "ComboBox1")->currentText(),
              Text(kWordDeckModern, language));
    EXPECT_EQ(Child<QComboBox>(window, "ComboBoxBG2")->currentText(),
              Text(kWordColourLightBlue, language));
    EXPECT_EQ(Child<QComboBox>(window, "ComboBoxFont")->currentText(),
              Text(kWordLargeFont, language));
    EXPECT_EQ(chooser->currentIndex(), language);
    // The flag of the language, drawn at the area's top left corner.
    const QImage shown = flag->pixmap().toImage();
    const QImage own = WindowPicture(QString::fromStdString(FlagPictureName(language)));
    ASSERT_FALSE(own.isNull());
    EXPECT_EQ(shown.pixelColor(30, 25), own.pixelColor(30, 25));
  }

  // The words of the program itself, not only the table's lookups.
  chooser->setCurrentIndex(kRussian);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Опции"));
  EXPECT_EQ(window.header()->RibbonText(), QStringLiteral("ОПЦИИ"));
  EXPECT_EQ(Child<QComboBox>(window, "ComboBoxWSize")->currentText(),
            QStringLiteral("Среднее окно 1"));

  // A window opened later comes up in the new language without any further step.
  TFHistory history(settings, folder.path());
  EXPECT_EQ(history.windowTitle(), QStringLiteral("История игр"));
}

// The Russian texts are longer: the window widens for them and narrows again for English, on
// a language change while it is open and when it is shown again.
TEST_F(OptionsWindow, TheWindowFitsItsLanguageBothWays) {
  TFormOptions window(settings, Environment(true));
  window.show();
  auto* chooser = Child<QComboBox>(window, "ComboBoxLan");
  const int english = window.width();

  chooser->setCurrentIndex(kRussian);
  const int russian = window.width();
  EXPECT_GT(russian, english);
  EXPECT_GE(russian, window.minimumSizeHint().width());

  chooser->setCurrentIndex(kEnglish);
  EXPECT_EQ(window.width(), english);

  chooser->setCurrentIndex(kRussian);
  window.hide();
  SetLanguage(settings, kEnglish);
  window.show();
  EXPECT_EQ(window.width(), english);
}

TEST_F(OptionsWindow, SetLanguageKeepsTheIndexWithinTheTables) {
  for (const auto& [asked, expected] : {std::pair{5, 5}, {9, 9}, {10, 0}, {-1, 0}, {20, 0}}) {
    SetLanguage(settings, asked);
    EXPECT_EQ(settings.Language, expected) << asked;
    EXPECT_EQ(Language(), expected) << asked;
  }
}

// Each control is set through its widget; the settings it writes must come back unchanged
// from the settings file.
TEST_F(OptionsWindow, EveryControlWritesItsSettingAndSurvivesTheSettingsFile) {
  // Lines 26-31 hold values once a file has been read completely; give them some so that the
  // whole record can be compared.
  settings.RecordsServiceAddress = "records";
  settings.WttNick = "Incognito";
  settings.WttCountry = "1-001";
  settings.WttCity = "Moscow";
  settings.WttSex = "M";
  settings.StatisticsServiceAddress = "statistics";
  TFormOptions window(settings, Environment(true));
  window.show();

  auto combo = [&](const char* name, int entry) {
    return [&window, name, entry] {
      auto* box = Child<QComboBox>(window, name);
      ASSERT_NE(box, nullptr) << name;
      ASSERT_TRUE(EntryEnabled(box, entry)) << name << " " << entry;
      box->setCurrentIndex(entry);
    };
  };
  auto click = [&](const char* name) {
    return [&window, name] {
      auto* button = Child<QAbstractButton>(window, name);
      ASSERT_NE(button, nullptr) << name;
      ASSERT_TRUE(button->isEnabled()) << name;
      button->click();
    };
  };
  auto spin = [&](const char* name, int value) {
    return [&window, name, value] {
      auto* box = Child<QSpinBox>(window, name);
      ASSERT_NE(box, nullptr) << name;
      box->setValue(value);
    };
  };
  auto speed = [&] {
    // The speed window is modal: move its slider once it is up, then close it.
    QTimer::singleShot(0, [] {
      auto* speedWindow = qobject_cast<TFormSpeed*>(QApplication::activeModalWidget());
      ASSERT_NE(speedWindow, nullptr);
      speedWindow->TrackBar1()->setValue(6);
      speedWindow->accept();
    });
    Child<QPushButton>(window, "Button3")->click();
  };
  auto fontName = [&] {
    Child<QComboBox>(window, "ComboBoxFont")->setCurrentIndex(2);
    auto* names = Child<QComboBox>(window, "FontComboBox1");
    names->lineEdit()->setText(QStringLiteral("DejaVu Sans Mono"));
    QTest::keyClick(names->lineEdit(), Qt::Key_Return);
  };

  struct Case {
    const char* what;
    std::function<void()> act;
    std::function<bool(const Settings&)> written;
  };
  const Case cases[] = {
      {"language", combo("ComboBoxLan", kCzech), [](auto& s) { return s.Language == kCzech; }},
      {"window size", combo("ComboBoxWSize", 2), [](auto& s) { return s.WindowSize == 3; }},
      {"multiplayer", click("CheckBoxNet"), [](auto& s) { return s.NetGame; }},
      {"cursor", click("CheckBoxCur"), [](auto& s) { return !s.OwnCursor; }},
      {"buttons", click("CheckBoxBut"), [](auto& s) { return s.NewButtons; }},
      {"fly", click("CheckBox4"), [](auto& s) { return !s.FlyCards; }},
      {"sound", click("CheckBox1"), [](auto& s) { return !s.SoundOn && s.MusicOn; }},
      {"gif animation", click("CheckBox3"), [](auto& s) { return !s.GifAnimation; }},
      {"radio list", click("RGRadioItem2"), [](auto& s) { return !s.RadioListFromServer; }},
      {"speed", speed, [](auto& s) { return s.CardSpeed == 6; }},
      {"deck", combo("ComboBox1", 40), [](auto& s) { return s.CardDeck == 40; }},
      {"back", combo("ComboBox2", 3), [](auto& s) { return s.BackDeck == 3; }},
      {"always one", click("RadioGroup2Item2"), [](auto& s) { return s.BackAlwaysOne; }},
      {"highlight", click("CheckBox5"), [](auto& s) { return !s.HighlightMoves; }},
      {"font name", fontName, [](auto& s) { return s.FontSpecial1 == "DejaVu Sans Mono"; }},
      {"font scale", spin("SpinEdit1", 120), [](auto& s) { return s.ScaleSpecial1 == 120; }},
      {"background", combo("ComboBoxBG1", 6), [](auto& s) { return s.Background == 7; }},
      {"colour", combo("ComboBoxBG2", 4), [](auto& s) { return s.BackgroundColour == 4; }},
      {"menu design", combo("ComboBoxD1", 1), [](auto& s) { return s.MainMenuDesign == 1; }},
      {"table design", combo("ComboBoxD2", 1), [](auto& s) { return s.TableDesign == 1; }},
      {"window look", combo("ComboBoxD3", 2),
       [](auto& s) { return s.WindowLook == 3 && !s.CustomDesign; }},
      {"purple windows", combo("ComboBoxD3", 3), [](auto& s) { return s.CustomDesign; }},
      {"salute buttons", click("CheckBoxD1"), [](auto& s) { return !s.SaluteButtons; }},
      {"salute cards", click("CheckBoxD2"), [](auto& s) { return !s.SaluteCards; }},
      {"save gif", click("CheckBoxSG1"), [](auto& s) { return s.GifSave; }},
      {"gif source", combo("ComboBoxSG1", 1), [](auto& s) { return s.GifSource == 2; }},
      {"gif delay", spin("SpinEditSG1", 250), [](auto& s) { return s.GifDelay == 250; }},
      {"music", click("CheckBox2"), [](auto& s) { return !s.SoundOn && !s.MusicOn; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    changes.clear();
    c.act();
    EXPECT_TRUE(c.written(settings));
    EXPECT_FALSE(changes.empty());
  }

  const auto path = folder.path() / "Zendral.ini";
  ASSERT_TRUE(SaveSettings(path, settings));
  const SettingsLoad load = LoadSettings(path, {"records", "statistics"});
  EXPECT_EQ(load.status, SettingsReadStatus::kComplete);
  EXPECT_EQ(load.settings, settings);

  // The window shows what the file gives back.
  Settings reloaded = load.settings;
  TFormOptions again(reloaded, Environment(true));
  again.show();
  EXPECT_EQ(Child<QComboBox>(again, "ComboBox1")->currentIndex(), 40);
  EXPECT_EQ(Child<QSpinBox>(again, "SpinEditSG1")->value(), 250);
  EXPECT_TRUE(Child<QRadioButton>(again, "RGRadioItem2")->isChecked());
  EXPECT_EQ(Child<QComboBox>(again, "ComboBoxD3")->currentIndex(), 3);
}

TEST_F(OptionsWindow, TheChangesTellTheMainWindowWhatToDo) {
  TFormOptions window(settings, Environment(true));
  window.show();
  Child<QCheckBox>(window, "CheckBoxNet")->click();
  Child<QCheckBox>(window, "CheckBox2")->click();
  Child<QComboBox>(window, "ComboBoxWSize")->setCurrentIndex(1);
  Child<QComboBox>(window, "ComboBoxD1")->setCurrentIndex(1);
  EXPECT_EQ(changes, (std::vector<OptionsChange>{OptionsChange::kMultiplayer, OptionsChange::kMusic,
                                                 OptionsChange::kWindowSize,
                                                 OptionsChange::kMainMenuDesign}));
  // Showing the window again puts the settings into the controls and writes nothing.
  changes.clear();
  const Settings before = settings;
  window.hide();
  window.show();
  EXPECT_TRUE(changes.empty());
  EXPECT_EQ(settings, before);
}

TEST_F(OptionsWindow, TheSizeListOffersWhatTheScreenAllows) {
  struct Case {
    ClientSize screen;
    int stored;
    int entries;
    int enabled;
  };
  const Case cases[] = {
      {{1280, 1024}, 1, 3, 3},  // small, full screen and average 1 only
      {{1920, 1080}, 1, 5, 5},
      {{1290, 870}, 1, 4, 4},
      {{1289, 870}, 1, 3, 3},
      {{800, 600}, 1, 2, 2},
      // A size chosen on a larger screen is shown, but cannot be chosen again here.
      {{800, 600}, 5, 5, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.screen.width) + "x" + std::to_string(c.screen.height) + " size " +
                 std::to_string(c.stored));
    settings.WindowSize = c.stored;
    TFormOptions window(settings, Environment(true, c.screen));
    auto* sizes = Child<QComboBox>(window, "ComboBoxWSize");
    EXPECT_EQ(sizes->count(), c.entries);
    int enabled = 0;
    for (int k = 0; k < sizes->count(); ++k) enabled += EntryEnabled(sizes, k);
    EXPECT_EQ(enabled, c.enabled);
    EXPECT_EQ(sizes->currentIndex(), c.stored - 1);
    EXPECT_EQ(sizes->itemData(0, Qt::ToolTipRole).toString(), QStringLiteral("760 x 500"));
    EXPECT_EQ(sizes->itemData(1, Qt::ToolTipRole).toString(),
              QString("%1 x %2").arg(c.screen.width).arg(c.screen.height));
  }
}

TEST_F(OptionsWindow, WithoutThePacksTheirChoicesAreShownButCannotBeMade) {
  settings.WindowLook = 3;
  TFormOptions window(settings, Environment(false));
  window.show();
  auto* decks = Child<QComboBox>(window, "ComboBox1");
  ASSERT_EQ(decks->count(), 48);
  EXPECT_TRUE(EntryEnabled(decks, 0));
  for (int deck : {1, 31, 32, 39, 40, 47}) EXPECT_FALSE(EntryEnabled(decks, deck)) << deck;
  EXPECT_EQ(decks->itemData(31, Qt::ToolTipRole).toString(),
            QStringLiteral("Can`t find the file KovCards06A.dll"));
  EXPECT_EQ(decks->itemData(40, Qt::ToolTipRole).toString(),
            QStringLiteral("Can`t find the file KovCards06C.dll"));
  auto* backs = Child<QComboBox>(window, "ComboBox2");
  EXPECT_TRUE(EntryEnabled(backs, 0));
  EXPECT_FALSE(EntryEnabled(backs, 12));
  // Only the program's own felt in green.
  auto* background = Child<QComboBox>(window, "ComboBoxBG1");
  auto* colour = Child<QComboBox>(window, "ComboBoxBG2");
  for (int k = 0; k < background->count(); ++k) EXPECT_EQ(EntryEnabled(background, k), k == 1);
  for (int k = 0; k < colour->count(); ++k) EXPECT_EQ(EntryEnabled(colour, k), k == 0);
  EXPECT_FALSE(EntryEnabled(Child<QComboBox>(window, "ComboBoxD1"), 1));
  EXPECT_FALSE(EntryEnabled(Child<QComboBox>(window, "ComboBoxD3"), 2));
  EXPECT_FALSE(Child<QCheckBox>(window, "CheckBoxD1")->isEnabled());
  // The stored look is kept, the header falls back to the ribbon.
  EXPECT_EQ(Child<QComboBox>(window, "ComboBoxD3")->currentIndex(), 2);
  EXPECT_EQ(window.header()->LookShown(), kHeaderLookRibbon);
  EXPECT_EQ(settings.WindowLook, 3);
  EXPECT_TRUE(changes.empty());
}

TEST_F(OptionsWindow, HeaderLooksUseThePackPicturesOfTheLanguage) {
  std::vector<QString> asked;
  OptionsEnvironment env = Environment(true);
  env.packPicture = [&asked](const QString& name) {
    asked.push_back(name);
    QImage image(200, 40, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    return name == QStringLiteral("GFormOptEng") || name == QStringLiteral("OptionsRus") ? image
                                                                                         : QImage();
  };
  struct Case {
    int look;
    int language;
    const char* picture;
    int shown;
  };
  const Case cases[] = {{3, kEnglish, "GFormOptEng", 3},
                        {3, kJapanese, "GFormOptEng", 3},  // Japanese uses the English ones
                        {1, kRussian, "OptionsRus", 1},
                        {1, kGerman, "OptionsDeu", 2},  // no such picture: the ribbon
                        {2, kRussian, nullptr, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.look * 100 + c.language);
    asked.clear();
    settings.WindowLook = c.look;
    UseLanguage(c.language);
    TFormOptions window(settings, env);
    EXPECT_EQ(window.header()->LookShown(), c.shown);
    if (c.picture) {
      ASSERT_FALSE(asked.empty());
      EXPECT_EQ(asked.back(), QString::fromLatin1(c.picture));
    } else {
      EXPECT_TRUE(asked.empty());
    }
  }
}

TEST_F(OptionsWindow, BackCollectionsAreAlwaysRandom) {
  settings.BackAlwaysOne = true;
  TFormOptions window(settings, Environment(true));
  window.show();
  auto* random = Child<QRadioButton>(window, "RadioGroup2Item3");
  auto* alwaysOne = Child<QRadioButton>(window, "RadioGroup2Item2");
  EXPECT_TRUE(alwaysOne->isChecked());
  EXPECT_FALSE(random->isEnabled());

  Child<QComboBox>(window, "ComboBox2")->setCurrentIndex(9);
  EXPECT_EQ(settings.BackDeck, 9);
  EXPECT_FALSE(settings.BackAlwaysOne);
  EXPECT_TRUE(random->isChecked());
  EXPECT_TRUE(random->isEnabled());
  EXPECT_FALSE(alwaysOne->isEnabled());

  Child<QComboBox>(window, "ComboBox2")->setCurrentIndex(12);
  EXPECT_TRUE(Child<QRadioButton>(window, "RadioGroup2Item1")->isChecked());
  EXPECT_FALSE(random->isEnabled());
}

TEST_F(OptionsWindow, FontNamesThatCannotComeBackFromTheFileAreNotTaken) {
  TFormOptions window(settings, Environment(true));
  window.show();
  Child<QComboBox>(window, "ComboBoxFont")->setCurrentIndex(1);
  auto* names = Child<QComboBox>(window, "FontComboBox1");
  struct Case {
    QString typed;
    std::string stored;
  };
  const Case cases[] = {
      {QStringLiteral("Liberation Serif"), "Liberation Serif"},
      {QStringLiteral("X"), "Liberation Serif"},  // one character stops the reader
      {QStringLiteral("  "), "Liberation Serif"},
      {QStringLiteral("Φ Greek"), "Liberation Serif"},  // no Windows-1251 character for it
      {QStringLiteral("Шрифт"), "Шрифт"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    names->lineEdit()->setText(c.typed);
    QTest::keyClick(names->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(settings.FontSmall, c.stored);
    EXPECT_EQ(names->currentText(), QString::fromStdString(c.stored));
  }

  settings.ScaleLarge = 140;
  settings.FontSpecial2 = "Noto Sans";
  Child<QPushButton>(window, "Button2")->click();
  const Settings defaults;
  EXPECT_EQ(settings.FontSmall, defaults.FontSmall);
  EXPECT_EQ(settings.FontSpecial2, defaults.FontSpecial2);
  EXPECT_EQ(settings.ScaleLarge, 100);
  EXPECT_EQ(names->currentText(), QStringLiteral("Comic Sans MS"));
}

TEST_F(OptionsWindow, ControlsThatDependOnOthersFollowThem) {
  OptionsEnvironment env = Environment(true);
  env.menuShown = false;
  TFormOptions window(settings, env);
  window.show();
  // "Gif-animation" only from the main menu.
  EXPECT_FALSE(Child<QCheckBox>(window, "CheckBox3")->isEnabled());
  // No passport window given: its button cannot be pressed.
  EXPECT_FALSE(Child<QPushButton>(window, "Button4")->isEnabled());

  auto* source = Child<QComboBox>(window, "ComboBoxSG1");
  auto* delay = Child<QSpinBox>(window, "SpinEditSG1");
  EXPECT_FALSE(source->isEnabled());
  EXPECT_FALSE(delay->isEnabled());
  Child<QCheckBox>(window, "CheckBoxSG1")->click();
  EXPECT_TRUE(source->isEnabled());
  EXPECT_TRUE(delay->isEnabled());

  auto* background = Child<QComboBox>(window, "ComboBoxBG1");
  Child<QComboBox>(window, "ComboBoxD1")->setCurrentIndex(1);
  EXPECT_TRUE(background->isEnabled());
  Child<QComboBox>(window, "ComboBoxD2")->setCurrentIndex(1);
  EXPECT_FALSE(background->isEnabled());
  EXPECT_FALSE(Child<QComboBox>(window, "ComboBoxBG2")->isEnabled());
  Child<QComboBox>(window, "ComboBoxD1")->setCurrentIndex(0);
  EXPECT_TRUE(background->isEnabled());
}

TEST_F(OptionsWindow, ThePreviewShowsFourCardsOfTheChosenDeckSideBySide) {
  // Pack decks come from a loader: each card a plain colour of its own.
  const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
  OptionsEnvironment env = Environment(true);
  std::vector<int> decksAsked;
  env.deckFace = [&](int deck, TCardCode card) {
    decksAsked.push_back(deck);
    for (std::size_t k = 0; k < kPreviewCards.size(); ++k) {
      if (kPreviewCards[k] == card) {
        QImage image(71, 96, QImage::Format_RGB32);
        image.fill(colours[k]);
        return image;
      }
    }
    return QImage();
  };
  TFormOptions window(settings, env);
  window.show();
  auto* preview = Child<CardPreview>(window, "ImageCards");
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(preview->size(), QSize(260, 96));
  // Deck 0 is the program's own: the ace of spades at x 189.
  EXPECT_TRUE(preview->complete());
  EXPECT_TRUE(decksAsked.empty());
  const QImage ace = LoadArtPicture(FaceName(TCardCode(9, kSpades), false));
  ASSERT_FALSE(ace.isNull());
  EXPECT_EQ(preview->image().pixelColor(189 + 35, 60), ace.pixelColor(35, 60));

  Child<QComboBox>(window, "ComboBox1")->setCurrentIndex(12);
  EXPECT_TRUE(preview->complete());
  EXPECT_EQ(decksAsked, std::vector<int>(4, 12));
  for (std::size_t k = 0; k < kPreviewCards.size(); ++k) {
    EXPECT_EQ(preview->image().pixelColor(kPreviewLeft[k] + 30, 48), colours[k]) << k;
  }
  // Without pictures the preview draws no card at all.
  env.deckFace = nullptr;
  TFormOptions withoutFaces(settings, env);
  withoutFaces.show();
  auto* empty = Child<CardPreview>(withoutFaces, "ImageCards");
  EXPECT_FALSE(empty->complete());
  EXPECT_EQ(empty->image().pixelColor(30, 48).alpha(), 0);
}

TEST_F(OptionsWindow, TheSpeedWindowSetsTheSpeedWhileTheSliderMoves) {
  int calls = 0;
  TFormSpeed window(settings, [&calls] { ++calls; });
  window.show();
  EXPECT_EQ(window.TrackBar1()->value(), 4);
  EXPECT_EQ(window.TrackBar1()->minimum(), 1);
  EXPECT_EQ(window.TrackBar1()->maximum(), 6);
  QTest::keyClick(window.TrackBar1(), Qt::Key_Left);
  EXPECT_EQ(settings.CardSpeed, 3);
  QTest::keyClick(window.TrackBar1(), Qt::Key_End);
  EXPECT_EQ(settings.CardSpeed, 6);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Choice of speed"));
}

}  // namespace
}  // namespace zendral
