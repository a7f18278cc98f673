// The program's relay link against a stand-in relay on a loopback socket: "connect" with the
// seat, a deal that arrives in pieces, frames split over writes, the peer's leaving and a
// lost connection, each through the real kon driver.

#include "net/RelayPeerLink.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "RecordingTable.h"
#include "game/Moves.h"
#include "net/LanMessage.h"
#include "net/RelayFrame.h"

namespace zendral::net {
namespace {

bool WaitFor(const std::function<bool()>& condition) {
  return QTest::qWaitFor(condition, 5000);
}

Deck ShuffledDeck(std::uint64_t seed) {
  Random random(seed);
  Deck deck;
  ShuffleDeck(deck, random);
  return deck;
}

class RelayPeerLinkTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (QCoreApplication::instance() == nullptr) {
      static int argc = 1;
      static char name[] = "net_relay_tests";
      static char* argv[] = {name, nullptr};
      new QCoreApplication(argc, argv);
    }
  }

  // The link books relay seat 2 and connects; the stand-in relay takes the connection and
  // deals in three pieces.
  void ConnectAndDeal() {
    ASSERT_TRUE(relay_.listen(QHostAddress::LocalHost, 0));
    state_.SeatName[kSeat1] = "Anna";
    link_.Attach(driver_);
    link_.SetNoticeHandler([this](RelayPeerLink::Notice n, const std::string& peer) {
      notices_.push_back({n, peer});
    });
    link_.SetDealHandler([this](bool first) { dealFirst_.push_back(first); });
    link_.Open(QStringLiteral("127.0.0.1"), relay_.serverPort(), 2);
    EXPECT_EQ(link_.RelayState(), kRelayBooked);
    ASSERT_TRUE(WaitFor([&] { return relay_.hasPendingConnections(); }));
    seat_ = relay_.nextPendingConnection();
    ASSERT_TRUE(WaitFor([&] { return seat_->bytesAvailable() >= 20; }));
    EXPECT_EQ(seat_->readAll().toStdString(), RelayFrameText("connect2", 2));
    EXPECT_EQ(link_.RelayState(), kRelayConnected);

    const std::string deal = DealText(deck_);
    for (const std::string& piece : {deal.substr(0, 1), deal.substr(1, 70), deal.substr(71)}) {
      Write(piece);
      QTest::qWait(20);
    }
    ASSERT_TRUE(WaitFor([&] { return state_.TourGame; }));
  }
  void Write(const std::string& bytes) {
    seat_->write(bytes.data(), static_cast<qint64>(bytes.size()));
    seat_->flush();
  }

  Deck deck_ = ShuffledDeck(11);
  GameState state_;
  testing::RecordingTable table_;
  Random random_{1};
  RelayPeerLink link_{state_, table_};
  KonDriver driver_{state_, DriverLinks{table_, random_, &link_}};
  QTcpServer relay_;
  QTcpSocket* seat_ = nullptr;
  std::vector<std::pair<RelayPeerLink::Notice, std::string>> notices_;
  std::vector<bool> dealFirst_;
};

TEST_F(RelayPeerLinkTest, ADealInPiecesStartsTheTableAtRelaySeatTwo) {
  ASSERT_NO_FATAL_FAILURE(ConnectAndDeal());
  EXPECT_EQ(dealFirst_, std::vector<bool>{true});
  EXPECT_EQ(state_.PlayerSlot, kTournamentSlot);
  EXPECT_EQ(state_.Hands[kSeat1].CardCount, 18);
  EXPECT_EQ(state_.Hands[kSeat2].CardCount, 18);
  // Relay seat 2 holds deck positions 19..36 as its own hand.
  for (int p = 19; p <= 36; ++p) EXPECT_NE(SlotOf(state_.Hands[kSeat2], deck_[p]), 0);
  EXPECT_EQ(link_.PendingBytes(), 0u);
  // The opener's clock runs from the deal.
  EXPECT_EQ(link_.Clock().Seat(), state_.TurnState == ksSeat2ToMove ? kClockOwn : kClockPeer);
  EXPECT_EQ(link_.Clock().Seconds(), kMoveClockSeconds);
  EXPECT_TRUE(link_.ClockTimer()->isActive());
}

TEST_F(RelayPeerLinkTest, ThePeersFramesSplitOverWritesReachTheDriver) {
  ASSERT_NO_FATAL_FAILURE(ConnectAndDeal());
  if (state_.TurnState != ksSeat1ToMove) GTEST_SKIP() << "this deck lets the own seat open";
  const int nine = SlotOf(state_.Hands[kSeat1], kOpeningCard);
  const std::string frames = RelayFrameText("hbegin", 1) + RelayFrameText(MoveMessage(nine), 1);
  Write(frames.substr(0, 27));
  QTest::qWait(30);
  Write(frames.substr(27));
  ASSERT_TRUE(WaitFor([&] { return state_.LayCounter == 2; }));
  EXPECT_EQ(state_.Hands[kSeat1].CardCount, 17);
  EXPECT_TRUE(state_.Board.Has(kOpeningCard));
  EXPECT_EQ(state_.TurnState, ksSeat2ToMove);
  // The peer's card starts the own clock.
  EXPECT_EQ(link_.Clock().Seat(), kClockOwn);
  EXPECT_EQ(link_.Refused(), 0);
}

TEST_F(RelayPeerLinkTest, ThePeersLeavingEndsTheTableAsWon) {
  ASSERT_NO_FATAL_FAILURE(ConnectAndDeal());
  table_.calls.clear();
  Write(RelayFrameText("a", 1));
  ASSERT_TRUE(WaitFor([&] { return !notices_.empty(); }));
  EXPECT_EQ(notices_[0].first, RelayPeerLink::Notice::kPeerLeft);
  EXPECT_EQ(notices_[0].second, "Anna");
  EXPECT_EQ(link_.RelayState(), kRelayOver);
  EXPECT_TRUE(state_.CanFinish);
  EXPECT_EQ(state_.TurnState, ksKonSettled);
  EXPECT_TRUE(state_.ExitButtonEnabled);
  EXPECT_FALSE(state_.MainButtonEnabled);
  EXPECT_FALSE(link_.ClockTimer()->isActive());
  EXPECT_FALSE(table_.Matching("sound WWrongs").empty());
  // The relay's closing afterwards is no lost connection.
  seat_->close();
  QTest::qWait(100);
  EXPECT_EQ(notices_.size(), 1u);
}

TEST_F(RelayPeerLinkTest, ALostRelayConnectionMidKonEndsTheTable) {
  ASSERT_NO_FATAL_FAILURE(ConnectAndDeal());
  seat_->close();
  ASSERT_TRUE(WaitFor([&] { return !notices_.empty(); }));
  EXPECT_EQ(notices_[0].first, RelayPeerLink::Notice::kLostConnection);
  EXPECT_TRUE(state_.CanFinish);
  EXPECT_EQ(state_.TurnState, ksKonSettled);
  EXPECT_TRUE(state_.ExitButtonEnabled);
  EXPECT_TRUE(link_.SocketErrorSeen());
}

}  // namespace
}  // namespace zendral::net
