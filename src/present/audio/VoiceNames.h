#pragma once
// The card voices of the voice pack: one WAV per card and language, named suit prefix + rank
// code + "Voice" + language code ("Ch3QVoiceRus" is the queen of hearts in Russian). Japanese
// and Korean have voices of their own, unlike the pictures, which borrow the English ones.

#include <string>
#include <string_view>

#include "game/Card.h"

namespace zendral::audio {

inline constexpr std::string_view kVoicePackFile = "KovCVoice3.dll";
// The folder of the pack's resources that holds the voices.
inline constexpr std::string_view kVoiceFolder = "wav";

// "Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Jap", "Kor" by language index;
// empty outside 0..9.
std::string_view VoiceLanguageCode(int language);

// The voice's resource name; empty for the empty card or a language outside 0..9.
std::string VoiceResourceName(TCardCode card, int language);

}  // namespace zendral::audio
