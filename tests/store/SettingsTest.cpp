#include "store/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "TempFolder.h"

namespace zendral {
namespace {

const ServiceAddressDefaults kBuiltIn{"rec~scrambled", "stat~scrambled"};

// What the first start writes on exit: every default, and lines 26 to 31 empty.
const std::string kFirstStartFile =
    "<# General>\r\n"
    "011110141RL010020011\r\n"
    "<# Cards>\r\n"
    "0\r\n"
    "<# Decks>\r\n"
    "000\r\n"
    "<# Individual>\r\n"
    "1#####\r\n"
    "<# Fonts>\r\n"
    "Comic Sans MS\r\n"
    "Comic Sans MS\r\n"
    "FixedSys\r\n"
    "Courier New\r\n"
    "100\r\n"
    "100\r\n"
    "100\r\n"
    "100\r\n"
    "<# IP & Port>\r\n"
    "127.0.0.1\r\n"
    "25666\r\n"
    "<# Background>\r\n"
    "020\r\n"
    "<# Name Of Player>\r\n"
    "Mr.X\r\n"
    "<# World Top Ten>\r\n"
    "\r\n\r\n\r\n\r\n\r\n\r\n"
    "<# Save Games as GIF>\r\n"
    "\xEB\r\n"
    "1\r\n"
    "1000\r\n";

// A file with a value other than the default on every line, as the program writes it: a
// Cyrillic player name ("Вася") and city, opaque address texts, GIF saving on.
const std::vector<std::string> kFullLines = {
    "<# General>",
    "120021053##161131110",
    "<# Cards>",
    "3",
    "<# Decks>",
    "111",
    "<# Individual>",
    "0#####",
    "<# Fonts>",
    "Arial",
    "Tahoma",
    "Lucida Console",
    "Consolas",
    "120",
    "90",
    "110",
    "80",
    "<# IP & Port>",
    "127.0.0.7",
    "26000",
    "<# Background>",
    "104",
    "<# Name Of Player>",
    "\xC2\xE0\xF1\xFF",
    "<# World Top Ten>",
    "q#@\x98~z1",
    "Gamer",
    "2-051",
    "\xCA\xE8\xE5\xE2",
    "W",
    "",
    "<# Save Games as GIF>",
    "\xE8",
    "2",
    "500",
};

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

// The full file with some lines replaced (1-based line numbers).
std::string FullWith(std::initializer_list<std::pair<int, std::string>> changes) {
  std::vector<std::string> lines = kFullLines;
  for (const auto& [line, text] : changes) lines[static_cast<std::size_t>(line - 1)] = text;
  return Join(lines);
}

TEST(Settings, FirstStartRunsOnDefaultsAndWritesTheComplete35LineFile) {
  TempFolder folder;
  const auto path = folder.path() / kSettingsFileName;
  const SettingsLoad load = LoadSettings(path, kBuiltIn);
  EXPECT_EQ(load.status, SettingsReadStatus::kNoFile);
  EXPECT_EQ(load.settings, Settings{});
  EXPECT_EQ(LanguageInUse(load.settings), 0);
  EXPECT_TRUE(load.settings.SoundOn && load.settings.MusicOn);
  EXPECT_EQ(load.settings.CardSpeed, 4);
  EXPECT_TRUE(load.settings.WttNick.empty() && load.settings.RecordsServiceAddress.empty());

  ASSERT_TRUE(SaveSettings(path, load.settings));
  EXPECT_EQ(folder.Read(kSettingsFileName), kFirstStartFile);
}

TEST(Settings, SecondStartTakesThePassportDefaultsAndStopsAtTheEmptyLine26) {
  const SettingsLoad second = ParseSettings(kFirstStartFile, kBuiltIn);
  EXPECT_EQ(second.status, SettingsReadStatus::kStopped);
  EXPECT_EQ(second.stopLine, 26);  // the path directory is not asked
  EXPECT_EQ(second.settings.WttNick, "Incognito");
  EXPECT_EQ(second.settings.WttCountry, "1-001");
  EXPECT_EQ(second.settings.WttCity, "Moscow");
  EXPECT_EQ(second.settings.WttSex, "M");
  EXPECT_EQ(second.settings.RecordsServiceAddress, kBuiltIn.records);
  EXPECT_EQ(second.settings.StatisticsServiceAddress, kBuiltIn.statistics);

  // Written again, the third start reads every line.
  const SettingsLoad third = ParseSettings(FormatSettings(second.settings), kBuiltIn);
  EXPECT_EQ(third.status, SettingsReadStatus::kComplete);
  EXPECT_EQ(third.settings, second.settings);
}

TEST(Settings, TheShippedFileIsTheFirstStartsFileWithNothingCounted) {
  // The file as a fresh installation brings it: the first start's file with "#" where the
  // first start's count and the like are marked.
  std::string shipped = kFirstStartFile;
  const std::size_t marks = shipped.find("RL");
  ASSERT_NE(marks, std::string::npos);
  shipped.replace(marks, 2, "##");
  EXPECT_EQ(FormatSettings(DistributionSettings()), shipped);

  // Read at the first start: both marks clear, everything else as without a file.
  const SettingsLoad first = ParseSettings(shipped, kBuiltIn);
  EXPECT_FALSE(first.settings.InstallCounted);
  EXPECT_FALSE(first.settings.Liked);
  Settings marked = first.settings;
  marked.InstallCounted = marked.Liked = true;
  EXPECT_EQ(marked, ParseSettings(kFirstStartFile, kBuiltIn).settings);
}

TEST(Settings, AFullFileRoundTripsByteForByte) {
  const std::string file = Join(kFullLines);
  const SettingsLoad load = ParseSettings(file, kBuiltIn);
  ASSERT_EQ(load.status, SettingsReadStatus::kComplete);
  const Settings& s = load.settings;
  EXPECT_EQ(s.Language, 1);
  EXPECT_TRUE(s.SoundOn);
  EXPECT_FALSE(s.MusicOn);
  EXPECT_FALSE(s.GifAnimation);
  EXPECT_FALSE(s.FlyCards);
  EXPECT_EQ(s.ClubListMode, 2);
  EXPECT_TRUE(s.NetGame);
  EXPECT_FALSE(s.OwnCursor);
  EXPECT_EQ(s.CardSpeed, 5);
  EXPECT_EQ(s.WindowSize, 3);
  EXPECT_FALSE(s.InstallCounted);
  EXPECT_FALSE(s.Liked);
  EXPECT_FALSE(s.RadioListFromServer);
  EXPECT_EQ(s.CaptionColour, 6);
  EXPECT_TRUE(s.NewButtons);
  EXPECT_TRUE(s.CustomDesign);
  EXPECT_EQ(s.WindowLook, 3);
  EXPECT_EQ(s.MainMenuDesign, 1);
  EXPECT_EQ(s.TableDesign, 1);
  EXPECT_TRUE(s.SaluteButtons);
  EXPECT_FALSE(s.SaluteCards);
  EXPECT_EQ(s.CardDeck, 3);
  EXPECT_EQ(s.BackDeck, 11);
  EXPECT_TRUE(s.BackAlwaysOne);
  EXPECT_FALSE(s.HighlightMoves);
  EXPECT_EQ(s.FontSpecial1, "Lucida Console");
  EXPECT_EQ(s.ScaleSmall, 90);
  EXPECT_EQ(s.ServerAddress, "127.0.0.7");
  EXPECT_EQ(s.ServerPort, "26000");
  EXPECT_EQ(s.Background, 10);
  EXPECT_EQ(s.BackgroundColour, 4);
  EXPECT_EQ(s.PlayerName, "\xD0\x92\xD0\xB0\xD1\x81\xD1\x8F");  // Вася
  EXPECT_EQ(s.WttCountry, "2-051");
  EXPECT_EQ(s.WttCity, "\xD0\x9A\xD0\xB8\xD0\xB5\xD0\xB2");  // Киев
  EXPECT_EQ(s.WttSex, "W");
  EXPECT_EQ(s.StatisticsServiceAddress, "");  // taken as it stands, even empty
  EXPECT_TRUE(s.GifSave);
  EXPECT_EQ(s.GifSource, 2);
  EXPECT_EQ(s.GifDelay, 500);
  EXPECT_EQ(FormatSettings(s), file);
}

TEST(Settings, TheGeneralLineIsReadPositionByPosition) {
  struct Case {
    std::string line;
    void (*check)(const Settings&);
  } cases[] = {
      // One character: Russian, and every other general setting keeps its default.
      {"1",
       [](const Settings& s) {
         EXPECT_EQ(s.Language, 1);
         EXPECT_TRUE(s.SoundOn && s.MusicOn && s.GifAnimation && s.FlyCards && s.OwnCursor);
         EXPECT_TRUE(s.InstallCounted && s.Liked && s.RadioListFromServer);
         EXPECT_EQ(s.CardSpeed, 4);
         EXPECT_EQ(s.WindowLook, 2);
       }},
      // "#" in the flag positions clears what only one character sets.
      {"####################",
       [](const Settings& s) {
         EXPECT_EQ(s.Language, 0);
         EXPECT_TRUE(s.SoundOn && s.MusicOn);                       // not one of 0..3: default
         EXPECT_TRUE(s.GifAnimation && s.FlyCards && s.OwnCursor);  // anything but "0" is on
         EXPECT_EQ(s.ClubListMode, 1);
         EXPECT_FALSE(s.InstallCounted || s.Liked || s.RadioListFromServer);
         EXPECT_EQ(s.CardSpeed, 4);
         EXPECT_EQ(s.CaptionColour, 1);
         EXPECT_TRUE(s.SaluteButtons && s.SaluteCards);
       }},
      {"k3",
       [](const Settings& s) {
         EXPECT_EQ(s.Language, 20);
         EXPECT_EQ(LanguageInUse(s), 0);
         EXPECT_FALSE(s.SoundOn);
         EXPECT_TRUE(s.MusicOn);
       }},
      // Out of range: speed 7, window 9, caption colour 8, look 0 keep their defaults.
      {"0000000790000800",
       [](const Settings& s) {
         EXPECT_EQ(s.CardSpeed, 4);
         EXPECT_EQ(s.WindowSize, 1);
         EXPECT_EQ(s.CaptionColour, 1);
         EXPECT_EQ(s.WindowLook, 2);
         EXPECT_FALSE(s.SoundOn || s.MusicOn || s.FlyCards);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const SettingsLoad load = ParseSettings(FullWith({{2, c.line}}), kBuiltIn);
    EXPECT_EQ(load.status, SettingsReadStatus::kComplete);
    c.check(load.settings);
  }
}

TEST(Settings, TheCountryLineIsCheckedAgainstTheContinents) {
  struct Case {
    std::string line;
    std::string country;
    bool readOn;
  } cases[] = {
      {"2-051", "2-051", true}, {"2-052", "1-001", true},  // Asia ends at 51
      {"6-054", "6-054", true}, {"4-015", "1-001", true},   {"1-000", "1-000", true},
      {"7-001", "1-001", true}, {"1x001", "1-001", true},   {"1-0a1", "1-001", true},
      {"1-00", "1-001", false}, {"1-0011", "1-001", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const SettingsLoad load = ParseSettings(FullWith({{28, c.line}}), kBuiltIn);
    EXPECT_EQ(load.settings.WttCountry, c.country);
    EXPECT_EQ(load.status == SettingsReadStatus::kComplete, c.readOn);
    if (c.readOn) {
      EXPECT_EQ(load.settings.WttCity, "\xD0\x9A\xD0\xB8\xD0\xB5\xD0\xB2");
    } else {
      // A line of the wrong length stops: the city, sex, statistics address and GIF settings
      // keep their defaults.
      EXPECT_EQ(load.stopLine, 28);
      EXPECT_EQ(load.settings.WttNick, "Gamer");
      EXPECT_EQ(load.settings.WttCity, "Moscow");
      EXPECT_EQ(load.settings.WttSex, "M");
      EXPECT_EQ(load.settings.StatisticsServiceAddress, kBuiltIn.statistics);
      EXPECT_FALSE(load.settings.GifSave);
      EXPECT_EQ(load.settings.GifDelay, 1000);
    }
  }
}

TEST(Settings, AChainedLineThatIsTooShortStopsTheReading) {
  const Settings d;
  {  // a one-character font name: it and everything later keep the defaults
    const SettingsLoad load = ParseSettings(FullWith({{11, "X"}}), kBuiltIn);
    EXPECT_EQ(load.stopLine, 11);
    EXPECT_EQ(load.settings.FontLarge, "Arial");
    EXPECT_EQ(load.settings.FontSmall, d.FontSmall);
    EXPECT_EQ(load.settings.ScaleLarge, 100);
    EXPECT_EQ(load.settings.PlayerName, "Mr.X");
    EXPECT_TRUE(load.settings.WttNick.empty());  // the passport stays empty
    EXPECT_TRUE(load.settings.RecordsServiceAddress.empty());
    EXPECT_FALSE(load.settings.GifSave);
    EXPECT_EQ(load.settings.Language, 1);  // the general line was read before
  }
  {  // line 6 shorter than 3 characters stops even line 8
    const SettingsLoad load = ParseSettings(FullWith({{6, "11"}}), kBuiltIn);
    EXPECT_EQ(load.stopLine, 6);
    EXPECT_EQ(load.settings.BackDeck, 0);
    EXPECT_TRUE(load.settings.HighlightMoves);
    EXPECT_EQ(load.settings.CardDeck, 3);
  }
  {  // an empty header line 18 stops before the address
    const SettingsLoad load = ParseSettings(FullWith({{18, ""}}), kBuiltIn);
    EXPECT_EQ(load.stopLine, 18);
    EXPECT_EQ(load.settings.ScaleSpecial2, 80);
    EXPECT_EQ(load.settings.ServerAddress, "127.0.0.1");
  }
  {  // the address of line 19 is taken even empty, and the reading goes on
    const SettingsLoad load = ParseSettings(FullWith({{19, ""}}), kBuiltIn);
    EXPECT_EQ(load.status, SettingsReadStatus::kComplete);
    EXPECT_EQ(load.settings.ServerAddress, "");
  }
  {  // an empty name: the passport never gets its defaults
    const SettingsLoad load = ParseSettings(FullWith({{24, ""}}), kBuiltIn);
    EXPECT_EQ(load.stopLine, 24);
    EXPECT_EQ(load.settings.Background, 10);
    EXPECT_TRUE(load.settings.WttCountry.empty());
  }
  {  // an empty nickname: the defaults given after line 24 stay
    const SettingsLoad load = ParseSettings(FullWith({{27, ""}}), kBuiltIn);
    EXPECT_EQ(load.stopLine, 27);
    EXPECT_EQ(load.settings.RecordsServiceAddress, "q#@\xC2\x98~z1");
    EXPECT_EQ(load.settings.WttNick, "Incognito");
  }
}

TEST(Settings, TextsThatAreNoNumbersKeepTheDefaultsAndTheReadingGoesOn) {
  const SettingsLoad load = ParseSettings(
      FullWith({{4, "three"}, {14, "1 2 0"}, {15, "-5"}, {22, "x97"}, {34, "two"}, {35, ""}}),
      kBuiltIn);
  EXPECT_EQ(load.status, SettingsReadStatus::kComplete);
  EXPECT_EQ(load.settings.CardDeck, 0);
  EXPECT_EQ(load.settings.ScaleLarge, 100);
  EXPECT_EQ(load.settings.ScaleSmall, 100);
  EXPECT_EQ(load.settings.Background, 2);
  EXPECT_EQ(load.settings.BackgroundColour, 0);  // 7 is no colour
  EXPECT_EQ(load.settings.GifSource, 1);
  EXPECT_EQ(load.settings.GifDelay, 1000);
  EXPECT_EQ(load.settings.ScaleSpecial1, 110);
  EXPECT_EQ(load.settings.WttSex, "W");
}

TEST(Settings, OnlyA35LineFileIsApplied) {
  std::vector<std::string> lines = kFullLines;
  lines.pop_back();
  EXPECT_EQ(ParseSettings(Join(lines), kBuiltIn).status, SettingsReadStatus::kTooShort);
  EXPECT_EQ(ParseSettings(Join(lines), kBuiltIn).settings, Settings{});

  // Lines after the 35th are never read; a last line without its CR LF still counts.
  std::string longer = Join(kFullLines) + "junk\r\nmore";
  EXPECT_EQ(ParseSettings(longer, kBuiltIn).status, SettingsReadStatus::kComplete);
  std::string unterminated = Join(kFullLines);
  unterminated.resize(unterminated.size() - 2);
  EXPECT_EQ(ParseSettings(unterminated, kBuiltIn).settings.GifDelay, 500);
}

TEST(Settings, GifSaveIsOnExactlyForTheSingleByteE8) {
  for (const auto& [line, on] : std::vector<std::pair<std::string, bool>>{
           {"\xE8", true}, {"\xEB", false}, {"\xE8\xE8", false}, {"1", false}, {"", false}}) {
    EXPECT_EQ(ParseSettings(FullWith({{33, line}}), kBuiltIn).settings.GifSave, on);
  }
}

TEST(Settings, ValuesNeverBreakTheLinesOfTheFile) {
  Settings s;
  s.PlayerName = "two\r\nlines";
  s.FontLarge = "\xE4\xB8\xAD\xE6\x96\x87";  // Chinese: not in the code page
  s.Language = 13;
  const std::string file = FormatSettings(s);
  const SettingsLoad load = ParseSettings(file, kBuiltIn);
  EXPECT_EQ(load.settings.PlayerName, "two  lines");
  EXPECT_EQ(load.settings.FontLarge, "??");
  EXPECT_EQ(load.settings.Language, 13);
  EXPECT_EQ(file.substr(13, 1), "d");  // kept as the character for 13
}

TEST(Settings, AFailedSaveLeavesTheOldFileAndNoLitter) {
  TempFolder folder;
  EXPECT_FALSE(SaveSettings(folder.path() / "no-such-folder" / "Zendral.ini", Settings{}));

  // The target is a folder: the rename fails and the temporary file is removed again.
  std::filesystem::create_directory(folder.path() / "Zendral.ini");
  std::ofstream(folder.path() / "Zendral.ini" / "keep") << "x";
  EXPECT_FALSE(SaveSettings(folder.path() / "Zendral.ini", Settings{}));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"Zendral.ini"});
}

}  // namespace
}  // namespace zendral
