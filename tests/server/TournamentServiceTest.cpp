// The tournament service over HTTP: the table list as the program reads it, the server state
// and its welcome text, booking and leaving seats with their rules, and a seat that two
// bookings race for, within one server and across two servers over one database.

#include <future>

#include "TournamentFixture.h"

namespace zendral::server_test {
namespace {

using online::ReplySegment;
using online::ReplyTrailingNumber;
using online::TokenAt;
using online::Tokens;

// The nick of a seat in a table record: token 7 for seat 1, 15 for seat 2.
std::string SeatNick(const Tokens& table, int seat) {
  return TokenAt(table, seat == 1 ? 7 : 15);
}

TEST_F(TournamentTest, TheTableListHasTenTablesOnTheRelayPortsOfTableOnesHost) {
  const auto tables = Tables();
  ASSERT_EQ(tables.size(), 10u);
  for (int k = 1; k <= 10; ++k) {
    const Tokens& t = tables[static_cast<std::size_t>(k - 1)];
    ASSERT_EQ(t.size(), 23u) << k;  // token 0 is empty
    EXPECT_EQ(TokenAt(t, 1), std::to_string(k));
    EXPECT_EQ(TokenAt(t, 2), "127.0.0.1");
    // The program takes table 1's port minus 1 as the base: table k is then base + k.
    EXPECT_EQ(TokenAt(t, 3), std::to_string(RelayPort(k)));
  }
  // A free seat is "nobody": nick, country, city and address "X".
  const Tokens& last = tables[9];
  EXPECT_EQ(SeatNick(last, 1), "X");
  EXPECT_EQ(SeatNick(last, 2), "X");
  EXPECT_EQ(TokenAt(last, 14), "X");
  // Another game's list is not this one's.
  auto client = Server().Base();
  Client other(client);
  EXPECT_EQ(other.Form(kTournament, {{"readtable10", "45"}, {"gid", "45"}}).body, "no");
}

TEST_F(TournamentTest, TheServerStateAndWelcomeTextAreTheAdminsAndOffStopsBooking) {
  Client c(Server().Base());
  auto info = [&] {
    return ReplySegment(c.Form(kTournament, {{"serverinforead", "0"}, {"gid", "44"}}).body, ' ');
  };
  ASSERT_TRUE(info().has_value());
  EXPECT_EQ(TokenAt(*info(), 1), "Y");
  ASSERT_EQ(Server().Admin("tournament welcome Good luck at the tables").first, 0);
  EXPECT_EQ(TokenAt(*info(), 2), "Good_luck_at_the_tables");

  Member m = NewMember("Offs");
  ASSERT_EQ(Server().Admin("tournament off").first, 0);
  EXPECT_EQ(TokenAt(*info(), 1), "X");
  const int table = NewTable();
  EXPECT_EQ(m.Book(table, 1), "no");
  ASSERT_EQ(Server().Admin("tournament on").first, 0);
  EXPECT_EQ(TokenAt(*info(), 1), "Y");
  EXPECT_EQ(m.Book(table, 1), "ok");
  EXPECT_EQ(m.Book(table, 1, 2), "ok");
}

TEST_F(TournamentTest, SeatsAreBookedAndLeftOnlyByTheirOwnMembersByTheRules) {
  Member anna = NewMember("Anna");
  Member boris = NewMember("Boris");
  Member carl = NewMember("Carl");
  const int table = NewTable();
  const int other = NewTable();

  struct Step {
    const char* what;
    const Member* who;
    int table, seat, action;
    const char* reply;
  } steps[] = {
      {"seat 2 of an empty table", &boris, table, 2, 1, "no"},
      {"seat 1 of an empty table", &anna, table, 1, 1, "ok"},
      {"a seat someone holds", &carl, table, 1, 1, "is"},
      {"a second seat of the same member", &anna, other, 1, 1, "no"},
      {"someone else's seat left", &carl, table, 1, 2, "no"},
      {"seat 2 beside a taken seat 1", &boris, table, 2, 1, "ok"},
      {"a table beyond the ten", &carl, 11, 1, 1, "no"},
      {"an unknown action", &carl, other, 1, 7, "no"},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(s.who->Book(s.table, s.seat, s.action), s.reply) << s.what;
  }
  const Tokens listed = Tables()[static_cast<std::size_t>(table - 1)];
  EXPECT_EQ(SeatNick(listed, 1), anna.nick);
  EXPECT_EQ(SeatNick(listed, 2), boris.nick);
  // The seat shows the server's record of the member, not what the program sent.
  EXPECT_EQ(TokenAt(listed, 8), "0");      // score
  EXPECT_EQ(TokenAt(listed, 10), "1500");  // rating
  EXPECT_EQ(TokenAt(listed, 11), "Canada");
  EXPECT_EQ(TokenAt(listed, 14), "127.0.0.1");  // the address the booking came from
  // The seat holder as the program asks for it before taking seat 2.
  const auto holder = ReplySegment(
      carl.client
          ->Form(kTournament, {{"readclient1", "0"}, {"gid", "44"}, {"num", std::to_string(table)}})
          .body,
      ' ');
  ASSERT_TRUE(holder.has_value());
  EXPECT_EQ(TokenAt(*holder, 1), anna.nick);
  EXPECT_EQ(TokenAt(*holder, 8), "127.0.0.1");

  // Leaving frees the seat for the next one.
  EXPECT_EQ(boris.Book(table, 2, 2), "ok");
  EXPECT_EQ(anna.Book(table, 1, 0), "ok");
  EXPECT_EQ(SeatNick(Tables()[static_cast<std::size_t>(table - 1)], 1), "X");
  EXPECT_EQ(carl.Book(table, 1), "ok");
  EXPECT_EQ(carl.Book(table, 1, 2), "ok");

  // Without a session nothing is booked, also not in another member's name.
  Client anonymous(Server().Base());
  Member stranger{std::make_unique<Client>(Server().Base()), anna.nick};
  EXPECT_EQ(stranger.Book(table, 1), "no");
  Member impostor{std::move(carl.client), anna.nick};
  EXPECT_EQ(impostor.Book(table, 1), "no");
}

// Racing bookings of one seat: several members at once, each on his own connection.
int RaceForOneSeat(const std::vector<Member*>& members, int table) {
  std::vector<std::future<std::string>> replies;
  for (Member* m : members) {
    replies.push_back(std::async(std::launch::async, [m, table] { return m->Book(table, 1); }));
  }
  int won = 0;
  for (auto& r : replies) {
    const std::string reply = r.get();
    EXPECT_TRUE(reply == "ok" || reply == "is") << reply;
    won += reply == "ok";
  }
  return won;
}

TEST_F(TournamentTest, OfRacingBookingsOfOneSeatExactlyOneWinsAlsoOnTwoServers) {
  // A second server over the same database, without a relay of its own.
  std::vector<std::string> args = {"--rate-scale", "1000", "--no-relay"};
  if (!Server().OnPostgres()) {
    args.insert(args.end(), {"--database",
                             "sqlite:" + (Server().DataDir() / "zendral-server.sqlite").string()});
  }
  ServerProcess second(args);
  std::vector<Member> members;
  for (int i = 0; i < 6; ++i) members.push_back(NewMember("Race"));
  for (int i = 3; i < 6; ++i) members[static_cast<std::size_t>(i)].client->SetBase(second.Base());
  // The second server's members log in there (sessions live in the database).
  for (int i = 3; i < 6; ++i) {
    Member& m = members[static_cast<std::size_t>(i)];
    ASSERT_TRUE(
        ReplySegment(
            m.client->Form("/services/account", {{"nick", m.nick}, {"pw", m.pw}, {"label0", "0"}})
                .body,
            ' ')
            .has_value());
  }
  const int table = NewTable();
  for (int round = 0; round < 5; ++round) {
    std::vector<Member*> racing;
    for (Member& m : members) racing.push_back(&m);
    ASSERT_EQ(RaceForOneSeat(racing, table), 1) << "round " << round;
    const std::string holder = SeatNick(Tables()[static_cast<std::size_t>(table - 1)], 1);
    for (Member& m : members) {
      if (m.nick == holder) {
        ASSERT_EQ(m.Book(table, 1, 2), "ok");
      }
    }
  }
}

TEST_F(TournamentTest, TheRatingOfSomeoneWhoNeverPlayedIsTheStartAndUnknownNicksHaveNone) {
  Member m = NewMember("Newb");
  EXPECT_EQ(m.Record(), (std::array<int, 3>{0, 0, 1500}));
  EXPECT_EQ(m.client->Raw(kTournament, {{"readrating44", "0"}, {"nick", "NoSuchNick"}}).body, "no");
  // Nobody above a score of a million: place 1.
  EXPECT_EQ(ReplyTrailingNumber(
                m.client->Raw(kTournament, {{"places44", "0"}, {"score1", "1000000"}}).body),
            1);
  EXPECT_EQ(m.client->Raw(kTournament, {{"places44", "0"}, {"score1", "x"}}).body, "no");
}

}  // namespace
}  // namespace zendral::server_test

