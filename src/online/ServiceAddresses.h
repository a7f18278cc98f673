#pragma once
// Where the program finds the club's services. Every address hangs off one service base (the
// companion server on this machine unless a packager or the player says otherwise); the path
// directory may move the account, records and statistics services elsewhere.

#include <optional>
#include <string>
#include <string_view>

#include "store/Settings.h"

namespace zendral::online {

inline constexpr std::string_view kServiceBaseVariable = "ZENDRAL_SERVICE_BASE";

struct ServiceAddresses {
  std::string account;
  std::string records;
  std::string statistics;
  std::string tournament;
  std::string photoUpload;
  std::string pathDirectory;
  std::string news;
  std::string photoFolder;  // ends with "/": a member's photo is photoFolder + nick + ".jpg"
  std::string ownAddress;
  std::string playlist;
  std::string advertising;
  std::string downloads;  // ends with "/"
  // The Android edition's package and its store page, when the path directory names them;
  // empty otherwise.
  std::string androidPackage;
  std::string androidStore;
};

// The service base: the environment variable ZENDRAL_SERVICE_BASE when set and not empty,
// else the one built in (the CMake option of the same name). No trailing "/".
std::string ServiceBase();
std::string BuiltInServiceBase();

// Every address under the base, on the companion server's fixed paths.
ServiceAddresses AddressesUnder(std::string_view base);

// The stored (scrambled) forms of the records and statistics addresses, as the settings file
// carries them on lines 26 and 31.
ServiceAddressDefaults StoredAddressDefaults(const ServiceAddresses& addresses);

// Takes the records and statistics addresses of the settings. A line that is empty (the very
// first start has no settings file) or does not unscramble keeps the built-in address, so that
// the world top ten and the statistics work from the first start.
void ApplySettingsAddresses(const Settings& settings, ServiceAddresses& addresses);

// The switches the path directory can set.
struct PathSwitches {
  bool chatOff = false;
  bool worldTopTenOff = false;
};

// The value of a key in the path directory: from after the key and the "=" behind it to the
// next "#" or the end. Nothing when the key does not occur.
std::optional<std::string> PathDirectoryValue(std::string_view text, std::string_view key);

// Applies a downloaded path directory (nothing when the download failed): the pause switches,
// the three addresses it may move and the Android edition's two addresses ("ApkPath",
// "StorePath"; taken only when they unscramble to an http or https address). Values are in the
// scrambled form; one that does not unscramble leaves its address as it was.
void ApplyPathDirectory(const std::optional<std::string>& text, ServiceAddresses& addresses,
                        PathSwitches& switches);

}  // namespace zendral::online
