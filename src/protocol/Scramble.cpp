#include "Scramble.h"

namespace zendral::protocol {
namespace {

constexpr std::string_view kKey = "ZendralKov";
constexpr std::string_view kHex = "0123456789ABCDEF";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string Scramble(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i] ^ kKey[i % kKey.size()]);
    out += kHex[b >> 4];
    out += kHex[b & 0x0F];
  }
  return out;
}

std::optional<std::string> Unscramble(std::string_view scrambled) {
  if (scrambled.size() % 2 != 0) return std::nullopt;
  std::string out;
  out.reserve(scrambled.size() / 2);
  for (std::size_t i = 0; i < scrambled.size(); i += 2) {
    const int hi = HexValue(scrambled[i]);
    const int lo = HexValue(scrambled[i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out += static_cast<char>((hi << 4 | lo) ^ kKey[(i / 2) % kKey.size()]);
  }
  return out;
}

}  // namespace zendral::protocol
