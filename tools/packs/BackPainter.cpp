#include "BackPainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "CardBacks.h"
#include "SuitShapes.h"

namespace zendral::packs {

namespace {

// The colour of each picture of a design: one a weekday, three more for the collections.
const QColor kPictureColours[] = {{28, 52, 130},  {164, 22, 40}, {24, 102, 60}, {96, 40, 130},
                                  {16, 110, 120}, {170, 84, 20}, {48, 48, 56},  {150, 120, 30},
                                  {190, 60, 120}, {50, 120, 190}};

// The emblems of the collections, one a picture, drawn from the symbols of the system font.
const char16_t* const kAnimals[] = {u"♈", u"♉", u"♋", u"♌", u"♏", u"♐", u"♑", u"♓", u"♞", u"♘"};
const char16_t* const kFlowers[] = {u"✿", u"❀", u"❁", u"✾", u"❃", u"❋", u"✽", u"✻", u"❖", u"✤"};
const char16_t* const kPlaces[] = {u"⌂", u"♜", u"⚓", u"☀", u"☾", u"★", u"☁", u"⚑", u"✈", u"☂"};
const char16_t* const kOther[] = {u"♠", u"♥", u"♦", u"♣", u"☯", u"✪", u"❄", u"☘", u"⚜", u"☮"};

QColor Mix(const QColor& a, const QColor& b, double t) {
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                          a.greenF() + (b.greenF() - a.greenF()) * t,
                          a.blueF() + (b.blueF() - a.blueF()) * t);
}

void PaintGlyph(QPainter& p, const QString& text, const QRectF& box, const QColor& colour) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(100);
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF b = path.boundingRect();
  if (b.isEmpty()) return;
  const double scale = std::min(box.width() / b.width(), box.height() / b.height());
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(scale, scale);
  t.translate(-b.center().x(), -b.center().y());
  p.fillPath(t.map(path), colour);
}

// The pattern of a design over the inner panel.
void PaintPattern(QPainter& p, int design, const QRectF& r, const QColor& base, double unit) {
  const QColor light = Mix(base, Qt::white, 0.55), dark = base.darker(150);
  p.save();
  p.setClipRect(r);
  p.fillRect(r, base);
  switch (design) {
    case 1: {  // Classical-1: a fine diagonal lattice
      p.setPen(QPen(light, unit * 0.08));
      for (double d = -r.height(); d < r.width() + r.height(); d += unit * 0.9) {
        p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d - r.height(), r.bottom()));
        p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
      }
      break;
    }
    case 2: {  // Classical-2: rosettes of rings
      p.setPen(QPen(light, unit * 0.07));
      p.setBrush(Qt::NoBrush);
      for (double y = r.top(); y < r.bottom() + unit; y += unit * 1.4) {
        for (double x = r.left(); x < r.right() + unit; x += unit * 1.4) {
          p.drawEllipse(QPointF(x, y), unit * 0.7, unit * 0.7);
          p.drawEllipse(QPointF(x + unit * 0.7, y + unit * 0.7), unit * 0.25, unit * 0.25);
        }
      }
      break;
    }
    case 3: {  // Carpet: woven rows of lozenges in two tones
      for (double y = r.top(), row = 0; y < r.bottom() + unit; y += unit, ++row) {
        for (double x = r.left() + (static_cast<int>(row) % 2) * unit / 2; x < r.right() + unit;
             x += unit) {
          QPolygonF l;
          l << QPointF(x, y - unit * 0.45) << QPointF(x + unit * 0.45, y)
            << QPointF(x, y + unit * 0.45) << QPointF(x - unit * 0.45, y);
          p.setPen(Qt::NoPen);
          p.setBrush(static_cast<int>(row) % 3 == 0 ? light : dark);
          p.drawPolygon(l);
          p.setBrush(Mix(base, QColor(240, 200, 80), 0.6));
          p.drawEllipse(QPointF(x, y), unit * 0.1, unit * 0.1);
        }
      }
      break;
    }
    case 4: {  // Cross: little crosses in rows
      p.setPen(Qt::NoPen);
      p.setBrush(light);
      for (double y = r.top() + unit / 2; y < r.bottom() + unit; y += unit) {
        for (double x = r.left() + unit / 2; x < r.right() + unit; x += unit) {
          p.drawRect(QRectF(x - unit * 0.3, y - unit * 0.08, unit * 0.6, unit * 0.16));
          p.drawRect(QRectF(x - unit * 0.08, y - unit * 0.3, unit * 0.16, unit * 0.6));
        }
      }
      break;
    }
    case 5: {  // Chess: a checkerboard
      p.setPen(Qt::NoPen);
      p.setBrush(light);
      const double cell = unit * 0.8;
      for (int j = 0; r.top() + j * cell < r.bottom(); ++j) {
        for (int i = 0; r.left() + i * cell < r.right(); ++i) {
          if ((i + j) % 2) p.drawRect(QRectF(r.left() + i * cell, r.top() + j * cell, cell, cell));
        }
      }
      break;
    }
    case 6: {  // Diamond: filled diamonds touching at their points
      p.setPen(QPen(dark, unit * 0.05));
      p.setBrush(light);
      for (double y = r.top(); y < r.bottom() + unit; y += unit * 1.2) {
        for (double x = r.left(); x < r.right() + unit; x += unit * 0.8) {
          p.drawPath(art::SuitPathIn(
              art::kDiamondsRow, QRectF(x - unit * 0.4, y - unit * 0.6, unit * 0.8, unit * 1.2)));
        }
      }
      break;
    }
    case 12: {  // Russian: a cross-stitch ornament in red on linen
      p.fillRect(r, QColor(246, 240, 226));
      const double s = unit * 0.22;
      p.setPen(Qt::NoPen);
      for (int j = 0; r.top() + j * s < r.bottom(); ++j) {
        for (int i = 0; r.left() + i * s < r.right(); ++i) {
          const int a = std::abs((i % 12) - 6), b = std::abs((j % 12) - 6);
          const bool stitch = a + b == 5 || (a + b <= 2) || (a == b && a >= 4);
          if (!stitch) continue;
          p.setBrush(a + b <= 2 ? QColor(30, 30, 30) : base);
          p.drawRect(QRectF(r.left() + i * s, r.top() + j * s, s * 0.9, s * 0.9));
        }
      }
      break;
    }
    default: {  // Knightly and the collections: a soft diagonal stripe under the emblem
      p.setPen(QPen(Mix(base, Qt::white, 0.18), unit * 0.3));
      for (double d = -r.height(); d < r.width() + r.height(); d += unit * 0.8) {
        p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
      }
      break;
    }
  }
  p.restore();
}

