#pragma once
// The club files "Zendral.clb" (games against the computer) and "Zendral.net" (network games):
// 17 lines of Windows-1251 text. Lines 1-5 hold the five members, best rating first; lines
// 6-15 the Order, the ten best results of complete 30-kon cycles; line 16 the game's own line;
// line 17 the control line with the language mark, the distribution mark and three checksums.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "game/SessionStore.h"

namespace zendral {

inline constexpr std::string_view kLocalClubFileName = "Zendral.clb";
inline constexpr std::string_view kNetworkClubFileName = "Zendral.net";

inline constexpr int kClubLines = 17;
inline constexpr int kClubMembers = 5;
inline constexpr int kOrderPlaces = 10;
inline constexpr int kFirstOrderLine = 6;
inline constexpr std::size_t kMemberLineLength = 59;
inline constexpr std::size_t kOrderLineLength = 26;
inline constexpr std::size_t kClubTailLineLength = 28;       // lines 16 and 17
inline constexpr char kGameIdChar = static_cast<char>(144);  // game id 44 + 100
inline constexpr std::string_view kEmptyMemberLine =
    "##################################### #####################";

// The lines without their line ends, line n at lines[n - 1].
struct ClubFile {
  std::array<std::string, kClubLines> lines;
  std::string& Line(int n) { return lines[static_cast<std::size_t>(n - 1)]; }
  const std::string& Line(int n) const { return lines[static_cast<std::size_t>(n - 1)]; }
};

enum class ClubFault {
  kNone,
  kMissing,           // no such file ("Can`t find the file")
  kUnreadable,        // exists but cannot be read; the rest is "The incorrect file"
  kLineCount,         // not exactly 17 lines
  kLineLength,        // a line of the wrong length (faultLine says which)
  kChecksumText,      // columns 11-28 of line 17 are not three 6-digit numbers
  kChecksumMismatch,  // they differ from the sums of lines 1-16
  kGameLine,          // line 16 does not begin with the game's character and "}"
};

struct ClubCheck {
  ClubFault fault = ClubFault::kMissing;
  int faultLine = 0;             // with kLineLength
  bool languageRussian = false;  // line 17 begins with "1": the program starts in Russian
  std::string distributionMark;  // columns 7-9 of line 17 ("umk" enables the start count)
  // The attribute test: a file that the program cannot replace, or a hidden file, is never
  // written in this run (the program warns once and plays on).
  bool writable = false;
  bool ok() const { return fault == ClubFault::kNone; }
};

struct ClubChecksums {
  long sum1 = 0;  // every byte of lines 1-16 joined without line ends (583 bytes)
  long sum2 = 0;  // the bytes at the even positions
  long sum3 = 0;  // the bytes at the positions divisible by 3
  friend bool operator==(const ClubChecksums&, const ClubChecksums&) = default;
};

// The lines of a file, when it has exactly 17 lines of the right lengths. Every file kind gets
// this test: a network file with short lines is damaged as well.
struct ClubParse {
  ClubFault fault = ClubFault::kNone;
  int faultLine = 0;
  ClubFile file;
};
ClubParse ParseClubFile(std::string_view bytes);
// The whole test of the bytes of a club file: layout, checksums and line 16; the attribute
// test needs the path (CheckClubFile).
ClubCheck CheckClubBytes(std::string_view bytes);
// The start-up test of the file at path, attributes included.
ClubCheck CheckClubFile(const std::filesystem::path& path);

ClubChecksums ComputeClubChecksums(const ClubFile& file);
// Puts the three sums into columns 11-28 of line 17, six digits each.
void UpdateClubChecksums(ClubFile& file);
std::string SerializeClubFile(const ClubFile& file);

// Member records (lines 1-5). Names are UTF-8 in memory, 20 Windows-1251 characters in the
// file; the password stays in its encoded 15-digit form.
std::string FormatMemberLine(const PlayerRecord& record);
// A member from its line; nullopt for an empty slot or a line that holds no record.
std::optional<PlayerRecord> ParseMemberLine(std::string_view line);
// The insertion's test for an empty slot: column 37 holds "#".
bool IsEmptyMemberSlot(std::string_view line);

// The password field: the password padded with spaces to 5 bytes, each byte written as the
// three digits of its value plus 234. Longer passwords are cut to 5 bytes.
std::string EncodePassword(std::string_view password);              // UTF-8 in, 15 digits out
std::optional<std::string> DecodePassword(std::string_view field);  // UTF-8, padding kept

std::string FormatOrderLine(std::string_view name, int score);

}  // namespace zendral
