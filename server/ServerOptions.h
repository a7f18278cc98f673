#pragma once
// The command line of zendral-server.

#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "PasswordHash.h"

namespace zendral::server {

struct ServerOptions {
  QString listenHost = QStringLiteral("127.0.0.1");
  quint16 listenPort = 8044;
  QString dataDir;      // default: $XDG_DATA_HOME/kov-games/zendral-server
  QString databaseUrl;  // default: sqlite: + dataDir/zendral-server.sqlite
  QString publicHost;
  HashCost hashCost;
  double rateScale = 1.0;
  // The tournament relay: table k on relayBase + k; a seat silent this long in turn loses.
  quint16 relayBase = 25700;
  double relayMoveSeconds = 40;
  // A player waiting alone at a table keeps his seat this long; then the server frees it.
  int tourWaitSeconds = 300;
  bool relayEnabled = true;
  // Seconds added to the clock for the club's date (a club whose day turns at another hour
  // than the machine's, and tests of the day's change).
  qint64 clockOffsetSeconds = 0;  // off: this process only books seats, another one relays
  // The club's balancers, whose X-Forwarded-For and X-Forwarded-Proto name the player.
  QList<QHostAddress> trustedProxies;
  QStringList admin;  // the words after "admin", when run as the admin command
  bool isAdmin = false;
};

// The options, or nothing after printing the help or an error (exitCode tells which).
std::optional<ServerOptions> ParseOptions(const QStringList& arguments, int* exitCode);

}  // namespace zendral::server
