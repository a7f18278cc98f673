// Two programs over real loopback sockets, each with its own kon driver bound to its LanLink:
// whole kons played the way the two players would play them, with both copies of the kon
// compared after every message. Servers listen on ports the system chooses; every wait is
// bounded.

#include "net/LanPeerLink.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "DriverTable.h"
#include "RecordingTable.h"
#include "game/KonDriver.h"
#include "game/Scores.h"
#include "net/LanMessageReader.h"
#include "store/Cp1251.h"

namespace zendral::net {
namespace {

constexpr int kWaitMs = 10000;
constexpr int kMaxSteps = 2000;  // a block of three kons takes about 150

bool WaitFor(const std::function<bool()>& condition) {
  return QTest::qWaitFor(condition, kWaitMs);
}

std::string HandText(const Hand& hand) {
  std::string text;
  for (int slot = 1; slot <= hand.CardCount; ++slot) text += ToNotation(hand[slot]) + " ";
  return text;
}

int MirroredTurn(int turn) {
  return turn == ksSeat1ToMove ? ksSeat2ToMove : turn == ksSeat2ToMove ? ksSeat1ToMove : turn;
}

// One copy of the kon against the other, which sees itself as seat 2: the cards and the
// money always agree; at rest also the turn, the phase and the counters.
void ExpectMirrored(const GameState& a, const GameState& b, bool atRest) {
  EXPECT_EQ(HandText(a.Hands[kSeat1]), HandText(b.Hands[kSeat2]));
  EXPECT_EQ(HandText(a.Hands[kSeat2]), HandText(b.Hands[kSeat1]));
  EXPECT_TRUE(a.Hands[kSeat1] == b.Hands[kSeat2] && a.Hands[kSeat2] == b.Hands[kSeat1]);
  EXPECT_TRUE(a.Board == b.Board);
  EXPECT_EQ(a.Bank, b.Bank);
  EXPECT_EQ(a.Score[kSeat1], b.Score[kSeat2]);
  EXPECT_EQ(a.Score[kSeat2], b.Score[kSeat1]);
  EXPECT_EQ(a.KonFines[kSeat1], b.KonFines[kSeat2]);
  EXPECT_EQ(a.KonPenalty[kSeat2], b.KonPenalty[kSeat1]);
  if (!atRest) return;
  EXPECT_EQ(a.TurnState, MirroredTurn(b.TurnState));
  EXPECT_EQ(a.KonPhase, b.KonPhase);
  EXPECT_EQ(a.LayCounter, b.LayCounter);
  EXPECT_EQ(a.KonNumber, b.KonNumber);
  EXPECT_EQ(a.CanFinish, b.CanFinish);
}

// The table of one program. It records every call, and it waits for real where the program
// waits — the settlement pause, and, when asked, the sounds played to their end — turning
// the event loop meanwhile, so that messages arrive in the middle of the driver's calls.
class WaitingTable : public testing::RecordingTable {
 public:
  int pauseMs = 0;
  int soundMs = 0;
  std::function<void()> duringNextSound;  // runs once, inside the next waited sound

  void PauseGame(int ms) override {
    RecordingTable::PauseGame(ms);
    QTest::qWait(pauseMs);
  }
  void PlaySound(std::string_view name, bool wait) override {
    RecordingTable::PlaySound(name, wait);
    if (!wait) return;
    if (auto hook = std::exchange(duringNextSound, nullptr)) hook();
    if (soundMs > 0) QTest::qWait(soundMs);
  }
};

// One copy of the program: its link, its kon and what its window was handed.
struct Program {
  explicit Program(std::uint64_t seed) : random(seed) {
    peer.Attach(driver);
    peer.SetChatHandler([this](int index, const std::string& text) {
      chat.push_back(std::to_string(index) + " " + text);
    });
    peer.SetPeerLeftHandler([this](const PeerLeftNotice& notice) {
      left.push_back(notice);
      view.calls.push_back(notice.interrupted ? "box interrupted" : "no box");
    });
    peer.SetRefusedHandler([this](const std::string& m) { refused.push_back(m); });
    // Connected after the binding: counts a message once the driver has taken it.
    QObject::connect(&link, &LanLink::MessageReceived, [this](const LanMessage& m) {
      if (m.kind == LanKind::kChat) return;
      ++applied;
      if (afterMessage) afterMessage();
    });
  }

