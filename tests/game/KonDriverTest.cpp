// Local games through the kon driver's entry points: the opening, the pass button, the money,
// the 30-kon cycle and what a finished session stores.

#include "game/KonDriver.h"

#include <gtest/gtest.h>

#include "DriverTable.h"
#include "game/CardList.h"
#include "game/Scores.h"
#include "game/Simulation.h"

namespace zendral {
namespace {

using testing::DriverTable;
using testing::LocalPlayerMoves;
using testing::SeedWhereSeatOpens;

TEST(Opening, TheHolderOfTheNineOfDiamondsOpensAfterTheAnte) {
  for (const int opener : {kSeat1, kSeat2}) {
    SCOPED_TRACE(opener);
    DriverTable t(SeedWhereSeatOpens(opener));
    t.StartNewPlayer("Ann  ");
    const GameState& s = t.state;
    EXPECT_EQ(s.KonNumber, 1);  // a new player starts at 0
    EXPECT_EQ(s.TurnState, opener);
    EXPECT_EQ(s.SeatName[kSeat1], "PC");
    EXPECT_EQ(s.SeatName[kSeat2], "Ann");
    EXPECT_EQ(t.view.Matching("hint"), std::vector<std::string>{"hint 1/30"});
    EXPECT_TRUE(s.MainButtonEnabled);
    EXPECT_FALSE(s.ExitButtonEnabled);
    EXPECT_FALSE(t.driver.TimerTick()) << "the computer waits for the begin click";

    ASSERT_TRUE(t.driver.MainButtonClick());
    EXPECT_EQ(s.Bank, 4);
    EXPECT_EQ(s.Score, (SeatArray<int>{{-2, -2}}));
    EXPECT_EQ(s.MainButtonCaption, MainCaption::kPass);
    EXPECT_FALSE(s.MainButtonEnabled);
    EXPECT_FALSE(t.driver.MainButtonClick());

    const int nine = SlotOf(s.Hands[kSeat2], kOpeningCard);
    if (opener == kSeat2) {
      EXPECT_EQ(t.view.lastHighlight, std::vector<int>{nine});
      EXPECT_FALSE(t.driver.TimerTick());
      // Any other card, even a nine, is refused while the opening card is due.
      const int other = nine == 1 ? 2 : 1;
      const GameState before = s;
      t.view.calls.clear();
      EXPECT_FALSE(t.driver.CardClick(other));
      EXPECT_EQ(t.view.calls, std::vector<std::string>{"sound WWrongs"});
      EXPECT_EQ(s, before);
      EXPECT_FALSE(t.driver.CardClick(s.Hands[kSeat2].CardCount + 1));
      ASSERT_TRUE(t.driver.CardClick(nine));
      EXPECT_EQ(s.TurnState, ksSeat1ToMove);
    } else {
      EXPECT_FALSE(t.driver.CardClick(nine)) << "not the local player's turn";
      EXPECT_TRUE(t.view.lastHighlight.empty());
    }
    ASSERT_TRUE(t.driver.TimerTick());
    EXPECT_TRUE(s.Board.Has(kOpeningCard));
    EXPECT_EQ(s.LayCounter, opener == kSeat2 ? 3 : 2);
    EXPECT_EQ(s.Hands[kSeat1].CardCount, 17);
  }
}

// Whole sessions, step by step: after every entry point the money is where it should be, and
// the pass button is offered exactly when the local player cannot lay a card.
TEST(WholeSessions, KeepTheMoneyAndOfferThePassExactlyWhenNeeded) {
  int passesPressed = 0, refusedPresses = 0;
  for (std::uint64_t seed = 1; seed <= 3; ++seed) {
    DriverTable t(seed);
    const GameState& s = t.state;
    t.StartNewPlayer("Ann");
    for (int kon = 1; kon <= 30; ++kon) {
      ASSERT_TRUE(t.driver.MainButtonClick());  // begin
      const SeatArray<int> atDeal{{s.Score[kSeat1] + 2, s.Score[kSeat2] + 2}};
      for (int step = 0; s.TurnState == ksSeat1ToMove || s.TurnState == ksSeat2ToMove; ++step) {
        ASSERT_LT(step, 200) << "the kon does not end";
        if (s.TurnState == ksSeat1ToMove) {
          ASSERT_TRUE(t.driver.TimerTick());
          if (s.TurnState == ksSeat2ToMove) {
            ASSERT_EQ(s.MainButtonCaption, MainCaption::kPass);
            ASSERT_EQ(s.MainButtonEnabled, SeatHasNoMove(s, kSeat2));
          }
        } else if (SeatHasNoMove(s, kSeat2)) {
          ASSERT_TRUE(s.MainButtonEnabled);
          const int before = s.Score[kSeat2];
          ASSERT_TRUE(t.driver.MainButtonClick());
          EXPECT_EQ(s.Score[kSeat2], before - 2);
          EXPECT_EQ(s.TurnState, ksSeat1ToMove);
          ++passesPressed;
        } else {
          refusedPresses += t.driver.MainButtonClick() ? 0 : 1;
          ASSERT_TRUE(LocalPlayerMoves(t.driver));
        }
        ASSERT_EQ(s.Score[kSeat1] + s.Score[kSeat2] + s.Bank, 0);
      }
      ASSERT_EQ(s.TurnState, ksKonOver);
      const int winner = s.Hands[kSeat1].CardCount == 0 ? kSeat1 : kSeat2;
      const int loser = OtherSeat(winner);
      EXPECT_EQ(s.KonPenalty[loser], -s.Hands[loser].CardCount);
      const int loserPays = -s.KonFines[loser] - s.KonPenalty[loser];
      const int winnerPaid = -s.KonFines[winner];

      ASSERT_TRUE(t.driver.MainButtonClick());  // totals
      EXPECT_EQ(s.TurnState, ksKonSettled);
      EXPECT_EQ(s.Bank, 0);
      EXPECT_EQ(s.Score[kSeat1] + s.Score[kSeat2], 0);
      EXPECT_EQ(s.Score[winner] - atDeal[winner], loserPays);
      EXPECT_EQ(atDeal[loser] - s.Score[loser], loserPays);
      EXPECT_GE(loserPays, 2 + 1);  // the ante and at least one card
      EXPECT_GE(winnerPaid, 2);
      EXPECT_EQ(s.KonFines, (SeatArray<int>{}));
      EXPECT_EQ(s.KonPenalty, (SeatArray<int>{}));
      EXPECT_EQ(s.SessionScore, s.Score[kSeat2]);
      EXPECT_EQ(s.TotalScore, s.Score[kSeat2]);
      if (kon < 30) {
        ASSERT_TRUE(t.driver.MainButtonClick());  // next kon
      }
    }
  }
  EXPECT_GT(passesPressed, 0);
  EXPECT_GT(refusedPresses, 0);
}

TEST(Cycle, ANewPlayerPlaysAWholeCycleAndItsResultIsStored) {
  DriverTable t(7);
  t.store.writeResult = {true, 4};
  const GameState& s = t.state;
  t.StartNewPlayer("Ann");
  for (int kon = 1; kon <= 30; ++kon) {
    ASSERT_NE(PlayKonThroughDriver(t.driver).winner, 0) << "kon " << kon;
    EXPECT_TRUE(s.ExitButtonEnabled);
    EXPECT_TRUE(s.CanFinish);
    EXPECT_EQ(s.MainButtonEnabled, kon < 30);
    if (kon < 30) {
      ASSERT_TRUE(t.driver.MainButtonClick());
    }
  }
  EXPECT_FALSE(t.driver.MainButtonClick()) << "the cycle is complete";
  const int score = s.Score[kSeat2];
  ASSERT_TRUE(t.driver.ExitButtonClick());

  const double rating = LocalRating(30, score, 0, 0);
  EXPECT_NEAR(rating, score / 30.0, 0.5e-6);
  ASSERT_EQ(t.store.stored.size(), 1u);
  const auto& stored = t.store.stored[0];
  EXPECT_EQ(stored.club, ClubKind::kLocal);
  EXPECT_EQ(stored.memberLine, 0);
  EXPECT_EQ(stored.record, (PlayerRecord{"Ann", rating, 30, score, "secret"}));
  EXPECT_TRUE(stored.matchComplete);
  EXPECT_EQ(t.store.history, (std::vector<HistoryEntry>{{"Ann", 30, score, rating, 0}}));
  ASSERT_EQ(t.stats.reports.size(), 1u);
  const GameCounters& r = t.stats.reports[0];
  EXPECT_EQ(r(1), 30);
  EXPECT_EQ(r(2), 1);
  EXPECT_EQ(r(3) - r(4), score);
  EXPECT_EQ(t.online.calls.back(), "world top ten " + std::to_string(score));
  ASSERT_EQ(t.view.endOfCycleWindows.size(), 1u);
  EXPECT_EQ(t.view.endOfCycleWindows[0].place, 4);
  EXPECT_EQ(t.view.endOfCycleWindows[0].score, score);
  EXPECT_TRUE(t.view.Matching("sound WKoGood").empty());
  EXPECT_TRUE(t.view.Matching("sound WKoBads").empty());
  EXPECT_FALSE(s.GameActive);
  EXPECT_TRUE(s.MenuShown);
  EXPECT_EQ(t.view.calls.back(), "popup off off");
}

TEST(ScoreWindow, AfterTwoKonsCountsTwoWhileTheThirdIsOnTheTable) {
  DriverTable t(7);
  const GameState& s = t.state;
  t.StartNewPlayer("Ann");
  for (int kon = 1; kon <= 2; ++kon) {
    ASSERT_NE(PlayKonThroughDriver(t.driver).winner, 0) << "kon " << kon;
    ASSERT_TRUE(t.driver.MainButtonClick());  // deals the next kon
  }
  const int score = s.SessionScore;
  ASSERT_EQ(s.KonNumber, 3);
  const TCount expected{"2",
                        "2",
                        "0",
                        std::to_string(score),
                        std::to_string(score),
                        "  0,00",
                        FormatClubRating(LocalRating(2, score, 0, 0))};
  ASSERT_TRUE(t.driver.OpenScoreWindow());
  EXPECT_EQ(t.view.scoreWindows.back(), expected) << "dealt";
  ASSERT_TRUE(t.driver.MainButtonClick());  // the begin click takes the ante
  ASSERT_NE(s.Score[kSeat2], score);
  ASSERT_TRUE(t.driver.OpenScoreWindow());
  EXPECT_EQ(t.view.scoreWindows.back(), expected) << "ante paid";
}

TEST(Cycle, AClubMemberContinuesHisStoredCount) {
  DriverTable t(11);
  t.store.members[2] = PlayerRecord{"Boris", 0.5, 28, 7, "pw"};
  const GameState& s = t.state;
  t.state.PlayerSlot = 2;
  t.driver.DealKon(false);
  EXPECT_EQ(t.store.loads, (std::vector<std::pair<ClubKind, int>>{{ClubKind::kLocal, 2}}));
  EXPECT_EQ(s.KonNumber, 29);
  EXPECT_EQ(s.KonAtStart, 28);
  EXPECT_EQ(s.ScoreAtStart, 7);
  EXPECT_EQ(t.view.Matching("panel").front(), "panel 1 0");  // kons of this session
  EXPECT_EQ(t.view.Matching("hint"), std::vector<std::string>{"hint 29/30"});

  ASSERT_NE(PlayKonThroughDriver(t.driver).winner, 0);
  ASSERT_TRUE(t.driver.MainButtonClick());
  ASSERT_NE(PlayKonThroughDriver(t.driver).winner, 0);
  EXPECT_FALSE(s.MainButtonEnabled);  // kon 30 closes the cycle
  const int score = s.Score[kSeat2];
  EXPECT_EQ(s.TotalScore, 7 + score);
  ASSERT_TRUE(t.driver.ExitButtonClick());
  ASSERT_EQ(t.store.stored.size(), 1u);
  EXPECT_EQ(t.store.stored[0].memberLine, 2);
  EXPECT_EQ(t.store.stored[0].record,
            (PlayerRecord{"Boris", LocalRating(30, score, 0.5, 28), 30, 7 + score, "pw"}));
  EXPECT_EQ(t.store.history[0].HKon, 2);
}

TEST(Cycle, AnUnreadableMemberLineStartsAfreshAndReplacesNoLine) {
  DriverTable t;
  t.state.PlayerSlot = 3;  // the store has no member there
  t.state.DialogName = "Vera";
  t.driver.DealKon(false);
  EXPECT_EQ(t.state.KonNumber, 1);
  ASSERT_NE(PlayKonThroughDriver(t.driver).winner, 0);
  ASSERT_TRUE(t.driver.ExitButtonClick());
  ASSERT_EQ(t.store.stored.size(), 1u);
  EXPECT_EQ(t.store.stored[0].memberLine, 0);
  EXPECT_EQ(t.store.stored[0].record.name, "Vera");
}

// A session prepared at the point where the exit button ends it.
struct FinishCase {
  int storedKons;
  double storedRating;
  int kons;
  int score;
};

DriverTable& PreparedForExit(DriverTable& t, const FinishCase& c) {
  t.store.members[1] = PlayerRecord{"Gleb", c.storedRating, c.storedKons, 3, "pw"};
  t.state.PlayerSlot = 1;
  t.driver.DealKon(false);
  t.state.KonNumber = c.storedKons + c.kons;
  t.state.TotalScore = 3 + c.score;
  t.view.calls.clear();
  t.driver.FinishSession(c.score, c.kons);
  return t;
}

TEST(FinishSession, ComputesTheRatingOfTheWorkedExample) {
  DriverTable t;
  PreparedForExit(t, {10, 1.5, 5, -20});
  ASSERT_EQ(t.store.stored.size(), 1u);
  EXPECT_DOUBLE_EQ(t.store.stored[0].record.rating, -0.333333);
  EXPECT_EQ(t.store.stored[0].record.konCount, 15);
  EXPECT_DOUBLE_EQ(t.state.NewRating, -0.333333);
  EXPECT_DOUBLE_EQ(t.store.history[0].HRei, -0.333333);
}

TEST(FinishSession, OnlyACompleteCycleShowsTheEndOfCycleWindow) {
  struct Case {
    int storedKons, kons, score;
    const char* sound;  // the session's sound, or "" for none
    bool window;
  } cases[] = {
      {55, 5, 4, "", true},
      {54, 5, 4, "sound WKoGood", false},
      {54, 5, -4, "sound WKoBads", false},
      {54, 5, 0, "", false},
      {0, 30, -9, "", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.storedKons + c.kons);
    DriverTable t;
    PreparedForExit(t, {c.storedKons, 0.0, c.kons, c.score});
    const auto sounds = t.view.Matching("sound");
    EXPECT_EQ(sounds, *c.sound ? std::vector<std::string>{c.sound} : std::vector<std::string>{});
    EXPECT_EQ(t.view.endOfCycleWindows.size(), c.window ? 1u : 0u);
    EXPECT_EQ(t.store.stored[0].matchComplete, c.window);
    EXPECT_EQ(t.state.MatchComplete, c.window);
  }
}

TEST(FinishSession, AFailedWriteIsShownAndTheSessionStillEnds) {
  DriverTable t;
  t.store.writeResult = {false, 2};
  t.store.historyWritten = false;
  PreparedForExit(t, {29, 0.0, 1, 5});
  EXPECT_EQ(t.view.Matching("error"),
            (std::vector<std::string>{
                "error " + std::to_string(static_cast<int>(GameText::kHistoryWriteError)),
                "error " + std::to_string(static_cast<int>(GameText::kDiskWriteError))}));
  ASSERT_EQ(t.view.endOfCycleWindows.size(), 1u);
  EXPECT_EQ(t.view.endOfCycleWindows[0].place, 0) << "an unwritten result took no place";
  EXPECT_FALSE(t.state.GameActive);
  EXPECT_EQ(t.view.calls.back(), "popup off off");
}

// The exact sequence the table sees when the local player lays his last card and then
// takes the totals.
TEST(ViewOrder, LastCardAndSettlementOfALocalKon) {
  DriverTable t;
  t.StartNewPlayer("Ann");
  GameState& s = t.state;
  ASSERT_TRUE(t.driver.MainButtonClick());
  // Seat 2 keeps only the ten of diamonds over a laid nine; seat 1 keeps three cards.
  s.Board.Clear();
  s.Board.Put(kOpeningCard);
  s.LayCounter = 2;
  s.Hands[kSeat2] = MakeHand(ParseCardList("Td").cards);
  s.Hands[kSeat1] = MakeHand(ParseCardList("6h 7h As").cards);
  s.TurnState = ksSeat2ToMove;
  s.FlyCards = true;
  t.view.calls.clear();

  ASSERT_TRUE(t.driver.CardClick(1));
  EXPECT_EQ(t.view.calls, (std::vector<std::string>{
                              "fly 2 1 Td", "hand 2 up", "layout", "sound WHodsDo wait", "tabs 1",
                              "pointer", "plates PC|Ann", "panel 1 7", "sound WKoGutX", "tabs 0",
                              "button TotalOfGame on", "hand 1 up"}));
  EXPECT_EQ(s.TurnState, ksKonOver);

  t.view.calls.clear();
  s.GifSave = true;
  ASSERT_TRUE(t.driver.MainButtonClick());
  EXPECT_EQ(t.view.calls,
            (std::vector<std::string>{"panel 1 0", "sound WHodOtb", "tabs 0", "button NextGame off",
                                      "button NextGame on", "exit on", "redraw", "gif frame",
                                      "gif write"}));
  EXPECT_EQ(s.Score, (SeatArray<int>{{-5, 5}}));
  EXPECT_TRUE(t.peer.calls.empty());
}

TEST(Speaking, ARightClickSpeaksOnlyCardsThePlayerMaySee) {
  DriverTable t(SeedWhereSeatOpens(kSeat2));
  t.StartNewPlayer("Ann");
  const GameState& s = t.state;
  EXPECT_TRUE(t.driver.SpeakCardRequest({CardPlaceKind::kOwnHand, 1, 0}));
  EXPECT_FALSE(t.driver.SpeakCardRequest({CardPlaceKind::kOwnHand, 19, 0}));
  EXPECT_FALSE(t.driver.SpeakCardRequest({CardPlaceKind::kOpponentHand, 1, 0}));
  EXPECT_FALSE(t.driver.SpeakCardRequest({CardPlaceKind::kLayout, 2, 4}));  // empty cell
  ASSERT_TRUE(t.driver.MainButtonClick());
  ASSERT_TRUE(t.driver.CardClick(SlotOf(s.Hands[kSeat2], kOpeningCard)));
  EXPECT_TRUE(t.driver.SpeakCardRequest({CardPlaceKind::kLayout, 2, 4}));
  EXPECT_FALSE(t.driver.SpeakCardRequest({CardPlaceKind::kLayout, 5, 4}));
  ASSERT_NE(PlayKonThroughDriver(t.driver).winner, 0);
  const bool opponentHoldsCards = s.Hands[kSeat1].CardCount > 0;
  EXPECT_EQ(t.driver.SpeakCardRequest({CardPlaceKind::kOpponentHand, 1, 0}), opponentHoldsCards);
  EXPECT_EQ(t.view.Matching("speak").size(), opponentHoldsCards ? 3u : 2u);
}

}  // namespace
}  // namespace zendral
