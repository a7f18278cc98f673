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

}  // namespace zendral
