// The requests the program builds, read against the services' tables of operations as the
// server reads them: each selects the operation it is meant for. A field of a request that
// happens to be another operation's key (a profile text, a record's column) would send it to
// that operation instead.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "game/StatisticsReport.h"
#include "online/Accounts.h"
#include "online/Daily.h"
#include "online/Results.h"
#include "online/Statistics.h"
#include "online/Tournament.h"
#include "protocol/Keys.h"
#include "protocol/Operations.h"

namespace zendral::online {
namespace {

std::string Selected(const protocol::OperationTable& table, const Fields& fields) {
  std::set<std::string> names;
  for (const Field& field : fields) names.insert(field.first);
  const protocol::Operation* row = protocol::SelectOperation(
      table, [&names](std::string_view name) { return names.count(std::string(name)) != 0; });
  return row != nullptr ? row->name : std::string("(none)");
}

struct Case {
  const char* what;
  const char* service;
  Fields fields;
  std::string expected;
};

TEST(RequestOperations, EveryBuiltRequestSelectsTheOperationItIsFor) {
  TKovUser user;
  user.Nick = "Ann";
  user.Pw = "secret";
  TInfo14 info;
  info.OK = "ok text";  // the profile has a field named like the "ok" marker
  TKovGame game;
  TKovRecord row;
  row.Nick = "Ann";
  TKovClient client;
  client.Nick = "Ann";
  const std::string gid = std::to_string(protocol::kGameId);
  const std::vector<Case> cases = {
      {"new account", "account", CreateAccountFields(user), "create"},
      {"profile saved", "account", SaveProfileFields("Ann", info), "save-profile"},
      {"results saved", "account", SaveOwnResultsFields("Ann", "pw", game, "hhod01"),
       "save-results"},
      {"deal of the day started", "records", DailyStartFields(), "daily-start"},
      {"deal of the day saved", "records", DailySaveFields("hhod01", 3), "daily-save"},
      {"deal of the day read", "records", DailyReadFields("2026-12-01"), "daily-read"},
      {"world row", "records", SubmitWorldRowFields(protocol::kWindowsTable, row), "world-submit"},
      {"chat message", "records", SubmitWorldRowFields(protocol::kChatTable, row), "world-submit"},
      {"start counted", "stats", CountStartFields(protocol::kGameId, true), "count-start"},
      {"like", "stats", LikeFields(protocol::kGameId, "Ann"), "like"},
      {"counters", "stats", CountersFields(protocol::kGameId, GameCounters{}), "counters"},
      {"seat 1 taken", "tournament", SeatRequestFields(3, 1, 1, client), "clienton1"},
      {"seat 2 left", "tournament", SeatRequestFields(3, 2, 2, NobodyClient("X")), "clienton2"},
  };
  for (const Case& c : cases) {
    const protocol::OperationTable* table = protocol::ServiceOperations(c.service);
    ASSERT_NE(table, nullptr) << c.what;
    EXPECT_EQ(Selected(*table, c.fields), c.expected) << c.what;
  }
}

TEST(RequestOperations, ARequestCarriesEachFieldOnce) {
  // Two fields of one name reach the server as one: the second value is lost.
  TKovUser user;
  TKovGame game;
  TKovRecord row;
  TKovClient client;
  for (const Fields& fields :
       {CreateAccountFields(user), SaveProfileFields("Ann", TInfo14{}),
        SaveOwnResultsFields("Ann", "pw", game, "hhod01"), SubmitWorldRowFields(44, row),
        CountersFields(44, GameCounters{}), SeatRequestFields(1, 1, 1, client)}) {
    std::set<std::string> names;
    for (const Field& field : fields) {
      EXPECT_TRUE(names.insert(field.first).second) << field.first << " twice";
    }
  }
}

}  // namespace
}  // namespace zendral::online
