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
  std::uint64_t Next() {
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
  // Uniform in 1..n (n >= 1), without modulo bias: Lemire's multiply-shift, rejecting the
  // biased low zone of 2^32 mod n values. That zone lies below n, so the division that measures
  // it is needed only when the low half falls there.
  int Between1And(int n) {
    const auto range = static_cast<std::uint32_t>(n);
    for (;;) {
      const std::uint64_t x = Next() >> 32;
      const std::uint64_t m = x * std::uint64_t{range};
      const auto low = static_cast<std::uint32_t>(m);
      if (low >= range || low >= (0u - range) % range) return static_cast<int>(m >> 32) + 1;
    }
  }

 private:
  static constexpr std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

  std::uint64_t s_[4];
};

}  // namespace zendral
