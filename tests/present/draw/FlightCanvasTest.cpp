// The flight over the window: each step shows the sprite at its point and the window as it
// was everywhere else, the refresh rectangle covers what changed, the end leaves the window
// as the flight found it, and the window's own picture is never drawn into.

#include "present/draw/FlightCanvas.h"

#include <gtest/gtest.h>

#include "DrawTestSupport.h"
#include "present/draw/TableDrawing.h"

namespace zendral {
namespace {

class FlightCanvasTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureGuiApp(); }
};

// The whole window as the flight paints it now.
QImage Painted(const FlightCanvas& flight) {
  QImage out(flight.snapshot().size(), flight.snapshot().format());
  out.setDevicePixelRatio(flight.snapshot().devicePixelRatio());
  out.fill(Qt::magenta);
  QPainter p(&out);
  flight.Paint(p, QRect(QPoint(0, 0), flight.snapshot().deviceIndependentSize().toSize()));
  return out;
}

TEST_F(FlightCanvasTest, EachStepChangesOnlyWhatTheRefreshCoversAndTheEndRestoresAll) {
  for (qreal dpr : {1.0, 2.0}) {
    TableArt art(kSmallWindow, {760, 500}, dpr);
    QImage window = testing::TableSurface(art);
    {
      QPainter p(&window);
      DrawBackground(p, art, {0, 0, 760, 500});
    }
    const QImage untouched = window.copy();
    const TCardCode card(9, kHearts);
    const PixelPoint start{300, 394};
    const PixelPoint target = FlightTarget(art.scale(), art.place().layout, card);
    FlightCanvas flight(window, CardSprite(art, card), start);
    FlightPath path(start, target);
    QImage shown = Painted(flight);  // the window as the player sees it
    EXPECT_NE(shown, window) << "the sprite shows at the start";
    int steps = 0;
    QImage before = shown;
    while (!path.AtTarget()) {
      const QRect refresh = flight.MoveTo(path.Step());
      ++steps;
      ASSERT_TRUE(refresh.contains(flight.SpriteRect())) << steps;
      // Outside the refresh rectangle the picture did not change this step.
      const QImage after = Painted(flight);
      const QRect device(refresh.x() * dpr, refresh.y() * dpr, refresh.width() * dpr,
                         refresh.height() * dpr);
      for (int y = 0; y < before.height(); y += 7) {
        for (int x = 0; x < before.width(); x += 7) {
          if (device.contains(x, y)) continue;
          ASSERT_EQ(before.pixel(x, y), after.pixel(x, y)) << steps;
        }
      }
      before = after;
      // The window repaints only the refresh rectangle, as the table does.
      QPainter p(&shown);
      flight.Paint(p, refresh);
    }
    EXPECT_EQ(steps, path.StepCount());
    EXPECT_EQ(flight.SpriteRect().topLeft(), QPoint(target.x, target.y));
    // The card shows where it landed, and nowhere along its way.
    const QRect landed = flight.SpriteRect();
    EXPECT_EQ(shown, Painted(flight)) << "the refreshed window matches the whole picture";
    EXPECT_NE(shown.pixel(landed.center() * dpr), window.pixel(landed.center() * dpr));
    const QPoint midway((start.x + target.x) / 2 + 35, (start.y + target.y) / 2 + 48);
    EXPECT_EQ(shown.pixel(midway * dpr), window.pixel(midway * dpr));

    const QRect erase = flight.Erase();
    EXPECT_TRUE(erase.contains(landed));
    {
      QPainter p(&shown);
      flight.Paint(p, erase);
    }
    EXPECT_EQ(shown, window) << "erased at the end, as the flight found it";
    EXPECT_EQ(window, untouched) << "the flight draws nothing into the window's picture";
  }
}

}  // namespace
}  // namespace zendral
