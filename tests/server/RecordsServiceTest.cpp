// The records service (world tables and the chat) and the statistics service, read back with
// the program's reply readers.

#include <algorithm>

#include "ServerFixture.h"
#include "online/Reply.h"
#include "store/Cp1251.h"

namespace zendral::server_test {
namespace {

using online::ReplySegments;
using online::ReplyTrailingAck;
using online::ReplyTrailingNumber;
using online::TokenAt;

const std::string kRecords = "/services/records";
const std::string kStats = "/services/stats";

class RecordsService : public ServerTest {};

online::Fields LocalRow(const std::string& nick, const std::string& city, int score) {
  return {{"gid", "44"},
          {"nick", nick},
          {"city", city},
          {"country", "1-015"},
          {"score", std::to_string(score)},
          {"R7", "M"},
          {"R8", "5.7f"},
          {"R9", "#"},
          {"R10", "#*"}};
}

online::Fields ChatRow(const std::string& nick, int number, const std::string& text) {
  return {{"gid", "100"},
          {"nick", nick},
          {"city", "Paris"},
          {"country", "1-015"},
          {"score", std::to_string(number)},
          {"R7", "W"},
          {"R8", "5.7f"},
          {"R9", "14:05:33_09.12.2026_Zendral"},
          {"R10", text + "*"}};
}

TEST_F(RecordsService, LocalCyclesAreFiledRankedAndFoundAgain) {
  auto client = NewClient();
  const auto size = [&] {
    return ReplyTrailingNumber(client->Form(kRecords, {{"rgid", "44"}}).body);
  };
  const auto before = size();
  ASSERT_TRUE(before.has_value());
  const std::string name = NewNick("Wld");
  // The places follow from the rows already filed (a shared database may hold some).
  const auto top = [&] { return ReplySegments(client->Form(kRecords, {{"gid", "44"}}).body, ' '); };
  int atLeast1700 = 0, atLeast1699 = 0;
  for (const auto& row : top()) {
    atLeast1700 += std::stoi(TokenAt(row, 3)) >= 1700;
    atLeast1699 += std::stoi(TokenAt(row, 3)) >= 1699;
  }
  ASSERT_LT(atLeast1699, 9) << "the table is too full of high scores for this test";
  const auto first = ReplyTrailingNumber(client->Raw(kRecords, LocalRow(name, "Lyon", 1700)).body);
  EXPECT_EQ(first, atLeast1700 + 1);
  const auto second = ReplyTrailingNumber(client->Raw(kRecords, LocalRow(name, "Lyon", 1699)).body);
  EXPECT_EQ(second, atLeast1699 + 2);  // ties go after the rows filed before
  EXPECT_EQ(size(), *before + 2);

  const auto rows = top();
  ASSERT_GE(rows.size(), 2u);
  EXPECT_LE(rows.size(), 10u);
  const auto mine = std::find_if(rows.begin(), rows.end(),
                                 [&](const auto& row) { return TokenAt(row, 4) == name; });
  ASSERT_NE(mine, rows.end());
  EXPECT_EQ(TokenAt(*mine, 1), std::to_string(*first));
  EXPECT_EQ(TokenAt(*mine, 2), "x");
  EXPECT_EQ(TokenAt(*mine, 3), "1700");
  EXPECT_EQ(TokenAt(*mine, 5), "1-015");
  EXPECT_EQ(TokenAt(*mine, 6), "Lyon");
  EXPECT_EQ(TokenAt(*mine, 7), "M");
  EXPECT_EQ(TokenAt(*mine, 8), "5.7f");
  EXPECT_EQ(TokenAt(*mine, 9), "#");
  EXPECT_EQ(TokenAt(*mine, 10), "#");

  const auto own = ReplySegments(
      client->Raw(kRecords, {{"gid", "44"}, {"nick", name}, {"city", "Lyon"}}).body, ' ');
  ASSERT_EQ(own.size(), 2u);
  EXPECT_EQ(TokenAt(own[1], 1), std::to_string(*second));
  EXPECT_EQ(TokenAt(own[1], 3), "1699");
  EXPECT_TRUE(
      ReplySegments(client->Raw(kRecords, {{"gid", "44"}, {"nick", name}, {"city", "Nice"}}).body,
                    ' ')
          .empty());
}

TEST_F(RecordsService, RefusesRowsNoLocalCycleCanGive) {
  auto client = NewClient();
  const auto size = [&] {
    return ReplyTrailingNumber(client->Form(kRecords, {{"rgid", "44"}}).body);
  };
  const auto before = size();
  struct Case {
    const char* what;
    online::Fields row;
  };
  online::Fields noScore = LocalRow("Valid", "Lyon", 10);
  noScore[4].second = "12x";
  const std::vector<Case> cases = {
      {"a score beyond 30 kons", LocalRow("Valid", "Lyon", 1741)},
      {"a loss beyond 30 kons", LocalRow("Valid", "Lyon", -1741)},
      {"a Cyrillic name", LocalRow("Иван", "Lyon", 10)},
      {"a one-letter name", LocalRow("V", "Lyon", 10)},
      {"a name with a space", LocalRow("Va lid", "Lyon", 10)},
      {"a city of 16 letters", LocalRow("Valid", "Abcdefghijklmnop", 10)},
      {"no score", noScore},
  };
  for (const Case& c : cases) EXPECT_EQ(client->Raw(kRecords, c.row).body, "no") << c.what;
  online::Fields android = LocalRow("Valid", "Lyon", 10);
  android[0].second = "144";
  EXPECT_EQ(client->Raw(kRecords, android).body, "no") << "a table of other programs";
  EXPECT_EQ(size(), before);
}

TEST_F(RecordsService, TheServerNumbersChatMessagesSoNoneHidesAnother) {
  auto anna = NewClient();
  auto boris = NewClient();
  const auto newest = [&] {
    const auto rows = ReplySegments(anna->Form(kRecords, {{"gid", "100"}}).body, ' ');
    return rows.empty() ? 0 : std::stoi(TokenAt(rows[0], 3));
  };
  // Both read the same newest number and both send N + 1, as the program does.
  const int n = newest();
  const auto a = ReplyTrailingNumber(anna->Raw(kRecords, ChatRow("Anna", n + 1, "Hello_all")).body);
  const auto b = ReplyTrailingNumber(boris->Raw(kRecords, ChatRow("Борис", n + 1, "Привет!")).body);
  ASSERT_TRUE(a.has_value());
  ASSERT_TRUE(b.has_value());
  EXPECT_EQ(*a, n + 1);
  EXPECT_EQ(*b, n + 2);
  const auto rows = ReplySegments(anna->Form(kRecords, {{"gid", "100"}}).body, ' ');
  ASSERT_GE(rows.size(), 2u);
  EXPECT_EQ(TokenAt(rows[0], 3), std::to_string(n + 2));
  EXPECT_EQ(TokenAt(rows[0], 4), Utf8ToCp1251("Борис"));
  EXPECT_EQ(TokenAt(rows[0], 10), Utf8ToCp1251("Привет!"));
  EXPECT_EQ(TokenAt(rows[1], 3), std::to_string(n + 1));
  EXPECT_EQ(TokenAt(rows[1], 9), "14:05:33_09.12.2026_Zendral");
  EXPECT_EQ(TokenAt(rows[1], 10), "Hello_all");

  // The program sends every character outside the allowed set as "_": anything else is no
  // message of the program.
  for (const char* text : {"a$b", "a~b", "a#b", "a b", "", "x'); DROP TABLE world_rows; --"}) {
    EXPECT_EQ(anna->Raw(kRecords, ChatRow("Anna", 1, text)).body, "no") << text;
  }

  // While the admin pauses the chat nothing is sent, and the path directory says so.
  ASSERT_EQ(Server().Admin("pause chat on").first, 0);
  EXPECT_EQ(anna->Raw(kRecords, ChatRow("Anna", 1, "paused")).body, "no");
  EXPECT_NE(anna->Get("/services/paths.txt").body.find("CTGamesPause#"), std::string::npos);
  ASSERT_EQ(Server().Admin("pause chat off").first, 0);
  EXPECT_EQ(anna->Get("/services/paths.txt").body.find("CTGamesPause"), std::string::npos);
  EXPECT_TRUE(ReplyTrailingNumber(anna->Raw(kRecords, ChatRow("Anna", 1, "back")).body));
}

struct Sums {
  std::vector<std::string> tokens;
  long Get(int i) const { return std::stol(TokenAt(tokens, i)); }
};

Sums ReadSums(Client& c) {
  const auto rows = ReplySegments(c.Form(kStats, {{"gid", "44"}}).body, ' ');
  return Sums{rows.empty() ? std::vector<std::string>{} : rows[0]};
}

online::Fields Counters(std::vector<int> r) {
  online::Fields f = {{"gid", "44"}};
  for (int i = 1; i <= 12; ++i) {
    std::string name = "R";
    name += std::to_string(i);
    f.emplace_back(name, std::to_string(i <= static_cast<int>(r.size()) ? r[i - 1] : 0));
  }
  return f;
}

TEST_F(RecordsService, StatisticsSumWhatRealSessionsReport) {
  auto client = NewClient();
  const Sums before = ReadSums(*client);
  ASSERT_EQ(before.tokens.size(), 19u);
  EXPECT_TRUE(
      ReplyTrailingAck(client->Raw(kStats, {{"gid", "44"}, {"stat1", "1"}, {"stat2", "1"}}).body));
  EXPECT_TRUE(
      ReplyTrailingAck(client->Raw(kStats, {{"gid", "44"}, {"stat1", "1"}, {"stat2", "0"}}).body));
  EXPECT_TRUE(ReplyTrailingAck(
      client->Raw(kStats, {{"gid", "44"}, {"stat3", "1"}, {"stat4", "Лиза"}}).body));
  EXPECT_TRUE(ReplyTrailingAck(client->Raw(kStats, Counters({3, 0, 12, 0})).body));
  EXPECT_TRUE(ReplyTrailingAck(client->Raw(kStats, Counters({30, 1, 0, 40})).body));
  EXPECT_TRUE(ReplyTrailingAck(client->Raw(kStats, Counters({0, 0, 0, 0, 3})).body));
  EXPECT_TRUE(ReplyTrailingAck(client->Raw(kStats, Counters({0, 0, 0, 0, 0, 1})).body));

  // Reports no copy of the program sends.
  const std::vector<online::Fields> forged = {
      {{"gid", "44"}, {"stat1", "1000"}, {"stat2", "0"}},
      {{"gid", "44"}, {"stat1", "1"}, {"stat2", "5"}},
      {{"gid", "44"}, {"stat3", "50"}, {"stat4", "Bot"}},
      {{"gid", "44"}, {"stat3", "1"}, {"stat4", "x$y"}},
      Counters({3, 0, 1000}),           // more won than three kons give
      Counters({-3}),                   // negative kons
      Counters({3, 0, 10, 10}),         // won and lost at once
      Counters({0, 1}),                 // a cycle without kons
      Counters({3, 0, 0, 0, 3}),        // a game with the computer and a network game at once
      Counters({0, 0, 0, 0, 2}),        // a network game counts 3
      Counters({0, 0, 0, 0, 0, 0, 1}),  // R7 is always 0
      {{"gid", "44"}, {"R1", "3"}},     // the other counters missing
  };
  for (const auto& fields : forged) {
    const HttpReply r = client->Raw(kStats, fields);
    EXPECT_FALSE(ReplyTrailingAck(r.body)) << online::RawBody(fields);
    EXPECT_EQ(r.body, "$ no#");
  }

  const Sums after = ReadSums(*client);
  ASSERT_EQ(after.tokens.size(), 19u);
  EXPECT_EQ(after.Get(1), before.Get(1) + 2);
  EXPECT_EQ(after.Get(2), before.Get(2) + 1);
  EXPECT_EQ(after.Get(3), before.Get(3) + 1);
  EXPECT_EQ(TokenAt(after.tokens, 4), Utf8ToCp1251("Лиза"));
  EXPECT_EQ(after.Get(5), before.Get(5) + 33);
  EXPECT_EQ(after.Get(6), before.Get(6) + 1);
  EXPECT_EQ(after.Get(7), before.Get(7) + 12);
  EXPECT_EQ(after.Get(8), before.Get(8) + 40);
  EXPECT_EQ(after.Get(9), before.Get(9) + 3);
  EXPECT_EQ(after.Get(10), before.Get(10) + 1);
  for (int i = 11; i <= 16; ++i) EXPECT_EQ(after.Get(i), 0);
}

}  // namespace
}  // namespace zendral::server_test
