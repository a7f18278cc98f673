// The History window over fixture history files written by the store's own writer.

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "WindowsTestSupport.h"
#include "app/windows/HistoryGrid.h"
#include "app/windows/TFHistory.h"
#include "app/windows/WindowTexts.h"
#include "present/words/WordRows.h"
#include "store/Settings.h"

namespace zendral {
namespace {

namespace fs = std::filesystem;

const HistoryStamp kStamp{"09:05", "10.12.2024"};

std::vector<HistoryEntry> FourKinds() {
  return {{"Alexandra", 12, 34, 1.25, 0},
          {"Boris/PC", 3, -7, -0.5, 3},
          {"Chen", 30, 120, 12.5, 1},
          {"Dana/Eve", 1, 2, 0, 2}};
}

class HistoryWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApp();
    UseLanguage(kEnglish);
  }
  void TearDown() override { UseLanguage(kEnglish); }

  // History file n of another folder's first file: the writer always starts with file 1.
  void WriteFile(int number, const std::vector<HistoryEntry>& entries) {
    testing::TempFolder scratch;
    ASSERT_EQ(WriteHistory(scratch.path(), entries, kStamp).status, HistoryWriteStatus::kOk);
    fs::create_directories(HistoryFilePath(folder.path(), number).parent_path());
    fs::copy_file(HistoryFilePath(scratch.path(), 1), HistoryFilePath(folder.path(), number),
                  fs::copy_options::overwrite_existing);
  }

  testing::TempFolder folder;
  Settings settings;
};

