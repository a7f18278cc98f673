#include "net/RelayClock.h"

namespace zendral::net {

ClockTickResult RelayClock::Tick() {
  ClockTickResult t;
  if (seat_ == kClockNone) return t;
  if (seconds_ > 0) --seconds_;
  t.seat = seat_;
  t.seconds = seconds_;
  if (seat_ == kClockOwn) {
    if (seconds_ > kClockHurrySeconds) {
      t.sound = kClockTickSound;
    } else if (seconds_ > 0) {
      t.sound = kClockHurrySound;
    } else {
      t.ownTimeUp = true;
    }
  }
  return t;
}

// The last card of a kon starts no clock for the one who laid it; relay seat 2 (which does
// not settle) always starts the other's, which then runs until the settlement arrives.
bool PeerClockAfterOwnCard(int cardsBefore, int relaySeat) {
  return cardsBefore > 1 || relaySeat == 2;
}
bool PeerClockAfterOwnPass(bool bothHoldCards, int relaySeat) {
  return bothHoldCards || relaySeat == 2;
}
bool OwnClockAfterPeerCard(int peerCardsAfter, int relaySeat) {
  return peerCardsAfter > 0 || relaySeat == 1;
}
bool OwnClockAfterPeerPass(bool bothHoldCards, int relaySeat) {
  return bothHoldCards || relaySeat == 1;
}

}  // namespace zendral::net
