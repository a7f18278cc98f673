#include "TablePictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace zendral::art {

namespace {

// A small fixed generator, so that every build draws the same felt.
class Grain {
 public:
  explicit Grain(std::uint32_t seed) : state_(seed) {}
  double Next() {  // -1 … 1
    state_ = state_ * 1664525u + 1013904223u;
    return ((state_ >> 8) & 0xFFFF) / 32767.5 - 1.0;
  }

 private:
  std::uint32_t state_;
};

// Smooth noise: a coarse grid of random values, bilinearly interpolated.
class Mottle {
 public:
  Mottle(int width, int height, int cell, std::uint32_t seed)
      : cell_(cell), cols_(width / cell + 2), rows_(height / cell + 2) {
    Grain g(seed);
    values_.resize(static_cast<std::size_t>(cols_ * rows_));
    for (double& v : values_) v = g.Next();
  }
  double At(int x, int y) const {
    const double fx = static_cast<double>(x) / cell_, fy = static_cast<double>(y) / cell_;
    const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
    const double tx = fx - x0, ty = fy - y0;
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    auto v = [&](int cx, int cy) { return values_[static_cast<std::size_t>(cy * cols_ + cx)]; };
    const double top = v(x0, y0) * (1 - sx) + v(x0 + 1, y0) * sx;
    const double bottom = v(x0, y0 + 1) * (1 - sx) + v(x0 + 1, y0 + 1) * sx;
    return top * (1 - sy) + bottom * sy;
  }

 private:
  int cell_, cols_, rows_;
  std::vector<double> values_;
};

int Clamp255(double v) {
  return v < 0 ? 0 : v > 255 ? 255 : static_cast<int>(v + 0.5);
}

// A board: a rounded frame filled with a gradient, and a cream field inside it.
void PaintBoard(QPainter& p, const QRectF& outer, double frame, double radius,
                const QColor& frameLight, const QColor& frameDark, bool goldLine) {
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient wood(outer.topLeft(), outer.bottomRight());
  wood.setColorAt(0, frameLight);
  wood.setColorAt(0.5, frameDark);
  wood.setColorAt(1, frameLight.darker(130));
  p.setPen(QPen(frameDark.darker(160), 1));
  p.setBrush(wood);
  p.drawRoundedRect(outer.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  const QRectF field = outer.adjusted(frame, frame, -frame, -frame);
  QLinearGradient cream(field.topLeft(), field.bottomLeft());
  cream.setColorAt(0, QColor(255, 250, 232));
  cream.setColorAt(1, QColor(240, 229, 196));
  p.setPen(QPen(frameDark.darker(170), 1));
  p.setBrush(cream);
  const double inner = std::max(2.0, radius - frame);
  p.drawRoundedRect(field, inner, inner);
  if (goldLine) {
    p.setPen(QPen(QColor(201, 162, 70), 1));
    p.setBrush(Qt::NoBrush);
    const QRectF line = field.adjusted(3, 3, -3, -3);
    p.drawRoundedRect(line, std::max(1.0, inner - 3), std::max(1.0, inner - 3));
  }
  // A highlight along the top of the frame.
  p.setPen(QPen(QColor(255, 255, 255, 70), 1));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(outer.left() + radius, outer.top() + 1.5),
             QPointF(outer.right() - radius, outer.top() + 1.5));
}

void PaintCoin(QPainter& p, QPointF centre, double rx, double ry, double thickness) {
  const QColor rim(168, 120, 22), face(250, 210, 90);
  QPainterPath edge;
  edge.addEllipse(QPointF(centre.x(), centre.y() + thickness), rx, ry);
  edge.addRect(QRectF(centre.x() - rx, centre.y(), 2 * rx, thickness));
  p.setPen(Qt::NoPen);
  p.setBrush(rim);
  p.drawPath(edge.simplified());
  QRadialGradient g(QPointF(centre.x() - rx * 0.3, centre.y() - ry * 0.4), rx * 1.3);
  g.setColorAt(0, QColor(255, 244, 190));
  g.setColorAt(0.6, face);
  g.setColorAt(1, QColor(214, 160, 40));
  p.setPen(QPen(QColor(140, 96, 16), std::max(0.8, rx * 0.04)));
  p.setBrush(g);
  p.drawEllipse(centre, rx, ry);
  p.setPen(QPen(QColor(190, 140, 30), std::max(0.6, rx * 0.03)));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(centre, rx * 0.72, ry * 0.72);
}

}  // namespace

