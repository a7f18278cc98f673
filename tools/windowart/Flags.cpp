#include "Flags.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

#include "present/words/Words.h"

namespace zendral::windowart {

namespace {

constexpr double kPi = std::numbers::pi;

void Stripes(QPainter& p, const QRectF& r, bool vertical, std::initializer_list<QColor> colours,
             std::initializer_list<double> shares = {}) {
  std::vector<double> parts(shares);
  if (parts.empty()) parts.assign(colours.size(), 1.0);
  double total = 0;
  for (double s : parts) total += s;
  double at = 0;
  std::size_t i = 0;
  for (const QColor& c : colours) {
    const double from = at / total, to = (at + parts[i]) / total;
    const QRectF band = vertical ? QRectF(r.left() + from * r.width(), r.top(),
                                          (to - from) * r.width() + 0.5, r.height())
                                 : QRectF(r.left(), r.top() + from * r.height(), r.width(),
                                          (to - from) * r.height() + 0.5);
    p.fillRect(band.intersected(r), c);
    at += parts[i++];
  }
}

QPolygonF Star(QPointF centre, double outer, double turn) {
  QPolygonF star;
  for (int k = 0; k < 10; ++k) {
    const double radius = k % 2 == 0 ? outer : outer * 0.4;
    const double angle = turn - kPi / 2 + k * kPi / 5;
    star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
  }
  return star;
}

// The union flag, drawn for English.
void UnionFlag(QPainter& p, const QRectF& r) {
  const QColor blue(1, 33, 105), red(200, 16, 46);
  p.fillRect(r, blue);
  p.save();
  p.setClipRect(r);
  const double unit = r.height() / 30.0;
  QPen pen(Qt::white, 6 * unit);
  pen.setCapStyle(Qt::FlatCap);
  p.setPen(pen);
  p.drawLine(r.topLeft(), r.bottomRight());
  p.drawLine(r.bottomLeft(), r.topRight());
  pen.setColor(red);
  pen.setWidthF(2 * unit);
  p.setPen(pen);
  p.drawLine(r.topLeft(), r.bottomRight());
  p.drawLine(r.bottomLeft(), r.topRight());
  p.setPen(Qt::NoPen);
  const QPointF c = r.center();
  p.fillRect(QRectF(r.left(), c.y() - 5 * unit, r.width(), 10 * unit), Qt::white);
  p.fillRect(QRectF(c.x() - 5 * unit, r.top(), 10 * unit, r.height()), Qt::white);
  p.fillRect(QRectF(r.left(), c.y() - 3 * unit, r.width(), 6 * unit), red);
  p.fillRect(QRectF(c.x() - 3 * unit, r.top(), 6 * unit, r.height()), red);
  p.restore();
}

void ChineseFlag(QPainter& p, const QRectF& r) {
  p.fillRect(r, QColor(222, 41, 16));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 222, 0));
  const double u = r.height() / 20.0;
  const QPointF origin = r.topLeft();
  p.drawPolygon(Star(origin + QPointF(5 * u, 5 * u), 3 * u, 0));
  const QPointF small[] = {{10, 2}, {12, 4}, {12, 7}, {10, 9}};
  for (const QPointF& s : small) {
    const QPointF at = origin + s * u;
    const QPointF toBig = origin + QPointF(5 * u, 5 * u) - at;
    p.drawPolygon(Star(at, u, std::atan2(toBig.y(), toBig.x()) + kPi / 2));
  }
}

void CzechFlag(QPainter& p, const QRectF& r) {
  Stripes(p, r, false, {Qt::white, QColor(215, 20, 26)});
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(17, 69, 126));
  p.drawPolygon(
      QPolygonF({r.topLeft(), QPointF(r.left() + r.width() / 2, r.center().y()), r.bottomLeft()}));
}

void JapaneseFlag(QPainter& p, const QRectF& r) {
  p.fillRect(r, Qt::white);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(188, 0, 45));
  const double radius = r.height() * 0.3;
  p.drawEllipse(r.center(), radius, radius);
}

// The taegeuk and the four trigrams.
void KoreanFlag(QPainter& p, const QRectF& r) {
  p.fillRect(r, Qt::white);
  const QPointF c = r.center();
  const double radius = r.height() / 4.0;
  const double tilt = std::atan2(2.0, 3.0) * 180 / kPi;  // the diagonal of a 3:2 field
  p.save();
  p.translate(c);
  p.rotate(tilt);
  p.setPen(Qt::NoPen);
  const QColor red(205, 46, 58), blue(0, 71, 160);
  p.setBrush(blue);
  p.drawEllipse(QPointF(0, 0), radius, radius);
  p.setBrush(red);
  p.drawPie(QRectF(-radius, -radius, 2 * radius, 2 * radius), 0, 180 * 16);
  p.drawEllipse(QPointF(-radius / 2, 0), radius / 2, radius / 2);
  p.setBrush(blue);
  p.drawEllipse(QPointF(radius / 2, 0), radius / 2, radius / 2);
  p.restore();
  // Trigrams: bars at the four corners, across the diagonals.
  const double barLength = radius * 1.0, barHeight = std::max(radius / 6.0, 0.7);
  struct Trigram {
    double angle;
    int broken[3];  // which of the three bars are broken
  };
  const Trigram trigrams[] = {
      {-180 + tilt, {0, 0, 0}}, {-tilt, {1, 0, 1}}, {180 - tilt, {0, 1, 0}}, {tilt, {1, 1, 1}}};
  p.setBrush(Qt::black);
  for (const Trigram& t : trigrams) {
    p.save();
    p.translate(c);
    p.rotate(t.angle);
    for (int k = 0; k < 3; ++k) {
      const double x = radius * 1.35 + k * barHeight * 1.6;
      if (t.broken[k]) {
        p.drawRect(QRectF(x, -barLength / 2, barHeight, barLength * 0.45));
        p.drawRect(QRectF(x, barLength * 0.05, barHeight, barLength * 0.45));
      } else {
        p.drawRect(QRectF(x, -barLength / 2, barHeight, barLength));
      }
    }
    p.restore();
  }
}

