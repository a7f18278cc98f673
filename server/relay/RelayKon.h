#pragma once
// The relay's own copy of a tournament kon, kept with the game's rules so that only legal
// moves in turn reach the other seat and the result is the server's, not a seat's word.
// Relay seat 1 holds deck positions 1..18, relay seat 2 positions 19..36; both hands are
// sorted as the programs sort them, so a slot names the same card here and there.

#include <array>

#include "game/Deck.h"
#include "game/Hand.h"
#include "game/Layout.h"

namespace zendral::server::relay {

enum class KonStep { kDealt, kPlaying, kOver };

class RelayKon {
 public:
  explicit RelayKon(const Deck& deck);

  KonStep Step() const { return step_; }
  // The seat that opens (holds the nine of diamonds).
  int Opener() const { return opener_; }
  // The seat whose action is awaited: the opener's begin, the mover; 0 once over.
  int ToMove() const { return step_ == KonStep::kOver ? 0 : turn_; }

  // "hbegin" from the opener: the ante of both seats. False when not allowed now.
  bool Begin(int seat);
  // "hhod" + slot: the seat lays the card of that slot. False when out of turn or illegal.
  bool Move(int seat, int slot);
  // "hpass0": only a seat in turn without a card to lay may pass.
  bool Pass(int seat);
  // The seat gives up (left, silent, or its time ran out): the kon ends with the other seat
  // winning, the loser paying for every card left as at the end of a kon.
  void Forfeit(int loser);

  // Once over: the winner and each seat's score of the kon (they sum to zero).
  int Winner() const { return winner_; }
  int Score(int seat) const { return score_[Index(seat)]; }
  int CardsLeft(int seat) const { return hands_[Index(seat)].CardCount; }
  const Hand& HandOf(int seat) const { return hands_[Index(seat)]; }
  const Layout& Board() const { return board_; }
  int LayCounter() const { return layCounter_; }

 private:
  static std::size_t Index(int seat) { return seat == 2 ? 1 : 0; }
  bool HasMove(int seat) const;
  void Fine(int seat, int points);
  void End(int winner);

  std::array<Hand, 2> hands_;
  Layout board_;
  KonStep step_ = KonStep::kDealt;
  int opener_ = 1;
  int turn_ = 1;
  int layCounter_ = 1;
  int bank_ = 0;
  std::array<int, 2> score_{};
  int winner_ = 0;
};

}  // namespace zendral::server::relay
