#pragma once
// A kon position as the solver sees it: the cards as bit sets (one bit per card), the seat
// to move as "own" and the other as "opp", and the passes each has paid this kon. Passes
// stay part of the position because what they cost depends on who wins in the end.

#include <bit>
#include <cstdint>
#include <string>

#include "Card.h"
#include "KonCore.h"

namespace zendral {

// Bit (suit-1)*9 + (rank-1) for each card: each suit row is 9 bits, six lowest.
using CardSet = std::uint64_t;

inline constexpr CardSet kAllCards = (CardSet{1} << kDeckSize) - 1;

constexpr int CardBitIndex(TCardCode card) {
  return (card.suit - 1) * kRanks + (card.rank - 1);
}
constexpr CardSet CardBit(TCardCode card) {
  return CardSet{1} << CardBitIndex(card);
}
constexpr TCardCode CardOfBit(int index) {
  return TCardCode(index % kRanks + 1, index / kRanks + 1);
}
inline int CardsIn(CardSet cards) {
  return std::popcount(cards);
}

// A bit in each suit row at the given ranks.
constexpr CardSet RankMask(int fromRank, int toRank) {
  CardSet row = 0;
  for (int r = fromRank; r <= toRank; ++r) row |= CardSet{1} << (r - 1);
  CardSet all = 0;
  for (int s = 0; s < kSuits; ++s) all |= row << (s * kRanks);
  return all;
}
inline constexpr CardSet kNines = RankMask(kNineRank, kNineRank);
inline constexpr CardSet kBelowNines = RankMask(1, kNineRank - 1);
inline constexpr CardSet kAboveNines = RankMask(kNineRank + 1, kRanks);

// The cards of `hand` that may be laid on `layout`: a nine whose place is empty, a card below
// a nine whose upper neighbour lies, a card above a nine whose lower neighbour lies. On an
// empty layout only the opening card may be laid.
inline CardSet LegalCards(CardSet hand, CardSet layout) {
  if (layout == 0) return hand & CardBit(kOpeningCard);
  const CardSet open = kNines | ((layout >> 1) & kBelowNines) | ((layout << 1) & kAboveNines);
  return hand & ~layout & open;
}

struct SolverPosition {
  CardSet own = 0;  // the seat to move
  CardSet opp = 0;
  CardSet layout = 0;
  int ownPasses = 0;  // passes paid this kon, the ante not counted
  int oppPasses = 0;

  friend bool operator==(const SolverPosition&, const SolverPosition&) = default;
};

// The kon's net result for a seat once a hand is empty. The bank holds both antes, every
// fine and the loser's cards; the winner takes it back, so it gains the loser's ante, the
// loser's fines and the loser's cards. The game is zero-sum: the loser loses as much.
constexpr int WinnerGain(int loserPasses, int loserCards) {
  return kAnte + kPassFine * loserPasses + loserCards;
}

// The position with `seat` to move in a kon state (hands, layout, and the passes read from
// the fines, which hold the ante and each pass).
SolverPosition PositionOf(const KonState& state, int seat);
// The passes a seat has paid, from its fines of a running kon (ante included in the fines).
int PassesPaid(const KonState& state, int seat);

// Why a position cannot come from play, or empty when it can: a card twice, a hand of more
// than 18 cards, a suit row that is not one unbroken run through its nine, a held card that
// can never be reached because a card between it and its nine is nowhere, an empty layout
// whose mover lacks the opening card, passes out of range.
std::string PositionProblem(const SolverPosition& position);

inline constexpr int kMaxPassesPaid = 100;

}  // namespace zendral
