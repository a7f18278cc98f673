#pragma once
// The card voices: the pack "KovCVoice3.dll" (a Qt binary resource file with the WAVs under
// "wav/") is looked for beside the program (the program folder, then its parent folder) and
// read anew for every card spoken, so a pack downloaded while the program runs is heard at once.

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

#include "game/Card.h"

namespace zendral::audio {

// The bytes of one resource of the voice pack; empty when the pack is missing or damaged or
// lacks the resource.
std::vector<std::byte> LoadVoiceResource(const std::filesystem::path& programFolder,
                                         std::string_view name);

// The WAV of a card's name in a language; empty when there is none to play (no pack, no such
// voice, or data that is not a WAV the program can play).
std::vector<std::byte> LoadCardVoice(const std::filesystem::path& programFolder, TCardCode card,
                                     int language);

}  // namespace zendral::audio