  // The session for a new player, as the menu starts it once the waiting window has closed.
  void Start(const std::string& name) {
    state.PlayerSlot = kNewPlayerSlot;
    state.DialogName = name;
    peer.StartSession(name);
  }
  // The local player's move as the computer would choose it: a card, or the pass button.
  bool Move() {
    return peer.Call([&] { return testing::LocalPlayerMoves(driver); });
  }
  bool MainButton() {
    return peer.Call([&] { return driver.MainButtonClick(); });
  }
  bool ExitButton() {
    return peer.Call([&] { return driver.ExitButtonClick(); });
  }

  LanLink link;
  GameState state;
  WaitingTable view;
  testing::RecordingStore store;
  Random random;
  LanPeerLink peer{link, state, view};
  KonDriver driver{state, DriverLinks{view, random, &peer, &store}};

  std::vector<std::string> chat;  // "index text"
  std::vector<PeerLeftNotice> left;
  std::vector<std::string> refused;
  int applied = 0;  // peer messages the driver has been handed
  std::function<void()> afterMessage;
};

class LanPeerLinkTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (QCoreApplication::instance() == nullptr) {
      static int argc = 1;
      static char name[] = "net_game_tests";
      static char* argv[] = {name, nullptr};
      new QCoreApplication(argc, argv);
    }
  }

  // The handshake, both sessions started as the menus start them, and the first deal in.
  void JoinAndStart() {
    server.link.SetOwnName(Utf8ToCp1251(kServerName));
    ASSERT_TRUE(server.link.StartServer(0, QHostAddress::LocalHost));
    QSignalSpy serverJoined(&server.link, &LanLink::PeerJoined);
    QSignalSpy clientJoined(&client.link, &LanLink::PeerJoined);
    client.link.SetOwnName(Utf8ToCp1251(kClientName));
    client.link.StartClient("127.0.0.1", server.link.ServerPort());
    ASSERT_TRUE(WaitFor([&] { return serverJoined.count() == 1 && clientJoined.count() == 1; }));
    server.Start(kServerName);
    client.Start(kClientName);
    ASSERT_TRUE(WaitFor([&] { return client.applied == 1; })) << "the first deal";
    ExpectMirrored(server.state, client.state, true);
  }

  // Takes the next step of the block as the two players would, and waits until the peer
  // has applied the message it sent. False once the block is over.
  bool Step() {
    const GameState& s = server.state;
    if (s.TurnState == ksKonSettled && s.CanFinish) return false;
    // The server begins, settles and deals; each side lays or passes on its own turn.
    const bool button =
        s.KonPhase == kpDealt || s.TurnState == ksKonOver || s.TurnState == ksKonSettled;
    const bool serverActs = button || s.TurnState == ksSeat2ToMove;
    Program& actor = serverActs ? server : client;
    Program& receiver = serverActs ? client : server;
    const int before = receiver.applied;
    const bool acted = button ? actor.MainButton() : actor.Move();
    EXPECT_TRUE(acted) << "turn " << s.TurnState << ", phase " << s.KonPhase;
    if (!acted) return false;
    EXPECT_TRUE(WaitFor([&] {
      return receiver.applied == before + 1 && !server.peer.Busy() && !client.peer.Busy();
    }));
    ExpectMirrored(server.state, client.state, true);
    return !::testing::Test::HasFailure();
  }

  void StepUntil(const std::function<bool()>& done) {
    for (int i = 0; i < kMaxSteps && !done(); ++i) {
      if (!Step()) return;
    }
  }

  static inline const std::string kServerName = "Anna";
  static inline const std::string kClientName = "Борис";  // Windows-1251 on the wire
  Program server{11};
  Program client{12};
};

