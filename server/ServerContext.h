#pragma once
// What every service handler gets: the request's decoded fields and where it came from, and
// the server's shared parts.

#include <QByteArray>
#include <QString>

#include <optional>

#include "Database.h"
#include "Fields.h"
#include "PasswordHash.h"
#include "RateLimit.h"
#include "Reply.h"
#include "Sessions.h"

namespace zendral::server {

struct ServiceRequest {
  Fields fields;
  QByteArray body;          // the raw body (photo upload)
  QByteArray sessionToken;  // from the zsid cookie, empty when none
  QString address;          // the player's address (named by a trusted balancer)
  QString peer;             // the connection's other end (the balancer, when there is one)
  bool https = false;       // the player reached the club over https (a trusted balancer says)

  // "https://" or "http://", as the player reached the club: addresses this server writes
  // for the player start with it.
  QString SchemePrefix() const {
    return https ? QStringLiteral("https://") : QStringLiteral("http://");
  }
  QString host;  // the Host header as the caller wrote it
  // The nick whose password the request carried rightly (checked on a worker beforehand).
  QString passwordNick;
};

struct ServerContext {
  Database& db;
  PasswordHash& hasher;
  Sessions& sessions;
  RateLimit& limits;
  QString dataDir;
  QString publicHost;  // host[:port] of this server as players reach it; empty: the Host header
  // Added to the server's clock where the club's date is read (the deal of the day).
  qint64 clockOffsetSeconds = 0;

  // True when the request acts for the nick: its session is that nick's, or pw= was found to be
  // the nick's password before the request was dispatched.
  bool Authorized(const ServiceRequest& request, const QString& nick);
  // Only the session (no password): the nick of the request's session.
  std::optional<QString> SessionNick(const ServiceRequest& request);
};

}  // namespace zendral::server
