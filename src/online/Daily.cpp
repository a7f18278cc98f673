#include "online/Daily.h"

#include "game/KonReplay.h"
#include "online/Numbers.h"
#include "online/Reply.h"
#include "protocol/Keys.h"

namespace zendral::online {
namespace {

constexpr char kHash[] = "#";
// The day's header and ten rows.
constexpr int kTableRecords = 11;

std::optional<int> NumberOrHash(const std::string& token, bool* bad) {
  if (token == kHash) return std::nullopt;
  const auto n = ParseIntToken(token);
  if (!n) *bad = true;
  return n;
}

bool IsDay(const std::string& text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i != 4 && i != 7 && (text[i] < '0' || text[i] > '9')) return false;
  }
  return true;
}

}  // namespace

std::optional<int> WouldPlace(const DailyTable& table, int score) {
  int ahead = 0;
  for (const DailyRow& row : table.rows) {
    if (row.score >= score) ++ahead;
  }
  const int shown = static_cast<int>(table.rows.size());
  if (ahead == shown && table.players > shown) return std::nullopt;
  return ahead + 1;
}

Fields DailyStartFields() {
  return {{protocol::op::kDailyStart, "0"}};
}

Fields DailySaveFields(std::string_view moves, int score) {
  return {{protocol::op::kDailySave, "0"},
          {protocol::field::kMoves, std::string(moves)},
          {protocol::field::kScore, std::to_string(score)}};
}

Fields DailyReadFields(std::string_view date) {
  Fields fields{{protocol::op::kDailyRead, "0"}};
  if (!date.empty()) fields.push_back({protocol::field::kDate, std::string(date)});
  return fields;
}

DailyStart ReadDailyStartReply(const std::optional<std::string>& reply) {
  DailyStart start;
  if (!reply) return start;
  if (ReplyHasMarkerOutsideSegment(*reply, protocol::answer::kOk)) {
    const auto tokens = ReplySegment(*reply, ' ');
    if (!tokens || tokens->size() != 3 || !IsDay(TokenAt(*tokens, 1))) return start;
    const auto deck = ParseDeckNotation(TokenAt(*tokens, 2));
    if (!deck) return start;
    start.kind = DailyStartKind::kDealt;
    start.day = TokenAt(*tokens, 1);
    start.deck = *deck;
    return start;
  }
  if (ReplyHasPair(*reply, protocol::answer::kTaken)) start.kind = DailyStartKind::kPlayedAlready;
  return start;
}

std::optional<DailyResult> ReadDailySaveReply(const std::optional<std::string>& reply) {
  if (!reply) return std::nullopt;
  const auto tokens = ReplySegment(*reply, ' ');
  if (!tokens || tokens->size() != 5) return std::nullopt;
  DailyResult r;
  int* fields[] = {&r.score, &r.par, &r.place, &r.players};
  for (std::size_t i = 0; i < 4; ++i) {
    const auto n = ParseIntToken(TokenAt(*tokens, i + 1));
    if (!n) return std::nullopt;
    *fields[i] = *n;
  }
  if (r.place < 1 || r.players < r.place) return std::nullopt;
  return r;
}

std::optional<DailyTable> ReadDailyTableReply(const std::optional<std::string>& reply) {
  if (!reply) return std::nullopt;
  const std::vector<Tokens> records = ReplySegments(*reply, ' ', kTableRecords);
  if (records.empty() || records[0].size() != 7 || !IsDay(records[0][1])) return std::nullopt;
  const Tokens& head = records[0];
  DailyTable table;
  bool bad = false;
  table.day = head[1];
  table.par = NumberOrHash(head[2], &bad);
  const auto players = ParseIntToken(head[3]);
  if (head[4] != kHash) {
    table.deck = ParseDeckNotation(head[4]);
    if (!table.deck) return std::nullopt;
  }
  const auto ownPlace = ParseIntToken(head[5]);
  table.ownScore = NumberOrHash(head[6], &bad);
  if (bad || !players || !ownPlace) return std::nullopt;
  table.players = *players;
  table.ownPlace = *ownPlace;
  for (std::size_t i = 1; i < records.size(); ++i) {
    const Tokens& t = records[i];
    if (t.size() != 9) return std::nullopt;
    DailyRow row;
    const auto place = ParseIntToken(t[1]);
    const auto score = ParseIntToken(t[3]);
    const auto distance = ParseIntToken(t[7]);
    if (!place || !score) return std::nullopt;
    row.place = *place;
    row.score = *score;
    row.nick = t[4];
    row.country = t[5];
    row.city = t[6];
    row.distance = distance.value_or(0);
    row.time = t[8];
    table.rows.push_back(std::move(row));
  }
  return table;
}

DailyStart StartDaily(RequestFrame& frame, const std::string& address) {
  return ReadDailyStartReply(frame.PostFormRequest(address, DailyStartFields()));
}

std::optional<DailyResult> SaveDaily(RequestFrame& frame, const std::string& address,
                                     std::string_view moves, int score) {
  return ReadDailySaveReply(frame.PostFormRequest(address, DailySaveFields(moves, score)));
}

std::optional<DailyTable> ReadDailyTable(RequestFrame& frame, const std::string& address,
                                         std::string_view date) {
  frame.UseTableReadTimeout();
  return ReadDailyTableReply(frame.PostFormRequest(address, DailyReadFields(date)));
}

}  // namespace zendral::online
