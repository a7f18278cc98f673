// What waits for the window's next picture runs once, on the window's thread, after the window
// has painted; a watch deleted first runs nothing.

#include "app/main/NextPicture.h"

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "AppFixture.h"

namespace zendral {
namespace {

class Painted : public QWidget {
 public:
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST(NextPicture, RunsOnceAfterThePictureAndNotAtAllWhenGoneFirst) {
  testing::EnsureApplication();
  Painted window;
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
