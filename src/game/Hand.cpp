#include "Hand.h"

#include <array>
#include <bit>
#include <cstdint>

#include "CardSet.h"

namespace zendral {
namespace {

constexpr int SortKey(TCardCode card) {
  return SortSuitIndex(card.suit) * kRanks + card.rank;
}

constexpr int kSuitOfSortIndex[] = {kHearts, kClubs, kDiamonds, kSpades};

// Writes the cards of a set of sort keys into slots 1.. in order; returns how many.
int WriteSorted(Hand& hand, std::uint64_t keys) {
  constexpr auto kCardOfKey = [] {
    std::array<TCardCode, kDeckSize + 1> cards{};
    for (int key = 1; key <= kDeckSize; ++key) {
      cards[static_cast<std::size_t>(key)] =
          TCardCode((key - 1) % kRanks + 1, kSuitOfSortIndex[(key - 1) / kRanks]);
    }
    return cards;
  }();
  int slot = 0;
  for (; keys != 0; ++slot, keys &= keys - 1) {
    hand.cards[static_cast<std::size_t>(slot)] =
        kCardOfKey[static_cast<std::size_t>(std::countr_zero(keys))];
  }
  return slot;
}

bool IsCard(TCardCode card) {
  return static_cast<unsigned>(card.rank - 1) < kRanks &&
         static_cast<unsigned>(card.suit - 1) < kSuits;
}

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
  WriteSorted(hand, keys);
}

void SetHandCards(Hand& hand, const TCardCode* cards, int count) {
  hand.Clear();
  std::uint64_t keys = 0;
  bool allCards = true;
  for (int i = 0; i < count; ++i) {
    if (IsCard(cards[i])) {
      keys |= std::uint64_t{1} << SortKey(cards[i]);
    } else {
      allCards = false;
    }
  }
  if (allCards && CardsIn(keys) == count) {
    hand.CardCount = WriteSorted(hand, keys);
    return;
  }
  // An empty slot, no card or a card twice: as SortHand leaves such a hand.
  for (int i = 0; i < count; ++i) hand.cards[static_cast<std::size_t>(i)] = cards[i];
  SortHand(hand);
}

int SlotOf(const Hand& hand, TCardCode card) {
  for (int slot = 1; slot <= hand.CardCount; ++slot) {
    if (hand[slot] == card) return slot;
  }
  return 0;
}

}  // namespace zendral
