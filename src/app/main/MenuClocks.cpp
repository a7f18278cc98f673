#include "app/main/MenuClocks.h"

#include <QPainter>

#include "app/main/AppText.h"
#include "app/main/MenuGeometry.h"
#include "app/main/MenuPictures.h"
#include "app/online/OnlineArt.h"
#include "app/windows/KovCardsButton.h"

namespace zendral {

using appmain::QtText;

MenuTimeClock::MenuTimeClock(QWidget* parent) : QWidget(parent) {
  setObjectName("ImClock1");
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MenuTimeClock::Show(int hour, int minute, int millisecond, bool drawn) {
  hour_ = hour;
  minute_ = minute;
  separator_ = millisecond > 500;
  drawn_ = drawn;
  update();
}

void MenuTimeClock::paintEvent(QPaintEvent*) {
  if (!drawn_) return;
  QPainter p(this);
  DrawClockFace(p, QRectF(0, 0, kClockWidth, kClockHeight));
  if (hour_ / 10 != 0) DrawDigit(p, {14, 15}, hour_ / 10);
  DrawDigit(p, {34, 15}, hour_ % 10);
  DrawDigit(p, {61, 15}, minute_ / 10);
  DrawDigit(p, {81, 15}, minute_ % 10);
  if (separator_) {  // "GBClockP"
    p.setBrush(QColor(80, 255, 120));
    p.drawEllipse(QRectF(55, 24, 4, 4));
    p.drawEllipse(QRectF(55, 36, 4, 4));
  }
}

MenuIndicatorClock::MenuIndicatorClock(QWidget* parent) : QWidget(parent) {
  setObjectName("ImClock2");
}

void MenuIndicatorClock::Show(const TIndicatorText& text) {
  number_ = QtText(text.number);
  if (number_.isEmpty()) number_ = "00";
  country_ = QtText(text.country);
  flag_ = country_.isEmpty() ? QImage() : PaintFlag(text.country);
  setToolTip(QtText(text.hint));
  update();
}

void MenuIndicatorClock::paintEvent(QPaintEvent*) {
  QPainter p(this);
  DrawClockFace(p, QRectF(0, 0, kClockWidth, kClockHeight));
  QFont font("DejaVu Sans Mono");
  font.setStyleHint(QFont::Monospace);
  font.setBold(true);
  font.setPixelSize(30);
  p.setFont(font);
  p.setPen(QColor(255, 200, 60));
  QRect numberBox(8, 8, kClockWidth - 16, kClockHeight - 16);
  if (!flag_.isNull()) {
    // The flag at twice its size on the left, the number in the room beside it.
    const QSize flagSize = flag_.size() * 2;
    const QRect flagBox(QPoint(12, (kClockHeight - flagSize.height()) / 2), flagSize);
    p.drawImage(flagBox, flag_);
    numberBox.setLeft(flagBox.right() + 4);
    font.setPixelSize(24);
    p.setFont(FittingFont(font, number_, numberBox.width()));
  }
  p.drawText(numberBox, Qt::AlignCenter, number_);
}

}  // namespace zendral
