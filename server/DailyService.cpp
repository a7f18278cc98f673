#include "DailyService.h"

#include <QDateTime>
#include <QStringList>

#include "ResultsRules.h"
#include "Services.h"
#include "game/KonReplay.h"
#include "game/ParSearch.h"
#include "protocol/Keys.h"

namespace zendral::server {
namespace {

// A kon's moves text: two characters a move, and far fewer moves than this in any kon.
constexpr int kMaxMovesChars = 2 * 4 * kDeckSize;

enum EntryState { kStarted = 0, kFiled = 1, kRefused = 2 };

QString DayText(const QDate& day) {
  return day.toString(Qt::ISODate);
}

QDate Today(const ServerContext& ctx) {
  return ClubDate(QDateTime::currentSecsSinceEpoch(), ctx.clockOffsetSeconds);
}

struct DayDeck {
  QString deck;
  int par = 0;
};

std::optional<DayDeck> ReadDeck(Database& db, const QString& day, bool* failed) {
  *failed = false;
  QSqlQuery* q = db.Run(QStringLiteral("SELECT deck, par FROM daily_decks WHERE day = ?"), {day});
  if (q == nullptr) {
    *failed = true;
    return std::nullopt;
  }
  if (!q->next()) return std::nullopt;
  DayDeck d{q->value(0).toString(), q->value(1).toInt()};
  q->finish();
  return d;
}

// Opens the member's entry of the day and hands out the deck; "is" when there is one already.
ServiceReply OpenEntry(ServerContext& ctx, const QString& nick, const QString& day,
                       const QString& deck) {
  QSqlQuery* a =
      ctx.db.Run(QStringLiteral("SELECT country2, city FROM accounts WHERE nick = ?"), {nick});
  if (a == nullptr || !a->next()) return reply::No();
  const QString country = a->value(0).toString(), city = a->value(1).toString();
  a->finish();
  QSqlQuery* q =
      ctx.db.Run(QStringLiteral("INSERT INTO daily_entries (day, nick, country, city, started)"
                                " VALUES (?, ?, ?, ?, ?) ON CONFLICT DO NOTHING"),
                 {day, nick, country, city, QDateTime::currentMSecsSinceEpoch()});
  if (q == nullptr) return reply::No();
  if (q->numRowsAffected() != 1) return reply::Taken();
  return ServiceReply{protocol::answer::kOk + ('$' + day.toLatin1()) + ' ' + deck.toLatin1() + '$'};
}

bool HasEntry(Database& db, const QString& day, const QString& nick, bool* failed) {
  QSqlQuery* q = db.Run(
      QStringLiteral("SELECT COUNT(*) FROM daily_entries WHERE day = ? AND nick = ?"), {day, nick});
  *failed = q == nullptr || !q->next();
  if (*failed) return false;
  const bool has = q->value(0).toLongLong() > 0;
  q->finish();
  return has;
}

std::optional<WorkerJob> Start(ServerContext& ctx, const ServiceRequest& request,
                               ServiceReply* reply) {
  *reply = reply::No();
  const auto nick = ctx.SessionNick(request);
  if (!nick) return std::nullopt;
  const QString day = DayText(Today(ctx));
  bool failed = false;
  if (HasEntry(ctx.db, day, *nick, &failed) || failed) {
    if (!failed) *reply = reply::Taken();
    return std::nullopt;
  }
  if (const auto known = ReadDeck(ctx.db, day, &failed)) {
    *reply = OpenEntry(ctx, *nick, day, known->deck);
    return std::nullopt;
  }
  if (failed) return std::nullopt;
  // The first start of the day deals the day's deck; its par is searched on a worker and
  // stored with it. Two servers of a club may deal at once: the first stored deck counts.
  const QString deck = QString::fromStdString(DeckNotation(DrawDeck()));
  WorkerJob work;
  work.work = [deck] {
    const auto par = DailyPar(deck);
    return par ? QByteArray::number(*par) : QByteArray();
  };
  work.finish = [&ctx, nick = *nick, day, deck](const QByteArray& result) {
    bool ok = false;
    const int par = result.toInt(&ok);
    if (!ok) return reply::No();
    if (ctx.db.Run(QStringLiteral("INSERT INTO daily_decks (day, deck, par, drawn)"
                                  " VALUES (?, ?, ?, ?) ON CONFLICT DO NOTHING"),
                   {day, deck, par, QDateTime::currentSecsSinceEpoch()}) == nullptr) {
      return reply::No();
    }
    bool readFailed = false;
    const auto stored = ReadDeck(ctx.db, day, &readFailed);
    if (!stored) return reply::No();
    return OpenEntry(ctx, nick, day, stored->deck);
  };
  return work;
}

struct Standing {
  qint64 place = 0;
  qint64 players = 0;
};

std::optional<Standing> StandingOf(Database& db, const QString& day, const QString& nick, int score,
                                   qint64 filed) {
  QSqlQuery* q = db.Run(
      QStringLiteral("SELECT COUNT(*), SUM(CASE WHEN score > ? OR (score = ? AND (filed < ? OR"
                     " (filed = ? AND nick < ?))) THEN 1 ELSE 0 END) FROM daily_entries"
                     " WHERE day = ? AND state = 1"),
      {score, score, filed, filed, nick, day});
  if (q == nullptr || !q->next()) return std::nullopt;
  Standing s{q->value(1).toLongLong() + 1, q->value(0).toLongLong()};
  q->finish();
  return s;
}

ServiceReply SaveReply(Database& db, const QString& day, const QString& nick, int score, int par,
                       qint64 filed) {
  const auto standing = StandingOf(db, day, nick, score, filed);
  if (!standing) return reply::No();
  return reply::Segment({QString::number(score), QString::number(par),
                         QString::number(standing->place), QString::number(standing->players)});
}

std::optional<WorkerJob> Save(ServerContext& ctx, const ServiceRequest& request,
                              ServiceReply* reply) {
  *reply = reply::No();
  const Fields& f = request.fields;
  const auto nick = ctx.SessionNick(request);
  const auto claimed = f.Int(protocol::field::kScore);
  const QString moves = f.Value(protocol::field::kMoves);
  if (!nick || !claimed || moves.size() > kMaxMovesChars) return std::nullopt;
  // The member's entry of today, or of yesterday for a kon begun before midnight.
  const QDate today = Today(ctx);
  QSqlQuery* q = ctx.db.Run(
      QStringLiteral("SELECT e.day, e.state, e.score, e.moves, e.filed, d.deck, d.par"
                     " FROM daily_entries e JOIN daily_decks d ON d.day = e.day"
                     " WHERE e.nick = ? AND (e.day = ? OR e.day = ?) ORDER BY e.day DESC"),
      {*nick, DayText(today), DayText(today.addDays(-1))});
  if (q == nullptr || !q->next()) return std::nullopt;
  const QString day = q->value(0).toString();
  const int state = q->value(1).toInt();
  const int filedScore = q->value(2).toInt();
  const QString filedMoves = q->value(3).toString();
  const qint64 filed = q->value(4).toLongLong();
  const QString deck = q->value(5).toString();
  const int par = q->value(6).toInt();
  q->finish();
  // The program sends a settlement again when the answer was lost on the way.
  if (state == kFiled) {
    if (filedMoves == moves && filedScore == *claimed) {
      *reply = SaveReply(ctx.db, day, *nick, filedScore, par, filed);
    }
    return std::nullopt;
  }
  if (state != kStarted) return std::nullopt;
  WorkerJob work;
  work.work = [deck, moves] {
    const auto score = DailyReplayScore(deck, moves);
    return score ? QByteArray::number(*score) : QByteArray();
  };
  work.finish = [&ctx, nick = *nick, day, moves, claimed = *claimed,
                 par](const QByteArray& result) {
    bool ok = false;
    const int score = result.toInt(&ok);
    // A kon that does not replay, or to another score, is no result: the day's try is spent.
    if (!ok || score != claimed) {
      ctx.db.Run(QStringLiteral("UPDATE daily_entries SET state = ? WHERE day = ? AND nick = ?"
                                " AND state = ?"),
                 {kRefused, day, nick, kStarted});
      return reply::No();
    }
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    QSqlQuery* u = ctx.db.Run(
        QStringLiteral("UPDATE daily_entries SET state = ?, score = ?, moves = ?, filed = ?"
                       " WHERE day = ? AND nick = ? AND state = ?"),
        {kFiled, score, moves, now, day, nick, kStarted});
    if (u == nullptr || u->numRowsAffected() != 1) return reply::No();
    return SaveReply(ctx.db, day, nick, score, par, now);
  };
  return work;
}

ServiceReply Read(ServerContext& ctx, const ServiceRequest& request) {
  const Fields& f = request.fields;
  const QDate today = Today(ctx);
  QDate day = today;
  if (f.Has(protocol::field::kDate)) {
    day = QDate::fromString(f.Value(protocol::field::kDate), Qt::ISODate);
    if (!day.isValid() || day > today) return reply::No();
  }
  const QString dayText = DayText(day);
  const auto nick = ctx.SessionNick(request);
  bool failed = false;
  const auto deck = ReadDeck(ctx.db, dayText, &failed);
  if (failed) return reply::No();

  QString ownPlace = QStringLiteral("0"), ownScore = QStringLiteral("#");
  if (nick && deck) {
    QSqlQuery* q = ctx.db.Run(QStringLiteral("SELECT score, filed FROM daily_entries WHERE"
                                             " day = ? AND nick = ? AND state = 1"),
                              {dayText, *nick});
    if (q == nullptr) return reply::No();
    if (q->next()) {
      const int score = q->value(0).toInt();
      const qint64 filed = q->value(1).toLongLong();
      q->finish();
      const auto standing = StandingOf(ctx.db, dayText, *nick, score, filed);
      if (!standing) return reply::No();
      ownPlace = QString::number(standing->place);
      ownScore = QString::number(score);
    }
  }
  // Today's deck and par stay secret from whoever has not played it yet.
  const bool revealed = deck && (day < today || ownScore != QLatin1String("#"));
  QList<QStringList> records;
  qint64 players = 0;
  QSqlQuery* c = ctx.db.Run(
      QStringLiteral("SELECT COUNT(*) FROM daily_entries WHERE day = ? AND state = 1"), {dayText});
  if (c == nullptr || !c->next()) return reply::No();
  players = c->value(0).toLongLong();
  c->finish();
  records << QStringList{dayText,
                         revealed ? QString::number(deck->par) : QStringLiteral("#"),
                         QString::number(players),
                         revealed ? deck->deck : QStringLiteral("#"),
                         ownPlace,
                         ownScore};
  QSqlQuery* q = ctx.db.Run(
      QStringLiteral("SELECT score, nick, country, city, filed FROM daily_entries WHERE day = ?"
                     " AND state = 1 ORDER BY score DESC, filed, nick LIMIT 10"),
      {dayText});
  if (q == nullptr) return reply::No();
  while (q->next()) {
    const int score = q->value(0).toInt();
    const QDateTime filed =
        QDateTime::fromMSecsSinceEpoch(q->value(4).toLongLong() + ctx.clockOffsetSeconds * 1000);
    records << QStringList{QString::number(records.size()),
                           QStringLiteral("x"),
                           QString::number(score),
                           q->value(1).toString(),
                           q->value(2).toString(),
                           CleanText(q->value(3).toString(), 15, true),
                           deck ? QString::number(deck->par - score) : QStringLiteral("#"),
                           filed.toString(QStringLiteral("HH:mm"))};
  }
  q->finish();
  return reply::List(records);
}

}  // namespace

std::optional<WorkerJob> DailyStart(ServerContext& ctx, const ServiceRequest& request,
                                    ServiceReply* reply) {
  return Start(ctx, request, reply);
}

std::optional<WorkerJob> DailySave(ServerContext& ctx, const ServiceRequest& request,
                                   ServiceReply* reply) {
  return Save(ctx, request, reply);
}

ServiceReply DailyRead(ServerContext& ctx, const ServiceRequest& request) {
  return Read(ctx, request);
}

QDate ClubDate(qint64 utcSeconds, qint64 offsetSeconds) {
  return QDateTime::fromSecsSinceEpoch(utcSeconds + offsetSeconds).date();
}

std::optional<int> DailyReplayScore(const QString& deck, const QString& moves) {
  const auto parsedDeck = ParseDeckNotation(deck.toStdString());
  const auto parsedMoves = ParseKonMoves(moves.toStdString());
  if (!parsedDeck || !parsedMoves) return std::nullopt;
  const KonReplayResult replay = ReplayKon(*parsedDeck, *parsedMoves, SeatOneRule::kComputerPlayer);
  if (!replay.complete) return std::nullopt;
  return replay.kon.Score[kSeat2];
}

std::optional<int> DailyPar(const QString& deck) {
  const auto parsed = ParseDeckNotation(deck.toStdString());
  if (!parsed) return std::nullopt;
  const ParResult par = ParOfDeck(*parsed);
  if (!par.ok) return std::nullopt;
  return par.par;
}

std::optional<QStringList> DailyShow(Database& db, const QDate& day) {
  bool failed = false;
  const QString dayText = DayText(day);
  const auto deck = ReadDeck(db, dayText, &failed);
  if (!deck) return std::nullopt;
  QStringList lines{QStringLiteral("deck: ") + deck->deck,
                    QStringLiteral("par: ") + QString::number(deck->par)};
  QSqlQuery* q =
      db.Run(QStringLiteral("SELECT nick, country, city, state, score, filed FROM daily_entries"
                            " WHERE day = ? ORDER BY state, score DESC, filed, nick"),
             {dayText});
  if (q == nullptr) return std::nullopt;
  int place = 0;
  while (q->next()) {
    const int state = q->value(3).toInt();
    const int score = q->value(4).toInt();
    const QString who =
        q->value(0).toString() + '\t' + q->value(1).toString() + '\t' + q->value(2).toString();
    if (state == kFiled) {
      lines << QStringLiteral("%1\t%2\t%3\t%4\t%5")
                   .arg(++place)
                   .arg(who)
                   .arg(score)
                   .arg(deck->par - score)
                   .arg(QDateTime::fromMSecsSinceEpoch(q->value(5).toLongLong())
                            .toString(QStringLiteral("HH:mm")));
    } else {
      lines << QStringLiteral("-\t%1\t%2")
                   .arg(who,
                        state == kStarted ? QStringLiteral("started") : QStringLiteral("refused"));
    }
  }
  q->finish();
  return lines;
}

}  // namespace zendral::server
