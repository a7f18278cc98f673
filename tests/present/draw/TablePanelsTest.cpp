// The panels: which fields a score tab redraws and in which ink, the turn marker, the kon
// panel's bank picture, and the name plate's fitting of long names.

#include "present/draw/TablePanels.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <functional>

#include "DrawTestSupport.h"
#include "present/draw/TableDrawing.h"

namespace zendral {
namespace {

using testing::CountPixels;
using testing::SameRegion;
using testing::TableSurface;

class TablePanelsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureGuiApp(); }
};

QRect Field(const PixelRect& panel, const TextBand& band) {
  const PixelRect f = band.Field();
  return QRect(panel.left + f.left, panel.top + f.top, f.width, f.height);
}

TEST_F(TablePanelsTest, ScoreTabFieldsTakeTheirInkAndTheSpecialValues) {
  TableArt art(kSmallWindow, {760, 500}, 1.0);
  const PixelRect& tab = art.place().scoreTab[kSeat2];
  const ScoreTabParts parts = ScoreTabLayout(art.scale(), 100);
  const QRect score = Field(tab, parts.score), fines = Field(tab, parts.fines),
              penalty = Field(tab, parts.penalty);

  QImage board = TableSurface(art);
  {
    QPainter p(&board);
    DrawScoreTab(p, art, kSeat2, kMarkerNone, true, kClearField, kClearField, kClearField);
  }
  QImage drawn = board.copy();
  {
    QPainter p(&drawn);
    DrawScoreTab(p, art, kSeat2, kMarkerNone, false, -3, -4, 12);
  }
  auto near = [](QColor want) {
    return [want](QColor c) {
      return std::abs(c.red() - want.red()) < 40 && std::abs(c.green() - want.green()) < 40 &&
             std::abs(c.blue() - want.blue()) < 40;
    };
  };
  EXPECT_GT(CountPixels(drawn, score, near(QColor(255, 0, 255))), 20);
  EXPECT_GT(CountPixels(drawn, fines, near(QColor(0, 0, 255))), 10);
  EXPECT_GT(CountPixels(drawn, penalty, near(QColor(0, 0, 128))), 10);
  EXPECT_EQ(CountPixels(drawn, fines, near(QColor(255, 0, 255))), 0);

  // Clearing restores the board; keeping leaves whatever is there.
  QImage cleared = drawn.copy();
  {
    QPainter p(&cleared);
    DrawScoreTab(p, art, kSeat2, kMarkerNone, false, kKeepField, kClearField, kKeepField);
  }
  EXPECT_TRUE(SameRegion(cleared, board, fines));
  EXPECT_TRUE(SameRegion(cleared, drawn, score));
  EXPECT_TRUE(SameRegion(cleared, drawn, penalty));

  // A new value replaces the old one instead of being drawn over it.
  QImage redrawn = drawn.copy(), fresh = board.copy();
  {
    QPainter p(&redrawn);
    DrawScoreTab(p, art, kSeat2, kMarkerNone, false, kKeepField, kKeepField, 5);
    QPainter q(&fresh);
    DrawScoreTab(q, art, kSeat2, kMarkerNone, false, kKeepField, kKeepField, 5);
  }
  EXPECT_TRUE(SameRegion(redrawn, fresh, score));
}

TEST_F(TablePanelsTest, ThePlusSignWidensAPositiveScore) {
  TableArt art(kSmallWindow, {760, 500}, 1.0);
  const QRect score = Field(art.place().scoreTab[kSeat1], ScoreTabLayout(art.scale(), 100).score);
  auto inked = [&](int value) {
    QImage image = TableSurface(art);
    QPainter p(&image);
    DrawScoreTab(p, art, kSeat1, kMarkerNone, true, kClearField, kClearField, value);
    p.end();
    int leftmost = score.right();
    for (int x = score.left(); x <= score.right(); ++x) {
      for (int y = score.top(); y <= score.bottom(); ++y) {
        const QColor c = QColor::fromRgb(image.pixel(x, y));
        if (c.red() > 200 && c.green() < 80 && c.blue() > 200) leftmost = std::min(leftmost, x);
      }
    }
    return leftmost;
  };
  EXPECT_LT(inked(5), inked(0));  // "+5" starts further left than "0"
}

