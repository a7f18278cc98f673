// The LAN link on real sockets over loopback. Servers listen on ports the system chooses,
// so parallel runs never meet; every wait is bounded.

#include "net/LanLink.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DescribeMessage.h"
#include "game/GameState.h"
#include "game/Moves.h"
#include "game/Random.h"
#include "net/LanSetup.h"
#include "net/OwnAddresses.h"

namespace zendral::net {
namespace {

constexpr int kWaitMs = 5000;

bool WaitFor(const std::function<bool()>& condition) {
  return QTest::qWaitFor(condition, kWaitMs);
}

Deck ShuffledDeck(std::uint64_t seed) {
  Random random(seed);
  Deck deck;
  ShuffleDeck(deck, random);
  return deck;
}

std::string DescribeDeal(const Deck& deck) {
  return "deal " + ToNotation(deck[1]) + ".." + ToNotation(deck[36]);
}

// Asks the system itself, not Qt's idea of the socket.
bool NoDelayIsSet(const QTcpSocket& socket) {
  int value = 0;
  socklen_t size = sizeof value;
  const auto fd = static_cast<int>(socket.socketDescriptor());
  return ::getsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &value, &size) == 0 && value != 0;
}

QByteArray Bytes(const std::string& text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// Everything a link hands on, as lines in order of arrival.
struct Recorder {
  std::vector<std::string> lines;
  std::vector<std::string> ignored;

  explicit Recorder(LanLink& link) {
    QObject::connect(&link, &LanLink::MessageReceived,
                     [this](const LanMessage& m) { lines.push_back(Describe(m)); });
    QObject::connect(&link, &LanLink::PeerJoined, [this] { lines.push_back("joined"); });
    QObject::connect(&link, &LanLink::PeerLeft, [this] { lines.push_back("left"); });
    QObject::connect(&link, &LanLink::JoinLost, [this] { lines.push_back("join lost"); });
    QObject::connect(&link, &LanLink::LinkFailed, [this] { lines.push_back("failed"); });
    QObject::connect(&link, &LanLink::MessageIgnored,
                     [this](const QString& why) { ignored.push_back(why.toStdString()); });
  }
  bool Has(std::size_t count) const { return lines.size() >= count; }
};

class LanLinkTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (QCoreApplication::instance() == nullptr) {
      static int argc = 1;
      static char name[] = "net_link_tests";
      static char* argv[] = {name, nullptr};
      new QCoreApplication(argc, argv);
    }
  }

  // A listening server link on loopback.
  quint16 StartServer(LanLink& link, const char* name = "Anna") {
    link.SetOwnName(name);
    EXPECT_TRUE(link.StartServer(0, QHostAddress::LocalHost));
    return link.ServerPort();
  }

  // Server and client links through the handshake, both released for play.
  void JoinPair(LanLink& server, LanLink& client) {
    const quint16 port = StartServer(server);
    QSignalSpy serverJoined(&server, &LanLink::PeerJoined);
    QSignalSpy clientJoined(&client, &LanLink::PeerJoined);
    client.SetOwnName("Boris");
    client.StartClient("127.0.0.1", port);
    ASSERT_TRUE(WaitFor([&] { return serverJoined.count() == 1 && clientJoined.count() == 1; }));
    server.SetHeld(false);
    client.SetHeld(false);
  }

  // A raw socket connected to the server link, as another program (or a test) would be.
  std::unique_ptr<QTcpSocket> RawClient(quint16 port) {
    auto raw = std::make_unique<QTcpSocket>();
    raw->connectToHost(QHostAddress::LocalHost, port);
    EXPECT_TRUE(raw->waitForConnected(kWaitMs));
    return raw;
  }

  static void Write(QTcpSocket& raw, const std::string& bytes) {
    raw.write(Bytes(bytes));
    raw.flush();
  }

  // Sends a message one byte per write and lets the link read each byte on its own before
  // the next goes out, so that every byte really is a read of its own.
  static void WriteBytewise(QTcpSocket& raw, LanLink& link, const std::string& message,
                            const std::function<bool()>& done) {
    for (std::size_t i = 0; i + 1 < message.size(); ++i) {
      Write(raw, message.substr(i, 1));
      ASSERT_TRUE(WaitFor([&] { return link.PendingBytes() == i + 1; })) << "byte " << i;
    }
    Write(raw, message.substr(message.size() - 1));
    ASSERT_TRUE(WaitFor(done));
    EXPECT_EQ(link.PendingBytes(), 0u);
  }

