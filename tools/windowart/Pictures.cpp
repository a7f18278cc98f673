#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace zendral::windowart {

namespace {

// Smooth value noise on a coarse grid, the same at every build.
class Mottle {
 public:
  Mottle(int width, int height, int cell, std::uint32_t seed)
      : cell_(cell), cols_(width / cell + 2), rows_(height / cell + 2) {
    values_.resize(static_cast<std::size_t>(cols_ * rows_));
    std::uint32_t state = seed;
    for (double& v : values_) {
      state = state * 1664525u + 1013904223u;
      v = ((state >> 8) & 0xFFFF) / 32767.5 - 1.0;
    }
  }
  double At(double x, double y) const {
    const double fx = x / cell_, fy = y / cell_;
    const int ix = std::clamp(static_cast<int>(fx), 0, cols_ - 2);
    const int iy = std::clamp(static_cast<int>(fy), 0, rows_ - 2);
    const double tx = Smooth(fx - ix), ty = Smooth(fy - iy);
    const double top = V(ix, iy) * (1 - tx) + V(ix + 1, iy) * tx;
    const double bottom = V(ix, iy + 1) * (1 - tx) + V(ix + 1, iy + 1) * tx;
    return top * (1 - ty) + bottom * ty;
  }

 private:
  static double Smooth(double t) { return t * t * (3 - 2 * t); }
  double V(int x, int y) const { return values_[static_cast<std::size_t>(y * cols_ + x)]; }
  int cell_, cols_, rows_;
  std::vector<double> values_;
};

QColor Mix(const QColor& a, const QColor& b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                          a.greenF() + (b.greenF() - a.greenF()) * t,
                          a.blueF() + (b.blueF() - a.blueF()) * t);
}

// A tail of the ribbon at the left end; the right one is its mirror image.
void RibbonTail(QPainter& p) {
  const QColor dark(96, 100, 110), mid(150, 155, 165);
  QLinearGradient g(0, 12, 0, 42);
  g.setColorAt(0, mid);
  g.setColorAt(1, dark);
  QPainterPath tail;
  tail.moveTo(0, 12);
  tail.lineTo(40, 12);
  tail.lineTo(40, 42);
  tail.lineTo(0, 42);
  tail.lineTo(10, 27);  // the notch
  tail.closeSubpath();
  p.fillPath(tail, g);
  p.setPen(QPen(QColor(60, 62, 70), 1));
  p.drawPath(tail);
  // The fold where the tail goes behind the band.
  QPainterPath fold;
  fold.moveTo(22, 36);
  fold.lineTo(40, 36);
  fold.lineTo(40, 42);
  fold.closeSubpath();
  p.fillPath(fold, QColor(52, 54, 62));
}

}  // namespace

