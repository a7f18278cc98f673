#include "TournamentService.h"

#include <QDateTime>
#include <QHostAddress>
#include <QUrl>

#include "Services.h"
#include "protocol/Keys.h"
#include "relay/TourStore.h"

namespace zendral::server {
namespace {

using relay::kTables;
using relay::SeatRow;
namespace field = protocol::field;

const QString kGameId = QString::number(protocol::kGameId);
const QString kDefaultWelcome = QStringLiteral("Welcome to the Zendral tournament!");

bool ThisGame(const Fields& f) {
  return f.Value(field::kGameId) == kGameId;
}

QString Token(const QString& text, int maxChars) {
  const QString clean = CleanText(text, maxChars, true);
  return clean.isEmpty() ? QString(QLatin1String(protocol::tour::kNobody)) : clean;
}

QString RelayHost(const ServiceRequest& request, const TourConfig& config) {
  if (!config.relayHost.isEmpty()) return config.relayHost;
  // The host the program reached this server at, without its port.
  const QUrl url(QStringLiteral("http://") + request.host);
  return url.host().isEmpty() ? QStringLiteral("127.0.0.1") : url.host();
}

QStringList SeatTokens(const SeatRow& r) {
  if (r.Free()) {
    const QString nobody = QLatin1String(protocol::tour::kNobody);
    return {nobody,
            QStringLiteral("0"),
            QStringLiteral("0"),
            QStringLiteral("0"),
            nobody,
            nobody,
            QStringLiteral("M"),
            nobody};
  }
  return {r.nick,
          QString::number(r.player.score),
          QString::number(r.player.kons),
          QString::number(r.player.rating),
          Token(r.country, 20),
          Token(r.city, 15),
          Token(r.sex, 1),
          Token(r.ip, 45)};
}

ServiceReply Tables(ServerContext& ctx, const ServiceRequest& request, const TourConfig& config) {
  const auto seats = relay::ReadSeats(ctx.db);
  if (!seats || seats->size() != 2 * kTables) return reply::No();
  const QString host = RelayHost(request, config);
  const qint64 now = QDateTime::currentSecsSinceEpoch();
  QList<QStringList> records;
  for (int k = 1; k <= kTables; ++k) {
    const SeatRow& one = (*seats)[2 * (k - 1)];
    const SeatRow& two = (*seats)[2 * (k - 1) + 1];
    // R1: the seconds the server still holds the seat of a player waiting alone here.
    const qint64 waitLeft =
        LoneWaitLeft(one, two, now, config.waitSeconds)
            .value_or(LoneWaitLeft(two, one, now, config.waitSeconds).value_or(0));
    QStringList record{QString::number(k),
                       host,
                       QString::number(config.relayBase + k),
                       QString::number(int(one.Free()) + int(two.Free())),
                       QString::number(waitLeft),
                       QStringLiteral("#")};
    record << SeatTokens(one) << SeatTokens(two);
    records << record;
  }
  return reply::List(records);
}

ServiceReply ServerInfo(ServerContext& ctx) {
  const QString state = Setting(ctx.db, kTourStateSetting);
  QString welcome = Setting(ctx.db, kTourWelcomeSetting);
  if (welcome.isEmpty()) welcome = kDefaultWelcome;
  return reply::Segment({QString(QLatin1Char(state == QLatin1String("off") ? protocol::tour::kOff
                                                                           : protocol::tour::kOn)),
                         CleanText(welcome, 120, true)});
}

ServiceReply Seat(ServerContext& ctx, const ServiceRequest& request, int seat) {
  const Fields& f = request.fields;
  const auto table = f.Int(field::kTable);
  const auto action = f.Int(field::kAction);
  if (!table || *table < 1 || *table > kTables || !action) return reply::No();
  // Every seat request acts for the session's own member: a seat is taken and left only by
  // the one who sits there.
  const auto nick = ctx.SessionNick(request);
  if (!nick) return reply::No();
  const QString digit = QString::number(seat);
  if (*action == 1) {
    if (f.Value(QLatin1String(field::kNick) + digit) != *nick) return reply::No();
    if (Setting(ctx.db, kTourStateSetting) == QLatin1String("off")) return reply::No();
    const auto player = relay::ReadTourPlayer(ctx.db, *nick);
    if (!player) return reply::No();
    QSqlQuery* q = ctx.db.Run(
        QStringLiteral("SELECT country1, city, sex FROM accounts WHERE nick = ?"), {*nick});
    if (q == nullptr || !q->next()) return reply::No();
    SeatRow row;
    row.table = *table;
    row.seat = seat;
    row.nick = *nick;
    // The record on the seat is the server's own, not what the program sent.
    row.player = *player;
    row.country = q->value(0).toString();
    row.city = q->value(1).toString();
    row.sex = q->value(2).toString();
    q->finish();
    // The seat shows the player's address; the relay lets in the connection's other end, as it
    // will see the player (a balancer in front passes the relay's ports on as they are).
    row.ip = request.address;
    row.address = request.peer;
    switch (relay::BookSeat(ctx.db, row)) {
      case relay::BookOutcome::kBooked:
        return reply::Ok();
      case relay::BookOutcome::kTaken:
        return reply::Taken();
      case relay::BookOutcome::kRefused:
        return reply::No();
    }
    return reply::No();
  }
  if (*action == 2 || *action == 0) {
    return relay::LeaveSeat(ctx.db, *table, seat, *nick) ? reply::Ok() : reply::No();
  }
  return reply::No();
}

ServiceReply SeatHolder(ServerContext& ctx, const ServiceRequest& request, int seat) {
  const auto table = request.fields.Int(field::kTable);
  if (!table || *table < 1 || *table > kTables) return reply::No();
  const auto row = relay::ReadSeat(ctx.db, *table, seat);
  if (!row) return reply::No();
  return reply::Segment(SeatTokens(*row));
}

ServiceReply Rating(ServerContext& ctx, const ServiceRequest& request) {
  const auto player = relay::ReadTourPlayer(ctx.db, request.fields.Value(field::kNick));
  if (!player) return reply::No();
  return reply::Segment({QString::number(player->score), QString::number(player->kons),
                         QString::number(player->rating)});
}

ServiceReply TopTen(ServerContext& ctx, char criterion) {
  const auto rows = relay::TopTen(ctx.db, criterion);
  return rows ? reply::List(*rows) : reply::No();
}

ServiceReply Place(ServerContext& ctx, const ServiceRequest& request, char criterion) {
  const auto value = request.fields.Int(QString::fromStdString(protocol::PlaceField(criterion)));
  if (!value) return reply::No();
  const auto place = relay::PlaceOf(ctx.db, criterion, *value);
  return place ? reply::TrailingNumber(*place) : reply::No();
}

}  // namespace

OperationDispatch TournamentDispatch(const TourConfig& config) {
  namespace op = protocol::op;
  // Every operation but the player's own record and the top ten names this game.
  const auto forThisGame = [](OperationHandler handler) -> OperationHandler {
    return [handler](ServerContext& ctx, const ServiceRequest& request) {
      return ThisGame(request.fields) ? handler(ctx, request) : reply::No();
    };
  };
  std::map<std::string, OperationHandler> handlers = {
      {"tables",
       [config](ServerContext& ctx, const ServiceRequest& request) {
         if (request.fields.Value(op::kReadTables) != kGameId || !ThisGame(request.fields)) {
           return reply::No();
         }
         return Tables(ctx, request, config);
       }},
      {"server-info",
       forThisGame([](ServerContext& ctx, const ServiceRequest&) { return ServerInfo(ctx); })},
      {"rating", Rating},
  };
  for (const int seat : {1, 2}) {
    const std::string digit = std::to_string(seat);
    handlers[op::kTakeSeat + digit] =
        forThisGame([seat](ServerContext& ctx, const ServiceRequest& request) {
          return Seat(ctx, request, seat);
        });
    handlers[op::kReadSeat + digit] =
        forThisGame([seat](ServerContext& ctx, const ServiceRequest& request) {
          return SeatHolder(ctx, request, seat);
        });
  }
  const std::string gid = std::to_string(protocol::kGameId);
  for (const char criterion : protocol::kCriteria) {
    const std::string letter(1, criterion);
    handlers[op::kTopTen + letter + gid] = [criterion](ServerContext& ctx, const ServiceRequest&) {
      return TopTen(ctx, criterion);
    };
    handlers[op::kPlace + letter + gid] = [criterion](ServerContext& ctx,
                                                      const ServiceRequest& request) {
      return Place(ctx, request, criterion);
    };
  }
  return OperationDispatch(protocol::TournamentOperations(), std::move(handlers));
}

}  // namespace zendral::server
