#include "Deck.h"

#include <utility>

namespace zendral {

void ShuffleDeck(Deck& deck, Random& random) {
  // Fisher–Yates: every one of the 36! orders is equally likely, with 35 draws.
  for (int position = 1; position <= kDeckSize; ++position)
    deck[position] = CardFromNumber(position);
  for (int position = kDeckSize; position > 1; --position) {
    std::swap(deck[position], deck[random.Between1And(position)]);
  }
}

}  // namespace zendral
