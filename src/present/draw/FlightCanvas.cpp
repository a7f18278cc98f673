#include "present/draw/FlightCanvas.h"

#include <QPainter>

namespace zendral {

namespace {

QRect ToQRect(const PixelRect& r) {
  return QRect(r.left, r.top, r.width, r.height);
}

PixelRect ToPixelRect(const QRect& r) {
  return {r.x(), r.y(), r.width(), r.height()};
}

}  // namespace

FlightCanvas::FlightCanvas(const QImage& snapshot, const QPixmap& sprite, PixelPoint start)
    : snapshot_(snapshot), picture_(sprite) {
  const QSize size = (QSizeF(sprite.size()) / sprite.devicePixelRatio()).toSize();
  sprite_ = QRect(QPoint(start.x, start.y), size);
}

QRect FlightCanvas::MoveTo(PixelPoint point) {
  const QRect old = sprite_;
  sprite_.moveTopLeft(QPoint(point.x, point.y));
  return ToQRect(FlightRefreshRect(ToPixelRect(old)));
}

QRect FlightCanvas::Erase() {
  shown_ = false;
  return ToQRect(FlightEraseRect(ToPixelRect(sprite_)));
}

void FlightCanvas::Paint(QPainter& p, const QRect& area) const {
  const qreal dpr = snapshot_.devicePixelRatio();
  p.save();
  p.setClipRect(area);
  p.drawImage(QRectF(area), snapshot_,
              QRectF(area.x() * dpr, area.y() * dpr, area.width() * dpr, area.height() * dpr));
  if (shown_ && sprite_.intersects(area)) p.drawPixmap(sprite_.topLeft(), picture_);
  p.restore();
}

}  // namespace zendral
