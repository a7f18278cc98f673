// The relay's table without sockets: joining and the deal, what is forwarded and what is
// dropped, the move clock, a seat that leaves, and the result the table computes itself.

#include <gtest/gtest.h>

#include "game/ComputerPlayer.h"
#include "game/KonReplay.h"
#include "game/Moves.h"
#include "game/Simulation.h"
#include "net/LanMessage.h"
#include "net/RelayFrame.h"
#include "relay/RelayServer.h"
#include "relay/RelayTable.h"
#include "relay/TourStore.h"

namespace zendral::server::relay {
namespace {

using Kind = RelayOutput::Kind;
constexpr std::int64_t kLimit = 5000;

Deck FixedDeck(std::uint64_t seed) {
  Random random(seed);
  Deck deck;
  ShuffleDeck(deck, random);
  return deck;
}

std::string F(std::string_view payload, int seat) {
  return net::RelayFrameText(payload, seat);
}

class Table : public ::testing::Test {
 protected:
  Table() : deck_(FixedDeck(7)), table_(3, kLimit, [this] { return deck_; }) {}

  void JoinBoth() {
    ASSERT_TRUE(table_.Join(1, "Anna", now_));
    ASSERT_TRUE(table_.TakeOutput().empty());  // nobody to play with yet
    ASSERT_TRUE(table_.Join(2, "Boris", now_));
    const auto out = table_.TakeOutput();
    const std::string deal = net::DealText(deck_);
    ASSERT_EQ(out, (std::vector<RelayOutput>{{Kind::kSend, 1, deal}, {Kind::kSend, 2, deal}}));
  }
  // The frame a seat would send for its move now, as the computer player chooses it.
  std::string ChosenFrame(int seat) {
    const RelayKon& kon = *table_.Kon();
    const int slot =
        ChooseMove(kon.HandOf(seat), kon.Board(), kon.HandOf(seat == 1 ? 2 : 1), kon.LayCounter());
    return F(slot == 0 ? std::string("hpass0") : MoveMessage(slot), seat);
  }
  int Opener() const { return table_.Kon()->Opener(); }

