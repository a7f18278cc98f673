#include "Simulation.h"

#include "ComputerPlayer.h"
#include "Deal.h"

namespace zendral {

KonStats PlayComputerKon(MoveContext ctx, Random& random) {
  GameState& s = ctx.state;
  s.Board.Clear();
  s.LayCounter = 1;
  s.Bank = 0;
  s.KonFines = {};
  s.KonPenalty = {};
  s.TurnState = ShuffleAndDeal(s, random);
  s.KonPhase = kpPlaying;
  PassMove(ctx, kSeat1, false, false);
  PassMove(ctx, kSeat2, false, false);

  KonStats stats;
  // Every turn lays a card or passes, and two passes in a row cannot happen with cards left
  // on both sides of an open row, so a kon needs far fewer turns than this.
  constexpr int kTurnLimit = 4 * kDeckSize;
  for (int turn = 0; turn < kTurnLimit; ++turn) {
    const int seat = s.TurnState;
    const int slot = ChooseMove(s.Hands[seat], s.Board, s.Hands[OtherSeat(seat)], s.LayCounter);
    if (slot == 0) {
      PassMove(ctx, seat, false, true);
      ++stats.passes;
      continue;
    }
    LayCard(ctx, seat, slot, false);
    ++stats.moves;
    if (s.Hands[seat].CardCount == 0) {
      EndKon(ctx);
      stats.winner = seat;
      stats.cardsLeft = s.Hands[OtherSeat(seat)].CardCount;
      s.Score[seat] += s.Bank;
      s.Bank = 0;
      s.TurnState = ksKonSettled;
      return stats;
    }
  }
  return stats;  // winner 0: the kon did not end
}

}  // namespace zendral
