#include "online/DailyPlay.h"

#include "game/ComputerPlayer.h"

namespace zendral::online {

DailyKonPlay::DailyKonPlay(const Deck& deck) {
  DealKonCards(kon_, deck);
  BeginKon(kon_);
  record_.start = kon_;
  PlayOn();
}

bool DailyKonPlay::MayLay(TCardCode card) const {
  if (kon_.TurnState != ksSeat2ToMove) return false;
  const int slot = SlotOf(kon_.Hands[kSeat2], card);
  return slot != 0 && MayLayFromSlot(kon_, kSeat2, slot);
}

bool DailyKonPlay::Lay(TCardCode card) {
  if (!MayLay(card)) return false;
  Step(kSeat2, SlotOf(kon_.Hands[kSeat2], card));
  PlayOn();
  return true;
}

void DailyKonPlay::Step(int seat, int slot) {
  const TCardCode card = slot == 0 ? kEmptyCard : kon_.Hands[seat][slot];
  const KonEvents events = slot == 0 ? PassKon(kon_, seat) : PlayKonCard(kon_, seat, slot);
  if (events.Refused()) return;
  moves_.push_back({slot == 0, card});
  record_.moves.push_back({seat, card});
  if (kon_.TurnState == ksKonOver) {
    SettleKon(kon_);
    record_.over = true;
  }
}

void DailyKonPlay::PlayOn() {
  // Every turn lays a card or passes, so a kon ends long before this many turns.
  for (int turn = 0; turn < 4 * kDeckSize; ++turn) {
    const int seat = kon_.TurnState;
    if (seat == kSeat1) {
      Step(seat, ChooseMove(kon_.Hands[kSeat1], kon_.Board, kon_.Hands[kSeat2], kon_.LayCounter));
    } else if (seat == kSeat2 && SeatHasNoMove(kon_, kSeat2)) {
      Step(seat, 0);
    } else {
      return;
    }
  }
}

}  // namespace zendral::online
