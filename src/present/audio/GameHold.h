#pragma once
// The program's one way of holding the game for a while (a waited sound; the app may use it
// for its other waits too, such as the pause after a LAN settlement) while the window keeps
// painting.
//
// During a hold the thread sleeps in short slices and, between them, delivers only the
// widgets' pending repaints (posted QEvent::UpdateRequest). Nothing else runs: no timer
// (Timer1 and the computer's move, Timer2, the relay move clock), no click or key, no socket
// notification (a peer's message), no queued signal or deferred delete. They all wait in
// their queues and are handled in order once the hold is over, so the kon driver cannot be
// re-entered and no handler needs a guard. Sounds keep playing: the sound output and the
// MIDI synthesiser run on threads of their own.
//
// Without a Qt application on the calling thread the hold is a plain sleep.

#include <chrono>

#include "present/audio/EventSoundPlayer.h"

namespace zendral::audio {

// Returns once the steady clock has reached `deadline` (at once when it already has).
void HoldGameUntil(std::chrono::steady_clock::time_point deadline);

// True while a hold is in progress on this thread (a paint handler may look).
bool IsGameHeld();

// The real WaitClock: the steady clock and HoldGameUntil.
class GameHoldClock : public WaitClock {
 public:
  TimePoint Now() override;
  void HoldUntil(TimePoint deadline) override;
};

}  // namespace zendral::audio