void FlatFlag(QPainter& p, const QRectF& r, int language) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  switch (language) {
    case kRussian:
      Stripes(p, r, false, {Qt::white, QColor(0, 57, 166), QColor(213, 43, 30)});
      break;
    case kGerman:
      Stripes(p, r, false, {Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)});
      break;
    case kFrench:
      Stripes(p, r, true, {QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)});
      break;
    case kSpanish:
      Stripes(p, r, false, {QColor(170, 21, 27), QColor(241, 191, 0), QColor(170, 21, 27)},
              {1, 2, 1});
      break;
    case kChinese:
      ChineseFlag(p, r);
      break;
    case kItalian:
      Stripes(p, r, true, {QColor(0, 146, 70), Qt::white, QColor(206, 43, 55)});
      break;
    case kCzech:
      CzechFlag(p, r);
      break;
    case kJapanese:
      JapaneseFlag(p, r);
      break;
    case kKorean:
      KoreanFlag(p, r);
      break;
    default:
      UnionFlag(p, r);
      break;
  }
  p.restore();
}

}  // namespace

QString SmallFlagName(int language) {
  const TChooserFlag flag = ChooserFlag(language);
  return QString("IL%1%2")
      .arg(flag.continent == 'A' ? "Asia" : "Euro")
      .arg(flag.index, 2, 10, QChar('0'));
}

QString PoleFlagName(int language) {
  return QString::fromStdString(FlagPictureName(language));
}

QImage PaintSmallFlag(int language) {
  QImage image(kSmallFlagWidth, kSmallFlagHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  FlatFlag(p, QRectF(0, 0, kSmallFlagWidth, kSmallFlagHeight), language);
  p.setPen(QColor(60, 60, 60));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, kSmallFlagWidth - 1, kSmallFlagHeight - 1));
  return image;
}

// The flag waves: each column of the flat cloth is shifted down by a sine and shaded by the
// slope of the fold, then the cloth hangs from a pole with a golden knob.
QImage PaintPoleFlag(int language) {
  constexpr int kClothWidth = 58, kClothHeight = 40, kPoleX = 3, kPoleWidth = 4;
  constexpr double kAmplitude = 2.5;
  QImage flat(kClothWidth, kClothHeight, QImage::Format_ARGB32_Premultiplied);
  flat.fill(Qt::transparent);
  {
    QPainter p(&flat);
    FlatFlag(p, QRectF(0, 0, kClothWidth, kClothHeight), language);
  }

  QImage image(kPoleFlagWidth, kPoleFlagHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  // Pole and its foot.
  QLinearGradient wood(kPoleX, 0, kPoleX + kPoleWidth, 0);
  wood.setColorAt(0, QColor(92, 58, 28));
  wood.setColorAt(0.4, QColor(176, 128, 74));
  wood.setColorAt(1, QColor(80, 50, 24));
  p.fillRect(QRectF(kPoleX, 6, kPoleWidth, kPoleFlagHeight - 10), wood);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 70, 76));
  p.drawRoundedRect(QRectF(0, kPoleFlagHeight - 5, kPoleX * 2 + kPoleWidth, 5), 2, 2);
  QRadialGradient gold(QPointF(kPoleX + 1.5, 3), 4);
  gold.setColorAt(0, QColor(255, 244, 170));
  gold.setColorAt(1, QColor(184, 134, 11));
  p.setBrush(gold);
  p.drawEllipse(QPointF(kPoleX + kPoleWidth / 2.0, 4), 3.5, 3.5);

  const int left = kPoleX + kPoleWidth;
  const int top = 8;
  for (int x = 0; x < kClothWidth; ++x) {
    const double phase = 2 * kPi * x / 40.0;
    const double damp = 0.4 + 0.6 * x / kClothWidth;  // the cloth moves less near the pole
    const double shift = kAmplitude * damp * std::sin(phase);
    const double slope = std::cos(phase);
    QImage column = flat.copy(x, 0, 1, kClothHeight);
    p.drawImage(QRectF(left + x, top + shift, 1, kClothHeight), column);
    const int shade = static_cast<int>(std::lround(40 * slope * damp));
    p.fillRect(QRectF(left + x, top + shift, 1, kClothHeight),
               shade > 0 ? QColor(255, 255, 255, shade) : QColor(0, 0, 0, -shade));
  }
  return image;
}

}  // namespace zendral::windowart
