#include "app/main/MenuPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/main/MenuGeometry.h"
#include "present/draw/SuitShape.h"

namespace zendral {

namespace {

// The lamps' colours, one for each of the six pictures.
const std::array<QColor, kLampPictures> kLampColours{QColor(255, 40, 40),  QColor(255, 160, 0),
                                                     QColor(255, 240, 60), QColor(60, 230, 60),
                                                     QColor(60, 200, 255), QColor(230, 80, 255)};

QPointF Polar(QPointF centre, double radius, double degrees) {
  const double a = degrees * std::numbers::pi / 180.0;
  return {centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a)};
}

QPainterPath Star(QPointF centre, double outer, double inner, double turn) {
  QPainterPath path;
  for (int k = 0; k < 10; ++k) {
    const QPointF p = Polar(centre, k % 2 == 0 ? outer : inner, turn - 90 + k * 36);
    if (k == 0) {
      path.moveTo(p);
    } else {
      path.lineTo(p);
    }
  }
  path.closeSubpath();
  return path;
}

// A card suit drawn in a square of the given size centred at a point: 0 hearts, 1 diamonds,
// 2 clubs, 3 spades.
void DrawSuit(QPainter& p, int suit, QPointF c, double size) {
  const double r = size / 2;
  p.setPen(Qt::NoPen);
  p.setBrush(suit < 2 ? QColor(220, 20, 30) : QColor(20, 20, 30));
  p.drawPath(SuitShapeIn(suit + 1, QRectF(c.x() - r, c.y() - r, size, size)));
}

QImage NewImage(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// The face of a card, 44 x 62, with its suit in the middle and in the corners.
void DrawCard(QPainter& p, QPointF centre, double angle, int suit, double width = 44) {
  const double height = width * 62 / 44;
  p.save();
  p.translate(centre);
  p.rotate(angle);
  p.setPen(QPen(QColor(60, 60, 60), 1.2));
  p.setBrush(QColor(252, 250, 240));
  p.drawRoundedRect(QRectF(-width / 2, -height / 2, width, height), 4, 4);
  DrawSuit(p, suit, {0, 0}, width * 0.5);
  DrawSuit(p, suit, {-width / 2 + 7, -height / 2 + 8}, 9);
  DrawSuit(p, suit, {width / 2 - 7, height / 2 - 8}, 9);
  p.restore();
}

// The back of a card, the same size.
void DrawBack(QPainter& p, QPointF centre, double scaleX, double width = 44) {
  const double height = width * 62 / 44;
  p.save();
  p.translate(centre);
  p.scale(std::max(0.04, std::abs(scaleX)), 1.0);
  p.setPen(QPen(QColor(240, 240, 240), 2));
  p.setBrush(QColor(30, 60, 160));
  p.drawRoundedRect(QRectF(-width / 2, -height / 2, width, height), 4, 4);
  p.setPen(QPen(QColor(220, 190, 80), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(-width / 2 + 5, -height / 2 + 5, width - 10, height - 10), 3, 3);
  p.setBrush(QColor(220, 190, 80));
  p.setPen(Qt::NoPen);
  p.drawPath(Star({0, 0}, width * 0.28, width * 0.12, 0));
  p.restore();
}

}  // namespace

// "GClockBG": a dark glass face in a golden frame.
void DrawClockFace(QPainter& p, const QRectF& r) {
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient frame(r.topLeft(), r.bottomLeft());
  frame.setColorAt(0, QColor(250, 220, 120));
  frame.setColorAt(1, QColor(150, 100, 30));
  p.setPen(QPen(QColor(90, 60, 10), 1));
  p.setBrush(frame);
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
  QLinearGradient glass(r.topLeft(), r.bottomLeft());
  glass.setColorAt(0, QColor(30, 40, 50));
  glass.setColorAt(1, QColor(5, 10, 15));
  p.setBrush(glass);
  p.drawRoundedRect(r.adjusted(6, 6, -6, -6), 6, 6);
}

// "GBClock0" … "GBClock9": a digit of seven lit segments, 18 x 34.
void DrawDigit(QPainter& p, QPointF at, int digit) {
  static constexpr std::array<unsigned, 10> kSegments{0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                                      0x6D, 0x7D, 0x07, 0x7F, 0x6F};
  const double w = 18, h = 34, t = 3.5;
  const std::array<QRectF, 7> segments{QRectF(t, 0, w - 2 * t, t),
                                       QRectF(w - t, t, t, h / 2 - 1.5 * t),
                                       QRectF(w - t, h / 2 + t / 2, t, h / 2 - 1.5 * t),
                                       QRectF(t, h - t, w - 2 * t, t),
                                       QRectF(0, h / 2 + t / 2, t, h / 2 - 1.5 * t),
                                       QRectF(0, t, t, h / 2 - 1.5 * t),
                                       QRectF(t, h / 2 - t / 2, w - 2 * t, t)};
  const unsigned lit = kSegments[static_cast<std::size_t>(digit % 10)];
  p.setPen(Qt::NoPen);
  for (std::size_t k = 0; k < segments.size(); ++k) {
    p.setBrush((lit >> k) & 1u ? QColor(80, 255, 120) : QColor(16, 34, 22));
    p.drawRoundedRect(segments[k].translated(at), 1.2, 1.2);
  }
}

QImage PaintLampPicture(int index) {
  QImage image = NewImage(kLampWidth, kLampHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor colour = kLampColours[static_cast<std::size_t>(((index % 6) + 6) % 6)];
  // The socket, then the glowing bulb with its highlight.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 90, 30));
  p.drawRect(QRectF(6, 0, 8, 7));
  QRadialGradient glow(QPointF(10, 17), 10);
  glow.setColorAt(0, Qt::white);
  glow.setColorAt(0.35, colour);
  glow.setColorAt(1, colour.darker(220));
  p.setBrush(glow);
  p.drawEllipse(QRectF(2, 6, 16, 22));
  p.setBrush(QColor(255, 255, 255, 170));
  p.drawEllipse(QRectF(6, 10, 4, 6));
  return image;
}

QImage PaintDecorationPicture(bool right) {
  QImage image = NewImage(kDecorationWidth, kDecorationHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gold(0, 0, kDecorationWidth, 0);
  gold.setColorAt(0, QColor(150, 100, 20));
  gold.setColorAt(0.5, QColor(255, 225, 120));
  gold.setColorAt(1, QColor(150, 100, 20));
  // The arch that carries the three lamps.
  QPainterPath arch;
  // It stays inside the lamp cells' reach, clear of the icon columns when the calendar pushes
  // the decorations outwards.
  arch.moveTo(14, 60);
  arch.quadTo(50, -20, 86, 60);
  p.setPen(QPen(QBrush(gold), 5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arch);
  // The column with its capital and base.
  p.setPen(QPen(QColor(90, 60, 10), 1));
  p.setBrush(gold);
  p.drawRect(QRectF(42, 44, 16, 130));
  p.drawRoundedRect(QRectF(32, 40, 36, 10), 3, 3);
  p.drawRoundedRect(QRectF(26, 172, 48, 14), 4, 4);
  p.drawRoundedRect(QRectF(18, 186, 64, 12), 4, 4);
  // A shield on the column with the suits of this side.
  p.setBrush(QColor(120, 20, 40));
  QPainterPath shield;
  shield.moveTo(30, 80);
  shield.lineTo(70, 80);
  shield.lineTo(70, 112);
  shield.quadTo(50, 140, 30, 112);
  shield.closeSubpath();
  p.setPen(QPen(QBrush(gold), 3));
  p.drawPath(shield);
  DrawSuit(p, right ? 1 : 0, {42, 98}, 14);
  DrawSuit(p, right ? 3 : 2, {58, 98}, 14);
  p.setBrush(QColor(255, 230, 140));
  p.setPen(Qt::NoPen);
  p.drawPath(Star({50, 150}, 9, 4, right ? 18 : 0));
  return image;
}

QImage PaintMenuGifFrame(int which, int frame) {
  QImage image = NewImage(kGifWidth, kGifHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double turn = 360.0 * frame / kMenuGifFrames;
  if (which == 1) {
    // Four cards fan out and close again while a star spins behind them.
    p.setBrush(QColor(255, 220, 90, 200));
    p.setPen(Qt::NoPen);
    p.drawPath(Star({80, 92}, 70, 30, turn / 4));
    const double spread = 10 + 12 * std::sin(turn * std::numbers::pi / 180.0);
    for (int k = 0; k < 4; ++k) {
      const double angle = (k - 1.5) * spread;
      DrawCard(p, Polar({80, 150}, 55, -90 + angle), angle, k, 50);
    }
  } else {
    // A card turns over and over: its back, then its face, under four circling suits.
    const double s = std::cos(turn * std::numbers::pi / 180.0);
    if (s >= 0) {
      DrawBack(p, {80, 100}, s, 70);
    } else {
      p.save();
      p.translate(80, 100);
      p.scale(std::max(0.04, -s), 1.0);
      DrawCard(p, {0, 0}, 0, 3, 70);
      p.restore();
    }
    for (int k = 0; k < 4; ++k) DrawSuit(p, k, Polar({80, 100}, 68, turn + 90 * k), 20);
  }
  return image;
}

std::vector<QImage> PaintMenuGif(int which) {
  std::vector<QImage> frames;
  for (int f = 0; f < kMenuGifFrames; ++f) frames.push_back(PaintMenuGifFrame(which, f));
  return frames;
}

QImage PaintMenuIcon(const QString& name) {
  QImage image = NewImage(kMenuIconSize, kMenuIconSize);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(2, 2, 44, 44);
  if (name == "Android") {
    // A little green robot.
    p.setPen(QPen(QColor(60, 140, 20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 6), QPointF(19, 12));
    p.drawLine(QPointF(33, 6), QPointF(29, 12));
    p.setPen(QPen(QColor(40, 100, 10), 1));
    p.setBrush(QColor(130, 200, 40));
    p.drawChord(QRectF(10, 8, 28, 24), 0, 180 * 16);
    p.drawRoundedRect(QRectF(10, 22, 28, 20), 4, 4);
    p.drawRoundedRect(QRectF(3, 22, 6, 16), 3, 3);
    p.drawRoundedRect(QRectF(39, 22, 6, 16), 3, 3);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(17, 14, 4, 4));
    p.drawEllipse(QRectF(27, 14, 4, 4));
  } else if (name == "ImHp") {
    // A blue ball with a question mark.
    QRadialGradient ball(QPointF(18, 16), 28);
    ball.setColorAt(0, QColor(140, 200, 255));
    ball.setColorAt(1, QColor(10, 60, 170));
    p.setPen(QPen(QColor(0, 30, 100), 1));
    p.setBrush(ball);
    p.drawEllipse(r);
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(32);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, "?");
  } else if (name == "ImTR") {
    // A golden cup on a plinth.
    QLinearGradient gold(0, 0, 48, 0);
    gold.setColorAt(0, QColor(170, 110, 10));
    gold.setColorAt(0.5, QColor(255, 230, 110));
    gold.setColorAt(1, QColor(170, 110, 10));
    p.setPen(QPen(QColor(110, 70, 0), 1));
    p.setBrush(gold);
    QPainterPath cup;
    cup.moveTo(11, 5);
    cup.lineTo(37, 5);
    cup.cubicTo(37, 22, 30, 28, 24, 29);
    cup.cubicTo(18, 28, 11, 22, 11, 5);
    p.drawPath(cup);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 150, 40), 3));
    p.drawArc(QRectF(3, 8, 12, 12), 90 * 16, 180 * 16);
    p.drawArc(QRectF(33, 8, 12, 12), -90 * 16, 180 * 16);
    p.setPen(QPen(QColor(110, 70, 0), 1));
    p.setBrush(gold);
    p.drawRect(QRectF(21, 29, 6, 7));
    p.drawRoundedRect(QRectF(13, 36, 22, 9), 2, 2);
    p.setBrush(QColor(200, 30, 30));
    p.setPen(Qt::NoPen);
    p.drawPath(Star({24, 15}, 6, 2.6, 0));
  } else if (name == "GooglePlay") {
    // A coloured play triangle.
    const std::array<QColor, 4> colours{QColor(0, 200, 120), QColor(0, 160, 255),
                                        QColor(255, 60, 60), QColor(255, 200, 0)};
    const QPointF a(10, 4), b(10, 44), c(42, 24), m(24, 24);
    const std::array<std::array<QPointF, 3>, 4> parts{
        {{a, m, QPointF(10, 24)}, {QPointF(10, 24), m, b}, {a, c, m}, {m, c, b}}};
    p.setPen(Qt::NoPen);
    for (std::size_t k = 0; k < parts.size(); ++k) {
      p.setBrush(colours[k]);
      p.drawPolygon(parts[k].data(), 3);
    }
  }
  return image;
}

int StillGifFrame(int which) {
  return which == 1 ? 0 : 4;
}

}  // namespace zendral
