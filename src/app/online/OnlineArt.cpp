#include "app/online/OnlineArt.h"

#include "app/menuart/PictureBook.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "online/Countries.h"

namespace zendral {
namespace {

QImage Blank(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QColor FlagColour(char letter) {
  return QColor::fromRgb(online::FlagColour(letter));
}

QPolygonF Star(QPointF centre, double outer, double inner) {
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    const double angle = -M_PI / 2 + i * M_PI / 5;
    const double r = i % 2 == 0 ? outer : inner;
    star << QPointF(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
  }
  return star;
}

QColor LampColour(char colour) {
  switch (colour) {
    case 'R':
      return QColor(220, 30, 30);
    case 'Y':
      return QColor(245, 200, 20);
    default:
      return QColor(30, 190, 60);
  }
}

char StateColour(online::AccountState state) {
  switch (state) {
    case online::AccountState::asOffline:
      return 'R';
    case online::AccountState::asLoggedIn:
      return 'Y';
    case online::AccountState::asRated:
      return 'G';
  }
  return 'R';
}

}  // namespace

QImage PaintLamp(char colour, int size) {
  QImage image = Blank(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor c = LampColour(colour);
  QRadialGradient glow(size * 0.38, size * 0.35, size * 0.55);
  glow.setColorAt(0, c.lighter(170));
  glow.setColorAt(0.6, c);
  glow.setColorAt(1, c.darker(160));
  p.setBrush(glow);
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.drawEllipse(QRectF(1.5, 1.5, size - 3, size - 3));
  return image;
}

QImage LampOfCheck(int result) {
  return PaintLamp(result == 3 ? 'G' : result == 2 ? 'Y' : 'R');
}

QImage LampOfState(online::AccountState state) {
  return BookPicture(AccountLampPage(StateColour(state)));
}

QImage StarOfState(online::AccountState state, int size) {
  QImage image = Blank(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(LampColour(StateColour(state)));
  p.setPen(QPen(QColor(70, 50, 10), 1));
  p.drawPolygon(Star(QPointF(size / 2.0, size / 2.0 + 1), size / 2.0 - 1, size / 4.5));
  return image;
}

QImage PaintFlag(std::string_view code) {
  QImage image(14, 12, QImage::Format_ARGB32_Premultiplied);
  image.fill(QColor(200, 200, 200));
  const auto country = online::CountryOfCode(code);
  QPainter p(&image);
  if (!country) {
    p.setPen(QColor(120, 120, 120));
    p.drawRect(0, 0, 13, 11);
    return image;
  }
  const std::string_view pattern = country->flag;
  const std::size_t plus = pattern.find('+');
  const std::string_view stripes =
      pattern.substr(2, plus == std::string_view::npos ? pattern.npos : plus - 2);
  const bool vertical = pattern[0] == 'v';
  const int n = static_cast<int>(stripes.size());
  for (int i = 0; i < n; ++i) {
    QRect r = vertical ? QRect(14 * i / n, 0, 14 * (i + 1) / n - 14 * i / n, 12)
                       : QRect(0, 12 * i / n, 14, 12 * (i + 1) / n - 12 * i / n);
    p.fillRect(r, FlagColour(stripes[static_cast<std::size_t>(i)]));
  }
  p.setRenderHint(QPainter::Antialiasing);
  for (std::size_t at = plus; at != std::string_view::npos; at = pattern.find('+', at + 1)) {
    if (at + 1 >= pattern.size()) break;
    const char kind = pattern[at + 1];
    const QColor c = at + 2 < pattern.size() ? FlagColour(pattern[at + 2]) : QColor(Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    switch (kind) {
      case 'd':
        p.drawEllipse(QRectF(4, 3, 6, 6));
        break;
      case 's':
        p.drawPolygon(Star(QPointF(7, 6.2), 3.6, 1.5));
        break;
      case 'c':
        p.fillRect(QRect(0, 0, 6, 6), c);
        break;
      case 'x':
        p.fillRect(QRect(4, 0, 2, 12), c);
        p.fillRect(QRect(0, 5, 14, 2), c);
        break;
      case 'p':
        p.fillRect(QRect(6, 0, 2, 12), c);
        p.fillRect(QRect(0, 5, 14, 2), c);
        break;
      case 't':
        p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(6, 6), QPointF(0, 12)}));
        break;
      case 'y':  // inside a Nordic cross: one pixel wide
        p.fillRect(QRect(4, 0, 1, 12), c);
        p.fillRect(QRect(0, 5, 14, 1), c);
        break;
      case 'q':  // inside a centred cross
        p.fillRect(QRect(6, 0, 1, 12), c);
        p.fillRect(QRect(0, 5, 14, 1), c);
        break;
      case 'k':  // a castle with three towers on the upper stripe
        p.fillRect(QRect(4, 3, 6, 4), c);
        for (const int x : {4, 6, 8}) p.fillRect(QRect(x, 1, 2, 2), c);
        break;
      default:
        break;
    }
  }
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QColor(90, 90, 90, 160));
  p.setBrush(Qt::NoBrush);
  p.drawRect(0, 0, 13, 11);
  return image;
}

QImage PaintSexIcon(char sex, int size) {
  QImage image = Blank(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const bool woman = sex == 'W';
  const QColor c = woman ? QColor(215, 60, 140) : QColor(40, 90, 200);
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  const double s = size;
  p.drawEllipse(QRectF(s * 0.35, s * 0.02, s * 0.3, s * 0.3));
  if (woman) {
    p.drawPolygon(QPolygonF(
        {QPointF(s * 0.5, s * 0.32), QPointF(s * 0.82, s * 0.98), QPointF(s * 0.18, s * 0.98)}));
  } else {
    p.drawRoundedRect(QRectF(s * 0.28, s * 0.34, s * 0.44, s * 0.64), s * 0.1, s * 0.1);
  }
  return image;
}

QImage PaintNoPhoto(char sex) {
  QImage image(online::kPhotoWidth, online::kPhotoHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(QColor(222, 226, 232));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor c = sex == 'W' ? QColor(196, 150, 178) : QColor(150, 166, 196);
  p.setPen(Qt::NoPen);
  if (sex == 'W') {  // long hair behind the head
    p.setBrush(c.darker(130));
    p.drawRoundedRect(QRectF(48, 38, 104, 130), 50, 50);
  }
  p.setBrush(c);
  p.drawEllipse(QRectF(60, 45, 80, 90));
  QPainterPath body;
  body.moveTo(20, 250);
  body.cubicTo(25, 160, 175, 160, 180, 250);
  p.drawPath(body);
  return image;
}

QImage PaintPhotoFrame() {
  QImage image = Blank(online::kPhotoWidth + 20, online::kPhotoHeight + 20);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gold(0, 0, image.width(), image.height());
  gold.setColorAt(0, QColor(240, 210, 120));
  gold.setColorAt(0.5, QColor(170, 120, 40));
  gold.setColorAt(1, QColor(240, 210, 120));
  p.setPen(QPen(QBrush(gold), 10));
  p.drawRoundedRect(QRectF(5, 5, image.width() - 10, image.height() - 10), 6, 6);
  return image;
}

QImage PaintKovsCoin(int size) {
  QImage image = Blank(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient gold(size * 0.35, size * 0.3, size * 0.7);
  gold.setColorAt(0, QColor(255, 240, 160));
  gold.setColorAt(0.7, QColor(225, 170, 40));
  gold.setColorAt(1, QColor(150, 100, 20));
  p.setBrush(gold);
  p.setPen(QPen(QColor(120, 80, 10), size / 32.0));
  p.drawEllipse(QRectF(size * 0.05, size * 0.05, size * 0.9, size * 0.9));
  p.setPen(QPen(QColor(140, 90, 15), size / 24.0));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(size * 0.17, size * 0.17, size * 0.66, size * 0.66));
  QFont font("Comic Sans MS");
  font.setBold(true);
  font.setPixelSize(size * 2 / 5);
  p.setFont(font);
  p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QStringLiteral("K"));
  return image;
}

QImage PaintKovsStack(int size) {
  QImage image = Blank(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // Five coins seen from the side, each a little off the one below, the top one face up.
  const double w = size * 0.7;
  const double h = size * 0.16;
  const double left = (size - w) / 2;
  for (int k = 0; k < 5; ++k) {
    const double top = size * 0.78 - k * h * 0.9;
    const double shift = (k % 2 == 0 ? -1 : 1) * size * 0.02;
    QLinearGradient side(left, 0, left + w, 0);
    side.setColorAt(0, QColor(150, 100, 20));
    side.setColorAt(0.4, QColor(250, 215, 110));
    side.setColorAt(1, QColor(140, 90, 15));
    p.setPen(QPen(QColor(110, 70, 10), size / 64.0));
    p.setBrush(side);
    p.drawRoundedRect(QRectF(left + shift, top, w, h), h / 2, h / 2);
  }
  const QRectF face(left + size * 0.1, size * 0.08, w - size * 0.2, w - size * 0.2);
  p.drawImage(face, PaintKovsCoin(size));
  return image;
}

QImage PaintAccountPicture(int size) {
  QImage image = Blank(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(30, 80, 150));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QRectF(0, 0, size, size));
  p.setBrush(QColor(235, 240, 250));
  const double s = size;
  p.drawEllipse(QRectF(s * 0.34, s * 0.16, s * 0.32, s * 0.32));
  QPainterPath body;
  body.moveTo(s * 0.18, s * 0.84);
  body.cubicTo(s * 0.2, s * 0.5, s * 0.8, s * 0.5, s * 0.82, s * 0.84);
  body.closeSubpath();
  p.drawPath(body);
  return image;
}

QImage PaintWorldPicture(int size) {
  QImage image = Blank(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double s = size;
  QRadialGradient sea(s * 0.35, s * 0.3, s * 0.7);
  sea.setColorAt(0, QColor(120, 190, 255));
  sea.setColorAt(1, QColor(10, 70, 160));
  p.setBrush(sea);
  p.setPen(QPen(QColor(10, 40, 90), 1));
  p.drawEllipse(QRectF(1, 1, s - 2, s - 2));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 170, 70));
  p.drawEllipse(QRectF(s * 0.18, s * 0.2, s * 0.3, s * 0.22));
  p.drawEllipse(QRectF(s * 0.3, s * 0.42, s * 0.16, s * 0.34));
  p.drawEllipse(QRectF(s * 0.56, s * 0.24, s * 0.26, s * 0.2));
  p.drawEllipse(QRectF(s * 0.6, s * 0.5, s * 0.18, s * 0.22));
  return image;
}

}  // namespace zendral
