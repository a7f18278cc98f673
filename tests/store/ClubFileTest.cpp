#include "store/ClubFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "ClubFixtures.h"
#include "TempFolder.h"

namespace zendral {
namespace {

using fixtures::kClub;

// 581 "#" and the game's two characters: the sums can be counted by hand. Line 16 begins at
// position 556 (even, not divisible by 3) with 144, then "}" (125) at 557.
std::string AllHashClub(std::string_view sums) {
  std::string file;
  for (int n = 1; n <= 5; ++n) file += std::string(59, '#') + "\r\n";
  for (int n = 6; n <= 15; ++n) file += std::string(26, '#') + "\r\n";
  file += "\x90}" + std::string(26, '#') + "\r\n";
  file += "0#####abc#" + std::string(sums) + "\r\n";
  return file;
}

// The file with its lines changed by fn, and the checksums made right again.
template <typename Fn>
std::string Edited(const std::string& bytes, Fn fn) {
  ClubFile file = ParseClubFile(bytes).file;
  fn(file);
  UpdateClubChecksums(file);
  return SerializeClubFile(file);
}

TEST(ClubFile, ChecksumsAreTheSumsOfAllEvenAndEveryThirdByte) {
  // sum 1: 581 * 35 + 144 + 125; sum 2: 290 * 35 + 144; sum 3: 194 * 35.
  const std::string file = AllHashClub("020604010294006790");
  EXPECT_EQ(ComputeClubChecksums(ParseClubFile(file).file), (ClubChecksums{20604, 10294, 6790}));
  EXPECT_TRUE(CheckClubBytes(file).ok());
  EXPECT_EQ(CheckClubBytes(AllHashClub("020604010294006791")).fault, ClubFault::kChecksumMismatch);

  const ClubCheck check = CheckClubBytes(kClub);
  EXPECT_TRUE(check.ok());
  EXPECT_FALSE(check.languageRussian);
  EXPECT_EQ(check.distributionMark, "umk");
  EXPECT_EQ(SerializeClubFile(ParseClubFile(kClub).file), kClub);
}

TEST(ClubFile, TheLanguageMarkIsOutsideTheChecksums) {
  std::string russian = kClub;
  russian[russian.size() - 30] = '1';  // the first character of line 17
  const ClubCheck check = CheckClubBytes(russian);
  EXPECT_TRUE(check.ok());
  EXPECT_TRUE(check.languageRussian);
}

TEST(ClubFile, AnyChangedCharacterOfLines1To16MakesTheFileIncorrect) {
  int position = 0;
  for (std::size_t i = 0; i + 30 < kClub.size(); ++i) {
    if (kClub[i] == '\r' || kClub[i] == '\n') continue;
    ++position;
    std::string changed = kClub;
    changed[i] = static_cast<char>(changed[i] + 1);
    EXPECT_FALSE(CheckClubBytes(changed).ok()) << "position " << position;
  }
  EXPECT_EQ(position, 583);
}

TEST(ClubFile, EveryFaultHasItsOwnAnswer) {
  const std::string withoutLine3 = kClub.substr(0, 61 * 2) + kClub.substr(61 * 3);
  std::string shortLine5 = kClub;
  shortLine5.erase(61 * 4 + 20, 1);
  std::string longLine12 = kClub;
  longLine12.insert(61 * 5 + 28 * 6 + 3, 1, ' ');
  std::string letterInSums = kClub;
  letterInSums[letterInSums.size() - 4] = 'x';
  const std::string wrongGameLine = Edited(kClub, [](ClubFile& f) { f.Line(16)[0] = '\x91'; });
  const std::string wrongBrace = Edited(kClub, [](ClubFile& f) { f.Line(16)[1] = ']'; });

  struct Case {
    const char* what;
    std::string bytes;
    ClubFault fault;
    int line;
  } cases[] = {
      {"a line removed", withoutLine3, ClubFault::kLineCount, 0},
      {"an empty line added", kClub + "\r\n", ClubFault::kLineCount, 0},
      {"empty file", "", ClubFault::kLineCount, 0},
      {"member line 5 short", shortLine5, ClubFault::kLineLength, 5},
      {"Order line long", longLine12, ClubFault::kLineLength, 12},
      {"sums not numbers", letterInSums, ClubFault::kChecksumText, 0},
      {"line 16 of another game", wrongGameLine, ClubFault::kGameLine, 0},
      {"line 16 without the brace", wrongBrace, ClubFault::kGameLine, 0},
      {"line ends LF only",
       [] {
         std::string lf;
         for (const char c : kClub) {
           if (c != '\r') lf += c;
         }
         return lf;
       }(),
       ClubFault::kNone, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ClubCheck check = CheckClubBytes(c.bytes);
    EXPECT_EQ(check.fault, c.fault);
    EXPECT_EQ(check.faultLine, c.line);
  }
}

TEST(ClubFile, TheStartUpTestOfTheFileAndItsAttributes) {
  TempFolder folder;
  EXPECT_EQ(CheckClubFile(folder.path() / "Zendral.clb").fault, ClubFault::kMissing);
  std::filesystem::create_directory(folder.path() / "Zendral.clb");
  EXPECT_EQ(CheckClubFile(folder.path() / "Zendral.clb").fault, ClubFault::kUnreadable);

  // A network file with short lines is damaged, even though its sums match its bytes.
  folder.Write("Zendral.net", Edited(kClub, [](ClubFile& f) { f.Line(7).pop_back(); }));
  EXPECT_EQ(CheckClubFile(folder.path() / "Zendral.net").fault, ClubFault::kLineLength);

  folder.Write("ok.clb", kClub);
  EXPECT_TRUE(CheckClubFile(folder.path() / "ok.clb").ok());
  EXPECT_TRUE(CheckClubFile(folder.path() / "ok.clb").writable);

  folder.Write(".hidden.clb", kClub);
  const ClubCheck hidden = CheckClubFile(folder.path() / ".hidden.clb");
  EXPECT_TRUE(hidden.ok());
  EXPECT_FALSE(hidden.writable);
}

TEST(ClubFile, AFileThatCannotBeWrittenGetsTheWarning) {
  TempFolder folder;
  folder.Write("Zendral.clb", kClub);
  const auto path = folder.path() / "Zendral.clb";
  namespace fs = std::filesystem;
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
  // Permission bits do not stop every user (root writes anyway); the test needs one they stop.
  if (std::FILE* f = std::fopen(path.c_str(), "r+b")) {
    std::fclose(f);
    GTEST_SKIP() << "permission bits do not stop writes for this user";
  }
  const ClubCheck check = CheckClubFile(path);
  EXPECT_TRUE(check.ok());
  EXPECT_FALSE(check.writable);
}

TEST(ClubFile, MemberRecordsInTheirColumns) {
  struct Case {
    PlayerRecord record;
    std::string line;
  } cases[] = {
      {{"Anna", 2.5, 45, 30, "abc"},
       "Anna                "
       "  2,500000"
       "     45"
       " "
       "    30"
       "331332333266266"},
      {{"Boris", -0.333333, 15, -20, "266266266266266"},
       "Boris               "
       " -0,333333"
       "     15"
       " "
       "   -20"
       "266266266266266"},
      {{"\xD0\xAF", 0, 0, 0, "\xD1\x8F"},  // Я, with the password я
       "\xDF                   "
       "  0,000000"
       "      0"
       " "
       "     0"
       "489266266266266"},
      // Too wide for the columns: capped, so the line keeps its 59 characters.
      {{"A name of more than twenty", 1234.5, 123456789, -1234567, "toolongpassword"},
       "A name of more than "
       "999,999999"
       "9999999"
       " "
       "-99999"
       "toolongpassword"},
      {{"Low", -150, 1, 9999999, "12345"},
       "Low                 "
       "-99,999999"
       "      1"
       " "
       "999999"
       "283284285286287"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const std::string line = FormatMemberLine(c.record);
    EXPECT_EQ(line, c.line);
    EXPECT_EQ(line.size(), kMemberLineLength);
  }
  const auto back = ParseMemberLine(cases[1].line);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->name, "Boris");
  EXPECT_DOUBLE_EQ(back->rating, -0.333333);
  EXPECT_EQ(back->konCount, 15);
  EXPECT_EQ(back->cycleScore, -20);
  EXPECT_EQ(back->password, "266266266266266");
  EXPECT_EQ(FormatMemberLine(*back), cases[1].line);

  EXPECT_FALSE(ParseMemberLine(kEmptyMemberLine));
  EXPECT_FALSE(ParseMemberLine("Anna                  2,5x0000     45     30331332333266266"));
}

TEST(ClubFile, PasswordsAreBytesPlus234) {
  EXPECT_EQ(EncodePassword("abc"), "331332333266266");
  EXPECT_EQ(EncodePassword(""), "266266266266266");
  EXPECT_EQ(EncodePassword("123456"), "283284285286287");  // five bytes at most
  EXPECT_EQ(DecodePassword("331332333266266"), "abc  ");
  EXPECT_EQ(DecodePassword("489234266266266"), std::string("\xD1\x8F\0   ", 6));
  EXPECT_FALSE(DecodePassword("233266266266266"));  // below 234
  EXPECT_FALSE(DecodePassword("490266266266266"));  // above 489
  EXPECT_FALSE(DecodePassword("33133233326626"));   // 14 digits
  EXPECT_FALSE(DecodePassword("3313323332662x6"));
}

}  // namespace
}  // namespace zendral
