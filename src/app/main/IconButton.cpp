#include "app/main/IconButton.h"

#include <QPainter>

namespace zendral {

IconButton::IconButton(QWidget* parent) : QPushButton(parent) {
  setFlat(true);
  setCursor(Qt::PointingHandCursor);
}

void IconButton::paintEvent(QPaintEvent*) {
  const QPixmap picture =
      icon().pixmap(iconSize(), devicePixelRatioF(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
  if (picture.isNull()) return;
  const QSize shown = picture.deviceIndependentSize().toSize();
  QPainter p(this);
  p.drawPixmap(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), picture);
}

}  // namespace zendral
