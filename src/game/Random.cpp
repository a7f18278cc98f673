#include "Random.h"

#include <chrono>
#include <random>

namespace zendral {
namespace {

std::uint64_t SplitMix(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

constexpr std::uint64_t Rotl(std::uint64_t x, int k) {
  return (x << k) | (x >> (64 - k));
}

}  // namespace

Random Random::FromClock() {
  const auto ticks = static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
  std::random_device device;
  return Random(ticks ^ (static_cast<std::uint64_t>(device()) << 32));
}

void Random::Reseed(std::uint64_t seed) {
  for (auto& word : s_) word = SplitMix(seed);
}

std::uint64_t Random::Next() {
  const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
  const std::uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = Rotl(s_[3], 45);
  return result;
}

int Random::Between1And(int n) {
  // Lemire's multiply-shift, rejecting the biased low zone of 2^32 mod n values. That zone lies
  // below n, so the division that measures it is needed only when the low half falls there.
  const auto range = static_cast<std::uint32_t>(n);
  for (;;) {
    const std::uint64_t x = Next() >> 32;
    const std::uint64_t m = x * std::uint64_t{range};
    const auto low = static_cast<std::uint32_t>(m);
    if (low >= range || low >= (0u - range) % range) return static_cast<int>(m >> 32) + 1;
  }
}

}  // namespace zendral
