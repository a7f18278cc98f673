#include "online/Tournament.h"

#include "online/Numbers.h"
#include "online/Reply.h"
#include "online/Results.h"
#include "protocol/Keys.h"

namespace zendral::online {

namespace field = protocol::field;
namespace op = protocol::op;
namespace seat = protocol::seat;
namespace answer = protocol::answer;
namespace {

const std::string kGid = std::to_string(kGameId);

void TakeInt(const Tokens& tokens, std::size_t i, int& field) {
  if (i >= tokens.size()) return;
  if (const auto n = ParseIntToken(tokens[i])) field = *n;
}

void TakeText(const Tokens& tokens, std::size_t i, std::string& field) {
  if (i < tokens.size()) field = tokens[i];
}

// Eight tokens from position first: nick, score, kons, rating, country, city, sex, address.
void TakeClient(const Tokens& t, std::size_t first, TKovClient& c) {
  TakeText(t, first, c.Nick);
  TakeInt(t, first + 1, c.Score);
  TakeInt(t, first + 2, c.Kon);
  TakeInt(t, first + 3, c.Rating);
  TakeText(t, first + 4, c.Country);
  TakeText(t, first + 5, c.City);
  TakeText(t, first + 6, c.Sex);
  TakeText(t, first + 7, c.IP);
}

}  // namespace

TKovClient NobodyClient(const std::string& sex) {
  TKovClient c;
  c.Sex = sex;
  return c;
}

std::vector<TKovTable> ReadTablesReply(const std::string& reply) {
  std::vector<TKovTable> tables;
  for (const Tokens& t : ReplySegments(reply, ' ', kTourTables)) {
    TKovTable table;
    TakeText(t, 2, table.IP);
    TakeInt(t, 3, table.Port);
    TakeText(t, 4, table.Free);
    TakeInt(t, 5, table.R1);
    TakeText(t, 6, table.R2);
    TakeClient(t, 7, table.Seat1);
    TakeClient(t, 15, table.Seat2);
    tables.push_back(std::move(table));
  }
  return tables;
}

std::optional<std::vector<TKovTable>> ReadTables(RequestFrame& frame, const std::string& address) {
  frame.UseTableReadTimeout();
  const auto reply =
      frame.PostFormRequest(address, {{op::kReadTables, kGid}, {field::kGameId, kGid}});
  if (!reply || ReplySegments(*reply, ' ', kTourTables).empty()) return std::nullopt;
  return ReadTablesReply(*reply);
}

TourServerInfo ReadServerInfoReply(const std::string& reply) {
  TourServerInfo info;
  if (const auto t = ReplySegment(reply, ' ')) {
    const std::string& state = TokenAt(*t, 1);
    if (!state.empty()) info.state = state[0];
    info.welcome = TokenAt(*t, 2);
  }
  return info;
}

std::optional<TourServerInfo> ReadServerInfo(RequestFrame& frame, const std::string& address) {
  const auto reply =
      frame.PostFormRequest(address, {{op::kServerInfo, "0"}, {field::kGameId, kGid}});
  if (!reply) return std::nullopt;
  return ReadServerInfoReply(*reply);
}

Fields SeatRequestFields(int table, int seat, int action, const TKovClient& c) {
  const std::string d = std::to_string(seat);
  return {{op::kTakeSeat + d, "0"},
          {field::kGameId, kGid},
          {field::kTable, std::to_string(table)},
          {field::kAction, std::to_string(action)},
          {field::kNick + d, c.Nick},
          {seat::kScore + d, std::to_string(c.Score)},
          {seat::kKons + d, std::to_string(c.Kon)},
          {seat::kRating + d, std::to_string(c.Rating)},
          {seat::kCountry + d, c.Country},
          {seat::kCity + d, c.City},
          {seat::kSex + d, c.Sex},
          {seat::kAddress + d, c.IP}};
}

int SeatRequest(RequestFrame& frame, const std::string& address, int table, int seat, int action,
                const TKovClient& client) {
  const auto reply = frame.PostRawRequest(address, SeatRequestFields(table, seat, action, client));
  if (!reply) return kSeatFailed;
  if (ReplyHasPair(*reply, answer::kOk)) return kSeatDone;
  if (ReplyHasPair(*reply, answer::kTaken)) return kSeatTaken;
  return kSeatFailed;
}

std::optional<TKovClient> ReadSeatHolder(RequestFrame& frame, const std::string& address, int table,
                                         int seat) {
  const auto reply = frame.PostFormRequest(address, {{op::kReadSeat + std::to_string(seat), "0"},
                                                     {field::kGameId, kGid},
                                                     {field::kTable, std::to_string(table)}});
  if (!reply) return std::nullopt;
  TKovClient c;
  c.Nick.clear();
  c.Country.clear();
  c.City.clear();
  if (const auto t = ReplySegment(*reply, ' ')) TakeClient(*t, 1, c);
  return c;
}

std::optional<int> ReadTournamentRating(RequestFrame& frame, const std::string& address,
                                        const std::string& nick, TKovClient& player) {
  const auto reply =
      frame.PostRawRequest(address, {{op::kTourRating + kGid, "0"}, {field::kNick, nick}});
  if (!reply) return std::nullopt;
  const auto t = ReplySegment(*reply, ' ');
  if (!t || t->size() < 4) return std::nullopt;
  const auto score = ParseIntToken(TokenAt(*t, 1));
  const auto kons = ParseIntToken(TokenAt(*t, 2));
  const auto rating = ParseIntToken(TokenAt(*t, 3));
  if (!score || !kons || !rating) return std::nullopt;
  player.Score = *score;
  player.Kon = *kons;
  player.Rating = *rating;
  return *score;
}

int RelayPortOf(const std::vector<TKovTable>& tables, int table) {
  if (tables.empty()) return 0;
  return tables.front().Port - 1 + table;
}

std::array<SeatButton, 2> SeatButtons(const TKovTable& t, int k, const TourBooking& booking,
                                      bool serverOn) {
  std::array<SeatButton, 2> b;
  if (!serverOn) return b;  // "Server Off", disabled
  const auto holder = [](const TKovClient& c) {
    return SeatButton{SeatCaption::kHolder, c.Nick + " : " + std::to_string(c.Score), false};
  };
  const bool mayTake = !booking.Holds();
  if (booking.table == k && booking.seat == 1) {
    b[0] = {SeatCaption::kLogOff, {}, true};
  } else if (!t.Seat1.IsNobody()) {
    b[0] = holder(t.Seat1);
  } else {
    b[0] = {SeatCaption::kTakePlace, {}, mayTake};
  }
  if (booking.table == k && booking.seat == 2 && t.Seat1.IsNobody()) {
    // Alone at seat 2 (seat 1 left before the deal): the seat is given back the same way.
    b[1] = {SeatCaption::kLogOff, {}, true};
  } else if (!t.Seat2.IsNobody()) {
    b[1] = holder(t.Seat2);
  } else if (!t.Seat1.IsNobody()) {
    b[1] = {SeatCaption::kTakePlace, {}, mayTake};
  } else {
    // A game is always opened at seat 1 and joined at seat 2.
    b[1] = {SeatCaption::kFree, {}, false};
  }
  return b;
}

bool SameAddressRefused(const std::string& holderIp, const std::string& ownIp,
                        const std::string& relayHost) {
  return holderIp == ownIp && relayHost != "127.0.0.1";
}

}  // namespace zendral::online
