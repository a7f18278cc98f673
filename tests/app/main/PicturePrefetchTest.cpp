// The felt under the menu is decoded ahead on a thread of its own: what is taken is what the
// loader made, each picture once, and nothing is left running when the prefetch goes.

#include "app/main/PicturePrefetch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <thread>

namespace zendral {
namespace {

QImage Filled(const QString& name) {
  QImage image(4, 3, QImage::Format_RGB32);
  image.fill(QColor(name.size() * 20, 90, 40));
  return image;
}

TEST(PicturePrefetch, EachPictureIsTakenOnceAsTheLoaderMadeItOffTheCallersThread) {
  std::atomic<int> loads{0};
  std::atomic<bool> onCallersThread{false};
  const std::thread::id caller = std::this_thread::get_id();
  PicturePrefetch prefetch({"FonG", "Ob01Mo"}, [&](const QString& name) {
    ++loads;
    if (std::this_thread::get_id() == caller) onCallersThread = true;
    return Filled(name);
  });
  const std::optional<QImage> felt = prefetch.Take("FonG");
  ASSERT_TRUE(felt.has_value());
  EXPECT_EQ(*felt, Filled("FonG"));
  EXPECT_FALSE(prefetch.Take("FonG").has_value()) << "taken twice";
  EXPECT_FALSE(prefetch.Take("FonGB").has_value()) << "never asked ahead";
  EXPECT_EQ(prefetch.Take("Ob01Mo").value_or(QImage()), Filled("Ob01Mo"));
  EXPECT_EQ(loads, 2);
  EXPECT_FALSE(onCallersThread);
}

TEST(PicturePrefetch, TheLoaderTakesFromThePrefetchOnceThenLoadsAsBefore) {
  std::atomic<int> aheadLoads{0};
  int laterLoads = 0;
  const PictureLoader load =
      PrefetchingLoader(std::make_shared<PicturePrefetch>(QStringList{"FonG"},
                                                          [&](const QString& name) {
                                                            ++aheadLoads;
                                                            return Filled(name);
                                                          }),
                        [&](const QString& name) {
                          ++laterLoads;
                          return Filled(name + "!");
                        });
  EXPECT_EQ(load("FonG"), Filled("FonG"));
  EXPECT_EQ(load("FonG"), Filled("FonG!")) << "a second ask (new settings) loads afresh";
  EXPECT_EQ(load("GTimerR"), Filled("GTimerR!"));
  EXPECT_EQ(aheadLoads, 1);
  EXPECT_EQ(laterLoads, 2);
}

// A program that ends at once (a damaged club file) does not leave the decoding thread behind
// its prefetch.
TEST(PicturePrefetch, GoingWhileALoadRunsWaitsForIt) {
  std::mutex mutex;
  std::condition_variable changed;
  bool started = false, released = false;
  std::atomic<bool> finished{false};
  std::thread releaser;
  {
    PicturePrefetch prefetch({"FonG"}, [&](const QString& name) {
      std::unique_lock lock(mutex);
      started = true;
      changed.notify_all();
      changed.wait(lock, [&] { return released; });
      finished = true;
      return Filled(name);
    });
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return started; });
    releaser = std::thread([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      std::lock_guard released_lock(mutex);
      released = true;
      changed.notify_all();
    });
  }
  EXPECT_TRUE(finished) << "the prefetch went before its load ended";
  releaser.join();
}

}  // namespace
}  // namespace zendral
