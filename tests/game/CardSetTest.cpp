// Card sets as one word against the slot-by-slot forms they stand for: the laying rule, a
// card's slot in a sorted hand, the rows of the layout and the count of cards.

#include "game/CardSet.h"

#include <gtest/gtest.h>

#include "game/CardList.h"
#include "game/Deck.h"
#include "game/Random.h"

namespace zendral {
namespace {

// Layouts of every kind: grown by the laying rule as in play, and any cards at all, as a tool
// may put them.
std::vector<Layout> SpreadOfLayouts() {
  std::vector<Layout> layouts(1);  // empty
  Random random(11);
  for (int i = 0; i < 400; ++i) {
    Deck deck;
    ShuffleDeck(deck, random);
    Layout layout;
    const int cards = random.Between1And(kDeckSize);
    for (int k = 1; k <= cards; ++k) {
      if (i % 2 == 0 || IsPlayableOn(layout, deck[k])) layout.Put(deck[k]);
    }
    layouts.push_back(layout);
  }
  return layouts;
}

TEST(CardSet, PlayableCardsFollowTheLayingRuleOnEveryLayout) {
  for (const Layout& layout : SpreadOfLayouts()) {
    const CardSet playable = PlayableCards(CardsOfLayout(layout));
    for (int k = 1; k <= kDeckSize; ++k) {
      const TCardCode card = CardFromNumber(k);
      EXPECT_EQ((playable & CardBit(card)) != 0, IsPlayableOn(layout, card))
          << ToNotation(card) << " on a layout of " << layout.CardsLaid() << " cards";
    }
  }
}

TEST(CardSet, LayoutRowsAndCardsRoundTrip) {
  for (const Layout& layout : SpreadOfLayouts()) {
    const CardSet cards = CardsOfLayout(layout);
    EXPECT_EQ(CardsIn(cards), layout.CardsLaid());
    for (int suit = 1; suit <= kSuits; ++suit) EXPECT_EQ(RowRanks(cards, suit), layout.Row(suit));
  }
}

// Every card of random hands of every size, sorted the way a hand is.
TEST(CardSet, SlotInSortedHandIsTheSlotTheSortGivesTheCard) {
  Random random(12);
  for (int i = 0; i < 300; ++i) {
    Deck deck;
    ShuffleDeck(deck, random);
    const int size = 1 + i % kHandSize;
    const Hand hand = MakeHand({deck.cards.begin(), deck.cards.begin() + size});
    const CardSet cards = CardsOfHand(hand);
    ASSERT_EQ(CardsIn(cards), size);
    for (int slot = 1; slot <= size; ++slot) {
      EXPECT_EQ(SlotInSortedHand(cards, CardBit(hand[slot])), slot) << ToNotation(hand[slot]);
    }
  }
}

TEST(CardSet, CardsOfHandStopAtTheFirstEmptySlotOrTheSlotsAsked) {
  Hand hand = MakeHand(ParseCardList("6h 9h 7c 9d As").cards);
  EXPECT_EQ(CardsOfHand(hand), CardBit(*FromNotation("6h")) | CardBit(*FromNotation("9h")) |
                                   CardBit(*FromNotation("7c")) | CardBit(*FromNotation("9d")) |
                                   CardBit(*FromNotation("As")));
  EXPECT_EQ(CardsOfHand(hand, 2), CardBit(*FromNotation("6h")) | CardBit(*FromNotation("9h")));
  hand[3] = kEmptyCard;
  EXPECT_EQ(CardsOfHand(hand), CardBit(*FromNotation("6h")) | CardBit(*FromNotation("9h")));
  EXPECT_EQ(CardsOfHand(Hand{}), CardSet{0});
}

TEST(CardSet, CardsInCountsEveryBit) {
  struct Case {
    CardSet cards;
    int count;
  } cases[] = {
      {0, 0},
      {CardSet{1}, 1},
      {CardSet{1} << 35, 1},
      {kAllCards, 36},
      {~CardSet{0}, 64},
      {0x5555'5555'5555'5555ull, 32},
      {kNines | kAboveNines, 24},
  };
  for (const auto& c : cases) EXPECT_EQ(CardsIn(c.cards), c.count) << std::hex << c.cards;
}

}  // namespace
}  // namespace zendral
