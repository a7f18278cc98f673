#pragma once
// The tournament service: the ten tables and their seats, the server state with its welcome
// text, seat booking and leaving, the players' tournament records, the tournament top ten and
// places. The relay (relay/) plays the tables; this service only books and lists them.

#include <QString>

#include "OperationDispatch.h"
#include "ServerContext.h"

namespace zendral::server {

struct TourConfig {
  QString relayHost;          // table 1's host; empty: the host the request was sent to
  quint16 relayBase = 25700;  // table k's relay listens on relayBase + k
  int waitSeconds = 300;      // how long a player waiting alone keeps his seat
};

// The service's operations bound to their handlers, for the tables of this configuration.
OperationDispatch TournamentDispatch(const TourConfig& config);

// The admin's switch and greeting.
inline const QString kTourStateSetting = QStringLiteral("tour_state");
inline const QString kTourWelcomeSetting = QStringLiteral("tour_welcome");

}  // namespace zendral::server
