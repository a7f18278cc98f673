#include "FileOut.h"

#include <fstream>
#include <system_error>

namespace zendral::soundgen {

namespace {

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::uint8_t> EncodeWav(std::span<const std::int16_t> samples, int sampleRate) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::vector<std::uint8_t> out;
  out.reserve(44 + dataBytes + 1);
  PutTag(out, "RIFF");
  Put32(out, 36 + dataBytes + (dataBytes & 1U));
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, static_cast<std::uint32_t>(sampleRate));
  Put32(out, static_cast<std::uint32_t>(sampleRate) * 2);
  Put16(out, 2);
  Put16(out, 16);
  PutTag(out, "data");
  Put32(out, dataBytes);
  for (std::int16_t s : samples) Put16(out, static_cast<std::uint16_t>(s));
  return out;
}

bool WriteFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) {
  std::filesystem::path temp = target;
  temp += ".part";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, target, ec);
  if (!ec) return true;
  std::filesystem::remove(temp, ec);
  return false;
}

}  // namespace zendral::soundgen
