#include "present/record/WindowFrame.h"

#include <QLinearGradient>
#include <QPainter>

namespace zendral {

QImage FramedPicture(const QImage& client, QMargins frame, const QString& title) {
  const qreal dpr = client.devicePixelRatio() > 0 ? client.devicePixelRatio() : 1.0;
  const QSize logical = (QSizeF(client.size()) / dpr).toSize();
  const QSize outer = logical.grownBy(frame);
  QImage picture((QSizeF(outer) * dpr).toSize(), QImage::Format_RGB32);
  picture.setDevicePixelRatio(dpr);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.fillRect(QRect(QPoint(0, 0), outer), QColor(52, 56, 64));
  if (frame.top() > 4) {
    const QRect bar(0, 0, outer.width(), frame.top());
    QLinearGradient fill(bar.topLeft(), bar.bottomLeft());
    fill.setColorAt(0, QColor(74, 82, 96));
    fill.setColorAt(1, QColor(46, 50, 58));
    p.fillRect(bar, fill);
    QFont font = p.font();
    font.setPixelSize(std::max(8, frame.top() * 5 / 9));
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(235, 235, 235));
    p.drawText(bar.adjusted(frame.left() + 6, 0, -frame.right() - 6, 0),
               Qt::AlignVCenter | Qt::AlignLeft, title);
  }
  p.drawImage(QPoint(frame.left(), frame.top()), client);
  return picture;
}

}  // namespace zendral
