#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zendral::protocol {

// Service addresses and the remembered password are kept in files and in the path directory in
// a scrambled form, so that they are not readable at a glance. The form is plain hexadecimal
// (no "#", "=", "&", space or line break can appear in it), which keeps every file format and
// the path directory intact whatever the address holds.
std::string Scramble(std::string_view text);

// The text back, or nothing when the input is not a scrambled text (odd length, not hex).
std::optional<std::string> Unscramble(std::string_view scrambled);

}  // namespace zendral::protocol
