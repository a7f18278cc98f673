#include "Animations.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>
#include "present/draw/SuitShape.h"

namespace zendral::windowart {

namespace {

constexpr double kPi = std::numbers::pi;

QImage Frame(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QLinearGradient Gold(double left, double right) {
  QLinearGradient g(left, 0, right, 0);
  g.setColorAt(0.0, QColor(150, 104, 12));
  g.setColorAt(0.3, QColor(255, 226, 110));
  g.setColorAt(0.55, QColor(232, 180, 40));
  g.setColorAt(1.0, QColor(130, 88, 8));
  return g;
}

// A four-pointed twinkle of the given size (0 draws nothing).
void Twinkle(QPainter& p, QPointF at, double size) {
  if (size <= 0.2) return;
  QPainterPath star;
  star.moveTo(at + QPointF(0, -size));
  star.quadTo(at, at + QPointF(size, 0));
  star.quadTo(at, at + QPointF(0, size));
  star.quadTo(at, at + QPointF(-size, 0));
  star.quadTo(at, at + QPointF(0, -size));
  p.fillPath(star, QColor(255, 250, 210));
  p.setPen(QPen(QColor(255, 214, 60), 0.8));
  p.drawPath(star);
}

// One laurel branch from the bottom centre, curving up on one side (side -1 left, +1 right).
void LaurelBranch(QPainter& p, QPointF base, int side) {
  p.save();
  p.setPen(QPen(QColor(70, 100, 30), 2));
  QPainterPath stem;
  stem.moveTo(base);
  const QPointF tip = base + QPointF(side * 70, -92);
  stem.quadTo(base + QPointF(side * 78, -14), tip);
  p.drawPath(stem);
  for (int k = 1; k <= 9; ++k) {
    const double t = k / 10.0;
    const QPointF at = stem.pointAtPercent(t);
    const double angle = stem.angleAtPercent(t);
    for (int leaf : {-1, 1}) {
      p.save();
      p.translate(at);
      p.rotate(-angle + leaf * 40);
      QLinearGradient green(0, -4, 0, 4);
      green.setColorAt(0, QColor(150, 196, 80));
      green.setColorAt(1, QColor(50, 110, 30));
      p.setBrush(green);
      p.setPen(QPen(QColor(40, 80, 20), 0.7));
      p.drawEllipse(QRectF(0, -3.5, 14 - 4 * t, 7 - 2 * t));
      p.restore();
    }
  }
  p.restore();
}

}  // namespace

std::vector<QImage> TopTenFrames() {
  constexpr int kFrames = 16, kWidth = 240, kHeight = 120;
  std::vector<QImage> frames;
  const QPointF sparkles[] = {{40, 30}, {200, 26}, {68, 92}, {176, 96},
                              {120, 8}, {22, 70},  {218, 66}};
  for (int f = 0; f < kFrames; ++f) {
    QImage image = Frame(kWidth, kHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    LaurelBranch(p, {112, 114}, -1);
    LaurelBranch(p, {128, 114}, 1);

    // The cup: bowl, handles, stem and foot.
    QPainterPath bowl;
    bowl.moveTo(92, 16);
    bowl.lineTo(148, 16);
    bowl.cubicTo(148, 52, 136, 66, 120, 68);
    bowl.cubicTo(104, 66, 92, 52, 92, 16);
    p.setPen(QPen(QColor(110, 72, 6), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(78, 22, 22, 26), 90 * 16, 180 * 16);
    p.drawArc(QRectF(140, 22, 22, 26), -90 * 16, 180 * 16);
    p.setPen(QPen(QColor(190, 140, 30), 3));
    p.drawArc(QRectF(79, 23, 20, 24), 90 * 16, 180 * 16);
    p.drawArc(QRectF(141, 23, 20, 24), -90 * 16, 180 * 16);
    p.setPen(QPen(QColor(110, 72, 6), 1.2));
    p.setBrush(Gold(92, 148));
    p.drawPath(bowl);
    p.drawRect(QRectF(115, 68, 10, 16));
    p.setBrush(Gold(100, 140));
    p.drawRoundedRect(QRectF(102, 84, 36, 8), 3, 3);
    p.drawRoundedRect(QRectF(96, 92, 48, 10), 3, 3);
    p.setPen(QPen(QColor(120, 70, 0)));
    QFont digits("DejaVu Sans");
    digits.setPixelSize(18);
    digits.setBold(true);
    p.setFont(digits);
    p.drawText(QRectF(92, 22, 56, 30), Qt::AlignCenter, QStringLiteral("10"));

    // The glint sweeps across the bowl once per cycle.
    p.save();
    p.setClipPath(bowl);
    const double x = 70 + (f * 100.0 / kFrames);
    QLinearGradient glint(x - 10, 0, x + 10, 0);
    glint.setColorAt(0, QColor(255, 255, 255, 0));
    glint.setColorAt(0.5, QColor(255, 255, 240, 200));
    glint.setColorAt(1, QColor(255, 255, 255, 0));
    p.translate(x, 40);
    p.rotate(20);
    p.translate(-x, -40);
    p.fillRect(QRectF(x - 10, 0, 20, 90), glint);
    p.restore();

    // The sparkles twinkle in turn.
    for (std::size_t k = 0; k < std::size(sparkles); ++k) {
      const double phase = 2 * kPi * (f / static_cast<double>(kFrames) + k / 7.0);
      Twinkle(p, sparkles[k], 7 * std::max(0.0, std::sin(phase)));
    }
    frames.push_back(image);
  }
  return frames;
}

namespace {

void Monitor(QPainter& p, const QRectF& frame) {
  p.setPen(QPen(QColor(40, 40, 46), 1));
  p.setBrush(QColor(90, 92, 100));
  p.drawRoundedRect(frame, 2.5, 2.5);
  const QRectF screen = frame.adjusted(3, 3, -3, -3);
  QLinearGradient glass(0, screen.top(), 0, screen.bottom());
  glass.setColorAt(0, QColor(40, 110, 60));
  glass.setColorAt(1, QColor(14, 64, 30));
  p.setBrush(glass);
  p.setPen(Qt::NoPen);
  p.drawRect(screen);
  // Stand.
  p.setBrush(QColor(70, 72, 80));
  const double mid = frame.center().x();
  p.drawRect(QRectF(mid - 3, frame.bottom(), 6, 4));
  p.drawRoundedRect(QRectF(mid - 10, frame.bottom() + 4, 20, 3), 1.5, 1.5);
}

// A card seen turning about its upright axis: width factor from -1 to 1; the face shows a red
// heart, the back a red lattice.
void TurningCard(QPainter& p, QPointF centre, QSizeF size, double turn) {
  const double w = size.width() * std::abs(turn);
  if (w < 0.8) {
    p.setPen(QPen(QColor(230, 230, 230), 1));
    p.drawLine(centre + QPointF(0, -size.height() / 2), centre + QPointF(0, size.height() / 2));
    return;
  }
  const QRectF card(centre.x() - w / 2, centre.y() - size.height() / 2, w, size.height());
  p.setPen(QPen(QColor(30, 30, 30), 0.8));
  if (turn > 0) {
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 1.5, 1.5);
    p.save();
    p.translate(centre);
    p.scale(std::abs(turn), 1);
    p.fillPath(SuitShapeIn(1, QRectF(-5, -6, 10, 10)), QColor(210, 20, 30));
    p.restore();
  } else {
    p.setBrush(QColor(170, 24, 36));
    p.drawRoundedRect(card, 1.5, 1.5);
    p.save();
    p.setClipRect(card.adjusted(1.5, 1.5, -1.5, -1.5));
    p.setPen(QPen(QColor(240, 200, 200), 0.6));
    for (double d = -size.height(); d < size.height() + w; d += 3) {
      p.drawLine(QPointF(card.left() + d, card.top()),
                 QPointF(card.left() + d - size.height(), card.bottom()));
      p.drawLine(QPointF(card.left() + d - size.height(), card.top()),
                 QPointF(card.left() + d, card.bottom()));
    }
    p.restore();
  }
}

}  // namespace

std::vector<QImage> ClubLocalFrames() {
  constexpr int kFrames = 12;
  std::vector<QImage> frames;
  for (int f = 0; f < kFrames; ++f) {
    QImage image = Frame(60, 75);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Monitor(p, QRectF(3, 6, 54, 40));
    // Keyboard.
    p.setPen(QPen(QColor(60, 60, 66), 1));
    p.setBrush(QColor(200, 202, 208));
    p.drawRoundedRect(QRectF(5, 60, 50, 11), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 122, 130));
    for (int row = 0; row < 2; ++row) {
      for (int key = 0; key < 8; ++key) p.drawRect(QRectF(8 + key * 5.6, 62.5 + row * 4, 4, 2.5));
    }
    TurningCard(p, QPointF(30, 26), QSizeF(20, 28), std::cos(2 * kPi * f / kFrames));
    frames.push_back(image);
  }
  return frames;
}

std::vector<QImage> ClubNetFrames() {
  constexpr int kFrames = 12;
  std::vector<QImage> frames;
  const QRectF first(2, 3, 30, 22), second(28, 42, 30, 22);
  QPainterPath cable;
  cable.moveTo(first.center().x() + 10, first.bottom() + 7);
  cable.lineTo(first.center().x() + 10, 34);
  cable.lineTo(second.center().x() - 10, 34);
  cable.lineTo(second.center().x() - 10, second.top());
  for (int f = 0; f < kFrames; ++f) {
    QImage image = Frame(60, 75);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(50, 50, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cable);
    Monitor(p, first);
    Monitor(p, second);
    // The move travels down in the first half and comes back in the second.
    const int half = kFrames / 2;
    const bool down = f < half;
    const double t = (f % half + 0.5) / half;
    const QPointF at = cable.pointAtPercent(down ? t : 1 - t);
    QRadialGradient glow(at, 4);
    glow.setColorAt(0, QColor(255, 255, 200));
    glow.setColorAt(1, QColor(255, 190, 0, 0));
    p.setBrush(glow);
    p.setPen(Qt::NoPen);
    p.drawEllipse(at, 4, 4);
    // Each screen shows a small card, lit while the move is on its way to it.
    for (const auto& [screen, lit] : {std::pair{first, !down}, std::pair{second, down}}) {
      const QRectF card(screen.center().x() - 5, screen.center().y() - 6.5, 10, 13);
      p.setPen(QPen(QColor(20, 20, 20), 0.6));
      p.setBrush(lit ? QColor(255, 255, 255) : QColor(170, 190, 175));
      p.drawRoundedRect(card, 1, 1);
      p.setPen(Qt::NoPen);
      p.setBrush(lit ? QColor(20, 20, 20) : QColor(80, 96, 84));
      const QPointF c = card.center();
      p.drawPath(SuitShapeIn(4, QRectF(c.x() - 4, c.y() - 4, 8, 8)));
    }
    frames.push_back(image);
  }
  return frames;
}

}  // namespace zendral::windowart
