#include "Hand.h"

#include <bit>
#include <cstdint>

namespace zendral {
namespace {

constexpr int SortKey(TCardCode card) {
  return SortSuitIndex(card.suit) * kRanks + card.rank;
}

constexpr int kSuitOfSortIndex[] = {kHearts, kClubs, kDiamonds, kSpades};

}  // namespace

void SortHand(Hand& hand) {
  // Close the gaps first; a hand that was sorted before a card left it is then sorted
  // again, which is the case after every move.
  int count = 0;
  bool sorted = true;
  for (std::size_t i = 0; i < hand.cards.size(); ++i) {
    const TCardCode card = hand.cards[i];
    if (card.IsEmpty()) continue;
    if (count > 0 && SortKey(hand.cards[static_cast<std::size_t>(count - 1)]) > SortKey(card)) {
      sorted = false;
    }
    hand.cards[static_cast<std::size_t>(count++)] = card;
  }
  for (std::size_t i = static_cast<std::size_t>(count); i < hand.cards.size(); ++i) {
    hand.cards[i] = kEmptyCard;
  }
  hand.CardCount = count;
  if (sorted) return;

  // Each card of the deck has a bit of its own, in sort order: set them, then read them out.
  std::uint64_t keys = 0;
  for (int i = 0; i < count; ++i) {
    keys |= std::uint64_t{1} << SortKey(hand.cards[static_cast<std::size_t>(i)]);
  }
  for (int slot = 0; keys != 0; ++slot, keys &= keys - 1) {
    const int key = std::countr_zero(keys) - 1;
    hand.cards[static_cast<std::size_t>(slot)] =
        TCardCode(key % kRanks + 1, kSuitOfSortIndex[key / kRanks]);
  }
}

TCardCode TakeFromSlot(Hand& hand, int slot) {
  const TCardCode card = hand[slot];
  for (int i = slot; i < hand.CardCount; ++i) hand[i] = hand[i + 1];
  hand[hand.CardCount] = kEmptyCard;
  hand.CardCount -= 1;
  return card;
}

int SlotOf(const Hand& hand, TCardCode card) {
  for (int slot = 1; slot <= hand.CardCount; ++slot) {
    if (hand[slot] == card) return slot;
  }
  return 0;
}

}  // namespace zendral
