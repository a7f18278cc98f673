// zendral-cli tour-bot: a computer player at a table of the online tournament. It logs in
// (creating the account with --create), opens the tournament as the program's tournament
// window does (the tournament record, the own address, the table list and the server state),
// takes the free seat of table K that may be taken (seat 1 of an empty table, seat 2 beside a
// player), and plays the table's one kon through the relay with the program's own relay link
// and kon driver, ChooseMove making its moves well within the move clock. It prints its seat,
// the kon's score and its tournament record as the server booked it.
//
// It always ends by itself: the wait for a partner and for every move is bounded.

#ifndef QT_NO_KEYWORDS
#define QT_NO_KEYWORDS
#endif

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>
#include <thread>

#include "Args.h"
#include "Commands.h"
#include "game/ComputerPlayer.h"
#include "game/KonDriver.h"
#include "game/Scores.h"
#include "game/Simulation.h"
#include "net/RelayPeerLink.h"
#include "online/CurlTransport.h"
#include "online/OnlineClub.h"
#include "online/Tournament.h"

namespace zendral::cli {
namespace {

constexpr int kDone = 0;
constexpr int kNoService = 1;  // no log-in, no seat, no partner, the relay failed
constexpr int kUsage = 2;
constexpr int kTableLost = 3;  // the partner left or timed out, or this bot did

int Fail(const std::string& message, int status = kUsage) {
  std::fprintf(stderr, "zendral-cli tour-bot: %s\n", message.c_str());
  return status;
}

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char buffer[16];
  std::strftime(buffer, sizeof buffer, "%d.%m.%Y", &local);
  return buffer;
}

struct BotOptions {
  std::string base;
  std::string nick, pw;
  int table = 1;
  bool create = false;
  std::string chat;  // a chat line to send once the deal is there
  int delayMs = kPlayTimerMs;
  int timeoutS = 120;
};

// The tournament as the bot sees it: its record for the driver, and the result afterwards.
class BotTournament final : public OnlineBooking {
 public:
  BotTournament(online::RequestFrame& frame, std::string address, online::TKovClient& player)
      : frame_(frame), address_(std::move(address)), player_(player) {}
  std::optional<AccountGame> RatedAccountGame() override { return std::nullopt; }
  std::optional<double> SettleRatedGame(int, int, const std::string&) override {
    return std::nullopt;
  }
  void FileAccountCycle() override {}
  void OfferWorldTopTen(int) override {}
  std::optional<TournamentPlayer> TournamentRecord() override {
    return TournamentPlayer{player_.Nick, player_.Kon, player_.Score, player_.Rating};
  }
  std::optional<std::string> StoreTablePictures(int) override { return player_.Nick; }
  std::optional<TournamentResult> TournamentTableResult() override {
    online::TKovClient after = player_;
    if (!online::ReadTournamentRating(frame_, address_, player_.Nick, after)) return std::nullopt;
    booked_ = after;
    return TournamentResult{after.Score - player_.Score, static_cast<double>(after.Rating)};
  }
  void ReopenTournamentWindow() override {}
  const std::optional<online::TKovClient>& booked() const { return booked_; }

 private:
  online::RequestFrame& frame_;
  std::string address_;
  online::TKovClient& player_;
  std::optional<online::TKovClient> booked_;
};

class TourBot {
 public:
  explicit TourBot(BotOptions options)
      : options_(std::move(options)),
        club_(frame_, online::AddressesUnder(options_.base)),
        booking_(frame_, club_.addresses().tournament, player_),
        random_(Random::FromClock()),
        driver_(state_, DriverLinks{table_, random_, &link_, nullptr, nullptr, &booking_}) {
    state_.FlyCards = false;
    state_.HighlightMoves = false;
    state_.AccountState = kAccountLoggedIn;
    link_.Attach(driver_);
    link_.SetChatHandler([this](int index, const std::string& text) {
      if (index != state_.RelaySeat) Say("chat: " + text);
    });
    link_.SetNoticeHandler([this](net::RelayPeerLink::Notice notice, const std::string& peer) {
      using Notice = net::RelayPeerLink::Notice;
      lost_ = true;
      switch (notice) {
        case Notice::kPeerLeft:
          Say("table: " + peer + " interrupted the game, won");
          break;
        case Notice::kPeerTimeUp:
          Say("table: " + peer + "'s time is up, won");
          break;
        case Notice::kOwnTimeUp:
          Say("table: own time is up, lost");
          break;
        case Notice::kLostConnection:
          Say("table: lost connection with the server");
          break;
      }
    });
    QObject::connect(&tick_, &QTimer::timeout, [this] { Act(); });
  }

