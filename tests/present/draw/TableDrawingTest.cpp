// Drawing the cards: what each hand slot and layout cell shows, the order in which cards
// cover one another, and the highlight of a playable card.

#include "present/draw/TableDrawing.h"

#include <gtest/gtest.h>

#include "DrawTestSupport.h"

namespace zendral {
namespace {

using testing::SameRegion;
using testing::TableSurface;

class TableDrawingTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureGuiApp(); }
};

Hand HandOf(std::initializer_list<TCardCode> cards) {
  Hand hand;
  int slot = 1;
  for (TCardCode c : cards) hand[slot++] = c;
  hand.CardCount = static_cast<int>(cards.size());
  return hand;
}

// Whether the card picture shows at a window position: every opaque pixel of the picture in
// the rectangle (relative to the card) matches the surface.
bool ShowsCard(const QImage& surface, const QPixmap& card, QPoint at, const QRect& part) {
  const QImage pic = card.toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = part.top(); y <= part.bottom(); ++y) {
    for (int x = part.left(); x <= part.right(); ++x) {
      const QRgb c = pic.pixel(x, y);
      if (qAlpha(c) != 255) continue;
      if ((surface.pixel(at.x() + x, at.y() + y) & 0xFFFFFF) != (c & 0xFFFFFF)) return false;
    }
  }
  return true;
}

TEST_F(TableDrawingTest, HandShowsEachSlotOnTheStripTheNextCardLeaves) {
  for (int windowSize : {kSmallWindow, kAverageWindow1, kLargeWindow}) {
    TableArt art(windowSize, ClientAreaFor(windowSize, {}), 1.0);
    const Hand hand = HandOf({TCardCode(1, kHearts), TCardCode(4, kHearts), TCardCode(9, kClubs),
                              TCardCode(2, kDiamonds), TCardCode(6, kDiamonds),
                              TCardCode(3, kSpades), TCardCode(8, kSpades), TCardCode(9, kSpades)});
    const HandFan fan = art.Arrange(hand.CardCount);
    QImage surface = TableSurface(art);
    QPainter p(&surface);
    DrawHand(p, art, kSeat2, hand, fan, false);
    DrawHand(p, art, kSeat1, hand, fan, false);
    p.end();
    const CardMetrics& m = art.card();
    for (int slot = 1; slot <= hand.CardCount; ++slot) {
      const QRect strip(0, 0, fan.VisibleWidth(slot), m.height);
      const QPoint at2(art.place().hand[kSeat2].left + fan.X(slot), art.place().hand[kSeat2].top);
      const QPoint at1(art.place().hand[kSeat1].left + fan.X(slot), art.place().hand[kSeat1].top);
      EXPECT_TRUE(ShowsCard(surface, art.Face(hand[slot]), at2, strip))
          << windowSize << " " << slot;
      EXPECT_TRUE(ShowsCard(surface, art.Back(), at1, strip)) << windowSize << " " << slot;
      EXPECT_FALSE(ShowsCard(surface, art.Face(hand[slot]), at1, strip)) << "seat 1 is hidden";
    }
  }
}

TEST_F(TableDrawingTest, SeatOneShowsItsFacesOnlyWhenAsked) {
  TableArt art(kSmallWindow, {760, 500}, 1.0);
  const Hand hand = HandOf({TCardCode(5, kClubs), TCardCode(7, kClubs)});
  const HandFan fan = art.Arrange(2);
  QImage surface = TableSurface(art);
  QPainter p(&surface);
  DrawHand(p, art, kSeat1, hand, fan, true);
  p.end();
  const PixelRect& area = art.place().hand[kSeat1];
  EXPECT_TRUE(ShowsCard(surface, art.Face(hand[1]), QPoint(area.left + fan.X(1), area.top),
                        QRect(0, 0, 71, 96)));
}

TEST_F(TableDrawingTest, HandClearsItsAreaAndSkipsEmptySlots) {
  TableArt art(kSmallWindow, {760, 500}, 1.0);
  const HandFan fan = art.Arrange(3);
  Hand hand = HandOf({TCardCode(1, kHearts), TCardCode(2, kHearts), TCardCode(3, kHearts)});
  hand[3] = kEmptyCard;  // the card has just left; the fan is not arranged again yet
  QImage surface = TableSurface(art);
  QImage felt = TableSurface(art);
  {
    QPainter f(&felt);
    DrawBackground(f, art, {0, 0, 760, 500});
  }
  QPainter p(&surface);
  DrawHand(p, art, kSeat2, hand, fan, false);
  p.end();
  const PixelRect& area = art.place().hand[kSeat2];
  const QRect third(area.left + fan.X(3), area.top, 71, 96);
  EXPECT_TRUE(SameRegion(surface, felt, third.adjusted(2, 0, 0, 0)));
  // Nothing outside the hand area was touched.
  EXPECT_EQ(surface.pixel(area.left - 1, area.top), qRgb(1, 2, 3));
  EXPECT_EQ(surface.pixel(area.left, area.top - 1), qRgb(1, 2, 3));
}

