#pragma once
// The expert computer player: the move that perfect play chooses, found by the solver.

#include "KonCore.h"
#include "Solver.h"

namespace zendral {

// The best choice of `seat` in a running kon, with its value for that seat.
MoveValue ExpertChoice(Solver& solver, const KonState& state, int seat);
// The kon's result for the seat under perfect play from here on, whoever is to move. A kon that
// is over is worth what the seat has won or lost in it.
int KonValueFor(Solver& solver, const KonState& state, int seat);
// Slot 1..CardCount of the seat's hand to lay, or 0 to pass: the answer ChooseMove gives
// for the classic player.
int ChooseExpertMove(Solver& solver, const KonState& state, int seat);

}  // namespace zendral
