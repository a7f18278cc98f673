#include "app/online/MenuArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace zendral {
namespace {

QImage Blank(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

}  // namespace

QImage PaintStatsPicture(int size) {
  QImage image = Blank(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double s = size;
  p.setPen(QPen(QColor(60, 60, 60), s / 24));
  p.setBrush(QColor(250, 250, 240));
  p.drawRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.1, s * 0.1);
  const QColor bars[4] = {QColor(230, 60, 50), QColor(250, 180, 30), QColor(60, 170, 70),
                          QColor(40, 110, 220)};
  const double heights[4] = {0.3, 0.5, 0.42, 0.7};
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 4; ++i) {
    const double h = s * heights[i];
    p.setBrush(bars[i]);
    p.drawRect(QRectF(s * (0.14 + i * 0.19), s * 0.84 - h, s * 0.14, h));
  }
  p.setPen(QPen(QColor(60, 60, 60), s / 32));
  p.drawLine(QPointF(s * 0.1, s * 0.85), QPointF(s * 0.9, s * 0.85));
  return image;
}

QImage PaintChatPicture(int size) {
  QImage image = Blank(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double s = size;
  QPainterPath bubble;
  bubble.addRoundedRect(QRectF(s * 0.06, s * 0.1, s * 0.88, s * 0.6), s * 0.16, s * 0.16);
  QPolygonF tail;
  tail << QPointF(s * 0.24, s * 0.66) << QPointF(s * 0.2, s * 0.92) << QPointF(s * 0.46, s * 0.68);
  bubble.addPolygon(tail);
  bubble.setFillRule(Qt::WindingFill);
  QLinearGradient fill(0, 0, 0, s);
  fill.setColorAt(0, QColor(255, 250, 200));
  fill.setColorAt(1, QColor(240, 200, 80));
  p.setPen(QPen(QColor(120, 80, 10), s / 24));
  p.setBrush(fill);
  p.drawPath(bubble.simplified());
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 80, 10));
  for (int i = 0; i < 3; ++i)
    p.drawEllipse(QPointF(s * (0.3 + i * 0.2), s * 0.4), s * 0.06, s * 0.06);
  return image;
}

QImage PaintNewsPicture(int size) {
  QImage image = Blank(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double s = size;
  p.setPen(QPen(QColor(70, 70, 90), s / 24));
  p.setBrush(QColor(245, 245, 250));
  p.drawRect(QRectF(s * 0.1, s * 0.08, s * 0.8, s * 0.84));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 80, 190));
  p.drawRect(QRectF(s * 0.18, s * 0.16, s * 0.64, s * 0.16));
  p.setBrush(QColor(150, 150, 170));
  for (int i = 0; i < 4; ++i) {
    const double w = i == 3 ? 0.4 : 0.64;
    p.drawRect(QRectF(s * 0.18, s * (0.42 + i * 0.12), s * w, s * 0.05));
  }
  return image;
}

QImage PaintSiren(char colour, int size) {
  QImage image = Blank(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double s = size;
  const QColor light = colour == 'B' ? QColor(90, 160, 255) : QColor(255, 80, 60);
  const QColor dark = colour == 'B' ? QColor(10, 50, 170) : QColor(160, 10, 10);
  // Rays around the dome.
  p.setPen(QPen(light, s / 14, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(s * 0.08, s * 0.3), QPointF(s * 0.2, s * 0.38));
  p.drawLine(QPointF(s * 0.92, s * 0.3), QPointF(s * 0.8, s * 0.38));
  p.drawLine(QPointF(s * 0.5, s * 0.02), QPointF(s * 0.5, s * 0.12));
  // The dome on its base.
  QRadialGradient dome(s * 0.42, s * 0.4, s * 0.4);
  dome.setColorAt(0, Qt::white);
  dome.setColorAt(0.25, light);
  dome.setColorAt(1, dark);
  p.setPen(QPen(dark.darker(150), s / 28));
  p.setBrush(dome);
  QPainterPath path;
  path.moveTo(s * 0.24, s * 0.78);
  path.lineTo(s * 0.24, s * 0.46);
  path.arcTo(QRectF(s * 0.24, s * 0.2, s * 0.52, s * 0.52), 180, -180);
  path.lineTo(s * 0.76, s * 0.78);
  path.closeSubpath();
  p.drawPath(path);
  p.setBrush(QColor(70, 70, 80));
  p.drawRoundedRect(QRectF(s * 0.14, s * 0.78, s * 0.72, s * 0.16), s * 0.04, s * 0.04);
  return image;
}

QImage PaintNewMarker() {
  QImage image = Blank(34, 16);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(150, 0, 0), 1));
  p.setBrush(QColor(230, 30, 30));
  p.drawRoundedRect(QRectF(0.5, 0.5, 33, 15), 5, 5);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(11);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, 34, 16), Qt::AlignCenter, QStringLiteral("new"));
  return image;
}

