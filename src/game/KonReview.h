#pragma once
// The review of a played kon under perfect play: what the deal was worth to the player, how
// much each of the player's moves lost and each of the opponent's moves gave away, and what
// was better. The values telescope: result = value at the deal - lost + gifted.

#include <vector>

#include "KonRecord.h"
#include "Solver.h"

namespace zendral {

struct ReviewStep {
  int seat = 0;
  TCardCode card;       // the empty card for a pass
  int valueBefore = 0;  // the kon's worth to the player before and after the move
  int valueAfter = 0;
  TCardCode better;  // for a move of the player that lost points: perfect play's choice
};

struct KonReview {
  bool ok = false;  // false when the record does not replay
  int player = kSeat2;
  int valueAtDeal = 0;
  int result = 0;  // what the player won or lost in the kon
  int lost = 0;    // by the player's moves
  int gifted = 0;  // by the opponent's moves
  std::vector<ReviewStep> steps;
};

KonReview ReviewKon(Solver& solver, const KonRecord& record, int player);

}  // namespace zendral
