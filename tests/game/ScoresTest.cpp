#include "game/Scores.h"

#include <gtest/gtest.h>

namespace zendral {
namespace {

TEST(LocalRating, AveragesOverAllKonsToSixDecimals) {
  struct Case {
    int konNumber, score;
    double storedRating;
    int storedKons;
    double expected;
  } cases[] = {
      {15, -20, 1.5, 10, -0.333333},     // the worked example
      {30, 45, 0, 0, 1.5},               //
      {2'000'000, 5, 0, 0, 0.000002},    // 2.5 millionths: the tie goes to the even 2
      {2'000'000, 3, 0, 0, 0.000002},    // 1.5 millionths: to the even 2
      {2'000'000, -5, 0, 0, -0.000002},  //
      {2'000'000, 1, 0, 0, 0.0},         // half a millionth: to the even 0
      {1, 150, 0, 0, 99.99},             // clamped
      {1, -150, 0, 0, -99.99},           //
      {3, 300, 99.99, 2, 99.99},         //
      {0, 10, 2.25, 0, 2.25},            // no kons at all: the stored rating stands
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(LocalRating(c.konNumber, c.score, c.storedRating, c.storedKons), c.expected)
        << c.konNumber << " kons, score " << c.score;
  }
}

TEST(KonCounters, CountWithinTheCycleAndTheBlockFromOne) {
  EXPECT_EQ(KonInCycle(1), 1);
  EXPECT_EQ(KonInCycle(30), 30);
  EXPECT_EQ(KonInCycle(31), 1);
  EXPECT_EQ(KonInCycle(60), 30);
  EXPECT_EQ(KonInBlock(3), 3);
  EXPECT_EQ(KonInBlock(4), 1);
}

GameState StateOf(GameKind kind, int konNumber) {
  GameState s;
  s.GameActive = true;
  s.TurnState = ksKonSettled;
  s.KonNumber = konNumber;
  switch (kind) {
    case GameKind::kLocal:
      break;
    case GameKind::kRated:
      s.PlayerSlot = kRatedGameSlot;
      break;
    case GameKind::kNetServer:
      s.NetGame = true;
      s.NetRole = kRoleServer;
      break;
    case GameKind::kNetClient:
      s.NetGame = true;
      s.NetRole = kRoleClient;
      break;
    case GameKind::kTournament:
      s.TourGame = true;
      s.RelaySeat = 1;
      break;
  }
  return s;
}

TEST(SettledButtons, FollowTheCycleLocallyAndTheBlocksOfThreeOtherwise) {
  struct Case {
    GameKind kind;
    int konNumber;
    ButtonsAfterSettlement expected;  // next kon, exit, CanFinish
  } cases[] = {
      {GameKind::kLocal, 29, {true, true, true}},
      {GameKind::kLocal, 30, {false, true, true}},
      {GameKind::kLocal, 31, {true, true, true}},
      {GameKind::kRated, 28, {true, false, true}},
      {GameKind::kRated, 30, {false, true, true}},
      {GameKind::kNetServer, 4, {true, false, false}},
      {GameKind::kNetServer, 6, {false, true, true}},
      {GameKind::kNetClient, 5, {false, false, false}},
      {GameKind::kNetClient, 6, {false, true, true}},
      {GameKind::kTournament, 7, {false, true, true}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SettledButtons(StateOf(c.kind, c.konNumber)), c.expected)
        << static_cast<int>(c.kind) << " at kon " << c.konNumber;
  }
}

TEST(CurrentGameBalloon, ShowsTheCountersOfEachKindOfGame) {
  using L = CountLine;
  const GameText total = GameText::kTotalKonNumber, cycle = GameText::kKonInCycle,
                 session = GameText::kKonInSession;
  GameState rated = StateOf(GameKind::kRated, 40);
  rated.KonAtStart = 38;
  rated.ServerCycleKons = 12;
  struct Case {
    GameState state;
    std::vector<CountLine> expected;
  } cases[] = {
      {StateOf(GameKind::kLocal, 61), {L{total, 61, 0}, L{cycle, 1, 30}}},
      {StateOf(GameKind::kLocal, 60), {L{total, 60, 0}, L{cycle, 30, 30}}},
      {StateOf(GameKind::kNetServer, 35), {L{total, 35, 0}, L{cycle, 5, 30}, L{session, 2, 3}}},
      {rated, {L{total, 40, 0}, L{cycle, 14, 30}, L{session, 1, 3}}},
      {StateOf(GameKind::kTournament, 8), {L{total, 8, 0}, L{session, 1, 1}}},
  };
  for (const auto& c : cases) EXPECT_EQ(CurrentGameBalloon(c.state), c.expected);

  GameState waiting = StateOf(GameKind::kNetClient, 1);
  waiting.TurnState = ksNone;  // joined, no deal yet
  EXPECT_TRUE(CurrentGameBalloon(waiting).empty());
}

TEST(ScoreWindow, FillsTheRecordForEachKindOfGame) {
  GameState local = StateOf(GameKind::kLocal, 45);
  local.ScoreAtStart = -7;
  local.Score[kSeat2] = local.SessionScore = 12;
  local.StoredPlayer = {"Ann", 1.5, 40, -7, ""};
  GameState rated = StateOf(GameKind::kRated, 45);
  rated.KonAtStart = 43;
  rated.ServerCycleKons = 9;
  rated.ScoreAtStart = 3;
  rated.Score[kSeat2] = rated.SessionScore = -4;
  rated.StoredPlayer.rating = 12.5;
  GameState tour = StateOf(GameKind::kTournament, 45);
  tour.ScoreAtStart = 100;
  tour.Score[kSeat2] = tour.SessionScore = 6;
  tour.StoredPlayer.rating = 17;
  struct Case {
    GameState state;
    TCount expected;
  } cases[] = {
      // (40 × 1.5 + 12) / 45 = 1.6
      {local, {"45", "15", "-7", "12", "5", "  1,50", "  1,60"}},
      {rated, {"45", "11", "3", "-4", "-1", "12", "?"}},
      {tour, {"45", "-", "100", "6", "106", "17", "?"}},
  };
  for (const auto& c : cases) EXPECT_EQ(ScoreWindowRecord(c.state), c.expected);
}

TEST(ScoreWindow, CountsOnlyTheKonsPlayedToTheSettlement) {
  // A new player has settled two kons at -28 in all; the third is on the table.
  const auto thirdKon = [](int turnState, int score) {
    GameState s = StateOf(GameKind::kLocal, 3);
    s.TurnState = turnState;
    s.SessionScore = -28;
    s.Score[kSeat2] = score;
    return s;
  };
  GameState firstKon = StateOf(GameKind::kLocal, 1);
  firstKon.TurnState = ksSeat1ToMove;
  firstKon.Score[kSeat2] = -2;
  GameState member = StateOf(GameKind::kLocal, 31);  // a member whose cycle ended at 30
  member.KonAtStart = 30;
  member.TurnState = ksSeat2ToMove;
  member.StoredPlayer = {"Ann", 1.5, 30, 0, ""};
  GameState rated = StateOf(GameKind::kRated, 44);
  rated.KonAtStart = 43;
  rated.ServerCycleKons = 9;
  rated.TurnState = ksKonOver;
  rated.SessionScore = 5;
  rated.Score[kSeat2] = -7;
  struct Case {
    const char* what;
    GameState state;
    TCount expected;
  } cases[] = {
      {"dealt, not begun",
       thirdKon(ksSeat2ToMove, -28),
       {"2", "2", "0", "-28", "-28", "  0,00", "-14,00"}},
      {"ante paid",
       thirdKon(ksSeat1ToMove, -30),
       {"2", "2", "0", "-28", "-28", "  0,00", "-14,00"}},
      {"kon over, bank not paid",
       thirdKon(ksKonOver, -41),
       {"2", "2", "0", "-28", "-28", "  0,00", "-14,00"}},
      {"first kon of a session", firstKon, {"0", "0", "0", "0", "0", "  0,00", "  0,00"}},
      {"after a complete cycle", member, {"30", "0", "0", "0", "0", "  1,50", "  1,50"}},
      {"rated kon before its settlement", rated, {"43", "9", "0", "5", "5", "0", "?"}},
  };
  for (const auto& c : cases) EXPECT_EQ(ScoreWindowRecord(c.state), c.expected) << c.what;

  GameState settled = thirdKon(ksKonSettled, -31);
  settled.SessionScore = -31;
  EXPECT_EQ(ScoreWindowRecord(settled).Count_KonAll, "3");
  EXPECT_EQ(ScoreWindowRecord(settled).Count_ReiCur, "-10,33");
}

TEST(FormatClubRating, TwoDecimalsWithACommaSixWide) {
  EXPECT_EQ(FormatClubRating(1.5), "  1,50");
  EXPECT_EQ(FormatClubRating(-0.333333), " -0,33");
  EXPECT_EQ(FormatClubRating(99.99), " 99,99");
  EXPECT_EQ(FormatClubRating(-99.99), "-99,99");
}

TEST(EndOfCycleWindow, ChoosesSoundAnimationAndTextsByPlace) {
  using T = GameText;
  GameState offline = StateOf(GameKind::kLocal, 30);
  GameState loggedIn = offline;
  loggedIn.AccountState = kAccountLoggedIn;
  GameState network = StateOf(GameKind::kNetServer, 30);
  struct Case {
    const GameState* state;
    int place;
    EndOfCycleWindow expected;
  } cases[] = {
      {&offline,
       1,
       {1,
        "WFiBest",
        "GEndBest",
        false,
        {T::kCongratulations, T::kYourResultIsBest, T::kResult, T::kTitleMaster},
        25,
        1}},
      {&loggedIn,
       1,
       {1,
        "WFiBest",
        "GEndBest",
        false,
        {T::kCongratulations, T::kYourResultIsBest, T::kResult},
        25,
        1}},
      {&network,
       1,
       {1,
        "WFiBest",
        "GEndBest",
        false,
        {T::kCongratulations, T::kYourResultIsBest, T::kResult, T::kTitleBachelor},
        25,
        1}},
      {&offline,
       7,
       {7,
        "WFiGood",
        "GEndGood",
        false,
        {T::kCongratulations, T::kGoodResult, T::kResult, T::kInTopTen},
        25,
        7}},
      {&network,
       0,
       {0,
        "WFiBads",
        "GEndBads",
        true,
        {T::kOurRegrets, T::kResultLeavesToDesire, T::kResult, T::kNotInTopTen},
        25,
        0}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EndOfCycleWindowFor(*c.state, c.place, 25), c.expected) << "place " << c.place;
  }
}

TEST(GameCounters, SplitTheLocalScoreAndMarkNetworkAndTournamentGames) {
  struct Case {
    GameState state;
    int kons, score;
    std::array<int, 6> expected;  // R1..R6; R7..R12 stay 0
  } cases[] = {
      {StateOf(GameKind::kLocal, 30), 30, 14, {30, 1, 14, 0, 0, 0}},
      {StateOf(GameKind::kLocal, 31), 5, -9, {5, 0, 0, 9, 0, 0}},
      {StateOf(GameKind::kRated, 33), 3, 0, {3, 0, 0, 0, 0, 0}},
      {StateOf(GameKind::kNetServer, 30), 3, 8, {0, 0, 0, 0, 3, 0}},
      {StateOf(GameKind::kNetClient, 30), 3, 8, {0, 0, 0, 0, 0, 0}},
      {StateOf(GameKind::kTournament, 30), 1, 8, {0, 0, 0, 0, 0, 1}},
  };
  for (const auto& c : cases) {
    GameCounters expected;
    for (int n = 1; n <= 6; ++n) expected(n) = c.expected[static_cast<std::size_t>(n - 1)];
    EXPECT_EQ(GameCountersFor(c.state, c.kons, c.score), expected);
  }
  GameState seatTwo = StateOf(GameKind::kTournament, 30);
  seatTwo.RelaySeat = 2;
  EXPECT_EQ(GameCountersFor(seatTwo, 1, 8), GameCounters{});
}

TEST(HistoryEntry, NamesThePlayersOfNetworkAndTournamentGames) {
  GameState local = StateOf(GameKind::kLocal, 10);
  local.StoredPlayer.name = "Ann                 ";
  EXPECT_EQ(HistoryEntryFor(local, 4, -3, 0.25), (HistoryEntry{"Ann", 4, -3, 0.25, 0}));

  GameState network = StateOf(GameKind::kNetClient, 10);
  network.SeatName = {{"Sam      ", "Cleo "}};
  EXPECT_EQ(HistoryEntryFor(network, 3, 2, 1.0), (HistoryEntry{"Cleo/Sam", 3, 2, 1.0, 3}));

  // Cut to 51 characters, never inside a character.
  GameState tour = StateOf(GameKind::kTournament, 10);
  tour.SeatName = {{std::string(30, 'b'), "Жанна" + std::string(20, 'a')}};
  const HistoryEntry h = HistoryEntryFor(tour, 7, 11, 4.5);
  EXPECT_EQ(h.HName, "Жанна" + std::string(20, 'a') + "/" + std::string(25, 'b'));
  EXPECT_EQ(h.HKon, 1);
  EXPECT_EQ(h.Ac, 2);
  EXPECT_EQ(CutToChars("Жанна", 3), "Жан");
  EXPECT_EQ(CutToChars("ab", 5), "ab");
}

TEST(RelayResultMessage, RightAlignsBothScoresInThreeCharacters) {
  EXPECT_EQ(RelayResultMessage(7), "o  7 -7");
  EXPECT_EQ(RelayResultMessage(-12), "o-12 12");
  EXPECT_EQ(RelayResultMessage(0), "o  0  0");
  EXPECT_EQ(RelayResultMessage(123), "o123-123");
}

}  // namespace
}  // namespace zendral