  int Run() {
    if (const int status = OpenTournament(); status != kDone) return status;
    if (const int status = TakeSeat(); status != kDone) return status;
    started_.start();
    tick_.start(std::max(options_.delayMs, 5));
    QCoreApplication::exec();
    return status_;
  }

 private:
  int OpenTournament() {
    club_.ReadPathDirectory();
    if (options_.create) {
      online::TKovUser u;
      u.Nick = options_.nick;
      u.Pw = options_.pw;
      u.City = std::string("Lyon");
      u.Country1 = std::string("France");
      u.Country2 = std::string("1-015");
      u.Sex = std::string("M");
      u.EMail = std::string("bot@example.org");
      const online::CreateResult created = club_.CreateAccount(u, Today());
      if (created == online::kCreateFailed)
        return Fail("the account could not be created", kNoService);
      // An account that exists already is logged in below.
    }
    if (!club_.LoggedIn() && !club_.LogIn(options_.nick, options_.pw)) {
      return Fail("the log-in failed", kNoService);
    }
    const online::TKovUser& user = club_.user();
    player_.Nick = options_.nick;
    if (!online::ReadTournamentRating(frame_, club_.addresses().tournament, player_.Nick,
                                      player_)) {
      return Fail("no tournament record (No Connect)", kNoService);
    }
    player_.Country = user.Country1;
    player_.City = user.City;
    player_.Sex = user.Sex;
    if (const auto ip = frame_.FetchDocument(club_.addresses().ownAddress)) player_.IP = *ip;
    return kDone;
  }

