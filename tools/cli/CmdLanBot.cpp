// zendral-cli lan-bot: a computer player at a LAN table. It is the program's own LAN play —
// the same link, the same binding to the kon driver, the same driver — with a table that
// draws nothing, and ChooseMove making the moves of its seat 2 as the computer would make
// them from its side. As server it deals; as client it answers the server's deals. After
// each block of 3 kons it leaves the table as the exit button does; further blocks start a
// new session on a new connection, as two players going through the start dialog again.
//
// It always ends by itself: every wait for the peer is bounded, and a peer that leaves in
// the middle of a block ends it with a message and a non-zero exit status.

#ifndef QT_NO_KEYWORDS
#define QT_NO_KEYWORDS
#endif

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

#include "Args.h"
#include "Commands.h"
#include "game/ComputerPlayer.h"
#include "game/KonDriver.h"
#include "game/Scores.h"
#include "game/Simulation.h"
#include "net/LanPeerLink.h"
#include "net/LanSetup.h"
#include "store/Cp1251.h"

namespace zendral::cli {
namespace {

constexpr int kDone = 0;
constexpr int kLinkTrouble = 1;  // no game to join, a port that cannot be opened, a silent peer
constexpr int kUsage = 2;
constexpr int kInterrupted = 3;  // the peer left in the middle of a block
constexpr int kOutOfStep = 4;    // the peer's move did not fit this copy of the kon

constexpr int kConnectRetryMs = 250;
constexpr int kConnectWindowMs = 10000;  // the server of the next block may still be closing

int Fail(const std::string& message) {
  std::fprintf(stderr, "zendral-cli lan-bot: %s\n", message.c_str());
  return kUsage;
}

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);  // a script may be waiting for the port line
}

std::string Signed(int value) {
  char text[16];
  std::snprintf(text, sizeof text, value > 0 ? "%+d" : "%d", value);
  return text;
}

struct BotOptions {
  bool server = false;
  QString host;
  quint16 port = 0;  // a server on port 0 lets the system choose
  std::string name = "Bot";
  int blocks = 1;
  int delayMs = kPlayTimerMs;
  int timeoutS = 300;
};

// The table of the bot: nothing to draw or hear, but the pause after a settlement is as long
// as the program's, with the event loop turning meanwhile (the link holds what arrives).
class BotTable final : public SilentTable {
 public:
  void PauseGame(int ms) override {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
  }
};

// The bot's LAN club: itself, on line 1 once it has finished a block, so that its kon counter
// and rating carry on into the next block as a member's would.
class BotClub final : public SessionStore {
 public:
  std::optional<PlayerRecord> LoadMember(ClubKind, int line) override {
    return line == 1 ? member_ : std::nullopt;
  }
  ClubWriteResult StoreMember(ClubKind, int, const PlayerRecord& record,
                              bool matchComplete) override {
    member_ = record;
    if (matchComplete) member_->cycleScore = 0;
    return {};
  }
  bool RemoveMember(ClubKind, int) override {
    member_.reset();
    return true;
  }
  bool AppendHistory(const HistoryEntry&) override { return true; }

 private:
  std::optional<PlayerRecord> member_;
};

