#pragma once
// The deal of the day on the records service: the start (the day's deck), the settlement (the
// kon's moves and score, checked by the server's replay) and the day's table. Fields and
// reply readers are pure; each request is one call on the frame.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/Deck.h"
#include "online/RequestFrame.h"

namespace zendral::online {

enum class DailyStartKind {
  kDealt,          // the day's deck handed out: play it now
  kPlayedAlready,  // the member has had the day's deal already
  kRefused,        // not logged in, or the server refused or failed
};

struct DailyStart {
  DailyStartKind kind = DailyStartKind::kRefused;
  std::string day;  // YYYY-MM-DD, the club's date
  Deck deck;        // positions 1..18 to seat 1 (the computer), 19..36 to seat 2
};

struct DailyResult {
  int score = 0;
  int par = 0;
  int place = 0;
  int players = 0;
  int Distance() const { return par - score; }
};

struct DailyRow {
  int place = 0;
  int score = 0;
  std::string nick, country, city;
  int distance = 0;  // how far the score fell short of par
  std::string time;  // HH:MM the result was filed, club time
};

struct DailyTable {
  std::string day;
  std::optional<int> par;    // known once the day is over or the reader has played it
  int players = 0;           // results filed that day
  std::optional<Deck> deck;  // the same
  int ownPlace = 0;          // 0 without a result of the reader's
  std::optional<int> ownScore;
  std::vector<DailyRow> rows;  // the top ten
};

// Where a score would stand in a day's table if it were filed now: after every row with the
// same score or better, as a later filing ranks. Nothing when it falls behind every row shown
// while more players filed than the rows show (below the top ten).
std::optional<int> WouldPlace(const DailyTable& table, int score);

Fields DailyStartFields();
Fields DailySaveFields(std::string_view moves, int score);
// date: YYYY-MM-DD, or empty for the club's today.
Fields DailyReadFields(std::string_view date);

DailyStart ReadDailyStartReply(const std::optional<std::string>& reply);
std::optional<DailyResult> ReadDailySaveReply(const std::optional<std::string>& reply);
std::optional<DailyTable> ReadDailyTableReply(const std::optional<std::string>& reply);

// The requests (records service, the session cookie of the logged-in member).
DailyStart StartDaily(RequestFrame& frame, const std::string& address);
std::optional<DailyResult> SaveDaily(RequestFrame& frame, const std::string& address,
                                     std::string_view moves, int score);
std::optional<DailyTable> ReadDailyTable(RequestFrame& frame, const std::string& address,
                                         std::string_view date = {});

}  // namespace zendral::online
