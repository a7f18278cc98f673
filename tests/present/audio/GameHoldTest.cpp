#include "present/audio/GameHold.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <thread>

#include <unistd.h>

#include "QtTestApp.h"

namespace zendral::audio {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Records the events it gets, and whether the game was held at the time.
class Recorder : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::UpdateRequest) {
      seen.push_back(IsGameHeld() ? "paint held" : "paint free");
      return true;
    }
    return QObject::event(e);
  }
  std::vector<std::string> seen;
};

TEST(GameHold, PaintsButRunsNothingElseUntilTheDeadline) {
  test::EnsureQtApp();
  Recorder window;
  QCoreApplication::postEvent(&window, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
  // Everything that could act on the game: a timer tick, a queued call, a peer's message.
  QTimer::singleShot(0, &window, [&] { window.seen.push_back("timer"); });
  QMetaObject::invokeMethod(
      &window, [&] { window.seen.push_back("queued call"); }, Qt::QueuedConnection);
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  QSocketNotifier peer(fds[0], QSocketNotifier::Read);
  QObject::connect(&peer, &QSocketNotifier::activated, &window, [&] {
    window.seen.push_back("peer message");
    char byte;
    (void)::read(fds[0], &byte, 1);
  });
  ASSERT_EQ(::write(fds[1], "m", 1), 1);

  EXPECT_FALSE(IsGameHeld());
  const auto deadline = Clock::now() + 50ms;
  HoldGameUntil(deadline);
  EXPECT_GE(Clock::now(), deadline);
  EXPECT_FALSE(IsGameHeld());
  EXPECT_EQ(window.seen, std::vector<std::string>{"paint held"});

  // Once the hold is over, what waited is handled.
  for (int i = 0; i < 100 && window.seen.size() < 4; ++i) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  std::vector<std::string> after(window.seen.begin() + 1, window.seen.end());
  std::sort(after.begin(), after.end());
  EXPECT_EQ(after, (std::vector<std::string>{"peer message", "queued call", "timer"}));
  ::close(fds[0]);
  ::close(fds[1]);
}

TEST(GameHold, RepaintsRequestedDuringTheHoldAreDeliveredDuringIt) {
  test::EnsureQtApp();
  Recorder window;
  // A repaint asked for from another thread part-way through, as a sound thread might.
  std::thread painter([&] {
    std::this_thread::sleep_for(15ms);
    QCoreApplication::postEvent(&window, new QEvent(QEvent::UpdateRequest));
  });
  HoldGameUntil(Clock::now() + 60ms);
  painter.join();
  EXPECT_EQ(window.seen, std::vector<std::string>{"paint held"});
}

TEST(GameHold, APassedDeadlineReturnsAtOnce) {
  test::EnsureQtApp();
  Recorder window;
  QCoreApplication::postEvent(&window, new QEvent(QEvent::UpdateRequest));
  HoldGameUntil(Clock::now() - 1ms);
  EXPECT_TRUE(window.seen.empty());
  QCoreApplication::sendPostedEvents(&window);  // tidy: nothing left for the next test
}

}  // namespace
}  // namespace zendral::audio
