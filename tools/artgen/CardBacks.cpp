#include "CardBacks.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "CardFaces.h"
#include "SuitShapes.h"

namespace zendral::art {

namespace {

const char* const kBackNames[] = {"",       "Ob01Mo", "Ob02Tu", "Ob03We",
                                  "Ob04Th", "Ob05Fr", "Ob06Su", "Ob07Su"};

// One colour per day: Monday blue, Tuesday crimson, Wednesday green, Thursday violet,
// Friday teal, Saturday brown, Sunday red with gold rays.
const QColor kDayColour[] = {QColor(),
                             QColor(28, 58, 128),
                             QColor(150, 22, 40),
                             QColor(26, 100, 58),
                             QColor(88, 40, 120),
                             QColor(18, 102, 110),
                             QColor(120, 70, 30),
                             QColor(170, 26, 30)};

const QColor kGoldLine(230, 196, 100);

void Lattice(QPainter& p, const QRectF& r, double step, const QColor& line, double width) {
  p.setPen(QPen(line, width));
  const double span = r.width() + r.height();
  for (double d = -span; d < span; d += step) {
    p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
    p.drawLine(QPointF(r.right() - d, r.top()), QPointF(r.right() - d - r.height(), r.bottom()));
  }
}

void PaintPattern(QPainter& p, int day, const QRectF& r, double unit) {
  const QColor base = kDayColour[day];
  const QColor light = base.lighter(150);
  const QColor dark = base.darker(135);
  p.fillRect(r, base);
  switch (day) {
    case 1: {  // a fine diagonal lattice with dots where the lines cross
      Lattice(p, r, 6 * unit, light, 0.6 * unit);
      p.setPen(Qt::NoPen);
      p.setBrush(kGoldLine);
      for (double y = r.top(); y <= r.bottom(); y += 3 * unit) {
        const bool odd = std::fmod(std::round((y - r.top()) / (3 * unit)), 2.0) != 0.0;
        for (double x = r.left() + (odd ? 3 * unit : 0); x <= r.right(); x += 6 * unit) {
          p.drawEllipse(QPointF(x, y), 0.7 * unit, 0.7 * unit);
        }
      }
      break;
    }
    case 2: {  // harlequin diamonds
      const double w = 8 * unit, h = 11 * unit;
      int row = 0;
      for (double y = r.top() - h; y < r.bottom() + h; y += h / 2, ++row) {
        for (double x = r.left() - w + (row % 2) * w / 2; x < r.right() + w; x += w) {
          QPainterPath d;
          d.moveTo(x, y - h / 2);
          d.lineTo(x + w / 2, y);
          d.lineTo(x, y + h / 2);
          d.lineTo(x - w / 2, y);
          d.closeSubpath();
          p.fillPath(d, row % 2 ? dark : base.lighter(115));
        }
      }
      break;
    }
    case 3: {  // fish scales
      const double s = 7 * unit;
      p.setPen(QPen(light, 0.7 * unit));
      p.setBrush(Qt::NoBrush);
      int row = 0;
      for (double y = r.top() - s; y < r.bottom() + s; y += s / 2, ++row) {
        for (double x = r.left() - s + (row % 2) * s / 2; x < r.right() + s; x += s) {
          p.drawArc(QRectF(x - s / 2, y - s / 2, s, s), 180 * 16, 180 * 16);
        }
      }
      break;
    }
    case 4: {  // small four-point stars on a grid
      const double s = 8 * unit;
      p.setPen(QPen(dark, 0.5 * unit));
      for (double x = r.left(); x <= r.right(); x += s)
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
      for (double y = r.top(); y <= r.bottom(); y += s)
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
      p.setPen(Qt::NoPen);
      p.setBrush(light);
      for (double y = r.top() + s / 2; y < r.bottom(); y += s) {
        for (double x = r.left() + s / 2; x < r.right(); x += s) {
          QPainterPath star;
          const double a = 2.6 * unit, b = 0.8 * unit;
          star.moveTo(x, y - a);
          star.lineTo(x + b, y - b);
          star.lineTo(x + a, y);
          star.lineTo(x + b, y + b);
          star.lineTo(x, y + a);
          star.lineTo(x - b, y + b);
          star.lineTo(x - a, y);
          star.lineTo(x - b, y - b);
          star.closeSubpath();
          p.drawPath(star);
        }
      }
      break;
    }
    case 5: {  // waves
      p.setPen(QPen(light, 0.8 * unit));
      p.setBrush(Qt::NoBrush);
      const double s = 5 * unit;
      for (double y = r.top(); y < r.bottom() + s; y += s) {
        QPainterPath wave;
        wave.moveTo(r.left() - s, y);
        for (double x = r.left() - s; x < r.right() + s; x += 2 * s) {
          wave.quadTo(x + s / 2, y - s * 0.6, x + s, y);
          wave.quadTo(x + 1.5 * s, y + s * 0.6, x + 2 * s, y);
        }
        p.drawPath(wave);
      }
      break;
    }
    case 6: {  // basket weave
      const double s = 6 * unit;
      int row = 0;
      for (double y = r.top(); y < r.bottom(); y += s, ++row) {
        int col = 0;
        for (double x = r.left(); x < r.right(); x += s, ++col) {
          const bool across = (row + col) % 2 == 0;
          QLinearGradient g(QPointF(x, y), across ? QPointF(x, y + s) : QPointF(x + s, y));
          g.setColorAt(0, light);
          g.setColorAt(1, dark);
          p.fillRect(QRectF(x + 0.4 * unit, y + 0.4 * unit, s - 0.8 * unit, s - 0.8 * unit), g);
        }
      }
      break;
    }
    default: {  // gold rays from the middle
      p.setPen(Qt::NoPen);
      const QPointF c = r.center();
      const double reach = std::hypot(r.width(), r.height());
      for (int i = 0; i < 48; i += 2) {
        QPainterPath ray;
        ray.moveTo(c);
        const double a0 = i * std::numbers::pi / 24, a1 = (i + 1) * std::numbers::pi / 24;
        ray.lineTo(c.x() + reach * std::cos(a0), c.y() + reach * std::sin(a0));
        ray.lineTo(c.x() + reach * std::cos(a1), c.y() + reach * std::sin(a1));
        ray.closeSubpath();
        p.fillPath(ray, dark);
      }
      break;
    }
  }
}

// The medallion in the middle: a gold-rimmed oval holding the four suits.
void PaintMedallion(QPainter& p, const QRectF& panel, int day, bool small) {
  const QPointF c = panel.center();
  const double rx = panel.width() * 0.30, ry = panel.height() * 0.22;
  QRadialGradient fill(c, rx * 1.2);
  fill.setColorAt(0, QColor(255, 252, 240));
  fill.setColorAt(1, QColor(236, 226, 200));
  p.setPen(QPen(kGoldLine, small ? 1.0 : 2.2));
  p.setBrush(fill);
  p.drawEllipse(c, rx, ry);
  p.setPen(QPen(kDayColour[day], small ? 0.5 : 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, rx - (small ? 2 : 4), ry - (small ? 2 : 4));
  const double s = small ? 7.5 : 15;
  const double dx = rx * 0.45, dy = ry * 0.42;
  const QPointF places[] = {
      {c.x(), c.y() - dy}, {c.x() + dx, c.y()}, {c.x(), c.y() + dy}, {c.x() - dx, c.y()}};
  for (int suit = 1; suit <= 4; ++suit) {
    const QPointF at = places[suit - 1];
    p.fillPath(SuitPathIn(suit, QRectF(at.x() - s / 2, at.y() - s / 2, s, s)), SuitColour(suit));
  }
}

}  // namespace

QString BackName(int picture) {
  return kBackNames[picture];
}

QImage PaintBack(int picture, bool small) {
  const QSize size = small ? kSmallCard : kLargeCard;
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  PaintCardBlank(image, small);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double margin = small ? 4 : 8;
  const double unit = small ? 0.55 : 1.1;
  const QRectF panel(margin, margin, size.width() - 2 * margin, size.height() - 2 * margin);
  QPainterPath panelPath;
  panelPath.addRoundedRect(panel, small ? 2 : 6, small ? 2 : 6);
  p.save();
  p.setClipPath(panelPath);
  PaintPattern(p, picture, panel, unit);
  // A soft light in the middle and a darker rim give the panel some depth.
  QRadialGradient glow(panel.center(), panel.height() * 0.7);
  glow.setColorAt(0, QColor(255, 255, 255, 40));
  glow.setColorAt(1, QColor(0, 0, 0, 60));
  p.fillRect(panel, glow);
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kGoldLine, small ? 0.8 : 1.6));
  p.drawPath(panelPath);
  const double inset = small ? 2.5 : 5;
  p.setPen(QPen(QColor(255, 255, 255, 150), small ? 0.5 : 1.0));
  p.drawRoundedRect(panel.adjusted(inset, inset, -inset, -inset), small ? 1.5 : 4, small ? 1.5 : 4);
  PaintMedallion(p, panel, picture, small);
  return image;
}

}  // namespace zendral::art
