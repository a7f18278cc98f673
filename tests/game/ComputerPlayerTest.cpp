#include "game/ComputerPlayer.h"

#include <gtest/gtest.h>

#include "game/CardList.h"

namespace zendral {
namespace {

struct Position {
  const char* own;
  const char* opponent;
  const char* layout;
};

int Choose(const Position& p, int layCounter = 0) {
  const Hand own = MakeHand(ParseCardList(p.own).cards);
  const Hand opp = MakeHand(ParseCardList(p.opponent).cards);
  Layout layout;
  const auto laid = ParseCardList(p.layout).cards;
  for (const TCardCode c : laid) layout.Put(c);
  if (layCounter == 0) layCounter = 1 + static_cast<int>(laid.size());
  return ChooseMove(own, layout, opp, layCounter);
}

std::string ChosenCard(const Position& p) {
  const int slot = Choose(p);
  if (slot == 0) return "pass";
  return ToNotation(MakeHand(ParseCardList(p.own).cards)[slot]);
}

TEST(ChooseMove, OpeningMoveIsTheNineOfDiamondsWhateverElseIsHeld) {
  // Sorted: 6h 7h 8h 9h 9c 9d … : the nine of diamonds in slot 6.
  EXPECT_EQ(Choose({"6h 7h 8h 9h 9c 9d As", "6s", ""}, 1), 6);
  EXPECT_EQ(Choose({"6h 7h 9c 9d As", "6s", "9h 8h"}, 1), 4);  // lay counter decides
}

// Each case names the card the computer must lay, and why.
TEST(ChooseMove, ClassesLookAheadAndTies) {
  struct Case {
    Position p;
    const char* card;
  } cases[] = {
      // Nine of hearts is class 4 (nothing below, run above); nine of spades class 1 (gap below).
      {{"9h Th Jh 7s 9s", "6d 7d", "9d"}, "9s"},
      // The opponent could lay everything after 9s (only 8s): class 1 drops behind class 4.
      {{"9h Th Jh 7s 9s", "8s", "9d"}, "9h"},
      // 10h has a gap beyond (K held, J and Q not): class 1, but Jh alone would follow it.
      {{"Th Kh 6d", "Jh", "9h 9d 8d 7d"}, "6d"},
      {{"Th Kh 6d", "Jh 7s", "9h 9d 8d 7d"}, "Th"},
      // Two class-2 cards: hearts before diamonds.
      {{"6h Ad", "Jc 7s", "9h 8h 7h 9d Td Jd Qd Kd"}, "6h"},
      // A ten with J and Q held (run) is class 2; with J and A held it is class 1.
      {{"Th Jh Qh 6s", "7c", "9h 9s 8s 7s"}, "Th"},
      {{"Th Jh Ah 6s", "7c", "9h 9s 8s 7s"}, "Th"},
      // Jack with nothing beyond (class 5) < eight with nothing beyond (4) < king alone (3).
      {{"Jh 8d Kc", "7s", "9h Th 9d 9c Tc Jc Qc 9s"}, "Kc"},
      {{"Jh 8d", "7s", "9h Th 9d 9c Tc Jc Qc 9s"}, "8d"},
      // Nothing legal in hand: pass.
      {{"6h Ac", "7s", "9h 9d 9c 9s"}, "pass"},
      // A nine with a run on both sides is class 2, ahead of a bare seven (class 3).
      {{"8h 9h Th 7d", "Ks", "9d 8d 9c 9s"}, "9h"},
      // A layout no kon reaches (a tool's): while its nine is out, a row offers only the nine,
      // so 6h (next to 7h, class 2) is not legal even though 9h (gap below: class 1) drops
      // behind class 4 because the opponent could lay 8h.
      {{"6h 9h Th", "8h", "7h 9d"}, "9h"},
      // Where the nine lies, every missing rank next to a laid one on the nine's side is
      // legal: 8h between 9h and 6h is the first card of the best class.
      {{"8h Ts", "Jc", "6h 9h 9d 9c 9s"}, "8h"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChosenCard(c.p), c.card)
        << "own [" << c.p.own << "] opp [" << c.p.opponent << "] layout [" << c.p.layout << "]";
  }
}

TEST(ChooseMove, AnEmptyOpponentHandDemotesClassOne) {
  // k = 0 makes j = k: the gap card 9s (class 1) drops behind 9h (class 4).
  EXPECT_EQ(ChosenCard({"9h Th Jh 7s 9s", "", "9d"}), "9h");
}

TEST(HandHelpers, SlotLookupAndBlocking) {
  Hand hand = MakeHand(ParseCardList("6h 9h 9d").cards);
  EXPECT_TRUE(HandHasCard(*FromNotation("9h"), hand));
  EXPECT_FALSE(HandHasCard(*FromNotation("9c"), hand));
  EXPECT_EQ(HandSlotOf(*FromNotation("9d"), hand), 3);
  EXPECT_EQ(HandSlotOf(*FromNotation("9c"), hand), 0);
  hand[5] = *FromNotation("9d");  // a code twice: the last slot wins
  EXPECT_EQ(HandSlotOf(*FromNotation("9d"), hand), 5);
  Layout layout;
  EXPECT_TRUE(IsBlockedOn(1, layout, hand));   // six
  EXPECT_FALSE(IsBlockedOn(2, layout, hand));  // nine
  EXPECT_TRUE(IsBlockedOn(4, layout, hand));   // empty slot
}

}  // namespace
}  // namespace zendral
