#include "app/radio/MediaButtons.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "app/radio/RadioArt.h"

namespace zendral::radioui {

PictureButton::PictureButton(const char* objectName, QWidget* parent) : QWidget(parent) {
  setObjectName(QLatin1String(objectName));
  resize(kMusicButtonSize, kMusicButtonSize);
  setCursor(Qt::PointingHandCursor);
}

void PictureButton::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void PictureButton::SetCaption(const QString& text, const QFont& font, const QColor& colour) {
  caption_ = text;
  font_ = font;
  colour_ = colour;
  update();
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.setRenderHint(QPainter::Antialiasing);
  // The picture and its caption are drawn for the full size and scaled to the button's.
  p.scale(static_cast<double>(width()) / kMusicButtonSize,
          static_cast<double>(height()) / kMusicButtonSize);
  const QRect full(0, 0, kMusicButtonSize, kMusicButtonSize);
  // Pressed, the button sinks by a pixel and darkens.
  const QPoint at = pressed_ ? QPoint(1, 1) : QPoint(0, 0);
  p.drawImage(at, picture_);
  if (pressed_) p.fillRect(full, QColor(0, 0, 0, 50));
  if (!caption_.isEmpty()) {
    p.setFont(font_);
    p.setPen(colour_);
    p.drawText(full.translated(at), Qt::AlignCenter, caption_);
  }
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  update();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  update();
  const QPoint at = event->position().toPoint();
  // The volume zones are read on the full-size picture.
  if (rect().contains(at) && onRelease) onRelease(at.x() * kMusicButtonSize / std::max(1, width()));
}

void PictureButton::enterEvent(QEnterEvent* event) {
  if (onEnter) onEnter();
  QWidget::enterEvent(event);
}

namespace {

// The smallest rectangle that holds every pixel of a picture that is not wholly transparent.
QRect OpaqueBox(const QImage& picture) {
  const QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  int left = image.width(), right = -1, top = image.height(), bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(row[x]) == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

QRect RadioIconWidget::ContentBox() {
  // The pictures' box has empty margins: the icon is as large as what is drawn in it, the
  // union of the shelf's and the radio's opaque pixels.
  static const QRect box = [] {
    QRect used;
    for (const QString& name : {QStringLiteral("GPolkaNw"), QStringLiteral("GRadioA")}) {
      used |= OpaqueBox(MediaPicture(name));
    }
    used &= QRect(0, 0, kRadioIconWidth, kRadioIconHeight);
    return used.isEmpty() ? QRect(0, 0, kRadioIconWidth, kRadioIconHeight) : used;
  }();
  return box;
}

RadioIconWidget::RadioIconWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ImRadio"));
  resize(ContentBox().size());
  setCursor(Qt::PointingHandCursor);
}

void RadioIconWidget::Paint(QPainter& p, const QStringList& pictures) const {
  const QRect box = ContentBox();
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.scale(static_cast<double>(width()) / box.width(), static_cast<double>(height()) / box.height());
  p.translate(-box.topLeft());
  for (const QString& name : pictures) p.drawImage(0, 0, MediaPicture(name));
}

void RadioIconWidget::resizeEvent(QResizeEvent*) {
  // Only the shelf and the radio take the mouse, not the gaps around them.
  QImage shape(size(), QImage::Format_ARGB32_Premultiplied);
  shape.fill(Qt::transparent);
  {
    QPainter p(&shape);
    Paint(p, {QStringLiteral("GPolkaNw"), QStringLiteral("GRadioA")});
  }
  setMask(QBitmap::fromImage(shape.createAlphaMask()));
}

void RadioIconWidget::SetLamp(const QString& lampPicture) {
  if (lamp_ == lampPicture) return;
  lamp_ = lampPicture;
  update();
}

void RadioIconWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  Paint(p, {QStringLiteral("GPolkaNw"), QStringLiteral("GRadioA"), lamp_});
}

void RadioIconWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && onLeftClick) onLeftClick();
  if (event->button() == Qt::RightButton && onRightClick) onRightClick();
}

}  // namespace zendral::radioui
