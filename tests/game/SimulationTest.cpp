#include "game/Simulation.h"

#include <gtest/gtest.h>

#include "game/LeveledKon.h"

namespace zendral {
namespace {

// Whole kons between two computer players: every kon ends, the money sums to zero, and each
// kon's winner gains exactly what the loser pays.
TEST(Simulation, EveryKonEndsAndTheMoneyBalances) {
  Random random(5);
  KonState state;
  for (int k = 0; k < 2000; ++k) {
    const SeatArray<int> before = state.Score;
    const KonStats stats = PlayComputerKon(state, random);
    ASSERT_NE(stats.winner, 0) << "kon " << k << " did not end";
    ASSERT_EQ(state.Score[kSeat1] + state.Score[kSeat2], 0) << "kon " << k;
    const int loser = OtherSeat(stats.winner);
    const int loss = before[loser] - state.Score[loser];
    EXPECT_EQ(loss, stats.cardsLeft - state.KonFines[loser]);  // ante, passes, cards left
    EXPECT_EQ(state.Score[stats.winner] - before[stats.winner], loss);
    EXPECT_EQ(stats.moves, 36 - stats.cardsLeft);
    EXPECT_EQ(state.Bank, 0);
  }
}

// The straight simulation keeps the computer's view of the cards as sets beside the state; the
// same kons played by asking the classic player about the hands slot by slot end in the same
// state, with the same moves and passes.
TEST(Simulation, TheStraightSimulationPlaysAsTheClassicPlayerOnTheHands) {
  Random random(9), again(9);
  KonState state, expected;
  SeatArray<SeatChooser> classic;
  classic[kSeat1] = classic[kSeat2] = ClassicChoice;
  for (int k = 0; k < 2000; ++k) {
    const KonStats got = PlayComputerKon(state, random);
    Deck deck;
    ShuffleDeck(deck, again);
    const KonStats want = PlayKonFromDeck(expected, deck, classic);
    ASSERT_EQ(got.winner, want.winner) << "kon " << k;
    EXPECT_EQ(got.moves, want.moves) << "kon " << k;
    EXPECT_EQ(got.passes, want.passes) << "kon " << k;
    EXPECT_EQ(got.cardsLeft, want.cardsLeft) << "kon " << k;
    ASSERT_EQ(state, expected) << "kon " << k;
  }
}

// The driver, played through its entry points, deals and plays exactly the kons of the straight
// simulation from the same seed, across the sessions its cycles cut them into.
TEST(Simulation, TheDriverPlaysTheSameKonsAsTheStraightSimulation) {
  Random straightRandom(3), drivenRandom(3);
  KonState state;
  DrivenKons driven(drivenRandom);
  for (int k = 0; k < 75; ++k) {
    const KonStats expected = PlayComputerKon(state, straightRandom);
    const KonStats got = driven.PlayNext();
    ASSERT_EQ(got.winner, expected.winner) << "kon " << k;
    EXPECT_EQ(got.moves, expected.moves);
    EXPECT_EQ(got.passes, expected.passes);
    EXPECT_EQ(got.cardsLeft, expected.cardsLeft);
  }
  EXPECT_EQ(driven.state().KonNumber, 15);  // the third session of a new player
  const SeatArray<long long> totals = driven.TotalScores();
  EXPECT_EQ(totals[kSeat1], state.Score[kSeat1]);
  EXPECT_EQ(totals[kSeat2], state.Score[kSeat2]);
}

}  // namespace
}  // namespace zendral