  // The free seat the tournament window would offer: seat 1 of an empty table, seat 2 beside
  // a player. A seat someone else was faster to is tried again after the next read.
  int TakeSeat() {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(options_.timeoutS);
    const int k = options_.table;
    while (std::chrono::steady_clock::now() < deadline) {
      const auto tables = online::ReadTables(frame_, club_.addresses().tournament);
      const auto info = online::ReadServerInfo(frame_, club_.addresses().tournament);
      if (!tables || !info || !info->On() || tables->size() < static_cast<std::size_t>(k)) {
        return Fail("Server Off", kNoService);
      }
      const auto buttons =
          online::SeatButtons((*tables)[static_cast<std::size_t>(k - 1)], k, {}, true);
      const int seat = buttons[0].enabled ? 1 : buttons[1].enabled ? 2 : 0;
      const std::string host = tables->front().IP;
      if (seat == 2) {
        const auto holder = online::ReadSeatHolder(frame_, club_.addresses().tournament, k, 1);
        if (holder && online::SameAddressRefused(holder->IP, player_.IP, host)) {
          return Fail("This table is already occupied by a player with your IP!", kNoService);
        }
      }
      if (seat != 0 && online::SeatRequest(frame_, club_.addresses().tournament, k, seat,
                                           online::kSeatTake, player_) == online::kSeatDone) {
        Say("seat: " + std::to_string(seat));
        link_.Open(QString::fromStdString(host),
                   static_cast<quint16>(online::RelayPortOf(*tables, k)), seat);
        return kDone;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    return Fail("no free seat at table " + std::to_string(k), kNoService);
  }

  void Act() {
    if (status_ >= 0 || link_.Busy()) return;
    if (!state_.TourGame || !state_.GameActive) {
      if (link_.SocketErrorSeen() && link_.RelayState() != net::kRelayOver) {
        End(kNoService, "Server connection error!");
      } else if (started_.elapsed() > 1000LL * options_.timeoutS) {
        End(kNoService, "nobody came to the table");
      }
      return;
    }
    const GameState& s = state_;
    if (!options_.chat.empty() && !chatSent_) {
      chatSent_ = link_.SendChat(options_.chat);
    }
    if (s.KonPhase == kpDealt) {
      if (s.MainButtonEnabled) Press([&] { return driver_.MainButtonClick(); });
    } else if (s.TurnState == ksSeat2ToMove) {
      OwnMove();
    } else if (s.TurnState == ksKonSettled && s.CanFinish && s.ExitButtonEnabled) {
      Finish();
    } else if (s.TurnState == ksKonOver && s.MainButtonEnabled) {
      Press([&] { return driver_.MainButtonClick(); });  // the totals (relay seat 1)
    }
  }

  template <typename F>
  bool Press(F&& call) {
    return link_.Call(std::forward<F>(call));
  }

  void OwnMove() {
    const GameState& s = state_;
    const int choice = ChooseMove(s.Hands[kSeat2], s.Board, s.Hands[kSeat1], s.LayCounter);
    if (choice != 0 && Press([&] { return driver_.CardClick(choice); })) return;
    for (int slot = 1; slot <= s.Hands[kSeat2].CardCount; ++slot) {
      if (driver_.MayLay(slot)) {
        Press([&] { return driver_.CardClick(slot); });
        return;
      }
    }
    if (s.MainButtonEnabled) Press([&] { return driver_.MainButtonClick(); });
  }

  void Finish() {
    const int tableScore = state_.Score[kSeat2];
    if (!Press([&] { return driver_.ExitButtonClick(); })) {
      End(kTableLost, "the exit button did not end the table");
      return;
    }
    // The score is what the relay booked (a forfeit books more than the cards on the table
    // show); the table's own count only when no record could be read back.
    const auto& booked = booking_.booked();
    Say("score: " + std::to_string(booked ? booked->Score - player_.Score : tableScore));
    Say("kons: 1");
    if (const auto& r = booking_.booked()) {
      Say("record: score " + std::to_string(r->Score) + ", kons " + std::to_string(r->Kon) +
          ", rating " + std::to_string(r->Rating));
    }
    End(lost_ ? kTableLost : kDone, {});
  }

  void End(int status, const std::string& message) {
    if (status_ >= 0) return;
    status_ = status;
    if (!message.empty()) std::fprintf(stderr, "zendral-cli tour-bot: %s\n", message.c_str());
    tick_.stop();
    link_.Close();
    QCoreApplication::exit(status);
  }

  BotOptions options_;
  online::CurlTransport transport_;
  online::RequestFrame frame_{transport_};
  online::OnlineClub club_;
  online::TKovClient player_;
  BotTournament booking_;
  GameState state_;
  SilentTable table_;
  Random random_;
  net::RelayPeerLink link_{state_, table_};
  KonDriver driver_;
  QTimer tick_;
  QElapsedTimer started_;
  bool chatSent_ = false;
  bool lost_ = false;
  int status_ = -1;
};

}  // namespace

static int RunTourBot(const Words& words);
static const CommandRegistration kRegistration(
    "tour-bot", RunTourBot,
    "tour-bot [--base URL] --nick NICK --pw PW --table K [--create] [--chat TEXT] [--delay MS] "
    "[--timeout S]");

int RunTourBot(const Words& words) {
  Args args(words, {"create"});
  const auto table = args.GetNumber("table");
  const auto delay = args.GetNumber("delay");
  const auto timeout = args.GetNumber("timeout");
  if (!args.ok()) return Fail(args.error());
  if (auto unknown =
          args.Unknown({"base", "nick", "pw", "table", "create", "chat", "delay", "timeout"})) {
    return Fail("unknown option --" + *unknown);
  }
  if (!args.positionals().empty()) return Fail("unexpected '" + args.positionals()[0] + "'");
  BotOptions options;
  options.base = args.Get("base").value_or(online::ServiceBase());
  options.nick = args.Get("nick").value_or("");
  options.pw = args.Get("pw").value_or("");
  if (options.nick.empty() || options.pw.empty()) return Fail("--nick and --pw are needed");
  if (!table || *table < 1 || *table > online::kTourTables) return Fail("--table must be 1 to 10");
  if (delay && (*delay < 0 || *delay > 20000)) return Fail("--delay must be 0 to 20000 ms");
  if (timeout && (*timeout < 1 || *timeout > 86400)) return Fail("--timeout must be 1 to 86400 s");
  options.table = static_cast<int>(*table);
  options.create = args.Has("create");
  options.chat = args.Get("chat").value_or("");
  if (delay) options.delayMs = static_cast<int>(*delay);
  if (timeout) options.timeoutS = static_cast<int>(*timeout);

  static int argc = 1;
  static char arg0[] = "zendral-cli";
  static char* argv[] = {arg0, nullptr};
  QCoreApplication app(argc, argv);
  TourBot bot(std::move(options));
  return bot.Run();
}

}  // namespace zendral::cli
