#include "app/windows/KovCardsButton.h"

#include <QEnterEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace zendral {

namespace {

struct Palette {
  QColor top;
  QColor middle;
  QColor bottom;
  QColor rim;
};

// The classic faces are deep and glossy; the new ones are pills with a glass band, and the
// blue of the club list's header turns pale so that its blue letters read on it.
Palette PaletteOf(ButtonScheme scheme, bool secondStyle) {
  switch (scheme) {
    case ButtonScheme::DNavy:
      return secondStyle ? Palette{{30, 40, 150}, {10, 20, 110}, {0, 0, 70}, {0, 220, 255}}
                         : Palette{{40, 50, 170}, {0, 0, 128}, {0, 0, 80}, {120, 140, 230}};
    case ButtonScheme::DRed:
      return secondStyle ? Palette{{205, 35, 35}, {150, 0, 0}, {90, 0, 0}, {255, 200, 120}}
                         : Palette{{215, 40, 40}, {160, 0, 0}, {100, 0, 0}, {240, 150, 150}};
    case ButtonScheme::DBlue:
      return secondStyle ? Palette{{235, 242, 255}, {200, 218, 255}, {160, 190, 245}, {40, 80, 200}}
                         : Palette{{70, 110, 230}, {45, 80, 200}, {20, 50, 160}, {130, 170, 255}};
    case ButtonScheme::DCards:
      return secondStyle ? Palette{{125, 55, 175}, {80, 20, 130}, {50, 5, 90}, {230, 200, 80}}
                         : Palette{{150, 70, 200}, {96, 24, 150}, {60, 10, 100}, {200, 175, 50}};
  }
  return {};
}

QColor Lighter(const QColor& c, int percent) {
  const auto mix = [percent](int v) { return v + (255 - v) * percent / 100; };
  return QColor(mix(c.red()), mix(c.green()), mix(c.blue()), c.alpha());
}

int RadiusOf(bool secondStyle, int height) {
  return secondStyle ? height / 2 : std::max(3, height / 6);
}

int RimOf(bool secondStyle, int height) {
  return secondStyle ? std::max(2, height / 15) : std::max(1, height / 30);
}

// The whole face, just wide enough for both caps and a one-pixel middle.
QImage PaintFace(ButtonScheme scheme, bool secondStyle, int highlight, int height) {
  const int radius = RadiusOf(secondStyle, height);
  const int rim = RimOf(secondStyle, height);
  const int cap = radius + rim + 1;
  QImage face(2 * cap + 1, height, QImage::Format_ARGB32_Premultiplied);
  face.fill(Qt::transparent);
  Palette palette = PaletteOf(scheme, secondStyle);
  for (QColor* c : {&palette.top, &palette.middle, &palette.bottom, &palette.rim}) {
    *c = Lighter(*c, std::clamp(highlight, 0, 100));
  }
  QPainter p(&face);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF outer(0.5, 0.5, face.width() - 1.0, height - 1.0);
  QLinearGradient fill(0, 0, 0, height);
  fill.setColorAt(0, palette.top);
  fill.setColorAt(0.5, palette.middle);
  fill.setColorAt(1, palette.bottom);
  p.setPen(Qt::NoPen);
  p.setBrush(palette.rim);
  p.drawRoundedRect(outer, radius, radius);
  const QRectF inner = outer.adjusted(rim, rim, -rim, -rim);
  const double innerRadius = std::max(0, radius - rim);
  p.setBrush(fill);
  p.drawRoundedRect(inner, innerRadius, innerRadius);
  if (secondStyle) {
    // The glass band over the upper half, and a dark line where the face meets its rim below.
    QLinearGradient glass(0, inner.top(), 0, inner.center().y());
    glass.setColorAt(0, QColor(255, 255, 255, 85));
    glass.setColorAt(1, QColor(255, 255, 255, 20));
    const QRectF band(inner.left() + 1, inner.top() + 1, inner.width() - 2, inner.height() / 2);
    p.setBrush(glass);
    p.drawRoundedRect(band, innerRadius * 0.8, innerRadius * 0.6);
    p.setPen(QPen(QColor(0, 0, 0, 70), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner.adjusted(0.5, 0.5, -0.5, -0.5), innerRadius, innerRadius);
  } else {
    // The classic face: a light line along the top edge.
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.drawLine(QPointF(inner.left() + innerRadius, inner.top() + 0.5),
               QPointF(inner.right() - innerRadius, inner.top() + 0.5));
  }
  return face;
}

}  // namespace

ButtonSlices PaintButtonSlices(ButtonScheme scheme, bool secondStyle, int highlight, int height) {
  height = std::max(4, height);
  const QImage face = PaintFace(scheme, secondStyle, highlight, height);
  const int cap = (face.width() - 1) / 2;
  return {face.copy(0, 0, cap, height), face.copy(cap, 0, 1, height),
          face.copy(cap + 1, 0, cap, height)};
}

namespace {

// Faces are made once per look and height; a menu has a handful of them.
const ButtonSlices& CachedSlices(ButtonScheme scheme, bool secondStyle, int highlight, int height) {
  static QHash<quint64, ButtonSlices> cache;
  const quint64 key = (static_cast<quint64>(scheme) << 48) |
                      (static_cast<quint64>(secondStyle) << 40) |
                      (static_cast<quint64>(highlight & 0xff) << 32) | static_cast<quint32>(height);
  if (auto found = cache.constFind(key); found != cache.constEnd()) return found.value();
  if (cache.size() > 256) cache.clear();
  return *cache.insert(key, PaintButtonSlices(scheme, secondStyle, highlight, height));
}

}  // namespace

TKovCardsButton::TKovCardsButton(QWidget* parent) : QPushButton(parent) {
  setAttribute(Qt::WA_Hover);
}

void TKovCardsButton::SetScheme(ButtonScheme scheme) {
  scheme_ = scheme;
  update();
}

void TKovCardsButton::SetSecondStyle(bool on) {
  secondStyle_ = on;
  update();
}

void TKovCardsButton::SetHighlight(int percent) {
  highlight_ = std::clamp(percent, 0, 100);
  update();
}

void TKovCardsButton::SetTextColours(const QColor& normal, const QColor& underMouse) {
  textColour_ = normal;
  hoverColour_ = underMouse;
  update();
}

QColor TKovCardsButton::ShownTextColour() const {
  return underMouse_ && !captionOnly_ && isEnabled() ? hoverColour_ : textColour_;
}

void TKovCardsButton::SetLeftAligned(bool left, int indent) {
  leftAligned_ = left;
  indent_ = indent;
  update();
}

void TKovCardsButton::SetCaptionOnly(bool on) {
  captionOnly_ = on;
  setAttribute(Qt::WA_TransparentForMouseEvents, on);
  setFocusPolicy(on ? Qt::NoFocus : Qt::StrongFocus);
  update();
}

void TKovCardsButton::enterEvent(QEnterEvent* event) {
  underMouse_ = true;
  update();
  QPushButton::enterEvent(event);
}

void TKovCardsButton::leaveEvent(QEvent* event) {
  underMouse_ = false;
  update();
  QPushButton::leaveEvent(event);
}

void TKovCardsButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const qreal dpr = devicePixelRatioF();
  const ButtonSlices& slices =
      CachedSlices(scheme_, secondStyle_, highlight_, qRound(height() * dpr));
  const int cap = std::min(qRound(slices.left.width() / dpr), width() / 2);
  if (!isEnabled()) p.setOpacity(0.6);
  p.drawImage(QRect(0, 0, cap, height()), slices.left);
  p.drawImage(QRect(cap, 0, width() - 2 * cap, height()), slices.middle);
  p.drawImage(QRect(width() - cap, 0, cap, height()), slices.right);
  const bool pressed = isDown() && !captionOnly_;
  if (pressed) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    const int radius = RadiusOf(secondStyle_, height());
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  }
  if (focusRim_ && hasFocus() && !captionOnly_) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 230, 0), 2));
    p.setBrush(Qt::NoBrush);
    const int radius = RadiusOf(secondStyle_, height());
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), radius, radius);
  }
  p.setOpacity(1.0);
  p.setPen(isEnabled() ? ShownTextColour() : QColor(170, 150, 150));
  const int shift = pressed ? 1 : 0;
  // The pills of the second style keep their letters off the rounded ends.
  const int sideRoom = secondStyle_ ? height() / 4 : 0;
  QRect area = rect().translated(shift, shift);
  if (leftAligned_) {
    area.setLeft(area.left() + indent_ + sideRoom);
  } else {
    area.adjust(sideRoom + 2, 0, -sideRoom - 2, 0);
  }
  p.setFont(FittingFont(font(), text(), area.width()));
  p.drawText(
      area,
      (leftAligned_ ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter) | Qt::TextSingleLine,
      text());
}

QFont FittingFont(const QFont& font, const QString& text, int width) {
  QFont fitted = font;
  for (int guard = 0; guard < 40; ++guard) {
    if (QFontMetrics(fitted).horizontalAdvance(text) <= width) break;
    const int px = fitted.pixelSize() > 0 ? fitted.pixelSize() : QFontInfo(fitted).pixelSize();
    if (px <= 6) break;
    fitted.setPixelSize(px - 1);
  }
  return fitted;
}

}  // namespace zendral
