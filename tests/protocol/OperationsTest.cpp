#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "protocol/Keys.h"
#include "protocol/Operations.h"

namespace zendral::protocol {
namespace {

// The name of the operation a request with these fields selects; "" when none.
std::string Selected(const OperationTable& table, const std::set<std::string>& fields) {
  const Operation* row = SelectOperation(
      table, [&fields](std::string_view name) { return fields.count(std::string(name)) != 0; });
  return row != nullptr ? row->name : std::string();
}

struct Case {
  const char* what;
  const OperationTable& (*table)();
  std::set<std::string> fields;
  std::string expected;
};

TEST(Operations, TheFieldsOfARequestSelectOneOperation) {
  const std::string gid = std::to_string(kGameId);
  const std::vector<Case> cases = {
      {"log-in", AccountOperations, {"nick", "pw", "label0"}, "log-in"},
      {"a nick and a password alone", AccountOperations, {"nick", "pw", "city"}, "create"},
      {"no password", AccountOperations, {"nick", "city"}, ""},
      // Every other account operation also carries a nick and a password: none is a creation.
      {"member count", AccountOperations, {"nick", "pw", "label1"}, "member-count"},
      {"adding Kovs", AccountOperations, {"nick", "pw", "labelkovsave"}, "save-balance"},
      {"sign-out", AccountOperations, {"nick", "labellogout"}, "sign-out"},
      {"results read", AccountOperations, {"nick", "pw", "crdq4best"}, "read-results"},
      {"results saved",
       AccountOperations,
       {"nick", "pw", "crdq4kon", "crdq4rating"},
       "save-results"},
      {"club top ten", AccountOperations, {"crdq4kon"}, "club-top-ten"},
      {"own place", AccountOperations, {"crdq4rating"}, "own-place"},
      {"another game's results", AccountOperations, {"nick", "pw", "crdq5best"}, "create"},
      {"the log-in key wins", AccountOperations, {"nick", "pw", "label1", "label0"}, "log-in"},
      {"deal of the day first", RecordsOperations, {"dailysave", "gid", "score"}, "daily-save"},
      {"world submission", RecordsOperations, {"gid", "score", "nick"}, "world-submit"},
      {"own rows", RecordsOperations, {"gid", "nick", "city"}, "world-own-rows"},
      {"table read", RecordsOperations, {"gid"}, "world-read"},
      {"no table", RecordsOperations, {"score"}, ""},
      {"table size", RecordsOperations, {"rgid"}, "world-size"},
      {"start", StatsOperations, {"gid", "stat1", "stat2"}, "count-start"},
      {"sums", StatsOperations, {"gid"}, "read-sums"},
      {"seat 2", TournamentOperations, {"clienton2", "gid", "num"}, "clienton2"},
      {"top ten by kons", TournamentOperations, {"top10k" + gid, "nick"}, "top10k" + gid},
      {"another game's top ten", TournamentOperations, {"top10k45"}, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Selected(c.table(), c.fields), c.expected) << c.what;
  }
}

TEST(Operations, EveryRowOfAServiceCanBeReached) {
  for (const char* service : {"account", "records", "stats", "tournament"}) {
    const OperationTable* table = ServiceOperations(service);
    ASSERT_NE(table, nullptr) << service;
    std::set<std::string> names;
    for (std::size_t i = 0; i < table->size(); ++i) {
      const Operation& row = (*table)[i];
      // The server finds the handler by name.
      EXPECT_TRUE(names.insert(row.name).second) << service << " names " << row.name << " twice";
      // A row that selects on nothing and needs nothing would shadow every row after it.
      if (i + 1 < table->size()) {
        EXPECT_FALSE(row.key.empty() && row.needs.empty()) << service << ": " << row.name;
      }
      // Its own fields select it (or a row before it that asks for the same key).
      std::set<std::string> fields(row.needs.begin(), row.needs.end());
      if (!row.key.empty()) fields.insert(row.key);
      const Operation* chosen = SelectOperation(
          *table, [&fields](std::string_view name) { return fields.count(std::string(name)); });
      ASSERT_NE(chosen, nullptr) << service << ": " << row.name;
      EXPECT_TRUE(chosen == &row || chosen->key == row.key) << service << ": " << row.name;
    }
  }
  EXPECT_EQ(ServiceOperations("photo"), nullptr);
}

}  // namespace
}  // namespace zendral::protocol
