#pragma once
// A small seedable pseudo-random generator (xoshiro256**), the same on every platform,
// so a seed given to a tool or a test always yields the same deals.

#include <cstdint>

namespace zendral {

class Random {
 public:
  explicit Random(std::uint64_t seed) { Reseed(seed); }
  // Seeded from the clock and the process: what the program uses in play.
  static Random FromClock();

  void Reseed(std::uint64_t seed);
  std::uint64_t Next();
  // Uniform in 1..n (n >= 1), without modulo bias.
  int Between1And(int n);

 private:
  std::uint64_t s_[4];
};

}  // namespace zendral
