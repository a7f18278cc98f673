#include "present/audio/WavInfo.h"

namespace zendral::audio {

namespace {

std::uint32_t Le32(std::span<const std::byte> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t Le16(std::span<const std::byte> b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned>(b[at]) | static_cast<unsigned>(b[at + 1])
                                                                       << 8);
}

bool TagIs(std::span<const std::byte> b, std::size_t at, const char (&tag)[5]) {
  for (std::size_t i = 0; i < 4; ++i) {
    if (static_cast<char>(b[at + i]) != tag[i]) return false;
  }
  return true;
}

std::optional<WavInfo> Fail(std::string* error, const char* reason) {
  if (error != nullptr) *error = reason;
  return std::nullopt;
}

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

}  // namespace

std::size_t WavInfo::FrameCount() const {
  const std::size_t frameBytes = static_cast<std::size_t>(channels) * (bitsPerSample / 8);
  return frameBytes == 0 ? 0 : dataBytes / frameBytes;
}

std::chrono::microseconds WavInfo::Length() const {
  if (sampleRate <= 0) return std::chrono::microseconds(0);
  // Rounded to the nearest microsecond; FrameCount() stays far below 2^43, so no overflow.
  const auto frames = static_cast<std::int64_t>(FrameCount());
  return std::chrono::microseconds((frames * 1'000'000 + sampleRate / 2) / sampleRate);
}

std::optional<WavInfo> ReadWavInfo(std::span<const std::byte> bytes, std::string* error) {
  if (bytes.size() < 12) return Fail(error, "too short for a WAV header");
  if (!TagIs(bytes, 0, "RIFF") || !TagIs(bytes, 8, "WAVE")) return Fail(error, "not a WAV file");

  // The RIFF size may overstate (streaming writers); the chunks are bounded by the real size.
  WavInfo info;
  bool haveFormat = false;
  std::size_t at = 12;
  while (bytes.size() - at >= 8) {
    const std::uint32_t chunkSize = Le32(bytes, at + 4);
    const std::size_t body = at + 8;
    const std::size_t available = bytes.size() - body;
    if (TagIs(bytes, at, "fmt ")) {
      if (chunkSize < 16 || chunkSize > available) return Fail(error, "damaged format chunk");
      std::uint16_t format = Le16(bytes, body);
      const std::uint16_t channels = Le16(bytes, body + 2);
      const std::uint32_t rate = Le32(bytes, body + 4);
      const std::uint16_t blockAlign = Le16(bytes, body + 12);
      const std::uint16_t bits = Le16(bytes, body + 14);
      if (format == kFormatExtensible && chunkSize >= 40) {
        format = Le16(bytes, body + 24);  // the sub-format GUID opens with the format code
      }
      if (format != kFormatPcm) return Fail(error, "not uncompressed PCM");
      if (channels < 1 || channels > 8) return Fail(error, "unsupported channel count");
      if (rate < 1000 || rate > 384000) return Fail(error, "unsupported sample rate");
      if (bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        return Fail(error, "unsupported sample size");
      }
      if (blockAlign != channels * (bits / 8)) return Fail(error, "inconsistent block size");
      info.channels = channels;
      info.sampleRate = static_cast<int>(rate);
      info.bitsPerSample = bits;
      haveFormat = true;
    } else if (TagIs(bytes, at, "data")) {
      if (!haveFormat) return Fail(error, "data before format");
      if (chunkSize > available) return Fail(error, "data chunk runs past the end");
      info.dataOffset = body;
      info.dataBytes = chunkSize;
      return info;
    }
    if (chunkSize > available) return Fail(error, "chunk runs past the end");
    // Chunks are padded to an even size.
    const std::size_t next = body + chunkSize + (chunkSize & 1U);
    if (next > bytes.size()) break;
    at = next;
  }
  return Fail(error, haveFormat ? "no data chunk" : "no format chunk");
}

}  // namespace zendral::audio
