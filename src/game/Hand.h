#pragma once
// A seat's hand: 36 slots numbered from 1, kept compacted and sorted so that slots
// 1..CardCount hold the seat's cards and every later slot is empty.

#include <array>
#include <cstring>

#include "Card.h"

namespace zendral {

inline constexpr int kHandSlots = kDeckSize;

struct Hand {
  std::array<TCardCode, kHandSlots> cards{};
  int CardCount = 0;

  // slot is 1-based (1..36)
  TCardCode& operator[](int slot) { return cards[static_cast<std::size_t>(slot - 1)]; }
  const TCardCode& operator[](int slot) const { return cards[static_cast<std::size_t>(slot - 1)]; }

  void Clear() {
    cards = {};  // every slot the empty card
    CardCount = 0;
  }
  friend bool operator==(const Hand&, const Hand&) = default;
};

// Sort order of a hand: by suit in the order hearts, clubs, diamonds, spades, then six … ace.
// Returns the position of the suit in that order (0..3).
constexpr int SortSuitIndex(int suitRow) {
  constexpr int kOrder[] = {0, 0, 2, 1, 3};  // hearts, diamonds, clubs, spades
  return kOrder[suitRow];
}

// Sorts and compacts the hand (this game has no trump) and recomputes CardCount.
void SortHand(Hand& hand);

// Makes the hand hold these cards (at most 36) in slots 1..count and sorts it: the same as
// writing them into an empty hand and calling SortHand, without the sort when they are
// distinct cards.
void SetHandCards(Hand& hand, const TCardCode* cards, int count);

// Takes the card out of a slot of a sorted, compacted hand: the later cards move up one slot.
// The same result as emptying the slot and sorting again, without the sort.
inline TCardCode TakeFromSlot(Hand& hand, int slot) {
  const TCardCode card = hand[slot];
  const int count = hand.CardCount;
  if (slot >= 1 && slot <= kHandSlots - kHandSize && count <= kHandSize) {
    // A hand of a kon holds at most 18 cards: the 18 slots after this one are moved up as one
    // block of fixed size (a few register moves, no call). The slots past the last card are
    // empty, so those moved along with the cards change nothing.
    std::array<TCardCode, kHandSize> later;
    std::memcpy(later.data(), &hand.cards[static_cast<std::size_t>(slot)], sizeof later);
    std::memcpy(&hand.cards[static_cast<std::size_t>(slot - 1)], later.data(), sizeof later);
  } else {
    for (int i = slot; i < count; ++i) hand[i] = hand[i + 1];
  }
  hand[count] = kEmptyCard;
  hand.CardCount = count - 1;
  return card;
}

// Slot 1..CardCount holding the card, or 0.
int SlotOf(const Hand& hand, TCardCode card);

}  // namespace zendral
