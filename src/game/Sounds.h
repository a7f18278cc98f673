#pragma once
// Names of the event sounds the rules ask for; the presentation plays them by name.

#include <string_view>

namespace zendral::sounds {

inline constexpr std::string_view kCardLaid = "WHodsDo";  // waited
inline constexpr std::string_view kPass = "WHodBer";      // waited
inline constexpr std::string_view kWrongCard = "WWrongs";
inline constexpr std::string_view kDeal = "WTasoKo";
inline constexpr std::string_view kSettle = "WHodOtb";
inline constexpr std::string_view kOpponentWonKon = "WKoBadX";
inline constexpr std::string_view kPlayerWonKon = "WKoGutX";
inline constexpr std::string_view kSessionGood = "WKoGood";
inline constexpr std::string_view kSessionBad = "WKoBads";
inline constexpr std::string_view kCycleBest = "WFiBest";
inline constexpr std::string_view kCycleGood = "WFiGood";
inline constexpr std::string_view kCycleBad = "WFiBads";

}  // namespace zendral::sounds
