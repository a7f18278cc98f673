#pragma once
// The computer's choice of move for seat 1: a fixed one-move heuristic with no randomness
// and no memory. It sorts each legal card it holds into one of five preference classes by
// what it holds further along that suit, looks one move into the opponent's hand, and takes
// the first card of the best class.

#include "CardSet.h"
#include "Hand.h"
#include "Layout.h"

namespace zendral {

// True if any of slots 1..18 holds the card.
bool HandHasCard(TCardCode card, const Hand& hand);
// The last of slots 1..18 holding the card, 0 if none.
int HandSlotOf(TCardCode card, const Hand& hand);
// False when the card in the slot may be laid on the layout; an empty slot is blocked.
bool IsBlockedOn(int slot, const Layout& layout, const Hand& hand);

// Slot 1..18 of own hand to lay, or 0 to pass. layCounter 1 means the opening card is due.
int ChooseMove(const Hand& own, const Layout& layout, const Hand& opponent, int layCounter);

// The same choice after the opening, on card sets (CardSet.h): own and opponent hold the
// seats' cards (of a hand, what ChooseMove examines), layout the laid cards. The card to lay as
// a set of that one card, or the empty set to pass.
CardSet ChooseCard(CardSet own, CardSet layout, CardSet opponent);

}  // namespace zendral
