#pragma once
// Opens the audio module (AudioEngines.h) once, at the first sound, song or stream, so that a
// start of the program maps none of the audio libraries. The module is looked for beside the
// executable (a build tree, a portable install), then in the installed module folder. A
// module that is missing, cannot be opened, or comes from another build leaves the program
// silent: LoadAudioEngines answers null, and the reason is written once to the terminal.

#include <string>

#include "present/audio/AudioEngines.h"

namespace zendral::audio {

// The module's file name.
inline constexpr char kAudioModuleFile[] = "zendral-audio.so";

// The engines, or null without a usable module. Safe from any thread; the first call opens
// the module (tens of milliseconds), the later ones answer at once.
const AudioEngines* LoadAudioEngines();

// Empty while the module has not been tried or was opened; otherwise why it is not there.
std::string AudioModuleProblem();

}  // namespace zendral::audio
