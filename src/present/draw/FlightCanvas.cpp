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
    : snapshot_(snapshot), back_(snapshot.copy()), picture_(sprite) {
  back_.setDevicePixelRatio(snapshot.devicePixelRatio());
  const QSize size = (QSizeF(sprite.size()) / sprite.devicePixelRatio()).toSize();
  sprite_ = QRect(QPoint(start.x, start.y), size);
  DrawSprite();
}

void FlightCanvas::Restore(const QRect& r) {
  const qreal dpr = snapshot_.devicePixelRatio();
  QPainter p(&back_);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QRectF(r), snapshot_,
              QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr));
}

void FlightCanvas::DrawSprite() {
  QPainter p(&back_);
  p.drawPixmap(sprite_.topLeft(), picture_);
}

QRect FlightCanvas::MoveTo(PixelPoint point) {
  const QRect old = sprite_;
  Restore(old);
  sprite_.moveTopLeft(QPoint(point.x, point.y));
  DrawSprite();
  return ToQRect(FlightRefreshRect(ToPixelRect(old)));
}

QRect FlightCanvas::Erase() {
  Restore(sprite_);
  return ToQRect(FlightEraseRect(ToPixelRect(sprite_)));
}

}  // namespace zendral
