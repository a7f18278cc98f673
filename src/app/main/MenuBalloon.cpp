#include "app/main/MenuBalloon.h"

#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <algorithm>

namespace zendral {

namespace {

constexpr int kArrow = 8;  // the height of the balloon's arrow
constexpr int kBalloonPad = 6;

}  // namespace

MenuBalloon::MenuBalloon(QWidget* parent) : QWidget(parent), timer_(new QTimer(this)) {
  setObjectName("MenuBalloon");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  timer_->setSingleShot(true);
  timer_->setInterval(kShownMs);
  connect(timer_, &QTimer::timeout, this, &QWidget::hide);
  hide();
}

QFont MenuBalloon::TitleFont() const {
  QFont font(family_);
  font.setPointSize(9);
  font.setBold(true);
  return font;
}

QFont MenuBalloon::TextFont() const {
  QFont font(family_);
  font.setPointSize(9);
  return font;
}

void MenuBalloon::ShowFor(const QWidget* icon, const QString& title, const QString& text,
                          const QString& fontFamily) {
  title_ = title;
  text_ = text;
  family_ = fontFamily;
  const QFontMetrics titleMetrics(TitleFont());
  const QFontMetrics textMetrics(TextFont());
  const int width =
      std::max(titleMetrics.horizontalAdvance(title_), textMetrics.horizontalAdvance(text_)) +
      2 * kBalloonPad;
  const int height = (title_.isEmpty() ? 0 : titleMetrics.height()) + textMetrics.height() +
                     2 * kBalloonPad + kArrow;
  // Below the icon, the arrow pointing up at its middle; above it, pointing down, where the
  // window ends too soon below (the icons near the bottom edge of the large windows). Kept
  // inside the menu either way.
  const QRect place = parentWidget() != nullptr
                          ? QRect(icon->mapTo(parentWidget(), QPoint(0, 0)), icon->size())
                          : icon->geometry();
  const int tip = place.center().x();
  const int room = parentWidget() != nullptr ? parentWidget()->height() : place.bottom() + height;
  below_ = place.bottom() + 2 + height <= room || place.top() - 2 - height < 0;
  int left = tip - 14;
  if (parentWidget() != nullptr) {
    left = std::clamp(left, 0, std::max(0, parentWidget()->width() - width));
  }
  arrowX_ = tip - left;
  const int top = below_ ? place.bottom() + 2 : place.top() - 2 - height;
  setGeometry(left, top, width, height);
  show();
  raise();
  update();
  timer_->start();
}

void MenuBalloon::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  // The body leaves the arrow's height free on the icon's side.
  const double bodyTop = below_ ? kArrow + 0.5 : 0.5;
  QPainterPath shape;
  shape.addRoundedRect(QRectF(0.5, bodyTop, width() - 1, height() - kArrow - 1), 5, 5);
  QPainterPath arrow;
  if (below_) {
    arrow.moveTo(arrowX_ - 6, kArrow + 1);
    arrow.lineTo(arrowX_, 0.5);
    arrow.lineTo(arrowX_ + 6, kArrow + 1);
  } else {
    arrow.moveTo(arrowX_ - 6, height() - kArrow - 1);
    arrow.lineTo(arrowX_, height() - 0.5);
    arrow.lineTo(arrowX_ + 6, height() - kArrow - 1);
  }
  arrow.closeSubpath();
  p.setPen(QPen(QColor(255, 0, 0), 1));
  p.setBrush(QColor(255, 255, 225));
  p.drawPath(shape.united(arrow));
  int y = (below_ ? kArrow : 0) + kBalloonPad;
  if (!title_.isEmpty()) {
    p.setFont(TitleFont());
    p.setPen(QColor(128, 0, 0));
    const QFontMetrics metrics(TitleFont());
    p.drawText(kBalloonPad, y + metrics.ascent(), title_);
    y += metrics.height();
  }
  p.setFont(TextFont());
  p.setPen(QColor(255, 0, 0));
  p.drawText(kBalloonPad, y + QFontMetrics(TextFont()).ascent(), text_);
}

}  // namespace zendral
