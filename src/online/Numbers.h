#pragma once
// Numbers on the wire. Ratings always go out with "." whatever the user's locale, and are
// shown to players with three decimals and the separator of their language.

#include <optional>
#include <string>
#include <string_view>

namespace zendral::online {

// An integer token: optional sign and decimal digits within 32 bits; anything else is none.
std::optional<int> ParseIntToken(std::string_view token);

// A real token: its first character that is neither a space, "-" nor a digit is taken as the
// decimal separator; an empty token reads as 0; anything else unreadable is none.
std::optional<double> ParseRealToken(std::string_view token);

// A rating for a request: the shortest general form with up to 15 significant digits and "."
// as separator; magnitudes below 0.00001 as "0".
std::string FormatRating(double rating);

// A rating for people: rounded to three decimals, always three, with the separator of the
// player's language ("12,500" in Russian, "12.500" in English).
std::string ShowRating(double rating, char decimalSeparator = ',');

}  // namespace zendral::online
