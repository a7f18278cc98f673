// The account service over real HTTP: both body styles, the replies read by the program's own
// readers, sessions, and the mended operations (no balance changes by request, transfers).

#include <QDate>

#include "ServerFixture.h"
#include "online/Reply.h"
#include "store/Cp1251.h"

namespace zendral::server_test {
namespace {

using online::ReplyHasMarkerOutsideSegment;
using online::ReplySegment;
using online::ReplyTrailingNumber;
using online::TokenAt;

const std::string kAccount = "/services/account";

class AccountService : public ServerTest {};

std::optional<int> Balance(Client& client, const std::string& nick) {
  const HttpReply r = client.Form(kAccount, {{"nick", nick}, {"labelkovread", "0"}});
  if (ReplyHasMarkerOutsideSegment(r.body, "no")) return std::nullopt;
  return ReplyTrailingNumber(r.body);
}

TEST_F(AccountService, CreatesAndLogsInWithEitherBodyStyleAndACyrillicCity) {
  const std::string city = "Санкт-Петербург";  // 15 characters, Cyrillic allowed in a city
  for (const bool raw : {true, false}) {
    SCOPED_TRACE(raw ? "raw" : "form");
    auto client = NewClient();
    const std::string nick = NewNick(raw ? "Raw" : "Form");
    const online::Fields create = CreateFields(nick, "pass1234", city);
    const HttpReply created = raw ? client->Raw(kAccount, create) : client->Form(kAccount, create);
    EXPECT_EQ(created.body, "ok");
    // The same nick again is taken, in both styles.
    EXPECT_EQ(client->Raw(kAccount, create).body, "is");

    const HttpReply login =
        client->Form(kAccount, {{"nick", nick}, {"pw", "pass1234"}, {"label0", "0"}});
    ASSERT_FALSE(ReplyHasMarkerOutsideSegment(login.body, "no")) << login.body;
    const auto tokens = ReplySegment(login.body, ' ');
    ASSERT_TRUE(tokens.has_value());
    // Replies are single-byte text: the city comes back in Windows-1251.
    EXPECT_EQ(TokenAt(*tokens, 1), Utf8ToCp1251(city));
    EXPECT_EQ(TokenAt(*tokens, 2), "Canada");
    EXPECT_EQ(TokenAt(*tokens, 3), "3-009");
    EXPECT_EQ(TokenAt(*tokens, 4), "W");
    EXPECT_EQ(TokenAt(*tokens, 5), "me@example.org");
    // The server's own date and a balance of 0, whatever the program sent.
    EXPECT_EQ(TokenAt(*tokens, 6), QDate::currentDate().toString("dd.MM.yyyy").toStdString());
    EXPECT_EQ(TokenAt(*tokens, 7), "xxx");
    EXPECT_EQ(TokenAt(*tokens, 10), "0");
    EXPECT_EQ(TokenAt(*tokens, 11), "0");
    EXPECT_EQ(TokenAt(*tokens, 12), "0");
    EXPECT_EQ(tokens->size(), 13u);
  }
}

TEST_F(AccountService, RefusesBadLogInsAndInvalidAccounts) {
  auto client = NewClient();
  const std::string nick = NewNick("Gate");
  ASSERT_EQ(client->Raw(kAccount, CreateFields(nick, "right12")).body, "ok");
  for (const auto& [who, pw] : std::vector<std::pair<std::string, std::string>>{
           {nick, "wrong12"}, {nick, ""}, {"Nobody" + nick, "right12"}}) {
    const HttpReply r = client->Form(kAccount, {{"nick", who}, {"pw", pw}, {"label0", "0"}});
    EXPECT_EQ(r.body, "no") << who << "/" << pw;
  }
  // Fields the program's own checks refuse are refused here too.
  struct Bad {
    const char* field;
    const char* value;
  };
  for (const Bad& bad : {Bad{"nick", "Иван"}, Bad{"nick", "a"}, Bad{"nick", "thirteenchars"},
                         Bad{"pw", "abc"}, Bad{"city", "New York"}, Bad{"email", "@x.org"},
                         Bad{"sex", "X"}, Bad{"country2", "9-001"}, Bad{"country1", "A B"}}) {
    online::Fields fields = CreateFields(NewNick("Bad"), "pass1234");
    for (auto& [name, value] : fields) {
      if (name == bad.field) value = bad.value;
    }
    EXPECT_EQ(client->Raw(kAccount, fields).body, "no") << bad.field << "=" << bad.value;
  }
}

TEST_F(AccountService, MemberCountGrowsWithEachAccount) {
  auto client = NewClient();
  const auto before = ReplyTrailingNumber(client->Raw(kAccount, {{"label1", "0"}}).body);
  ASSERT_TRUE(before.has_value());
  ASSERT_EQ(client->Raw(kAccount, CreateFields(NewNick("Count"), "pass1234")).body, "ok");
  EXPECT_EQ(ReplyTrailingNumber(client->Raw(kAccount, {{"label1", "0"}}).body), *before + 1);
}

TEST_F(AccountService, ProfileIsSavedOnlyByItsOwnerAndLosesTheReplyCharacters) {
  auto owner = NewClient();
  const std::string nick = NewNick("Prof");
  CreateAndLogIn(*owner, nick, "pass1234");
  online::Fields save = {{"nick", nick},
                         {"labelinfosave", "0"},
                         {"namei", "Anna"},
                         {"name2", "Smith$~#*"},
                         {"about", std::string(80, 'a') + " & = + % text"},
                         {"telephone", "+1 555"},
                         {"emailo", "a@b.c"},
                         {"website", "w.org"},
                         {"skype", "sk"},
                         {"ok", "okname"},
                         {"vk", "vk"},
                         {"telegram", "tg"},
                         {"facebook", "fb"},
                         {"twitter", "tw"},
                         {"instagramm", "in"},
                         {"youtube", "yt"}};
  // Another program without the session or the password cannot change it.
  auto stranger = NewClient();
  EXPECT_EQ(stranger->Raw(kAccount, save).body, "no");
  EXPECT_EQ(owner->Raw(kAccount, save).body, "ok");

  const HttpReply read = stranger->Form(kAccount, {{"nick", nick}, {"labelinforead", "0"}});
  const auto tokens = ReplySegment(read.body, '~');
  ASSERT_TRUE(tokens.has_value()) << read.body;
  ASSERT_EQ(tokens->size(), 15u);
  EXPECT_EQ(TokenAt(*tokens, 1), "Anna");
  EXPECT_EQ(TokenAt(*tokens, 2), "Smith");
  EXPECT_EQ(TokenAt(*tokens, 3), std::string(50, 'a'));  // cut to the editor's length
  EXPECT_EQ(TokenAt(*tokens, 4), "+1 555");
  EXPECT_EQ(TokenAt(*tokens, 6), "w.org");  // the web site comes before Skype
  EXPECT_EQ(TokenAt(*tokens, 7), "sk");
  EXPECT_EQ(TokenAt(*tokens, 14), "yt");
  EXPECT_EQ(stranger->Form(kAccount, {{"nick", "Nobody1"}, {"labelinforead", "0"}}).body, "no");
}

TEST_F(AccountService, BalanceIsPrivateAndNoRequestCanRaiseIt) {
  auto owner = NewClient();
  const std::string nick = NewNick("Rich");
  CreateAndLogIn(*owner, nick, "pass1234");
  EXPECT_EQ(Balance(*owner, nick), 0);
  auto stranger = NewClient();
  EXPECT_EQ(Balance(*stranger, nick), std::nullopt);
  // With the password instead of the session it is readable, as the program's reads send it.
  EXPECT_EQ(
      ReplyTrailingNumber(
          stranger->Form(kAccount, {{"nick", nick}, {"pw", "pass1234"}, {"labelkovread", "0"}})
              .body),
      0);
  // The old "change balance" request: refused for everybody, also in the owner's session.
  for (Client* client : {owner.get(), stranger.get()}) {
    EXPECT_EQ(client->Raw(kAccount, {{"nick", nick}, {"labelkovsave", "0"}, {"R04", "500"}}).body,
              "no");
  }
  EXPECT_EQ(Balance(*owner, nick), 0);
}

TEST_F(AccountService, TransfersMoveKovsOnlyFromTheSendersOwnSession) {
  auto sender = NewClient();
  const std::string from = NewNick("Send");
  const std::string to = NewNick("Recv");
  CreateAndLogIn(*sender, from, "pass1234");
  auto receiver = NewClient();
  CreateAndLogIn(*receiver, to, "pass5678");
  ASSERT_EQ(Server().Admin("grant " + from + " 100").first, 0);
  ASSERT_EQ(Balance(*sender, from), 100);

  const auto transfer = [&](Client& client, const std::string& recipient,
                            const std::string& amount) {
    return client
        .Raw(kAccount, {{"nick", from}, {"labelkovsend", "0"}, {"to", recipient}, {"R04", amount}})
        .body;
  };
  struct Case {
    const char* what;
    Client* client;
    std::string recipient;
    std::string amount;
    std::string reply;
    int senderAfter;
    int receiverAfter;
  };
  auto stranger = NewClient();
  const std::vector<Case> cases = {
      {"no such member", sender.get(), "Nobody" + to, "10", "no", 100, 0},
      {"more than the balance", sender.get(), to, "101", "is", 100, 0},
      {"zero", sender.get(), to, "0", "no", 100, 0},
      {"negative", sender.get(), to, "-5", "no", 100, 0},
      {"to oneself", sender.get(), from, "5", "no", 100, 0},
      {"not the sender's session", stranger.get(), to, "10", "no", 100, 0},
      {"the recipient's session", receiver.get(), to, "10", "no", 100, 0},
      {"done", sender.get(), to, "30", "ok", 70, 30},
      {"the whole rest", sender.get(), to, "70", "ok", 0, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(transfer(*c.client, c.recipient, c.amount), c.reply);
    EXPECT_EQ(Balance(*sender, from), c.senderAfter);
    EXPECT_EQ(Balance(*receiver, to), c.receiverAfter);
  }
}

TEST_F(AccountService, AdminShowsAnAccountWithoutItsHash) {
  auto client = NewClient();
  const std::string nick = NewNick("Show");
  CreateAndLogIn(*client, nick, "pass1234");
  const auto [code, out] = Server().Admin("user " + nick);
  EXPECT_EQ(code, 0);
  EXPECT_NE(out.find("Toronto"), std::string::npos) << out;
  EXPECT_EQ(out.find("argon2"), std::string::npos) << out;
  EXPECT_NE(Server().Admin("user Nobody" + nick).first, 0);
}

}  // namespace
}  // namespace zendral::server_test

namespace zendral::server_test {
namespace {

// Every read answers the same whichever body style carries it.
TEST_F(AccountService, EveryReadAnswersAlikeInBothBodyStyles) {
  auto client = NewClient();
  const std::string nick = NewNick("Both");
  CreateAndLogIn(*client, nick, "both1234");
  struct Request {
    std::string path;
    online::Fields fields;
  };
  const std::vector<Request> reads = {
      {"/services/account", {{"label1", "0"}}},
      {"/services/account", {{"nick", nick}, {"labelinforead", "0"}}},
      {"/services/account", {{"nick", nick}, {"labelkovread", "0"}}},
      {"/services/account", {{"nick", nick}, {"pw", "both1234"}, {"crdq4best", "0"}}},
      {"/services/account", {{"crdq4kon", "0"}}},
      {"/services/account", {{"crdq4rating", "3.25"}}},
      {"/services/records", {{"gid", "44"}}},
      {"/services/records", {{"rgid", "100"}}},
      {"/services/records", {{"gid", "44"}, {"nick", "Nobody"}, {"city", "Lyon"}}},
      {"/services/stats", {{"gid", "44"}}},
  };
  for (const Request& r : reads) {
    const HttpReply form = client->Form(r.path, r.fields);
    const HttpReply raw = client->Raw(r.path, r.fields);
    EXPECT_EQ(form.status, 200);
    EXPECT_EQ(form.body, raw.body) << online::RawBody(r.fields);
    EXPECT_FALSE(ReplyHasMarkerOutsideSegment(form.body, "no")) << online::RawBody(r.fields);
  }
}

}  // namespace
}  // namespace zendral::server_test
