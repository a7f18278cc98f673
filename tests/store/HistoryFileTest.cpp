#include "store/HistoryFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "TempFolder.h"

namespace zendral {
namespace {

const HistoryStamp kStamp{"09:05", "07.03.2024"};
const HistoryEntry kAnna{"Anna", 12, -7, -0.583333, 0};
const HistoryEntry kNetwork{"\xD0\x92\xD0\xB0\xD1\x81\xD1\x8F/Petr", 3, 15, 5.0, 3};  // Вася/Petr

// Worked out by hand from the line layout: one local session.
const std::string kOneLine =
    "09:0507.03.2024Anna                                                12        -7     -0,58"
    "L#########039280192801326\r\n"
    "$\x90}################################################################################"
    "################036650182401245\r\n"
    "000000759300000037520000002571\r\n";

// The same file after a network session was appended.
const std::string kTwoLines =
    "09:0507.03.2024Anna                                                12        -7     -0,58"
    "L#########039280192801326\r\n"
    "09:0507.03.2024\xC2\xE0\xF1\xFF/Petr                                            3        "
    "15      5,00N#########047250234301594\r\n"
    "$\x90}################################################################################"
    "################036650182401245\r\n"
    "000001231800000060950000004165\r\n";

std::string FileName(int n) {
  char name[32];
  std::snprintf(name, sizeof name, "History/Zendral_I%04d.hst", n);
  return name;
}

HistoryWriteStatus Write(const TempFolder& folder, const HistoryEntry& entry) {
  return WriteHistory(folder.path(), std::span(&entry, 1), kStamp).status;
}

TEST(HistoryFile, TheFirstSessionCreatesFileOneWithThreeLines) {
  TempFolder folder;
  EXPECT_EQ(Write(folder, kAnna), HistoryWriteStatus::kOk);
  EXPECT_EQ(folder.Read(FileName(1)), kOneLine);
  EXPECT_EQ(Write(folder, kNetwork), HistoryWriteStatus::kOk);
  EXPECT_EQ(folder.Read(FileName(1)), kTwoLines);
  EXPECT_EQ(folder.Names("History"), std::vector<std::string>{"Zendral_I0001.hst"});

  const HistoryCheck check = ValidateHistoryBytes(kTwoLines);
  EXPECT_TRUE(check.ok());
  EXPECT_EQ(check.playerLines, 2);
}

// The name in its 51 columns, then the columns 67 to 99 as written out.
std::string Columns16To99(std::string_view name, std::string_view numbers) {
  std::string text(name);
  text.resize(51, ' ');
  text += numbers;
  return text;
}

void ExpectColumns(const HistoryEntry& entry, const std::string& columns16to99) {
  SCOPED_TRACE(entry.HName);
  const std::string line = FormatHistoryLine(entry, kStamp);
  ASSERT_EQ(line.size(), kHistoryLineLength);
  EXPECT_EQ(line.substr(0, 15), "09:0507.03.2024");
  EXPECT_EQ(line.substr(15, 84), columns16to99);
}

TEST(HistoryFile, FieldsKeepTheirColumns) {
  ExpectColumns({"Short", 1, 0, 0.0, 1}, Columns16To99("Short",
                                                       "  1"
                                                       "         0"
                                                       "      0,00"
                                                       "A#########"));
  ExpectColumns({std::string(60, 'n'), 30, 1234, 12.5, 2}, Columns16To99(std::string(51, 'n'),
                                                                         " 30"
                                                                         "      1234"
                                                                         "     12,50"
                                                                         "T#########"));
  ExpectColumns({"Neg", 5, -3, -1.25, 3}, Columns16To99("Neg",
                                                        "  5"
                                                        "        -3"
                                                        "     -1,25"
                                                        "N#########"));
  // Halves go away from zero; what rounds to zero has no sign.
  ExpectColumns({"Round", 5, 3, 0.045, 0}, Columns16To99("Round",
                                                         "  5"
                                                         "         3"
                                                         "      0,05"
                                                         "L#########"));
  ExpectColumns({"Tiny", 5, 3, -0.004, 0}, Columns16To99("Tiny",
                                                         "  5"
                                                         "         3"
                                                         "      0,00"
                                                         "L#########"));
  // Too wide for the columns: capped at the widest value that fits.
  ExpectColumns({"Huge", 1000, -2147483647 - 1, 1e12, 0}, Columns16To99("Huge",
                                                                        "999"
                                                                        "-999999999"
                                                                        "9999999,99"
                                                                        "L#########"));
  ExpectColumns({"Small", -1000, 2147483647, -1e12, 0}, Columns16To99("Small",
                                                                      "-99"
                                                                      "2147483647"
                                                                      "-999999,99"
                                                                      "L#########"));
  EXPECT_EQ(FormatHistoryLine(kAnna, {"9:05", "2024-03-07-extra"}).substr(0, 15),
            " 9:052024-03-07");
}

TEST(HistoryFile, OneChangedCharacterMakesTheFileInvalid) {
  for (std::size_t i = 0; i < kTwoLines.size(); ++i) {
    if (kTwoLines[i] == '\r' || kTwoLines[i] == '\n') continue;
    std::string changed = kTwoLines;
    changed[i] = changed[i] == '7' ? '8' : '7';
    EXPECT_FALSE(ValidateHistoryBytes(changed).ok()) << "byte " << i;
  }
}

TEST(HistoryFile, ValidationFaults) {
  const std::size_t line = 116;
  struct Case {
    const char* what;
    std::string bytes;
    HistoryFault fault;
  } cases[] = {
      {"empty", "", HistoryFault::kNoEndLine},
      {"no end line", kTwoLines.substr(0, 2 * line), HistoryFault::kNoEndLine},
      {"no totals", kTwoLines.substr(0, 3 * line), HistoryFault::kTotals},
      {"short totals", kTwoLines.substr(0, kTwoLines.size() - 3), HistoryFault::kTotals},
      {"short line", kTwoLines.substr(1), HistoryFault::kLineLength},
      {"a line removed", kTwoLines.substr(line), HistoryFault::kTotals},
      {"a line doubled", kTwoLines.substr(0, line) + kTwoLines, HistoryFault::kTotals},
      {"junk after the totals is never read", kTwoLines + "junk", HistoryFault::kNone},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ValidateHistoryBytes(c.bytes).fault, c.fault);
  }
}

TEST(HistoryFile, AnInvalidFileIsNotListedAndTheNextWriteReplacesIt) {
  TempFolder folder;
  folder.Write(FileName(1), kTwoLines);
  folder.Write(FileName(2), kOneLine);
  ASSERT_EQ(ListHistoryFiles(folder.path()).size(), 2u);

  std::string edited = kTwoLines;
  edited[20] = 'X';  // inside the first name
  folder.Write(FileName(1), edited);
  EXPECT_TRUE(ListHistoryFiles(folder.path()).empty());  // nor file 2, which comes after it

  EXPECT_EQ(WriteHistory(folder.path(), std::span(&kAnna, 1), kStamp).fileNumber, 1);
  EXPECT_EQ(folder.Read(FileName(1)), kOneLine);  // the new record only
  const auto list = ListHistoryFiles(folder.path());
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].playerLines, 1);
  EXPECT_EQ(list[1].playerLines, 1);
}

