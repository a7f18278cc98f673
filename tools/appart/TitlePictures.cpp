#include "TitlePictures.h"

#include "present/draw/SuitShape.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>

namespace zendral::appart {

namespace {

constexpr int kSharp = 2;  // pictures are drawn at twice their design size

QImage Transparent(int width, int height) {
  QImage image(width * kSharp, height * kSharp, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// A text as an outline, scaled to fit the box and centred in it.
QPainterPath FittedText(const QString& text, const QFont& font, const QRectF& box) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF bounds = path.boundingRect();
  const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(scale, scale);
  t.translate(-bounds.center().x(), -bounds.center().y());
  return t.map(path);
}

// Gold lettering: a soft shadow, a dark rim, the metal with a highlight band.
void PaintGoldText(QPainter& p, const QPainterPath& text, double rim) {
  p.save();
  for (int i = 6; i >= 1; --i) {
    p.setPen(QPen(QColor(0, 0, 0, 22), rim * 0.8 * i, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text.translated(rim * 0.9, rim * 1.2));
  }
  p.setPen(QPen(QColor(60, 30, 0), rim * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(text);
  const QRectF b = text.boundingRect();
  QLinearGradient gold(b.topLeft(), b.bottomLeft());
  gold.setColorAt(0.0, QColor(255, 248, 200));
  gold.setColorAt(0.35, QColor(250, 210, 90));
  gold.setColorAt(0.55, QColor(205, 145, 20));
  gold.setColorAt(0.8, QColor(240, 190, 60));
  gold.setColorAt(1.0, QColor(150, 95, 10));
  p.setPen(QPen(QColor(255, 236, 160), rim * 0.5));
  p.setBrush(gold);
  p.drawPath(text);
  p.restore();
}

// A suit sign: hearts, diamonds, clubs, spades (1..4) in a square centred at a point.
QPainterPath SuitSign(int suit, QPointF centre, double size) {
  return SuitShapeIn(suit, QRectF(centre.x() - size / 2, centre.y() - size / 2, size, size));
}

QColor SuitColour(int suit) {
  return suit <= 2 ? QColor(200, 20, 30) : QColor(20, 20, 30);
}

}  // namespace

QImage PaintCaption() {
  QImage image = Transparent(400, 70);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = image.width();
  const double h = image.height();
  QFont font("DejaVu Serif");
  font.setBold(true);
  font.setItalic(true);
  font.setPixelSize(200);
  const QPainterPath title =
      FittedText("Zendral", font, QRectF(w * 0.17, h * 0.08, w * 0.66, h * 0.84));
  PaintGoldText(p, title, 3.0);
  // A suit sign at each side, in little gold rings.
  for (int side = 0; side < 2; ++side) {
    const QPointF centre(side == 0 ? w * 0.085 : w * 0.915, h * 0.52);
    const double r = h * 0.3;
    QRadialGradient ring(centre, r);
    ring.setColorAt(0.0, QColor(255, 255, 245));
    ring.setColorAt(0.8, QColor(245, 235, 200));
    ring.setColorAt(1.0, QColor(190, 140, 40));
    p.setPen(QPen(QColor(120, 80, 10), 3));
    p.setBrush(ring);
    p.drawEllipse(centre, r, r);
    const int suit = side == 0 ? 1 : 4;
    p.setPen(Qt::NoPen);
    p.setBrush(SuitColour(suit));
    p.drawPath(SuitSign(suit, centre, r * 1.15));
  }
  return image;
}

QImage PaintTitleFan(const QImage (&nines)[4]) {
  QImage image = Transparent(300, 90);
  QPainter p(&image);
  p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
  const double w = image.width();
  const double h = image.height();

  // The ribbon behind the fan, its ends folded back.
  const double top = h * 0.42;
  const double bottom = h * 0.70;
  QLinearGradient red(0, top, 0, bottom);
  red.setColorAt(0, QColor(190, 30, 40));
  red.setColorAt(0.5, QColor(140, 10, 20));
  red.setColorAt(1, QColor(90, 0, 10));
  for (int side = 0; side < 2; ++side) {
    const double x0 = side == 0 ? w * 0.02 : w * 0.98;
    const double x1 = side == 0 ? w * 0.12 : w * 0.88;
    QPainterPath tail;
    tail.moveTo(x0, top + 10);
    tail.lineTo(x1, top + 10);
    tail.lineTo(x1, bottom + 10);
    tail.lineTo(x0, bottom + 10);
    tail.lineTo(x0 + (x1 - x0) * 0.35, (top + bottom) / 2 + 10);
    tail.closeSubpath();
    p.setPen(QPen(QColor(70, 0, 5), 2));
    p.setBrush(QColor(110, 5, 15));
    p.drawPath(tail);
  }
  QPainterPath band;
  band.addRect(QRectF(w * 0.09, top, w * 0.82, bottom - top));
  p.setPen(QPen(QColor(230, 190, 80), 3));
  p.setBrush(red);
  p.drawPath(band);
  for (int i = 0; i < 4; ++i) {
    const int suit = i + 1;
    const double x = i < 2 ? w * (0.14 + 0.07 * i) : w * (0.79 + 0.07 * (i - 2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 225, 140));
    p.drawPath(SuitSign(suit, QPointF(x, (top + bottom) / 2), (bottom - top) * 0.62));
  }

  // The four nines, fanned from a point below the picture: the game grows out of them.
  // Small enough that the outer cards' lower corners stay inside the picture when turned.
  const double cardH = h * 0.74;
  const double cardW = cardH * nines[0].width() / std::max(1, nines[0].height());
  const QPointF pivot(w / 2, h * 1.45);
  const double angles[] = {-21, -7, 7, 21};
  for (int i = 0; i < 4; ++i) {
    p.save();
    p.translate(pivot);
    p.rotate(angles[i]);
    const QRectF card(-cardW / 2, -(pivot.y() - h * 0.04), cardW, cardH);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(card.translated(4, 4), 10, 10);
    if (!nines[i].isNull()) {
      p.drawImage(card, nines[i]);
    } else {
      p.setBrush(Qt::white);
      p.drawRoundedRect(card, 10, 10);
    }
    p.restore();
  }
  return image;
}

QImage PaintClubTitle(const QString& text, bool network) {
  QImage image = Transparent(350, 40);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = image.width();
  const double h = image.height();
  const QColor deep = network ? QColor(15, 45, 120) : QColor(120, 10, 20);
  const QColor light = network ? QColor(60, 110, 200) : QColor(200, 40, 50);

  // A banner with notched ends.
  QPainterPath banner;
  const double notch = h * 0.35;
  banner.moveTo(0, 2);
  banner.lineTo(w, 2);
  banner.lineTo(w - notch, h / 2);
  banner.lineTo(w, h - 2);
  banner.lineTo(0, h - 2);
  banner.lineTo(notch, h / 2);
  banner.closeSubpath();
  QLinearGradient fill(0, 0, 0, h);
  fill.setColorAt(0, light);
  fill.setColorAt(0.5, deep);
  fill.setColorAt(1, deep.darker(150));
  p.setPen(QPen(QColor(235, 200, 90), 4));
  p.setBrush(fill);
  p.drawPath(banner);

  const bool cjk = text.size() > 0 && text.at(0).unicode() >= 0x2E80;
  QFont font(cjk ? "Noto Serif CJK SC" : "DejaVu Serif");
  font.setBold(true);
  font.setPixelSize(120);
  const QPainterPath letters =
      FittedText(text, font, QRectF(w * 0.14, h * 0.16, w * 0.72, h * 0.68));
  PaintGoldText(p, letters, 1.5);
  return image;
}

QString EliteText(const QString& code) {
  if (code == "Rus") return QString::fromUtf8("Элитный клуб");
  if (code == "Deu") return "Elite-Klub";
  if (code == "Fra") return QString::fromUtf8("Club d\u2019élite");
  if (code == "Spa") return QString::fromUtf8("Club de élite");
  if (code == "Chi") return QString::fromUtf8("精英俱乐部");
  if (code == "Ita") return QString::fromUtf8("Circolo d\u2019élite");
  if (code == "Cze") return QString::fromUtf8("Elitní klub");
  return "Elite Club";
}

QString NetworkClubText(const QString& code) {
  if (code == "Rus") return QString::fromUtf8("Сетевой клуб");
  if (code == "Deu") return "Netzwerk-Klub";
  if (code == "Fra") return QString::fromUtf8("Club réseau");
  if (code == "Spa") return "Club en red";
  if (code == "Chi") return QString::fromUtf8("网络俱乐部");
  if (code == "Ita") return "Club in rete";
  if (code == "Cze") return QString::fromUtf8("Síťový klub");
  return "Network Club";
}

}  // namespace zendral::appart
