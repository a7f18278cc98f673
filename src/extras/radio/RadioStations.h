#pragma once
// The station lists of the internet radio and the countries of the radio window.
//
// A list ("KovRadio.rad" on disk, "KovRadio.ser" as downloaded from the service) holds one
// station a line; a line beginning with "#" is a comment. Characters 1-3 of a station line are
// its country code, characters 5-11 its key; the line's fields are separated by "#": the third
// is the station's name, the fourth its country's name, the fifth the stream's address and the
// sixth the logo's resource name in the radio pack. The files are Windows-1251 text; the
// functions here take and give UTF-8.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zendral::radio {

inline constexpr std::string_view kRadioListFile = "KovRadio.rad";
inline constexpr std::string_view kRadioServerListFile = "KovRadio.ser";
inline constexpr std::string_view kRadioListPath = "/downloads/progr/cards/KovRadio.rad";
inline constexpr std::string_view kRadioPackFile = "KovRadio02.dll";
// The logo of a station whose line names none.
inline constexpr std::string_view kUnknownLogo = "RRADIO_LOGO_RADIOUN";

struct RadioCountry {
  std::string_view code;  // "RUS"
  std::string_view name;  // "Russian Federation", as station lines and the state file write it
  // The small flag: "h:" horizontal or "v:" vertical stripes of the colour letters that follow,
  // then emblems "+d" disc, "+s" star, "+c" canton, "+x" Nordic cross, "+p" centred cross,
  // "+t" triangle at the hoist, each followed by its colour letter.
  std::string_view flag;
};

// The 28 countries in the order of the radio window's list (position 0 first).
std::span<const RadioCountry> RadioCountries();
// The list position of a country by code or by name; nothing when it is not one of the 28.
std::optional<int> CountryPositionOfCode(std::string_view code);
std::optional<int> CountryPositionOfName(std::string_view name);

struct Station {
  std::string countryCode;
  std::string key;
  std::string name;
  std::string countryName;
  std::string address;
  std::string logo;

  friend bool operator==(const Station&, const Station&) = default;
};

// A station line (UTF-8, without its line end); nothing for a comment, a blank line or a line
// that lacks a key, a name or an address.
std::optional<Station> ParseStationLine(std::string_view line);

// The stations of one country in the order of the list (UTF-8 text of the whole file).
std::vector<Station> StationsOfCountry(std::string_view listText, std::string_view countryCode);
// The station with the key; nothing when the list has none.
std::optional<Station> StationOfKey(std::string_view listText, std::string_view key);

}  // namespace zendral::radio
