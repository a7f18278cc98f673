#include "Simulation.h"

#include <bit>
#include <cstddef>

#include "CardSet.h"
#include "ComputerPlayer.h"
#include "Deal.h"
#include "KonCore.h"

namespace zendral {
namespace {

// Every turn lays a card or passes, and two passes in a row cannot happen with cards left on
// both sides of an open row, so a kon needs far fewer turns than this.
constexpr int kTurnLimit = 4 * kDeckSize;

// The kon loop below is built twice on x86-64: for any processor and for those with a popcount
// instruction, chosen once per kon. The slot of each chosen card is a bit count, made on every
// move, and counting bits without that instruction takes a dozen.
template <bool kPopcount>
[[gnu::always_inline]] inline int SlotOfChosen(CardSet hand, CardSet card) {
  if constexpr (kPopcount) {
    // Expanded in the caller's instruction set: one instruction where it has popcount.
    return __builtin_popcountll(hand &
                                kSortedBefore[static_cast<std::size_t>(std::countr_zero(card))]) +
           1;
  } else {
    return SlotInSortedHand(hand, card);
  }
}

template <bool kPopcount>
[[gnu::always_inline]] inline KonStats PlayKon(KonState& s, Random& random) {
  Deck deck;
  ShuffleDeck(deck, random);
  DealKonCards(s, deck);
  BeginKon(s);

  // The computer's view of the cards is kept beside the state as card sets, changed with each
  // card laid, so that a choice reads no hand slot by slot; the hands stay sorted and
  // compacted, so a card's slot follows from the set. The next choice needs only these sets
  // and whose turn it is, not the state the step has just written, so the kon core checks and
  // plays each move while the next one is being chosen; a step it refuses, or a card it takes
  // that is not the one chosen, ends the kon as failed.
  SeatArray<CardSet> held;
  for (int seat : {kSeat1, kSeat2}) held[seat] = CardsOfHand(s.Hands[seat]);
  CardSet laid = 0;
  int seat = s.TurnState;

  KonStats stats;
  for (int turn = 0; turn < kTurnLimit; ++turn, seat = OtherSeat(seat)) {
    const CardSet own = held[seat];
    CardSet card = 0;  // the chosen card as a set of one
    int slot = 0;
    if (laid == 0) {
      slot = ChooseMove(s.Hands[seat], s.Board, s.Hands[OtherSeat(seat)], s.LayCounter);
      if (slot != 0) card = CardBit(s.Hands[seat][slot]);
    } else {
      card = ChooseCard(own, laid, held[OtherSeat(seat)]);
      if (card != 0) slot = SlotOfChosen<kPopcount>(own, card);
    }
    if (slot == 0) {
      if (PassKon(s, seat).Refused()) return stats;
      ++stats.passes;
      continue;
    }
    const KonEvents events = PlayKonCard(s, seat, slot);
    if (events.Refused() || CardBit(events[0].card) != card) return stats;
    held[seat] = own & ~card;
    laid |= card;
    ++stats.moves;
    if (held[seat] == 0) {
      if (SettleKon(s).Refused()) return stats;
      stats.winner = s.Winner;
      stats.cardsLeft = s.Hands[OtherSeat(seat)].CardCount;
      return stats;
    }
  }
  return stats;  // winner 0: the kon did not end
}

#if defined(__x86_64__) && !defined(__POPCNT__) && defined(__GNUC__)
#define ZENDRAL_POPCOUNT_DISPATCH 1
[[gnu::target("popcnt")]] KonStats PlayKonWithPopcount(KonState& s, Random& random) {
  return PlayKon<true>(s, random);
}
#endif

}  // namespace

KonStats PlayComputerKon(KonState& s, Random& random) {
#ifdef ZENDRAL_POPCOUNT_DISPATCH
  static const bool hasPopcount = __builtin_cpu_supports("popcnt");
  if (hasPopcount) return PlayKonWithPopcount(s, random);
#endif
  return PlayKon<false>(s, random);
}

KonStats PlayKonThroughDriver(KonDriver& driver) {
  const GameState& s = driver.state();
  KonStats stats;
  if (s.KonPhase == kpDealt && !driver.MainButtonClick()) return stats;

  for (int turn = 0;
       turn < kTurnLimit && (s.TurnState == ksSeat1ToMove || s.TurnState == ksSeat2ToMove);
       ++turn) {
    const int seat = s.TurnState;
    const int cardsBefore = s.Hands[seat].CardCount;
    const int finesBefore = s.KonFines[seat];
    bool acted = false;
    if (seat == kSeat1) {
      acted = driver.TimerTick();
    } else {
      const int slot = ChooseMove(s.Hands[kSeat2], s.Board, s.Hands[kSeat1], s.LayCounter);
      acted = slot != 0 ? driver.CardClick(slot) : driver.MainButtonClick();
    }
    if (!acted) return stats;
    if (s.Hands[seat].CardCount < cardsBefore) {
      ++stats.moves;
    } else if (s.KonFines[seat] < finesBefore) {
      ++stats.passes;
    }
  }
  if (s.TurnState != ksKonOver || !driver.MainButtonClick()) return stats;

  stats.winner = s.Hands[kSeat1].CardCount == 0 ? kSeat1 : kSeat2;
  stats.cardsLeft = s.Hands[OtherSeat(stats.winner)].CardCount;
  return stats;
}

DrivenKons::DrivenKons(Random& random) : driver_(state_, DriverLinks{table_, random}) {
  // Nobody watches: no flights and no highlights to compute.
  state_.FlyCards = false;
  state_.HighlightMoves = false;
}

void DrivenKons::StartSession() {
  state_.PlayerSlot = kNewPlayerSlot;
  state_.DialogName = "Bot";
  driver_.DealKon(false);
}

KonStats DrivenKons::PlayNext() {
  if (!state_.GameActive) {
    StartSession();
  } else if (state_.TurnState == ksKonSettled) {
    if (!driver_.MainButtonClick()) {
      // The cycle is complete: the session ends and the next one begins.
      finishedSessions_[kSeat1] += state_.Score[kSeat1];
      finishedSessions_[kSeat2] += state_.Score[kSeat2];
      driver_.ExitButtonClick();
      StartSession();
    }
  }
  return PlayKonThroughDriver(driver_);
}

SeatArray<long long> DrivenKons::TotalScores() const {
  SeatArray<long long> totals = finishedSessions_;
  if (state_.GameActive) {
    totals[kSeat1] += state_.Score[kSeat1];
    totals[kSeat2] += state_.Score[kSeat2];
  }
  return totals;
}

}  // namespace zendral
