#include "KonCore.h"

namespace zendral {
namespace {

void FillHand(Hand& hand, const Deck& deck, int firstPosition) {
  SetHandCards(hand, &deck[firstPosition], kHandSize);
}

bool IsSeat(int seat) {
  return seat == kSeat1 || seat == kSeat2;
}

bool IsInTurn(const KonState& s, int seat) {
  return s.KonPhase == kpPlaying && IsSeat(seat) && s.TurnState == seat &&
         s.Hands[kSeat1].CardCount > 0 && s.Hands[kSeat2].CardCount > 0;
}

void Fine(KonState& s, int seat, int points) {
  s.Score[seat] -= points;
  s.Bank += points;
  s.KonFines[seat] -= points;
}

// The loser pays a point per card left into the bank.
KonEvent EndWithWinner(KonState& s, int winner) {
  const int loser = OtherSeat(winner);
  const int left = s.Hands[loser].CardCount;
  s.KonPenalty[loser] = -left;
  s.Score[loser] -= left;
  s.Bank += left;
  s.Winner = winner;
  s.TurnState = ksKonOver;
  return {KonEventKind::kKonOver, winner, 0, kEmptyCard, left};
}

void GiveTurnToOtherSeat(KonState& s) {
  if (s.TurnState == ksSeat1ToMove || s.TurnState == ksSeat2ToMove) {
    s.TurnState = OtherSeat(s.TurnState);
  }
}

}  // namespace

void DealKonCards(KonState& state, const Deck& deck) {
  FillHand(state.Hands[kSeat1], deck, 1);
  FillHand(state.Hands[kSeat2], deck, kHandSize + 1);
  StartKon(state);
}

void StartKon(KonState& state) {
  state.Board.Clear();
  state.LayCounter = 1;
  state.Bank = 0;
  state.KonFines = {};
  state.KonPenalty = {};
  state.Winner = 0;
  state.KonPhase = kpDealt;
  if (const int opener = OpeningSeat(state); opener != 0) state.TurnState = opener;
}

int OpeningSeat(const KonState& state) {
  for (int seat : {kSeat1, kSeat2}) {
    if (SlotOf(state.Hands[seat], kOpeningCard) != 0) return seat;
  }
  return 0;
}

bool MayLayFromSlot(const KonState& state, int seat, int slot) {
  const Hand& hand = state.Hands[seat];
  if (slot < 1 || slot > hand.CardCount) return false;
  const TCardCode card = hand[slot];
  if (state.LayCounter == 1) return card == kOpeningCard;
  return IsPlayableOn(state.Board, card);
}

bool SeatHasNoMove(const KonState& state, int seat) {
  const Hand& hand = state.Hands[seat];
  for (int slot = 1; slot <= hand.CardCount; ++slot) {
    if (IsPlayableOn(state.Board, hand[slot])) return false;
  }
  return true;
}

KonEvent ApplyAnte(KonState& state, int seat) {
  Fine(state, seat, kAnte);
  return {KonEventKind::kAntePaid, seat, 0, kEmptyCard, kAnte};
}

KonEvent ApplyLay(KonState& state, int seat, int slot) {
  const KonEvent laid = ApplyLayCard(state, seat, slot);
  ApplyLayTurn(state);
  return laid;
}

KonEvent ApplyLayCard(KonState& state, int seat, int slot) {
  // The hand is sorted and compacted: taking the card out closes the gap and keeps the order.
  const TCardCode card = TakeFromSlot(state.Hands[seat], slot);
  state.Board.Put(card);
  return {KonEventKind::kLaid, seat, slot, card, 0};
}

void ApplyLayTurn(KonState& state) {
  GiveTurnToOtherSeat(state);
  state.LayCounter += 1;
}

KonEvent ApplyPass(KonState& state, int seat) {
  const KonEvent passed = ApplyPassFine(state, seat);
  ApplyPassTurn(state);
  return passed;
}

KonEvent ApplyPassFine(KonState& state, int seat) {
  Fine(state, seat, kPassFine);
  return {KonEventKind::kPassed, seat, 0, kEmptyCard, kPassFine};
}

void ApplyPassTurn(KonState& state) {
  GiveTurnToOtherSeat(state);
}

KonEvent ApplyEnd(KonState& state) {
  return EndWithWinner(state, state.Hands[kSeat1].CardCount == 0 ? kSeat1 : kSeat2);
}

KonEvent ApplySettle(KonState& state) {
  const int bank = state.Bank;
  state.Score[state.Winner] += bank;
  state.Bank = 0;
  state.TurnState = ksKonSettled;
  return {KonEventKind::kSettled, state.Winner, 0, kEmptyCard, bank};
}

KonEvents BeginKon(KonState& state) {
  KonEvents events;
  if (state.KonPhase != kpDealt || !IsSeat(state.TurnState)) return events;
  state.KonPhase = kpPlaying;
  events.Add(ApplyAnte(state, kSeat1));
  events.Add(ApplyAnte(state, kSeat2));
  return events;
}

KonEvents PlayKonCard(KonState& state, int seat, int slot) {
  KonEvents events;
  if (!IsInTurn(state, seat) || !MayLayFromSlot(state, seat, slot)) return events;
  events.Add(ApplyLay(state, seat, slot));
  if (state.Hands[seat].CardCount == 0) events.Add(ApplyEnd(state));
  return events;
}

KonEvents PassKon(KonState& state, int seat) {
  KonEvents events;
  if (!IsInTurn(state, seat) || !SeatHasNoMove(state, seat)) return events;
  events.Add(ApplyPass(state, seat));
  return events;
}

KonEvents SettleKon(KonState& state) {
  KonEvents events;
  if (state.TurnState != ksKonOver || !IsSeat(state.Winner)) return events;
  events.Add(ApplySettle(state));
  return events;
}

KonEvents ForfeitKon(KonState& state, int loser) {
  KonEvents events;
  if (!IsSeat(loser) || state.TurnState == ksKonOver || state.TurnState == ksKonSettled) {
    return events;
  }
  if (state.KonPhase == kpDealt) {
    state.KonPhase = kpPlaying;
    ApplyAnte(state, kSeat1);
    ApplyAnte(state, kSeat2);
  }
  // The loser pays as if the winner had just laid his last card.
  events.Add(EndWithWinner(state, OtherSeat(loser)));
  events.Add(ApplySettle(state));
  return events;
}

}  // namespace zendral
