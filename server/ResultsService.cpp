// The results of this game under an account: read, save (checked against what a rated game can
// do), the club top ten and the own place.

#include <QDateTime>

#include <algorithm>
#include <cmath>

#include "ResultsRules.h"
#include "Services.h"
#include "protocol/Keys.h"

namespace zendral::server {
namespace {

namespace results = protocol::results;

QString Key(const char* name) {
  return QLatin1String(protocol::kGameKey) + QLatin1String(name);
}

const QString kSelectResults = QStringLiteral(
    "SELECT kon, best, rating, sessions, konl, score, r1, r2, booked, block_decks, booked_at FROM "
    "results"
    " WHERE nick = ?");

StoredResults ReadRow(QSqlQuery& q) {
  StoredResults s;
  s.record.kon = q.value(0).toInt();
  s.record.best = q.value(1).toInt();
  s.record.rating = q.value(2).toDouble();
  s.record.sessions = q.value(3).toInt();
  s.record.konl = q.value(4).toInt();
  s.record.score = q.value(5).toInt();
  s.record.r1 = q.value(6).toInt();
  s.record.r2 = q.value(7).toString();
  s.booked = q.value(8).toInt() != 0;
  s.bookingOpen = s.booked && QDateTime::currentSecsSinceEpoch() - q.value(10).toLongLong() <
                                  kBookingLifetimeSeconds;
  return s;
}

}  // namespace

ServiceReply ReadResults(ServerContext& ctx, const ServiceRequest& request) {
  QSqlQuery* q = ctx.db.Run(kSelectResults, {request.fields.Value(protocol::field::kNick)});
  if (q == nullptr || !q->next()) return reply::No();
  const GameRecord r = ReadRow(*q).record;
  q->finish();
  return reply::Segment({QString::number(r.kon), QString::number(r.best), FormatReal(r.rating),
                         QString::number(r.sessions), QString::number(r.konl),
                         QString::number(r.score), QString::number(r.r1), r.r2});
}

ServiceReply SaveResults(ServerContext& ctx, const ServiceRequest& request) {
  const Fields& f = request.fields;
  const QString nick = f.Value(protocol::field::kNick);
  GameRecord sent;
  const auto kon = f.Int(Key(results::kKons));
  const auto best = f.Int(Key(results::kBest));
  const auto rating = f.Real(Key(results::kRating));
  const auto ses = f.Int(Key(results::kSessions));
  const auto konl = f.Int(Key(results::kLostKons));
  const auto score = f.Int(Key(results::kScore));
  const auto r1 = f.Int(Key(results::kReserved1));
  if (!kon || !best || !rating || !ses || !konl || !score || !r1) return reply::No();
  sent =
      GameRecord{*kon, *best, *rating, *ses, *konl, *score, *r1, f.Value(Key(results::kReserved2))};
  if (!ctx.Authorized(request, nick)) return reply::No();

  Transaction t(ctx.db);
  if (!t.Ok()) return reply::No();
  QSqlQuery* q = ctx.db.Run(kSelectResults + ctx.db.ForUpdate(), {nick});
  if (q == nullptr || !q->next()) return reply::No();
  const StoredResults stored = ReadRow(*q);
  const QString bookedDecks = q->value(9).toString();
  q->finish();
  const SaveJudgement j = JudgeSave(stored, sent);
  if (j.kind == SaveKind::kRefused) return reply::No();
  if (j.kind == SaveKind::kUnchanged) return reply::Ok();
  // The server deals the block it books, and settles it only on moves that replay on those
  // decks to the score the settlement claims: a result no game gave is never stored.
  QString decks;
  if (j.kind == SaveKind::kBooking) {
    decks = DrawBlockDecks();
  } else {
    const auto replayed = ReplayedBlockScore(bookedDecks, f.Value(Key(results::kMoves)));
    if (!replayed || *replayed != j.blockScore) return reply::No();
  }
  const GameRecord& r = j.record;
  // A completed cycle opens the one filing in table 344; any other save closes it.
  if (ctx.db.Run(QStringLiteral("UPDATE results SET kon = ?, best = ?, rating = ?, sessions = ?,"
                                " konl = ?, score = ?, booked = ?, cycle_open = ?,"
                                " cycle_score = ?, block_decks = COALESCE(?, ''), booked_at = ?"
                                " WHERE nick = ?"),
                 {r.kon, r.best, r.rating, r.sessions, r.konl, r.score, j.booked ? 1 : 0,
                  j.cycleCompleted ? 1 : 0, j.cycleScore, decks,
                  j.kind == SaveKind::kBooking ? QDateTime::currentSecsSinceEpoch() : qint64(0),
                  nick}) == nullptr) {
    return reply::No();
  }
  if (!t.Commit()) return reply::No();
  // The booking's decks follow the acknowledgement, where programs that do not deal from them
  // never look.
  if (j.kind == SaveKind::kBooking) {
    return ServiceReply{protocol::answer::kOk + ('$' + decks.toLatin1() + '$')};
  }
  return reply::Ok();
}

ServiceReply ClubTopTen(ServerContext& ctx, const ServiceRequest&) {
  QSqlQuery* q =
      ctx.db.Run(QStringLiteral("SELECT a.nick, a.city, a.country2, a.sex, r.rating FROM results r"
                                " JOIN accounts a ON a.nick = r.nick WHERE r.kon > 0"
                                " ORDER BY r.rating DESC, r.nick LIMIT 10"));
  if (q == nullptr) return reply::No();
  QList<QStringList> rows;
  while (q->next()) {
    rows << QStringList{QString::number(rows.size() + 1),
                        q->value(0).toString(),
                        q->value(1).toString(),
                        QStringLiteral("x"),
                        q->value(2).toString(),
                        q->value(3).toString(),
                        FormatReal(q->value(4).toDouble())};
  }
  q->finish();
  return reply::List(rows);
}

ServiceReply OwnPlace(ServerContext& ctx, const ServiceRequest& request) {
  const auto rating = request.fields.Real(Key(results::kRating));
  if (!rating) return reply::No();
  // The program sends its rating with fifteen digits, so its own row may read a hair above
  // what it sent; ratings that close are a tie, not a place ahead.
  const double above = *rating + 1e-9 * std::max(1.0, std::fabs(*rating));
  QSqlQuery* q = ctx.db.Run(
      QStringLiteral("SELECT COUNT(*) FROM results WHERE kon > 0 AND rating > ?"), {above});
  if (q == nullptr || !q->next()) return reply::No();
  const qint64 ahead = q->value(0).toLongLong();
  q->finish();
  return reply::TrailingNumber(ahead + 1);
}

}  // namespace zendral::server
