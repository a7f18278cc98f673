// Work that waits for a window's first picture: it starts after the window has painted, or when
// someone awaits it, or at its latest start if the window never paints; its ending always runs
// once on the window's thread. And the wait for the next picture (NextPicture) on its own.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <atomic>
#include <memory>
#include <thread>

#include "AppFixture.h"
#include "app/main/BackgroundTask.h"
#include "app/main/NextPicture.h"

namespace zendral {
namespace {

class PaintCounter : public QWidget {
 public:
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent*) override { ++paints; }
};

struct Record {
  std::atomic<int> started{0};
  std::atomic<int> paintsBeforeStart{-1};
  std::atomic<bool> onWorker{false};
  int finished = 0;
};

std::unique_ptr<BackgroundTask> WaitingTask(PaintCounter& window, Record& record) {
  const std::thread::id windowThread = std::this_thread::get_id();
  return std::make_unique<BackgroundTask>(
      &window,
      [&record, &window, windowThread] {
        record.paintsBeforeStart = window.paints;
        record.onWorker = std::this_thread::get_id() != windowThread;
        ++record.started;
      },
      [&record] { ++record.finished; });
}

class BackgroundTaskTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureApplication(); }
};

TEST_F(BackgroundTaskTest, StartsOnlyAfterTheWindowHasPainted) {
  PaintCounter window;
  window.resize(200, 100);
  Record record;
  auto task = WaitingTask(window, record);
  QCoreApplication::processEvents();
  EXPECT_EQ(record.started, 0) << "a window not shown paints nothing, and nothing starts";
  EXPECT_TRUE(task->Pending());

  window.show();
  QTRY_COMPARE_WITH_TIMEOUT(record.finished, 1, 3000);
  EXPECT_EQ(record.started, 1);
  EXPECT_GE(record.paintsBeforeStart, 1);
  EXPECT_TRUE(record.onWorker);
  EXPECT_FALSE(task->Pending());

  // Later pictures start nothing again.
  window.update();
  QCoreApplication::processEvents();
  task->Await();
  EXPECT_EQ(record.started, 1);
  EXPECT_EQ(record.finished, 1);
}

TEST_F(BackgroundTaskTest, AwaitStartsAWaitingTaskAtOnce) {
  PaintCounter window;
  Record record;
  auto task = WaitingTask(window, record);
  EXPECT_TRUE(task->Pending());
  task->Await();
  EXPECT_EQ(record.started, 1);
  EXPECT_EQ(record.paintsBeforeStart, 0);
  EXPECT_EQ(record.finished, 1);
  EXPECT_FALSE(task->Pending());
  // The ending queued by the worker does not run a second time.
  QCoreApplication::processEvents();
  EXPECT_EQ(record.finished, 1);
}

TEST_F(BackgroundTaskTest, AWindowThatNeverPaintsStartsItAtTheLatestStart) {
  PaintCounter window;
  Record record;
  auto task = WaitingTask(window, record);
  QElapsedTimer waited;
  waited.start();
  QTRY_COMPARE_WITH_TIMEOUT(record.finished, 1, NextPicture::kLatestMs + 5000);
  EXPECT_GE(waited.elapsed(), NextPicture::kLatestMs - 50);
  EXPECT_EQ(record.paintsBeforeStart, 0);
}

TEST_F(BackgroundTaskTest, ATaskGoneBeforeItStartedLeavesNothingBehind) {
  Record record;
  {
    PaintCounter window;
    auto task = WaitingTask(window, record);
    window.show();
    task.reset();  // before the window's picture
    QCoreApplication::processEvents();
  }
  // Its latest start passes with nothing run.
  QTest::qWait(NextPicture::kLatestMs + 200);
  EXPECT_EQ(record.started, 0);
  EXPECT_EQ(record.finished, 0);
}

// The wait for the window's next picture on its own: what waits runs once, on the window's
// thread, after the window has painted; a watch deleted first runs nothing.
TEST_F(BackgroundTaskTest, WorkAfterTheNextPictureRunsOnceAndNotAtAllWhenTheWatchGoesFirst) {
  PaintCounter window;
  window.resize(120, 80);
  int runs = 0, paintsBefore = -1;
  NextPicture watch(&window, [&] {
    ++runs;
    paintsBefore = window.paints;
  });
  auto gone = std::make_unique<NextPicture>(&window, [&] { runs += 100; });
  QCoreApplication::processEvents();
  EXPECT_EQ(runs, 0) << "a window not shown has painted nothing";

  gone.reset();
  window.show();
  QTRY_COMPARE_WITH_TIMEOUT(runs, 1, 3000);
  EXPECT_GE(paintsBefore, 1);
  window.update();
  QTest::qWait(NextPicture::kLatestMs + 200);
  EXPECT_EQ(runs, 1) << "a later picture or the latest start runs it again";
}

}  // namespace
}  // namespace zendral