TEST(HistoryFile, TheFileFillsUpAt840PlayerLines) {
  TempFolder folder;
  const std::vector<HistoryEntry> four(4, kAnna);
  for (int i = 0; i < 209; ++i) WriteHistory(folder.path(), four, kStamp);  // 836 lines
  for (int i = 0; i < 3; ++i) Write(folder, kAnna);
  EXPECT_EQ(ValidateHistoryFile(folder.path(), 1).check.playerLines, 839);

  EXPECT_EQ(WriteHistory(folder.path(), std::span(&kAnna, 1), kStamp).fileNumber, 1);
  EXPECT_EQ(ValidateHistoryFile(folder.path(), 1).check.playerLines, 840);
  EXPECT_EQ(WriteHistory(folder.path(), std::span(&kAnna, 1), kStamp).fileNumber, 2);
  EXPECT_EQ(folder.Read(FileName(2)), kOneLine);
  EXPECT_EQ(ValidateHistoryFile(folder.path(), 1).check.playerLines, 840);
}

TEST(HistoryFile, WritesWithoutEntriesOrOfUnknownKindsAreRefused) {
  TempFolder folder;
  EXPECT_EQ(WriteHistory(folder.path(), {}, kStamp).status, HistoryWriteStatus::kNoEntries);
  const std::vector<HistoryEntry> five(5, kAnna);
  EXPECT_EQ(WriteHistory(folder.path(), five, kStamp).status, HistoryWriteStatus::kNoEntries);
  HistoryEntry odd = kAnna;
  odd.Ac = 4;
  EXPECT_EQ(Write(folder, odd), HistoryWriteStatus::kNoEntries);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{});

  // The history folder cannot be made: the write fails and says so.
  folder.Write("History", "a file in the way");
  EXPECT_EQ(Write(folder, kAnna), HistoryWriteStatus::kWriteFailed);
}