TEST_F(HistoryWindow, ListsTheValidFilesUpToTheFirstDamagedOne) {
  WriteFile(1, FourKinds());
  WriteFile(2, {{"Zoe", 5, 9, 0.05, 0}});
  WriteFile(3, FourKinds());
  WriteFile(4, FourKinds());
  {
    // One changed character makes file 3 damaged; file 4 after it is not listed either.
    const fs::path third = HistoryFilePath(folder.path(), 3);
    std::string bytes = [&] {
      std::ifstream in(third, std::ios::binary);
      return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    bytes[20] = bytes[20] == 'x' ? 'y' : 'x';
    std::ofstream(third, std::ios::binary | std::ios::trunc) << bytes;
  }

  TFHistory window(settings, folder.path());
  window.show();
  QListWidget* list = window.ListBox1();
  ASSERT_EQ(list->count(), 2);
  EXPECT_TRUE(list->isEnabled());
  for (int n = 1; n <= 2; ++n) {
    const HistoryFileInfo info = ValidateHistoryFile(folder.path(), n);
    ASSERT_FALSE(info.date.empty());
    EXPECT_EQ(list->item(n - 1)->text(),
              QString("File I000%1 ").arg(n) + QString::fromStdString(info.date));
  }
  // The last file is chosen at the first showing.
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_EQ(window.SG()->PlayerRows(), 1);
  EXPECT_EQ(window.SG()->CellText(1, 2), QStringLiteral("Zoe"));

  // Choosing another file refills the grid.
  list->setCurrentRow(0);
  EXPECT_EQ(window.SG()->PlayerRows(), 4);
  EXPECT_EQ(window.SG()->CellText(1, 2), QStringLiteral("Alexandra"));

  // In another language the list and the grid speak it.
  UseLanguage(kRussian);
  TFHistory russian(settings, folder.path());
  russian.show();
  EXPECT_TRUE(russian.ListBox1()->item(0)->text().startsWith(QStringLiteral("Файл I0001 ")));
  EXPECT_EQ(russian.SG()->CellText(0, 6), QStringLiteral("Тип игр"));
  EXPECT_EQ(russian.windowTitle(), QStringLiteral("История игр"));
}

TEST_F(HistoryWindow, WithoutFilesTheListSaysSoAndIsDisabled) {
  for (int language : {kEnglish, kRussian, kJapanese}) {
    UseLanguage(language);
    TFHistory window(settings, folder.path());
    window.show();
    ASSERT_EQ(window.ListBox1()->count(), 1);
    EXPECT_EQ(window.ListBox1()->item(0)->text(), QtText(Word(kWordNoHistoryFiles, language)));
    EXPECT_FALSE(window.ListBox1()->isEnabled());
    EXPECT_EQ(window.SG()->PlayerRows(), 0);
    EXPECT_EQ(window.SG()->CellText(0, 0), QtText(Word(kWordTime, language)));
  }
}

TEST_F(HistoryWindow, TheGridShowsTheSevenFieldsOfEachLine) {
  WriteFile(1, FourKinds());
  TFHistory window(settings, folder.path());
  window.show();
  const THistoryGrid* grid = window.SG();
  ASSERT_EQ(grid->PlayerRows(), 4);
  const QStringList header = {"Time", "Date", "Player", "Games", "Result", "Rating", "Type"};
  const QStringList rows[] = {
      {"09:05", "10.12.2024", "Alexandra", "12", "34", "1,25", "Local"},
      {"09:05", "10.12.2024", "Boris/PC", "3", "-7", "-0,50", "Net"},
      {"09:05", "10.12.2024", "Chen", "30", "120", "12,50", "Account"},
      {"09:05", "10.12.2024", "Dana/Eve", "1", "2", "0,00", "Tourney"},
  };
  for (int c = 0; c < kHistoryColumns; ++c) {
    EXPECT_EQ(grid->columnWidth(c), kHistoryColumnWidths[static_cast<std::size_t>(c)]);
    EXPECT_EQ(grid->CellText(0, c), header[c]);
    for (int r = 0; r < 4; ++r) EXPECT_EQ(grid->CellText(r + 1, c), rows[r][c]) << r << " " << c;
  }
}

TEST_F(HistoryWindow, CellColoursFollowTheDesignTheSelectionAndTheKindOfGame) {
  WriteFile(1, FourKinds());
  TFHistory window(settings, folder.path());
  window.show();
  THistoryGrid* grid = window.SG();
  const QColor base = grid->palette().color(QPalette::Base);
  const QColor text = grid->palette().color(QPalette::Text);
  const QColor maroon(128, 0, 0), lavender(230, 230, 255), pink(255, 204, 204);
  const QColor green(0, 128, 0), red(255, 0, 0), blue(0, 0, 255);
  const QColor yellow(255, 255, 0), purple(136, 0, 226), lightPurple(227, 185, 255),
      lightYellow(255, 255, 180);

  struct Case {
    bool purpleDesign;
    int row, column;
    QColor background, textColour;
    Qt::Alignment alignment;
  };
  // Row 1 is selected (the grid selects its first row).
  const Case cases[] = {
      {false, 0, 0, lavender, maroon, Qt::AlignHCenter},
      {false, 0, 2, lavender, maroon, Qt::AlignLeft},
      {false, 1, 3, pink, text, Qt::AlignHCenter},
      {false, 2, 2, base, green, Qt::AlignLeft},
      {false, 3, 6, base, red, Qt::AlignHCenter},
      {false, 4, 0, base, blue, Qt::AlignHCenter},
      {true, 0, 1, purple, yellow, Qt::AlignHCenter},
      {true, 1, 2, lightYellow, text, Qt::AlignLeft},
      {true, 2, 4, lightPurple, green, Qt::AlignHCenter},
      {true, 4, 5, lightPurple, blue, Qt::AlignHCenter},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.purpleDesign) + " row " + std::to_string(c.row) + " column " +
                 std::to_string(c.column));
    settings.CustomDesign = c.purpleDesign;
    window.ApplyLanguage();
    const HistoryCellStyle style = grid->CellStyle(c.row, c.column);
    EXPECT_EQ(style.background, c.background);
    EXPECT_EQ(style.text, c.textColour);
    EXPECT_EQ(style.alignment, c.alignment);
  }

  // Selecting another row moves the pink with it.
  settings.CustomDesign = false;
  window.ApplyLanguage();
  grid->selectRow(2);
  EXPECT_EQ(grid->CellStyle(3, 0).background, pink);
  EXPECT_EQ(grid->CellStyle(1, 0).background, base);

  // What is drawn: the header on lavender, the selected row on pink.
  const QImage shot = grid->grab().toImage();
  const QPoint headerCell = grid->horizontalHeader()->geometry().topLeft() + QPoint(20, 2);
  EXPECT_EQ(shot.pixelColor(headerCell), lavender);
  const QRect selected = grid->visualRect(grid->model()->index(2, 0));
  EXPECT_EQ(
      shot.pixelColor(grid->viewport()->geometry().topLeft() + selected.topLeft() + QPoint(2, 2)),
      pink);
}