void PaintEmblem(QPainter& p, int design, int picture, const QRectF& r, const QColor& base) {
  const char16_t* glyph = nullptr;
  const int k = picture - 1;
  switch (design) {
    case 7:
      glyph = u"♞";
      break;
    case 8:
      glyph = kAnimals[k];
      break;
    case 9:
      glyph = kFlowers[k];
      break;
    case 10:
      glyph = kPlaces[k];
      break;
    case 11:
      glyph = kOther[k];
      break;
    default:
      return;
  }
  const QPointF c = r.center();
  const double d = std::min(r.width(), r.height()) * 0.7;
  QRectF medal(c.x() - d / 2, c.y() - d / 2, d, d);
  p.save();
  if (design == 7) {
    // A heraldic shield.
    QPainterPath shield;
    shield.moveTo(medal.left(), medal.top());
    shield.lineTo(medal.right(), medal.top());
    shield.lineTo(medal.right(), medal.center().y());
    shield.quadTo(medal.right(), medal.bottom() - d * 0.1, c.x(), medal.bottom() + d * 0.1);
    shield.quadTo(medal.left(), medal.bottom() - d * 0.1, medal.left(), medal.center().y());
    shield.closeSubpath();
    p.setPen(QPen(QColor(220, 180, 60), d * 0.04));
    p.setBrush(Mix(base, Qt::white, 0.85));
    p.drawPath(shield);
  } else {
    QRadialGradient g(c, d / 2);
    g.setColorAt(0, QColor(255, 255, 250));
    g.setColorAt(1, Mix(base, Qt::white, 0.7));
    p.setPen(QPen(QColor(220, 180, 60), d * 0.04));
    p.setBrush(g);
    p.drawEllipse(medal);
  }
  p.restore();
  PaintGlyph(p, QString::fromUtf16(glyph), medal.adjusted(d * 0.18, d * 0.18, -d * 0.18, -d * 0.18),
             base.darker(130));
}

void FrameSmall(QPainter& p, int w, int h) {
  p.fillRect(QRectF(1, 0, w - 2, 1), Qt::black);
  p.fillRect(QRectF(1, h - 1, w - 2, 1), Qt::black);
  p.fillRect(QRectF(0, 1, 1, h - 2), Qt::black);
  p.fillRect(QRectF(w - 1, 1, 1, h - 2), Qt::black);
}

}  // namespace

QSize BackSizeOf(BackSize size) {
  switch (size) {
    case BackSize::kSmall:
      return {71, 96};
    case BackSize::kLargeWide:
      return {146, 198};
    case BackSize::kLargeNarrow:
      return {126, 198};
  }
  return {71, 96};
}

QImage PaintBackDesign(int design, int picture, BackSize size) {
  const QSize px = BackSizeOf(size);
  const bool small = size == BackSize::kSmall;
  QImage image(px, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = px.width(), h = px.height();
  const QColor base = kPictureColours[(picture - 1 + design) % 10];
  // The white margin round the printed pattern, as on a real deck.
  QPainterPath card;
  if (small) {
    card.addRect(QRectF(1, 1, w - 2, h - 2));
  } else {
    card.addRoundedRect(QRectF(0.6, 0.6, w - 1.2, h - 1.2), 15, 15);
  }
  p.fillPath(card, QColor(252, 251, 246));
  const double margin = small ? 4 : 8;
  const QRectF inner(margin, margin, w - 2 * margin, h - 2 * margin);
  const double unit = small ? 9 : 18;
  PaintPattern(p, design, inner, base, unit);
  p.setPen(QPen(base.darker(140), small ? 0.8 : 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawRect(inner);
  p.setPen(QPen(QColor(220, 180, 60), small ? 0.6 : 1.0));
  p.drawRect(inner.adjusted(unit * 0.15, unit * 0.15, -unit * 0.15, -unit * 0.15));
  PaintEmblem(p, design, picture, inner, base);
  if (small) {
    FrameSmall(p, px.width(), px.height());
  } else {
    p.setPen(QPen(QColor(70, 70, 70), 1.2));
    p.drawPath(card);
  }
  return image;
}

QImage PaintOwnNarrowBack(int picture) {
  // The wide picture drawn narrower, its corners rounded again.
  const QImage wide = art::PaintBack(picture, false);
  const QSize px = BackSizeOf(BackSize::kLargeNarrow);
  QImage image(px, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QRectF(0, 0, px.width(), px.height()), wide);
  return image;
}

}  // namespace zendral::packs