QImage PaintRibbon() {
  QImage image(kRibbonWidth, kRibbonHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  RibbonTail(p);
  p.save();
  p.translate(kRibbonWidth, 0);
  p.scale(-1, 1);
  RibbonTail(p);
  p.restore();

  // The band: silver, lighter at the top edge, with a thin gold line along both edges.
  const QRectF band(22, 2, kRibbonWidth - 44, 34);
  QLinearGradient silver(0, band.top(), 0, band.bottom());
  silver.setColorAt(0.0, QColor(236, 238, 242));
  silver.setColorAt(0.35, QColor(206, 209, 216));
  silver.setColorAt(0.8, QColor(168, 172, 182));
  silver.setColorAt(1.0, QColor(140, 144, 154));
  p.setPen(Qt::NoPen);
  p.fillRect(band, silver);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(QRectF(band.left(), band.top(), band.width(), 1), QColor(92, 94, 104));
  p.fillRect(QRectF(band.left(), band.bottom() - 1, band.width(), 1), QColor(72, 74, 84));
  p.fillRect(QRectF(band.left(), band.top() + 3, band.width(), 1), QColor(196, 160, 72));
  p.fillRect(QRectF(band.left(), band.bottom() - 4, band.width(), 1), QColor(176, 140, 56));
  p.fillRect(QRectF(band.left(), band.top(), 1, band.height()), QColor(92, 94, 104));
  p.fillRect(QRectF(band.right() - 1, band.top(), 1, band.height()), QColor(92, 94, 104));
  return image;
}

QImage PaintScroll() {
  QImage image(kScrollWidth, kScrollHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);

  // The parchment, darker and warmer towards its edges, mottled like old paper.
  const QRect sheet(34, 36, kScrollWidth - 68, kScrollHeight - 72);
  const Mottle coarse(kScrollWidth, kScrollHeight, 48, 7u);
  const Mottle fine(kScrollWidth, kScrollHeight, 9, 11u);
  const QColor paper(246, 234, 198), burnt(196, 156, 96);
  for (int y = sheet.top(); y <= sheet.bottom(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = sheet.left(); x <= sheet.right(); ++x) {
      const double edge = std::min({x - sheet.left(), sheet.right() - x}) / 40.0;
      const double age =
          0.18 + 0.25 * coarse.At(x, y) + 0.06 * fine.At(x, y) + 0.6 * std::max(0.0, 1.0 - edge);
      line[x] = Mix(paper, burnt, age).rgba();
    }
  }

  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // A double border in brown ink with small diamonds at the corners.
  const QColor ink(120, 72, 30);
  p.setPen(QPen(ink, 2));
  p.setBrush(Qt::NoBrush);
  const QRectF outer = QRectF(sheet).adjusted(14, 30, -14, -30);
  p.drawRect(outer);
  p.setPen(QPen(ink, 1));
  p.drawRect(outer.adjusted(5, 5, -5, -5));
  p.setBrush(ink);
  for (const QPointF& corner :
       {outer.topLeft(), outer.topRight(), outer.bottomLeft(), outer.bottomRight()}) {
    QPolygonF diamond({corner + QPointF(0, -6), corner + QPointF(6, 0), corner + QPointF(0, 6),
                       corner + QPointF(-6, 0)});
    p.drawPolygon(diamond);
  }
  // A flourish between the heading and the columns.
  p.setPen(QPen(ink, 1.5));
  p.setBrush(Qt::NoBrush);
  QPainterPath flourish;
  const double mid = kScrollWidth / 2.0, y = 114;
  flourish.moveTo(mid - 120, y);
  flourish.cubicTo(mid - 60, y - 6, mid - 30, y + 6, mid, y);
  flourish.cubicTo(mid + 30, y - 6, mid + 60, y + 6, mid + 120, y);
  p.drawPath(flourish);

  // The two rolls: wooden cylinders with the rolled paper showing at their ends.
  for (const double top : {6.0, kScrollHeight - 58.0}) {
    const QRectF roll(10, top, kScrollWidth - 20, 52);
    QLinearGradient paperRoll(0, roll.top(), 0, roll.bottom());
    paperRoll.setColorAt(0.0, QColor(170, 130, 76));
    paperRoll.setColorAt(0.3, QColor(250, 238, 206));
    paperRoll.setColorAt(0.6, QColor(226, 200, 150));
    paperRoll.setColorAt(1.0, QColor(140, 100, 52));
    p.setPen(QPen(QColor(110, 70, 30), 1));
    p.setBrush(paperRoll);
    p.drawRoundedRect(roll.adjusted(14, 4, -14, -4), 20, 22);
    // The spindle's knobs.
    for (const double x : {roll.left() + 8, roll.right() - 8}) {
      QRadialGradient knob(QPointF(x - 3, roll.center().y() - 6), 14);
      knob.setColorAt(0, QColor(196, 132, 70));
      knob.setColorAt(1, QColor(88, 44, 14));
      p.setBrush(knob);
      p.setPen(QPen(QColor(60, 30, 10), 1));
      p.drawEllipse(QPointF(x, roll.center().y()), 10, 18);
    }
    // The curl line of the paper.
    p.setPen(QPen(QColor(150, 110, 60), 1));
    p.drawLine(QPointF(roll.left() + 26, roll.center().y() + (top < 100 ? 12 : -12)),
               QPointF(roll.right() - 26, roll.center().y() + (top < 100 ? 12 : -12)));
  }
  return image;
}

}  // namespace zendral::windowart
