// Every window in every language: no control's text cut by the room it is given, no character
// without a glyph; and screenshots of the windows for people to look at (screenshots/*.png in
// the build folder).

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "WindowsTestSupport.h"
#include "app/windows/HistoryGrid.h"
#include "app/windows/OrderPicture.h"
#include "app/windows/TFHistory.h"
#include "app/windows/TFormOptions.h"
#include "app/windows/TFormSpeed.h"
#include "app/windows/TFormTopTen.h"
#include "app/windows/WindowHeader.h"
#include "app/windows/WindowResources.h"
#include "app/windows/WindowTexts.h"
#include "present/words/WordRows.h"
#include "store/ClubFile.h"
#include "store/Settings.h"

namespace zendral {
namespace {

// The languages whose screenshots are written; every language is checked.
constexpr int kShownLanguages[] = {kEnglish, kRussian, kJapanese};
const char* const kCodes[] = {"en", "ru", "de", "fr", "es", "zh", "it", "cs", "ja", "ko"};

// Characters the fonts of a widget cannot draw, fallbacks included.
QString MissingGlyphs(const QFont& font, const QString& text) {
  QString missing;
  const QFontMetrics metrics(font);
  for (const char32_t c : text.toUcs4()) {
    if (c == U'\n' || c == U' ') continue;
    if (!metrics.inFontUcs4(c)) missing += QString::fromUcs4(&c, 1);
  }
  return missing;
}

TEST(MissingGlyphs, FindsACharacterNoFontHas) {
  testing::EnsureApp();
  const QFont font = SerifFont(Settings{}, 15);
  EXPECT_EQ(MissingGlyphs(font, QStringLiteral("Zendral Чемпионы 冠军榜 챔피언")), QString());
  const QString unassigned = QString::fromUcs4(U"\U0010FFFD");
  EXPECT_EQ(MissingGlyphs(font, QStringLiteral("a") + unassigned), unassigned);
}

// Every visible control of a window: its text fits the room the layout gave it and every
// character has a glyph.
void ExpectTextsFit(const QWidget& window, const std::string& where) {
  SCOPED_TRACE(where);
  // Nothing stands outside the window.
  for (const QWidget* child : window.findChildren<QWidget*>()) {
    if (!child->isVisible() || child->window() != &window) continue;
    const QRect area(child->mapTo(&window, QPoint(0, 0)), child->size());
    EXPECT_TRUE(window.rect().contains(area))
        << child->metaObject()->className() << " " << child->objectName().toStdString();
  }
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (!button->isVisible() || button->text().isEmpty()) continue;
    EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
    EXPECT_EQ(MissingGlyphs(button->font(), button->text()), QString());
  }
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (!label->isVisible() || label->text().isEmpty()) continue;
    if (!label->wordWrap()) {
      EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    } else {
      EXPECT_GE(label->height(), label->heightForWidth(label->width()))
          << label->text().toStdString();
    }
    EXPECT_EQ(MissingGlyphs(label->font(), label->text()), QString());
  }
  for (const QGroupBox* group : window.findChildren<QGroupBox*>()) {
    if (!group->isVisible() || group->title().isEmpty()) continue;
    EXPECT_GE(group->width(), group->fontMetrics().horizontalAdvance(group->title()) + 16)
        << group->title().toStdString();
    EXPECT_EQ(MissingGlyphs(group->font(), group->title()), QString());
  }
  for (const QComboBox* box : window.findChildren<QComboBox*>()) {
    if (!box->isVisible()) continue;
    for (int k = 0; k < box->count(); ++k) {
      EXPECT_EQ(MissingGlyphs(box->font(), box->itemText(k)), QString());
    }
    EXPECT_GE(box->width(), box->fontMetrics().horizontalAdvance(box->currentText()) + 30)
        << box->currentText().toStdString();
  }
  for (const QTabWidget* pages : window.findChildren<QTabWidget*>()) {
    const QTabBar* bar = pages->tabBar();
    EXPECT_GE(bar->width(), bar->sizeHint().width());
    for (int k = 0; k < bar->count(); ++k) {
      EXPECT_EQ(MissingGlyphs(bar->font(), bar->tabText(k)), QString());
    }
  }
  for (const WindowHeader* header : window.findChildren<WindowHeader*>()) {
    EXPECT_EQ(MissingGlyphs(SerifFont(Settings{}, 20, true), header->RibbonText()), QString());
  }
}

