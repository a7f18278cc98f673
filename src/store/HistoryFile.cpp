#include "store/HistoryFile.h"

#include <algorithm>
#include <chrono>

#include "store/ClubFile.h"
#include "store/Cp1251.h"
#include "store/FileIo.h"
#include "store/TextFields.h"

namespace zendral {
namespace fs = std::filesystem;
namespace {

// A full file holds 843 lines of 116 bytes at most; anything far beyond is no history file.
constexpr std::size_t kMaxHistoryBytes = 1 << 20;
constexpr std::size_t kMaxHistoryLines = kMaxHistoryBytes / 2;

std::string Digits(long value, std::size_t width) {
  return PadLeft(std::to_string(value), width, '0');
}

std::optional<long> DigitField(std::string_view text) {
  long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string WithSums(std::string data) {
  const HistorySums sums = ComputeHistorySums(data);
  data += Digits(sums.sum1, 5) + Digits(sums.sum2, 5) + Digits(sums.sum3, 5);
  return data;
}

std::string FormatTime(const std::tm& local, const char* format) {
  char text[64];
  const std::size_t n = std::strftime(text, sizeof text, format, &local);
  return std::string(text, n);
}

constexpr char kDailyMarker = 'D';
constexpr std::size_t kDailyParColumn = 90;  // 0-based: columns 91-94
constexpr std::size_t kDailyParWidth = 4;
constexpr std::size_t kDailyPlaceColumn = 94;  // columns 95-99
constexpr std::size_t kDailyPlaceWidth = 5;

// A number right-aligned in '#', or '#' alone when there is none or it does not fit.
std::string HashPadded(std::optional<int> value, std::size_t width) {
  std::string text = value ? std::to_string(*value) : std::string();
  if (text.size() > width) text.clear();
  return PadLeft(text, width, '#');
}

std::optional<int> ReadHashPadded(std::string_view field) {
  std::size_t i = 0;
  while (i < field.size() && field[i] == '#') ++i;
  field.remove_prefix(i);
  const bool negative = !field.empty() && field[0] == '-';
  if (negative) field.remove_prefix(1);
  if (field.empty()) return std::nullopt;
  const auto digits = DigitField(field);
  if (!digits) return std::nullopt;
  return static_cast<int>(negative ? -*digits : *digits);
}

char KindMarker(int ac) {
  switch (ac) {
    case 1:
      return 'A';
    case 2:
      return 'T';
    case 3:
      return 'N';
    default:
      return 'L';
  }
}

HistoryKind KindOf(char marker) {
  switch (marker) {
    case 'L':
      return HistoryKind::kLocal;
    case 'A':
      return HistoryKind::kAccount;
    case 'T':
      return HistoryKind::kTourney;
    case 'N':
      return HistoryKind::kNet;
    case kDailyMarker:
      return HistoryKind::kDaily;
    default:
      return HistoryKind::kUnknown;
  }
}

std::string FileDate(const fs::path& path) {
  std::error_code ec;
  const auto written = fs::last_write_time(path, ec);
  if (ec) return {};
  const auto system = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
      std::chrono::file_clock::to_sys(written));
  const std::time_t t = std::chrono::system_clock::to_time_t(system);
  const std::tm* local = std::localtime(&t);
  return local ? ShortDate(*local) : std::string();
}

}  // namespace

std::string ShortDate(const std::tm& local) {
  return FormatTime(local, "%d.%m.%Y");
}

HistoryStamp MakeHistoryStamp(const std::tm& local) {
  return {FormatTime(local, "%H:%M"), ShortDate(local)};
}

HistoryStamp CurrentHistoryStamp() {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  return local ? MakeHistoryStamp(*local) : HistoryStamp{"00:00", ""};
}

fs::path HistoryFilePath(const fs::path& programFolder, int number) {
  return programFolder / kHistoryFolderName /
         (std::string(kHistoryBaseName) + "_I" + Digits(number, 4) + ".hst");
}

HistorySums ComputeHistorySums(std::string_view line) {
  HistorySums sums;
  const std::size_t n = std::min(line.size(), kHistoryDataLength);
  for (std::size_t i = 0; i < n; ++i) {
    const long value = static_cast<unsigned char>(line[i]);
    const std::size_t column = i + 1;
    sums.sum1 += value;
    if (column % 2 == 0) sums.sum2 += value;
    if (column % 3 == 0) sums.sum3 += value;
  }
  return sums;
}

std::string FormatHistoryLine(const HistoryEntry& entry, const HistoryStamp& stamp) {
  std::string name = Utf8ToCp1251(entry.HName);
  for (char& c : name) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  const std::int64_t rating =
      Clamp<std::int64_t>(RoundUnits(ToUnits(entry.HRei, 6), 6, 2), -99'999'999, 999'999'999);
  std::string data = PadLeft(std::string_view(stamp.time).substr(0, 5), 5);
  data += PadLeft(std::string_view(stamp.date).substr(0, 10), 10);
  data += FitRight(name, 51);
  data += PadLeft(std::to_string(Clamp(entry.HKon, -99, 999)), 3);
  data += PadLeft(std::to_string(std::max(entry.HRes, -999'999'999)), 10);
  data += PadLeft(FormatFixed(rating, 2), 10);
  data += KindMarker(entry.Ac);
  data += "#########";
  return WithSums(std::move(data));
}

std::string FormatHistoryEndLine() {
  std::string data = "$";
  data += kGameIdChar;
  data += '}';
  data.resize(kHistoryDataLength, '#');
  return WithSums(std::move(data));
}

std::string FormatDailyHistoryLine(const DailyHistoryEntry& entry, const HistoryStamp& stamp) {
  HistoryEntry common;
  common.HName = entry.nick;
  common.HKon = 1;
  common.HRes = entry.score;
  std::string data = FormatHistoryLine(common, stamp).substr(0, 79);
  data += std::string(10, ' ');
  data += kDailyMarker;
  data += HashPadded(entry.par, kDailyParWidth);
  data +=
      HashPadded(entry.place && *entry.place > 0 ? entry.place : std::nullopt, kDailyPlaceWidth);
  return WithSums(std::move(data));
}

HistoryCheck ValidateHistoryBytes(std::string_view bytes) {
  HistoryCheck check;
  const std::vector<std::string_view> lines = SplitLines(bytes, kMaxHistoryLines);
  HistorySums running;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    const int lineNumber = static_cast<int>(i + 1);
    if (line.size() != kHistoryLineLength) {
      check.fault = HistoryFault::kLineLength;
      check.faultLine = lineNumber;
      return check;
    }
    // Each line's own sums must match its data: one changed character anywhere shows.
    const HistorySums sums = ComputeHistorySums(line);
    const auto s1 = DigitField(line.substr(99, 5));
    const auto s2 = DigitField(line.substr(104, 5));
    const auto s3 = DigitField(line.substr(109, 5));
    if (!s1 || !s2 || !s3 || HistorySums{*s1, *s2, *s3} != sums) {
      check.fault = HistoryFault::kLineChecksum;
      check.faultLine = lineNumber;
      return check;
    }
    running.sum1 += sums.sum1;
    running.sum2 += sums.sum2;
    running.sum3 += sums.sum3;
    if (line[0] != '$') continue;

    check.faultLine = lineNumber + 1;
    check.fault = HistoryFault::kTotals;
    if (i + 1 >= lines.size() || lines[i + 1].size() < kHistoryTotalsLength) return check;
    const std::string_view totals = lines[i + 1];
    const auto t1 = DigitField(totals.substr(0, 10));
    const auto t2 = DigitField(totals.substr(10, 10));
    const auto t3 = DigitField(totals.substr(20, 10));
    if (!t1 || !t2 || !t3 || HistorySums{*t1, *t2, *t3} != running) return check;
    check.fault = HistoryFault::kNone;
    check.faultLine = 0;
    check.playerLines = static_cast<int>(i);
    return check;
  }
  check.fault = HistoryFault::kNoEndLine;
  return check;
}