TEST_F(LanPeerLinkTest, BlockOfThreeKonsStaysInStepAndEndsOnBothSides) {
  // Both sides wait for real in their settlement pauses; messages keep arriving meanwhile.
  server.view.pauseMs = 10;
  client.view.pauseMs = 30;
  int checks = 0;
  for (Program* p : {&server, &client}) {
    p->afterMessage = [&] {
      ExpectMirrored(server.state, client.state, false);
      ++checks;
    };
  }
  JoinAndStart();
  // Seat 1 is the peer under the name it sent, less the last padding byte of its field.
  EXPECT_EQ(server.state.SeatName[kSeat1], kClientName + std::string(14, ' '));
  EXPECT_EQ(client.state.SeatName[kSeat1], kServerName + std::string(15, ' '));
  EXPECT_EQ(server.state.SeatName[kSeat2], kServerName);

  int steps = 0;
  while (steps < kMaxSteps && Step()) ++steps;
  ASSERT_FALSE(HasFailure());
  EXPECT_EQ(server.state.KonNumber, 3);
  EXPECT_EQ(client.applied + server.applied, checks);
  EXPECT_EQ(client.applied + server.applied, steps + 1);  // and the first deal
  EXPECT_TRUE(server.state.CanFinish && client.state.CanFinish);
  EXPECT_EQ(server.state.Score[kSeat2], -client.state.Score[kSeat2]);
  EXPECT_EQ(server.view.Matching("pause 2000").size(), 3u);
  EXPECT_EQ(client.view.Matching("pause 2000").size(), 3u);

  // The server leaves first; the client may end its session now, so it gets no message.
  ASSERT_TRUE(server.ExitButton());
  ASSERT_TRUE(WaitFor([&] { return client.left.size() == 1; }));
  EXPECT_FALSE(client.left[0].interrupted);
  EXPECT_TRUE(client.state.GameActive);
  EXPECT_TRUE(client.view.Matching("sound WWrongs").empty());
  EXPECT_EQ(client.view.calls.back(), "chat on off");
  EXPECT_FALSE(client.link.CloseServerPending());
  ASSERT_TRUE(client.ExitButton());

  for (Program* p : {&server, &client}) {
    ASSERT_EQ(p->store.history.size(), 1u);
    ASSERT_EQ(p->store.stored.size(), 1u);
    EXPECT_EQ(p->store.history[0].HKon, 3);
    EXPECT_EQ(p->store.history[0].HRes, p->state.SessionScore);
    EXPECT_EQ(p->store.history[0].Ac, 3);
    EXPECT_EQ(p->store.stored[0].club, ClubKind::kNetwork);
    EXPECT_EQ(p->store.stored[0].record.konCount, 3);
    EXPECT_TRUE(p->refused.empty());
    EXPECT_EQ(p->peer.FailedSends(), 0);
  }
  EXPECT_EQ(server.store.history[0].HName, "Anna/Борис");
  EXPECT_EQ(client.store.history[0].HName, "Борис/Anna");
  EXPECT_EQ(server.state.SessionScore, -client.state.SessionScore);
}

// The peer answers while the own card's sound is still playing: its move waits until the
// own move has been completed, instead of finding the turn not yet given away.
TEST_F(LanPeerLinkTest, ReplyDuringTheOwnMoveWaitsForIt) {
  JoinAndStart();
  // Up to a turn of the client where the server can answer the client's move.
  StepUntil([&] {
    const GameState& c = client.state;
    return c.KonPhase == kpPlaying && c.TurnState == ksSeat2ToMove && c.LayCounter > 1 &&
           c.Hands[kSeat2].CardCount > 1;
  });
  ASSERT_EQ(client.state.TurnState, ksSeat2ToMove);

  const int serverBefore = server.applied;
  const int clientBefore = client.applied;
  int turnDuringSound = 0;
  client.view.soundMs = 5;
  client.view.duringNextSound = [&] {
    ASSERT_TRUE(WaitFor([&] { return server.applied == serverBefore + 1; }));
    ASSERT_TRUE(server.Move());
    ASSERT_TRUE(WaitFor([&] { return client.link.QueuedMessages() == 1; }));
    turnDuringSound = client.state.TurnState;
  };
  ASSERT_TRUE(client.Move());
  EXPECT_EQ(turnDuringSound, ksSeat2ToMove);  // the reply came while the move was running
  ASSERT_TRUE(WaitFor([&] { return client.applied == clientBefore + 1 && !client.peer.Busy(); }));
  EXPECT_TRUE(client.refused.empty());
  ExpectMirrored(server.state, client.state, true);
}

TEST_F(LanPeerLinkTest, ChatGoesBothWaysInTheSendersColour) {
  JoinAndStart();
  ASSERT_TRUE(client.peer.SendChat("Привет!"));
  ASSERT_TRUE(WaitFor([&] { return server.chat.size() == 1; }));
  // The client's lines are line 2's colour on both screens, the server's line 1's.
  EXPECT_EQ(server.chat, std::vector<std::string>{"2 Привет!"});
  EXPECT_EQ(client.chat, std::vector<std::string>{"2 Привет!"});
  EXPECT_EQ(server.view.Matching("sound WToMenK").size(), 1u);

  // The box takes 15 characters; both screens show what went over the wire.
  ASSERT_TRUE(server.peer.SendChat("Добрый вечер, Борис"));
  ASSERT_TRUE(WaitFor([&] { return client.chat.size() == 2; }));
  EXPECT_EQ(client.chat[1], "1 Добрый вечер, Б");
  EXPECT_EQ(server.chat[1], "1 Добрый вечер, Б");
  EXPECT_FALSE(server.peer.SendChat(""));

  // A chat line changes nothing in the kon.
  EXPECT_EQ(client.applied, 1);
  ExpectMirrored(server.state, client.state, true);
}

