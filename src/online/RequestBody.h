#pragma once
// The two ways a request body is built. Names and values are UTF-8 inside the program.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zendral::online {

using Field = std::pair<std::string, std::string>;
using Fields = std::vector<Field>;

inline constexpr const char* kFormContentType = "application/x-www-form-urlencoded";

// The form style: every name and value percent-encoded as UTF-8 (letters, digits and "-._"
// stay, a space becomes "+"), "name=value" pairs in the given order. The pairs are separated
// by an empty pair ("&&"), as the program has always sent them; servers ignore empty pairs.
std::string FormBody(const Fields& fields);

// The raw style: "name=value" pairs joined by "&" and converted to Windows-1251. In values,
// exactly "%", "&", "=" and "+" are percent-encoded so that no text typed by a player can
// add or break a pair; every other character goes out as it is (a space too). A character
// that Windows-1251 cannot hold goes out as "?". Names are the program's own constants.
std::string RawBody(const Fields& fields);

// The raw style's escaping of one value, before the conversion.
std::string EscapeRawValue(std::string_view value);

}  // namespace zendral::online