HistoryFileInfo ValidateHistoryFile(const fs::path& path) {
  HistoryFileInfo info;
  const FileBytes file = ReadFileBytes(path, kMaxHistoryBytes);
  if (file.status == ReadStatus::kMissing) {
    info.check.fault = HistoryFault::kMissing;
    return info;
  }
  if (file.status != ReadStatus::kOk) {
    info.check.fault = HistoryFault::kUnreadable;
    return info;
  }
  info.check = ValidateHistoryBytes(file.bytes);
  if (info.check.ok()) info.date = FileDate(path);
  return info;
}

HistoryFileInfo ValidateHistoryFile(const fs::path& programFolder, int number) {
  return ValidateHistoryFile(HistoryFilePath(programFolder, number));
}

namespace {

// Appends player lines to the first file that is valid and not full, or starts the first
// missing or invalid one anew, and closes it with its end line and totals line.
HistoryWrite AppendPlayerLines(const fs::path& programFolder, std::vector<std::string> added) {
  HistoryWrite result;
  std::vector<std::string> lines;
  int number = 1;
  for (; number <= kLastHistoryFile; ++number) {
    const fs::path path = HistoryFilePath(programFolder, number);
    const FileBytes file = ReadFileBytes(path, kMaxHistoryBytes);
    const HistoryCheck check =
        file.status == ReadStatus::kOk ? ValidateHistoryBytes(file.bytes) : HistoryCheck{};
    if (!check.ok()) break;  // missing or invalid: this file starts anew
    if (check.playerLines < kHistoryFullAt) {
      for (const std::string_view line :
           SplitLines(file.bytes, static_cast<std::size_t>(check.playerLines))) {
        lines.emplace_back(line);
      }
      break;
    }
  }
  if (number > kLastHistoryFile) {
    result.status = HistoryWriteStatus::kSeriesFull;
    return result;
  }

  for (std::string& line : added) lines.push_back(std::move(line));
  lines.push_back(FormatHistoryEndLine());
  HistorySums total;
  for (const std::string& line : lines) {
    const HistorySums sums = ComputeHistorySums(line);
    total.sum1 += sums.sum1;
    total.sum2 += sums.sum2;
    total.sum3 += sums.sum3;
  }
  lines.push_back(Digits(total.sum1, 10) + Digits(total.sum2, 10) + Digits(total.sum3, 10));

  std::error_code ec;
  fs::create_directories(programFolder / kHistoryFolderName, ec);
  result.fileNumber = number;
  if (!WriteFileAtomic(HistoryFilePath(programFolder, number), JoinLines(lines))) {
    result.status = HistoryWriteStatus::kWriteFailed;
  }
  return result;
}

}  // namespace