  Deck deck_;
  RelayTable table_;
  std::int64_t now_ = 1000;
};

TEST_F(Table, ASeatJoinsOnceAndOnlyWhileTheTableWaits) {
  EXPECT_FALSE(table_.Join(3, "Anna", now_));
  EXPECT_FALSE(table_.Join(1, "", now_));
  EXPECT_TRUE(table_.Join(1, "Anna", now_));
  EXPECT_FALSE(table_.Join(1, "Other", now_));
  EXPECT_TRUE(table_.Join(2, "Boris", now_));
  EXPECT_EQ(table_.stage(), RelayTable::Stage::kKon);
  EXPECT_EQ(table_.TurnState(), Opener());
  table_.Leave(2, now_);
  EXPECT_FALSE(table_.Join(2, "Carl", now_));  // the table is over, not open again until reset
}

TEST_F(Table, ASeatThatLeavesBeforeTheDealIsFreedAndTheSeatTakenAgain) {
  ASSERT_TRUE(table_.Join(1, "Anna", now_));
  table_.Frame(1, F("disA", 1), now_);
  EXPECT_EQ(table_.TakeFreedSeats(), (std::vector<std::pair<int, std::string>>{{1, "Anna"}}));
  EXPECT_EQ(table_.TakeOutput(), (std::vector<RelayOutput>{{Kind::kClose, 1, {}}}));
  EXPECT_FALSE(table_.TakeResult().has_value());  // no kon, nothing booked
  EXPECT_TRUE(table_.Join(1, "Carl", now_));
  EXPECT_EQ(table_.stage(), RelayTable::Stage::kSeating);
  EXPECT_EQ(table_.TurnState(), ksNone);
}

TEST_F(Table, OnlyTheOpenersBeginAndLegalMovesInTurnAreForwarded) {
  JoinBoth();
  const int opener = Opener();
  const int other = opener == 1 ? 2 : 1;
  const RelayKon& kon = *table_.Kon();
  const int nineSlot = SlotOf(kon.HandOf(opener), kOpeningCard);
  const int otherSlot = nineSlot == 1 ? 2 : 1;

  struct Case {
    const char* what;
    int seat;
    std::string frame;
    bool forwarded;
  } cases[] = {
      {"a move before the begin", opener, F(MoveMessage(nineSlot), opener), false},
      {"the other seat's begin", other, F("hbegin", other), false},
      {"the opener's begin", opener, F("hbegin", opener), true},
      {"a second begin", opener, F("hbegin", opener), false},
      {"a move out of turn", other, F("hhod01", other), false},
      {"another card than the nine of diamonds first", opener, F(MoveMessage(otherSlot), opener),
       false},
      {"a slot beyond the hand", opener, F("hhod19", opener), false},
      {"a pass while holding a card to lay", opener, F("hpass0", opener), false},
      {"a frame with a wrong length", opener, F("hbegin", opener).substr(0, 19), false},
      {"an unknown message", opener, F("xyz", opener), false},
      {"the nine of diamonds", opener, F(MoveMessage(nineSlot), opener), true},
      {"the same seat again", opener, F("hhod01", opener), false},
  };
  int refused = 0;
  for (const Case& c : cases) {
    table_.Frame(c.seat, c.frame, now_);
    const auto out = table_.TakeOutput();
    if (c.forwarded) {
      // Forwarded as sent, under the sender's seat digit.
      ASSERT_EQ(out, (std::vector<RelayOutput>{{Kind::kSend, c.seat == 1 ? 2 : 1, c.frame}}))
          << c.what;
    } else {
      ++refused;
      EXPECT_TRUE(out.empty()) << c.what;
    }
    EXPECT_EQ(table_.Refused(), refused) << c.what;
  }
  EXPECT_EQ(kon.ToMove(), other);
}

TEST_F(Table, ChatGoesToTheOtherSeatUnderTheSendersOwnDigit) {
  JoinBoth();
  // Seat 2 claims to be seat 1 in its frame: the relay writes the digit of the connection.
  table_.Frame(2, F("sHello", 1), now_);
  EXPECT_EQ(table_.TakeOutput(), (std::vector<RelayOutput>{{Kind::kSend, 1, F("sHello", 2)}}));
  table_.Frame(1, F("sa#b", 1), now_);
  EXPECT_EQ(table_.TakeOutput(), (std::vector<RelayOutput>{{Kind::kSend, 2, F("sa", 1)}}));
  // A bell or an escape sequence never reaches the other player.
  table_.Frame(2, F("s\a\x1b[2J\x7fhi", 1), now_);
  EXPECT_EQ(table_.TakeOutput(), (std::vector<RelayOutput>{{Kind::kSend, 1, F("s__[2J_hi", 2)}}));
}

TEST_F(Table, AWholeKonIsPlayedSettledAndBookedFromTheTablesOwnCopy) {
  JoinBoth();
  table_.Frame(Opener(), F("hbegin", Opener()), now_);
  table_.TakeOutput();
  int passes[3] = {0, 0, 0};
  for (int step = 0; step < 200 && table_.TurnState() != ksKonSettled; ++step) {
    const int seat = table_.Kon()->ToMove();
    const std::string frame = ChosenFrame(seat);
    if (frame.starts_with("hpass0")) ++passes[seat];
    now_ += 100;
    table_.Frame(seat, frame, now_);
    ASSERT_EQ(table_.TakeOutput(),
              (std::vector<RelayOutput>{{Kind::kSend, seat == 1 ? 2 : 1, frame}}));
  }
  ASSERT_EQ(table_.stage(), RelayTable::Stage::kKon);
  ASSERT_EQ(table_.TurnState(), ksKonSettled);
  const auto result = table_.TakeResult();
  ASSERT_TRUE(result.has_value());
  const int winner = result->winner;
  const int loser = winner == 1 ? 2 : 1;
  const int left = table_.Kon()->CardsLeft(loser);
  EXPECT_EQ(table_.Kon()->CardsLeft(winner), 0);
  // The winner takes both antes, the loser's passes and a point per card left in his hand;
  // his own passes come back to him with the bank.
  EXPECT_EQ(result->scores[static_cast<std::size_t>(winner - 1)], 2 + 2 * passes[loser] + left);
  EXPECT_EQ(result->scores[0] + result->scores[1], 0);
  EXPECT_EQ(result->nicks, (std::array<std::string, 2>{"Anna", "Boris"}));
  EXPECT_EQ(result->end, TableEnd::kPlayed);

  // Seat 1's own result line changes nothing; seat 2 may not settle; seat 1's "hitogs"
  // goes to seat 2 and closes the table.
  table_.Frame(1, F("o 99-99", 1), now_);
  table_.Frame(2, F("hitogs", 2), now_);
  EXPECT_TRUE(table_.TakeOutput().empty());
  table_.Frame(1, F("hitogs", 1), now_);
  EXPECT_EQ(table_.TakeOutput(),
            (std::vector<RelayOutput>{
                {Kind::kSend, 2, F("hitogs", 1)}, {Kind::kClose, 1, {}}, {Kind::kClose, 2, {}}}));
  EXPECT_EQ(table_.stage(), RelayTable::Stage::kClosed);
  EXPECT_FALSE(table_.TakeResult().has_value());  // booked once
}

// How a table ends early, and who is told what.
TEST_F(Table, LeavingGivingUpAndSilenceLoseTheTable) {
  struct Case {
    const char* what;
    std::function<void(RelayTable&, int mover, std::int64_t& now)> act;
    bool moverLoses;
    std::string toWinner;  // payload the other seat receives
    TableEnd end;
  } cases[] = {
      {"the mover's connection drops",
       [](RelayTable& t, int mover, std::int64_t& now) { t.Leave(mover, now); }, true, "a",
       TableEnd::kLeft},
      {"the mover leaves with disA",
       [](RelayTable& t, int mover, std::int64_t& now) { t.Frame(mover, F("disA", mover), now); },
       true, "a", TableEnd::kLeft},
      {"the waiting seat says its time ran out",
       [](RelayTable& t, int mover, std::int64_t& now) {
         const int other = mover == 1 ? 2 : 1;
         t.Frame(other, F("TOut", other), now);
       },
       false, "TOut", TableEnd::kTimeOut},
      {"the mover stays silent past the limit",
       [](RelayTable& t, int, std::int64_t& now) {
         now += kLimit - 1;
         t.Tick(now);
         ASSERT_EQ(t.stage(), RelayTable::Stage::kKon);  // not yet
         now += 2;
         t.Tick(now);
       },
       true, "TOut", TableEnd::kTimeOut},
  };
  for (const Case& c : cases) {
    RelayTable table(1, kLimit, [this] { return deck_; });
    std::int64_t now = 0;
    table.Join(1, "Anna", now);
    table.Join(2, "Boris", now);
    table.TakeOutput();
    const int opener = table.Kon()->Opener();
    now += 1000;
    table.Frame(opener, F("hbegin", opener), now);
    table.TakeOutput();
    const int mover = table.Kon()->ToMove();
    c.act(table, mover, now);
    const int loser = c.moverLoses ? mover : (mover == 1 ? 2 : 1);
    const int winner = loser == 1 ? 2 : 1;
    EXPECT_EQ(table.TakeOutput(),
              (std::vector<RelayOutput>{{Kind::kSend, winner, F(c.toWinner, loser)},
                                        {Kind::kClose, 1, {}},
                                        {Kind::kClose, 2, {}}}))
        << c.what;
    const auto result = table.TakeResult();
    ASSERT_TRUE(result.has_value()) << c.what;
    EXPECT_EQ(result->winner, winner) << c.what;
    EXPECT_EQ(result->end, c.end) << c.what;
    // Ante both ways and all 18 cards of the loser: 2 + 18 for the winner.
    EXPECT_EQ(result->scores[static_cast<std::size_t>(winner - 1)], 20) << c.what;
    EXPECT_EQ(result->scores[0] + result->scores[1], 0) << c.what;
  }
}

TEST_F(Table, EveryMoveRestartsTheClockAndASilentOpenerLosesBeforeTheBegin) {
  JoinBoth();
  const int opener = Opener();
  now_ += kLimit - 10;
  table_.Frame(opener, F("hbegin", opener), now_);
  table_.TakeOutput();
  now_ += kLimit - 10;  // long after the deal, but within the limit of the begin
  table_.Tick(now_);
  EXPECT_EQ(table_.stage(), RelayTable::Stage::kKon);
  EXPECT_EQ(table_.TurnState(), opener);
  table_.Frame(opener, ChosenFrame(opener), now_);
  table_.TakeOutput();

  RelayTable fresh(2, kLimit, [this] { return deck_; });
  fresh.Join(1, "Anna", 0);
  fresh.Join(2, "Boris", 0);
  fresh.TakeOutput();
  fresh.Tick(kLimit);
  const auto result = fresh.TakeResult();
  ASSERT_TRUE(result.has_value());
  EXPECT_NE(result->winner, fresh.Kon()->Opener());
}

TEST_F(Table, SeatOnesSettlementThatNeverComesIsSentToSeatTwoByTheRelay) {
  JoinBoth();
  table_.Frame(Opener(), F("hbegin", Opener()), now_);
  while (table_.stage() == RelayTable::Stage::kKon && table_.TurnState() != ksKonSettled) {
    const int seat = table_.Kon()->ToMove();
    table_.Frame(seat, ChosenFrame(seat), now_);
  }
  table_.TakeOutput();
  ASSERT_TRUE(table_.TakeResult().has_value());
  now_ += 2 * kLimit;
  table_.Tick(now_);
  EXPECT_EQ(table_.TakeOutput(),
            (std::vector<RelayOutput>{
                {Kind::kSend, 2, F("hitogs", 1)}, {Kind::kClose, 1, {}}, {Kind::kClose, 2, {}}}));
  EXPECT_FALSE(table_.TakeResult().has_value());
}

TEST(Elo, TheWinnerGainsWhatTheLoserLosesMoreForAnUpset) {
  EXPECT_EQ(EloAfter(1500, 1500, 1), std::make_pair(1516, 1484));
  EXPECT_EQ(EloAfter(1500, 1500, 2), std::make_pair(1484, 1516));
  EXPECT_EQ(EloAfter(1700, 1300, 1), std::make_pair(1703, 1297));
  EXPECT_EQ(EloAfter(1300, 1700, 1), std::make_pair(1329, 1671));
}

TEST(SecureDeck, EveryDeckHoldsAllCardsAndDecksDiffer) {
  const Deck a = SecureDeck();
  const Deck b = SecureDeck();
  EXPECT_TRUE(IsCompleteDeck(a));
  EXPECT_TRUE(IsCompleteDeck(b));
  EXPECT_NE(a, b);  // equal with odds 1 in 36!
}

// The relay's kon is the game's kon core: kons played by the computer on both seats through the
// relay's slots book what the straight simulation scores, and replay from the deck and the moves.
TEST(RelayKon, BooksWhatTheSimulationAndAReplayScore) {
  for (std::uint64_t seed = 1; seed <= 200; ++seed) {
    const Deck deck = FixedDeck(seed);
    KonState straight;
    Random again(seed);
    const KonStats stats = PlayComputerKon(straight, again);
    ASSERT_NE(stats.winner, 0);

    RelayKon relay(deck);
    std::vector<KonMove> moves;
    ASSERT_TRUE(relay.Begin(relay.Opener()));
    while (!relay.IsOver()) {
      const int seat = relay.ToMove();
      const int slot = ChooseMove(relay.HandOf(seat), relay.Board(), relay.HandOf(OtherSeat(seat)),
                                  relay.LayCounter());
      if (slot == 0) {
        moves.push_back({true, kEmptyCard});
        ASSERT_TRUE(relay.Pass(seat));
      } else {
        moves.push_back({false, relay.HandOf(seat)[slot]});
        ASSERT_TRUE(relay.Move(seat, slot));
      }
    }
    EXPECT_EQ(relay.Winner(), stats.winner) << "seed " << seed;
    EXPECT_EQ(relay.Score(kSeat1), straight.Score[kSeat1]) << "seed " << seed;
    EXPECT_EQ(relay.Score(kSeat2), straight.Score[kSeat2]) << "seed " << seed;
    const KonReplayResult replay = ReplayKon(deck, moves, SeatOneRule::kComputerPlayer);
    EXPECT_TRUE(replay.complete) << "seed " << seed;
    EXPECT_EQ(replay.kon.Score, straight.Score) << "seed " << seed;
  }
}

}  // namespace
}  // namespace zendral::server::relay