  // Reads exactly n bytes from a raw socket.
  static std::string ReadExactly(QTcpSocket& raw, std::size_t n) {
    std::string got;
    WaitFor([&] {
      got += raw.readAll().toStdString();
      return got.size() >= n;
    });
    return got;
  }
};

TEST_F(LanLinkTest, HandshakeExchangesNamesAndSetsLowDelay) {
  LanLink server;
  LanLink client;
  JoinPair(server, client);

  EXPECT_EQ(server.LinkStage(), kLinkJoined);
  EXPECT_EQ(client.LinkStage(), kLinkJoined);
  EXPECT_EQ(server.PeerName(), "Boris" + std::string(14, ' '));
  EXPECT_EQ(client.PeerName(), "Anna" + std::string(15, ' '));
  EXPECT_TRUE(client.WaitingForDeal());
  EXPECT_FALSE(server.WaitingForDeal());
  // Both ends of the connection send each message at once.
  ASSERT_NE(server.Connection(), nullptr);
  ASSERT_NE(client.Connection(), nullptr);
  EXPECT_TRUE(NoDelayIsSet(*server.Connection()));
  EXPECT_TRUE(NoDelayIsSet(*client.Connection()));
}

TEST_F(LanLinkTest, MessagesFlowBothWaysAndEachRoleTakesItsOwn) {
  LanLink server;
  LanLink client;
  JoinPair(server, client);
  Recorder atServer(server);
  Recorder atClient(client);

  const Deck deck = ShuffledDeck(21);
  ASSERT_TRUE(server.Send(DealText(deck)));
  EXPECT_EQ(server.LinkStage(), kLinkDealSent);
  ASSERT_TRUE(server.Send(kBeginMessage));
  ASSERT_TRUE(client.Send(MoveMessage(3)));
  ASSERT_TRUE(server.Send(MoveMessage(9)));
  ASSERT_TRUE(client.Send(kPassMessage));
  ASSERT_TRUE(server.Send(kSettleMessage));
  // The server deals and settles itself: these from a client are not applied.
  ASSERT_TRUE(client.Send(kBeginMessage));
  ASSERT_TRUE(client.Send(kSettleMessage));
  ASSERT_TRUE(client.Send(MoveMessage(4)));
  // Last: a chat line takes the rest of the read it arrives in.
  ASSERT_TRUE(client.Send(ChatText("Hi there")));

  ASSERT_TRUE(WaitFor([&] { return atServer.Has(4) && atClient.Has(4); }));
  EXPECT_EQ(atClient.lines,
            (std::vector<std::string>{DescribeDeal(deck), "begin", "move 9", "settle"}));
  EXPECT_EQ(atServer.lines,
            (std::vector<std::string>{"move 3", "pass", "move 4", "chat [Hi there]"}));
  EXPECT_EQ(atServer.ignored.size(), 2u);
}

// The deal and moves from a raw server in one-byte writes and in batches, to a client link.
TEST_F(LanLinkTest, ClientReassemblesBytewiseAndBatchedWrites) {
  QTcpServer rawServer;
  ASSERT_TRUE(rawServer.listen(QHostAddress::LocalHost, 0));
  LanLink client;
  Recorder rec(client);
  client.SetOwnName("Boris");
  client.StartClient("127.0.0.1", rawServer.serverPort());
  ASSERT_TRUE(WaitFor([&] { return rawServer.hasPendingConnections(); }));
  std::unique_ptr<QTcpSocket> raw(rawServer.nextPendingConnection());
  raw->setParent(nullptr);

  // The join request in its exact layout.
  EXPECT_EQ(ReadExactly(*raw, kJoinRequestLength), "kov4425connect1Boris" + std::string(15, ' '));

  WriteBytewise(*raw, client, JoinAnswerText("Anna"), [&] { return rec.Has(1); });
  EXPECT_EQ(client.PeerName(), "Anna" + std::string(15, ' '));
  client.SetHeld(false);

  const Deck deck = ShuffledDeck(5);
  WriteBytewise(*raw, client, DealText(deck), [&] { return rec.Has(2); });
  Write(*raw, "hbegin" + MoveMessage(5) + "hpass0");  // several in one write
  ASSERT_TRUE(WaitFor([&] { return rec.Has(5); }));
  Write(*raw, MoveMessage(12) + "hi");  // a move and the start of the next message
  ASSERT_TRUE(WaitFor([&] { return rec.Has(6); }));
  EXPECT_EQ(client.PendingBytes(), 2u);
  Write(*raw, "togs");
  ASSERT_TRUE(WaitFor([&] { return rec.Has(7); }));

  EXPECT_EQ(rec.lines, (std::vector<std::string>{"joined", DescribeDeal(deck), "begin", "move 5",
                                                 "pass", "move 12", "settle"}));
  EXPECT_TRUE(rec.ignored.empty());
}