class LanBot {
 public:
  explicit LanBot(const BotOptions& options)
      : options_(options),
        random_(Random::FromClock()),
        driver_(state_, DriverLinks{table_, random_, &peer_, &club_}) {
    state_.FlyCards = false;
    state_.HighlightMoves = false;
    link_.SetOwnName(Utf8ToCp1251(options_.name));
    peer_.Attach(driver_);

    QObject::connect(&link_, &net::LanLink::PeerJoined, [this] { OnJoined(); });
    QObject::connect(&link_, &net::LanLink::LinkFailed, [this] { OnLinkFailed(); });
    QObject::connect(&link_, &net::LanLink::JoinLost, [this] {
      std::fprintf(stderr, "zendral-cli lan-bot: the player left before the game; waiting\n");
    });
    QObject::connect(&link_, &net::LanLink::MessageReceived,
                     [this](const net::LanMessage&) { sinceProgress_.restart(); });
    peer_.SetChatHandler([this](int index, const std::string& text) {
      if (index != state_.NetRole) Say("chat: " + text);
    });
    peer_.SetPeerLeftHandler([this](const net::PeerLeftNotice& notice) {
      if (!notice.interrupted) return;  // the block is over: the exit follows on the next tick
      End(kInterrupted, std::string(notice.peerRole == kRoleServer ? "Server" : "Client") +
                            " has interrupted game! (after " + std::to_string(notice.konsPlayed) +
                            " kons of the block)");
    });
    peer_.SetRefusedHandler([this](const std::string& message) {
      End(kOutOfStep, "the peer's \"" + message + "\" does not fit this copy of the kon");
    });

    QObject::connect(&tick_, &QTimer::timeout, [this] { Act(); });
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
      if (sinceProgress_.elapsed() > 1000LL * options_.timeoutS) {
        End(kLinkTrouble,
            "no word from the peer for " + std::to_string(options_.timeoutS) + " seconds");
      }
    });
  }

  int Run() {
    tick_.start(std::max(options_.delayMs, 5));
    watchdog_.start(1000);
    sinceProgress_.start();
    StartLink();
    if (status_ < 0) QCoreApplication::exec();
    return status_;
  }

 private:
  void StartLink() {
    connectStarted_.start();
    if (options_.server) {
      if (!link_.StartServer(options_.port)) return;               // LinkFailed has ended the run
      if (options_.port == 0) options_.port = link_.ServerPort();  // later blocks: the same
      if (blocksDone_ == 0) Say("listening on port " + std::to_string(options_.port));
    } else {
      link_.StartClient(options_.host, options_.port);
    }
  }

  void OnLinkFailed() {
    if (status_ >= 0) return;
    if (options_.server) {
      End(kLinkTrouble, "cannot listen on port " + std::to_string(options_.port));
    } else if (connectStarted_.elapsed() < kConnectWindowMs) {
      QTimer::singleShot(kConnectRetryMs, [this] {
        if (status_ < 0) link_.StartClient(options_.host, options_.port);
      });
    } else {
      End(kLinkTrouble, "there are no accessible games at " + options_.host.toStdString() + ":" +
                            std::to_string(options_.port));
    }
  }

  // The menu's start after the waiting window: a new player for the first block, the bot's
  // own club line for the next ones.
  void OnJoined() {
    sinceProgress_.restart();
    Say("joined: " + TrimRight(Cp1251ToUtf8(link_.PeerName())));
    state_.PlayerSlot = blocksDone_ == 0 ? kNewPlayerSlot : kFirstMemberSlot;
    state_.DialogName = options_.name;
    state_.DialogPassword.clear();
    peer_.StartSession(options_.name);
  }

  // One tick of the bot's game timer: whatever the table lets its player do now.
  void Act() {
    if (status_ >= 0 || peer_.Busy() || !state_.GameActive) return;
    const GameState& s = state_;
    bool acted = false;
    if (s.KonPhase == kpDealt) {
      if (s.MainButtonEnabled) acted = Press([&] { return driver_.MainButtonClick(); });
    } else if (s.TurnState == ksSeat2ToMove) {
      acted = OwnMove();
    } else if (s.TurnState == ksKonSettled && s.CanFinish && s.ExitButtonEnabled) {
      FinishBlock();
      return;
    } else if ((s.TurnState == ksKonOver || s.TurnState == ksKonSettled) && s.MainButtonEnabled) {
      acted = Press([&] { return driver_.MainButtonClick(); });  // the totals, the next kon
    }
    if (acted) sinceProgress_.restart();
  }

  template <typename F>
  bool Press(F&& call) {
    return peer_.Call(std::forward<F>(call));
  }

  // The computer's choice from seat 2's side; should it name a card the table refuses, the
  // first card that may be laid, and the pass button only when none may.
  bool OwnMove() {
    const GameState& s = state_;
    const int choice = ChooseMove(s.Hands[kSeat2], s.Board, s.Hands[kSeat1], s.LayCounter);
    if (choice != 0 && Press([&] { return driver_.CardClick(choice); })) return true;
    for (int slot = 1; slot <= s.Hands[kSeat2].CardCount; ++slot) {
      if (driver_.MayLay(slot)) return Press([&] { return driver_.CardClick(slot); });
    }
    return s.MainButtonEnabled && Press([&] { return driver_.MainButtonClick(); });
  }

  void FinishBlock() {
    const int score = state_.Score[kSeat2];
    const int kons = state_.KonNumber - state_.KonAtStart;
    if (!Press([&] { return driver_.ExitButtonClick(); })) {
      End(kOutOfStep, "the exit button did not end the session");
      return;
    }
    ++blocksDone_;
    totalScore_ += score;
    totalKons_ += kons;
    Say("block " + std::to_string(blocksDone_) + ": session score " + Signed(score) + ", kons " +
        std::to_string(kons));
    if (blocksDone_ == options_.blocks) {
      End(kDone, {});
    } else {
      sinceProgress_.restart();
      StartLink();
    }
  }

  void End(int status, const std::string& message) {
    if (status_ >= 0) return;
    status_ = status;
    if (!message.empty()) std::fprintf(stderr, "zendral-cli lan-bot: %s\n", message.c_str());
    Say("score: " + Signed(totalScore_));
    Say("kons: " + std::to_string(totalKons_));
    tick_.stop();
    watchdog_.stop();
    link_.Close();
    QCoreApplication::exit(status);
  }

  BotOptions options_;
  net::LanLink link_;
  GameState state_;
  BotTable table_;
  BotClub club_;
  Random random_;
  net::LanPeerLink peer_{link_, state_, table_};
  KonDriver driver_;
  QTimer tick_;
  QTimer watchdog_;
  QElapsedTimer sinceProgress_;
  QElapsedTimer connectStarted_;
  int status_ = -1;
  int blocksDone_ = 0;
  int totalScore_ = 0;
  int totalKons_ = 0;
};

