#include "app/lan/WaitingSpinner.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace zendral::lan {
namespace {

constexpr int kDots = 12;
constexpr int kStepMilliseconds = 90;

}  // namespace

WaitingSpinner::WaitingSpinner(QWidget* parent) : QWidget(parent) {
  setObjectName("WaitingSpinner");
  timer_.setInterval(kStepMilliseconds);
  connect(&timer_, &QTimer::timeout, this, [this] {
    step_ = (step_ + 1) % kDots;
    update();
  });
}

void WaitingSpinner::Start() {
  timer_.start();
}

void WaitingSpinner::Stop() {
  timer_.stop();
}

QSize WaitingSpinner::sizeHint() const {
  const int side = fontMetrics().height() * 3;
  return {side, side};
}

void WaitingSpinner::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const qreal side = std::min(width(), height());
  const qreal ring = side * 0.36;
  const qreal dot = side * 0.07;
  painter.translate(width() / 2.0, height() / 2.0);
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < kDots; ++i) {
    // The dot at the current step is the brightest; those behind it fade out.
    const int behind = (step_ - i + kDots) % kDots;
    const qreal strength = 1.0 - static_cast<qreal>(behind) / kDots;
    QColor colour(176, 132, 36);
    colour.setAlphaF(0.15 + 0.85 * strength);
    painter.setBrush(colour);
    const qreal angle = 2 * std::numbers::pi * i / kDots - std::numbers::pi / 2;
    const QPointF centre(ring * std::cos(angle), ring * std::sin(angle));
    const qreal radius = dot * (0.7 + 0.5 * strength);
    painter.drawEllipse(centre, radius, radius);
  }
}

}  // namespace zendral::lan
