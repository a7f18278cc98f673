#include "app/radio/MediaButtons.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>

#include "app/radio/RadioArt.h"

namespace zendral::radioui {

PictureButton::PictureButton(const char* objectName, QWidget* parent) : QWidget(parent) {
  setObjectName(QLatin1String(objectName));
  setFixedSize(kMusicButtonSize, kMusicButtonSize);
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
  // Pressed, the button sinks by a pixel and darkens.
  const QPoint at = pressed_ ? QPoint(1, 1) : QPoint(0, 0);
  p.drawImage(at, picture_);
  if (pressed_) p.fillRect(rect(), QColor(0, 0, 0, 50));
  if (!caption_.isEmpty()) {
    p.setFont(font_);
    p.setPen(colour_);
    p.drawText(rect().translated(at), Qt::AlignCenter, caption_);
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
  if (rect().contains(at) && onRelease) onRelease(at.x());
}

void PictureButton::enterEvent(QEnterEvent* event) {
  if (onEnter) onEnter();
  QWidget::enterEvent(event);
}

RadioIconWidget::RadioIconWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ImRadio"));
  setFixedSize(kRadioIconWidth, kRadioIconHeight);
  setCursor(Qt::PointingHandCursor);
  // Only the shelf and the radio take the mouse: at the largest window the icon's box reaches
  // over the edges of the button above it and of the animation below it.
  QImage shape(size(), QImage::Format_ARGB32_Premultiplied);
  shape.fill(Qt::transparent);
  {
    QPainter p(&shape);
    for (const QString& name : {QStringLiteral("GPolkaNw"), QStringLiteral("GRadioA")}) {
      p.drawImage(0, 0, MediaPicture(name));
    }
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
  for (const QString& name : {QStringLiteral("GPolkaNw"), QStringLiteral("GRadioA"), lamp_}) {
    p.drawImage(0, 0, MediaPicture(name));
  }
}

void RadioIconWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && onLeftClick) onLeftClick();
  if (event->button() == Qt::RightButton && onRightClick) onRightClick();
}

}  // namespace zendral::radioui