// The join request and moves from a raw client in one-byte writes and in batches.
TEST_F(LanLinkTest, ServerReassemblesBytewiseAndBatchedWrites) {
  LanLink server;
  Recorder rec(server);
  auto raw = RawClient(StartServer(server, "Anna"));

  WriteBytewise(*raw, server, JoinRequestText("Boris"), [&] { return rec.Has(1); });
  EXPECT_EQ(ReadExactly(*raw, kJoinAnswerLength), "connect2Anna" + std::string(16, ' '));
  server.SetHeld(false);

  WriteBytewise(*raw, server, MoveMessage(7), [&] { return rec.Has(2); });
  WriteBytewise(*raw, server, "hpass0", [&] { return rec.Has(3); });
  Write(*raw, MoveMessage(1) + "hpass0" + MoveMessage(18) + "sGood luck");
  ASSERT_TRUE(WaitFor([&] { return rec.Has(7); }));
  EXPECT_EQ(rec.lines, (std::vector<std::string>{"joined", "move 7", "pass", "move 1", "pass",
                                                 "move 18", "chat [Good luck]"}));
}

// A refused request gets no answer: after it, a valid request on the same connection is
// answered, and that answer is all the client ever receives.
TEST_F(LanLinkTest, RefusedJoinRequestsGetNoAnswer) {
  const struct {
    const char* what;
    std::string request;
  } cases[] = {
      {"protocol 24", JoinRequestText("Boris", kGameId, "24")},
      {"another game id", JoinRequestText("Boris", 43)},
  };
  for (const auto& c : cases) {
    LanLink server;
    Recorder rec(server);
    auto raw = RawClient(StartServer(server));
    Write(*raw, c.request);
    ASSERT_TRUE(WaitFor([&] { return rec.ignored.size() == 1; })) << c.what;
    EXPECT_EQ(server.LinkStage(), kLinkStarting) << c.what;
    EXPECT_TRUE(rec.lines.empty()) << c.what;

    Write(*raw, JoinRequestText("Boris"));
    ASSERT_TRUE(WaitFor([&] { return rec.Has(1); })) << c.what;
    EXPECT_EQ(ReadExactly(*raw, kJoinAnswerLength), JoinAnswerText("Anna")) << c.what;
    raw->waitForReadyRead(0);
    EXPECT_EQ(raw->bytesAvailable(), 0) << c.what;
  }
}

TEST_F(LanLinkTest, ServerPlaysOnlyWithItsFirstConnection) {
  LanLink server;
  Recorder rec(server);
  const quint16 port = StartServer(server);
  auto first = RawClient(port);
  ASSERT_TRUE(WaitFor([&] { return server.Connection() != nullptr; }));

  auto second = RawClient(port);
  QSignalSpy secondClosed(second.get(), &QTcpSocket::disconnected);
  Write(*second, JoinRequestText("Mallory"));
  ASSERT_TRUE(secondClosed.wait(kWaitMs));

  Write(*first, JoinRequestText("Boris"));
  ASSERT_TRUE(WaitFor([&] { return rec.Has(1); }));
  EXPECT_EQ(server.PeerName(), "Boris" + std::string(14, ' '));
}

// A connection that closes before it joins, or a joined client that leaves before the first
// deal, must not leave the server waiting forever for a player who can never join.
TEST_F(LanLinkTest, ServerTakesTheNextClientWhenTheFirstLeavesBeforeTheGame) {
  LanLink server;
  Recorder rec(server);
  const quint16 port = StartServer(server);

  auto silent = RawClient(port);
  ASSERT_TRUE(WaitFor([&] { return server.Connection() != nullptr; }));
  silent->disconnectFromHost();
  ASSERT_TRUE(WaitFor([&] { return server.Connection() == nullptr; }));

  auto joined = RawClient(port);
  Write(*joined, JoinRequestText("Boris"));
  ASSERT_TRUE(WaitFor([&] { return rec.Has(1); }));
  joined->disconnectFromHost();
  ASSERT_TRUE(WaitFor([&] { return rec.Has(2); }));
  EXPECT_EQ(server.LinkStage(), kLinkStarting);
  EXPECT_TRUE(server.IsListening());

  auto third = RawClient(port);
  Write(*third, JoinRequestText("Clara"));
  ASSERT_TRUE(WaitFor([&] { return rec.Has(3); }));
  EXPECT_EQ(rec.lines, (std::vector<std::string>{"joined", "join lost", "joined"}));
  EXPECT_EQ(server.PeerName(), "Clara" + std::string(14, ' '));
}

