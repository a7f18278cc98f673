#pragma once
// The rules of one kon as changes of a kon state: the deal, the ante, laying a card, the
// forced pass, the end of the kon and the payout of the bank. Nothing here draws, sounds or
// sends: each change returns what happened as events, and the table, the simulation, the
// relay and the server's replays act on those events in their own way.
//
// Two levels:
// - the Apply* steps change the state without asking whether the change is allowed; the kon
//   driver uses them where it has already decided (a click it checked, a peer message it
//   checked) and plays each step to the table at once, so the table shows every step;
// - the checked transitions (BeginKon, PlayKonCard, PassKon, SettleKon, ForfeitKon) refuse
//   what the rules do not allow and are what untrusted callers use: the relay and replays.

#include <array>
#include <cstdint>

#include "Deck.h"
#include "Hand.h"
#include "Layout.h"
#include "Seats.h"

namespace zendral {

// TKonState: whose turn it is, or how far the end of the kon has gone.
enum TKonState : int {
  ksNone = 0,  // before the first deal of a session
  ksSeat1ToMove = 1,
  ksSeat2ToMove = 2,
  ksKonOver = 3,
  ksKonSettled = 4,
};

// TKonPhase: dealt and waiting for the begin click, or playing.
enum TKonPhase : int {
  kpNone = 0,
  kpDealt = 1,
  kpPlaying = 2,
};

inline constexpr int kAnte = 2;
inline constexpr int kPassFine = 2;

// The cards and the money of one kon. Score is each seat's running score: the kon's fines and
// payout change it, so a state that starts at zero ends holding the kon's result.
struct KonState {
  SeatArray<Hand> Hands;
  Layout Board;
  int TurnState = ksNone;
  int KonPhase = kpNone;
  int LayCounter = 1;  // 1 + cards laid in this kon
  int Bank = 0;
  SeatArray<int> Score;
  SeatArray<int> KonFines;    // zero or negative: ante and passes of this kon
  SeatArray<int> KonPenalty;  // zero or negative: cards left in hand at the end of the kon
  int Winner = 0;             // set when the kon ends

  friend bool operator==(const KonState&, const KonState&) = default;
};

enum class KonEventKind : std::uint8_t {
  kAntePaid,  // seat paid the ante (points)
  kLaid,      // seat laid card from slot
  kPassed,    // seat passed and paid the fine (points)
  kKonOver,   // seat won; the loser paid points for the cards left
  kSettled,   // seat (the winner) took the bank of points
};

struct KonEvent {
  KonEventKind kind = KonEventKind::kAntePaid;
  int seat = 0;
  int slot = 0;
  TCardCode card;
  int points = 0;
  friend bool operator==(const KonEvent&, const KonEvent&) = default;
};

// What one transition did, in order; empty when the transition was refused.
class KonEvents {
 public:
  void Add(const KonEvent& event) { items_[static_cast<std::size_t>(count_++)] = event; }
  bool Refused() const { return count_ == 0; }
  int size() const { return count_; }
  const KonEvent& operator[](int i) const { return items_[static_cast<std::size_t>(i)]; }
  const KonEvent* begin() const { return items_.data(); }
  const KonEvent* end() const { return items_.data() + count_; }

 private:
  std::array<KonEvent, 3> items_{};
  int count_ = 0;
};

// The deal: deck positions 1..18 to seat 1 and 19..36 to seat 2, both hands sorted, the money
// of the kon at zero, the layout empty, the holder of the nine of diamonds to move and the kon
// waiting for its begin. The seats' scores are kept.
void DealKonCards(KonState& state, const Deck& deck);
// Everything of a new kon but the hands (already placed by the caller): the layout, the lay
// counter, the bank, fines, penalty and winner; the opener to move when a hand holds the
// opening card.
void StartKon(KonState& state);

// The seat holding the nine of diamonds, or 0 when neither hand holds it.
int OpeningSeat(const KonState& state);

// May the seat lay the card in its slot now? While the opening card is due (LayCounter 1)
// only the nine of diamonds may be laid. Turn and phase are not asked.
inline bool MayLayFromSlot(const KonState& state, int seat, int slot) {
  const Hand& hand = state.Hands[seat];
  if (slot < 1 || slot > hand.CardCount) return false;
  const TCardCode card = hand[slot];
  if (state.LayCounter == 1) return card == kOpeningCard;
  return IsPlayableOn(state.Board, card);
}
// True if none of the seat's cards may be laid (true for an empty hand). The opening rule
// does not apply: the seat that opens always holds the nine of diamonds.
bool SeatHasNoMove(const KonState& state, int seat);

// Unchecked steps.
KonEvent ApplyAnte(KonState& state, int seat);
// Takes the card out of the slot, lays it, counts it and gives the turn to the other seat.
KonEvent ApplyLay(KonState& state, int seat, int slot);
// ApplyLay in its two halves, for the table: the card lands on the layout (and is flown and
// sounded) while its seat still holds the turn, so a peer's answer that arrives meanwhile
// waits; then the turn passes and the card is counted.
KonEvent ApplyLayCard(KonState& state, int seat, int slot);
void ApplyLayTurn(KonState& state);
// The pass fine; the turn goes to the other seat.
KonEvent ApplyPass(KonState& state, int seat);
// ApplyPass in its two halves, for the table, which sounds the pass before the turn passes.
KonEvent ApplyPassFine(KonState& state, int seat);
void ApplyPassTurn(KonState& state);
// The end of the kon: the seat with the empty hand wins (seat 2 unless seat 1's is empty) and
// the loser pays a point per card left into the bank.
KonEvent ApplyEnd(KonState& state);
// The winner takes the bank. The kon's fines and penalty stay readable until the next deal.
KonEvent ApplySettle(KonState& state);

// Checked transitions.
// The begin of a dealt kon: both seats pay the ante, seat 1 first.
KonEvents BeginKon(KonState& state);
// The seat in turn lays the card of its slot; the kon ends when that was its last card.
KonEvents PlayKonCard(KonState& state, int seat, int slot);
// The seat in turn passes: only when it has no card to lay.
KonEvents PassKon(KonState& state, int seat);
// Pays out the bank of a kon that is over.
KonEvents SettleKon(KonState& state);
// The seat gives up a kon not yet over (it left, fell silent or ran out of time): a dealt kon
// takes its ante first, then the other seat wins as if the loser's cards were left at the end,
// and the bank is paid out.
KonEvents ForfeitKon(KonState& state, int loser);

}  // namespace zendral
