#include "TournamentService.h"

#include <QDateTime>
#include <QHostAddress>
#include <QUrl>

#include "Services.h"
#include "relay/TourStore.h"

namespace zendral::server {
namespace {

using relay::kTables;
using relay::SeatRow;

const QString kGameId = QString::number(relay::kTourGameId);
const QString kDefaultWelcome = QStringLiteral("Welcome to the Zendral tournament!");

bool ThisGame(const Fields& f) {
  return f.Value(QStringLiteral("gid")) == kGameId;
}

QString Token(const QString& text, int maxChars) {
  const QString clean = CleanText(text, maxChars, true);
  return clean.isEmpty() ? QStringLiteral("X") : clean;
}

QString RelayHost(const ServiceRequest& request, const TourConfig& config) {
  if (!config.relayHost.isEmpty()) return config.relayHost;
  // The host the program reached this server at, without its port.
  const QUrl url(QStringLiteral("http://") + request.host);
  return url.host().isEmpty() ? QStringLiteral("127.0.0.1") : url.host();
}

QStringList SeatTokens(const SeatRow& r) {
  if (r.Free()) {
    return {QStringLiteral("X"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
            QStringLiteral("X"), QStringLiteral("X"), QStringLiteral("M"), QStringLiteral("X")};
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
  return reply::Segment({state == QLatin1String("off") ? QStringLiteral("X") : QStringLiteral("Y"),
                         CleanText(welcome, 120, true)});
}

std::optional<int> SeatOf(const Fields& f, const QString& stem) {
  for (int seat : {1, 2}) {
    if (f.Has(stem + QString::number(seat))) return seat;
  }
  return std::nullopt;
}

ServiceReply Seat(ServerContext& ctx, const ServiceRequest& request, int seat) {
  const Fields& f = request.fields;
  const auto table = f.Int(QStringLiteral("num"));
  const auto action = f.Int(QStringLiteral("can"));
  if (!table || *table < 1 || *table > kTables || !action) return reply::No();
  // Every seat request acts for the session's own member: a seat is taken and left only by
  // the one who sits there.
  const auto nick = ctx.SessionNick(request);
  if (!nick) return reply::No();
  const QString digit = QString::number(seat);
  if (*action == 1) {
    if (f.Value(QStringLiteral("nick") + digit) != *nick) return reply::No();
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
        return reply::Marker("is");
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
  const auto table = request.fields.Int(QStringLiteral("num"));
  if (!table || *table < 1 || *table > kTables) return reply::No();
  const auto row = relay::ReadSeat(ctx.db, *table, seat);
  if (!row) return reply::No();
  return reply::Segment(SeatTokens(*row));
}

ServiceReply Rating(ServerContext& ctx, const ServiceRequest& request) {
  const auto player = relay::ReadTourPlayer(ctx.db, request.fields.Value(QStringLiteral("nick")));
  if (!player) return reply::No();
  return reply::Segment({QString::number(player->score), QString::number(player->kons),
                         QString::number(player->rating)});
}

ServiceReply TopTen(ServerContext& ctx, char criterion) {
  const auto rows = relay::TopTen(ctx.db, criterion);
  return rows ? reply::List(*rows) : reply::No();
}

ServiceReply Place(ServerContext& ctx, const ServiceRequest& request, char criterion) {
  const char* name = criterion == 'r' ? "rating1" : criterion == 'k' ? "kon1" : "score1";
  const auto value = request.fields.Int(QString::fromLatin1(name));
  if (!value) return reply::No();
  const auto place = relay::PlaceOf(ctx.db, criterion, *value);
  return place ? reply::TrailingNumber(*place) : reply::No();
}

}  // namespace

ServiceReply TournamentService(ServerContext& ctx, const ServiceRequest& request,
                               const TourConfig& config) {
  const Fields& f = request.fields;
  if (f.Has(QStringLiteral("readtable10"))) {
    if (f.Value(QStringLiteral("readtable10")) != kGameId || !ThisGame(f)) return reply::No();
    return Tables(ctx, request, config);
  }
  if (f.Has(QStringLiteral("serverinforead"))) {
    return ThisGame(f) ? ServerInfo(ctx) : reply::No();
  }
  if (const auto seat = SeatOf(f, QStringLiteral("clienton"))) {
    return ThisGame(f) ? Seat(ctx, request, *seat) : reply::No();
  }
  if (const auto seat = SeatOf(f, QStringLiteral("readclient"))) {
    return ThisGame(f) ? SeatHolder(ctx, request, *seat) : reply::No();
  }
  if (f.Has(QStringLiteral("readrating") + kGameId)) return Rating(ctx, request);
  for (const char criterion : {'s', 'r', 'k'}) {
    const QString letter(QLatin1Char{criterion});
    if (f.Has(QStringLiteral("top10") + letter + kGameId)) return TopTen(ctx, criterion);
    if (f.Has(QStringLiteral("place") + letter + kGameId)) return Place(ctx, request, criterion);
  }
  return reply::No();
}

}  // namespace zendral::server
