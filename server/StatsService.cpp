// The statistics service: starts, unique starts, likes and the per-game counters, summed per
// game id. Reports are checked to be what a real copy of the program sends.

#include "OperationDispatch.h"
#include "ResultsRules.h"
#include "Services.h"
#include "protocol/Keys.h"

namespace zendral::server {
namespace {

constexpr int kMaxSessionKons = 1000;  // far beyond any evening at the table

bool EnsureRow(Database& db, int gid) {
  return db.Run(QStringLiteral("INSERT INTO stats (gid) VALUES (?) ON CONFLICT (gid) DO NOTHING"),
                {gid}) != nullptr;
}

ServiceReply ReadSums(ServerContext& ctx, int gid) {
  QSqlQuery* q = ctx.db.Run(
      QStringLiteral("SELECT stat1, stat2, stat3, stat4, x1, x2, x3, x4, x5, x6, x7, x8, x9, x10,"
                     " x11, x12 FROM stats WHERE gid = ?"),
      {gid});
  if (q == nullptr) return reply::No();
  QStringList tokens;
  if (q->next()) {
    for (int i = 0; i < 16; ++i) tokens << q->value(i).toString();
  } else {
    tokens << "0"
           << "0"
           << "0" << QString();
    for (int i = 0; i < 12; ++i) tokens << "0";
  }
  q->finish();
  tokens << "0" << QString();  // Y and Z: not used by this program
  return reply::List({tokens});
}

ServiceReply CountStart(ServerContext& ctx, const ServiceRequest& request, int gid) {
  const auto s1 = request.fields.Int(protocol::op::kCountStart);
  const auto s2 = request.fields.Int(protocol::field::kStartCounted);
  if (s1 != 1 || (s2 != 0 && s2 != 1)) return reply::Ack(false);
  if (!ctx.limits.Allow(LimitKind::kStats, request.address)) return reply::Ack(false);
  const bool ok =
      EnsureRow(ctx.db, gid) && ctx.db.Run(QStringLiteral("UPDATE stats SET stat1 = stat1 + 1,"
                                                          " stat2 = stat2 + ? WHERE gid = ?"),
                                           {*s2, gid}) != nullptr;
  return reply::Ack(ok);
}

ServiceReply Like(ServerContext& ctx, const ServiceRequest& request, int gid) {
  const QString name = request.fields.Value(protocol::field::kLikedName);
  if (request.fields.Int(protocol::op::kLike) != 1 || !IsPassportName(name, false)) {
    return reply::Ack(false);
  }
  if (!ctx.limits.Allow(LimitKind::kStats, request.address)) return reply::Ack(false);
  const bool ok = EnsureRow(ctx.db, gid) &&
                  ctx.db.Run(QStringLiteral("UPDATE stats SET stat3 = stat3 + 1, stat4 = ?"
                                            " WHERE gid = ?"),
                             {name, gid}) != nullptr;
  return reply::Ack(ok);
}

// R1 kons with the computer, R2 a completed cycle, R3/R4 the score won or lost, R5 3 for a
// network game served, R6 1 for a tournament game at seat 1; R7 … R12 always 0.
bool RealCounters(const int r[13]) {
  for (int i = 1; i <= 12; ++i) {
    if (r[i] < 0) return false;
  }
  for (int i = 7; i <= 12; ++i) {
    if (r[i] != 0) return false;
  }
  if (r[1] > kMaxSessionKons || r[2] > 1 || (r[5] != 0 && r[5] != 3) || r[6] > 1) return false;
  if (r[3] > 0 && r[4] > 0) return false;
  if (r[3] > r[1] * MaxKonScore() || r[4] > r[1] * MaxKonScore()) return false;
  if (r[2] == 1 && r[1] == 0) return false;
  const bool withComputer = r[1] + r[2] + r[3] + r[4] > 0;
  return !(withComputer && (r[5] != 0 || r[6] != 0)) && !(r[5] != 0 && r[6] != 0);
}

ServiceReply Counters(ServerContext& ctx, const ServiceRequest& request, int gid) {
  int r[protocol::kCounterFields + 1] = {};
  for (int i = 1; i <= protocol::kCounterFields; ++i) {
    const auto v = request.fields.Int(QString::fromStdString(protocol::CounterField(i)));
    if (!v) return reply::Ack(false);
    r[i] = *v;
  }
  if (!RealCounters(r)) return reply::Ack(false);
  if (!ctx.limits.Allow(LimitKind::kStats, request.address)) return reply::Ack(false);
  const bool ok =
      EnsureRow(ctx.db, gid) &&
      ctx.db.Run(QStringLiteral("UPDATE stats SET x1 = x1 + ?, x2 = x2 + ?, x3 = x3 + ?,"
                                " x4 = x4 + ?, x5 = x5 + ?, x6 = x6 + ? WHERE gid = ?"),
                 {r[1], r[2], r[3], r[4], r[5], r[6], gid}) != nullptr;
  return reply::Ack(ok);
}

}  // namespace

namespace {

// Every statistics request names its game; one without a valid id is refused.
OperationHandler ForGame(ServiceReply (*handler)(ServerContext&, const ServiceRequest&, int)) {
  return [handler](ServerContext& ctx, const ServiceRequest& request) {
    const auto gid = request.fields.Int(protocol::field::kGameId);
    if (!gid || *gid < 1 || *gid > 9999) return reply::Ack(false);
    return handler(ctx, request, *gid);
  };
}

ServiceReply ReadSumsOf(ServerContext& ctx, const ServiceRequest&, int gid) {
  return ReadSums(ctx, gid);
}

}  // namespace

const OperationDispatch& StatsDispatch() {
  static const OperationDispatch dispatch(protocol::StatsOperations(),
                                          {
                                              {"count-start", ForGame(CountStart)},
                                              {"like", ForGame(Like)},
                                              {"counters", ForGame(Counters)},
                                              {"read-sums", ForGame(ReadSumsOf)},
                                          });
  return dispatch;
}

ServiceReply StatsService(ServerContext& ctx, const ServiceRequest& request) {
  return StatsDispatch()(ctx, request);
}

}  // namespace zendral::server
