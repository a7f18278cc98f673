// The club server under attack, as a hostile player would try it on loopback: replies nobody
// reads, floods of password checks, wrong passwords to lock a member out, floods of world-table
// filings, a member's nick used by others, oversized request heads. Each attack must fail and
// everybody else must go on being served.

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "RawHttp.h"
#include "ServerFixture.h"
#include "online/Reply.h"

namespace zendral::server_test {
namespace {

using online::ReplySegment;
using online::ReplyTrailingNumber;

std::string StatusLine(const std::string& reply) {
  return reply.substr(0, reply.find("\r\n"));
}

// A server of its own, with the real password cost, behind a balancer on loopback whose
// X-Forwarded-For lets one test speak from many addresses.
class Attacks : public ::testing::Test {
 public:
  static void SetUpTestSuite() {
    server_ = new ServerProcess(
        {"--hash-cost", "interactive", "--trusted-proxy", "127.0.0.1", "--rate-scale", "1000"});
  }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }

 protected:
  static ServerProcess& Server() { return *server_; }
  static std::string Address(int caller) { return "127.0." + std::to_string(caller) + ".7"; }
  static std::string Balance(const std::string& nick, const std::string& pw,
                             const std::string& from) {
    return PostRequest("/services/account", {{"nick", nick}, {"pw", pw}, {"labelkovread", "0"}},
                       from);
  }
  static std::string LogIn(const std::string& nick, const std::string& pw, const std::string& from,
                           const std::string& headers = "") {
    return PostRequest("/services/account", {{"nick", nick}, {"pw", pw}, {"label0", "0"}}, from,
                       headers);
  }

