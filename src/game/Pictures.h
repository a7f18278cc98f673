#pragma once
// Names of the picture resources the rules choose; the presentation draws them by name.

#include <string_view>

namespace zendral::pictures {

inline constexpr std::string_view kEndBest = "GEndBest";  // the cycle took place 1
inline constexpr std::string_view kEndGood = "GEndGood";  // places 2 … 10
inline constexpr std::string_view kEndBad = "GEndBads";   // no place in the Order

}  // namespace zendral::pictures
