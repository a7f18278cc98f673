#pragma once
// The history of finished sessions: files "History/Zendral_I0001.hst" … "Zendral_I9999.hst"
// in the program folder. Each holds player lines of 114 columns (99 of data, then three
// 5-digit checksums), an end line and a totals line, so that a file edited by hand is known:
// it is no longer listed, and the next write replaces it.

#include <ctime>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "game/SessionStore.h"

namespace zendral {

inline constexpr std::string_view kHistoryFolderName = "History";
inline constexpr std::string_view kHistoryBaseName = "Zendral";  // the club file's base name
inline constexpr std::size_t kHistoryLineLength = 114;
inline constexpr std::size_t kHistoryDataLength = 99;
inline constexpr std::size_t kHistoryTotalsLength = 30;
inline constexpr int kHistoryFullAt = 840;  // player lines that send the next write onwards
inline constexpr int kLastHistoryFile = 9999;
inline constexpr int kMaxHistoryEntriesPerWrite = 4;

// The time ("hh:nn") and the short date of a write, taken once for all its lines.
struct HistoryStamp {
  std::string time;
  std::string date;  // at most 10 characters are kept
};
// The short date format of this program is dd.mm.yyyy.
HistoryStamp MakeHistoryStamp(const std::tm& local);
HistoryStamp CurrentHistoryStamp();
std::string ShortDate(const std::tm& local);

std::filesystem::path HistoryFilePath(const std::filesystem::path& programFolder, int number);

// One player line. Names are cut or padded to 51 columns. Numbers too wide for their columns
// are capped at the widest value that fits: kons to -99..999, the result to -999999999 and
// above, the rating to -999999,99..9999999,99.
std::string FormatHistoryLine(const HistoryEntry& entry, const HistoryStamp& stamp);
std::string FormatHistoryEndLine();

// A kon of the deal of the day. Its player line has the kind marker 'D' in column 90; the nine
// columns after it, filler '#' in every other line, hold the day's par (columns 91-94) and the
// place the kon took when it was filed (columns 95-99), each right-aligned in '#', all '#' when
// not known or too wide. The rating column stays blank: the deal of the day moves no rating.
// A reader that knows only the four older kinds still finds a valid line of 114 columns.
struct DailyHistoryEntry {
  std::string nick;
  int score = 0;
  std::optional<int> par;
  std::optional<int> place;
};
std::string FormatDailyHistoryLine(const DailyHistoryEntry& entry, const HistoryStamp& stamp);
// The three checksums of a line's first 99 columns.
struct HistorySums {
  long sum1 = 0, sum2 = 0, sum3 = 0;
  friend bool operator==(const HistorySums&, const HistorySums&) = default;
};
HistorySums ComputeHistorySums(std::string_view line);

enum class HistoryFault {
  kNone,
  kMissing,
  kUnreadable,    // cannot be read, or far too large to be a history file
  kLineLength,    // a player line or the end line is not 114 columns (faultLine)
  kLineChecksum,  // columns 100-114 of a line differ from its data (faultLine)
  kNoEndLine,     // the file ends before its "$" line
  kTotals,        // the totals line is missing, short or differs from the lines (faultLine)
};

struct HistoryCheck {
  HistoryFault fault = HistoryFault::kMissing;
  int faultLine = 0;
  int playerLines = 0;
  bool ok() const { return fault == HistoryFault::kNone; }
};

HistoryCheck ValidateHistoryBytes(std::string_view bytes);

struct HistoryFileInfo {
  HistoryCheck check;
  std::string date;  // the file's last-modified date, short format; empty when invalid
};
HistoryFileInfo ValidateHistoryFile(const std::filesystem::path& path);
HistoryFileInfo ValidateHistoryFile(const std::filesystem::path& programFolder, int number);

enum class HistoryWriteStatus {
  kOk,
  kNoEntries,    // none, or more than 4, or a kind other than 0..3
  kSeriesFull,   // files 1 to 9999 are all full
  kWriteFailed,  // "Cann`t save history!"; no file was changed
};
struct HistoryWrite {
  HistoryWriteStatus status = HistoryWriteStatus::kOk;
  int fileNumber = 0;
};

// Appends the entries to the first file that is valid and holds fewer than 840 player lines,
// or starts the first missing or invalid file anew.
HistoryWrite WriteHistory(const std::filesystem::path& programFolder,
                          std::span<const HistoryEntry> entries, const HistoryStamp& stamp);
// The same for one kon of the deal of the day.
HistoryWrite WriteDailyHistory(const std::filesystem::path& programFolder,
                               const DailyHistoryEntry& entry, const HistoryStamp& stamp);

// The files of the browser: 1, 2, … while each is valid.
struct HistoryListEntry {
  int number = 0;
  int playerLines = 0;
  std::string date;
  std::string label;  // "File I0001 " + date
};
std::vector<HistoryListEntry> ListHistoryFiles(const std::filesystem::path& programFolder);

enum class HistoryKind { kLocal, kAccount, kTourney, kNet, kDaily, kUnknown };

// One row of the browser's grid: the fields as they stand in the file (UTF-8).
struct HistoryGridRow {
  std::string time, date, player, games, result, rating;
  HistoryKind kind = HistoryKind::kUnknown;
  // A kon of the deal of the day: the day's par and the place the kon took, where known.
  std::optional<int> par, place;
};
// The rows of a valid file; nullopt for a missing or invalid one.
std::optional<std::vector<HistoryGridRow>> ReadHistoryGrid(const std::filesystem::path& path);

}  // namespace zendral
