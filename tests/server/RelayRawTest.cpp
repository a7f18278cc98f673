// The relay through raw sockets against the real server: the deal to both seats, a whole kon
// with chat booked on both tournament records as the server computed it, and the seat that
// cheats, drops or stays silent, with what the other seat receives.

#include "TournamentFixture.h"
#include "game/ComputerPlayer.h"
#include "game/Moves.h"
#include "net/LanMessage.h"
#include "relay/RelayKon.h"
#include "relay/TourStore.h"

namespace zendral::server_test {
namespace {

using server::relay::EloAfter;
using server::relay::RelayKon;

std::string F(std::string_view payload, int seat) {
  return net::RelayFrameText(payload, seat);
}

// Two members at one table with their relay connections, and the test's own copy of the kon.
class RelayTable : public TournamentTest {
 protected:
  void SitDown() {
    one_ = NewMember("One");
    two_ = NewMember("Two");
    table_ = NewTable();
    ASSERT_EQ(one_.Book(table_, 1), "ok");
    ASSERT_EQ(two_.Book(table_, 2), "ok");
    seat1_ = std::make_unique<RawSeat>(RelayPort(table_));
    seat2_ = std::make_unique<RawSeat>(RelayPort(table_));
    ASSERT_TRUE(seat1_->Connected() && seat2_->Connected());
    // "connect1" arrives in two pieces; the relay waits for the whole frame.
    const std::string connect1 = F("connect1", 1);
    seat1_->Send(connect1.substr(0, 7));
    seat1_->Send(connect1.substr(7));
    EXPECT_TRUE(seat1_->Read(1, 200).empty());  // no deal while alone
    seat2_->SendFrame("connect2", 2);
    const std::string deal1 = seat1_->Read(net::kDealLength, 3000);
    const std::string deal2 = seat2_->Read(net::kDealLength, 3000);
    ASSERT_EQ(deal1, deal2);
    const auto deck = net::ParseDealText(deal1);
    ASSERT_TRUE(deck.has_value()) << deal1;
    kon_ = std::make_unique<RelayKon>(*deck);
  }
  RawSeat& Socket(int seat) { return seat == 1 ? *seat1_ : *seat2_; }
  // The seat in turn plays as the computer player would; the other seat gets the frame.
  void PlayOne() {
    const int seat = kon_->ToMove();
    const int slot = ChooseMove(kon_->HandOf(seat), kon_->Board(), kon_->HandOf(seat == 1 ? 2 : 1),
                                kon_->LayCounter());
    const std::string payload = slot == 0 ? std::string("hpass0") : MoveMessage(slot);
    ASSERT_TRUE(slot == 0 ? kon_->Pass(seat) : kon_->Move(seat, slot));
    Socket(seat).SendFrame(payload, seat);
    ASSERT_EQ(Socket(seat == 1 ? 2 : 1).ReadFrame(), F(payload, seat));
  }
  void Begin() {
    const int opener = kon_->Opener();
    ASSERT_TRUE(kon_->Begin(opener));
    Socket(opener).SendFrame("hbegin", opener);
    ASSERT_EQ(Socket(opener == 1 ? 2 : 1).ReadFrame(), F("hbegin", opener));
  }
  // The two records after a kon as the server must have booked them.
  void ExpectBooked(int winner, int score1) {
    const auto [r1, r2] = EloAfter(1500, 1500, winner);
    EXPECT_EQ(one_.Record(), (std::array<int, 3>{score1, 1, r1}));
    EXPECT_EQ(two_.Record(), (std::array<int, 3>{-score1, 1, r2}));
    // The table is free again.
    const auto listed = Tables()[static_cast<std::size_t>(table_ - 1)];
    EXPECT_EQ(online::TokenAt(listed, 7), "X");
    EXPECT_EQ(online::TokenAt(listed, 15), "X");
  }

