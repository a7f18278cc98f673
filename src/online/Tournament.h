#pragma once
// The tournament service as the tournament window uses it: the ten tables with their two
// seats, the server state and welcome text, booking and leaving a seat, the holder of a
// seat and the player's tournament record; and what the window shows on each seat button.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "online/RequestFrame.h"
#include "protocol/Keys.h"

namespace zendral::online {

using protocol::kTourTables;

// TKovClient: a tournament player; "X" for nobody.
struct TKovClient {
  std::string Nick = protocol::tour::kNobody;
  int Score = 0;
  int Kon = 0;
  int Rating = 0;
  std::string Country = protocol::tour::kNobody;
  std::string City = protocol::tour::kNobody;
  std::string Sex = "M";
  std::string IP = protocol::tour::kNobody;
  bool IsNobody() const { return Nick == protocol::tour::kNobody; }
  friend bool operator==(const TKovClient&, const TKovClient&) = default;
};

// The "nobody" record of a seat request: "X" everywhere, numbers 0, the given sex ("X" when
// leaving, "M" when releasing after a connection error).
TKovClient NobodyClient(const std::string& sex);

// TKovTable: one table as listed.
struct TKovTable {
  std::string IP = "0.0.0.0";
  int Port = 0;
  std::string Free = protocol::tour::kNobody;
  int R1 = 0;  // the seconds the server still holds the seat of a player waiting alone here
  std::string R2 = protocol::tour::kNobody;
  TKovClient Seat1, Seat2;
  friend bool operator==(const TKovTable&, const TKovTable&) = default;
};

// Up to ten tables; a token that is no number leaves its default.
std::vector<TKovTable> ReadTablesReply(const std::string& reply);
std::optional<std::vector<TKovTable>> ReadTables(RequestFrame& frame, const std::string& address);

struct TourServerInfo {
  char state = protocol::tour::kOff;
  std::string welcome;
  bool On() const { return state == protocol::tour::kOn; }
};
TourServerInfo ReadServerInfoReply(const std::string& reply);
std::optional<TourServerInfo> ReadServerInfo(RequestFrame& frame, const std::string& address);

// Seat request actions and results.
inline constexpr int kSeatRelease = 0;  // release without a goodbye to the relay
inline constexpr int kSeatTake = 1;
inline constexpr int kSeatLeave = 2;
inline constexpr int kSeatDone = 0;
inline constexpr int kSeatFailed = 1;
inline constexpr int kSeatTaken = 2;

Fields SeatRequestFields(int table, int seat, int action, const TKovClient& client);
int SeatRequest(RequestFrame& frame, const std::string& address, int table, int seat, int action,
                const TKovClient& client);

// The player on a seat; defaults: empty nick, country and city, rating 0, sex "M".
std::optional<TKovClient> ReadSeatHolder(RequestFrame& frame, const std::string& address, int table,
                                         int seat);

// The player's tournament record into Score, Kon and Rating; the score, or nothing on
// failure (a tournament score may well be negative, so no score value can mean failure).
std::optional<int> ReadTournamentRating(RequestFrame& frame, const std::string& address,
                                        const std::string& nick, TKovClient& player);

// The relay's port of table k (1..10): table 1's port − 1 + k.
int RelayPortOf(const std::vector<TKovTable>& tables, int table);

// What a seat button shows and allows.
enum class SeatCaption { kLogOff, kHolder, kTakePlace, kFree, kServerOff };
struct SeatButton {
  SeatCaption caption = SeatCaption::kServerOff;
  std::string holder;  // kHolder: Nick + " : " + Score
  bool enabled = false;
  friend bool operator==(const SeatButton&, const SeatButton&) = default;
};
// The booked table and seat of the local player (table 0: none).
struct TourBooking {
  int table = 0;
  int seat = 0;
  bool Holds() const { return table != 0; }
};
// The two buttons of table k (1..10); serverOn: both reads succeeded and the state is 'Y'.
std::array<SeatButton, 2> SeatButtons(const TKovTable& table, int k, const TourBooking& booking,
                                      bool serverOn);

// Booking seat 2 beside a player of the same public address is refused before any request,
// except on a relay at 127.0.0.1 (one machine).
bool SameAddressRefused(const std::string& holderIp, const std::string& ownIp,
                        const std::string& relayHost);

}  // namespace zendral::online
