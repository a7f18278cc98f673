#pragma once
// A kon position as the solver sees it: the cards as bit sets (one bit per card), the seat
// to move as "own" and the other as "opp", and the passes each has paid this kon. Passes
// stay part of the position because what they cost depends on who wins in the end.

#include <bit>
#include <cstdint>
#include <string>

#include "Card.h"
#include "CardSet.h"
#include "KonCore.h"

namespace zendral {

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
