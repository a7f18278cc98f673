#include "store/ClubFile.h"

#include <vector>

#include "store/Cp1251.h"
#include "store/FileIo.h"
#include "store/TextFields.h"

namespace zendral {
namespace {

// A sound club file is 17 lines of at most 59 bytes; anything much larger is no club file.
constexpr std::size_t kMaxClubBytes = 4096;

std::size_t ExpectedLength(int line) {
  if (line <= kClubMembers) return kMemberLineLength;
  if (line < kFirstOrderLine + kOrderPlaces) return kOrderLineLength;
  return kClubTailLineLength;
}

std::optional<long> SixDigits(std::string_view text) {
  long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string SixDigitText(long value) {
  return PadLeft(std::to_string(Clamp(value, 0L, 999'999L)), 6, '0');
}

}  // namespace

ClubParse ParseClubFile(std::string_view bytes) {
  ClubParse parse;
  // One line more than needed, so a longer file shows as one.
  const std::vector<std::string_view> lines = SplitLines(bytes, kClubLines + 1);
  if (lines.size() != static_cast<std::size_t>(kClubLines)) {
    parse.fault = ClubFault::kLineCount;
    return parse;
  }
  for (int n = 1; n <= kClubLines; ++n) {
    const std::string_view line = lines[static_cast<std::size_t>(n - 1)];
    if (line.size() != ExpectedLength(n)) {
      parse.fault = ClubFault::kLineLength;
      parse.faultLine = n;
      return parse;
    }
    parse.file.Line(n) = line;
  }
  return parse;
}

ClubChecksums ComputeClubChecksums(const ClubFile& file) {
  ClubChecksums sums;
  long position = 0;
  for (int n = 1; n < kClubLines; ++n) {
    for (const char c : file.Line(n)) {
      const long value = static_cast<unsigned char>(c);
      ++position;
      sums.sum1 += value;
      if (position % 2 == 0) sums.sum2 += value;
      if (position % 3 == 0) sums.sum3 += value;
    }
  }
  return sums;
}

void UpdateClubChecksums(ClubFile& file) {
  const ClubChecksums sums = ComputeClubChecksums(file);
  std::string& control = file.Line(kClubLines);
  control.resize(kClubTailLineLength, '#');
  control.replace(10, 18,
                  SixDigitText(sums.sum1) + SixDigitText(sums.sum2) + SixDigitText(sums.sum3));
}

std::string SerializeClubFile(const ClubFile& file) {
  return JoinLines(std::vector<std::string>(file.lines.begin(), file.lines.end()));
}

ClubCheck CheckClubBytes(std::string_view bytes) {
  ClubCheck check;
  const ClubParse parse = ParseClubFile(bytes);
  check.fault = parse.fault;
  check.faultLine = parse.faultLine;
  if (parse.fault != ClubFault::kNone) return check;

  const std::string& control = parse.file.Line(kClubLines);
  const auto s1 = SixDigits(std::string_view(control).substr(10, 6));
  const auto s2 = SixDigits(std::string_view(control).substr(16, 6));
  const auto s3 = SixDigits(std::string_view(control).substr(22, 6));
  if (!s1 || !s2 || !s3) {
    check.fault = ClubFault::kChecksumText;
    return check;
  }
  if (ComputeClubChecksums(parse.file) != ClubChecksums{*s1, *s2, *s3}) {
    check.fault = ClubFault::kChecksumMismatch;
    return check;
  }
  const std::string& gameLine = parse.file.Line(kClubLines - 1);
  if (gameLine[0] != kGameIdChar || gameLine[1] != '}') {
    check.fault = ClubFault::kGameLine;
    return check;
  }
  check.fault = ClubFault::kNone;
  check.languageRussian = control[0] == '1';
  check.distributionMark = Cp1251ToUtf8(std::string_view(control).substr(6, 3));
  return check;
}

ClubCheck CheckClubFile(const std::filesystem::path& path) {
  const FileBytes file = ReadFileBytes(path, kMaxClubBytes);
  ClubCheck check;
  switch (file.status) {
    case ReadStatus::kMissing:
      check.fault = ClubFault::kMissing;
      return check;
    case ReadStatus::kUnreadable:
      check.fault = ClubFault::kUnreadable;
      return check;
    case ReadStatus::kTooLarge:
      check.fault = ClubFault::kLineCount;
      return check;
    case ReadStatus::kOk:
      break;
  }
  check = CheckClubBytes(file.bytes);
  if (check.ok()) {
    const bool hidden = path.filename().string().starts_with('.');
    check.writable = !hidden && CanReplaceFile(path);
  }
  return check;
}

std::string EncodePassword(std::string_view password) {
  const std::string bytes = FitRight(Utf8ToCp1251(password), 5);
  std::string field;
  for (const char c : bytes) field += std::to_string(static_cast<unsigned char>(c) + 234);
  return field;
}

std::optional<std::string> DecodePassword(std::string_view field) {
  if (field.size() != 15) return std::nullopt;
  std::string bytes;
  for (std::size_t i = 0; i < 15; i += 3) {
    const auto group = SixDigits(field.substr(i, 3));
    if (!group || *group < 234 || *group > 234 + 255) return std::nullopt;
    bytes += static_cast<char>(*group - 234);
  }
  return Cp1251ToUtf8(bytes);
}

bool IsEmptyMemberSlot(std::string_view line) {
  return line.size() < 37 || line[36] == '#';
}

std::string FormatMemberLine(const PlayerRecord& record) {
  std::string name = Utf8ToCp1251(record.name);
  for (char& c : name) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  // The columns have no room for more: the rating takes 10 characters with six decimals,
  // the kon count 7 and the cycle score 6.
  const std::int64_t rating =
      Clamp<std::int64_t>(ToUnits(record.rating, 6), -99'999'999, 999'999'999);
  std::string line = FitRight(name, 20);
  line += PadLeft(FormatFixed(rating, 6), 10);
  line += PadLeft(std::to_string(Clamp(record.konCount, 0, 9'999'999)), 7);
  line += ' ';
  line += PadLeft(std::to_string(Clamp(record.cycleScore, -99'999, 999'999)), 6);
  // A session hands back the stored 15-character field unchanged; a new player's password
  // (at most 5 characters) is encoded here.
  const std::string stored = Utf8ToCp1251(record.password);
  const bool keep = stored.size() == 15 && stored.find_first_of("\r\n") == std::string::npos;
  line += keep ? stored : EncodePassword(record.password);
  return line;
}

std::optional<PlayerRecord> ParseMemberLine(std::string_view line) {
  if (line.size() != kMemberLineLength || IsEmptyMemberSlot(line)) return std::nullopt;
  const auto rating = ParseFixedField(line.substr(20, 10), 6);
  const auto kons = ParseIntField(line.substr(30, 7));
  const auto cycle = ParseIntField(line.substr(38, 6));
  const std::string_view password = line.substr(44, 15);
  if (!rating || !kons || !cycle) return std::nullopt;
  PlayerRecord record;
  record.name = Cp1251ToUtf8(TrimRight(line.substr(0, 20)));
  record.rating = static_cast<double>(*rating) / 1e6;
  record.konCount = *kons;
  record.cycleScore = *cycle;
  record.password = Cp1251ToUtf8(password);
  return record;
}

std::string FormatOrderLine(std::string_view name, int score) {
  std::string bytes = Utf8ToCp1251(name);
  for (char& c : bytes) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return FitRight(bytes, 20) + PadLeft(std::to_string(Clamp(score, -99'999, 999'999)), 6);
}

}  // namespace zendral
