#pragma once
// The move clock of a tournament table: 26 seconds for the side in turn, ticking once a
// second, with the rules that say whose clock starts after a move.

#include <string_view>

namespace zendral::net {

inline constexpr int kMoveClockSeconds = 26;
inline constexpr int kClockHurrySeconds = 7;  // from here down the tick sounds "STimerB"
inline constexpr std::string_view kClockTickSound = "STimerA";
inline constexpr std::string_view kClockHurrySound = "STimerB";

// ClockSeat values.
inline constexpr int kClockNone = 0;
inline constexpr int kClockPeer = 1;
inline constexpr int kClockOwn = 2;

struct ClockTickResult {
  int seat = kClockNone;   // whose clock to draw
  int seconds = 0;         // what it shows
  std::string_view sound;  // the tick's sound; empty for none
  bool ownTimeUp = false;  // the own clock has just reached 0
};

class RelayClock {
 public:
  // Starts a side's clock at 26 (the other side's picture is cleared by the caller).
  void Start(int seat) {
    seat_ = seat;
    seconds_ = kMoveClockSeconds;
  }
  void Clear() { seat_ = kClockNone; }
  bool Running() const { return seat_ != kClockNone; }
  int Seat() const { return seat_; }
  int Seconds() const { return seconds_; }
  // One second has passed.
  ClockTickResult Tick();

 private:
  int seat_ = kClockNone;
  int seconds_ = 0;
};

// Whose clock starts after a move. The own card: cardsBefore is the own hand before it left.
bool PeerClockAfterOwnCard(int cardsBefore, int relaySeat);
bool PeerClockAfterOwnPass(bool bothHoldCards, int relaySeat);
// The peer's card: peerCardsAfter is the peer's hand once the card has left it.
bool OwnClockAfterPeerCard(int peerCardsAfter, int relaySeat);
bool OwnClockAfterPeerPass(bool bothHoldCards, int relaySeat);

}  // namespace zendral::net
