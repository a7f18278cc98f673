#pragma once
// Reads the header of a WAV file: enough to know what a sound holds and how long it plays.
// The length of a waited sound comes from here, so the game is held for exactly as long as
// the sound would play, with or without a sound device.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zendral::audio {

struct WavInfo {
  int channels = 0;
  int sampleRate = 0;     // frames per second
  int bitsPerSample = 0;  // 8, 16, 24 or 32
  std::size_t dataOffset = 0;
  std::size_t dataBytes = 0;

  std::size_t FrameCount() const;
  std::chrono::microseconds Length() const;
};

// Accepts uncompressed PCM (format 1, or the extensible format carrying PCM) whose data chunk
// lies wholly inside `bytes`. Any other input gives std::nullopt and, when `error` is given, a
// short reason. Never throws.
std::optional<WavInfo> ReadWavInfo(std::span<const std::byte> bytes, std::string* error = nullptr);

}  // namespace zendral::audio