namespace zendral::server_test {
namespace {

// A player alone at a table keeps his seat for the server's waiting time, which the table list
// counts down; past it the relay lets the seat go and closes its link. Its own server: the
// waiting time here is a few seconds.
TEST(TournamentWait, ALoneSeatIsHeldForTheWaitingTimeThenFreedWithItsRelayLink) {
  const int base = FreeRelayBase();
  const int waitSeconds = 4;
  ServerProcess server({"--rate-scale", "1000", "--relay-base", std::to_string(base),
                        "--tour-wait-limit", std::to_string(waitSeconds)});
  Member anna{std::make_unique<Client>(server.Base()), ServerTest::NewNick("Lone")};
  CreateAndLogIn(*anna.client, anna.nick, anna.pw);
  Member bert{std::make_unique<Client>(server.Base()), ServerTest::NewNick("Pair")};
  CreateAndLogIn(*bert.client, bert.nick, bert.pw);
  const auto tables = [&] {
    Client reader(server.Base());
    return online::ReplySegments(
        reader.Form(kTournament, {{"readtable10", "44"}, {"gid", "44"}}).body, ' ');
  };
  const auto waitLeft = [](const Tokens& table) { return std::stoi(TokenAt(table, 5)); };

  const int table = 3;
  ASSERT_EQ(anna.Book(table, 1), "ok");
  RawSeat seat(base + table);
  ASSERT_TRUE(seat.Connected());
  seat.SendFrame("connect1", 1);
  auto list = tables();
  ASSERT_EQ(list.size(), 10u);
  EXPECT_GE(waitLeft(list[table - 1]), waitSeconds - 1);
  EXPECT_LE(waitLeft(list[table - 1]), waitSeconds);
  for (int k = 1; k <= 10; ++k) {
    if (k != table) {
      EXPECT_EQ(waitLeft(list[static_cast<std::size_t>(k - 1)]), 0) << k;
    }
  }
  // Held, connected, until the time is up; then freed and closed.
  EXPECT_FALSE(seat.ClosedWithin(1500));
  EXPECT_EQ(SeatNick(tables()[table - 1], 1), anna.nick);
  EXPECT_TRUE(seat.ClosedWithin(12000));
  list = tables();
  EXPECT_EQ(SeatNick(list[table - 1], 1), "X");
  EXPECT_EQ(waitLeft(list[table - 1]), 0);
  // The seat is free for the next player at once.
  EXPECT_EQ(bert.Book(table, 1), "ok");

  // Two players at a table wait for nobody: no count, and nothing is freed while the second
  // connects.
  ASSERT_EQ(anna.Book(table + 1, 1), "ok");
  ASSERT_EQ(bert.Book(table, 1, 2), "ok");
  ASSERT_EQ(bert.Book(table + 1, 2), "ok");
  EXPECT_EQ(waitLeft(tables()[table]), 0);
}

}  // namespace
}  // namespace zendral::server_test