TEST(HistoryFile, TheBrowserListsFilesWithTheirDatesAndShowsTheirRows) {
  TempFolder folder;
  EXPECT_TRUE(ListHistoryFiles(folder.path()).empty());
  folder.Write(FileName(1), kTwoLines);
  std::tm noon{};
  noon.tm_year = 2023 - 1900;
  noon.tm_mon = 11;
  noon.tm_mday = 31;
  noon.tm_hour = 12;
  noon.tm_isdst = -1;
  const auto when = std::chrono::system_clock::from_time_t(std::mktime(&noon));
  std::filesystem::last_write_time(folder.path() / FileName(1),
                                   std::chrono::file_clock::from_sys(when));
  const auto list = ListHistoryFiles(folder.path());
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].date, "31.12.2023");
  EXPECT_EQ(list[0].label, "File I0001 31.12.2023");

  const auto rows = ReadHistoryGrid(folder.path() / FileName(1));
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->size(), 2u);
  const HistoryGridRow& second = (*rows)[1];
  EXPECT_EQ(second.time, "09:05");
  EXPECT_EQ(second.date, "07.03.2024");
  EXPECT_EQ(second.player, "\xD0\x92\xD0\xB0\xD1\x81\xD1\x8F/Petr" + std::string(42, ' '));
  EXPECT_EQ(second.games, "  3");
  EXPECT_EQ(second.result, "        15");
  EXPECT_EQ(second.rating, "      5,00");
  EXPECT_EQ(second.kind, HistoryKind::kNet);
  EXPECT_EQ((*rows)[0].kind, HistoryKind::kLocal);

  folder.Write(FileName(2), kTwoLines.substr(3));
  EXPECT_FALSE(ReadHistoryGrid(folder.path() / FileName(2)));
  EXPECT_FALSE(ReadHistoryGrid(folder.path() / FileName(3)));
}

