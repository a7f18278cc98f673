#pragma once
// The program's sixteen event sounds and its MIDI song, by the names the program plays them
// by. The sound generator writes one WAV file per name; the resource library holds them under
// ":/sounds/". Standard C++ only, so the build-time generator can share the list.

#include <array>
#include <string>
#include <string_view>

namespace zendral::audio {

inline constexpr std::array<std::string_view, 16> kEventSoundNames = {
    "WTasoKo",  // a kon has been dealt
    "WHodsDo",  // a card is laid on the layout (waited)
    "WHodBer",  // a seat passes and pays its fine (waited)
    "WHodOtb",  // the bank is paid out to the kon's winner
    "WKoGutX",  // the local player has won the kon; the peer's move clock ran out
    "WKoBadX",  // the opponent has won the kon
    "WKoGood",  // a session ends with a positive score
    "WKoBads",  // a session ends with a negative score
    "WFiBest",  // end of a cycle, first place
    "WFiGood",  // end of a cycle, places 2 to 10
    "WFiBads",  // end of a cycle, no place
    "WOpenFo",  // a secondary window or a question opens
    "WToMenK",  // something arrived or succeeded
    "WWrongs",  // a refusal or a failure
    "STimerA",  // the own move clock ticks, more than 7 seconds left
    "STimerB",  // the own move clock ticks, 7 seconds or less
};

inline constexpr std::string_view kMidiSongName = "MidiSong";

constexpr bool IsEventSoundName(std::string_view name) {
  for (std::string_view known : kEventSoundNames) {
    if (known == name) return true;
  }
  return false;
}

// Where the resource library keeps a sound: ":/sounds/WHodsDo.wav".
inline std::string EventSoundResourcePath(std::string_view name) {
  return ":/sounds/" + std::string(name) + ".wav";
}
inline constexpr std::string_view kMidiSongResourcePath = ":/sounds/MidiSong.mid";

}  // namespace zendral::audio
