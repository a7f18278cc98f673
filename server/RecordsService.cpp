// The records service: the world top-ten tables (local cycles, the other platform's cycles read
// only, rated cycles) and the chat, which is table 100; and the deal of the day.

#include <QDateTime>
#include <QHash>
#include <QPair>

#include "DailyService.h"
#include "OperationDispatch.h"
#include "ResultsRules.h"
#include "Services.h"
#include "protocol/Keys.h"

namespace zendral::server {
namespace {

namespace field = protocol::field;
namespace op = protocol::op;

constexpr int kLocalTable = protocol::kWindowsTable;
constexpr int kAccountTable = protocol::kAccountTable;
constexpr int kChatTable = protocol::kChatTable;

QString OrHash(const QString& text) {
  return text.isEmpty() ? QStringLiteral("#") : text;
}

// The last value of a submission comes with a "*" behind it.
QString WithoutStar(QString text) {
  if (text.endsWith('*')) text.chop(1);
  return text;
}

// The free fields this program fills with "#".
bool IsFree(const QString& text) {
  const QString t = WithoutStar(text);
  return t.isEmpty() || t == QLatin1String("#");
}

// "Place x Score Nick Country City R07 R08 R09 R10".
QStringList RowTokens(qint64 place, QSqlQuery& q) {
  QStringList t{QString::number(place), QStringLiteral("x"), q.value(0).toString()};
  for (int i = 1; i <= 7; ++i) t << OrHash(q.value(i).toString());
  return t;
}

std::optional<qint64> PlaceOf(Database& db, int gid, qint64 score, qint64 id) {
  QSqlQuery* q = db.Run(QStringLiteral("SELECT COUNT(*) FROM world_rows WHERE gid = ? AND"
                                       " (score > ? OR (score = ? AND id < ?))"),
                        {gid, score, score, id});
  if (q == nullptr || !q->next()) return std::nullopt;
  const qint64 above = q->value(0).toLongLong();
  q->finish();
  return above + 1;
}

ServiceReply ReadTableFromDatabase(ServerContext& ctx, int gid);

// The ten rows of a table are the most frequent read of all (the chat and the main menu poll
// them): each server keeps its answer for a second, and forgets it at once when it files a row
// itself. A row filed through another server of the club shows within that second.
constexpr qint64 kTableCacheMs = 1000;

struct CachedTable {
  QByteArray body;
  qint64 atMs = 0;
};

QHash<QPair<const Database*, int>, CachedTable>& TableCache() {
  static QHash<QPair<const Database*, int>, CachedTable> cache;
  return cache;
}

void ForgetTable(const Database& db, int gid) {
  TableCache().remove({&db, gid});
}

ServiceReply ReadTable(ServerContext& ctx, int gid) {
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  auto& cache = TableCache();
  const auto hit = cache.constFind({&ctx.db, gid});
  if (hit != cache.constEnd() && now - hit->atMs >= 0 && now - hit->atMs < kTableCacheMs) {
    return ServiceReply(hit->body);
  }
  ServiceReply fresh = ReadTableFromDatabase(ctx, gid);
  if (fresh.status == 200 && fresh.body != protocol::answer::kNo) {
    if (cache.size() > 1000) cache.clear();  // any gid may be asked for
    cache.insert({&ctx.db, gid}, CachedTable{fresh.body, now});
  }
  return fresh;
}

ServiceReply ReadTableFromDatabase(ServerContext& ctx, int gid) {
  QSqlQuery* q = ctx.db.Run(
      QStringLiteral("SELECT score, nick, country, city, r07, r08, r09, r10 FROM world_rows"
                     " WHERE gid = ? ORDER BY score DESC, id LIMIT 10"),
      {gid});
  if (q == nullptr) return reply::No();
  QList<QStringList> rows;
  while (q->next()) rows << RowTokens(rows.size() + 1, *q);
  q->finish();
  return reply::List(rows);
}

ServiceReply TableSize(ServerContext& ctx, int gid) {
  QSqlQuery* q = ctx.db.Run(QStringLiteral("SELECT COUNT(*) FROM world_rows WHERE gid = ?"), {gid});
  if (q == nullptr || !q->next()) return reply::No();
  const qint64 n = q->value(0).toLongLong();
  q->finish();
  return reply::TrailingNumber(n);
}

ServiceReply OwnRows(ServerContext& ctx, int gid, const QString& nick, const QString& city) {
  QSqlQuery* q = ctx.db.Run(
      QStringLiteral("SELECT score, nick, country, city, r07, r08, r09, r10, id FROM world_rows"
                     " WHERE gid = ? AND nick = ? AND city = ? ORDER BY score DESC, id LIMIT 10"),
      {gid, nick, city});
  if (q == nullptr) return reply::No();
  struct Row {
    QStringList tokens;
    qint64 score;
    qint64 id;
  };
  QList<Row> rows;
  while (q->next()) {
    rows << Row{RowTokens(0, *q), q->value(0).toLongLong(), q->value(8).toLongLong()};
  }
  q->finish();
  QList<QStringList> out;
  for (Row& row : rows) {
    const auto place = PlaceOf(ctx.db, gid, row.score, row.id);
    if (!place) return reply::No();
    row.tokens[0] = QString::number(*place);
    out << row.tokens;
  }
  return reply::List(out);
}

struct NewRow {
  int gid;
  int score;
  QString nick, country, city, r07, r08, r09, r10;
};

// Files the row; its id, or nothing.
std::optional<qint64> Insert(Database& db, const NewRow& row) {
  QSqlQuery* q = db.Run(
      QStringLiteral("INSERT INTO world_rows (gid, score, nick, country, city, r07, r08, r09,"
                     " r10, filed) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"),
      {row.gid, row.score, row.nick, row.country, row.city, row.r07, row.r08, row.r09, row.r10,
       QDateTime::currentSecsSinceEpoch()});
  if (q == nullptr || !q->next()) return std::nullopt;
  const qint64 id = q->value(0).toLongLong();
  q->finish();
  ForgetTable(db, row.gid);
  return id;
}

// True when the name is a member's nick (whatever its case).
std::optional<bool> IsMemberNick(Database& db, const QString& name) {
  QSqlQuery* q =
      db.Run(QStringLiteral("SELECT 1 FROM accounts WHERE lower(nick) = lower(?)"), {name});
  if (q == nullptr) return std::nullopt;
  const bool member = q->next();
  q->finish();
  return member;
}

// A member's nick is used only in that member's session; any other passport name is free.
bool MayUseName(ServerContext& ctx, const ServiceRequest& request, const QString& name) {
  const auto member = IsMemberNick(ctx.db, name);
  if (!member) return false;
  if (!*member) return true;
  const auto sessionNick = ctx.SessionNick(request);
  return sessionNick && sessionNick->compare(name, Qt::CaseInsensitive) == 0;
}

std::optional<bool> IsFiledAlready(Database& db, const NewRow& row) {
  QSqlQuery* q =
      db.Run(QStringLiteral("SELECT 1 FROM world_rows WHERE gid = ? AND score = ? AND nick = ? AND"
                            " country = ? AND city = ? AND r07 = ? AND r08 = ?"),
             {row.gid, row.score, row.nick, row.country, row.city, row.r07, row.r08});
  if (q == nullptr) return std::nullopt;
  const bool filed = q->next();
  q->finish();
  return filed;
}

// A cycle of local games: 30 kons against the computer, which take far longer than minutes,
// so each address and each name files only a few an hour; an identical row is filed once.
ServiceReply SubmitLocal(ServerContext& ctx, const ServiceRequest& request) {
  const Fields& f = request.fields;
  const auto score = f.Int(field::kScore);
  NewRow row{kLocalTable,
             score.value_or(0),
             f.Value(field::kNick),
             f.Value(field::kCountry),
             f.Value(field::kCity),
             f.Value(QLatin1String(field::kRowSex)),
             f.Value(QLatin1String(field::kRowVersion)),
             QStringLiteral("#"),
             QStringLiteral("#")};
  // A cycle of 30 kons against the computer, under a passport the program lets send.
  if (!score || std::abs(*score) > MaxCycleScore() || !IsPassportName(row.nick, true) ||
      !IsPassportCity(row.city) || !IsCountryCode(row.country) || !IsSex(row.r07) ||
      !IsVersion(row.r08) || !IsFree(f.Value(QLatin1String(field::kRowFree1))) ||
      !IsFree(f.Value(QLatin1String(field::kRowFree2)))) {
    return reply::No();
  }
  if (!MayUseName(ctx, request, row.nick)) return reply::No();
  const auto filed = IsFiledAlready(ctx.db, row);
  if (!filed || *filed) return reply::No();
  if (!ctx.limits.Allow(LimitKind::kCycleFromAddress, request.address) ||
      !ctx.limits.Allow(LimitKind::kCycleOfName, row.nick.toLower())) {
    return reply::No();
  }
  Transaction t(ctx.db);
  if (!t.Ok()) return reply::No();
  const auto id = Insert(ctx.db, row);
  if (!id) return reply::No();
  const auto place = PlaceOf(ctx.db, row.gid, row.score, *id);
  if (!place || !t.Commit()) return reply::No();
  return reply::TrailingNumber(*place);
}

// The server numbers each message itself (one more than the newest) and answers that number.
ServiceReply SubmitChat(ServerContext& ctx, const ServiceRequest& request) {
  const Fields& f = request.fields;
  NewRow row{kChatTable,
             0,
             f.Value(field::kNick),
             f.Value(field::kCountry),
             f.Value(field::kCity),
             f.Value(QLatin1String(field::kRowSex)),
             f.Value(QLatin1String(field::kRowVersion)),
             f.Value(QLatin1String(field::kRowFree1)),
             WithoutStar(f.Value(QLatin1String(field::kRowFree2)))};
  // The number the program sends is replaced by the server's own, but it is a number.
  if (!f.Int(field::kScore) || !IsPassportName(row.nick, false) || !IsPassportCity(row.city) ||
      !IsCountryCode(row.country) || !IsSex(row.r07) || !IsVersion(row.r08) ||
      !IsChatStamp(row.r09) || !IsChatText(row.r10)) {
    return reply::No();
  }
  row.r09.replace(' ', '_');  // a token of the reply
  if (Setting(ctx.db, QStringLiteral("pause_chat")) == QLatin1String("1")) return reply::No();
  if (!MayUseName(ctx, request, row.nick)) return reply::No();
  if (!ctx.limits.Allow(LimitKind::kChat, request.address)) return reply::No();
  Transaction t(ctx.db);
  if (!t.Ok()) return reply::No();
  QSqlQuery* q = ctx.db.Run(
      QStringLiteral("UPDATE counters SET value = value + 1 WHERE name = 'chat' RETURNING value"));
  if (q == nullptr || !q->next()) return reply::No();
  row.score = q->value(0).toInt();
  q->finish();
  if (!Insert(ctx.db, row) || !t.Commit()) return reply::No();
  return reply::TrailingNumber(row.score);
}

// A rated cycle, filed once by the session whose settlement just completed it; the award in
// Kovs is credited here, in the same transaction.
ServiceReply SubmitAccountCycle(ServerContext& ctx, const ServiceRequest& request) {
  const Fields& f = request.fields;
  const QString nick = f.Value(field::kNick);
  const auto score = f.Int(field::kScore);
  const auto sessionNick = ctx.SessionNick(request);
  if (!score || !sessionNick || *sessionNick != nick) return reply::No();
  Transaction t(ctx.db);
  if (!t.Ok()) return reply::No();
  QSqlQuery* q =
      ctx.db.Run(QStringLiteral("SELECT r.cycle_open, r.cycle_score, a.city, a.country1,"
                                " a.sex FROM results r JOIN accounts a ON a.nick = r.nick"
                                " WHERE r.nick = ?") +
                     ctx.db.ForUpdate(),
                 {nick});
  if (q == nullptr || !q->next()) return reply::No();
  const bool open = q->value(0).toInt() != 0;
  const int cycleScore = q->value(1).toInt();
  NewRow row{kAccountTable,
             cycleScore,
             nick,
             q->value(3).toString(),
             q->value(2).toString(),
             q->value(4).toString(),
             f.Value(QLatin1String(field::kRowVersion)),
             QStringLiteral("#"),
             QStringLiteral("#")};
  q->finish();
  if (!open || cycleScore != *score || !IsVersion(row.r08)) return reply::No();
  const auto id = Insert(ctx.db, row);
  if (!id) return reply::No();
  const auto place = PlaceOf(ctx.db, row.gid, row.score, *id);
  if (!place) return reply::No();
  const int award = AwardForPlace(*place);
  if (ctx.db.Run(QStringLiteral("UPDATE results SET cycle_open = 0 WHERE nick = ?"), {nick}) ==
          nullptr ||
      ctx.db.Run(QStringLiteral("UPDATE accounts SET balance = balance + ? WHERE nick = ?"),
                 {award, nick}) == nullptr ||
      !t.Commit()) {
    return reply::No();
  }
  return reply::TrailingNumber(*place);
}

}  // namespace

const OperationDispatch& RecordsDispatch() {
  static const OperationDispatch dispatch(
      protocol::RecordsOperations(),
      {
          {"daily-read", DailyRead},
          {"world-size",
           [](ServerContext& ctx, const ServiceRequest& request) {
             const auto gid = request.fields.Int(op::kWorldTableSize);
             return gid ? TableSize(ctx, *gid) : reply::No();
           }},
          {"world-submit",
           [](ServerContext& ctx, const ServiceRequest& request) {
             switch (request.fields.Int(field::kGameId).value_or(0)) {
               case kLocalTable:
                 return SubmitLocal(ctx, request);
               case kChatTable:
                 return SubmitChat(ctx, request);
               case kAccountTable:
                 return SubmitAccountCycle(ctx, request);
               default:
                 return reply::No();  // other tables are filled by other programs
             }
           }},
          {"world-own-rows",
           [](ServerContext& ctx, const ServiceRequest& request) {
             const Fields& f = request.fields;
             const auto gid = f.Int(field::kGameId);
             return gid ? OwnRows(ctx, *gid, f.Value(field::kNick), f.Value(field::kCity))
                        : reply::No();
           }},
          {"world-read",
           [](ServerContext& ctx, const ServiceRequest& request) {
             const auto gid = request.fields.Int(field::kGameId);
             return gid ? ReadTable(ctx, *gid) : reply::No();
           }},
      },
      // The par search and the replay of the deal of the day.
      {
          {"daily-start", DailyStart},
          {"daily-save", DailySave},
      });
  return dispatch;
}

ServiceReply RecordsService(ServerContext& ctx, const ServiceRequest& request) {
  return RecordsDispatch()(ctx, request);
}

}  // namespace zendral::server
