#include "game/Moves.h"

#include <gtest/gtest.h>

#include "RecordingTable.h"
#include "game/CardList.h"

namespace zendral {
namespace {

using testing::RecordingPeer;
using testing::RecordingTable;

Layout LayoutOf(const char* cards) {
  Layout layout;
  for (const TCardCode c : ParseCardList(cards).cards) layout.Put(c);
  return layout;
}

TCardCode C(const char* text) {
  return *FromNotation(text);
}

TEST(Legality, FollowsTheRowsOutwardFromTheNines) {
  struct Case {
    const char* layout;
    const char* card;
    bool playable;
  } cases[] = {
      {"", "9h", true},
      {"", "9d", true},
      {"", "8d", false},
      {"", "Td", false},
      {"9d", "Td", true},
      {"9d", "8d", true},
      {"9d", "Jd", false},
      {"9d", "7d", false},
      {"9d Td", "Jd", true},
      {"9d 8d", "7d", true},
      {"9d 8d 7d", "6d", true},
      {"9d Td Jd Qd", "Kd", true},
      {"9d Td Jd Qd Kd", "Ad", true},
      {"9d Td Jd Qd", "Ad", false},
      {"9h", "Td", false},
      {"9d", "9d", false} /* already laid */,
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsPlayableOn(LayoutOf(c.layout), C(c.card)), c.playable)
        << c.card << " on [" << c.layout << "]";
  }
  EXPECT_FALSE(IsPlayableOn(Layout{}, kEmptyCard));
}

TEST(Legality, OnlyTheNineOfDiamondsOpensTheKon) {
  GameState s;
  s.Hands[kSeat2] = MakeHand(ParseCardList("9h 9d 9s").cards);  // sorted: 9h 9d 9s
  s.LayCounter = 1;
  EXPECT_TRUE(IsCardBlocked(s, 1));   // 9h, though nines are otherwise always allowed
  EXPECT_FALSE(IsCardBlocked(s, 2));  // 9d
  s.LayCounter = 2;
  s.Board.Put(kOpeningCard);
  EXPECT_FALSE(IsCardBlocked(s, 1));
}

TEST(Legality, SeatHasNoMoveWithoutANineOrANeighbour) {
  GameState s;
  s.Board = LayoutOf("9d");
  s.Hands[kSeat1] = MakeHand(ParseCardList("7d Jd").cards);
  s.Hands[kSeat2] = MakeHand(ParseCardList("7d Jd 9c").cards);
  EXPECT_TRUE(SeatHasNoMove(s, kSeat1));
  EXPECT_FALSE(SeatHasNoMove(s, kSeat2));  // any nine is a move
  s.Hands[kSeat1].Clear();
  EXPECT_TRUE(SeatHasNoMove(s, kSeat1));
}

struct Table {
  GameState state;
  RecordingTable view;
  RecordingPeer peer;
  MoveContext ctx() { return {state, view, &peer}; }
};

TEST(LayCard, MovesTheCardRedrawsWaitsForTheSoundAndPassesTheTurn) {
  Table t;
  t.state.Hands[kSeat2] = MakeHand(ParseCardList("6h 9d Td Ks").cards);
  t.state.TurnState = ksSeat2ToMove;
  t.state.NetGame = true;
  t.state.NetRole = kRoleServer;
  LayCard(t.ctx(), kSeat2, 2, true);

  EXPECT_EQ(t.peer.calls, std::vector<std::string>{"peer hhod02"});
  EXPECT_EQ(t.view.calls, (std::vector<std::string>{"fly 2 2 9d", "hand 2 up", "layout",
                                                    "sound WHodsDo wait", "tabs 1"}));
  const Hand& h = t.state.Hands[kSeat2];
  EXPECT_EQ(h.CardCount, 3);
  EXPECT_EQ(h[2], C("Td"));  // the later cards moved up one slot
  EXPECT_TRUE(h[4].IsEmpty());
  EXPECT_TRUE(t.state.Board.Has(kOpeningCard));
  EXPECT_EQ(t.state.TurnState, ksSeat1ToMove);
  EXPECT_EQ(t.state.LayCounter, 2);
}

TEST(LayCard, ReportsOnlyTheLocalPlayersMovesAndOnlyOnTheRightLink) {
  struct Case {
    bool net, tour, send;
    std::vector<std::string> expected;
  } cases[] = {
      {false, false, true, {}},
      {true, false, false, {}},
      {true, false, true, {"peer hhod01"}},
      {false, true, true, {"relay hhod01", "clock"}},
  };
  for (const auto& c : cases) {
    Table t;
    t.state.FlyCards = false;
    t.state.NetGame = c.net;
    t.state.TourGame = c.tour;
    t.state.Hands[kSeat2] = MakeHand(ParseCardList("9d").cards);
    t.state.TurnState = ksSeat2ToMove;
    LayCard(t.ctx(), kSeat2, 1, c.send);
    EXPECT_EQ(t.peer.calls, c.expected);
    EXPECT_EQ(t.view.calls.front(), "hand 2 up");  // no flight with FlyCards off
  }
}

TEST(PassMove, ChargesTwoIntoTheBankAndTurnsOnlyWhenAsked) {
  Table t;
  t.state.TurnState = ksSeat2ToMove;
  t.state.NetGame = true;
  PassMove(t.ctx(), kSeat1, false, false);  // ante
  PassMove(t.ctx(), kSeat2, false, false);  // ante
  EXPECT_EQ(t.state.Bank, 4);
  EXPECT_EQ(t.state.TurnState, ksSeat2ToMove);
  t.view.calls.clear();

  PassMove(t.ctx(), kSeat2, true, true);
  PassMove(t.ctx(), kSeat1, false, true);
  PassMove(t.ctx(), kSeat2, true, true);
  EXPECT_EQ(t.state.Score[kSeat2], -6);  // ante and two passes
  EXPECT_EQ(t.state.KonFines[kSeat2], -6);
  EXPECT_EQ(t.state.Score[kSeat1], -4);
  EXPECT_EQ(t.state.Bank, 10);
  EXPECT_EQ(t.state.TurnState, ksSeat1ToMove);
  EXPECT_EQ(t.peer.calls, (std::vector<std::string>{"peer hpass0", "peer hpass0"}));
  EXPECT_EQ(std::vector<std::string>(t.view.calls.begin(), t.view.calls.begin() + 4),
            (std::vector<std::string>{"panel 0 6", "tabs 2", "sound WHodBer wait", "tabs 1"}));
}

TEST(EndKon, TheLoserPaysPerCardAndTheSettlingSideGetsTheTotalsButton) {
  struct Case {
    bool net, tour;
    int role, relaySeat, winner;
    const char* sound;
    bool buttonOn;
  } cases[] = {
      {false, false, kRoleLocal, 0, kSeat2, "sound WKoGutX", true},
      {false, false, kRoleLocal, 0, kSeat1, "sound WKoBadX", true},
      {true, false, kRoleServer, 0, kSeat2, "sound WKoGutX", true},
      {true, false, kRoleClient, 0, kSeat2, "sound WKoGutX", false},
      {false, true, kRoleLocal, 1, kSeat1, "sound WKoBadX", true},
      {false, true, kRoleLocal, 2, kSeat1, "sound WKoBadX", false},
  };
  for (const auto& c : cases) {
    Table t;
    t.state.NetGame = c.net;
    t.state.TourGame = c.tour;
    t.state.NetRole = c.role;
    t.state.RelaySeat = c.relaySeat;
    t.state.Bank = 4;
    t.state.Score = {{-2, -2}};
    t.state.Hands[OtherSeat(c.winner)] = MakeHand(ParseCardList("6h 7c 8s Ts Js").cards);
    EndKon(t.ctx());
    const int loser = OtherSeat(c.winner);
    EXPECT_EQ(t.state.KonPenalty[loser], -5);
    EXPECT_EQ(t.state.Score[loser], -7);
    EXPECT_EQ(t.state.Bank, 9);
    EXPECT_EQ(t.state.TurnState, ksKonOver);
    EXPECT_EQ(t.view.calls,
              (std::vector<std::string>{
                  "panel 0 9", c.sound, "tabs 0",
                  c.buttonOn ? "button TotalOfGame on" : "button TotalOfGame off", "hand 1 up"}));
  }
}

}  // namespace
}  // namespace zendral