 private:
  static inline ServerProcess* server_ = nullptr;
};

// Many callers send password checks at once; a table read of somebody else is answered long
// before their hashes are all done, and every check is answered "no" or "busy", never left.
TEST_F(Attacks, AFloodOfPasswordChecksNeverHoldsUpAnotherRequest) {
  Client owner(Server().Base());
  const std::string nick = ServerTest::NewNick("Fld");
  CreateAndLogIn(owner, nick, "flood123");
  constexpr int kCallers = 20;
  constexpr int kEach = 4;
  std::vector<std::unique_ptr<RawConnection>> flood;
  for (int caller = 0; caller < kCallers; ++caller) {
    for (int i = 0; i < kEach; ++i) {
      flood.push_back(std::make_unique<RawConnection>(Server().Port()));
      ASSERT_TRUE(flood.back()->Send(Balance(nick, "wrong" + std::to_string(i), Address(caller))));
    }
  }
  Client reader(Server().Base());
  const HttpReply table = reader.Form("/services/records", {{"gid", "44"}});
  EXPECT_EQ(table.status, 200);
  int answeredBefore = 0;
  for (auto& c : flood) answeredBefore += c->ReplyWaiting() ? 1 : 0;
  EXPECT_LT(answeredBefore, kCallers * kEach) << "the read waited for the whole flood";
  for (auto& c : flood) {
    const std::string reply = c->ReadReply(60000);
    const std::string body = ReplyBody(reply);
    EXPECT_TRUE(body == "no" ||
                (StatusLine(reply) == "HTTP/1.1 503 Service Unavailable" && body == "busy"))
        << reply;
  }
}

// Twenty addresses send wrong passwords for one member as fast as they are answered; the
// member logs in with the right password from elsewhere every time.
TEST_F(Attacks, WrongPasswordsFromManyAddressesNeverLockAMemberOut) {
  Client owner(Server().Base());
  const std::string nick = ServerTest::NewNick("Vic");
  CreateAndLogIn(owner, nick, "right123");
  std::atomic<bool> stop{false};
  std::atomic<int> attempts{0};
  std::vector<std::thread> attackers;
  for (int caller = 0; caller < 20; ++caller) {
    attackers.emplace_back([&, caller] {
      while (!stop) {
        std::vector<std::unique_ptr<RawConnection>> wave;
        for (int i = 0; i < 4; ++i) {
          wave.push_back(std::make_unique<RawConnection>(Server().Port()));
          wave.back()->Send(LogIn(nick, "guess" + std::to_string(i), Address(caller)));
        }
        for (auto& c : wave) {
          c->ReadReply(30000);
          ++attempts;
        }
      }
    });
  }
  int admitted = 0;
  for (int i = 0; i < 10; ++i) {
    RawConnection member(Server().Port());
    ASSERT_TRUE(member.Send(LogIn(nick, "right123", "127.9.9.9")));
    const std::string reply = member.ReadReply(30000);
    if (ReplySegment(ReplyBody(reply), ' ')) ++admitted;
  }
  stop = true;
  for (auto& t : attackers) t.join();
  EXPECT_EQ(admitted, 10);
  EXPECT_GT(attempts.load(), 20);
}

// One caller may have only a few checks waiting: the rest are told the server is busy, which
// is not the answer to a wrong password.
TEST_F(Attacks, ACallerPastItsShareOfChecksIsToldTheServerIsBusy) {
  Client owner(Server().Base());
  const std::string nick = ServerTest::NewNick("Bsy");
  CreateAndLogIn(owner, nick, "busy1234");
  std::vector<std::unique_ptr<RawConnection>> burst;
  for (int i = 0; i < 24; ++i) {
    burst.push_back(std::make_unique<RawConnection>(Server().Port()));
    ASSERT_TRUE(burst.back()->Send(Balance(nick, "busy1234", "127.1.2.3")));
  }
  int busy = 0;
  int answered = 0;
  for (auto& c : burst) {
    const std::string reply = c->ReadReply(60000);
    if (ReplyBody(reply) == "busy") {
      ++busy;
      EXPECT_NE(reply.find("Retry-After: "), std::string::npos);
    } else if (ReplyTrailingNumber(ReplyBody(reply)) == 0) {
      ++answered;
    } else {
      ADD_FAILURE() << reply;
    }
  }
  EXPECT_GT(busy, 0);
  EXPECT_GE(answered, 1);
}

// The session cookie is for this site's requests only and never readable by scripts; behind
// a balancer that says the player came over https it is sent over https only.
TEST_F(Attacks, TheSessionCookieIsHttpOnlySameSiteAndSecureBehindHttps) {
  Client owner(Server().Base());
  const std::string nick = ServerTest::NewNick("Coo");
  CreateAndLogIn(owner, nick, "cook1234");
  for (const bool https : {false, true}) {
    RawConnection c(Server().Port());
    ASSERT_TRUE(
        c.Send(LogIn(nick, "cook1234", "127.3.3.3", https ? "X-Forwarded-Proto: https\r\n" : "")));
    const std::string reply = c.ReadReply(30000);
    const std::size_t at = reply.find("Set-Cookie: zsid=");
    ASSERT_NE(at, std::string::npos) << reply;
    const std::string cookie = reply.substr(at, reply.find("\r\n", at) - at);
    EXPECT_NE(cookie.find("; HttpOnly"), std::string::npos) << cookie;
    EXPECT_NE(cookie.find("; SameSite=Lax"), std::string::npos) << cookie;
    EXPECT_EQ(cookie.find("; Secure") != std::string::npos, https) << cookie;
  }
}

// Replies nobody reads: connections that send request after request without reading. The
// server stops reading them while their replies wait, so its memory stays put, and another
// player is answered meanwhile.
TEST(BoundedOutput, PipelinedRequestsNobodyReadsLeaveTheServersMemoryAlone) {
  ServerProcess server({"--rate-scale", "1000"});
  std::filesystem::create_directories(server.DataDir() / "photos");
  std::filesystem::create_directories(server.DataDir() / "packs");
  std::string picture = TestJpeg(200, 250);
  picture.resize(60 * 1024, '\0');
  std::ofstream(server.DataDir() / "photos" / "Poster.jpg", std::ios::binary) << picture;
  std::ofstream(server.DataDir() / "packs" / "Big.dll", std::ios::binary)
      << std::string(5 * 1024 * 1024, 'p');
  Client member(server.Base());
  const std::string nick = ServerTest::NewNick("Pip");
  CreateAndLogIn(member, nick, "pipe1234");
  ASSERT_EQ(member.Post("/services/photo", TestJpeg(200, 250), "image/jpeg").body, "ok");

  struct Case {
    std::string path;
    int connections;
    int requests;
  };
  // Thousands ahead of their replies (the connection is closed), and a dozen large files
  // ahead (each streamed while the connection is not read).
  const std::vector<Case> cases = {{"/photos/Poster.jpg", 4, 5000},
                                   {"/photos/" + nick + ".jpg", 4, 5000},
                                   {"/downloads/progr/cards/Big.dll", 2, 40},
                                   {"/downloads/progr/cards/Big.dll", 4, 12}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const long before = server.ResidentKb();
    ASSERT_GT(before, 0);
    std::string requests;
    for (int i = 0; i < c.requests; ++i)
      requests += "GET " + c.path + " HTTP/1.1\r\nHost: x\r\n\r\n";
    std::vector<std::unique_ptr<RawConnection>> greedy;
    for (int k = 0; k < c.connections; ++k) {
      greedy.push_back(std::make_unique<RawConnection>(server.Port()));
      greedy.back()->SendWithin(requests, 3000);
    }
    Client other(server.Base());
    EXPECT_EQ(other.Get("/services/paths.txt").status, 200);
    // The highest the server's memory goes while it works through what it was sent.
    long after = before;
    for (int i = 0; i < 15; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      after = std::max(after, server.ResidentKb());
    }
    EXPECT_LT(after - before, 50 * 1024) << "from " << before << " kB to " << after << " kB";
  }
}

// Requests the server cannot follow end their connection with a reply that says why: a head
// that never ends, and a body of unknown length (the requests behind it could not be told
// apart). Everybody else goes on being served.
TEST(BoundedInput, AnOversizedHeadOrABodyOfUnknownLengthEndsTheConnection) {
  ServerProcess server;
  struct Case {
    std::string request;
    std::string status;
  };
  const Case cases[] = {
      {"GET /zendral/ HTTP/1.1\r\nHost: x\r\nX-Filler: " + std::string(64 * 1024, 'a') + "\r\n\r\n",
       "HTTP/1.1 431 Request Header Fields Too Large"},
      {"POST /services/records HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\n"
       "6\r\ngid=44\r\n0\r\n\r\n" +
           std::string(20, 'G'),
       "HTTP/1.1 411 Length Required"},
  };
  for (const Case& c : cases) {
    RawConnection raw(server.Port());
    ASSERT_TRUE(raw.Send(c.request));
    EXPECT_EQ(StatusLine(raw.ReadReply(10000)), c.status);
    Client other(server.Base());
    EXPECT_EQ(other.Get("/zendral/").status, 200);
  }
}

// Table 44 takes cycles of local games: only a few an hour from one address or under one
// name, never the same row twice, and a member's nick only in that member's session.
TEST(WorldTable, FilingsOfLocalCyclesAreLimitedAndAMembersNickNeedsItsSession) {
  ServerProcess server;  // the allowances as a club runs them
  Client stranger(server.Base());
  Client member(server.Base());
  const std::string nick = ServerTest::NewNick("Own");
  CreateAndLogIn(member, nick, "owner123");
  const auto row = [](const std::string& name, int score) {
    return online::Fields{{"gid", "44"},
                          {"nick", name},
                          {"country", "1-015"},
                          {"city", "Lyon"},
                          {"score", std::to_string(score)},
                          {"R7", "M"},
                          {"R8", "5.7f"},
                          {"R9", "#"},
                          {"R10", "#*"}};
  };
  const auto filed = [&server] {
    Client c(server.Base());
    return ReplyTrailingNumber(c.Form("/services/records", {{"rgid", "44"}}).body).value_or(-1);
  };
  const int start = filed();
  EXPECT_EQ(stranger.Raw("/services/records", row(nick, 300)).body, "no");
  EXPECT_TRUE(ReplyTrailingNumber(member.Raw("/services/records", row(nick, 300)).body));
  EXPECT_EQ(member.Raw("/services/records", row(nick, 300)).body, "no") << "filed twice";
  EXPECT_TRUE(ReplyTrailingNumber(stranger.Raw("/services/records", row("Passer", 120)).body));
  EXPECT_TRUE(ReplyTrailingNumber(stranger.Raw("/services/records", row("Passer", 121)).body));
  EXPECT_EQ(stranger.Raw("/services/records", row("Passer", 122)).body, "no") << "one name";
  for (int i = 0; i < 200; ++i) {
    stranger.Raw("/services/records", row("Flood" + std::to_string(i % 10), 600 - i));
  }
  EXPECT_LE(filed() - start, 4) << "one address";
}

// In the chat, a member's nick is the member's own: only that member's session writes under
// it; a player without an account keeps the passport's name.
TEST_F(ServerTest, AChatMessageUnderAMembersNickNeedsThatMembersSession) {
  auto member = NewClient();
  const std::string nick = NewNick("Chm");
  CreateAndLogIn(*member, nick, "chat1234");
  const auto message = [](const std::string& name) {
    return online::Fields{{"gid", "100"},       {"nick", name},
                          {"country", "1-015"}, {"city", "Lyon"},
                          {"score", "0"},       {"R7", "M"},
                          {"R8", "5.7f"},       {"R9", "14:05:33_09.12.2026_Zendral"},
                          {"R10", "hello*"}};
  };
  auto stranger = NewClient();
  EXPECT_EQ(stranger->Raw("/services/records", message(nick)).body, "no");
  std::string shouting = nick;
  for (char& ch : shouting) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  EXPECT_EQ(stranger->Raw("/services/records", message(shouting)).body, "no");
  EXPECT_TRUE(ReplyTrailingNumber(member->Raw("/services/records", message(nick)).body));
  EXPECT_TRUE(ReplyTrailingNumber(stranger->Raw("/services/records", message("Wanderer")).body));
}

// "Sign out" ends the session on the server: the cookie the program held opens nothing any
// more, while the member's other devices stay signed in.
TEST_F(ServerTest, SignOutEndsTheSessionOnTheServer) {
  auto laptop = NewClient();
  auto phone = NewClient();
  const std::string nick = NewNick("Out");
  CreateAndLogIn(*laptop, nick, "sign1234");
  ASSERT_TRUE(ReplySegment(
      phone->Form("/services/account", {{"nick", nick}, {"pw", "sign1234"}, {"label0", "0"}}).body,
      ' '));
  const online::Fields balance{{"nick", nick}, {"labelkovread", "0"}};
  ASSERT_EQ(ReplyTrailingNumber(laptop->Form("/services/account", balance).body), 0);
  EXPECT_EQ(laptop->Form("/services/account", {{"nick", nick}, {"labellogout", "0"}}).body, "ok");
  EXPECT_EQ(laptop->Form("/services/account", balance).body, "no");
  EXPECT_EQ(ReplyTrailingNumber(phone->Form("/services/account", balance).body), 0);
}

// The admin command takes its options wherever they stand, refuses one it does not know and
// says which database it opened.
TEST(AdminCommand, TakesItsOptionsAfterItsWordsAndRefusesUnknownOnes) {
  TempFolder data;
  const auto run = [](const std::string& words) {
    std::string out;
    FILE* pipe = popen((std::string(ZENDRAL_SERVER_BINARY) + " " + words + " 2>&1").c_str(), "r");
    char buffer[4096];
    size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    const int status = pclose(pipe);
    return std::make_pair(WIFEXITED(status) ? WEXITSTATUS(status) : -1, out);
  };
  const std::string dir = "'" + data.path().string() + "'";
  const auto [code, out] = run("admin news add 'Club evening' --data " + dir);
  EXPECT_EQ(code, 0) << out;
  EXPECT_NE(out.find("sqlite:" + data.path().string()), std::string::npos) << out;
  EXPECT_TRUE(std::filesystem::exists(data.path() / "zendral-server.sqlite"));
  EXPECT_EQ(run("admin news add 'Club evening' --bogus --data " + dir).first, 2);
  EXPECT_EQ(run("admin grant Nobody -5 --data " + dir).first, 1) << "-5 is a word";

  ServerProcess server;
  // The server's own database: its data folder, or the PostgreSQL one it was started on.
  const char* database = std::getenv("ZENDRAL_TEST_DATABASE");
  std::string options = "--data '" + server.DataDir().string() + "'";
  if (database != nullptr && *database != '\0')
    options += " --database '" + std::string(database) + "'";
  EXPECT_EQ(run("admin news add 'Only the text' " + options).first, 0);
  Client reader(server.Base());
  const std::string page = reader.Get("/news/index.html").body;
  EXPECT_NE(page.find("Only the text</p>"), std::string::npos) << page;
}

}  // namespace
}  // namespace zendral::server_test
