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

// Setting a hand's cards at once gives what writing them into an empty hand and sorting gives,
// for distinct cards and for lists that are no hand (a card twice, an empty card).
TEST(SetHandCards, GivesTheSameHandAsWritingAndSorting) {
  const char* lists[] = {
      "Ts 8s 9d Jd Tc 7c Qh 9h 6h",
      "6h 7h 8h 9h Th Jh Qh Kh Ah 6c 7c 8c 9c Tc Jc Qc Kc Ac",
      "As",
      "",
      "9h 9h 6c",  // a card twice
      "6c 9h 9h",
  };
  for (const char* list : lists) {
    const std::vector<TCardCode> cards = ParseCardList(list).cards;
    Hand set;
    set[3] = *FromNotation("Kd");  // whatever the hand held before goes
    SetHandCards(set, cards.data(), static_cast<int>(cards.size()));
    Hand sorted = Unsorted(list);
    SortHand(sorted);
    EXPECT_EQ(set, sorted) << list;
  }
  std::vector<TCardCode> withEmpty = ParseCardList("Qh 6h 9d").cards;
  withEmpty.insert(withEmpty.begin() + 1, kEmptyCard);
  Hand set;
  SetHandCards(set, withEmpty.data(), static_cast<int>(withEmpty.size()));
  EXPECT_EQ(Notation(set), "6h Qh 9d");
  EXPECT_EQ(set.CardCount, 3);
}

// Hands of a few cards, of the deal's 18 (the last slot moves nothing) and of all 36 (more than
// a kon's hand holds: slots past the 18th move as well).
TEST(TakeFromSlot, GivesTheSameHandAsEmptyingAndSorting) {
  const char* lists[] = {
      "6h 9h Qh 7c Tc 9d Jd 8s Ts",
      "6h 7h 8h 9h Th Jh Qh Kh Ah 6c 7c 8c 9c Tc Jc Qc Kc Ac",
      "6h 7h 8h 9h Th Jh Qh Kh Ah 6c 7c 8c 9c Tc Jc Qc Kc Ac "
      "6d 7d 8d 9d Td Jd Qd Kd Ad 6s 7s 8s 9s Ts Js Qs Ks As",
  };
  for (const char* list : lists) {
    const Hand start = MakeHand(ParseCardList(list).cards);
    for (int slot = 1; slot <= start.CardCount; ++slot) {
      Hand taken = start;
      Hand sorted = start;
      EXPECT_EQ(TakeFromSlot(taken, slot), start[slot]);
      sorted[slot] = kEmptyCard;
      SortHand(sorted);
      EXPECT_EQ(taken, sorted) << start.CardCount << " cards, slot " << slot;
      EXPECT_EQ(taken.CardCount, start.CardCount - 1);
    }
  }
}

}  // namespace
}  // namespace zendral
