#include "CardFaces.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "CourtFigures.h"
#include "SuitShapes.h"

namespace zendral::art {

namespace {

constexpr int kAceRank = 9;
const char* const kRankText[] = {"", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};

// The rank of an index as a path: a bold serif scaled to a cap height, squeezed sideways
// when it would be wider than the index column ("10").
QPainterPath RankGlyph(const QString& text, double centreX, double top, double capHeight,
                       double maxWidth) {
  QFont font("DejaVu Serif");
  font.setBold(true);
  font.setPixelSize(100);
  const double cap = QFontMetricsF(font).capHeight();
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF bounds = path.boundingRect();
  const double scaleY = capHeight / cap;
  const double scaleX = std::min(scaleY, maxWidth / bounds.width());
  QTransform t;
  t.translate(centreX, top + capHeight);
  t.scale(scaleX, scaleY);
  t.translate(-bounds.center().x(), 0);
  return t.map(path);
}

struct IndexPlace {
  double centreX, top, capHeight, maxWidth;
  double suitTop, suitSize;
};

constexpr IndexPlace kSmallIndex{8.5, 4, 10, 11, 17, 9};
constexpr IndexPlace kLargeIndex{16, 9, 20, 22, 35, 16};

void PaintIndex(QPainter& p, const QSizeF& size, int rank, int suit, bool small) {
  const IndexPlace& s = small ? kSmallIndex : kLargeIndex;
  const QColor ink = SuitColour(suit);
  for (int corner = 0; corner < 2; ++corner) {
    p.save();
    if (corner == 1) {
      p.translate(size.width(), size.height());
      p.rotate(180);
    }
    p.fillPath(RankGlyph(kRankText[rank], s.centreX, s.top, s.capHeight, s.maxWidth), ink);
    const QRectF pip(s.centreX - s.suitSize / 2, s.suitTop, s.suitSize, s.suitSize);
    p.fillPath(SuitPathIn(suit, pip), ink);
    p.restore();
  }
}

// A pip: the suit symbol with a faint darker edge so it stays clean on the white card.
void PaintPip(QPainter& p, int suit, QPointF centre, double size, bool upsideDown) {
  p.save();
  p.translate(centre);
  if (upsideDown) p.rotate(180);
  const QPainterPath path = SuitPathIn(suit, QRectF(-size / 2, -size / 2, size, size));
  p.fillPath(path, SuitColour(suit));
  p.restore();
}

// Pip places by rank, as fractions: column 0 left, 0.5 centre, 1 right; row 0 top … 1 bottom.
struct PipPlace {
  double column, row;
};

std::vector<PipPlace> PipPlaces(int rank) {
  const double third = 1.0 / 3, sixth = 1.0 / 6;
  std::vector<PipPlace> places;
  auto sides = [&](std::initializer_list<double> rows) {
    for (double r : rows) {
      places.push_back({0, r});
      places.push_back({1, r});
    }
  };
  switch (rank) {
    case 1:  // six
      sides({0, 0.5, 1});
      break;
    case 2:  // seven
      sides({0, 0.5, 1});
      places.push_back({0.5, 0.25});
      break;
    case 3:  // eight
      sides({0, 0.5, 1});
      places.push_back({0.5, 0.25});
      places.push_back({0.5, 0.75});
      break;
    case 4:  // nine
      sides({0, third, 2 * third, 1});
      places.push_back({0.5, 0.5});
      break;
    case 5:  // ten
      sides({0, third, 2 * third, 1});
      places.push_back({0.5, sixth});
      places.push_back({0.5, 1 - sixth});
      break;
  }
  return places;
}

void PaintPips(QPainter& p, int rank, int suit, bool small) {
  const double left = small ? 22.5 : 44, right = small ? 48.5 : 102;
  const double top = small ? 17 : 41, bottom = small ? 79 : 157;
  const double size = small ? 13 : 27;
  for (const PipPlace& place : PipPlaces(rank)) {
    const QPointF centre(left + (right - left) * place.column, top + (bottom - top) * place.row);
    PaintPip(p, suit, centre, size, place.row > 0.5 + 1e-9);
  }
}

void PaintAce(QPainter& p, int suit, const QSizeF& size, bool small) {
  const QPointF centre(size.width() / 2, size.height() / 2);
  const double pip = (suit == kSpadesRow ? 0.56 : 0.46) * size.width();
  // A fine double ring of the card's ink behind the big pip.
  if (!small) {
    p.save();
    QColor ring = SuitColour(suit);
    ring.setAlpha(70);
    p.setPen(QPen(ring, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 52, 52);
    p.drawEllipse(centre, 48, 48);
    for (int i = 0; i < 24; ++i) {
      p.save();
      p.translate(centre);
      p.rotate(i * 15);
      p.setBrush(ring);
      p.drawEllipse(QPointF(0, -50), 1.3, 1.3);
      p.restore();
    }
    p.restore();
  }
  const QPainterPath big =
      SuitPathIn(suit, QRectF(centre.x() - pip / 2, centre.y() - pip / 2, pip, pip));
  p.fillPath(big, SuitColour(suit));
  if (suit == kSpadesRow) {
    // The ace of spades carries an inlaid line and a small bright heart of the blade.
    QTransform inner;
    inner.translate(centre.x(), centre.y() - pip * 0.03);
    inner.scale(0.78, 0.78);
    inner.translate(-centre.x(), -centre.y());
    p.save();
    p.setPen(QPen(QColor(250, 250, 245), small ? 0.8 : 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(inner.map(big));
    p.restore();
    const double gem = pip * 0.16;
    p.fillPath(
        SuitPathIn(kDiamondsRow, QRectF(centre.x() - gem / 2, centre.y() - gem * 0.75, gem, gem)),
        QColor(212, 175, 55));
  }
}

}  // namespace

void PaintCardBlank(QImage& image, bool small) {
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = image.width(), h = image.height();
  if (small) {
    p.fillRect(QRectF(1, 1, w - 2, h - 2), QColor(255, 255, 255));
    p.fillRect(QRectF(1, 0, w - 2, 1), Qt::black);
    p.fillRect(QRectF(1, h - 1, w - 2, 1), Qt::black);
    p.fillRect(QRectF(0, 1, 1, h - 2), Qt::black);
    p.fillRect(QRectF(w - 1, 1, 1, h - 2), Qt::black);
    return;
  }
  QLinearGradient paper(0, 0, w, h);
  paper.setColorAt(0, QColor(255, 255, 253));
  paper.setColorAt(1, QColor(244, 241, 232));
  p.setBrush(paper);
  p.setPen(QPen(QColor(70, 70, 70), 1.2));
  p.drawRoundedRect(QRectF(0.6, 0.6, w - 1.2, h - 1.2), 15, 15);
}

QImage PaintFace(int rank, int suit, bool small) {
  const QSize size = small ? kSmallCard : kLargeCard;
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  PaintCardBlank(image, small);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  if (rank >= kJackRank && rank <= kKingRank) {
    const QRectF frame = small ? QRectF(15.5, 9.5, 40, 77) : QRectF(31.5, 20.5, 83, 157);
    PaintCourtPicture(p, frame, rank, suit, small);
  } else if (rank == kAceRank) {
    PaintAce(p, suit, QSizeF(size), small);
  } else {
    PaintPips(p, rank, suit, small);
  }
  PaintIndex(p, QSizeF(size), rank, suit, small);
  return image;
}

}  // namespace zendral::art
