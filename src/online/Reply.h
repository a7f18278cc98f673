#pragma once
// The grammar of the server's replies: plain text with two-letter markers, "$"-delimited
// segments of tokens and trailing numbers. Pure functions; any input gives an answer.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zendral::online {

using Tokens = std::vector<std::string>;

// True when the two-letter marker occurs anywhere in the reply, also inside other words.
bool ReplyHasPair(std::string_view reply, std::string_view marker);

// The marker outside the first segment: record replies carry their data inside "$" … "$",
// where a city, a country or an e-mail may well hold the two letters of a marker.
bool ReplyHasMarkerOutsideSegment(std::string_view reply, std::string_view marker);

// The first segment split at the separator: token 0 is always empty, the segment's first word
// is token 1, two separators in a row give an empty token. Nothing when no "$" opens one
// (a "$" that is the reply's last character opens nothing).
std::optional<Tokens> ReplySegment(std::string_view reply, char separator);

// Every record "$" … "*" (or to the end), split as above, at most maxRecords of them.
std::vector<Tokens> ReplySegments(std::string_view reply, char separator, int maxRecords = 10);

// The digits after the last "$" that is not the reply's last character, as a 32-bit number.
std::optional<int> ReplyTrailingNumber(std::string_view reply);

// True when the text after the last "$" (not the last character) reads "?ok" before "#".
bool ReplyTrailingAck(std::string_view reply);

// Token i, or empty text when the reply had fewer tokens.
const std::string& TokenAt(const Tokens& tokens, std::size_t i);

}  // namespace zendral::online
