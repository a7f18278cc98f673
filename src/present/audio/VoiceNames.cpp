#include "present/audio/VoiceNames.h"

#include <array>

namespace zendral::audio {

namespace {

constexpr std::array<std::string_view, 10> kLanguageCodes = {"Eng", "Rus", "Deu", "Fra", "Spa",
                                                             "Chi", "Ita", "Cze", "Jap", "Kor"};
// By suit row 1..4 (hearts, diamonds, clubs, spades) and rank value 1..9 (six ... ace).
constexpr std::array<std::string_view, 5> kSuitPrefix = {"", "Ch", "Bu", "Kr", "Pi"};
constexpr std::array<std::string_view, 10> kRankCode = {"",   "06", "07", "08", "09",
                                                        "10", "2J", "3Q", "4K", "5A"};

}  // namespace

std::string_view VoiceLanguageCode(int language) {
  if (language < 0 || language >= static_cast<int>(kLanguageCodes.size())) return {};
  return kLanguageCodes[static_cast<std::size_t>(language)];
}

std::string VoiceResourceName(TCardCode card, int language) {
  const std::string_view code = VoiceLanguageCode(language);
  if (code.empty() || card.rank < 1 || card.rank > kRanks || card.suit < 1 || card.suit > kSuits) {
    return {};
  }
  std::string name;
  name += kSuitPrefix[card.suit];
  name += kRankCode[card.rank];
  name += "Voice";
  name += code;
  return name;
}

}  // namespace zendral::audio
