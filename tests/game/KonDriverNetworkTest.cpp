// Network, tournament and rated games through the kon driver: two drivers joined by a
// loopback link play the same kons, each seeing itself as seat 2; the blocks of 3 kons; and
// peer messages that must not be applied.

#include <gtest/gtest.h>

#include <memory>

#include "DriverTable.h"
#include "game/CardList.h"
#include "game/KonDriver.h"
#include "game/KonReplay.h"
#include "game/Moves.h"
#include "game/Scores.h"
#include "game/Simulation.h"

namespace zendral {
namespace {

using testing::DriverTable;
using testing::LocalPlayerMoves;

// Both programs hold the same kon, mirrored.
void ExpectMirrored(const GameState& a, const GameState& b) {
  EXPECT_EQ(a.Hands[kSeat1], b.Hands[kSeat2]);
  EXPECT_EQ(a.Hands[kSeat2], b.Hands[kSeat1]);
  EXPECT_EQ(a.Board, b.Board);
  EXPECT_EQ(a.Bank, b.Bank);
  EXPECT_EQ(a.Score[kSeat1], b.Score[kSeat2]);
  EXPECT_EQ(a.Score[kSeat2], b.Score[kSeat1]);
  const int mirroredTurn =
      a.TurnState == ksSeat1ToMove || a.TurnState == ksSeat2ToMove ? 3 - a.TurnState : a.TurnState;
  EXPECT_EQ(mirroredTurn, b.TurnState);
}

// Plays the kon both programs hold, from the begin click of the side allowed to begin to the
// settlement of the side that settles, pumping the link after every action.
void PlayLinkedKon(DriverTable& a, DriverTable& b) {
  auto pump = [&] {
    a.link.DeliverTo(b.driver);
    b.link.DeliverTo(a.driver);
    ExpectMirrored(a.state, b.state);
  };
  DriverTable& beginner = a.state.MainButtonEnabled ? a : b;
  ASSERT_TRUE(beginner.state.MainButtonEnabled);
  EXPECT_FALSE((&beginner == &a ? b : a).driver.MainButtonClick());
  ASSERT_TRUE(beginner.driver.MainButtonClick());
  pump();
  for (int step = 0; a.state.TurnState == ksSeat1ToMove || a.state.TurnState == ksSeat2ToMove;
       ++step) {
    ASSERT_LT(step, 200);
    DriverTable& mover = a.state.TurnState == ksSeat2ToMove ? a : b;
    DriverTable& other = &mover == &a ? b : a;
    EXPECT_FALSE(other.driver.CardClick(1)) << "not its turn";
    ASSERT_TRUE(LocalPlayerMoves(mover.driver));
    pump();
  }
  ASSERT_EQ(a.state.TurnState, ksKonOver);
  DriverTable& settler = a.state.MainButtonEnabled ? a : b;
  ASSERT_TRUE(settler.driver.MainButtonClick());
  pump();
  EXPECT_EQ(a.state.TurnState, ksKonSettled);
  EXPECT_EQ(b.state.TurnState, ksKonSettled);
}

struct LanPair {
  DriverTable server{21, true};
  DriverTable client{22, true};