// A kon of the deal of the day between sessions: its own type, its par and place beside the
// name, no rating, and its own colour; the other rows read as before.
TEST_F(HistoryWindow, ADailyRowShowsItsTypeParAndPlace) {
  testing::TempFolder scratch;
  const HistoryEntry session{"Alexandra", 12, 34, 1.25, 0};
  ASSERT_EQ(WriteHistory(scratch.path(), std::span(&session, 1), kStamp).status,
            HistoryWriteStatus::kOk);
  ASSERT_EQ(WriteDailyHistory(scratch.path(), {"Dina", -3, 4, 17}, kStamp).status,
            HistoryWriteStatus::kOk);
  ASSERT_EQ(
      WriteDailyHistory(scratch.path(), {"Dina", 2, std::nullopt, std::nullopt}, kStamp).status,
      HistoryWriteStatus::kOk);
  fs::create_directories(HistoryFilePath(folder.path(), 1).parent_path());
  fs::copy_file(HistoryFilePath(scratch.path(), 1), HistoryFilePath(folder.path(), 1));

  TFHistory window(settings, folder.path());
  window.show();
  THistoryGrid* grid = window.SG();
  ASSERT_EQ(grid->PlayerRows(), 3);
  const QStringList rows[] = {
      {"09:05", "10.12.2024", "Alexandra", "12", "34", "1,25", "Local"},
      {"09:05", "10.12.2024", "Dina \u00b7 par 4 \u00b7 place 17", "1", "-3", "", "Daily"},
      {"09:05", "10.12.2024", "Dina", "1", "2", "", "Daily"},
  };
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < kHistoryColumns; ++c) {
      EXPECT_EQ(grid->CellText(r + 1, c), rows[r][c]) << r << " " << c;
    }
  }
  const QColor daily = grid->CellStyle(2, 0).text;
  EXPECT_NE(daily, grid->CellStyle(1, 0).text);
  for (const QColor other : {QColor(0, 128, 0), QColor(255, 0, 0), QColor(0, 0, 255)}) {
    EXPECT_NE(daily, other);
  }
  UseLanguage(kRussian);
  window.Reload();
  EXPECT_EQ(grid->CellText(2, 6), QStringLiteral("Дня"));
  EXPECT_EQ(grid->CellText(2, 2), QStringLiteral("Dina \u00b7 пар 4 \u00b7 место 17"));
}

TEST_F(HistoryWindow, ASinglePlayerRowIsNotMarkedAsSelected) {
  WriteFile(1, {{"Solo", 4, 8, 0.25, 3}});
  TFHistory window(settings, folder.path());
  window.show();
  EXPECT_EQ(window.SG()->PlayerRows(), 1);
  EXPECT_EQ(window.SG()->CellStyle(1, 0).background, window.SG()->palette().color(QPalette::Base));
  EXPECT_EQ(window.SG()->CellStyle(1, 0).text, QColor(0, 128, 0));
}

}  // namespace
}  // namespace zendral