QImage PaintFelt(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  const Mottle coarse(width, height, std::max(8, width / 12), 7);
  const Mottle fine(width, height, std::max(2, width / 190), 11);
  Grain grain(1234);
  const double cx = width / 2.0, cy = height / 2.0;
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const double d = std::hypot((x - cx) / cx, (y - cy) / cy) / std::sqrt(2.0);
      const double light = 1.10 - 0.38 * d * d + 0.035 * coarse.At(x, y) + 0.025 * fine.At(x, y) +
                           0.03 * grain.Next();
      line[x] = qRgb(Clamp255(14 * light), Clamp255(104 * light), Clamp255(52 * light));
    }
  }
  return image;
}

QImage PaintScoreBoard(int factor) {
  QImage image(155 * factor, 95 * factor, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.scale(factor, factor);
  PaintBoard(p, QRectF(0, 0, 155, 95), 6, 10, QColor(150, 92, 48), QColor(92, 50, 22), true);
  // An engraved line between the score and this kon's numbers.
  p.setPen(QPen(QColor(190, 160, 110), 1));
  p.drawLine(QPointF(14, 51.5), QPointF(141, 51.5));
  p.setPen(QPen(QColor(255, 255, 255, 160), 1));
  p.drawLine(QPointF(14, 52.5), QPointF(141, 52.5));
  return image;
}

QImage PaintKonFrame(int factor) {
  QImage image(120 * factor, 150 * factor, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.scale(factor, factor);
  PaintBoard(p, QRectF(0, 0, 120, 150), 5, 12, QColor(228, 190, 92), QColor(150, 108, 32), true);
  // Small gold studs in the corners of the frame.
  p.setPen(QPen(QColor(120, 84, 20), 0.6));
  p.setBrush(QColor(250, 226, 140));
  for (const QPointF c : {QPointF(8, 8), QPointF(112, 8), QPointF(8, 142), QPointF(112, 142)}) {
    p.drawEllipse(c, 2.2, 2.2);
  }
  return image;
}

QImage PaintNamePlate(int factor) {
  QImage image(160 * factor, 20 * factor, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(factor, factor);
  const QRectF r(0.5, 0.5, 159, 19);
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, QColor(246, 190, 52));
  g.setColorAt(0.45, QColor(222, 150, 20));
  g.setColorAt(1, QColor(170, 100, 8));
  p.setPen(QPen(QColor(110, 62, 0), 1));
  p.setBrush(g);
  p.drawRoundedRect(r, 9.5, 9.5);
  p.setPen(QPen(QColor(255, 236, 170, 190), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(10, 2.2), QPointF(150, 2.2));
  return image;
}

QImage PaintBank() {
  QImage image(150, 150, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // Three stacks, the middle one the tallest, and two loose coins in front.
  struct Stack {
    double x, bottom;
    int coins;
  } stacks[] = {{42, 104, 5}, {106, 106, 4}, {74, 96, 8}};
  const double rx = 28, ry = 10, step = 7.5;
  for (const Stack& s : stacks) {
    for (int i = 0; i < s.coins; ++i) PaintCoin(p, QPointF(s.x, s.bottom - i * step), rx, ry, 6);
  }
  PaintCoin(p, QPointF(46, 130), rx, ry, 5);
  PaintCoin(p, QPointF(100, 134), rx, ry, 5);
  return image;
}

QImage PaintPointingHand(int factor) {
  QImage image(30 * factor, 20 * factor, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(factor, factor);
  const QPen outline(QColor(40, 30, 20), factor == 1 ? 0.9 : 0.7, Qt::SolidLine, Qt::RoundCap,
                     Qt::RoundJoin);
  const QColor glove(255, 250, 240);
  // The cuff.
  p.setPen(outline);
  p.setBrush(QColor(200, 30, 40));
  p.drawRoundedRect(QRectF(0.8, 5, 5.2, 12), 1.2, 1.2);
  // The fist, the pointing finger and the thumb.
  QPainterPath hand;
  hand.addRoundedRect(QRectF(5.5, 5.5, 12.5, 12), 3.5, 3.5);
  hand.addRoundedRect(QRectF(13, 6, 16, 4.6), 2.3, 2.3);
  hand = hand.simplified();
  p.setBrush(glove);
  p.drawPath(hand);
  QPainterPath thumb;
  thumb.moveTo(9, 6.5);
  thumb.cubicTo(10, 2.6, 14, 2.4, 16.5, 4.2);
  thumb.cubicTo(17.5, 5.2, 16.5, 6.6, 14.5, 6.3);
  thumb.lineTo(11, 7.5);
  p.drawPath(thumb);
  // The folded fingers.
  p.setBrush(Qt::NoBrush);
  for (double y : {12.3, 15.0}) {
    QPainterPath knuckle;
    knuckle.moveTo(13, y - 1.6);
    knuckle.quadTo(19, y - 1.6, 18.5, y);
    knuckle.quadTo(18, y + 1.2, 13.5, y + 1.2);
    p.drawPath(knuckle);
  }
  return image;
}

QImage PaintMedal() {
  QImage image(128, 168, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // The ribbon: two straps meeting behind the medal.
  const QPen edge(QColor(60, 20, 20), 1);
  p.setPen(edge);
  for (int side = 0; side < 2; ++side) {
    QPainterPath strap;
    const double s = side == 0 ? 1 : -1;
    strap.moveTo(64 - s * 46, 0);
    strap.lineTo(64 - s * 18, 0);
    strap.lineTo(64 + s * 16, 80);
    strap.lineTo(64 - s * 12, 80);
    strap.closeSubpath();
    p.setBrush(side == 0 ? QColor(190, 28, 40) : QColor(30, 70, 160));
    p.drawPath(strap);
  }
  // The disc with a ridged rim and a ring of laurel leaves.
  const QPointF c(64, 110);
  QPainterPath rim;
  for (int i = 0; i <= 72; ++i) {
    const double a = i * std::numbers::pi / 36, r = i % 2 ? 54 : 56;
    const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    i == 0 ? rim.moveTo(pt) : rim.lineTo(pt);
  }
  QRadialGradient gold(QPointF(c.x() - 18, c.y() - 22), 80);
  gold.setColorAt(0, QColor(255, 240, 170));
  gold.setColorAt(0.5, QColor(232, 182, 52));
  gold.setColorAt(1, QColor(160, 110, 20));
  p.setPen(QPen(QColor(120, 80, 10), 1));
  p.setBrush(gold);
  p.drawPath(rim);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(150, 104, 20), 1.4));
  p.drawEllipse(c, 44, 44);
  p.setPen(QPen(QColor(255, 236, 160), 1));
  p.drawEllipse(c, 42.5, 42.5);
  p.setPen(QPen(QColor(120, 84, 12), 0.7));
  p.setBrush(QColor(214, 164, 44));
  for (int i = 0; i < 28; ++i) {
    if (i == 0 || i == 27 || i == 13 || i == 14) continue;  // open at the top and the bottom
    const double a = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / 28;
    p.save();
    p.translate(c.x() + 49 * std::cos(a), c.y() + 49 * std::sin(a));
    p.rotate(a * 180 / std::numbers::pi + (i < 14 ? 60 : 120));
    p.drawEllipse(QPointF(0, 0), 4.2, 1.8);
    p.restore();
  }
  return image;
}

QImage PaintPlace(int place) {
  QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QFont font("DejaVu Serif");
  font.setBold(true);
  font.setPixelSize(place == 10 ? 34 : 44);
  QPainterPath number;
  number.addText(0, 0, font, QString::number(place));
  const QRectF b = number.boundingRect();
  number.translate(32 - b.center().x(), 32 - b.center().y());
  // Struck into the gold: a light edge below right, the number dark brown.
  p.fillPath(number.translated(1.2, 1.2), QColor(255, 240, 180));
  p.fillPath(number, QColor(110, 62, 10));
  return image;
}

}  // namespace zendral::art
