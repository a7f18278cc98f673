#pragma once
// The relay's copy of a tournament kon on the game's own kon core, so that only legal moves in
// turn reach the other seat and the result is the server's, not a seat's word. Relay seat 1
// holds deck positions 1..18, relay seat 2 positions 19..36; both hands are sorted as the
// programs sort them, so a slot names the same card here and there.

#include "game/Deck.h"
#include "game/KonCore.h"

namespace zendral::server::relay {

class RelayKon {
 public:
  explicit RelayKon(const Deck& deck);

  // Dealt and waiting for the opener's begin, playing, or over and paid out.
  bool IsDealt() const { return kon_.KonPhase == kpDealt; }
  bool IsOver() const { return kon_.TurnState == ksKonSettled; }
  // The seat that opens (holds the nine of diamonds).
  int Opener() const { return opener_; }
  // The seat whose action is awaited: the opener's begin, the mover; 0 once over.
  int ToMove() const { return IsOver() ? 0 : kon_.TurnState; }

  // "hbegin" from the opener: the ante of both seats. False when not allowed now.
  bool Begin(int seat);
  // "hhod" + slot: the seat lays the card of that slot. False when out of turn or illegal.
  bool Move(int seat, int slot);
  // "hpass0": only a seat in turn without a card to lay may pass.
  bool Pass(int seat);
  // The seat gives up (left, silent, or its time ran out): the other seat wins.
  void Forfeit(int loser);

  // Once over: the winner and each seat's score of the kon (they sum to zero).
  int Winner() const { return kon_.Winner; }
  int Score(int seat) const { return kon_.Score[SeatOf(seat)]; }
  int CardsLeft(int seat) const { return kon_.Hands[SeatOf(seat)].CardCount; }
  const Hand& HandOf(int seat) const { return kon_.Hands[SeatOf(seat)]; }
  const Layout& Board() const { return kon_.Board; }
  int LayCounter() const { return kon_.LayCounter; }
  const KonState& State() const { return kon_; }

 private:
  // A seat number from a frame is any number: all but 2 read as seat 1.
  static int SeatOf(int seat) { return seat == kSeat2 ? kSeat2 : kSeat1; }

  KonState kon_;
  int opener_ = 1;
};

}  // namespace zendral::server::relay
