#pragma once
// A set of cards as one 64-bit word, one bit per card: the solver's positions and the hot
// loops of the classic player and the simulation read hands and the layout this way.

#include <array>
#include <bit>
#include <cstdint>

#include "Card.h"
#include "Hand.h"
#include "Layout.h"

namespace zendral {

// Bit (suit-1)*9 + (rank-1) for each card: each suit row is 9 bits, six lowest.
using CardSet = std::uint64_t;

inline constexpr CardSet kAllCards = (CardSet{1} << kDeckSize) - 1;

constexpr int CardBitIndex(TCardCode card) {
  return (card.suit - 1) * kRanks + (card.rank - 1);
}
constexpr CardSet CardBit(TCardCode card) {
  return CardSet{1} << CardBitIndex(card);
}
constexpr TCardCode CardOfBit(int index) {
  return TCardCode(index % kRanks + 1, index / kRanks + 1);
}
constexpr int CardsIn(CardSet cards) {
#if defined(__x86_64__) && !defined(__POPCNT__)
  // A build for any x86-64 has no popcount instruction, and the library call it makes instead
  // costs more than counting the bits in place.
  cards -= (cards >> 1) & 0x5555'5555'5555'5555ull;
  cards = (cards & 0x3333'3333'3333'3333ull) + ((cards >> 2) & 0x3333'3333'3333'3333ull);
  cards = (cards + (cards >> 4)) & 0x0F0F'0F0F'0F0F'0F0Full;
  return static_cast<int>((cards * 0x0101'0101'0101'0101ull) >> 56);
#else
  return std::popcount(cards);
#endif
}

// A bit in each suit row at the given ranks.
constexpr CardSet RankMask(int fromRank, int toRank) {
  CardSet row = 0;
  for (int r = fromRank; r <= toRank; ++r) row |= CardSet{1} << (r - 1);
  CardSet all = 0;
  for (int s = 0; s < kSuits; ++s) all |= row << (s * kRanks);
  return all;
}
inline constexpr CardSet kNines = RankMask(kNineRank, kNineRank);
inline constexpr CardSet kBelowNines = RankMask(1, kNineRank - 1);
inline constexpr CardSet kAboveNines = RankMask(kNineRank + 1, kRanks);

// The cards of `hand` that may be laid on `layout`: a nine whose place is empty, a card below
// a nine whose upper neighbour lies, a card above a nine whose lower neighbour lies. On an
// empty layout only the opening card may be laid.
inline CardSet LegalCards(CardSet hand, CardSet layout) {
  if (layout == 0) return hand & CardBit(kOpeningCard);
  const CardSet open = kNines | ((layout >> 1) & kBelowNines) | ((layout << 1) & kAboveNines);
  return hand & ~layout & open;
}

// Every card IsPlayableOn allows on the layout, whatever the layout: a nine whose place is
// empty, any other card whose neighbour toward its nine lies.
constexpr CardSet PlayableCards(CardSet layout) {
  return (kNines & ~layout) | ((layout >> 1) & kBelowNines) | ((layout << 1) & kAboveNines);
}

// The ranks of one suit row of the set, as a layout row holds them (bit r for rank r).
constexpr RankSet RowRanks(CardSet cards, int suitRow) {
  constexpr CardSet kRow = (CardSet{1} << kRanks) - 1;
  return static_cast<RankSet>(((cards >> ((suitRow - 1) * kRanks)) & kRow) << 1);
}

constexpr CardSet CardsOfLayout(const Layout& layout) {
  CardSet cards = 0;
  for (int row = 1; row <= kSuits; ++row) {
    cards |= CardSet{static_cast<unsigned>(layout.Row(row) >> 1)} << ((row - 1) * kRanks);
  }
  return cards;
}

// The cards in slots 1..slots of the hand, up to its first empty slot.
inline CardSet CardsOfHand(const Hand& hand, int slots = kHandSlots) {
  CardSet cards = 0;
  for (int slot = 1; slot <= slots && !hand[slot].IsEmpty(); ++slot) cards |= CardBit(hand[slot]);
  return cards;
}

// For each card, the cards a sorted hand puts before it: hearts, clubs, diamonds, spades, each
// from the six up (the set's own order has diamonds before clubs).
inline constexpr auto kSortedBefore = [] {
  std::array<CardSet, kDeckSize> before{};
  for (int bit = 0; bit < kDeckSize; ++bit) {
    const int key = SortSuitIndex(CardOfBit(bit).suit) * kRanks + CardOfBit(bit).rank;
    for (int other = 0; other < kDeckSize; ++other) {
      if (SortSuitIndex(CardOfBit(other).suit) * kRanks + CardOfBit(other).rank < key) {
        before[static_cast<std::size_t>(bit)] |= CardSet{1} << other;
      }
    }
  }
  return before;
}();

// The slot (1-based) the card takes in the sorted, compacted hand of exactly these cards; the
// card is given as a set of one card.
constexpr int SlotInSortedHand(CardSet hand, CardSet card) {
  return CardsIn(hand & kSortedBefore[static_cast<std::size_t>(std::countr_zero(card))]) + 1;
}

}  // namespace zendral
