#include "app/radio/RadioArt.h"

#include "app/menuart/PictureBook.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace zendral::radioui {

namespace {

QImage Transparent(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// A round button of polished brass with a dark face.
QImage ButtonFace() {
  QImage image = Transparent(kMusicButtonSize, kMusicButtonSize);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c(30.5, 30.5);
  QRadialGradient rim(c + QPointF(-8, -10), 36);
  rim.setColorAt(0, QColor(255, 236, 160));
  rim.setColorAt(0.6, QColor(196, 150, 50));
  rim.setColorAt(1, QColor(110, 70, 20));
  p.setPen(QPen(QColor(70, 45, 10), 1.2));
  p.setBrush(rim);
  p.drawEllipse(c, 29, 29);
  QRadialGradient face(c + QPointF(-6, -8), 30);
  face.setColorAt(0, QColor(70, 90, 120));
  face.setColorAt(1, QColor(20, 28, 44));
  p.setBrush(face);
  p.setPen(QPen(QColor(40, 30, 10), 1));
  p.drawEllipse(c, 23, 23);
  return image;
}

QImage PlayPicture() {
  QImage image = ButtonFace();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath triangle;
  triangle.moveTo(24, 17);
  triangle.lineTo(44, 30.5);
  triangle.lineTo(24, 44);
  triangle.closeSubpath();
  p.fillPath(triangle, QColor(120, 230, 110));
  p.setPen(QPen(QColor(30, 90, 30), 1));
  p.drawPath(triangle);
  return image;
}

QImage PausePicture() {
  QImage image = ButtonFace();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(120, 60, 10), 1));
  p.setBrush(QColor(250, 200, 70));
  p.drawRoundedRect(QRectF(21, 18, 7, 25), 2, 2);
  p.drawRoundedRect(QRectF(33, 18, 7, 25), 2, 2);
  return image;
}

QImage NextPicture() {
  QImage image = ButtonFace();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(20, 60, 110), 1));
  p.setBrush(QColor(130, 190, 255));
  for (double x : {18.0, 30.0}) {
    QPainterPath t;
    t.moveTo(x, 19);
    t.lineTo(x + 12, 30.5);
    t.lineTo(x, 42);
    t.closeSubpath();
    p.drawPath(t);
  }
  p.drawRect(QRectF(42, 19, 3, 23));
  return image;
}

// A loudspeaker at the left, "−" and "+" zones: the number is written over it by the button.
QImage VolumePicture() {
  QImage image = ButtonFace();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(200, 200, 210), 2));
  p.drawLine(QPointF(11, 30.5), QPointF(19, 30.5));  // minus
  p.drawLine(QPointF(42, 30.5), QPointF(50, 30.5));  // plus
  p.drawLine(QPointF(46, 26.5), QPointF(46, 34.5));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 200, 210, 90));
  QPainterPath speaker;
  speaker.moveTo(24, 25);
  speaker.lineTo(28, 25);
  speaker.lineTo(34, 19);
  speaker.lineTo(34, 42);
  speaker.lineTo(28, 36);
  speaker.lineTo(24, 36);
  speaker.closeSubpath();
  p.drawPath(speaker);
  return image;
}