// A kon of the deal of the day goes into the same series as the sessions: the lines before it
// keep their bytes, and its own line carries the kind 'D', the day's par and the place it took
// in the columns after the kind, where every other line has its filler.
TEST(HistoryFile, DailyLinesJoinTheSeriesAndCarryParAndPlace) {
  TempFolder folder;
  ASSERT_EQ(Write(folder, kAnna), HistoryWriteStatus::kOk);
  const DailyHistoryEntry daily{"Dina", 7, 11, 3};
  const HistoryWrite write = WriteDailyHistory(folder.path(), daily, kStamp);
  EXPECT_EQ(write.status, HistoryWriteStatus::kOk);
  EXPECT_EQ(write.fileNumber, 1);
  const std::string bytes = folder.Read(FileName(1));
  EXPECT_EQ(bytes.substr(0, kHistoryLineLength + 2), kOneLine.substr(0, kHistoryLineLength + 2));
  const HistoryCheck check = ValidateHistoryBytes(bytes);
  EXPECT_TRUE(check.ok());
  EXPECT_EQ(check.playerLines, 2);
  EXPECT_EQ(bytes.substr(kHistoryLineLength + 2, 99),
            "09:0507.03.2024" + Columns16To99("Dina",
                                              "  1"
                                              "         7"
                                              "          "
                                              "D##11####3"));

  const auto rows = ReadHistoryGrid(folder.path() / FileName(1));
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->size(), 2u);
  EXPECT_EQ((*rows)[0].kind, HistoryKind::kLocal);
  EXPECT_FALSE((*rows)[0].par);
  const HistoryGridRow& row = (*rows)[1];
  EXPECT_EQ(row.kind, HistoryKind::kDaily);
  EXPECT_EQ(row.player.substr(0, 5), "Dina ");
  EXPECT_EQ(row.result, "         7");
  EXPECT_EQ(row.rating, std::string(10, ' '));
  EXPECT_EQ(row.par, 11);
  EXPECT_EQ(row.place, 3);

  // A session after it goes on in the same file as before.
  ASSERT_EQ(Write(folder, kNetwork), HistoryWriteStatus::kOk);
  EXPECT_EQ(ValidateHistoryBytes(folder.Read(FileName(1))).playerLines, 3);
}

TEST(HistoryFile, DailyParAndPlaceColumns) {
  struct Case {
    std::optional<int> par, place;
    std::string columns;  // 90-99
    std::optional<int> readPar, readPlace;
  };
  const Case cases[] = {
      {-4, 12, "D##-4###12", -4, 12},
      {0, 1, "D###0####1", 0, 1},
      {std::nullopt, std::nullopt, "D#########", std::nullopt, std::nullopt},
      // Not known, or too wide for the columns: left out rather than cut.
      {12345, 123456, "D#########", std::nullopt, std::nullopt},
      {-1000, 0, "D#########", std::nullopt, std::nullopt},
      {9999, 99999, "D999999999", 9999, 99999},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.columns);
    const std::string line = FormatDailyHistoryLine({"P", -3, c.par, c.place}, kStamp);
    ASSERT_EQ(line.size(), kHistoryLineLength);
    EXPECT_EQ(line.substr(89, 10), c.columns);
    TempFolder folder;
    ASSERT_EQ(WriteDailyHistory(folder.path(), {"P", -3, c.par, c.place}, kStamp).status,
              HistoryWriteStatus::kOk);
    const auto rows = ReadHistoryGrid(folder.path() / FileName(1));
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ((*rows)[0].par, c.readPar);
    EXPECT_EQ((*rows)[0].place, c.readPlace);
  }
}

// Columns 91-99 of a 'D' line rewritten with their sums made good again: whatever they hold,
// the row reads, and what is not a number reads as not known.
TEST(HistoryFile, DailyColumnsWithOtherTextReadAsUnknown) {
  for (const std::string columns : {"D1#2#3#4#5", "D---######", "D  12    3", "D###-####-"}) {
    SCOPED_TRACE(columns);
    std::string data = FormatDailyHistoryLine({"P", 1, 5, 2}, kStamp).substr(0, 89) + columns;
    const HistorySums sums = ComputeHistorySums(data);
    char tail[16];
    std::snprintf(tail, sizeof tail, "%05ld%05ld%05ld", sums.sum1, sums.sum2, sums.sum3);
    data += tail;
    TempFolder folder;
    const std::string end = FormatHistoryEndLine();
    const HistorySums a = ComputeHistorySums(data), b = ComputeHistorySums(end);
    char totals[40];
    std::snprintf(totals, sizeof totals, "%010ld%010ld%010ld", a.sum1 + b.sum1, a.sum2 + b.sum2,
                  a.sum3 + b.sum3);
    folder.Write(FileName(1), data + "\r\n" + end + "\r\n" + totals + "\r\n");
    const auto rows = ReadHistoryGrid(folder.path() / FileName(1));
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ((*rows)[0].kind, HistoryKind::kDaily);
    EXPECT_FALSE((*rows)[0].par);
    EXPECT_FALSE((*rows)[0].place);
  }
}

}  // namespace
}  // namespace zendral
