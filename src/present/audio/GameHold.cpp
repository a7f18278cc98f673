#include "present/audio/GameHold.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <algorithm>
#include <thread>

namespace zendral::audio {

namespace {

// Repaints are delivered at most this often during a hold; short enough for a smooth card
// flight, long enough to leave the processor to the rest of the machine.
constexpr auto kPaintSlice = std::chrono::milliseconds(10);

thread_local int holdDepth = 0;

class HoldScope {
 public:
  HoldScope() { ++holdDepth; }
  ~HoldScope() { --holdDepth; }
  HoldScope(const HoldScope&) = delete;
  HoldScope& operator=(const HoldScope&) = delete;
};

}  // namespace

bool IsGameHeld() {
  return holdDepth > 0;
}

void HoldGameUntil(std::chrono::steady_clock::time_point deadline) {
  using Clock = std::chrono::steady_clock;
  if (Clock::now() >= deadline) return;
  HoldScope scope;
  const QCoreApplication* app = QCoreApplication::instance();
  const bool paints = app != nullptr && QThread::currentThread() == app->thread();
  for (auto now = Clock::now(); now < deadline; now = Clock::now()) {
    if (paints) QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    std::this_thread::sleep_until(std::min(deadline, Clock::now() + kPaintSlice));
  }
}

GameHoldClock::TimePoint GameHoldClock::Now() {
  return std::chrono::steady_clock::now();
}

void GameHoldClock::HoldUntil(TimePoint deadline) {
  HoldGameUntil(deadline);
}

}  // namespace zendral::audio
