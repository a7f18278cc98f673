// Renders a sample table (a kon in play) at several window sizes and sheets of all faces and
// backs into the build folder, for people to look at: screenshots/*.png.

#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>

#include "DrawTestSupport.h"
#include "present/draw/TableDrawing.h"
#include "present/draw/TablePanels.h"

namespace zendral {
namespace {

class SampleTable : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    testing::EnsureGuiApp();
    QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
  }
  static QString Shot(const QString& name) {
    return QStringLiteral(ZENDRAL_SCREENSHOT_DIR "/") + name;
  }
};

struct Kon {
  Hand seat1, seat2;
  Layout layout;
};

// A kon some moves in: hearts 8 to jack, diamonds 9 and 10, clubs 7 to 9, the nine of spades.
Kon SampleKon() {
  Kon kon;
  for (TCardCode c :
       {TCardCode(3, kHearts), TCardCode(4, kHearts), TCardCode(5, kHearts), TCardCode(6, kHearts),
        TCardCode(4, kDiamonds), TCardCode(5, kDiamonds), TCardCode(2, kClubs),
        TCardCode(3, kClubs), TCardCode(4, kClubs), TCardCode(4, kSpades)}) {
    kon.layout.Put(c);
  }
  int turn = 0;
  for (int k = 1; k <= kDeckSize; ++k) {
    const TCardCode c = CardFromNumber(k);
    if (kon.layout.Has(c)) continue;
    Hand& hand = turn++ % 2 == 0 ? kon.seat2 : kon.seat1;
    hand[++hand.CardCount] = c;
  }
  for (Hand* hand : {&kon.seat1, &kon.seat2}) SortHand(*hand);
  return kon;
}

QImage RenderTable(TableArt& art, const Kon& kon, bool endOfKon) {
  QImage image = testing::TableSurface(art);
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing);
  DrawBackground(p, art, {0, 0, art.client().width, art.client().height});
  const HandFan fan1 = art.Arrange(kon.seat1.CardCount);
  const HandFan fan2 = art.Arrange(kon.seat2.CardCount);
  DrawHand(p, art, kSeat1, kon.seat1, fan1, endOfKon);
  DrawHand(p, art, kSeat2, kon.seat2, fan2, false);
  DrawLayout(p, art, kon.layout);
  DrawScoreTab(p, art, kSeat1, kMarkerNone, true, 0, -4, -6);
  DrawScoreTab(p, art, kSeat2, kMarkerDraw, true, 0, -2, 11);
  DrawKonPanel(p, art, "Game", 3, "Bank:", 10);
  DrawNamePlate(p, art, kSeat1, "PC");
  DrawNamePlate(p, art, kSeat2, "Alexandra   ");
  if (!endOfKon) {
    for (int slot = 1; slot <= kon.seat2.CardCount; ++slot) {
      const TCardCode c = kon.seat2[slot];
      if (IsPlayableOn(kon.layout, c)) HighlightCard(p, art, kSeat2, fan2, slot);
    }
  }
  return image;
}

TEST_F(SampleTable, RendersAtEveryWindowSize) {
  struct Case {
    const char* file;
    int windowSize;
    ClientSize client;
    qreal dpr;
  } cases[] = {
      {"table-size1.png", kSmallWindow, {760, 500}, 1.0},
      {"table-size3.png", kAverageWindow1, {990, 650}, 1.0},
      {"table-size4.png", kAverageWindow2, {1290, 850}, 1.0},
      {"table-size5.png", kLargeWindow, {1520, 1000}, 1.0},
      {"table-full-1520x900.png", kFullScreen, {1520, 900}, 1.0},
      {"table-size1-dpr2.png", kSmallWindow, {760, 500}, 2.0},
  };
  const Kon kon = SampleKon();
  for (const auto& c : cases) {
    TableArt art(c.windowSize, c.client, c.dpr);
    art.SetBackPicture(3);
    const QImage image = RenderTable(art, kon, false);
    EXPECT_EQ(art.missingPictures(), 0) << c.file;
    EXPECT_EQ(art.cards().missing(), 0) << c.file;
    EXPECT_EQ(image.size(), QSize(static_cast<int>(c.client.width * c.dpr),
                                  static_cast<int>(c.client.height * c.dpr)));
    // The felt covers the whole window: nothing of the surface's own colour is left.
    EXPECT_EQ(
        testing::CountPixels(image, image.rect(), [](QColor px) { return px == QColor(1, 2, 3); }),
        0)
        << c.file;
    EXPECT_TRUE(image.save(Shot(c.file))) << c.file;
  }
  TableArt art(kSmallWindow, {760, 500}, 1.0);
  QImage end = RenderTable(art, kon, true);
  QPainter p(&end);
  const PixelRect& panel = art.place().konPanel;
  DrawBalloon(p, art, QPoint(panel.Right() - 20, panel.top + 40), "Current game",
              {"Total game number: 57", "Number of game in the current cycle: 27 / 30"});
  p.end();
  EXPECT_TRUE(end.save(Shot("table-size1-end-of-kon.png")));
}

TEST_F(SampleTable, SheetsOfAllFacesAndBacks) {
  for (int windowSize : {kSmallWindow, kLargeWindow}) {
    TableArt art(windowSize, ClientAreaFor(windowSize, {}), 1.0);
    const CardMetrics& m = art.card();
    const int gap = 6;
    QImage sheet((m.width + gap) * 9 + gap, (m.height + gap) * 5 + gap, QImage::Format_RGB32);
    sheet.fill(QColor(14, 100, 50));
    QPainter p(&sheet);
    for (int suit = 1; suit <= kSuits; ++suit) {
      for (int rank = 1; rank <= kRanks; ++rank) {
        p.drawPixmap(gap + (rank - 1) * (m.width + gap), gap + (suit - 1) * (m.height + gap),
                     art.Face(TCardCode(rank, suit)));
      }
    }
    for (int back = 1; back <= kBackPictures; ++back) {
      art.SetBackPicture(back);
      p.drawPixmap(gap + (back - 1) * (m.width + gap), gap + 4 * (m.height + gap), art.Back());
    }
    p.end();
    EXPECT_TRUE(
        sheet.save(Shot(windowSize == kSmallWindow ? "cards-small.png" : "cards-large.png")));
  }
}

}  // namespace
}  // namespace zendral
