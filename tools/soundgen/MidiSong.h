#pragma once
// "MidiSong": the menu music. The traditional English air "Greensleeves" (16th century),
// arranged here as a waltz in A minor for flute, then violin over strings, with a nylon
// guitar and a bass, in General MIDI instruments.

#include <cstdint>
#include <string>
#include <vector>

namespace zendral::soundgen {

// The Standard MIDI File bytes; empty with `error` set when the score is inconsistent
// (a bar that does not add up, a note name that does not parse).
std::vector<std::uint8_t> ComposeMidiSong(std::string& error);

}  // namespace zendral::soundgen
