#pragma once
// The suit symbols of the three families of decks: French (hearts, diamonds, clubs, spades),
// German (hearts, bells, acorns, leaves) and Latin (cups, coins, clubs, swords). The game's
// suit rows stay the same; a family only says how each row is drawn: German bells stand for
// diamonds, acorns for clubs and leaves for spades; Latin cups for hearts, coins for diamonds,
// batons for clubs and swords for spades.

#include <QPainterPath>

namespace zendral::packs {

enum class SuitFamily { kFrench, kGerman, kLatin };

// A German or Latin symbol of suit row 1..4 in a 100 x 100 box. The paths use the odd-even
// rule: the holes (the slit of a bell, the band of a cup, the ring of a coin) let the paper
// show through, so one ink draws the whole symbol.
QPainterPath GermanSuit(int suit);
QPainterPath LatinSuit(int suit);

}  // namespace zendral::packs