TEST_F(TablePanelsTest, TurnMarkerIsDrawnAndErasedOnTheBoard) {
  for (int windowSize : {kSmallWindow, kLargeWindow}) {
    TableArt art(windowSize, ClientAreaFor(windowSize, {}), 1.0);
    const PixelRect& tab = art.place().scoreTab[kSeat1];
    const PixelRect m = ScoreTabLayout(art.scale(), 100).marker;
    const QRect marker(tab.left + m.left, tab.top + m.top, m.width, m.height);
    QImage board = TableSurface(art);
    {
      QPainter p(&board);
      DrawScoreTab(p, art, kSeat1, kMarkerNone, true, kClearField, kClearField, kClearField);
    }
    QImage marked = board.copy();
    {
      QPainter p(&marked);
      DrawScoreTab(p, art, kSeat1, kMarkerDraw, false, kKeepField, kKeepField, kKeepField);
    }
    EXPECT_FALSE(SameRegion(marked, board, marker)) << windowSize;
    EXPECT_TRUE(SameRegion(marked, board, QRect(tab.left, tab.top, tab.width, m.top)));
    {
      QPainter p(&marked);
      DrawScoreTab(p, art, kSeat1, kMarkerErase, false, kKeepField, kKeepField, kKeepField);
    }
    EXPECT_TRUE(SameRegion(marked, board, QRect(tab.left, tab.top, tab.width, tab.height)));
  }
}

// The boards' shadows and corners are partly transparent: a panel drawn again over itself (as
// every move redraws the score tabs) must look as drawn once, not darken at each redraw.
TEST_F(TablePanelsTest, APanelDrawnAgainOverItselfLooksAsDrawnOnce) {
  TableArt art(kSmallWindow, {760, 500}, 1.0);
  const struct {
    const char* name;
    std::function<void(QPainter&)> draw;
  } panels[] = {
      {"local score tab",
       [&](QPainter& p) { DrawScoreTab(p, art, kSeat2, kMarkerDraw, true, 3, 1, -12); }},
      {"opponent's score tab",
       [&](QPainter& p) { DrawScoreTab(p, art, kSeat1, kMarkerErase, true, 0, 0, 40); }},
      {"kon panel", [&](QPainter& p) { DrawKonPanel(p, art, "Game", 3, "Bank:", 6); }},
  };
  for (const auto& panel : panels) {
    SCOPED_TRACE(panel.name);
    QImage once = TableSurface(art), thrice = TableSurface(art);
    for (QImage* image : {&once, &thrice}) {
      QPainter p(image);
      DrawBackground(p, art, {0, 0, art.client().width, art.client().height});
    }
    {
      QPainter p(&once);
      panel.draw(p);
    }
    for (int k = 0; k < 3; ++k) {
      QPainter p(&thrice);
      panel.draw(p);
    }
    EXPECT_EQ(once, thrice);
  }
}

TEST_F(TablePanelsTest, KonPanelShowsTheBankPictureOnlyWhileTheBankHoldsPoints) {
  for (int windowSize : {kSmallWindow, kAverageWindow1, kLargeWindow}) {
    TableArt art(windowSize, ClientAreaFor(windowSize, {}), 1.0);
    const PixelRect& panel = art.place().konPanel;
    const KonPanelParts parts = KonPanelLayout(art.scale(), 100, panel.width, 150, 150);
    const QRect picture(panel.left + parts.bankPicture.left, panel.top + parts.bankPicture.top,
                        parts.bankPicture.width, parts.bankPicture.height);
    QImage empty = TableSurface(art), full = TableSurface(art);
    {
      QPainter p(&empty);
      DrawKonPanel(p, art, "Game", 1, "Bank:", 0);
      QPainter q(&full);
      DrawKonPanel(q, art, "Game", 1, "Bank:", 4);
    }
    const QRect middle = picture.adjusted(picture.width() / 4, picture.height() / 4,
                                          -picture.width() / 4, -picture.height() / 4);
    auto cream = [](QColor c) { return c.red() > 225 && c.green() > 210 && c.blue() > 170; };
    const int area = middle.width() * middle.height();
    EXPECT_EQ(CountPixels(empty, middle, cream), area) << windowSize;
    EXPECT_LT(CountPixels(full, middle, cream), area / 2) << windowSize;
    // Everything is drawn inside the panel.
    EXPECT_EQ(full.pixel(panel.left - 1, panel.top + 5), qRgb(1, 2, 3));
    EXPECT_EQ(full.pixel(panel.left + 5, panel.top + panel.height), qRgb(1, 2, 3));
  }
}