// A peer that sends its last move and goes: the move is applied, then the disconnection is
// reported once; the server's listening socket closes on the next menu tick.
TEST_F(LanLinkTest, PeerLeavingIsReportedAfterItsLastMessagesAndClosesTheServer) {
  LanLink server;
  Recorder rec(server);
  const quint16 port = StartServer(server);
  auto raw = RawClient(port);
  Write(*raw, JoinRequestText("Boris"));
  ASSERT_TRUE(WaitFor([&] { return rec.Has(1); }));
  server.SetHeld(false);
  ASSERT_TRUE(server.Send(DealText(ShuffledDeck(1))));
  EXPECT_EQ(ReadExactly(*raw, kJoinAnswerLength + kDealLength).size(),
            kJoinAnswerLength + kDealLength);

  Write(*raw, MoveMessage(5));
  ASSERT_TRUE(raw->waitForBytesWritten(kWaitMs) || raw->bytesToWrite() == 0);
  raw->disconnectFromHost();  // what the system does for a program that is killed
  ASSERT_TRUE(WaitFor([&] { return rec.Has(3); }));
  EXPECT_EQ(rec.lines, (std::vector<std::string>{"joined", "move 5", "left"}));

  // Until the listening socket closes, nobody else takes the seat that was left.
  auto stranger = RawClient(port);
  QSignalSpy strangerClosed(stranger.get(), &QTcpSocket::disconnected);
  ASSERT_TRUE(strangerClosed.wait(kWaitMs));
  EXPECT_EQ(server.Connection(), nullptr);

  const PeerLeftAction action = DecidePeerLeft(true, kRoleServer, server.Role(), false);
  ASSERT_TRUE(action.closeServerPending);
  server.RequestCloseServer();
  EXPECT_TRUE(server.CloseServerPending());
  EXPECT_TRUE(server.IsListening());
  server.OnMenuTick();
  EXPECT_FALSE(server.CloseServerPending());
  EXPECT_FALSE(server.IsListening());

  QTcpSocket late;
  QSignalSpy refused(&late, &QTcpSocket::errorOccurred);
  late.connectToHost(QHostAddress::LocalHost, port);
  ASSERT_TRUE(refused.wait(kWaitMs));
  EXPECT_EQ(late.error(), QAbstractSocket::ConnectionRefusedError);
  EXPECT_EQ(rec.lines.size(), 3u);
}

TEST_F(LanLinkTest, EitherSideClosingIsSeenByTheOther) {
  for (const bool serverCloses : {true, false}) {
    LanLink server;
    LanLink client;
    JoinPair(server, client);
    ASSERT_TRUE(server.Send(DealText(ShuffledDeck(2))));  // the session is under way
    Recorder atServer(server);
    Recorder atClient(client);
    LanLink& closing = serverCloses ? server : client;
    Recorder& other = serverCloses ? atClient : atServer;
    Recorder& self = serverCloses ? atServer : atClient;

    closing.Close();
    EXPECT_FALSE(closing.IsConnected());
    ASSERT_TRUE(WaitFor([&] { return other.Has(serverCloses ? 2 : 1); }));
    EXPECT_EQ(other.lines.back(), "left");
    // Our own close is no event for our own game.
    QCoreApplication::processEvents();
    EXPECT_TRUE(self.lines.empty());
    EXPECT_FALSE((serverCloses ? client : server).Send("hpass0"));
  }
}

TEST_F(LanLinkTest, ClientWithoutAServerFails) {
  quint16 freePort = 0;
  {
    QTcpServer probe;  // a port that was free a moment ago and is closed now
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    freePort = probe.serverPort();
  }
  LanLink client;
  Recorder rec(client);
  client.StartClient("127.0.0.1", freePort);
  ASSERT_TRUE(WaitFor([&] { return rec.Has(1); }));
  EXPECT_EQ(rec.lines.front(), "failed");
  EXPECT_TRUE(client.SocketErrorSeen());
  EXPECT_FALSE(client.IsConnected());
  EXPECT_EQ(client.LinkStage(), kLinkStarting);  // until the waiting window's Cancel
  client.Cancel();
  EXPECT_EQ(client.LinkStage(), kLinkIdle);
}