// Who leaves in the middle of a kon, and how the other program sees it.
struct LeavingCase {
  const char* name;
  bool clientLeaves;
  int peerRole;       // the role word of the box
  bool closesServer;  // CloseServerPending on the one left behind
};

void PrintTo(const LeavingCase& c, std::ostream* os) {
  *os << c.name;
}

class PeerLeavesMidKon : public LanPeerLinkTest,
                         public ::testing::WithParamInterface<LeavingCase> {};

TEST_P(PeerLeavesMidKon, TheOtherReturnsToTheMenuWithTheRoleWord) {
  const LeavingCase c = GetParam();
  JoinAndStart();
  StepUntil([&] { return server.state.LayCounter > 4; });
  ASSERT_FALSE(server.state.CanFinish);

  Program& leaver = c.clientLeaves ? client : server;
  Program& stays = c.clientLeaves ? server : client;
  const std::string peerName = c.clientLeaves ? kClientName : kServerName;
  leaver.peer.Close();  // what the system also does for a program that is killed

  ASSERT_TRUE(WaitFor([&] { return stays.left.size() == 1; }));
  const PeerLeftNotice& notice = stays.left[0];
  EXPECT_TRUE(notice.interrupted);
  EXPECT_EQ(notice.peerRole, c.peerRole);
  EXPECT_EQ(TrimRight(notice.peerName), peerName);
  EXPECT_EQ(notice.konsPlayed, 1);

  // The sound, the box, then back to the menu; the interrupted kon is not stored.
  const auto& calls = stays.view.calls;
  const auto at = [&](const std::string& call) {
    return std::find(calls.begin(), calls.end(), call) - calls.begin();
  };
  const auto end = static_cast<std::ptrdiff_t>(calls.size());
  ASSERT_LT(at("sound WWrongs"), end);
  EXPECT_LT(at("sound WWrongs"), at("box interrupted"));
  EXPECT_LT(at("box interrupted"), at("hide table"));
  EXPECT_LT(at("hide table"), at("menu"));
  EXPECT_LT(at("menu"), at("timer 20 on"));
  EXPECT_LT(at("timer 20 on"), at("music on"));
  EXPECT_EQ(calls.back(), "chat off off");
  EXPECT_FALSE(stays.state.GameActive);
  EXPECT_TRUE(stays.store.history.empty());
  EXPECT_TRUE(stays.store.stored.empty());

  EXPECT_EQ(stays.link.CloseServerPending(), c.closesServer);
  if (c.closesServer) {
    EXPECT_TRUE(stays.link.IsListening());
    stays.link.OnMenuTick();
    EXPECT_FALSE(stays.link.IsListening());
    EXPECT_FALSE(stays.link.CloseServerPending());
  }
  // The program left behind is at the menu: the buttons of the table do nothing.
  EXPECT_FALSE(stays.MainButton());
  EXPECT_FALSE(stays.ExitButton());
}

INSTANTIATE_TEST_SUITE_P(LanPeerLink, PeerLeavesMidKon,
                         ::testing::Values(LeavingCase{"ClientLeaves", true, kRoleClient, true},
                                           LeavingCase{"ServerLeaves", false, kRoleServer, false}),
                         [](const auto& param) { return std::string(param.param.name); });

