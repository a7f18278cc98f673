#include "store/Settings.h"

#include <array>
#include <vector>

#include "store/Cp1251.h"
#include "store/FileIo.h"
#include "store/TextFields.h"

namespace zendral {
namespace {

// Only the first lines matter; a longer file is read up to here.
constexpr std::size_t kMaxSettingsBytes = 1 << 20;

constexpr char kGifOnByte = '\xE8';
constexpr char kGifOffByte = '\xEB';

// Last country number of each continent 1..6 (the continent lists of the passport).
constexpr std::array<int, 7> kContinentLastCountry = {0, 48, 51, 35, 14, 23, 54};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A digit in [low, high], else nothing.
std::optional<int> DigitIn(char c, int low, int high) {
  if (!IsDigit(c) || c - '0' < low || c - '0' > high) return std::nullopt;
  return c - '0';
}

// The general line: each position is read only when the line reaches it.
void ApplyGeneralLine(std::string_view line, Settings& s) {
  const auto at = [&](std::size_t pos) -> std::optional<char> {
    if (line.size() < pos) return std::nullopt;
    return line[pos - 1];
  };
  if (const auto c = at(1)) {
    if (*c >= '1' && *c <= '9') s.Language = *c - '0';
    if (*c >= 'a' && *c <= 'k') s.Language = 10 + (*c - 'a');
  }
  if (const auto c = at(2)) {
    if (*c == '0') s.SoundOn = false, s.MusicOn = false;
    if (*c == '1') s.SoundOn = true, s.MusicOn = true;
    if (*c == '2') s.SoundOn = true, s.MusicOn = false;
    if (*c == '3') s.SoundOn = false, s.MusicOn = true;
  }
  // Where one character is named, every other character gives the opposite value.
  if (const auto c = at(3)) s.GifAnimation = *c != '0';
  if (const auto c = at(4)) s.FlyCards = *c != '0';
  if (const auto c = at(5)) s.ClubListMode = *c == '2' ? 2 : 1;
  if (const auto c = at(6)) s.NetGame = *c == '1';
  if (const auto c = at(7)) s.OwnCursor = *c != '0';
  if (const auto c = at(8)) s.CardSpeed = DigitIn(*c, 1, 6).value_or(s.CardSpeed);
  if (const auto c = at(9)) s.WindowSize = DigitIn(*c, 1, 5).value_or(s.WindowSize);
  if (const auto c = at(10)) s.InstallCounted = *c == 'R';
  if (const auto c = at(11)) s.Liked = *c == 'L';
  if (const auto c = at(12)) s.RadioListFromServer = *c == '0';
  if (const auto c = at(13)) s.CaptionColour = DigitIn(*c, 1, 7).value_or(s.CaptionColour);
  if (const auto c = at(14)) s.NewButtons = *c == '1';
  if (const auto c = at(15)) s.CustomDesign = *c == '1';
  if (const auto c = at(16)) s.WindowLook = DigitIn(*c, 1, 3).value_or(s.WindowLook);
  if (const auto c = at(17)) s.MainMenuDesign = DigitIn(*c, 0, 1).value_or(s.MainMenuDesign);
  if (const auto c = at(18)) s.TableDesign = DigitIn(*c, 0, 1).value_or(s.TableDesign);
  if (const auto c = at(19); c && (*c == '0' || *c == '1')) s.SaluteButtons = *c == '1';
  if (const auto c = at(20); c && (*c == '0' || *c == '1')) s.SaluteCards = *c == '1';
}

// A number in [low, high], else the current value: a text that is no number keeps the default.
void ReadNumber(std::string_view text, int low, int high, int& value) {
  if (const auto v = ParseInt(text); v && *v >= low && *v <= high) value = *v;
}

std::string Text(std::string_view bytes) {
  return Cp1251ToUtf8(bytes);
}

SettingsLoad Stopped(SettingsLoad load, int line) {
  load.status = SettingsReadStatus::kStopped;
  load.stopLine = line;
  return load;
}

}  // namespace

bool IsValidCountryCode(std::string_view code) {
  if (code.size() != 5 || code[1] != '-') return false;
  const auto continent = DigitIn(code[0], 1, 6);
  if (!continent || !IsDigit(code[2]) || !IsDigit(code[3]) || !IsDigit(code[4])) return false;
  const int number = (code[2] - '0') * 100 + (code[3] - '0') * 10 + (code[4] - '0');
  return number <= kContinentLastCountry[static_cast<std::size_t>(*continent)];
}

int LanguageInUse(const Settings& settings) {
  return settings.Language >= 0 && settings.Language <= 9 ? settings.Language : 0;
}

SettingsLoad ParseSettings(std::string_view bytes, const ServiceAddressDefaults& builtIn) {
  SettingsLoad load;
  const std::vector<std::string_view> lines = SplitLines(bytes, kSettingsLines);
  if (lines.size() < static_cast<std::size_t>(kSettingsLines)) {
    load.status = SettingsReadStatus::kTooShort;
    return load;
  }
  const auto L = [&](int n) { return lines[static_cast<std::size_t>(n - 1)]; };
  Settings& s = load.settings;

  ApplyGeneralLine(L(2), s);
  ReadNumber(L(4), 0, 1'000'000, s.CardDeck);

  if (L(6).size() < 3) return Stopped(load, 6);
  ReadNumber(L(6).substr(0, 2), 0, 12, s.BackDeck);
  s.BackAlwaysOne = L(6)[2] == '1';

  if (!L(8).empty()) s.HighlightMoves = L(8)[0] != '0';

  // Lines 10 to 24: a chain that stops at the first line too short for its value.
  std::string* const fonts[] = {&s.FontLarge, &s.FontSmall, &s.FontSpecial1, &s.FontSpecial2};
  for (int i = 0; i < 4; ++i) {
    if (L(10 + i).size() < 2) return Stopped(load, 10 + i);
    *fonts[i] = Text(L(10 + i));
  }
  int* const scales[] = {&s.ScaleLarge, &s.ScaleSmall, &s.ScaleSpecial1, &s.ScaleSpecial2};
  for (int i = 0; i < 4; ++i) {
    if (L(14 + i).empty()) return Stopped(load, 14 + i);
    ReadNumber(L(14 + i), 1, 10'000, *scales[i]);
  }
  if (L(18).empty()) return Stopped(load, 18);
  s.ServerAddress = Text(L(19));  // as it stands, even empty
  if (L(20).empty()) return Stopped(load, 20);
  s.ServerPort = Text(L(20));
  if (L(21).empty()) return Stopped(load, 21);
  if (L(22).empty()) return Stopped(load, 22);
  ReadNumber(L(22).substr(0, 2), 1, 10, s.Background);
  if (L(22).size() >= 3) {
    s.BackgroundColour = DigitIn(L(22)[2], 0, 6).value_or(s.BackgroundColour);
  }
  if (L(23).empty()) return Stopped(load, 23);
  if (L(24).empty()) return Stopped(load, 24);
  s.PlayerName = Text(L(24));

  // Only now do the passport and the two service addresses get their defaults.
  s.WttNick = std::string(kDefaultWttNick);
  s.WttCountry = std::string(kDefaultWttCountry);
  s.WttCity = std::string(kDefaultWttCity);
  s.WttSex = std::string(kDefaultWttSex);
  s.RecordsServiceAddress = builtIn.records;
  s.StatisticsServiceAddress = builtIn.statistics;

  if (L(26).empty()) return Stopped(load, 26);
  s.RecordsServiceAddress = Text(L(26));
  if (L(27).empty()) return Stopped(load, 27);
  s.WttNick = Text(L(27).substr(0, 12));
  if (L(28).size() != 5) return Stopped(load, 28);
  if (IsValidCountryCode(L(28))) s.WttCountry = Text(L(28));
  if (L(29).empty()) return Stopped(load, 29);
  s.WttCity = Text(L(29).substr(0, 15));
  if (L(30).empty()) return Stopped(load, 30);
  s.WttSex = std::string(1, L(30)[0] == 'W' ? 'W' : 'M');

  // Lines 31 to 35 without further tests.
  s.StatisticsServiceAddress = Text(L(31));
  s.GifSave = L(33) == std::string_view(&kGifOnByte, 1);
  ReadNumber(L(34), 1, 2, s.GifSource);
  ReadNumber(L(35), 0, 3'600'000, s.GifDelay);
  load.status = SettingsReadStatus::kComplete;
  return load;
}

SettingsLoad LoadSettings(const std::filesystem::path& path,
                          const ServiceAddressDefaults& builtIn) {
  FileBytes file = ReadFileBytes(path, kMaxSettingsBytes);
  if (file.status == ReadStatus::kUnreadable) file = ReadFileBytes(path, kMaxSettingsBytes);
  if (file.status == ReadStatus::kMissing || file.status == ReadStatus::kUnreadable) {
    return {};
  }
  return ParseSettings(file.bytes, builtIn);
}

namespace {

// A value of one line: in the file's code page, and never a line end inside it.
std::string LineText(std::string_view text) {
  std::string bytes = Utf8ToCp1251(text);
  for (char& c : bytes) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return bytes;
}

std::string TwoDigits(int value) {
  return PadLeft(std::to_string(Clamp(value, 0, 99)), 2, '0');
}

char Digit(int value, int low, int high) {
  return static_cast<char>('0' + Clamp(value, low, high));
}
char Flag(bool on) {
  return on ? '1' : '0';
}

std::string GeneralLine(const Settings& s) {
  std::string g(20, '#');
  if (s.Language >= 10 && s.Language <= 20) {
    g[0] = static_cast<char>('a' + (s.Language - 10));
  } else {
    g[0] = Digit(s.Language, 0, 9);
  }
  g[1] = s.SoundOn ? (s.MusicOn ? '1' : '2') : (s.MusicOn ? '3' : '0');
  g[2] = Flag(s.GifAnimation);
  g[3] = Flag(s.FlyCards);
  g[4] = s.ClubListMode == 2 ? '2' : '1';
  g[5] = Flag(s.NetGame);
  g[6] = Flag(s.OwnCursor);
  g[7] = Digit(s.CardSpeed, 1, 6);
  g[8] = Digit(s.WindowSize, 1, 5);
  if (s.InstallCounted) g[9] = 'R';
  if (s.Liked) g[10] = 'L';
  g[11] = s.RadioListFromServer ? '0' : '1';
  g[12] = Digit(s.CaptionColour, 1, 7);
  g[13] = Flag(s.NewButtons);
  g[14] = Flag(s.CustomDesign);
  g[15] = Digit(s.WindowLook, 1, 3);
  g[16] = Flag(s.MainMenuDesign != 0);
  g[17] = Flag(s.TableDesign != 0);
  g[18] = Flag(s.SaluteButtons);
  g[19] = Flag(s.SaluteCards);
  return g;
}

}  // namespace

std::string FormatSettings(const Settings& s) {
  const std::vector<std::string> lines = {
      "<# General>",
      GeneralLine(s),
      "<# Cards>",
      std::to_string(s.CardDeck),
      "<# Decks>",
      TwoDigits(s.BackDeck) + Flag(s.BackAlwaysOne),
      "<# Individual>",
      std::string(1, Flag(s.HighlightMoves)) + "#####",
      "<# Fonts>",
      LineText(s.FontLarge),
      LineText(s.FontSmall),
      LineText(s.FontSpecial1),
      LineText(s.FontSpecial2),
      std::to_string(s.ScaleLarge),
      std::to_string(s.ScaleSmall),
      std::to_string(s.ScaleSpecial1),
      std::to_string(s.ScaleSpecial2),
      "<# IP & Port>",
      LineText(s.ServerAddress),
      LineText(s.ServerPort),
      "<# Background>",
      TwoDigits(s.Background) + Digit(s.BackgroundColour, 0, 9),
      "<# Name Of Player>",
      LineText(s.PlayerName),
      "<# World Top Ten>",
      LineText(s.RecordsServiceAddress),
      LineText(s.WttNick),
      LineText(s.WttCountry),
      LineText(s.WttCity),
      LineText(s.WttSex),
      LineText(s.StatisticsServiceAddress),
      "<# Save Games as GIF>",
      std::string(1, s.GifSave ? kGifOnByte : kGifOffByte),
      std::to_string(s.GifSource),
      std::to_string(s.GifDelay),
  };
  return JoinLines(lines);
}

bool SaveSettings(const std::filesystem::path& path, const Settings& settings) {
  std::string bytes;
  try {
    bytes = FormatSettings(settings);
  } catch (...) {
    return false;
  }
  return WriteFileAtomic(path, bytes) || WriteFileAtomic(path, bytes);
}

Settings DistributionSettings() {
  Settings s;
  s.InstallCounted = false;
  s.Liked = false;
  return s;
}

}  // namespace zendral
