#pragma once
// Fixed-width fields of the program's text files: decimal numbers read without surprises
// (no locale, no exceptions) and numbers written right-aligned in their columns.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zendral {

// A whole decimal number: an optional sign and at least one digit, nothing else (no spaces).
// nullopt when the text is no such number or does not fit an int.
std::optional<int> ParseInt(std::string_view text);

// The same after removing spaces on both sides (the right-aligned columns of the club file).
std::optional<int> ParseIntField(std::string_view text);

// A number with up to `decimals` places after a comma (or a point), spaces around allowed,
// as a whole number of 10^-decimals units: "  1,250000" with 6 places gives 1250000.
std::optional<std::int64_t> ParseFixedField(std::string_view text, int decimals);

// units / 10^decimals with a comma: FormatFixed(-125, 2) is "-1,25"; no sign for zero.
std::string FormatFixed(std::int64_t units, int decimals);

// value * 10^decimals to the nearest whole number, halves to even; NaN gives 0 and the
// infinities the largest values.
std::int64_t ToUnits(double value, int decimals);

// Units of 10^-from to units of 10^-to (to < from), halves away from zero: the way a number
// stored with six places is shown with two.
std::int64_t RoundUnits(std::int64_t units, int from, int to);

std::string PadLeft(std::string_view text, std::size_t width, char fill = ' ');
// Pads on the right, or cuts, to exactly width bytes.
std::string FitRight(std::string_view text, std::size_t width, char fill = ' ');
std::string_view TrimRight(std::string_view text);

template <typename T>
T Clamp(T value, T low, T high) {
  return value < low ? low : (value > high ? high : value);
}

}  // namespace zendral
