#include "Deck.h"

#include <cstdint>
#include <utility>

namespace zendral {

void ShuffleDeck(Deck& deck, Random& random) {
  // Fisher–Yates: every one of the 36! orders is equally likely, with 35 draws.
  static constexpr auto kOrdered = [] {
    Deck ordered;
    for (int position = 1; position <= kDeckSize; ++position) {
      ordered.cards[static_cast<std::size_t>(position - 1)] = CardFromNumber(position);
    }
    return ordered;
  }();
  deck = kOrdered;
  for (int position = kDeckSize; position > 1; --position) {
    std::swap(deck[position], deck[random.Between1And(position)]);
  }
}

bool IsCompleteDeck(const Deck& deck) {
  std::uint64_t seen = 0;
  for (const TCardCode card : deck.cards) {
    if (card.rank < 1 || card.rank > kRanks || card.suit < 1 || card.suit > kSuits) return false;
    seen |= std::uint64_t{1} << CardNumber(card);
  }
  return seen == ((std::uint64_t{1} << (kDeckSize + 1)) - 2);  // bits 1..36
}

}  // namespace zendral
