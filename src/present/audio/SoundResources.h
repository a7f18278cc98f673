#pragma once
// The program's own sounds, compiled in by the resource library that tools/soundgen makes.

#include <cstddef>
#include <string_view>
#include <vector>

namespace zendral::audio {

// Reads an event sound's WAV bytes from the resource library; empty for an unknown name.
std::vector<std::byte> LoadEventSoundResource(std::string_view name);

// The bytes of the MIDI song resource.
std::vector<std::byte> LoadMidiSongResource();

}  // namespace zendral::audio
