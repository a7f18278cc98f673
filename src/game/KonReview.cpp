#include "KonReview.h"

#include "ExpertPlayer.h"

namespace zendral {

KonReview ReviewKon(Solver& solver, const KonRecord& record, int player) {
  KonReview review;
  review.player = player;
  KonState s = record.start;
  review.valueAtDeal = KonValueFor(solver, s, player);
  int value = review.valueAtDeal;
  for (const RecordedMove& m : record.moves) {
    ReviewStep step{m.seat, m.card, value, value, kEmptyCard};
    const MoveValue best = solver.Best(PositionOf(s, m.seat));
    const bool refused = m.card.IsEmpty()
                             ? PassKon(s, m.seat).Refused()
                             : PlayKonCard(s, m.seat, SlotOf(s.Hands[m.seat], m.card)).Refused();
    if (refused) return review;
    value = KonValueFor(solver, s, player);
    step.valueAfter = value;
    if (m.seat == player && value < step.valueBefore) {
      review.lost += step.valueBefore - value;
      step.better = best.card;
    } else if (m.seat != player && value > step.valueBefore) {
      review.gifted += value - step.valueBefore;
    }
    review.steps.push_back(step);
  }
  if (s.TurnState != ksKonOver) return review;
  KonState settled = s;
  SettleKon(settled);
  // The score before the kon is the score at the begin of play less this kon's fines.
  const int before = record.start.Score[player] - record.start.KonFines[player];
  review.result = settled.Score[player] - before;
  review.ok = true;
  return review;
}

}  // namespace zendral
