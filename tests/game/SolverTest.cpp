// The solver against a plain exhaustive minimax written here on the kon core's own checked
// transitions (no table, no ordering, the money as the core counts it), the scoring of end
// positions, and the expert's choices.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/CardList.h"
#include "game/Deck.h"
#include "game/ExpertPlayer.h"
#include "game/KonCore.h"
#include "game/LeveledKon.h"
#include "game/Random.h"
#include "game/Solver.h"

namespace zendral {
namespace {

// The kon's result for the seat to move, by trying every line of play to the settlement.
int Minimax(const KonState& s) {
  const int seat = s.TurnState;
  std::vector<int> legal;
  for (int slot = 1; slot <= s.Hands[seat].CardCount; ++slot) {
    if (MayLayFromSlot(s, seat, slot)) legal.push_back(slot);
  }
  if (legal.empty()) {
    KonState next = s;
    EXPECT_FALSE(PassKon(next, seat).Refused());
    return -Minimax(next);
  }
  int best = -1000000;
  for (const int slot : legal) {
    KonState next = s;
    EXPECT_FALSE(PlayKonCard(next, seat, slot).Refused());
    int v = 0;
    if (next.TurnState == ksKonOver) {
      EXPECT_FALSE(SettleKon(next).Refused());
      v = next.Score[seat];
    } else {
      v = -Minimax(next);
    }
    best = std::max(best, v);
  }
  return best;
}

// The value of each legal card (or the one pass) by minimax, keyed by card.
std::vector<MoveValue> MinimaxMoves(const KonState& s) {
  const int seat = s.TurnState;
  std::vector<MoveValue> out;
  for (int slot = 1; slot <= s.Hands[seat].CardCount; ++slot) {
    if (!MayLayFromSlot(s, seat, slot)) continue;
    KonState next = s;
    PlayKonCard(next, seat, slot);
    int v = 0;
    if (next.TurnState == ksKonOver) {
      SettleKon(next);
      v = next.Score[seat];
    } else {
      v = -Minimax(next);
    }
    out.push_back({s.Hands[seat][slot], v});
  }
  if (out.empty()) {
    KonState next = s;
    PassKon(next, seat);
    out.push_back({kEmptyCard, -Minimax(next)});
  }
  return out;
}

// A running kon, dealt from the seed and played at random on the core until at most
// cardsLeft cards are in the hands, then the extra passes charged as the core charges them.
KonState SmallKon(std::uint64_t seed, int cardsLeft, int extraPasses1, int extraPasses2) {
  Random random(seed);
  Deck deck;
  ShuffleDeck(deck, random);
  KonState s;
  DealKonCards(s, deck);
  BeginKon(s);
  while (s.Hands[kSeat1].CardCount + s.Hands[kSeat2].CardCount > cardsLeft) {
    const int seat = s.TurnState;
    std::vector<int> legal;
    for (int slot = 1; slot <= s.Hands[seat].CardCount; ++slot) {
      if (MayLayFromSlot(s, seat, slot)) legal.push_back(slot);
    }
    if (legal.empty()) {
      PassKon(s, seat);
      continue;
    }
    KonState next = s;
    PlayKonCard(
        next, seat,
        legal[static_cast<std::size_t>(random.Between1And(static_cast<int>(legal.size())) - 1)]);
    if (next.TurnState == ksKonOver) break;  // keep the kon running: try again from s
    s = next;
  }
  for (int i = 0; i < extraPasses1; ++i) ApplyPassFine(s, kSeat1);
  for (int i = 0; i < extraPasses2; ++i) ApplyPassFine(s, kSeat2);
  return s;
}

struct SmallCase {
  std::uint64_t seed;
  int cardsLeft;
  int passes1, passes2;
};

class SolverAgainstMinimax : public testing::TestWithParam<SmallCase> {};

TEST_P(SolverAgainstMinimax, ValuesOfEveryChoiceAgree) {
  const SmallCase c = GetParam();
  const KonState s = SmallKon(c.seed, c.cardsLeft, c.passes1, c.passes2);
  ASSERT_TRUE(s.TurnState == ksSeat1ToMove || s.TurnState == ksSeat2ToMove);
  const SolverPosition position = PositionOf(s, s.TurnState);
  ASSERT_EQ(PositionProblem(position), "");

  Solver solver(std::size_t{1} << 20);
  std::vector<MoveValue> expected = MinimaxMoves(s);
  std::vector<MoveValue> got = solver.AllMoves(position);
  const auto byCard = [](const MoveValue& a, const MoveValue& b) {
    return CardNumber(a.card) < CardNumber(b.card);
  };
  std::sort(expected.begin(), expected.end(), byCard);
  std::sort(got.begin(), got.end(), byCard);
  EXPECT_EQ(got, expected);
  EXPECT_EQ(solver.Value(position), Minimax(s));
  const MoveValue best = solver.Best(position);
  EXPECT_EQ(best.value, Minimax(s));

  // The other seat's view of the same cards, as if it were to move: still zero-sum answers.
  KonState other = s;
  other.TurnState = OtherSeat(s.TurnState);
  if (!SeatHasNoMove(other, other.TurnState) || !SeatHasNoMove(other, s.TurnState)) {
    EXPECT_EQ(solver.Value(PositionOf(other, other.TurnState)), Minimax(other));
  }
}

std::vector<SmallCase> SmallCases() {
  std::vector<SmallCase> cases;
  // Ten cards or fewer left, both seats to move (the random play decides), no passes and
  // passes given to either seat or both.
  const int passes[][2] = {{0, 0}, {1, 0}, {0, 2}, {3, 1}};
  for (std::uint64_t seed = 1; seed <= 24; ++seed) {
    const int* p = passes[seed % 4];
    cases.push_back({seed, 4 + static_cast<int>(seed % 7), p[0], p[1]});
  }
  return cases;
}
INSTANTIATE_TEST_SUITE_P(SmallPositions, SolverAgainstMinimax, testing::ValuesIn(SmallCases()),
                         [](const testing::TestParamInfo<SmallCase>& param) {
                           const SmallCase& c = param.param;
                           return "Seed" + std::to_string(c.seed) + "Cards" +
                                  std::to_string(c.cardsLeft) + "Passes" +
                                  std::to_string(c.passes1) + std::to_string(c.passes2);
                         });

CardSet Cards(const std::string& text) {
  CardSet set = 0;
  for (const TCardCode card : ParseCardList(text).cards) set |= CardBit(card);
  return set;
}

TEST(Solver, EndPositionsScoreAsTheBankPaysOut) {
  struct EndCase {
    const char* what;
    const char* own;
    const char* opp;
    int ownPasses, oppPasses;
    int value;  // for the seat "own"
  };
  const EndCase cases[] = {
      // Nobody passed, the loser keeps 3 cards: the winner gains 4 + 3 - 2 = 5.
      {"winner, nobody passed", "", "6h 7h 8h", 0, 0, 5},
      {"loser, nobody passed", "6h 7h 8h", "", 0, 0, -5},
      // The winner passed twice, the loser once and keeps 1 card: bank 4 + 6 + 1 = 11, the
      // winner's change 11 - 2 - 4 = +5, the loser's -2 - 2 - 1 = -5.
      {"winner who passed twice", "", "8h", 2, 1, 5},
      {"loser who passed once", "8h", "", 1, 2, -5},
  };
  Solver solver(std::size_t{1} << 16);
  for (const EndCase& c : cases) {
    const SolverPosition p{Cards(c.own), Cards(c.opp), Cards("9h 9d 9s 9c"), c.ownPasses,
                           c.oppPasses};
    EXPECT_EQ(solver.Value(p), c.value) << c.what;
  }
}

TEST(Solver, HandMadePositions) {
  struct HandMadeCase {
    const char* what;
    const char* own;
    const char* opp;
    int ownPasses, oppPasses;
    std::vector<MoveValue> moves;  // best first
  };
  const auto card = [](const char* text) { return *FromNotation(text); };
  const HandMadeCase cases[] = {
      // Laying the last card wins the ante and the loser's fines and cards: 2 + 2 + 3.
      {"last card", "Ts", "6h 7h 8h", 0, 1, {{card("Ts"), 7}}},
      // No card to lay: the mover passes (its second pass), then the other seat lays its last
      // card and wins 2 + 2 * 2 + 1.
      {"forced pass", "7h", "8h", 1, 0, {{kEmptyCard, -7}}},
      // 8h lets the other seat lay 7h at once and win the race; Ts then Qs leaves it without a
      // card, so it pays a fine and loses with 7h in hand: 2 + 2 + 1.
      {"a pass forced on the other seat",
       "8h Ts Qs",
       "Js 7h",
       0,
       0,
       {{card("Ts"), 5}, {card("8h"), -3}}},
  };
  Solver solver(std::size_t{1} << 16);
  for (const HandMadeCase& c : cases) {
    const SolverPosition p{Cards(c.own), Cards(c.opp), Cards("9h 9d 9s 9c"), c.ownPasses,
                           c.oppPasses};
    EXPECT_EQ(solver.AllMoves(p), c.moves) << c.what;
    EXPECT_EQ(solver.Best(p), c.moves.front()) << c.what;
    EXPECT_EQ(solver.Value(p), c.moves.front().value) << c.what;
  }
}

TEST(Solver, PositionProblems) {
  struct ProblemCase {
    const char* own;
    const char* opp;
    const char* layout;
    bool sound;
  };
  const ProblemCase cases[] = {
      {"9d 9h", "Td", "", true},
      {"9h", "9d", "", false},  // the opening card is the other seat's
      {"Td", "Jd", "9d 8d", true},
      {"7d", "Jd", "9d", false},     // 8d is nowhere: 7d can never be laid
      {"Td", "Jd", "9d 7d", false},  // a broken row
      {"Td", "Jd", "8d", false},     // a row without its nine
      {"Td Jd", "Jd", "9d", false},  // a card twice
  };
  for (const ProblemCase& c : cases) {
    const SolverPosition p{Cards(c.own), Cards(c.opp), Cards(c.layout), 0, 0};
    EXPECT_EQ(PositionProblem(p).empty(), c.sound) << c.own << " / " << c.opp << " / " << c.layout;
  }
}

// On whole kons the expert's card is never worth less than another card it could lay, and the
// expert's result is never below what the deal was worth to it.
TEST(ExpertPlayer, NeverChoosesACardWorthLessThanAnother) {
  Solver solver;
  Solver judge(std::size_t{8} << 20);
  Random random(77);
  const SeatChooser checkedExpert = [&](const KonState& s, int seat) {
    const std::vector<MoveValue> all = judge.AllMoves(PositionOf(s, seat));
    const int slot = ChooseExpertMove(solver, s, seat);
    const TCardCode chosen = slot == 0 ? kEmptyCard : s.Hands[seat][slot];
    const auto it =
        std::find_if(all.begin(), all.end(), [&](const MoveValue& m) { return m.card == chosen; });
    EXPECT_NE(it, all.end());
    if (it != all.end()) {
      EXPECT_EQ(it->value, all.front().value);
    }
    return slot;
  };
  for (int kon = 0; kon < 12; ++kon) {
    Deck deck;
    ShuffleDeck(deck, random);
    KonState dealt;
    DealKonCards(dealt, deck);
    BeginKon(dealt);
    const int worth = KonValueFor(judge, dealt, kSeat2);
    KonState state;
    const KonStats stats = PlayKonFromDeck(
        state, deck, SeatArray<SeatChooser>{{SeatChooser(ClassicChoice), checkedExpert}});
    ASSERT_NE(stats.winner, 0);
    EXPECT_GE(state.Score[kSeat2], worth);
    EXPECT_EQ(KonValueFor(judge, state, kSeat2), state.Score[kSeat2]);
  }
}

}  // namespace
}  // namespace zendral