TEST_F(TablePanelsTest, LongNamesShrinkAndTrailingBlanksDoNotCount) {
  for (int windowSize : {kSmallWindow, kLargeWindow}) {
    TableArt art(windowSize, ClientAreaFor(windowSize, {}), 1.0);
    const NamePlateParts parts = NamePlateLayout(art.scale(), 100);
    EXPECT_EQ(NamePlateCellHeight(art, "Ann"), parts.cellHeights[0]);
    EXPECT_EQ(NamePlateCellHeight(art, "Ann                              "), parts.cellHeights[0]);
    // Each name takes the first size at which it fits into 150 units.
    bool shrunk = false;
    for (const QString name : {"Alexandra Konstantinovna", "Alexandra Konstantinovna Petrova"}) {
      const int chosen = NamePlateCellHeight(art, name);
      const auto width = [&](int h) {
        return QFontMetrics(CellFont(art.fonts().small, h, true)).horizontalAdvance(name);
      };
      for (int h : parts.cellHeights) {
        if (h == chosen) break;
        EXPECT_GT(width(h), parts.maxTextWidth) << name.toStdString() << " at " << h;
      }
      if (chosen != parts.cellHeights[2]) {
        EXPECT_LE(width(chosen), parts.maxTextWidth);
      }
      shrunk = shrunk || chosen < parts.cellHeights[0];
    }
    EXPECT_TRUE(shrunk) << windowSize;
    // Even the smallest size is chosen rather than no text at all.
    EXPECT_EQ(NamePlateCellHeight(art, QString(60, 'W')), parts.cellHeights[2]);
  }
}

TEST_F(TablePanelsTest, AnEmptyNameLeavesOnlyTheFelt) {
  TableArt art(kSmallWindow, {760, 500}, 1.0);
  const PixelRect& plate = art.place().namePlate[kSeat1];
  const QRect r(plate.left, plate.top, plate.width, plate.height);
  QImage felt = TableSurface(art), named = TableSurface(art);
  {
    QPainter f(&felt);
    DrawBackground(f, art, {0, 0, 760, 500});
    QPainter p(&named);
    DrawNamePlate(p, art, kSeat1, "PC");
    DrawNamePlate(p, art, kSeat1, "   ");
  }
  EXPECT_TRUE(SameRegion(named, felt, r));
}

TEST_F(TablePanelsTest, BalloonStaysInsideTheWindowAndPointsAtItsAnchor) {
  TableArt art(kSmallWindow, {760, 500}, 1.0);
  for (QPoint anchor : {QPoint(85, 255), QPoint(5, 5), QPoint(755, 495), QPoint(740, 10)}) {
    QImage surface = TableSurface(art);
    QPainter p(&surface);
    const QRect r = DrawBalloon(p, art, anchor, "Current game",
                                {"Total game number: 57", "Number of game in the cycle: 27 / 30"});
    p.end();
    EXPECT_TRUE(QRect(0, 0, 760, 500).adjusted(-1, -1, 1, 1).contains(r)) << anchor.x();
    EXPECT_TRUE(r.contains(anchor)) << anchor.x() << "," << anchor.y();
  }
}

}  // namespace
}  // namespace zendral
