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

// Everything of a new kon but the hands and whose turn it is.
void ClearKon(KonState& s) {
  s.Board.Clear();
  s.LayCounter = 1;
  s.Bank = 0;
  s.KonFines = {};
  s.KonPenalty = {};
  s.Winner = 0;
  s.KonPhase = kpDealt;
}

void GiveTurnToOtherSeat(KonState& s) {
  if (s.TurnState == ksSeat1ToMove || s.TurnState == ksSeat2ToMove) {
    s.TurnState = OtherSeat(s.TurnState);
  }
}

// The steps of laying and passing, kept here in the same unit as the checked transitions that
// use them so that those build their events in place: an event returned through a call is
// written in parts and read back whole, which stalls the processor on every move.
[[gnu::always_inline]] inline KonEvent LayCard(KonState& s, int seat, int slot) {
  // The hand is sorted and compacted: taking the card out closes the gap and keeps the order.
  const TCardCode card = TakeFromSlot(s.Hands[seat], slot);
  s.Board.Put(card);
  return {KonEventKind::kLaid, seat, slot, card, 0};
}

[[gnu::always_inline]] inline void LayTurn(KonState& s) {
  GiveTurnToOtherSeat(s);
  s.LayCounter += 1;
}

[[gnu::always_inline]] inline KonEvent PassFine(KonState& s, int seat) {
  Fine(s, seat, kPassFine);
  return {KonEventKind::kPassed, seat, 0, kEmptyCard, kPassFine};
}

[[gnu::always_inline]] inline KonEvent Settle(KonState& s) {
  const int bank = s.Bank;
  s.Score[s.Winner] += bank;
  s.Bank = 0;
  s.TurnState = ksKonSettled;
  return {KonEventKind::kSettled, s.Winner, 0, kEmptyCard, bank};
}

}  // namespace

void DealKonCards(KonState& state, const Deck& deck) {
  FillHand(state.Hands[kSeat1], deck, 1);
  FillHand(state.Hands[kSeat2], deck, kHandSize + 1);
  ClearKon(state);
  // The hands hold the cards of their halves of the deck, so the opener is found there, in a
  // pass without a branch per card.
  SeatArray<bool> holds{};
  for (int i = 1; i <= kHandSize; ++i) {
    holds[kSeat1] |= deck[i] == kOpeningCard;
    holds[kSeat2] |= deck[kHandSize + i] == kOpeningCard;
  }
  if (holds[kSeat1]) {
    state.TurnState = kSeat1;
  } else if (holds[kSeat2]) {
    state.TurnState = kSeat2;
  }
}

void StartKon(KonState& state) {
  ClearKon(state);
  if (const int opener = OpeningSeat(state); opener != 0) state.TurnState = opener;
}

int OpeningSeat(const KonState& state) {
  for (int seat : {kSeat1, kSeat2}) {
    if (SlotOf(state.Hands[seat], kOpeningCard) != 0) return seat;
  }
  return 0;
}

bool SeatHasNoMove(const KonState& state, int seat) {
  // Every card is looked at, without a way out at the first playable one: a branch per card
  // would be guessed wrong often, a few more cards cost less.
  const Hand& hand = state.Hands[seat];
  bool playable = false;
  for (int slot = 1; slot <= hand.CardCount; ++slot)
    playable |= IsPlayableOn(state.Board, hand[slot]);
  return !playable;
}

KonEvent ApplyAnte(KonState& state, int seat) {
  Fine(state, seat, kAnte);
  return {KonEventKind::kAntePaid, seat, 0, kEmptyCard, kAnte};
}

KonEvent ApplyLay(KonState& state, int seat, int slot) {
  const KonEvent laid = LayCard(state, seat, slot);
  LayTurn(state);
  return laid;
}

KonEvent ApplyLayCard(KonState& state, int seat, int slot) {
  return LayCard(state, seat, slot);
}

void ApplyLayTurn(KonState& state) {
  LayTurn(state);
}

KonEvent ApplyPass(KonState& state, int seat) {
  const KonEvent passed = PassFine(state, seat);
  GiveTurnToOtherSeat(state);
  return passed;
}

KonEvent ApplyPassFine(KonState& state, int seat) {
  return PassFine(state, seat);
}

void ApplyPassTurn(KonState& state) {
  GiveTurnToOtherSeat(state);
}

KonEvent ApplyEnd(KonState& state) {
  return EndWithWinner(state, state.Hands[kSeat1].CardCount == 0 ? kSeat1 : kSeat2);
}

KonEvent ApplySettle(KonState& state) {
  return Settle(state);
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
  events.Add(LayCard(state, seat, slot));
  LayTurn(state);
  if (state.Hands[seat].CardCount == 0) events.Add(EndWithWinner(state, seat));
  return events;
}

KonEvents PassKon(KonState& state, int seat) {
  KonEvents events;
  if (!IsInTurn(state, seat) || !SeatHasNoMove(state, seat)) return events;
  events.Add(PassFine(state, seat));
  GiveTurnToOtherSeat(state);
  return events;
}

KonEvents SettleKon(KonState& state) {
  KonEvents events;
  if (state.TurnState != ksKonOver || !IsSeat(state.Winner)) return events;
  events.Add(Settle(state));
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
