#include "ExpertPlayer.h"

namespace zendral {

MoveValue ExpertChoice(Solver& solver, const KonState& state, int seat) {
  return solver.Best(PositionOf(state, seat));
}

int KonValueFor(Solver& solver, const KonState& state, int seat) {
  if (state.TurnState == ksSeat1ToMove || state.TurnState == ksSeat2ToMove) {
    const int mover = state.TurnState;
    const int value = solver.Value(PositionOf(state, mover));
    return mover == seat ? value : -value;
  }
  // Over or settled: the position with both hands as they are has one empty hand.
  return solver.Value(PositionOf(state, seat));
}

int ChooseExpertMove(Solver& solver, const KonState& state, int seat) {
  const MoveValue best = ExpertChoice(solver, state, seat);
  return best.card.IsEmpty() ? 0 : SlotOf(state.Hands[seat], best.card);
}

}  // namespace zendral
