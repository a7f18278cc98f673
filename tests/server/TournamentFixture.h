#pragma once
// The tournament tests' own server: its relay on free loopback ports and a short move limit,
// members logged in through their own clients, and a raw relay connection that writes and
// reads bytes exactly as given.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <random>
#include <string>

#include "ServerFixture.h"
#include "net/RelayFrame.h"
#include "online/Reply.h"

namespace zendral::server_test {

inline constexpr double kTestMoveLimitSeconds = 3;
inline const std::string kTournament = "/services/tournament";

// A base port whose ten relay ports are free on loopback now.
inline int FreeRelayBase() {
  std::mt19937 random(static_cast<unsigned>(::getpid()));
  for (int attempt = 0; attempt < 200; ++attempt) {
    // Below the range the system hands out to outgoing connections, which could take a port
    // between this look and the server's bind.
    const int base = 20000 + static_cast<int>(random() % 12000);
    bool free = true;
    for (int k = 1; k <= 10 && free; ++k) {
      const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
      sockaddr_in a{};
      a.sin_family = AF_INET;
      a.sin_port = htons(static_cast<uint16_t>(base + k));
      a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
      free = ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
      ::close(fd);
    }
    if (free) return base;
  }
  return 0;
}

// A relay connection as raw bytes.
class RawSeat {
 public:
  explicit RawSeat(int port) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
  }
  ~RawSeat() { ::close(fd_); }
  RawSeat(const RawSeat&) = delete;
  RawSeat& operator=(const RawSeat&) = delete;

  bool Connected() const { return connected_; }
  void Send(const std::string& bytes) {
    ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    // Two sends in a row must reach the relay as two reads where the test wants that.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  void SendFrame(std::string_view payload, int seat) { Send(net::RelayFrameText(payload, seat)); }
  // Up to n bytes, waiting at most timeoutMs in all; fewer when the time ran out or the
  // relay closed the connection.
  std::string Read(std::size_t n, int timeoutMs) {
    std::string out;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (out.size() < n) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          end - std::chrono::steady_clock::now());
      if (left.count() <= 0) break;
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
      char buffer[512];
      const auto got = ::recv(fd_, buffer, std::min(sizeof buffer, n - out.size()), 0);
      if (got <= 0) {
        closed_ = true;
        break;
      }
      out.append(buffer, static_cast<std::size_t>(got));
    }
    return out;
  }
  std::string ReadFrame(int timeoutMs = 3000) { return Read(net::kRelayFrameLength, timeoutMs); }
  // True when the relay has closed the connection within the time (bytes before are dropped).
  bool ClosedWithin(int timeoutMs) {
    while (!closed_) {
      if (Read(512, timeoutMs).empty() && !closed_) return false;
    }
    return true;
  }

 private:
  int fd_ = -1;
  bool connected_ = false;
  bool closed_ = false;
};

// A member with his own client (and session), as one program.
struct Member {
  std::unique_ptr<Client> client;
  std::string nick;
  std::string pw = "pass1234";

  std::string Book(int table, int seat, int action = 1) const {
    const std::string d = std::to_string(seat);
    return client
        ->Raw(kTournament, {{"clienton" + d, "0"},
                            {"gid", "44"},
                            {"num", std::to_string(table)},
                            {"can", std::to_string(action)},
                            {"nick" + d, action == 1 ? nick : "X"},
                            {"score" + d, "999"},  // the program's own idea: never believed
                            {"kon" + d, "0"},
                            {"rating" + d, "9999"},
                            {"country" + d, "Canada"},
                            {"city" + d, "Toronto"},
                            {"sex" + d, "W"},
                            {"ip" + d, "127.0.0.9"}})
        .body;
  }
  // Score, kons, rating.
  std::array<int, 3> Record() const {
    const auto t = online::ReplySegment(
        client->Raw(kTournament, {{"readrating44", "0"}, {"nick", nick}}).body, ' ');
    if (!t || t->size() < 4) return {-1, -1, -1};
    return {std::stoi(online::TokenAt(*t, 1)), std::stoi(online::TokenAt(*t, 2)),
            std::stoi(online::TokenAt(*t, 3))};
  }
};

class TournamentTest : public ::testing::Test {
 public:
  static void SetUpTestSuite() {
    if (server_ == nullptr) {
      base_ = FreeRelayBase();
      server_ = new ServerProcess({"--rate-scale", "1000", "--relay-base", std::to_string(base_),
                                   "--relay-move-limit", std::to_string(kTestMoveLimitSeconds)});
    }
  }
  static ServerProcess& Server() { return *server_; }
  static int RelayPort(int table) { return base_ + table; }

  Member NewMember(const std::string& stem) {
    Member m{std::make_unique<Client>(server_->Base()), ServerTest::NewNick(stem)};
    CreateAndLogIn(*m.client, m.nick, m.pw);
    return m;
  }
  // The table list: records of 22 tokens (token 0 empty).
  std::vector<online::Tokens> Tables() {
    auto client = std::make_unique<Client>(server_->Base());
    return online::ReplySegments(
        client->Form(kTournament, {{"readtable10", "44"}, {"gid", "44"}}).body, ' ');
  }
  // A table that no other test of this run uses.
  static int NewTable() {
    static int next = 0;
    return ++next;
  }

 private:
  static inline ServerProcess* server_ = nullptr;
  static inline int base_ = 0;
};

}  // namespace zendral::server_test
