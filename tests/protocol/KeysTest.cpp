// The words of the club's services against the rules their readers rely on: a request's field
// names are unique, play messages are told apart by length and first letter, and every key a
// table of operations selects on is one of the words of this library.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/Keys.h"
#include "protocol/Operations.h"
#include "protocol/TableWords.h"

namespace zendral::protocol {
namespace {

struct WordGroup {
  const char* what;
  std::vector<std::string> words;
};

TEST(Keys, TheFieldsOfOneRequestHaveDistinctNames) {
  // A second field of the same name replaces the first on the server.
  std::vector<std::string> profileRequest = {field::kNick, field::kPassword, op::kSaveProfile};
  for (const char* name : profile::kOrder) profileRequest.push_back(name);
  std::vector<std::string> results;
  for (const char* name :
       {results::kBest, results::kKons, results::kRating, results::kSessions, results::kLostKons,
        results::kScore, results::kReserved1, results::kReserved2, results::kMoves}) {
    results.push_back(kGameKey + std::string(name));
  }
  results.insert(results.end(), {field::kNick, field::kPassword});
  std::vector<std::string> seatRequest = {op::kTakeSeat + std::string("1"), field::kGameId,
                                          field::kTable, field::kAction};
  for (const char* name : {field::kNick, seat::kScore, seat::kKons, seat::kRating, seat::kCountry,
                           seat::kCity, seat::kSex, seat::kAddress}) {
    seatRequest.push_back(name + std::string("1"));
  }
  std::vector<std::string> counters = {field::kGameId};
  for (int i = 1; i <= kCounterFields; ++i) counters.push_back(CounterField(i));
  const std::vector<WordGroup> groups = {
      {"new account",
       {field::kNick, field::kPassword, field::kCity, field::kCountry1, field::kCountry2,
        field::kSex, field::kEMail, field::kRegistered, field::kReserved1, field::kReserved2,
        field::kReserved3, field::kAmount, field::kReserved5, field::kReserved6}},
      {"profile", profileRequest},
      {"results", results},
      {"world row",
       {field::kGameId, field::kNick, field::kCity, field::kCountry, field::kScore, field::kRowSex,
        field::kRowVersion, field::kRowFree1, field::kRowFree2}},
      {"seat", seatRequest},
      {"counters", counters},
  };
  for (const WordGroup& group : groups) {
    std::set<std::string> seen;
    for (const std::string& word : group.words) {
      EXPECT_FALSE(word.empty()) << group.what;
      EXPECT_TRUE(seen.insert(word).second) << group.what << ": " << word << " twice";
    }
  }
  // The counters' first field is the key of their operation.
  EXPECT_EQ(CounterField(1), op::kCounters);
  EXPECT_EQ(CounterField(kCounterFields), "R12");
}

TEST(Keys, APlaceIsAskedByTheFirstSeatsFieldOfItsCriterion) {
  struct PlaceCase {
    char criterion;
    const char* expected;
  };
  for (const PlaceCase& c : {PlaceCase{kByScore, "score1"}, PlaceCase{kByRating, "rating1"},
                             PlaceCase{kByKons, "kon1"}, PlaceCase{'x', "score1"}}) {
    EXPECT_EQ(PlaceField(c.criterion), c.expected) << c.criterion;
  }
  EXPECT_EQ(std::set<char>(std::begin(kCriteria), std::end(kCriteria)).size(), 3u);
}

TEST(TableWords, MessagesAreToldApartByLengthAndFirstLetter) {
  // The readers cut play messages at six bytes after an "h", and tell the rest by their first
  // letter: a word of another length or a shared first letter would swallow its neighbours.
  for (const std::string_view play :
       {std::string_view(table::kBegin), std::string_view(table::kPass),
        std::string_view(table::kSettle)}) {
    EXPECT_EQ(play.size(), 6u) << play;
    EXPECT_EQ(play.front(), 'h') << play;
  }
  EXPECT_EQ(std::string_view(table::kMovePrefix).size() + 2, 6u);  // + the slot's two digits
  EXPECT_EQ(std::string_view(table::kMovePrefix).front(), 'h');
  std::set<char> firsts = {'h'};
  for (const char first : {table::kDealLetter, table::kChatLetter, table::kPeerLeft[0],
                           table::kTimeOut[0], table::kJoinPrefix[0], table::kJoinAnswer[0]}) {
    EXPECT_TRUE(firsts.insert(first).second) << first << " starts two kinds of message";
  }
  // The LAN join words have the lengths the readers count with.
  EXPECT_EQ(std::string_view(table::kJoinPrefix).size(), 3u);
  EXPECT_EQ(std::string_view(table::kLanProtocol).size(), 2u);
  EXPECT_EQ(std::string_view(table::kJoinRequest).size(), 8u);
  EXPECT_EQ(std::string_view(table::kJoinAnswer).size(), 8u);
  EXPECT_EQ(table::RelayJoin(1), table::kJoinRequest);
  EXPECT_EQ(table::RelayJoin(2), table::kJoinAnswer);
}

// Every word a table of operations selects on or needs, composed from this library's words.
std::set<std::string> KnownWords() {
  std::set<std::string> words = {
      op::kLogIn,       op::kMemberCount,    op::kSignOut,    op::kReadProfile, op::kSaveProfile,
      op::kReadBalance, op::kSaveBalance,    op::kTransfer,   op::kDailyStart,  op::kDailySave,
      op::kDailyRead,   op::kWorldTableSize, op::kCountStart, op::kLike,        op::kCounters,
      op::kReadTables,  op::kServerInfo,     field::kNick,    field::kPassword, field::kGameId,
      field::kScore,
  };
  for (const char* name : {results::kBest, results::kKons, results::kRating}) {
    words.insert(kGameKey + std::string(name));
  }
  const std::string gid = std::to_string(kGameId);
  for (const char* stem : {op::kTakeSeat, op::kReadSeat}) {
    for (const char* seatDigit : {"1", "2"}) words.insert(stem + std::string(seatDigit));
  }
  words.insert(op::kTourRating + gid);
  for (const char criterion : kCriteria) {
    for (const char* stem : {op::kTopTen, op::kPlace}) {
      words.insert(stem + std::string(1, criterion) + gid);
    }
  }
  return words;
}

TEST(Operations, EveryRowSelectsOnKnownWordsAndNoTwoRowsOnTheSame) {
  const std::set<std::string> known = KnownWords();
  for (const char* service :
       {service::kAccount, service::kRecords, service::kStats, service::kTournament}) {
    const OperationTable* table = ServiceOperations(service);
    ASSERT_NE(table, nullptr) << service;
    std::set<std::pair<std::string, std::set<std::string>>> selections;
    for (const Operation& row : *table) {
      if (!row.key.empty()) {
        EXPECT_TRUE(known.count(row.key))
            << service << ": " << row.name << " selects on " << row.key;
      }
      for (const std::string& name : row.needs) {
        EXPECT_TRUE(known.count(name)) << service << ": " << row.name << " needs " << name;
      }
      // Two rows on the same key and the same needs: the second is never reached.
      const std::set<std::string> needs(row.needs.begin(), row.needs.end());
      EXPECT_TRUE(selections.insert({row.key, needs}).second)
          << service << ": " << row.name << " selects like an earlier row";
    }
  }
}

}  // namespace
}  // namespace zendral::protocol
