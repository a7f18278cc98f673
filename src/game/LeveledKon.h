#pragma once
// One kon played straight on the kon core by two choosers of moves, one per seat: the classic
// player, the expert, or whatever a tool or a test puts there.

#include <functional>

#include "Deck.h"
#include "KonCore.h"
#include "Simulation.h"

namespace zendral {

// Slot 1..CardCount of the seat's hand to lay, or 0 to pass.
using SeatChooser = std::function<int(const KonState& state, int seat)>;

// The classic player's choice for a seat.
int ClassicChoice(const KonState& state, int seat);

// Deals the deck, takes the ante and plays the kon to its settlement. Stats with winner 0:
// a chooser gave a move the rules refuse.
KonStats PlayKonFromDeck(KonState& state, const Deck& deck, const SeatArray<SeatChooser>& seats);

}  // namespace zendral
