#pragma once
// The shared layout: 4 suit rows by 9 rank columns. Each row grows outward from its nine.
// A cell can only ever hold the card of its own suit and rank, so a row is kept as the set
// of ranks laid in it.

#include <array>
#include <cstdint>

#include "Card.h"

namespace zendral {

using RankSet = std::uint16_t;  // bit r set: rank value r (1..9)

constexpr RankSet RankBit(int rank) {
  return static_cast<RankSet>(1u << rank);
}

struct Layout {
  std::array<RankSet, kSuits> rows{};

  // row 1..4 (suit), col 1..9 (rank value); the empty card where nothing lies.
  TCardCode Cell(int row, int col) const {
    return Has(row, col) ? TCardCode(col, row) : kEmptyCard;
  }
  bool Has(int row, int col) const { return (Row(row) & RankBit(col)) != 0; }
  bool Has(TCardCode card) const { return Has(card.suit, card.rank); }
  RankSet Row(int row) const { return rows[static_cast<std::size_t>(row - 1)]; }
  void Put(TCardCode card) { rows[static_cast<std::size_t>(card.suit - 1)] |= RankBit(card.rank); }
  void Clear() { rows.fill(0); }
  int CardsLaid() const;

  friend bool operator==(const Layout&, const Layout&) = default;
};

// For each rank, the rank of its row that decides whether the card may be laid: a nine's own
// place, any other card's neighbour toward the nine.
inline constexpr std::array<RankSet, kRanks + 1> kDecidingRank = [] {
  std::array<RankSet, kRanks + 1> deciding{};
  for (int rank = 1; rank <= kRanks; ++rank) {
    deciding[static_cast<std::size_t>(rank)] = RankBit(rank == kNineRank  ? rank
                                                       : rank < kNineRank ? rank + 1
                                                                          : rank - 1);
  }
  return deciding;
}();

// The laying rule: a nine any time its place is empty; an eight or a ten next to its nine;
// every other card next to the card one step closer to the nine of its suit.
// The empty card is never playable.
inline bool IsPlayableOn(const Layout& layout, TCardCode card) {
  if (static_cast<unsigned>(card.rank - 1) >= kRanks) return false;  // also the empty card
  // Read as one test for every rank, without a branch on the rank that the processor would
  // guess wrong on about every other card: the deciding place must be taken, except for a
  // nine, whose own place must be free.
  const RankSet deciding = kDecidingRank[card.rank];
  const RankSet taken = layout.Row(card.suit) & deciding;
  return (taken != 0) != (card.rank == kNineRank);
}

}  // namespace zendral