HistoryWrite WriteHistory(const fs::path& programFolder, std::span<const HistoryEntry> entries,
                          const HistoryStamp& stamp) {
  if (entries.empty() || entries.size() > kMaxHistoryEntriesPerWrite) {
    return {HistoryWriteStatus::kNoEntries, 0};
  }
  std::vector<std::string> lines;
  for (const HistoryEntry& entry : entries) {
    if (entry.Ac < 0 || entry.Ac > 3) return {HistoryWriteStatus::kNoEntries, 0};
    lines.push_back(FormatHistoryLine(entry, stamp));
  }
  return AppendPlayerLines(programFolder, std::move(lines));
}

HistoryWrite WriteDailyHistory(const fs::path& programFolder, const DailyHistoryEntry& entry,
                               const HistoryStamp& stamp) {
  return AppendPlayerLines(programFolder, {FormatDailyHistoryLine(entry, stamp)});
}

std::vector<HistoryListEntry> ListHistoryFiles(const fs::path& programFolder) {
  std::vector<HistoryListEntry> list;
  for (int number = 1; number <= kLastHistoryFile; ++number) {
    const HistoryFileInfo info = ValidateHistoryFile(programFolder, number);
    if (!info.check.ok()) break;
    list.push_back({number, info.check.playerLines, info.date,
                    "File I" + Digits(number, 4) + " " + info.date});
  }
  return list;
}

std::optional<std::vector<HistoryGridRow>> ReadHistoryGrid(const fs::path& path) {
  const FileBytes file = ReadFileBytes(path, kMaxHistoryBytes);
  if (file.status != ReadStatus::kOk) return std::nullopt;
  const HistoryCheck check = ValidateHistoryBytes(file.bytes);
  if (!check.ok()) return std::nullopt;
  std::vector<HistoryGridRow> rows;
  for (const std::string_view line :
       SplitLines(file.bytes, static_cast<std::size_t>(check.playerLines))) {
    HistoryGridRow row;
    row.time = Cp1251ToUtf8(line.substr(0, 5));
    row.date = Cp1251ToUtf8(line.substr(5, 10));
    row.player = Cp1251ToUtf8(line.substr(15, 51));
    row.games = Cp1251ToUtf8(line.substr(66, 3));
    row.result = Cp1251ToUtf8(line.substr(69, 10));
    row.rating = Cp1251ToUtf8(line.substr(79, 10));
    row.kind = KindOf(line[89]);
    if (row.kind == HistoryKind::kDaily) {
      row.par = ReadHashPadded(line.substr(kDailyParColumn, kDailyParWidth));
      row.place = ReadHashPadded(line.substr(kDailyPlaceColumn, kDailyPlaceWidth));
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace zendral