std::size_t CharCount(const std::string& text) {
  std::size_t n = 0;
  for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

}  // namespace

static int RunLanBot(const Words& words);
static const CommandRegistration kRegistration(
    "lan-bot", RunLanBot,
    "lan-bot (--server PORT | --client HOST:PORT) [--name NAME] [--blocks B] [--delay MS] "
    "[--timeout S]");

int RunLanBot(const Words& words) {
  Args args(words);
  const auto blocks = args.GetNumber("blocks");
  const auto delay = args.GetNumber("delay");
  const auto timeout = args.GetNumber("timeout");
  if (!args.ok()) return Fail(args.error());
  if (auto unknown = args.Unknown({"server", "client", "name", "blocks", "delay", "timeout"})) {
    return Fail("unknown option --" + *unknown);
  }
  if (!args.positionals().empty()) return Fail("unexpected '" + args.positionals()[0] + "'");

  BotOptions options;
  const auto server = args.Get("server");
  const auto client = args.Get("client");
  if (server.has_value() == client.has_value()) {
    return Fail("give either --server PORT or --client HOST:PORT");
  }
  if (server) {
    // Port 0: the system chooses, and the bot tells which.
    const auto port = *server == "0" ? std::optional<int>(0) : net::ParsePort(*server);
    if (!port) return Fail("--server wants a port from 0 to 65535, not '" + *server + "'");
    options.server = true;
    options.port = static_cast<quint16>(*port);
  } else {
    const auto colon = client->rfind(':');
    const auto port =
        colon == std::string::npos ? std::nullopt : net::ParsePort(client->substr(colon + 1));
    if (colon == 0 || !port) return Fail("--client wants HOST:PORT, not '" + *client + "'");
    options.host = QString::fromStdString(client->substr(0, colon));
    options.port = static_cast<quint16>(*port);
  }
  options.name = TrimRight(args.Get("name").value_or(options.name));
  if (options.name.empty() || CharCount(options.name) > net::kLanNameLimit) {
    return Fail("--name must be 1 to 9 characters (the start dialog's limit in LAN mode)");
  }
  if (blocks && (*blocks < 1 || *blocks > 1000)) return Fail("--blocks must be 1 to 1000");
  if (delay && (*delay < 0 || *delay > 60000)) return Fail("--delay must be 0 to 60000 ms");
  if (timeout && (*timeout < 1 || *timeout > 86400)) return Fail("--timeout must be 1 to 86400 s");
  if (blocks) options.blocks = static_cast<int>(*blocks);
  if (delay) options.delayMs = static_cast<int>(*delay);
  if (timeout) options.timeoutS = static_cast<int>(*timeout);

  static int argc = 1;
  static char arg0[] = "zendral-cli";
  static char* argv[] = {arg0, nullptr};
  QCoreApplication app(argc, argv);
  LanBot bot(options);
  return bot.Run();
}

}  // namespace zendral::cli
