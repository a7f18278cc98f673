#include "game/Hand.h"

#include <gtest/gtest.h>

#include "game/CardList.h"

namespace zendral {
namespace {

std::string Notation(const Hand& hand) {
  std::string out;
  for (int slot = 1; slot <= hand.CardCount; ++slot) {
    if (!out.empty()) out += ' ';
    out += ToNotation(hand[slot]);
  }
  return out;
}

Hand Unsorted(const char* cards) {
  Hand hand;
  int slot = 1;
  for (const TCardCode c : ParseCardList(cards).cards) hand[slot++] = c;
  return hand;
}

TEST(SortHand, OrdersBySuitHeartsClubsDiamondsSpadesThenRank) {
  struct Case {
    const char* cards;
    const char* sorted;
  } cases[] = {
      {"Ts 8s 9d Jd Tc 7c Qh 9h 6h", "6h 9h Qh 7c Tc 9d Jd 8s Ts"},
      {"Ah Kh Qh Jh Th 9h 8h 7h 6h 6c", "6h 7h 8h 9h Th Jh Qh Kh Ah 6c"},
      {"As", "As"},
      {"", ""},
  };
  for (const auto& c : cases) {
    Hand hand = Unsorted(c.cards);
    SortHand(hand);
    EXPECT_EQ(Notation(hand), c.sorted) << c.cards;
  }
}

TEST(SortHand, ClosesGapsAndEmptiesTheFreedSlots) {
  Hand hand = Unsorted("6h 9h Qh 7c Tc");
  hand[2] = kEmptyCard;
  SortHand(hand);
  EXPECT_EQ(Notation(hand), "6h Qh 7c Tc");
  EXPECT_EQ(hand.CardCount, 4);
  EXPECT_TRUE(hand[5].IsEmpty());
  EXPECT_EQ(hand[5].RankValue(), kEmptyRankValue);
}

TEST(TakeFromSlot, GivesTheSameHandAsEmptyingAndSorting) {
  const Hand start = MakeHand(ParseCardList("6h 9h Qh 7c Tc 9d Jd 8s Ts").cards);
  for (int slot = 1; slot <= start.CardCount; ++slot) {
    Hand taken = start;
    Hand sorted = start;
    EXPECT_EQ(TakeFromSlot(taken, slot), start[slot]);
    sorted[slot] = kEmptyCard;
    SortHand(sorted);
    EXPECT_EQ(taken, sorted) << slot;
    EXPECT_EQ(taken.CardCount, start.CardCount - 1);
  }
}

}  // namespace
}  // namespace zendral