  LanPair(int clientStoredKons) {
    // What the join has set up on both sides.
    server.state.NetGame = client.state.NetGame = true;
    server.state.NetRole = kRoleServer;
    client.state.NetRole = kRoleClient;
    server.state.SeatName = {{"Cleo", "Sam"}};
    client.state.SeatName = {{"Sam", "Cleo"}};
    client.state.WaitingForDeal = true;
    client.store.members[1] = PlayerRecord{"Cleo", 1.0, clientStoredKons, 0, "pw"};
    client.state.PlayerSlot = 1;
    server.state.PlayerSlot = kNewPlayerSlot;
    server.state.DialogName = "Sam";
  }
};

TEST(NetworkGame, TheClientCountsItsFirstKonOnceAndBothLeaveAtTheirOwnBlockEnds) {
  LanPair p(1);
  DriverTable& server = p.server;
  DriverTable& client = p.client;

  client.driver.DealKon(false);  // joined: waits for the server's deal
  EXPECT_EQ(client.state.KonNumber, 2);
  EXPECT_EQ(client.store.loads, (std::vector<std::pair<ClubKind, int>>{{ClubKind::kNetwork, 1}}));
  EXPECT_EQ(client.view.Matching("layout text"),
            std::vector<std::string>{
                "layout text " + std::to_string(static_cast<int>(GameText::kExpectationOfServer))});
  EXPECT_EQ(client.view.Matching("chat on"), std::vector<std::string>{"chat on off"});
  EXPECT_TRUE(CurrentGameBalloon(client.state).empty());
  EXPECT_FALSE(client.driver.MainButtonClick());

  server.driver.DealKon(false);
  EXPECT_EQ(server.state.KonNumber, 1);
  server.link.DeliverTo(client.driver);
  EXPECT_EQ(client.state.KonNumber, 2) << "the deck of the first kon is not counted again";
  EXPECT_EQ(client.view.Matching("chat on").back(), "chat on on");
  EXPECT_EQ(CurrentGameBalloon(client.state).size(), 3u);
  ExpectMirrored(server.state, client.state);

  struct AfterKon {
    int serverKon, clientKon;
    bool serverNext, serverExit, clientExit;
  } expected[] = {
      {1, 2, true, false, false}, {2, 3, true, false, true}, {3, 4, false, true, false}};
  for (const auto& e : expected) {
    SCOPED_TRACE(e.serverKon);
    PlayLinkedKon(server, client);
    EXPECT_EQ(server.state.KonNumber, e.serverKon);
    EXPECT_EQ(client.state.KonNumber, e.clientKon);
    EXPECT_EQ(server.state.MainButtonEnabled, e.serverNext);
    EXPECT_EQ(server.state.ExitButtonEnabled, e.serverExit);
    EXPECT_EQ(server.state.CanFinish, e.serverExit);
    EXPECT_FALSE(client.state.MainButtonEnabled) << "the server deals";
    EXPECT_EQ(client.state.ExitButtonEnabled, e.clientExit);
    EXPECT_EQ(client.state.CanFinish, e.clientExit);
    EXPECT_EQ(server.view.Matching("pause").size(), static_cast<std::size_t>(e.serverKon));
    EXPECT_EQ(client.state.SessionScore, -server.state.SessionScore);
    if (e.serverNext) {
      ASSERT_TRUE(server.driver.MainButtonClick());
      server.link.DeliverTo(client.driver);
    }
  }

  EXPECT_FALSE(client.driver.ExitButtonClick()) << "the client's block is not complete";
  const int score = server.state.Score[kSeat2];
  ASSERT_TRUE(server.driver.ExitButtonClick());
  ASSERT_EQ(server.store.stored.size(), 1u);
  EXPECT_EQ(server.store.stored[0].club, ClubKind::kNetwork);
  EXPECT_EQ(server.store.stored[0].record,
            (PlayerRecord{"Sam", LocalRating(3, score, 0, 0), 3, score, ""}));
  EXPECT_EQ(server.store.history,
            (std::vector<HistoryEntry>{{"Sam/Cleo", 3, score, LocalRating(3, score, 0, 0), 3}}));
  GameCounters counters;
  counters(5) = 3;
  EXPECT_EQ(server.stats.reports, std::vector<GameCounters>{counters});
  EXPECT_EQ(server.link.closes, 1);
}

TEST(NetworkGame, PeerMessagesThatWouldBreakTheKonAreDropped) {
  LanPair p(0);
  p.client.driver.DealKon(false);
  p.server.driver.DealKon(false);
  p.server.link.DeliverTo(p.client.driver);
  GameState& c = p.client.state;
  // Give the turn to the server's seat (seat 1 on the client) after the opening.
  ASSERT_TRUE(p.server.driver.MainButtonClick());
  p.server.link.DeliverTo(p.client.driver);
  if (c.TurnState == ksSeat2ToMove) {
    ASSERT_TRUE(LocalPlayerMoves(p.client.driver));
    p.client.link.DeliverTo(p.server.driver);
  }
  ASSERT_EQ(c.TurnState, ksSeat1ToMove);

  int blocked = 0;  // a card seat 1 holds that may not be laid now
  for (int slot = 1; slot <= c.Hands[kSeat1].CardCount && blocked == 0; ++slot) {
    const bool opening = c.LayCounter == 1;
    if (opening ? c.Hands[kSeat1][slot] != kOpeningCard
                : !IsPlayableOn(c.Board, c.Hands[kSeat1][slot])) {
      blocked = slot;
    }
  }
  ASSERT_NE(blocked, 0);
  Deck doubled = c.DeckCode;
  doubled[2] = doubled[1];

  const GameState before = c;
  const std::size_t viewCalls = p.client.view.calls.size();
  KonDriver& d = p.client.driver;
  EXPECT_FALSE(d.PeerMove(0));
  EXPECT_FALSE(d.PeerMove(c.Hands[kSeat1].CardCount + 1));
  EXPECT_FALSE(d.PeerMove(99));
  EXPECT_FALSE(d.PeerMove(-3));
  EXPECT_FALSE(d.PeerMove(blocked));
  EXPECT_FALSE(d.PeerPass()) << "seat 1 has a card to lay";
  EXPECT_FALSE(d.PeerBegin()) << "the kon has begun";
  EXPECT_FALSE(d.PeerSettle()) << "the kon is not over";
  EXPECT_FALSE(d.DeckReceived(c.DeckCode)) << "a deck in the middle of a kon";
  EXPECT_EQ(c, before);
  EXPECT_EQ(p.client.view.calls.size(), viewCalls);

  // Only the side that waits for them takes "hbegin" and "hitogs"; a deck must be whole.
  EXPECT_FALSE(p.server.driver.PeerBegin());
  EXPECT_FALSE(p.server.driver.PeerSettle());
  EXPECT_FALSE(p.server.driver.DeckReceived(p.server.state.DeckCode));
  DriverTable fresh(3);
  fresh.state.NetGame = true;
  fresh.state.NetRole = kRoleClient;
  fresh.state.WaitingForDeal = true;
  fresh.driver.DealKon(false);
  EXPECT_FALSE(fresh.driver.DeckReceived(doubled));
  EXPECT_FALSE(fresh.driver.DeckReceived(Deck{}));
  EXPECT_TRUE(fresh.driver.DeckReceived(c.DeckCode));
}

TEST(RatedGame, RunsInBlocksOfThreeAndIsSettledOnTheAccount) {
  DriverTable t(5);
  // The server's decks for the block: the driver plays exactly these, and the settlement's
  // moves replay on them to the session's score.
  Random serverRandom(77);
  std::vector<Deck> decks(3);
  for (Deck& deck : decks) ShuffleDeck(deck, serverRandom);
  t.online.account = AccountGame{"Rita", 27, 10, 1.25, 27, decks};
  t.online.settledRating = 2.5;
  t.state.AccountState = kAccountRatedGame;
  t.state.PlayerSlot = kRatedGameSlot;
  t.driver.DealKon(false);
  const GameState& s = t.state;
  EXPECT_EQ(t.view.Matching("popup"), std::vector<std::string>{"popup on off"});
  EXPECT_EQ(s.KonNumber, 28);
  EXPECT_EQ(s.ScoreAtStart, 10);
  EXPECT_EQ(CurrentGameBalloon(s), (std::vector<CountLine>{{GameText::kTotalKonNumber, 28, 0},
                                                           {GameText::kKonInCycle, 28, 30},
                                                           {GameText::kKonInSession, 1, 3}}));
  for (int kon = 1; kon <= 3; ++kon) {
    EXPECT_EQ(s.DeckCode, decks[static_cast<std::size_t>(kon - 1)]) << kon;
    ASSERT_NE(PlayKonThroughDriver(t.driver).winner, 0);
    EXPECT_EQ(s.MainButtonEnabled, kon < 3);
    EXPECT_EQ(s.ExitButtonEnabled, kon == 3);
    if (kon < 3) {
      EXPECT_FALSE(t.driver.ExitButtonClick());
      ASSERT_TRUE(t.driver.MainButtonClick());
    }
  }
  const int score = s.Score[kSeat2];
  ASSERT_TRUE(t.driver.OpenScoreWindow());
  EXPECT_EQ(t.view.scoreWindows.back().Count_KonCur, "30");
  EXPECT_EQ(t.view.scoreWindows.back().Count_ReiCur, "?");
  ASSERT_TRUE(t.driver.ExitButtonClick());
  EXPECT_EQ(t.online.calls,
            (std::vector<std::string>{
                "account", "settle " + std::to_string(score) + " " + std::to_string(10 + score),
                "file cycle"}));
  EXPECT_EQ(ReplayBlockScore(decks, t.online.blockMoves), score) << t.online.blockMoves;
  EXPECT_TRUE(t.store.stored.empty()) << "a rated game is kept on the account";
  EXPECT_EQ(t.store.history, (std::vector<HistoryEntry>{{"Rita", 3, score, 2.5, 1}}));
  EXPECT_EQ(t.stats.reports[0](1), 3);
  EXPECT_EQ(t.stats.reports[0](2), 1);
  EXPECT_TRUE(t.view.endOfCycleWindows.empty());
  EXPECT_EQ(s.AccountState, kAccountLoggedIn);
}

TEST(TournamentTable, PlaysOneKonThatRelaySeatOneSettlesAndReports) {
  DriverTable one{31, true};
  DriverTable two{32, true};
  for (auto* t : {&one, &two}) {
    t->state.RelaySeat = t == &one ? 1 : 2;
    t->state.SeatName[kSeat1] = t == &one ? "Bella" : "Anatoly";
    t->online.tournamentPlayer = TournamentPlayer{"x", 5, 20, 3};
    t->online.tableName = t == &one ? "Anatoly" : "Bella";
    t->online.tableResult = TournamentResult{11, 4.5};
  }
  Random random(99);
  Deck deck;
  ShuffleDeck(deck, random);
  ASSERT_TRUE(one.driver.RelayDeckReceived(deck));
  ASSERT_TRUE(two.driver.RelayDeckReceived(deck));
  ExpectMirrored(one.state, two.state);
  EXPECT_EQ(one.state.PlayerSlot, kTournamentSlot);
  EXPECT_EQ(one.state.KonNumber, 6);
  EXPECT_EQ(one.view.Matching("hint"), std::vector<std::string>{"hint 6/1"});
  EXPECT_EQ(one.state.MainButtonEnabled, one.state.TurnState == ksSeat2ToMove);

  PlayLinkedKon(one, two);
  ASSERT_EQ(one.link.results, std::vector<std::string>{RelayResultMessage(one.state.SessionScore)});
  EXPECT_TRUE(two.link.results.empty());
  for (auto* t : {&one, &two}) {
    EXPECT_FALSE(t->state.MainButtonEnabled);
    EXPECT_TRUE(t->state.ExitButtonEnabled);
    EXPECT_TRUE(t->state.CanFinish);
    EXPECT_EQ(t->link.tableEnds, 1);
    EXPECT_EQ(t->view.Matching("chat on").back(), "chat on off");
    EXPECT_EQ(t->view.Matching("pause").size(), 0u);
    ASSERT_TRUE(t->driver.ExitButtonClick());
    EXPECT_FALSE(t->state.TourGame);
    EXPECT_EQ(t->online.calls.back(), "tournament window");
    EXPECT_EQ(t->link.closes, 1);
    GameCounters counters;
    counters(6) = t == &one ? 1 : 0;
    EXPECT_EQ(t->stats.reports, std::vector<GameCounters>{counters});
  }
  EXPECT_EQ(one.store.history, (std::vector<HistoryEntry>{{"Anatoly/Bella", 1, 11, 4.5, 2}}));
  EXPECT_EQ(two.store.history[0].HName, "Bella/Anatoly");
  EXPECT_TRUE(one.store.stored.empty());
}

// The cards the local player may lay, as the rules say.
std::vector<int> PlayableSlots(const GameState& s) {
  std::vector<int> playable;
  for (int slot = 1; slot <= s.Hands[kSeat2].CardCount; ++slot) {
    if (!IsCardBlocked(s, slot)) playable.push_back(slot);
  }
  return playable;
}

// At a tournament table and in a LAN game the turn comes to the local player by the peer's
// message (its begin, card or pass), not by the computer's tick: each of those marks his
// playable cards when the option is on, and none does when it is off.
TEST(PeerGame, EveryTurnThatComesByThePeersMessageMarksThePlayableCards) {
  for (const bool tournament : {true, false}) {
    for (const bool option : {true, false}) {
      SCOPED_TRACE(std::string(tournament ? "tournament" : "LAN") + (option ? " on" : " off"));
      DriverTable a{tournament ? 41u : 21u, true};
      DriverTable b{tournament ? 42u : 22u, true};
      std::unique_ptr<LanPair> lan;
      if (tournament) {
        for (auto* t : {&a, &b}) {
          t->state.RelaySeat = t == &a ? 1 : 2;
          t->online.tournamentPlayer = TournamentPlayer{"x", 5, 20, 3};
        }
        Random random(77);
        Deck deck;
        ShuffleDeck(deck, random);
        for (auto* t : {&a, &b}) t->state.HighlightMoves = option;
        ASSERT_TRUE(a.driver.RelayDeckReceived(deck));
        ASSERT_TRUE(b.driver.RelayDeckReceived(deck));
      }
      DriverTable* pa = &a;
      DriverTable* pb = &b;
      if (!tournament) {
        lan = std::make_unique<LanPair>(1);
        pa = &lan->server;
        pb = &lan->client;
        for (auto* t : {pa, pb}) t->state.HighlightMoves = option;
        pb->driver.DealKon(false);
        pa->driver.DealKon(false);
        pa->link.DeliverTo(pb->driver);
      }
      DriverTable& x = *pa;
      DriverTable& y = *pb;
      const std::vector<int> unmarked{-1};
      int peerTurns = 0;
      // After an action on one side, the other side's turn (if it came) is marked.
      const auto act = [&](DriverTable& mover, auto&& action) {
        DriverTable& other = &mover == &x ? y : x;
        other.view.lastHighlight = unmarked;
        ASSERT_TRUE(action());
        mover.link.DeliverTo(other.driver);
        other.link.DeliverTo(mover.driver);
        if (other.state.TurnState != ksSeat2ToMove) return;
        ++peerTurns;
        if (option) {
          EXPECT_EQ(other.view.lastHighlight, PlayableSlots(other.state));
        } else {
          EXPECT_EQ(other.view.lastHighlight, unmarked);
        }
      };
      DriverTable& beginner = x.state.MainButtonEnabled ? x : y;
      act(beginner, [&] { return beginner.driver.MainButtonClick(); });
      for (int step = 0; x.state.TurnState == ksSeat1ToMove || x.state.TurnState == ksSeat2ToMove;
           ++step) {
        ASSERT_LT(step, 200);
        DriverTable& mover = x.state.TurnState == ksSeat2ToMove ? x : y;
        act(mover, [&] { return LocalPlayerMoves(mover.driver); });
      }
      EXPECT_GT(peerTurns, 10);
    }
  }
}

}  // namespace
}  // namespace zendral