std::string ClubBytes() {
  ClubFile club;
  for (int n = 1; n <= kClubMembers; ++n) club.Line(n) = std::string(kEmptyMemberLine);
  const std::pair<const char*, int> order[] = {
      {"Александра", 412}, {"Boris", 388}, {"Chen", 301}, {"Dana", 276}, {"Вера", 250},
      {"Egor", 199},       {"Ilya", 150},  {"Kira", 120}, {"Lev", 60},   {"Mila", -15}};
  for (int place = 1; place <= kOrderPlaces; ++place) {
    club.Line(kFirstOrderLine + place - 1) =
        FormatOrderLine(order[place - 1].first, order[place - 1].second);
  }
  club.Line(16) = std::string(1, kGameIdChar) + "}" + std::string(26, '#');
  club.Line(17) = "0#####umk#" + std::string(18, '0');
  UpdateClubChecksums(club);
  return SerializeClubFile(club);
}

class Screenshots : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApp();
    folder.Write("Zendral.clb", ClubBytes());
    const std::vector<HistoryEntry> entries = {{"Alexandra", 12, 34, 1.25, 0},
                                               {"Boris/PC", 3, -7, -0.5, 3},
                                               {"Chen", 30, 120, 12.5, 1},
                                               {"Dana/Eve", 1, 2, 0, 2}};
    for (int k = 0; k < 3; ++k) {
      ASSERT_EQ(
          WriteHistory(folder.path(), entries, {"21:4" + std::to_string(k), "10.12.2024"}).status,
          HistoryWriteStatus::kOk);
    }
  }
  void TearDown() override { UseLanguage(kEnglish); }

  static bool Shown(int language) {
    return std::find(std::begin(kShownLanguages), std::end(kShownLanguages), language) !=
           std::end(kShownLanguages);
  }
  static QString Name(const char* window, int language) {
    return testing::ScreenshotPath(QString("%1_%2.png").arg(window, kCodes[language]));
  }

  testing::TempFolder folder;
};

