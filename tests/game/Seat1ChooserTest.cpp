// A chooser of seat 1's moves in place of the classic player: the driver waits while it has
// no answer and plays the answer it gives, through a whole kon.

#include <gtest/gtest.h>

#include "DriverTable.h"
#include "game/ExpertPlayer.h"

namespace zendral {
namespace {

using testing::LocalPlayerMoves;
using testing::SeedWhereSeatOpens;

// Thinks for one tick before each answer, as the program's worker does.
class SlowExpert : public Seat1Chooser {
 public:
  std::optional<int> ChooseSeat1Move(const GameState& state) override {
    if (!thought_) {
      thought_ = true;
      return std::nullopt;
    }
    thought_ = false;
    lastChoice = ExpertChoice(solver_, state, kSeat1).card;
    return ChooseExpertMove(solver_, state, kSeat1);
  }
  TCardCode lastChoice;

 private:
  Solver solver_{std::size_t{16} << 20};
  bool thought_ = false;
};

TEST(Seat1Chooser, TheDriverWaitsForItsAnswerAndPlaysIt) {
  GameState state;
  testing::RecordingTable view;
  testing::RecordingPeer peer;
  testing::RecordingStore store;
  testing::RecordingStatistics stats;
  testing::FakeOnline online;
  Random random(SeedWhereSeatOpens(kSeat1));
  SlowExpert expert;
  KonDriver driver(state, DriverLinks{view, random, nullptr, &store, &stats, &online, &expert});
  state.PlayerSlot = kNewPlayerSlot;
  state.DialogName = "Tester";
  state.DialogPassword = "secret";
  driver.DealKon(false);
  ASSERT_EQ(state.TurnState, ksSeat1ToMove);
  ASSERT_TRUE(driver.MainButtonClick());  // the begin click

  int expertMoves = 0;
  for (int turn = 0;
       turn < 200 && (state.TurnState == ksSeat1ToMove || state.TurnState == ksSeat2ToMove);
       ++turn) {
    if (state.TurnState == ksSeat2ToMove) {
      ASSERT_TRUE(LocalPlayerMoves(driver));
      continue;
    }
    const GameState before = state;
    EXPECT_FALSE(driver.TimerTick());  // no answer yet: nothing happens
    EXPECT_EQ(state.Hands[kSeat1], before.Hands[kSeat1]);
    EXPECT_EQ(state.KonFines, before.KonFines);
    ASSERT_TRUE(driver.TimerTick());
    if (expert.lastChoice.IsEmpty()) {
      EXPECT_EQ(state.KonFines[kSeat1], before.KonFines[kSeat1] - kPassFine);
    } else {
      EXPECT_TRUE(state.Board.Has(expert.lastChoice));
      EXPECT_EQ(SlotOf(state.Hands[kSeat1], expert.lastChoice), 0);
    }
    ++expertMoves;
  }
  EXPECT_EQ(state.TurnState, ksKonOver);
  EXPECT_GT(expertMoves, 5);
}

}  // namespace
}  // namespace zendral