  Member one_, two_;
  int table_ = 0;
  std::unique_ptr<RawSeat> seat1_, seat2_;
  std::unique_ptr<RelayKon> kon_;
};

TEST_F(RelayTable, AKonPlayedThroughTheRelayIsBookedAsTheServerComputedIt) {
  ASSERT_NO_FATAL_FAILURE(SitDown());
  Begin();
  // Chat under a false seat digit reaches the other seat under the sender's own.
  seat2_->SendFrame("sHello", 1);
  EXPECT_EQ(seat1_->ReadFrame(), F("sHello", 2));
  while (!kon_->IsOver()) ASSERT_NO_FATAL_FAILURE(PlayOne());
  // Seat 1 settles and claims a result of its own; only the settlement goes on.
  seat1_->SendFrame("hitogs", 1);
  seat1_->SendFrame("o 99-99", 1);
  EXPECT_EQ(seat2_->ReadFrame(), F("hitogs", 1));
  EXPECT_TRUE(seat1_->ClosedWithin(3000));
  EXPECT_TRUE(seat2_->ClosedWithin(3000));
  ExpectBooked(kon_->Winner(), kon_->Score(1));

  // Both now stand in the tournament top ten and at their places.
  const auto rows = online::ReplySegments(
      one_.client->Form(kTournament, {{"top10s44", "0"}, {"nick", "z"}}).body, ' ');
  bool listedOne = false;
  for (const auto& row : rows) listedOne |= online::TokenAt(row, 2) == one_.nick;
  EXPECT_TRUE(listedOne);
  const int score1 = kon_->Score(1);
  const auto place = online::ReplyTrailingNumber(
      one_.client->Raw(kTournament, {{"places44", "0"}, {"score1", std::to_string(score1)}}).body);
  ASSERT_TRUE(place.has_value());
  EXPECT_GE(*place, 1);
}

TEST_F(RelayTable, IllegalAndOutOfTurnMovesGoNowhereAndSilenceLosesTheTable) {
  ASSERT_NO_FATAL_FAILURE(SitDown());
  Begin();
  const int mover = kon_->ToMove();
  const int other = mover == 1 ? 2 : 1;
  // The mover's card that is not the nine of diamonds, a move of the waiting seat, and a
  // pass while a card could be laid.
  const int nine = SlotOf(kon_->HandOf(mover), kOpeningCard);
  Socket(mover).SendFrame(MoveMessage(nine == 1 ? 2 : 1), mover);
  Socket(other).SendFrame("hhod01", other);
  Socket(mover).SendFrame("hpass0", mover);
  EXPECT_TRUE(Socket(other).Read(1, 300).empty());
  EXPECT_TRUE(Socket(mover).Read(1, 10).empty());
  // Nothing more from the mover: past the relay's limit the other seat is told the mover's
  // time is up, and the table closes.
  EXPECT_EQ(Socket(other).ReadFrame(static_cast<int>(kTestMoveLimitSeconds * 1000) + 3000),
            F("TOut", mover));
  EXPECT_TRUE(Socket(mover).ClosedWithin(3000));
  EXPECT_TRUE(Socket(other).ClosedWithin(3000));
  // The silent seat lost with every card in hand: 2 + 18 for the other.
  ExpectBooked(other, other == 1 ? 20 : -20);
}

TEST_F(RelayTable, ASeatThatDropsMidKonLosesAndTheOtherIsTold) {
  ASSERT_NO_FATAL_FAILURE(SitDown());
  Begin();
  for (int i = 0; i < 4; ++i) ASSERT_NO_FATAL_FAILURE(PlayOne());
  const int left1 = kon_->CardsLeft(1);
  seat1_.reset();  // seat 1's program is gone
  EXPECT_EQ(seat2_->ReadFrame(), F("a", 1));
  EXPECT_TRUE(seat2_->ClosedWithin(3000));
  kon_->Forfeit(1);
  EXPECT_EQ(kon_->CardsLeft(1), left1);
  ExpectBooked(2, kon_->Score(1));
}

TEST_F(RelayTable, OnlyTheBookedSeatIsTakenAndOnlyOnce) {
  Member m = NewMember("Lone");
  const int table = NewTable();
  struct Case {
    const char* what;
    std::string frame;
  } refused[] = {
      {"a seat nobody booked", F("connect2", 2)},
      {"no connect frame at all", F("hbegin", 1)},
      {"a seat number beyond two", F("connect3", 1)},
  };
  ASSERT_EQ(m.Book(table, 1), "ok");
  const auto refusalLines = [] {
    const std::string log = ServerProcess::FileText(Server().DataDir() / "server.log");
    std::size_t n = 0;
    for (std::size_t at = log.find("refused"); at != std::string::npos;
         at = log.find("refused", at + 1)) {
      ++n;
    }
    return n;
  };
  const std::size_t linesBefore = refusalLines();
  for (const Case& c : refused) {
    RawSeat s(RelayPort(table));
    s.Send(c.frame);
    EXPECT_TRUE(s.ClosedWithin(3000)) << c.what;
  }
  // Refused connections are counted; the log gets a line about them at most once a minute.
  EXPECT_LE(refusalLines() - linesBefore, 1u);
  RawSeat first(RelayPort(table));
  first.SendFrame("connect1", 1);
  RawSeat second(RelayPort(table));
  second.SendFrame("connect1", 1);
  EXPECT_TRUE(second.ClosedWithin(3000));
  EXPECT_FALSE(first.ClosedWithin(200));
  // Leaving before the deal frees the seat.
  first.SendFrame("disA", 1);
  EXPECT_TRUE(first.ClosedWithin(3000));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(online::TokenAt(Tables()[static_cast<std::size_t>(table - 1)], 7), "X");
}

}  // namespace
}  // namespace zendral::server_test
