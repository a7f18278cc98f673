// The recorder works out the moves of kons played on the core, watched after every move or
// only now and then; the review of those kons ties the value at the deal to the result.

#include <gtest/gtest.h>

#include "game/Deck.h"
#include "game/KonReview.h"
#include "game/LeveledKon.h"
#include "game/Random.h"

namespace zendral {
namespace {

struct WatchedKon {
  KonMoveRecorder recorder;
  KonState end;
};

// Plays a classic kon on the core, showing the recorder the state every `every` moves.
WatchedKon PlayWatched(std::uint64_t seed, int every) {
  WatchedKon w;
  Random random(seed);
  Deck deck;
  ShuffleDeck(deck, random);
  int moves = 0;
  const SeatChooser watched = [&](const KonState& s, int seat) {
    if (moves++ % every == 0) w.recorder.Observe(s);
    return ClassicChoice(s, seat);
  };
  KonState state;
  DealKonCards(state, deck);
  w.recorder.Observe(state);  // dealt, not begun: nothing to record yet
  PlayKonFromDeck(state, deck, SeatArray<SeatChooser>{{watched, watched}});
  w.end = state;
  return w;
}

TEST(KonMoveRecorder, RecordsEveryMoveWhetherWatchedOftenOrSeldom) {
  for (const int every : {1, 3, 7}) {
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
      WatchedKon w = PlayWatched(seed, every);
      // The state after the settlement: the end of the kon is seen last.
      KonState over = w.end;
      w.recorder.Observe(over);
      ASSERT_TRUE(w.recorder.HasCompleteRecord()) << "seed " << seed << " every " << every;
      KonState replayed;
      ASSERT_TRUE(ReplayRecord(w.recorder.record(), replayed));
      EXPECT_EQ(replayed.Hands[kSeat1], w.end.Hands[kSeat1]);
      EXPECT_EQ(replayed.Hands[kSeat2], w.end.Hands[kSeat2]);
      EXPECT_EQ(replayed.Board, w.end.Board);
      EXPECT_EQ(replayed.KonFines, w.end.KonFines);
    }
  }
}

TEST(KonMoveRecorder, ANewDealStartsANewRecord) {
  WatchedKon first = PlayWatched(11, 1);
  first.recorder.Observe(first.end);
  ASSERT_TRUE(first.recorder.HasCompleteRecord());
  WatchedKon second = PlayWatched(12, 1);
  // The second kon's first look is its fresh play: the old record is dropped.
  KonMoveRecorder& r = first.recorder;
  r.Observe(second.recorder.record().start);
  EXPECT_FALSE(r.HasCompleteRecord());
  EXPECT_TRUE(r.record().moves.empty());
  EXPECT_EQ(r.record().start.Hands[kSeat1], second.recorder.record().start.Hands[kSeat1]);
}

TEST(KonReview, ResultIsTheDealsValueLessLostPlusGifted) {
  Solver solver(std::size_t{16} << 20);
  for (std::uint64_t seed = 1; seed <= 8; ++seed) {
    WatchedKon w = PlayWatched(seed, 1);
    w.recorder.Observe(w.end);
    ASSERT_TRUE(w.recorder.HasCompleteRecord());
    for (const int player : {kSeat1, kSeat2}) {
      const KonReview review = ReviewKon(solver, w.recorder.record(), player);
      ASSERT_TRUE(review.ok);
      // The result is what the core paid out, from the seat's score before the kon.
      EXPECT_EQ(review.result, w.end.Score[player]);
      EXPECT_EQ(review.result, review.valueAtDeal - review.lost + review.gifted);
      int lost = 0, gifted = 0;
      for (const ReviewStep& step : review.steps) {
        if (step.seat == player) {
          EXPECT_LE(step.valueAfter, step.valueBefore);  // a move never beats perfect play
          lost += step.valueBefore - step.valueAfter;
          EXPECT_EQ(step.better.IsEmpty(),
                    step.valueAfter == step.valueBefore || step.card.IsEmpty());
        } else {
          EXPECT_GE(step.valueAfter, step.valueBefore);
          gifted += step.valueAfter - step.valueBefore;
        }
        if (step.card.IsEmpty()) {
          EXPECT_EQ(step.valueAfter, step.valueBefore);  // a pass is forced
        }
      }
      EXPECT_EQ(lost, review.lost);
      EXPECT_EQ(gifted, review.gifted);
    }
  }
}

}  // namespace
}  // namespace zendral
