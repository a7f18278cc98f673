#pragma once
// Whether the machine has anywhere to send sound, asked without opening an audio library: an
// ALSA card in the kernel's list, or a PulseAudio (or PipeWire) server the user can reach.
// Without one the program does not open its audio engines at all, so the libraries' own
// complaints (ALSA's "cannot find card", PulseAudio's failed connection) never reach the
// terminal, and the sound options say that no device was found.

#include <filesystem>
#include <string>

namespace zendral::audio {

struct SoundDevicePlaces {
  std::filesystem::path alsaCards = "/proc/asound/cards";  // the kernel's list of sound cards
  std::filesystem::path runtimeFolder;                     // XDG_RUNTIME_DIR; empty: unknown
  std::string pulseServer;                                 // PULSE_SERVER; empty: unset
};

// The places of this process (XDG_RUNTIME_DIR and PULSE_SERVER from the environment).
SoundDevicePlaces ThisMachinesSoundPlaces();

// True when the ALSA list names a card, PULSE_SERVER is set, or the runtime folder holds a
// PulseAudio or PipeWire socket.
bool HasSoundDevice(const SoundDevicePlaces& places);

}  // namespace zendral::audio