// The nine pages of the Options window side by side, three to a row.
TEST_F(Screenshots, OptionsWindowInEveryLanguage) {
  for (int language = 0; language < kLanguageCount; ++language) {
    Settings settings;
    SetLanguage(settings, language);
    OptionsEnvironment env;
    env.screen = {1280, 1024};
    env.programFolder = folder.path();
    TFormOptions window(settings, env);
    window.show();
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    ASSERT_NE(pages, nullptr);
    std::vector<QImage> shots;
    for (int page = 0; page < pages->count(); ++page) {
      pages->setCurrentIndex(page);
      QApplication::processEvents();
      ExpectTextsFit(window, std::string(kCodes[language]) + " page " + std::to_string(page));
      shots.push_back(window.grab().toImage());
    }
    if (!Shown(language)) continue;
    const QSize cell = shots.front().size();
    QImage sheet(cell.width() * 3, cell.height() * 3, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    for (std::size_t k = 0; k < shots.size(); ++k) {
      p.drawImage(static_cast<int>(k % 3) * cell.width(), static_cast<int>(k / 3) * cell.height(),
                  shots[k]);
    }
    p.end();
    EXPECT_TRUE(sheet.save(Name("options", language)));

    // The language chooser, opened.
    auto* chooser = window.findChild<QComboBox*>(QStringLiteral("ComboBoxLan"));
    pages->setCurrentIndex(0);
    chooser->showPopup();
    QApplication::processEvents();
    EXPECT_TRUE(chooser->view()->window()->grab().save(Name("language_chooser", language)));
    chooser->hidePopup();
  }
}

TEST_F(Screenshots, SpeedWindowInEveryLanguage) {
  for (int language = 0; language < kLanguageCount; ++language) {
    Settings settings;
    SetLanguage(settings, language);
    TFormSpeed window(settings);
    window.show();
    QApplication::processEvents();
    ExpectTextsFit(window, kCodes[language]);
    if (Shown(language)) {
      EXPECT_TRUE(window.grab().save(Name("speed", language)));
    }
  }
}

TEST_F(Screenshots, HistoryWindowInEveryLanguage) {
  for (int language = 0; language < kLanguageCount; ++language) {
    Settings settings;
    SetLanguage(settings, language);
    TFHistory window(settings, folder.path());
    window.show();
    QApplication::processEvents();
    ExpectTextsFit(window, kCodes[language]);
    const THistoryGrid* grid = window.SG();
    // Every cell's text is drawn whole, in every row.
    for (int row = 0; row <= grid->PlayerRows(); ++row) {
      for (int c = 0; c < kHistoryColumns; ++c) {
        const QString text = grid->CellText(row, c);
        EXPECT_EQ(MissingGlyphs(grid->font(), text), QString());
        EXPECT_EQ(grid->FitCell(text, THistoryGrid::CellTextWidth(c)).shown, text)
            << kCodes[language] << " row " << row << " column " << c;
      }
    }
    if (!Shown(language)) continue;
    EXPECT_TRUE(window.grab().save(Name("history", language)));
    settings.CustomDesign = true;
    window.ApplyLanguage();
    EXPECT_TRUE(window.grab().save(Name("history_purple", language)));
  }
}

TEST_F(Screenshots, OrderWindowInEveryLanguage) {
  for (int language = 0; language < kLanguageCount; ++language) {
    Settings settings;
    SetLanguage(settings, language);
    TFormTopTen window(settings, folder.path());
    window.show();
    QApplication::processEvents();
    ExpectTextsFit(window, kCodes[language]);
    EXPECT_EQ(MissingGlyphs(SerifFont(settings, kOrderTextSize), QtText(Word(kWordTopTen))),
              QString());
    if (Shown(language)) {
      EXPECT_TRUE(window.grab().save(Name("order", language)));
    }
  }
}

// The program's own window pictures on one sheet: flags, ribbon, scroll, animation frames.
TEST_F(Screenshots, WindowArtSheet) {
  QImage sheet(1000, 760, QImage::Format_RGB32);
  sheet.fill(QColor(212, 208, 200));
  QPainter p(&sheet);
  for (int language = 0; language < kLanguageCount; ++language) {
    const QImage flag = WindowPicture(QString::fromStdString(FlagPictureName(language)));
    p.drawImage(10 + language * 75, 10, flag);
    const TChooserFlag chooser = ChooserFlag(language);
    const QImage mini = WindowPicture(QString("IL%1%2")
                                          .arg(chooser.continent == 'A' ? "Asia" : "Euro")
                                          .arg(chooser.index, 2, 10, QChar('0')));
    p.drawImage(QRect(10 + language * 75, 120, 64, 44), mini);
  }
  p.drawImage(QRect(10, 180, 600, 88), WindowPicture("GCap300"));
  p.drawImage(540, 180, WindowPicture("GSvitok"));
  int y = 290;
  for (const char* name : {"GTopTen", "GClubF", "GClubG"}) {
    QImageReader reader(WindowAnimationPath(name));
    ASSERT_TRUE(reader.canRead()) << name;
    EXPECT_GT(reader.imageCount(), 1) << name;
    int x = 10;
    for (int frame = 0; frame < 4 && reader.canRead(); ++frame) {
      const QImage image = reader.read();
      p.drawImage(x, y, image);
      x += image.width() + 8;
      for (int skip = 0; skip < 2 && reader.canRead(); ++skip) reader.read();
    }
    y += name == std::string("GTopTen") ? 130 : 85;
  }
  p.end();
  EXPECT_TRUE(sheet.save(testing::ScreenshotPath("windowart.png")));
}

}  // namespace
}  // namespace zendral