QImage ShelfPicture() {
  QImage image = Transparent(kRadioIconWidth, kRadioIconHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient wood(0, 104, 0, 118);
  wood.setColorAt(0, QColor(176, 120, 64));
  wood.setColorAt(1, QColor(104, 62, 26));
  p.setPen(QPen(QColor(70, 40, 14), 1));
  p.setBrush(wood);
  p.drawRoundedRect(QRectF(4, 104, 212, 12), 3, 3);
  // Two brackets under the plank.
  p.setBrush(QColor(90, 90, 96));
  for (double x : {30.0, 180.0}) {
    QPainterPath b;
    b.moveTo(x, 116);
    b.lineTo(x + 10, 116);
    b.lineTo(x + 10, 124);
    b.closeSubpath();
    p.drawPath(b);
  }
  return image;
}

QImage RadioPicture() {
  QImage image = Transparent(kRadioIconWidth, kRadioIconHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body(40, 14, 140, 90);
  QLinearGradient wood(0, body.top(), 0, body.bottom());
  wood.setColorAt(0, QColor(160, 96, 44));
  wood.setColorAt(1, QColor(96, 52, 20));
  p.setPen(QPen(QColor(56, 28, 8), 2));
  p.setBrush(wood);
  p.drawRoundedRect(body, 16, 16);
  // The speaker cloth with its fret.
  p.setBrush(QColor(226, 206, 158));
  p.setPen(QPen(QColor(80, 50, 20), 1));
  p.drawRoundedRect(QRectF(52, 24, 62, 56), 8, 8);
  p.setPen(QPen(QColor(150, 110, 60), 1.5));
  for (int i = 0; i < 5; ++i) p.drawLine(QPointF(58 + i * 12, 28), QPointF(58 + i * 12, 76));
  // The dial with its needle and two knobs.
  p.setPen(QPen(QColor(80, 50, 20), 1));
  p.setBrush(QColor(250, 236, 190));
  p.drawRoundedRect(QRectF(122, 24, 48, 26), 4, 4);
  for (int i = 0; i < 6; ++i) p.drawLine(QPointF(127 + i * 8, 40), QPointF(127 + i * 8, 46));
  p.setPen(QPen(QColor(200, 30, 30), 1.5));
  p.drawLine(QPointF(146, 27), QPointF(146, 47));
  p.setPen(QPen(QColor(60, 40, 20), 1));
  p.setBrush(QColor(214, 180, 108));
  p.drawEllipse(QPointF(132, 74), 8, 8);
  p.drawEllipse(QPointF(160, 74), 8, 8);
  // The aerial.
  p.setPen(QPen(QColor(120, 120, 130), 2));
  p.drawLine(QPointF(150, 14), QPointF(176, 0));
  return image;
}

// The lamp of the radio, on the body between the knobs and the dial.
QImage LampPicture(const QColor& colour) {
  QImage image = Transparent(kRadioIconWidth, kRadioIconHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c(146, 60);
  QRadialGradient glow(c, 12);
  glow.setColorAt(0, QColor(colour.red(), colour.green(), colour.blue(), 150));
  glow.setColorAt(1, Qt::transparent);
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(c, 12, 12);
  QRadialGradient bulb(c - QPointF(1.5, 1.5), 6);
  bulb.setColorAt(0, colour.lighter(170));
  bulb.setColorAt(1, colour);
  p.setBrush(bulb);
  p.setPen(QPen(QColor(40, 30, 20), 1));
  p.drawEllipse(c, 5, 5);
  return image;
}

}  // namespace

QImage PaintMediaPicture(const QString& name) {
  if (name == QLatin1String("MP_Play")) return PlayPicture();
  if (name == QLatin1String("MP_Pause")) return PausePicture();
  if (name == QLatin1String("MP_Next")) return NextPicture();
  if (name == QLatin1String("MP_Volume")) return VolumePicture();
  if (name == QLatin1String("GPolkaNw")) return ShelfPicture();
  if (name == QLatin1String("GRadioA")) return RadioPicture();
  if (name == QLatin1String("GRadioB")) return LampPicture(QColor(70, 70, 76));
  if (name == QLatin1String("GRadioR")) return LampPicture(QColor(220, 30, 30));
  if (name == QLatin1String("GRadioG")) return LampPicture(QColor(40, 220, 70));
  return {};
}

namespace {

QColor FlagColour(char letter) {
  switch (letter) {
    case 'W':
      return QColor(255, 255, 255);
    case 'R':
      return QColor(214, 32, 40);
    case 'B':
      return QColor(0, 70, 170);
    case 'N':
      return QColor(1, 33, 105);
    case 'C':
      return QColor(0, 175, 202);
    case 'G':
      return QColor(0, 140, 70);
    case 'Y':
      return QColor(255, 206, 0);
    case 'O':
      return QColor(255, 130, 0);
    case 'K':
      return QColor(20, 20, 20);
    case 'M':
      return QColor(158, 48, 57);
    default:
      return QColor(150, 150, 150);
  }
}

}  // namespace

QImage MediaPicture(const QString& name) {
  static QHash<QString, QImage> cache;
  if (auto it = cache.constFind(name); it != cache.constEnd()) return *it;
  const QImage image = BookPicture(name);
  if (!image.isNull()) cache.insert(name, image);
  return image;
}

QImage PowerPicture(bool on, bool pressed) {
  QImage image = Transparent(48, 48);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c(24, pressed ? 25 : 24);
  QRadialGradient face(c + QPointF(-5, -6), 26);
  face.setColorAt(0, on ? QColor(120, 240, 120) : QColor(230, 100, 90));
  face.setColorAt(1, on ? QColor(20, 110, 30) : QColor(110, 20, 20));
  p.setPen(QPen(QColor(40, 30, 20), 1.5));
  p.setBrush(face);
  p.drawEllipse(c, 21, 21);
  p.setPen(QPen(QColor(255, 255, 255, 230), 3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(c.x() - 10, c.y() - 10, 20, 20), 120 * 16, 300 * 16);
  p.drawLine(c + QPointF(0, -13), c + QPointF(0, -2));
  return image;
}

QImage FlagPicture(std::string_view d) {
  QImage image(kFlagWidth, kFlagHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(QColor(150, 150, 150));
  if (d.size() < 3 || d[1] != ':' || (d[0] != 'h' && d[0] != 'v')) return image;
  const bool horizontal = d[0] == 'h';
  const std::string_view rest = d.substr(2);
  const std::string_view stripes = rest.substr(0, rest.find('+'));
  QPainter p(&image);
  const int n = static_cast<int>(stripes.size());
  for (int i = 0; i < n; ++i) {
    const QColor c = FlagColour(stripes[static_cast<std::size_t>(i)]);
    if (horizontal) {
      const int y0 = i * kFlagHeight / n, y1 = (i + 1) * kFlagHeight / n;
      p.fillRect(0, y0, kFlagWidth, y1 - y0, c);
    } else {
      const int x0 = i * kFlagWidth / n, x1 = (i + 1) * kFlagWidth / n;
      p.fillRect(x0, 0, x1 - x0, kFlagHeight, c);
    }
  }
  p.setRenderHint(QPainter::Antialiasing);
  for (std::size_t at = 0; at + 1 < rest.size(); ++at) {
    if (rest[at] != '+') continue;
    const char kind = rest[at + 1];
    const QColor c = at + 2 < rest.size() ? FlagColour(rest[at + 2]) : QColor(Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    switch (kind) {
      case 'd':
        p.drawEllipse(QPointF(kFlagWidth / 2.0, kFlagHeight / 2.0), 2.6, 2.6);
        break;
      case 's':
        p.drawEllipse(QPointF(3.5, 3), 1.6, 1.6);
        break;
      case 'c':
        p.fillRect(0, 0, 7, 6, c);
        break;
      case 'x':
        p.fillRect(4, 0, 2, kFlagHeight, c);
        p.fillRect(0, 4, kFlagWidth, 2, c);
        break;
      case 'p':
        p.fillRect(7, 0, 2, kFlagHeight, c);
        p.fillRect(0, 4, kFlagWidth, 3, c);
        break;
      case 't': {
        QPainterPath t;
        t.moveTo(0, 0);
        t.lineTo(7, kFlagHeight / 2.0);
        t.lineTo(0, kFlagHeight);
        t.closeSubpath();
        p.drawPath(t);
        break;
      }
      default:
        break;
    }
  }
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(Qt::NoBrush);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.drawRect(0, 0, kFlagWidth - 1, kFlagHeight - 1);
  return image;
}

}  // namespace zendral::radioui
