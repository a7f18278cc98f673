#include "app/tour/MoveClockView.h"

#include <QPainter>

#include "present/draw/CardImages.h"

namespace zendral::tour {

MoveClockView::MoveClockView(int seat, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ImTimer%1").arg(seat));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void MoveClockView::Show(int seconds) {
  seconds_ = seconds;
  update();
}

void MoveClockView::paintEvent(QPaintEvent*) {
  if (seconds_ < 0) return;  // cleared: the table shows through
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const bool hurry = seconds_ < 8;
  const QImage picture =
      LoadArtPicture(hurry ? QStringLiteral("GTimerR") : QStringLiteral("GTimerY"));
  const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
  if (!picture.isNull()) {
    p.drawImage(box, picture);
  } else {
    // The clock face of our own: a round dial in the clock's colour.
    p.setPen(QPen(QColor(60, 40, 0), 2));
    p.setBrush(hurry ? QColor(200, 30, 30) : QColor(250, 215, 40));
    p.drawEllipse(box);
  }
  QFont font(QStringLiteral("Comic Sans MS"));
  font.setBold(true);
  font.setPixelSize(std::max(8, height() / 2));
  p.setFont(font);
  p.setPen(hurry ? QColor(255, 235, 60) : QColor(190, 0, 0));
  p.drawText(rect(), Qt::AlignCenter, QString::number(seconds_));
}

}  // namespace zendral::tour
