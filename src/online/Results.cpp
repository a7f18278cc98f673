#include "online/Results.h"

#include <cmath>

#include "game/GameState.h"
#include "game/KonReplay.h"
#include "game/Rating.h"
#include "online/Numbers.h"
#include "online/Reply.h"
#include "protocol/Keys.h"

namespace zendral::online {

namespace field = protocol::field;
namespace op = protocol::op;
namespace answer = protocol::answer;
namespace results = protocol::results;
namespace {

std::string Key(const char* name) {
  return std::string(kGameKey) + name;
}

// Sets an integer from token i when the token is there; false when it is no number.
bool TakeInt(const Tokens& tokens, std::size_t i, int& field) {
  if (i >= tokens.size()) return true;
  auto n = ParseIntToken(tokens[i]);
  if (!n) return false;
  field = *n;
  return true;
}

bool TakeReal(const Tokens& tokens, std::size_t i, double& field) {
  if (i >= tokens.size()) return true;
  auto r = ParseRealToken(tokens[i]);
  if (!r) return false;
  field = *r;
  return true;
}

void TakeText(const Tokens& tokens, std::size_t i, std::string& field) {
  if (i < tokens.size()) field = tokens[i];
}

}  // namespace

bool ReadOwnResultsReply(const std::optional<std::string>& reply, TKovGame& g) {
  g.Kon = g.Score = g.Sessions = 0;
  g.Rating = 0;
  g.PlayNow = 'N';
  g.R1 = 0;
  g.R2.assign(1, '#');
  if (!reply || ReplyHasMarkerOutsideSegment(*reply, answer::kNo)) return false;
  const auto tokens = ReplySegment(*reply, ' ');
  if (!tokens) return false;
  return TakeInt(*tokens, 1, g.Kon) && TakeInt(*tokens, 2, g.Best) &&
         TakeReal(*tokens, 3, g.Rating) && TakeInt(*tokens, 4, g.Sessions) &&
         TakeInt(*tokens, 5, g.KonL) && TakeInt(*tokens, 6, g.Score) && TakeInt(*tokens, 7, g.R1) &&
         (TakeText(*tokens, 8, g.R2), true);
}

bool ReadOwnResults(RequestFrame& frame, const std::string& address, const std::string& nick,
                    const std::string& pw, TKovGame& game) {
  return ReadOwnResultsReply(
      frame.PostFormRequest(
          address, {{field::kNick, nick}, {field::kPassword, pw}, {Key(op::kResultsBest), "0"}}),
      game);
}

Fields SaveOwnResultsFields(const std::string& nick, const std::string& pw, const TKovGame& g,
                            const std::string& moves) {
  Fields fields{{field::kNick, nick},
                {field::kPassword, pw},
                {Key(results::kKons), std::to_string(g.Kon)},
                {Key(results::kBest), std::to_string(g.Best)},
                {Key(results::kRating), FormatRating(g.Rating)},
                {Key(results::kSessions), std::to_string(g.Sessions)},
                {Key(results::kLostKons), std::to_string(g.KonL)},
                {Key(results::kScore), std::to_string(g.Score)},
                {Key(results::kReserved1), std::to_string(g.R1)},
                {Key(results::kReserved2), g.R2}};
  if (!moves.empty()) fields.push_back({Key(results::kMoves), moves});
  return fields;
}

bool SaveOwnResults(RequestFrame& frame, const std::string& address, const std::string& nick,
                    const std::string& pw, const TKovGame& game, const std::string& moves) {
  auto reply = frame.PostRawRequest(address, SaveOwnResultsFields(nick, pw, game, moves));
  return reply && ReplyHasPair(*reply, answer::kOk);
}

BlockBooking ReadBookingReply(const std::optional<std::string>& reply) {
  BlockBooking booking;
  if (!reply || !ReplyHasMarkerOutsideSegment(*reply, answer::kOk)) return booking;
  booking.booked = true;
  // Decks that do not read as a whole block are no deal: the program then deals itself, and
  // the server refuses the settlement, as it would any block not played on its decks.
  if (auto tokens = ReplySegment(*reply, ' ')) {
    std::vector<Deck> decks;
    for (const std::string& text : *tokens) {
      if (text.empty()) continue;  // token 0, before the segment's first word
      auto deck = ParseDeckNotation(text);
      if (!deck) return booking;
      decks.push_back(*deck);
    }
    if (decks.size() == static_cast<std::size_t>(kBlockKons)) booking.decks = std::move(decks);
  }
  return booking;
}

BlockBooking BookRatedBlock(RequestFrame& frame, const std::string& address,
                            const std::string& nick, const std::string& pw,
                            const TKovGame& booked) {
  return ReadBookingReply(frame.PostRawRequest(address, SaveOwnResultsFields(nick, pw, booked)));
}

int ReadOwnPlace(RequestFrame& frame, const std::string& address, double rating) {
  auto reply = frame.PostRawRequest(address, {{Key(op::kResultsRating), FormatRating(rating)}});
  if (!reply) return -1;
  return ReplyTrailingNumber(*reply).value_or(-1);
}

std::vector<TKovTop10> ReadClubTopTenReply(const std::string& reply) {
  std::vector<TKovTop10> rows;
  for (const Tokens& tokens : ReplySegments(reply, ' ')) {
    TKovTop10 row;
    TakeText(tokens, 2, row.Nick);
    TakeText(tokens, 3, row.City);
    TakeText(tokens, 5, row.Country);
    if (!TokenAt(tokens, 6).empty()) row.Sex = tokens[6][0];
    if (!TakeReal(tokens, 7, row.Rating)) row.Rating = 0;
    rows.push_back(std::move(row));
  }
  return rows;
}

std::optional<std::vector<TKovTop10>> ReadClubTopTen(RequestFrame& frame,
                                                     const std::string& address) {
  auto reply = frame.PostFormRequest(address, {{Key(op::kResultsKon), "0"}});
  if (!reply) return std::nullopt;
  return ReadClubTopTenReply(*reply);
}

std::vector<TKovRecord> ReadWorldRows(const std::string& reply, int id) {
  std::vector<TKovRecord> rows;
  for (const Tokens& tokens : ReplySegments(reply, ' ')) {
    TKovRecord row;
    row.GID = id;
    if (!TakeInt(tokens, 1, row.Place)) row.Place = 0;
    if (!TakeInt(tokens, 3, row.Score)) row.Score = 0;
    TakeText(tokens, 4, row.Nick);
    TakeText(tokens, 5, row.Country);
    TakeText(tokens, 6, row.City);
    TakeText(tokens, 7, row.R07);
    TakeText(tokens, 8, row.R08);
    TakeText(tokens, 9, row.R09);
    TakeText(tokens, 10, row.R10);
    if (row.Nick.empty()) row.Nick.assign(1, '#');
    rows.push_back(std::move(row));
  }
  return rows;
}

std::optional<std::vector<TKovRecord>> ReadWorldTable(RequestFrame& frame,
                                                      const std::string& address, int id) {
  frame.UseTableReadTimeout();
  auto reply = frame.PostFormRequest(address, {{field::kGameId, std::to_string(id)}});
  if (!reply) return std::nullopt;
  return ReadWorldRows(*reply, id);
}

std::optional<int> CountWorldTable(RequestFrame& frame, const std::string& address, int id) {
  auto reply = frame.PostFormRequest(address, {{op::kWorldTableSize, std::to_string(id)}});
  if (!reply) return std::nullopt;
  return ReplyTrailingNumber(*reply);
}

std::optional<std::vector<TKovRecord>> ReadOwnWorldRows(RequestFrame& frame,
                                                        const std::string& address, int id,
                                                        const std::string& name,
                                                        const std::string& city) {
  frame.UseTableReadTimeout();
  auto reply = frame.PostRawRequest(
      address, {{field::kGameId, std::to_string(id)}, {field::kNick, name}, {field::kCity, city}});
  if (!reply) return std::nullopt;
  return ReadWorldRows(*reply, id);
}

TKovRecord SubmissionRow(const std::string& nick, const std::string& city,
                         const std::string& country, int score, const std::string& sex) {
  TKovRecord row;
  row.Nick = nick;
  row.City = city;
  row.Country = country;
  row.Score = score;
  row.R07 = sex;
  row.R08 = kProgramVersion;
  row.R10.assign(1, '#');
  return row;
}

Fields SubmitWorldRowFields(int id, const TKovRecord& row) {
  return {{field::kGameId, std::to_string(id)},
          {field::kNick, row.Nick},
          {field::kCity, row.City},
          {field::kCountry, row.Country},
          {field::kScore, std::to_string(row.Score)},
          {field::kRowSex, row.R07},
          {field::kRowVersion, row.R08},
          {field::kRowFree1, row.R09},
          {field::kRowFree2, row.R10}};
}

std::optional<int> SubmitWorldRow(RequestFrame& frame, const std::string& address, int id,
                                  const TKovRecord& row) {
  Fields fields = SubmitWorldRowFields(id, row);
  // The last value closes the row with "*", which is no value character and is not escaped:
  // the body is built here rather than through RawBody's value escaping.
  std::string body = RawBody(fields);
  body += '*';
  auto reply = frame.PostBytes(address, body, kFormContentType);
  if (!reply) return std::nullopt;
  return ReplyTrailingNumber(*reply);
}

std::optional<std::vector<TournamentTopRow>> ReadTournamentTopTen(RequestFrame& frame,
                                                                  const std::string& address,
                                                                  char criterion) {
  frame.UseTableReadTimeout();
  auto reply = frame.PostFormRequest(
      address, {{op::kTopTen + std::string(1, criterion) + std::to_string(kGameId), "0"},
                {field::kNick, "z"}});
  if (!reply) return std::nullopt;
  std::vector<TournamentTopRow> rows;
  for (const Tokens& tokens : ReplySegments(*reply, ' ')) {
    TournamentTopRow row;
    if (!TakeInt(tokens, 1, row.Place)) row.Place = 0;
    TakeText(tokens, 2, row.Nick);
    TakeText(tokens, 3, row.City);
    TakeText(tokens, 4, row.Country);
    TakeText(tokens, 5, row.R07);
    TakeText(tokens, 6, row.Score);
    rows.push_back(std::move(row));
  }
  return rows;
}

int ReadTournamentPlace(RequestFrame& frame, const std::string& address, char criterion,
                        const std::string& value) {
  auto reply = frame.PostRawRequest(
      address, {{op::kPlace + std::string(1, criterion) + std::to_string(kGameId), "0"},
                {protocol::PlaceField(criterion), value}});
  if (!reply) return -1;
  return ReplyTrailingNumber(*reply).value_or(-1);
}

TKovGame AdvanceBooking(const TKovGame& read) {
  TKovGame booked = read;
  booked.Kon = read.Kon + kBlockKons;
  booked.Rating = BookedRating(read.Kon, read.Rating);
  booked.KonL = 0;
  booked.Score = 0;
  return booked;
}

std::optional<TKovGame> SettledResults(const TKovGame& read, int cycleKons, int sessionScore,
                                       int totalScore) {
  if (read.Kon <= 0) return std::nullopt;
  TKovGame g = read;
  g.Rating = SettledRating(read.Kon, read.Rating, sessionScore);
  const RatedCycle after =
      CycleAfterBlock({cycleKons, read.Score, read.Best, read.Sessions}, totalScore);
  g.KonL = after.kons;
  g.Score = after.score;
  g.Best = after.best;
  g.Sessions = after.completed;
  return g;
}

std::string ClubListAccountLine(const std::string& nick, const TKovGame& game, int mode) {
  const auto right = [](long long value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
  };
  std::string line = nick;
  if (line.size() < 20) line.append(20 - line.size(), ' ');
  if (mode == 2) {
    line += "  " + right(game.Kon, 7) + "  " +
            right(static_cast<long long>(std::nearbyint(game.Rating)), 6);
  } else {
    line += "    " + right(game.KonL, 3) + "    " + right(game.Score, 6);
  }
  return line;
}

}  // namespace zendral::online
