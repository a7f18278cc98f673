#pragma once
// The deal of the day: one deck a day (the club's local date) for every member, dealt by the
// server, played once by each member on seat 2 against the computer player on seat 1, and
// filed only as the replay of its moves on that deck gives it, with its distance from the
// day's par (the best result seat 2 could reach against the computer's answers).
//
// Requests on the records service (a member's session is required to start and to save):
//   dailystart=0                 -> "ok$DAY DECK$"; "is" when the member started today already
//   dailysave=0 moves= score=    -> "$SCORE PAR PLACE PLAYERS$"; "no" for a kon that does not
//                                   replay to that score
//   dailyread=0 [date=DAY]       -> records: first "$ DAY PAR PLAYERS DECK OWNPLACE OWNSCORE*"
//                                   (PAR, DECK "#" while the day is running and the reader has
//                                   not filed it; OWNPLACE 0, OWNSCORE "#" without a filed
//                                   result), then up to ten "$ PLACE x SCORE NICK COUNTRY CITY
//                                   DISTANCE TIME*" rows.
// The par search and the replay run on a worker, never on the server's thread.

#include <QByteArray>
#include <QDate>
#include <QString>

#include <functional>
#include <optional>

#include "OperationDispatch.h"
#include "ServerContext.h"

namespace zendral::server {

// The records service's worker handlers: the work of a start that must first compute the
// day's par, or of a save to replay; or nothing with the whole reply in reply.
std::optional<WorkerJob> DailyStart(ServerContext& ctx, const ServiceRequest& request,
                                    ServiceReply* reply);
std::optional<WorkerJob> DailySave(ServerContext& ctx, const ServiceRequest& request,
                                   ServiceReply* reply);
// The day's table, answered at once.
ServiceReply DailyRead(ServerContext& ctx, const ServiceRequest& request);

// The club's local date at the given moment, the server's clock shifted by offsetSeconds.
QDate ClubDate(qint64 utcSeconds, qint64 offsetSeconds);
// Seat 2's score of the kon replayed from the deck and the moves, seat 1 held to the computer
// player's answers; nothing unless the deck is whole and the moves play the kon to its end.
std::optional<int> DailyReplayScore(const QString& deck, const QString& moves);
// The day's par of a deck in card notation; nothing for a text that is no deck.
std::optional<int> DailyPar(const QString& deck);

// For the admin command: the day's deck, par and entries as text lines; nothing when no deal
// was drawn that day.
std::optional<QStringList> DailyShow(Database& db, const QDate& day);

}  // namespace zendral::server
