#include "LeveledKon.h"

#include "ComputerPlayer.h"

namespace zendral {

int ClassicChoice(const KonState& s, int seat) {
  return ChooseMove(s.Hands[seat], s.Board, s.Hands[OtherSeat(seat)], s.LayCounter);
}

KonStats PlayKonFromDeck(KonState& s, const Deck& deck, const SeatArray<SeatChooser>& seats) {
  DealKonCards(s, deck);
  BeginKon(s);
  KonStats stats;
  // Every turn lays a card or is a pass followed by a card, so a kon ends well within this.
  for (int turn = 0; turn < 4 * kDeckSize; ++turn) {
    const int seat = s.TurnState;
    const int slot = seats[seat](s, seat);
    if (slot == 0) {
      if (PassKon(s, seat).Refused()) return stats;
      ++stats.passes;
      continue;
    }
    if (PlayKonCard(s, seat, slot).Refused()) return stats;
    ++stats.moves;
    if (s.TurnState == ksKonOver) {
      stats.cardsLeft = s.Hands[OtherSeat(seat)].CardCount;
      SettleKon(s);
      stats.winner = s.Winner;
      return stats;
    }
  }
  return stats;
}

}  // namespace zendral