QImage PaintGiftPicture(char colour, int size) {
  QImage image = Blank(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double s = size;
  const bool red = colour == 'R';
  const QColor light = red ? QColor(250, 90, 80) : QColor(90, 210, 100);
  const QColor dark = red ? QColor(170, 20, 20) : QColor(20, 120, 40);
  const QColor ribbon = red ? QColor(255, 215, 60) : QColor(250, 240, 120);
  const QColor edge = red ? QColor(110, 10, 10) : QColor(10, 80, 25);
  // The box and its lid.
  QLinearGradient body(0, s * 0.4, 0, s);
  body.setColorAt(0, light);
  body.setColorAt(1, dark);
  p.setPen(QPen(edge, s / 32));
  p.setBrush(body);
  p.drawRect(QRectF(s * 0.14, s * 0.44, s * 0.72, s * 0.5));
  QLinearGradient lid(0, s * 0.3, 0, s * 0.46);
  lid.setColorAt(0, light.lighter(115));
  lid.setColorAt(1, light);
  p.setBrush(lid);
  p.drawRect(QRectF(s * 0.08, s * 0.3, s * 0.84, s * 0.16));
  // The ribbon across, then the bow on top.
  p.setPen(Qt::NoPen);
  p.setBrush(ribbon);
  p.drawRect(QRectF(s * 0.44, s * 0.3, s * 0.12, s * 0.64));
  p.setPen(QPen(ribbon.darker(140), s / 40));
  for (const int side : {-1, 1}) {
    QPainterPath loop;
    loop.moveTo(s * 0.5, s * 0.3);
    loop.cubicTo(s * (0.5 + side * 0.1), s * 0.02, s * (0.5 + side * 0.38), s * 0.08, s * 0.5,
                 s * 0.3);
    p.drawPath(loop);
  }
  p.setBrush(ribbon.darker(110));
  p.drawEllipse(QPointF(s * 0.5, s * 0.3), s * 0.06, s * 0.05);
  return image;
}

QImage PaintDailyPicture(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double u = size / 48.0;
  // The calendar leaf with its red top band.
  p.setPen(QPen(QColor(90, 90, 90), 1.5 * u));
  p.setBrush(QColor(250, 250, 245));
  p.drawRoundedRect(QRectF(4 * u, 6 * u, 34 * u, 36 * u), 4 * u, 4 * u);
  p.setBrush(QColor(200, 40, 40));
  p.drawRect(QRectF(4 * u, 6 * u, 34 * u, 9 * u));
  // A card leaning on it: the nine of diamonds, which opens every kon.
  p.save();
  p.translate(30 * u, 26 * u);
  p.rotate(12);
  p.setPen(QPen(QColor(40, 40, 40), 1.2 * u));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(-9 * u, -13 * u, 18 * u, 26 * u), 3 * u, 3 * u);
  p.setPen(QColor(200, 20, 20));
  QFont f = p.font();
  f.setPixelSize(static_cast<int>(11 * u));
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRectF(-9 * u, -13 * u, 18 * u, 26 * u), Qt::AlignCenter, QStringLiteral("9\u2666"));
  p.restore();
  return image;
}

}  // namespace zendral
