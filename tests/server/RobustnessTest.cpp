// Bad input of every kind is answered with an error and stores nothing; the data outlives a
// restart; passwords never reach the database in clear; the per-address limits hold.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <random>

#include "ServerFixture.h"
#include "online/Reply.h"

namespace zendral::server_test {
namespace {

using online::ReplyTrailingNumber;

class Robustness : public ServerTest {
 protected:
  // Everything a stored request could have changed.
  std::vector<std::optional<int>> Counts(Client& c) {
    return {ReplyTrailingNumber(c.Raw("/services/account", {{"label1", "0"}}).body),
            ReplyTrailingNumber(c.Form("/services/records", {{"rgid", "44"}}).body),
            ReplyTrailingNumber(c.Form("/services/records", {{"rgid", "100"}}).body),
            ReplyTrailingNumber(c.Form("/services/records", {{"rgid", "344"}}).body)};
  }
};

TEST_F(Robustness, BadBodiesAreRefusedAndStoreNothing) {
  auto client = NewClient();
  const auto before = Counts(*client);
  ASSERT_TRUE(before[0].has_value());

  std::vector<std::string> bodies = {
      "nick=Trunc&pw=pass12%3",
      "nick=Trunc&pw=pass1234&city=Tor",
      "nick=&pw=&label0=0",
      "=&=&&&",
      "%FF%FE%00nick=Bin&pw=pass1234",
      std::string(
          "nick=Nul\0l&pw=pass1234&city=Toronto&country1=Canada&country2=3-009&sex=M&email=a@b.c",
          88),
      "gid=44&nick=Long&city=Lyon&country=1-015&score=" + std::string(40, '9') + "&R7=M",
      "gid=100&nick=" + std::string(60000, 'A') + "&city=Lyon&country=1-015&score=1&R7=M&R10=x",
  };
  std::mt19937 random(44);
  for (int i = 0; i < 8; ++i) {
    std::string junk(1 + random() % 3000, '\0');
    for (char& c : junk) c = static_cast<char>(random());
    bodies.push_back(junk);
  }
  // SQL in every field of every request.
  const std::string sql = "x'); DROP TABLE accounts; --";
  for (online::Fields fields :
       std::vector<online::Fields>{CreateFields("Sql1", "pass1234"),
                                   {{"nick", ""}, {"pw", ""}, {"label0", "0"}},
                                   {{"nick", ""}, {"labelkovsend", "0"}, {"to", ""}, {"R04", "1"}},
                                   {{"gid", "44"},
                                    {"nick", "Sqler"},
                                    {"city", "Lyon"},
                                    {"country", "1-015"},
                                    {"score", "10"},
                                    {"R7", "M"},
                                    {"R8", ""},
                                    {"R9", ""},
                                    {"R10", ""}},
                                   {{"gid", "100"},
                                    {"nick", "Sqler"},
                                    {"city", "Lyon"},
                                    {"country", "1-015"},
                                    {"score", "1"},
                                    {"R7", "M"},
                                    {"R8", "5.7f"},
                                    {"R9", "t"},
                                    {"R10", "hi"}}}) {
    for (std::size_t k = 0; k < fields.size(); ++k) {
      if (fields[k].second == "0" && fields[k].first.starts_with("label")) continue;
      // The creation date and the reserved numbers are never read: the server sets them.
      if (fields[k].first == "dater" || fields[k].first.starts_with("R0")) continue;
      online::Fields poisoned = fields;
      poisoned[k].second = sql;
      bodies.push_back(online::RawBody(poisoned));
      bodies.push_back(online::FormBody(poisoned));
    }
  }

  for (const std::string path : {"/services/account", "/services/records", "/services/stats"}) {
    for (const std::string& body : bodies) {
      const HttpReply r = client->Post(path, body);
      EXPECT_EQ(r.status, 200) << path;
      EXPECT_TRUE(r.body == "no" || r.body == "$ no#" || r.body.empty() ||
                  (path == "/services/stats" && r.body.starts_with("$")) ||
                  (path == "/services/records" && r.body.starts_with("$")))
          << path << " <- " << body.substr(0, 80) << " -> " << r.body.substr(0, 80);
    }
  }
  // Bodies beyond 64 KiB are refused before anything reads them.
  const HttpReply huge =
      client->Post("/services/account", "nick=" + std::string(70000, 'A') + "&pw=x");
  EXPECT_EQ(huge.status, 413);
  // Nothing above was stored, and every table is still there.
  EXPECT_EQ(Counts(*client), before);
  EXPECT_EQ(client->Raw("/services/account", CreateFields(NewNick("After"), "pass1234")).body,
            "ok");
}

TEST_F(Robustness, CallersThatHangUpDuringTheirLogInHarmNobody) {
  auto client = NewClient();
  const std::string nick = NewNick("Hang");
  CreateAndLogIn(*client, nick, "hang1234");
  const std::string body = online::FormBody({{"nick", nick}, {"pw", "hang1234"}, {"label0", "0"}});
  const std::string request =
      "POST /services/account HTTP/1.1\r\nHost: 127.0.0.1\r\n"
      "Content-Type: application/x-www-form-urlencoded\r\n"
      "Content-Length: " +
      std::to_string(body.size()) + "\r\n\r\n" + body;
  for (int i = 0; i < 40; ++i) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(Server().Port()));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    // Half the callers hang up at once, half after sending half of the request.
    const std::size_t sent = i % 2 == 0 ? request.size() : request.size() / 2;
    ASSERT_EQ(send(fd, request.data(), sent, MSG_NOSIGNAL), static_cast<ssize_t>(sent));
    close(fd);
  }
  const auto login = online::ReplySegment(
      client->Form("/services/account", {{"nick", nick}, {"pw", "hang1234"}, {"label0", "0"}}).body,
      ' ');
  ASSERT_TRUE(login.has_value());
  EXPECT_EQ(online::TokenAt(*login, 1), "Toronto");
}

