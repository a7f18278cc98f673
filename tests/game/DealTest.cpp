#include "game/Deal.h"

#include <gtest/gtest.h>

#include <set>

namespace zendral {
namespace {

Deck OrderedDeck() {
  Deck deck;
  for (int p = 1; p <= kDeckSize; ++p) deck[p] = CardFromNumber(p);
  return deck;
}

TEST(Deal, GivesEighteenEachAndTheNineOfDiamondsHolderOpens) {
  Random random(11);
  SeatArray<int> opened{};
  for (int i = 0; i < 200; ++i) {
    GameState s;
    const int opener = ShuffleAndDeal(s, random);
    std::set<int> all;
    for (int seat : {kSeat1, kSeat2}) {
      ASSERT_EQ(s.Hands[seat].CardCount, kHandSize);
      for (int slot = 1; slot <= kHandSize; ++slot) all.insert(CardNumber(s.Hands[seat][slot]));
      EXPECT_TRUE(s.Hands[seat][kHandSize + 1].IsEmpty());
    }
    EXPECT_EQ(all.size(), 36u);
    ASSERT_TRUE(opener == kSeat1 || opener == kSeat2);
    EXPECT_NE(SlotOf(s.Hands[opener], kOpeningCard), 0);
    EXPECT_EQ(SlotOf(s.Hands[OtherSeat(opener)], kOpeningCard), 0);
    ++opened[opener];
  }
  EXPECT_GT(opened[kSeat1], 50);  // both seats open, as the deal falls
  EXPECT_GT(opened[kSeat2], 50);
}

// The ordered deck puts the nine of diamonds (card 14) at position 14: in the first half.
TEST(Deal, ReceivedDeckIsPlacedSoBothProgramsAgree) {
  struct Case {
    DeckOwner owner;
    int seatWithFirstHalf;
  } cases[] = {
      {DeckOwner::kDealer, kSeat1},
      {DeckOwner::kLanClient, kSeat2},
      {DeckOwner::kRelaySeat1, kSeat2},
      {DeckOwner::kRelaySeat2, kSeat1},
  };
  const Deck deck = OrderedDeck();
  for (const auto& c : cases) {
    GameState s;
    const int opener = PlaceReceivedDeck(s, deck, c.owner);
    EXPECT_EQ(opener, c.seatWithFirstHalf);
    EXPECT_NE(SlotOf(s.Hands[c.seatWithFirstHalf], deck[1]), 0);
    EXPECT_NE(SlotOf(s.Hands[OtherSeat(c.seatWithFirstHalf)], deck[36]), 0);
  }
}

TEST(Deal, OpeningSeatIsNoneWhenNeitherHandHoldsTheNine) {
  GameState s;
  EXPECT_EQ(OpeningSeat(s), 0);
}

}  // namespace
}  // namespace zendral