TEST_F(LanLinkTest, ServerOnAPortInUseReportsNoGame) {
  QTcpServer other;
  ASSERT_TRUE(other.listen(QHostAddress::LocalHost, 0));
  LanLink server;
  QSignalSpy failed(&server, &LanLink::LinkFailed);
  EXPECT_FALSE(server.StartServer(other.serverPort(), QHostAddress::LocalHost));
  EXPECT_EQ(failed.count(), 1);
  EXPECT_TRUE(server.SocketErrorSeen());
  EXPECT_FALSE(server.IsListening());
}

TEST_F(LanLinkTest, CancelClosesTheSocketOfTheRole) {
  LanLink server;
  const quint16 port = StartServer(server);
  server.Cancel();
  EXPECT_EQ(server.LinkStage(), kLinkIdle);
  EXPECT_FALSE(server.IsListening());
  QTcpSocket late;
  QSignalSpy refused(&late, &QTcpSocket::errorOccurred);
  late.connectToHost(QHostAddress::LocalHost, port);
  EXPECT_TRUE(refused.wait(kWaitMs));
}

// While the game waits (a sound, the card flight, the settlement pause) nothing reaches it;
// what arrived meanwhile follows in order, from the event loop.
TEST_F(LanLinkTest, HeldMessagesWaitAndFollowInOrder) {
  LanLink server;
  LanLink client;
  JoinPair(server, client);
  std::vector<std::string> lines;
  bool holdOnFirst = true;
  QObject::connect(&client, &LanLink::MessageReceived, [&](const LanMessage& m) {
    lines.push_back(Describe(m));
    if (holdOnFirst) {  // the first message starts a wait
      holdOnFirst = false;
      client.SetHeld(true);
    }
  });
  QObject::connect(&client, &LanLink::PeerLeft, [&] { lines.push_back("left"); });

  ASSERT_TRUE(server.Send("hbegin" + MoveMessage(2) + "hpass0"));
  ASSERT_TRUE(WaitFor([&] { return !lines.empty(); }));
  ASSERT_TRUE(server.Send(MoveMessage(3)));
  server.Close();  // and the peer goes, too
  // Everything has arrived; nothing more has been delivered.
  ASSERT_TRUE(WaitFor([&] { return client.QueuedMessages() == 4; }));
  EXPECT_EQ(lines, std::vector<std::string>{"begin"});

  client.SetHeld(false);
  EXPECT_EQ(lines.size(), 1u);  // not from inside the release
  ASSERT_TRUE(WaitFor([&] { return lines.size() == 5; }));
  EXPECT_EQ(lines, (std::vector<std::string>{"begin", "move 2", "pass", "move 3", "left"}));
}

TEST_F(LanLinkTest, NothingIsSentWithoutAConnection) {
  LanLink link;
  EXPECT_FALSE(link.Send("hpass0"));
  StartServer(link);
  EXPECT_FALSE(link.Send("hpass0"));  // listening, nobody joined
}

// The loopback interface is up on every machine that runs these tests.
TEST(OwnAddresses, ListTheInterfacesAndAskTheServiceForTheExternalAddress) {
  const std::vector<std::string> interfaces = InterfaceIPv4Addresses();
  EXPECT_NE(std::find(interfaces.begin(), interfaces.end(), "127.0.0.1"), interfaces.end());

  int asked = 0;
  const auto boxes = OwnAddressBoxes(
      [&] {
        ++asked;
        return std::string("203.0.113.9");
      },
      "web");
  EXPECT_EQ(asked, 1);
  const auto external = std::find_if(boxes.begin(), boxes.end(),
                                     [](const AddressBox& b) { return b.text == "203.0.113.9"; });
  if (interfaces.size() < kAddressBoxes - 1) {
    ASSERT_NE(external, boxes.end());
    EXPECT_EQ(external->hint, "web");
  }
  const auto last =
      std::find_if(boxes.rbegin(), boxes.rend(), [](const AddressBox& b) { return b.shown; });
  EXPECT_EQ(last->text, "127.0.0.1");
  EXPECT_EQ(last->hint, "Loop");
  // No service at hand: its box stays empty.
  if (interfaces.size() < kAddressBoxes - 1) {
    const auto offline = OwnAddressBoxes(nullptr, "web");
    EXPECT_EQ(offline[interfaces.size()].text, "");
    EXPECT_EQ(offline[interfaces.size()].hint, "web");
  }
}

}  // namespace
}  // namespace zendral::net
