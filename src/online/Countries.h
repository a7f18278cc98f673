#pragma once
// The six continent tables of countries. A country code is the continent digit, "-" and the
// three-digit index in that continent's table ("1-001" is Russia); index 0 of every table is
// "Unknown". Each entry also describes its small flag for the windows to draw.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zendral::online {

struct Country {
  std::string_view english;
  std::string_view russian;
  std::string_view serverForm;  // the name the server files, without spaces
  // The 14 × 12 flag: "h:" horizontal or "v:" vertical stripes of the colour letters that
  // follow, then optional emblems "+d" disc, "+s" star, "+c" canton, "+x" Nordic cross,
  // "+p" centred cross, "+t" triangle at the hoist, "+y" and "+q" the thin line inside a
  // Nordic or a centred cross drawn before, "+k" a castle in the upper stripe, each followed by
  // its colour letter.
  std::string_view flag;
};

inline constexpr int kContinents = 6;

// The table of continent 1..6 (entry 0 is "Unknown"); empty for any other number.
std::span<const Country> ContinentCountries(int continent);
// Entries after "Unknown": 48, 51, 35, 14, 23, 54.
int ContinentSize(int continent);

// The entry of a country code, or nothing when the code is not one.
std::optional<Country> CountryOfCode(std::string_view code);
// "c-nnn" for a continent and an index.
std::string CountryCode(int continent, int index);
// The continent and index of a code; nothing when it is not a valid code.
std::optional<std::pair<int, int>> SplitCountryCode(std::string_view code);

// The colour of a flag letter as 0xRRGGBB.
unsigned FlagColour(char letter);

}  // namespace zendral::online