TEST_F(TableDrawingTest, LayoutRowsCoverTheRowAboveAndCardsTheirLeftNeighbour) {
  for (int windowSize : {kSmallWindow, kAverageWindow2, kLargeWindow}) {
    TableArt art(windowSize, ClientAreaFor(windowSize, {}), 1.0);
    Layout layout;
    for (TCardCode c : {TCardCode(4, kHearts), TCardCode(4, kDiamonds), TCardCode(5, kDiamonds),
                        TCardCode(4, kSpades)}) {
      layout.Put(c);
    }
    QImage surface = TableSurface(art);
    QPainter p(&surface);
    DrawLayout(p, art, layout);
    p.end();
    const PixelRect& area = art.place().layout;
    auto at = [&](TCardCode c) {
      const PixelPoint o = LayoutCellOffset(art.scale(), c.suit, c.rank);
      return QPoint(area.left + o.x, area.top + o.y);
    };
    const CardMetrics& m = art.card();
    // The nine of hearts is whole: it lies over the lower part of the nine of diamonds.
    EXPECT_TRUE(ShowsCard(surface, art.Face(TCardCode(4, kHearts)), at(TCardCode(4, kHearts)),
                          QRect(0, 0, m.width, m.height)))
        << windowSize;
    // The ten of diamonds covers the right part of the nine of diamonds, down to where the
    // hearts row begins.
    const int visible = at(TCardCode(4, kHearts)).y() - at(TCardCode(4, kDiamonds)).y();
    EXPECT_TRUE(ShowsCard(surface, art.Face(TCardCode(5, kDiamonds)), at(TCardCode(5, kDiamonds)),
                          QRect(0, 0, m.width, visible)))
        << windowSize;
    const int left = at(TCardCode(5, kDiamonds)).x() - at(TCardCode(4, kDiamonds)).x();
    EXPECT_TRUE(ShowsCard(surface, art.Face(TCardCode(4, kDiamonds)), at(TCardCode(4, kDiamonds)),
                          QRect(0, 0, left, visible)))
        << windowSize;
    // Empty cells show the felt: the six of clubs was never laid.
    const QPoint clubs = at(TCardCode(1, kClubs));
    QImage felt = TableSurface(art);
    {
      QPainter f(&felt);
      DrawBackground(f, art, {0, 0, art.client().width, art.client().height});
    }
    EXPECT_TRUE(SameRegion(surface, felt, QRect(clubs.x() + 5, clubs.y() + 5, 10, 10)))
        << windowSize;
  }
}

TEST_F(TableDrawingTest, HighlightInvertsTheVisibleStripOnlyAndTogglesBack) {
  for (int windowSize : {kSmallWindow, kAverageWindow1}) {
    TableArt art(windowSize, ClientAreaFor(windowSize, {}), 1.0);
    const Hand hand = HandOf({TCardCode(1, kClubs), TCardCode(2, kClubs), TCardCode(3, kClubs),
                              TCardCode(4, kClubs), TCardCode(5, kClubs), TCardCode(6, kClubs),
                              TCardCode(7, kClubs), TCardCode(8, kClubs)});
    const HandFan fan = art.Arrange(8);
    QImage before = TableSurface(art);
    {
      QPainter p(&before);
      DrawHand(p, art, kSeat2, hand, fan, false);
    }
    QImage after = before.copy();
    {
      QPainter p(&after);
      HighlightCard(p, art, kSeat2, fan, 3);
    }
    const PixelRect& area = art.place().hand[kSeat2];
    const CardMetrics& m = art.card();
    const int left = area.left + fan.X(3);
    const int strip = fan.VisibleWidth(3);
    // Inside the strip every pixel is inverted; the next card and the corners are untouched.
    const QRect inside(left + 2, area.top + m.height / 4, strip - 4, m.height / 2);
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
      for (int x = inside.left(); x <= inside.right(); ++x) {
        ASSERT_EQ(after.pixel(x, y) & 0xFFFFFF, ~before.pixel(x, y) & 0xFFFFFF) << x << "," << y;
      }
    }
    EXPECT_TRUE(
        SameRegion(after, before, QRect(left + strip, area.top, m.width - strip, m.height)));
    EXPECT_EQ(after.pixel(left, area.top), before.pixel(left, area.top)) << "corner kept";
    EXPECT_EQ(after.pixel(left, area.top + m.height - 1),
              before.pixel(left, area.top + m.height - 1));
    {
      QPainter p(&after);
      HighlightCard(p, art, kSeat2, fan, 3);
    }
    EXPECT_EQ(after, before) << "a second highlight restores the card";
  }
}

TEST_F(TableDrawingTest, TheLastCardIsHighlightedWhole) {
  TableArt art(kSmallWindow, {760, 500}, 1.0);
  const Hand hand = HandOf({TCardCode(1, kClubs), TCardCode(2, kClubs)});
  const HandFan fan = art.Arrange(2);  // side by side: each card is whole
  QImage before = TableSurface(art);
  {
    QPainter p(&before);
    DrawHand(p, art, kSeat2, hand, fan, false);
  }
  for (int slot : {1, 2}) {
    QImage after = before.copy();
    {
      QPainter p(&after);
      HighlightCard(p, art, kSeat2, fan, slot);
    }
    const int left = art.place().hand[kSeat2].left + fan.X(slot);
    const int top = art.place().hand[kSeat2].top;
    EXPECT_EQ(after.pixel(left + 68, top + 48) & 0xFFFFFF,
              ~before.pixel(left + 68, top + 48) & 0xFFFFFF);
    EXPECT_EQ(after.pixel(left + 70, top + 48), before.pixel(left + 70, top + 48)) << "frame kept";
  }
}

}  // namespace
}  // namespace zendral
