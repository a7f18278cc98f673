// Every reader of the three formats gets truncated, mutated and random bytes: none may crash
// or throw, and what they accept still obeys the format.

#include <gtest/gtest.h>

#include <random>

#include "ClubFixtures.h"
#include "TempFolder.h"
#include "store/ClubEdit.h"
#include "store/ClubList.h"
#include "store/Cp1251.h"
#include "store/FileIo.h"
#include "store/HistoryFile.h"
#include "store/Settings.h"

namespace zendral {
namespace {

const std::string kSettingsSample = FormatSettings([] {
  Settings s;
  s.PlayerName = "\xD0\x92\xD0\xB0\xD1\x81\xD1\x8F";
  s.WttNick = "Nick";
  s.WttCountry = "3-010";
  s.WttCity = "City";
  s.WttSex = "W";
  s.RecordsServiceAddress = "r";
  s.StatisticsServiceAddress = "s";
  return s;
}());

const std::string kHistorySample = [] {
  const HistoryEntry entries[] = {{"A", 1, 2, 3.5, 0}, {"B/C", 3, -4, -1, 3}};
  TempFolder folder;
  WriteHistory(folder.path(), entries, {"10:00", "01.01.2025"});
  return folder.Read("History/Zendral_I0001.hst");
}();

// Variants of a sample: every truncation, a few bytes changed (often to line ends, the bytes
// that move fields between lines), and plain random bytes.
std::vector<std::string> Variants(const std::string& sample, std::mt19937& random) {
  std::vector<std::string> variants;
  for (std::size_t n = 0; n <= sample.size(); ++n) variants.push_back(sample.substr(0, n));
  std::uniform_int_distribution<int> byte(0, 255);
  const char special[] = {'\r', '\n', '#', '$', '-', ',', '0', '9', ' ', '\xE8', '\x90', '}'};
  for (int i = 0; i < 1500; ++i) {
    std::string v = sample;
    const int changes = 1 + i % 5;
    for (int k = 0; k < changes && !v.empty(); ++k) {
      const std::size_t at = std::uniform_int_distribution<std::size_t>(0, v.size() - 1)(random);
      switch (random() % 4) {
        case 0:
          v[at] = static_cast<char>(byte(random));
          break;
        case 1:
          v[at] = special[random() % sizeof special];
          break;
        case 2:
          v.insert(at, 1, special[random() % sizeof special]);
          break;
        default:
          v.erase(at, 1 + random() % 40);
          break;
      }
    }
    variants.push_back(std::move(v));
  }
  for (int i = 0; i < 300; ++i) {
    std::string v(random() % 3000, '\0');
    for (char& c : v) c = static_cast<char>(byte(random));
    variants.push_back(std::move(v));
  }
  return variants;
}

TEST(ReadersSurviveAnyInput, Settings) {
  std::mt19937 random(20240307);
  for (const std::string& bytes : Variants(kSettingsSample, random)) {
    const SettingsLoad load = ParseSettings(bytes, {"R", "S"});
    // Whatever was read is written as a proper file that reads back the same.
    const std::string written = FormatSettings(load.settings);
    EXPECT_EQ(SplitLines(written).size(), 35u);
    const SettingsLoad again = ParseSettings(written, {"R", "S"});
    if (again.status == SettingsReadStatus::kComplete) {
      EXPECT_EQ(FormatSettings(again.settings), written);
    }
  }
}

TEST(ReadersSurviveAnyInput, ClubFiles) {
  std::mt19937 random(44);
  const auto width = [](std::string_view text) { return static_cast<int>(text.size()) * 7; };
  int accepted = 0;
  for (const std::string& bytes : Variants(fixtures::kClub, random)) {
    const ClubCheck check = CheckClubBytes(bytes);
    const ClubParse parse = ParseClubFile(bytes);
    if (parse.fault != ClubFault::kNone) {
      EXPECT_FALSE(check.ok());
      continue;
    }
    ClubFile file = parse.file;
    for (int mode : {1, 2}) {
      for (const std::string& text : ClubListTexts(file, mode, width)) {
        EXPECT_LE(width(text), kClubListMaxWidth + 7 * 3);
      }
    }
    for (int n = 1; n <= kClubMembers; ++n) ParseMemberLine(file.Line(n));
    InsertMemberRecord(file, {"Fuzz", 1.5, 30, 7, "f"}, true);
    RemoveMemberLine(file, 2);
    UpdateClubChecksums(file);
    EXPECT_TRUE(CheckClubBytes(SerializeClubFile(file)).fault != ClubFault::kLineLength);
    accepted += check.ok();
  }
  EXPECT_GT(accepted, 0);  // the unchanged sample, at least
}

TEST(ReadersSurviveAnyInput, HistoryFiles) {
  std::mt19937 random(840);
  for (const std::string& bytes : Variants(kHistorySample, random)) {
    const HistoryCheck check = ValidateHistoryBytes(bytes);
    if (check.ok()) {
      EXPECT_LE(check.playerLines, 2);
    }
  }
}

TEST(ReadersSurviveAnyInput, TextFieldsAndTheCodec) {
  std::mt19937 random(1251);
  for (int i = 0; i < 20000; ++i) {
    std::string v(random() % 24, '\0');
    for (char& c : v) c = static_cast<char>(random() % 256);
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(v)), v);
    Utf8ToCp1251(v);
    DecodePassword(v);
    ParseMemberLine(v);
    IsValidCountryCode(v);
  }
}

// The file readers over garbage files in a real folder, and the writers after them.
TEST(ReadersSurviveAnyInput, FilesOnDisk) {
  std::mt19937 random(7);
  TempFolder folder;
  const auto club = folder.path() / "Zendral.clb";
  const auto history = folder.path() / "History" / "Zendral_I0001.hst";
  const auto all = Variants(fixtures::kClub, random);
  for (std::size_t i = 0; i < all.size(); i += 17) {
    folder.Write("Zendral.clb", all[i]);
    folder.Write("Zendral.ini", all[i]);
    folder.Write("History/Zendral_I0001.hst", all[i]);
    LoadSettings(folder.path() / "Zendral.ini", {});
    const bool intact = CheckClubFile(club).ok();
    EXPECT_EQ(ReadClubList(club, 1).has_value(), intact);
    const ClubWriteStatus write = RemoveMember(club, 1);
    EXPECT_EQ(write == ClubWriteStatus::kOk, intact);
    if (!intact) {
      EXPECT_EQ(folder.Read("Zendral.clb"), all[i]);
    }
    EXPECT_FALSE(ReadHistoryGrid(history));
    // An invalid history file is replaced by a valid one.
    const HistoryEntry entry{"X", 1, 1, 1, 0};
    EXPECT_EQ(WriteHistory(folder.path(), std::span(&entry, 1), {"1", "2"}).fileNumber, 1);
    EXPECT_TRUE(ValidateHistoryFile(history).check.ok());
  }
}

}  // namespace
}  // namespace zendral
