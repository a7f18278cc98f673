#pragma once
// Per-seat values indexed by the seat number as the game names it: 1 (top) and 2 (bottom).

#include <array>
#include <cassert>

namespace zendral {

inline constexpr int kSeat1 = 1;  // the opponent at the top of the table
inline constexpr int kSeat2 = 2;  // the local player at the bottom

constexpr int OtherSeat(int seat) {
  return 3 - seat;
}

template <typename T>
struct SeatArray {
  std::array<T, 2> values{};

  constexpr T& operator[](int seat) {
    assert(seat == kSeat1 || seat == kSeat2);
    return values[seat - 1];
  }
  constexpr const T& operator[](int seat) const {
    assert(seat == kSeat1 || seat == kSeat2);
    return values[seat - 1];
  }
  friend constexpr bool operator==(const SeatArray&, const SeatArray&) = default;
};

}  // namespace zendral
