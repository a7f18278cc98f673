#pragma once
// The par of a deal against the computer: the best result seat 2 can reach when seat 1 plays
// the classic computer player's answers, which depend on the position alone (the player is a
// fixed heuristic with no randomness and no memory). Seat 1 never chooses, so the search only
// maximises over seat 2's choices; it is not the value under perfect play by both seats.
//
// The search is memoised on the position: the layout (the cards left in each hand follow from
// it and the deal), the seat to move and the passes each seat has paid, which change what the
// end of the kon pays.

#include <cstdint>
#include <vector>

#include "Deck.h"
#include "KonCore.h"
#include "KonReplay.h"

namespace zendral {

struct ParResult {
  bool ok = false;  // false for a kon that is not being played (not begun, or already over)
  // Seat 2's score when the kon is settled at the end of the best line: for a kon dealt with
  // the scores at zero, seat 2's net result of the kon (ante, fines, cards left, the bank).
  int par = 0;
  // A line that reaches par from the given position: seat 2's choices and seat 1's answers
  // in turn, to the last card.
  std::vector<KonMove> line;
  std::uint64_t positions = 0;  // distinct positions searched (for measurements)
};

// From a kon being played: the turn is seat 1's or seat 2's.
ParResult ParFrom(const KonState& kon);
// The par of a deck: dealt (positions 1..18 to seat 1), begun, and searched from the start.
ParResult ParOfDeck(const Deck& deck);

}  // namespace zendral
