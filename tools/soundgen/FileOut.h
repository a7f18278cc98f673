#pragma once
// Output of the generator: WAV encoding and files written whole or not at all.

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace zendral::soundgen {

// A RIFF/WAVE file of 16-bit mono PCM.
std::vector<std::uint8_t> EncodeWav(std::span<const std::int16_t> samples, int sampleRate);

// Writes through a temporary file and a rename, so a failed build never leaves half a file.
bool WriteFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

}  // namespace zendral::soundgen
