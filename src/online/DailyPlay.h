#pragma once
// The member's kon of the deal of the day as the program plays it: seat 2 is the member, seat
// 1 answers with the classic computer player, whose answer the server's replay demands. Every
// move of both seats is kept in turn, as the settlement carries them, and the kon is recorded
// for its review. Qt-free; the window only shows it and passes the member's clicks.

#include <string>
#include <vector>

#include "game/Deck.h"
#include "game/KonCore.h"
#include "game/KonRecord.h"
#include "game/KonReplay.h"

namespace zendral::online {

class DailyKonPlay {
 public:
  // Deals the deck (positions 1..18 to seat 1), takes the ante and plays on until the member
  // has a card to choose or the kon is over.
  explicit DailyKonPlay(const Deck& deck);

  const KonState& kon() const { return kon_; }
  // The kon is over and paid out.
  bool Over() const { return kon_.TurnState == ksKonSettled; }
  // The member may lay the card now.
  bool MayLay(TCardCode card) const;
  // Lays the member's card, then the forced passes and the computer's answers follow until the
  // member has a choice again or the kon is over. False (nothing changes) for a card that may
  // not be laid now.
  bool Lay(TCardCode card);

  // Seat 2's score of the kon so far (the kon's result once it is over).
  int Score() const { return kon_.Score[kSeat2]; }
  const std::vector<KonMove>& moves() const { return moves_; }
  std::string MovesText() const { return KonMovesText(moves_); }
  // The kon as played, for its review.
  const KonRecord& record() const { return record_; }

 private:
  void Step(int seat, int slot);  // slot 0: a pass
  void PlayOn();

  KonState kon_;
  std::vector<KonMove> moves_;
  KonRecord record_;
};

}  // namespace zendral::online
