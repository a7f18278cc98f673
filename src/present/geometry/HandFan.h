#pragma once
// How a hand is fanned (ArrangeHand) and which card the pointer is over (HandSlotAt).

#include <array>

#include "game/Hand.h"

namespace zendral {

inline constexpr int kHandGap = 3;  // pixels between cards that stand side by side

// CardX of one seat: the x offset, from the hand area's left edge, of the card in each slot,
// as last arranged. Every card stands at the top edge of the hand area.
struct HandFan {
  std::array<int, kHandSlots> cardX{};
  int count = 0;
  int cardWidth = 0;

  // slot 1..count; 0 for any other slot
  int X(int slot) const { return slot >= 1 && slot <= count ? cardX[slot - 1] : 0; }
  // The part of the card that the next one leaves visible: up to the next card's left edge,
  // or the whole card for the last one or when the cards do not overlap.
  int VisibleWidth(int slot) const;
};

// ArrangeHand: areaWidth is the fan width (ScaleLength(430)). The cards stand side by side
// with 3-pixel gaps, centred, when they fit; otherwise they overlap from the left edge.
HandFan ArrangeHand(int areaWidth, int cardWidth, int cardCount);

// HandSlotAt: the slot under x (pixels from the hand area's left edge), or 0. A card is hit
// on the part the next card leaves visible; only a slot that holds a card counts.
int HandSlotAt(const HandFan& fan, const Hand& hand, int x);

}  // namespace zendral
