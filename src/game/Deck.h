#pragma once
// The shuffled deck of one kon and the deal between the two seats.

#include <array>

#include "Card.h"
#include "Random.h"

namespace zendral {

struct Deck {
  std::array<TCardCode, kDeckSize> cards{};  // deck positions 1..36 at index 0..35
  TCardCode& operator[](int position) { return cards[static_cast<std::size_t>(position - 1)]; }
  const TCardCode& operator[](int position) const {
    return cards[static_cast<std::size_t>(position - 1)];
  }
  friend bool operator==(const Deck&, const Deck&) = default;
};

// A uniformly random permutation of the 36 cards. In play the generator is seeded from the
// clock; tools and tests give a seed and get the same deals every time.
void ShuffleDeck(Deck& deck, Random& random);

// True when the deck holds each of the 36 cards exactly once: a deck received from elsewhere
// is played only then.
bool IsCompleteDeck(const Deck& deck);

}  // namespace zendral