TEST_F(Robustness, ARestartKeepsAccountsBalancesAndResults) {
  auto client = NewClient();
  const std::string nick = NewNick("Keep");
  CreateAndLogIn(*client, nick, "keep1234");
  ASSERT_EQ(Server().Admin("grant " + nick + " 77").first, 0);
  ASSERT_TRUE(ReplyTrailingNumber(client
                                      ->Raw("/services/records", {{"gid", "44"},
                                                                  {"nick", "Keeper"},
                                                                  {"city", "Oslo"},
                                                                  {"country", "1-035"},
                                                                  {"score", "5"},
                                                                  {"R7", "M"},
                                                                  {"R8", "5.7f"},
                                                                  {"R9", "#"},
                                                                  {"R10", "#*"}})
                                      .body));
  Server().Restart();
  client->SetBase(Server().Base());
  // The session too lives in the database: the same program goes on without logging in again.
  EXPECT_EQ(ReplyTrailingNumber(
                client->Form("/services/account", {{"nick", nick}, {"labelkovread", "0"}}).body),
            77);
  Client fresh(Server().Base());
  const auto login = online::ReplySegment(
      fresh.Form("/services/account", {{"nick", nick}, {"pw", "keep1234"}, {"label0", "0"}}).body,
      ' ');
  ASSERT_TRUE(login.has_value());
  EXPECT_EQ(online::TokenAt(*login, 10), "77");
  EXPECT_EQ(
      online::ReplySegments(
          fresh.Raw("/services/records", {{"gid", "44"}, {"nick", "Keeper"}, {"city", "Oslo"}})
              .body,
          ' ')
          .size(),
      1u);
}

TEST_F(Robustness, PasswordsAreStoredOnlyAsArgon2idHashes) {
  if (Server().OnPostgres()) GTEST_SKIP() << "the database files are the PostgreSQL cluster's";
  auto client = NewClient();
  const std::string password = "Zq7Vw3Xy9K";
  CreateAndLogIn(*client, NewNick("Hash"), password);
  bool sawHash = false;
  for (const auto& entry : std::filesystem::directory_iterator(Server().DataDir())) {
    if (!entry.is_regular_file()) continue;
    const std::string bytes = ServerProcess::FileText(entry.path());
    EXPECT_EQ(bytes.find(password), std::string::npos) << entry.path();
    sawHash = sawHash || bytes.find("$argon2id$") != std::string::npos;
  }
  EXPECT_TRUE(sawHash);
}

TEST_F(Robustness, TheBackupIsAWholeDatabaseThatAServerRunsOn) {
  if (Server().OnPostgres()) GTEST_SKIP() << "a PostgreSQL database is copied with pg_dump";
  auto client = NewClient();
  const std::string nick = NewNick("Back");
  CreateAndLogIn(*client, nick, "back1234");
  TempFolder folder;
  const auto copy = folder.path() / "copy.sqlite";
  const auto [code, out] = Server().Admin("backup '" + copy.string() + "'");  // while it runs
  ASSERT_EQ(code, 0) << out;
  EXPECT_NE(Server().Admin("backup '" + copy.string() + "'").first, 0);  // never overwrites
  ServerProcess restored({"--database", "sqlite:" + copy.string()});
  Client other(restored.Base());
  const auto login = online::ReplySegment(
      other.Form("/services/account", {{"nick", nick}, {"pw", "back1234"}, {"label0", "0"}}).body,
      ' ');
  EXPECT_TRUE(login.has_value());
}

TEST(RateLimits, AnAddressGetsOnlyItsAllowanceOfNewAccounts) {
  ServerProcess server;  // the real allowances
  Client client(server.Base());
  int created = 0;
  for (int i = 0; i < 8; ++i) {
    const std::string reply =
        client
            .Raw("/services/account",
                 CreateFields("Lim" + std::to_string(::getpid() % 1000) + "x" + std::to_string(i),
                              "pass1234"))
            .body;
    if (reply == "ok") ++created;
  }
  EXPECT_EQ(created, 5);
}

}  // namespace
}  // namespace zendral::server_test
