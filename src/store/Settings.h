#pragma once
// The settings file "Zendral.ini": 35 lines of Windows-1251 text in the program folder, one
// value per line, identified by its line number. Read once at start-up, written on exit.

#include <filesystem>
#include <string>
#include <string_view>

namespace zendral {

inline constexpr std::string_view kSettingsFileName = "Zendral.ini";
inline constexpr int kSettingsLines = 35;

// Every setting with its value when nothing is read. Texts are UTF-8.
struct Settings {
  // Line 2, the general line.
  int Language = 0;  // 0..9; a file may also hold 10..20 ("a".."k"), kept as read
  bool SoundOn = true;
  bool MusicOn = true;
  bool GifAnimation = true;
  bool FlyCards = true;
  int ClubListMode = 1;  // 1 by score, 2 by rating
  bool NetGame = false;
  bool OwnCursor = true;
  int CardSpeed = 4;   // 1..6
  int WindowSize = 1;  // 1..5
  bool InstallCounted = true;
  bool Liked = true;
  bool RadioListFromServer = true;
  int CaptionColour = 1;  // 1..7
  bool NewButtons = false;
  bool CustomDesign = false;
  int WindowLook = 2;  // 1..3
  int MainMenuDesign = 0;
  int TableDesign = 0;
  bool SaluteButtons = true;
  bool SaluteCards = true;

  int CardDeck = 0;  // line 4
  int BackDeck = 0;  // line 6: 0..12
  bool BackAlwaysOne = false;
  bool HighlightMoves = true;  // line 8

  std::string FontLarge = "Comic Sans MS";  // lines 10..17
  std::string FontSmall = "Comic Sans MS";
  std::string FontSpecial1 = "FixedSys";
  std::string FontSpecial2 = "Courier New";
  int ScaleLarge = 100;
  int ScaleSmall = 100;
  int ScaleSpecial1 = 100;
  int ScaleSpecial2 = 100;

  std::string ServerAddress = "127.0.0.1";  // lines 19, 20
  std::string ServerPort = "25666";
  int Background = 2;               // line 22: 1..10
  int BackgroundColour = 0;         // 0..6
  std::string PlayerName = "Mr.X";  // line 24

  // Lines 26..31: empty until a complete reading reaches line 24 (see LoadSettings).
  std::string RecordsServiceAddress;     // stored scrambled; carried unchanged
  std::string WttNick;                   // at most 12 characters
  std::string WttCountry;                // continent digit, "-", three digits
  std::string WttCity;                   // at most 15 characters
  std::string WttSex;                    // "M" or "W"
  std::string StatisticsServiceAddress;  // stored scrambled; carried unchanged

  bool GifSave = false;  // lines 33..35
  int GifSource = 1;     // 1 main window, 2 whole screen
  int GifDelay = 1000;   // milliseconds between frames

  friend bool operator==(const Settings&, const Settings&) = default;
};

// The passport defaults, assigned once a reading has passed line 24.
inline constexpr std::string_view kDefaultWttNick = "Incognito";
inline constexpr std::string_view kDefaultWttCountry = "1-001";
inline constexpr std::string_view kDefaultWttCity = "Moscow";
inline constexpr std::string_view kDefaultWttSex = "M";

// The program's built-in addresses of the two services in their stored (scrambled) form; the
// online layer owns the scrambling, this file only carries the texts.
struct ServiceAddressDefaults {
  std::string records;
  std::string statistics;
};

enum class SettingsReadStatus {
  kNoFile,    // missing or unreadable twice: every default
  kTooShort,  // fewer than 35 lines: every default
  kStopped,   // a chained line failed its test; stopLine names it
  kComplete,  // read through line 35: the path directory may now be asked
};

struct SettingsLoad {
  Settings settings;
  SettingsReadStatus status = SettingsReadStatus::kNoFile;
  int stopLine = 0;  // with kStopped: the line that stopped the reading
};

// Reads the settings from the bytes of a file: the defaults, then the 35 lines by their rules.
// A value that is no number where a number belongs, or a number outside the values the
// setting can take (a back design above 12, a background colour above 6, ...), keeps the
// default and the reading goes on.
SettingsLoad ParseSettings(std::string_view bytes, const ServiceAddressDefaults& builtIn);
// The same for the file at path; a missing or unreadable file gives every default.
SettingsLoad LoadSettings(const std::filesystem::path& path, const ServiceAddressDefaults& builtIn);

// The settings of the file that comes with the program: every default, with "#" in the two
// places of the general line where nothing is counted yet (the first start, the like). A fresh
// installation's first start is then reported as unique and the like is offered; a program
// without any settings file takes both as done.
Settings DistributionSettings();

// The exact 35-line file for these settings.
std::string FormatSettings(const Settings& settings);
// Writes the file atomically, with a second attempt when the first fails. False when both
// failed (the program then says "Can`t save options!"); the old file is unchanged.
bool SaveSettings(const std::filesystem::path& path, const Settings& settings);

// The country code of line 28: continent 1..6, "-", and a number up to the continent's last
// country (48, 51, 35, 14, 23, 54).
bool IsValidCountryCode(std::string_view code);

// The language the program shows: the stored index, or English for the indices 10..20 that a
// file may hold for languages this program does not have.
int LanguageInUse(const Settings& settings);

}  // namespace zendral
