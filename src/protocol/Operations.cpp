#include "protocol/Operations.h"

#include <string>

#include "protocol/Keys.h"

namespace zendral::protocol {
namespace {

std::string GameKey(const char* name) {
  return std::string(kGameKey) + name;
}

OperationTable MakeAccountOperations() {
  const std::string nick = field::kNick;
  const std::string pw = field::kPassword;
  constexpr Work kActs = Work::kActsForNick;
  return {
      {"log-in", op::kLogIn, {}, Work::kCheckPassword},
      {"member-count", op::kMemberCount, {}, kActs},
      {"sign-out", op::kSignOut, {}, kActs},
      {"read-profile", op::kReadProfile, {}, kActs},
      {"save-profile", op::kSaveProfile, {}, kActs},
      {"read-balance", op::kReadBalance, {}, kActs},
      {"save-balance", op::kSaveBalance, {}, kActs},
      {"transfer", op::kTransfer, {}, kActs},
      // The saved results carry both the kons and the rating; each alone is a read.
      {"save-results", GameKey(op::kResultsKon), {GameKey(op::kResultsRating)}, kActs},
      {"read-results", GameKey(op::kResultsBest), {}, kActs},
      {"club-top-ten", GameKey(op::kResultsKon), {}, kActs},
      {"own-place", GameKey(op::kResultsRating), {}, kActs},
      // A nick and a password with no operation key: a new account.
      {"create", "", {nick, pw}, Work::kHashPassword},
  };
}

OperationTable MakeRecordsOperations() {
  const std::string gid = field::kGameId;
  return {
      {"daily-start", op::kDailyStart, {}, Work::kSearch},
      {"daily-save", op::kDailySave, {}, Work::kSearch},
      {"daily-read", op::kDailyRead, {}, Work::kNone},
      {"world-size", op::kWorldTableSize, {}, Work::kNone},
      {"world-submit", field::kScore, {gid}, Work::kNone},
      {"world-own-rows", field::kNick, {gid}, Work::kNone},
      {"world-read", "", {gid}, Work::kNone},
  };
}

OperationTable MakeStatsOperations() {
  return {
      {"count-start", op::kCountStart, {}, Work::kNone},
      {"like", op::kLike, {}, Work::kNone},
      {"counters", op::kCounters, {}, Work::kNone},
      {"read-sums", "", {}, Work::kNone},
  };
}

OperationTable MakeTournamentOperations() {
  const std::string gid = std::to_string(kGameId);
  OperationTable table = {
      {"tables", op::kReadTables, {}, Work::kNone},
      {"server-info", op::kServerInfo, {}, Work::kNone},
  };
  for (const char* stem : {op::kTakeSeat, op::kReadSeat}) {
    for (const char seat : {'1', '2'}) {
      const std::string key = stem + std::string(1, seat);
      table.push_back({key, key, {}, Work::kNone});
    }
  }
  table.push_back({"rating", op::kTourRating + gid, {}, Work::kNone});
  for (const char criterion : kCriteria) {
    for (const char* stem : {op::kTopTen, op::kPlace}) {
      const std::string key = stem + std::string(1, criterion) + gid;
      table.push_back({key, key, {}, Work::kNone});
    }
  }
  return table;
}

}  // namespace

const OperationTable& AccountOperations() {
  static const OperationTable table = MakeAccountOperations();
  return table;
}

const OperationTable& RecordsOperations() {
  static const OperationTable table = MakeRecordsOperations();
  return table;
}

const OperationTable& StatsOperations() {
  static const OperationTable table = MakeStatsOperations();
  return table;
}

const OperationTable& TournamentOperations() {
  static const OperationTable table = MakeTournamentOperations();
  return table;
}

const OperationTable* ServiceOperations(std::string_view service) {
  if (service == service::kAccount) return &AccountOperations();
  if (service == service::kRecords) return &RecordsOperations();
  if (service == service::kStats) return &StatsOperations();
  if (service == service::kTournament) return &TournamentOperations();
  return nullptr;
}

const Operation* SelectOperation(const OperationTable& table,
                                 const std::function<bool(std::string_view)>& has) {
  for (const Operation& row : table) {
    if (!row.key.empty() && !has(row.key)) continue;
    bool complete = true;
    for (const std::string& name : row.needs) complete = complete && has(name);
    if (complete) return &row;
  }
  return nullptr;
}

std::string_view WorkName(Work work) {
  switch (work) {
    case Work::kNone:
      return "none";
    case Work::kActsForNick:
      return "password-or-session";
    case Work::kCheckPassword:
      return "password-check";
    case Work::kHashPassword:
      return "password-hash";
    case Work::kSearch:
      return "search";
  }
  return "none";
}

}  // namespace zendral::protocol