// A server that is only a socket, with its own copy of the kon behind it: its messages go out
// one byte per write in the first kon, and all that one side sends between two moves of the
// other in one write afterwards ("hitogs", the next deal, "hbegin" and an opening move
// together). The client's kon must stay in step with the server's copy all the same.
TEST_F(LanPeerLinkTest, ClientStaysInStepWhateverItsReadsCarry) {
  QTcpServer rawServer;
  ASSERT_TRUE(rawServer.listen(QHostAddress::LocalHost, 0));

  GameState twin;
  testing::RecordingTable twinView;
  Random twinRandom(31);
  testing::LoopbackPeer outbox;
  KonDriver twinDriver(twin, DriverLinks{twinView, twinRandom, &outbox});
  twin.NetGame = true;
  twin.NetRole = kRoleServer;
  twin.PlayerSlot = kNewPlayerSlot;
  twin.DialogName = kServerName;

  QObject::connect(&client.link, &LanLink::PeerJoined, [&] { client.Start(kClientName); });
  client.link.SetOwnName(Utf8ToCp1251(kClientName));
  client.link.StartClient("127.0.0.1", rawServer.serverPort());
  ASSERT_TRUE(WaitFor([&] { return rawServer.hasPendingConnections(); }));
  std::unique_ptr<QTcpSocket> raw(rawServer.nextPendingConnection());
  std::string request;
  ASSERT_TRUE(WaitFor([&] {
    request += raw->readAll().toStdString();
    return request.size() >= kJoinRequestLength;
  }));
  EXPECT_EQ(request, JoinRequestText(Utf8ToCp1251(kClientName)));
  LanMessageReader reader;

  const auto write = [&](const std::string& bytes) {
    raw->write(bytes.data(), static_cast<qint64>(bytes.size()));
    raw->flush();
  };
  // One byte per read: each byte is let in before the next goes out.
  const auto writeBytewise = [&](const std::string& message) {
    for (std::size_t i = 0; i + 1 < message.size(); ++i) {
      write(message.substr(i, 1));
      ASSERT_TRUE(WaitFor([&] { return client.link.PendingBytes() == i + 1; })) << i;
    }
    write(message.substr(message.size() - 1));
  };
  // What the server's copy has sent since the last flush, on the wire.
  const auto takeOutbox = [&] {
    std::vector<std::string> wire;
    for (const auto& m : outbox.outbox) wire.push_back(m.deck ? DealText(*m.deck) : m.text);
    outbox.outbox.clear();
    return wire;
  };

  writeBytewise(JoinAnswerText(Utf8ToCp1251(kServerName)));
  ASSERT_TRUE(WaitFor([&] { return client.state.GameActive; }));
  twinDriver.DealKon(false);

  int expectedApplied = 0;
  for (int step = 0; step < kMaxSteps; ++step) {
    // The server's side plays until it waits for the client.
    for (;;) {
      if (twin.KonPhase == kpDealt || twin.TurnState == ksKonOver ||
          (twin.TurnState == ksKonSettled && !twin.CanFinish)) {
        ASSERT_TRUE(twinDriver.MainButtonClick());
      } else if (twin.TurnState == ksSeat2ToMove) {
        ASSERT_TRUE(testing::LocalPlayerMoves(twinDriver));
      } else {
        break;
      }
    }
    const std::vector<std::string> wire = takeOutbox();
    if (twin.KonNumber == 1) {
      for (const std::string& m : wire) {
        writeBytewise(m);
        ++expectedApplied;
        ASSERT_TRUE(WaitFor([&] { return client.applied == expectedApplied; }));
      }
    } else {
      std::string batch;
      for (const std::string& m : wire) batch += m;
      write(batch);
      expectedApplied += static_cast<int>(wire.size());
    }
    ASSERT_TRUE(WaitFor([&] { return client.applied == expectedApplied && !client.peer.Busy(); }));
    ASSERT_TRUE(client.refused.empty()) << client.refused.front();
    ExpectMirrored(twin, client.state, true);
    if (twin.TurnState == ksKonSettled && twin.CanFinish) break;

    // The client's move, applied to the server's copy.
    ASSERT_TRUE(client.Move());
    std::vector<LanMessage> got;
    ASSERT_TRUE(WaitFor([&] {
      const QByteArray bytes = raw->readAll();
      const std::string_view read(bytes.constData(), static_cast<std::size_t>(bytes.size()));
      for (LanMessage& m : reader.Feed(read)) {
        got.push_back(std::move(m));
      }
      return !got.empty();
    }));
    ASSERT_EQ(got.size(), 1u);
    if (got[0].kind == LanKind::kMove) {
      ASSERT_TRUE(twinDriver.PeerMove(got[0].slot));
    } else {
      ASSERT_EQ(got[0].kind, LanKind::kPass);
      ASSERT_TRUE(twinDriver.PeerPass());
    }
    ExpectMirrored(twin, client.state, true);
  }
  EXPECT_EQ(twin.KonNumber, 3);
  EXPECT_EQ(client.state.KonNumber, 3);
  EXPECT_TRUE(client.state.CanFinish);
  EXPECT_EQ(client.link.PendingBytes(), 0u);
}

}  // namespace
}  // namespace zendral::net
