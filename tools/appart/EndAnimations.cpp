#include "EndAnimations.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <random>

namespace zendral::appart {

namespace {

constexpr double kPi = 3.14159265358979;

void PaintSky(QPainter& p, const QColor& top, const QColor& bottom) {
  QLinearGradient sky(0, 0, 0, kEndFrameHeight);
  sky.setColorAt(0, top);
  sky.setColorAt(1, bottom);
  p.fillRect(QRect(0, 0, kEndFrameWidth, kEndFrameHeight), sky);
}

void PaintStars(QPainter& p, int frame, unsigned seed, int count) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> x(0, kEndFrameWidth), y(0, kEndFrameHeight * 0.8);
  std::uniform_real_distribution<double> phase(0, 2 * kPi);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    const QPointF at(x(random), y(random));
    const double twinkle = 0.5 + 0.5 * std::sin(phase(random) + frame * 0.7);
    p.setBrush(QColor(255, 255, 230, static_cast<int>(60 + 160 * twinkle)));
    p.drawEllipse(at, 0.8 + 0.6 * twinkle, 0.8 + 0.6 * twinkle);
  }
}

QPainterPath Star(QPointF centre, double outer, double turn) {
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const double r = i % 2 == 0 ? outer : outer * 0.42;
    const double a = turn + i * kPi / 5 - kPi / 2;
    const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    if (i == 0) {
      star.moveTo(pt);
    } else {
      star.lineTo(pt);
    }
  }
  star.closeSubpath();
  return star;
}

struct Burst {
  int start;
  QPointF at;
  QColor colour;
};

void PaintFireworks(QPainter& p, int frame) {
  PaintSky(p, QColor(8, 10, 40), QColor(60, 20, 80));
  PaintStars(p, frame, 7, 40);
  const Burst bursts[] = {{0, {70, 55}, QColor(255, 210, 60)},
                          {5, {170, 45}, QColor(255, 90, 120)},
                          {10, {120, 75}, QColor(120, 220, 255)},
                          {15, {55, 40}, QColor(180, 255, 120)},
                          {18, {190, 70}, QColor(255, 240, 200)}};
  for (const Burst& b : bursts) {
    const int rise = 5;
    const int age = frame - b.start;
    if (age < 0) continue;
    if (age < rise) {
      // The rocket climbs to its point with a spark trail.
      const double t = (age + 1.0) / rise;
      const QPointF rocket(b.at.x(), kEndFrameHeight - (kEndFrameHeight - b.at.y()) * t);
      p.setPen(QPen(QColor(255, 220, 150, 160), 1.5));
      p.drawLine(rocket, rocket + QPointF(0, 14));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 250, 220));
      p.drawEllipse(rocket, 2, 2);
      continue;
    }
    const int spread = age - rise;
    if (spread > 12) continue;
    const double radius = 6 + 38 * (1 - std::pow(0.78, spread + 1));
    const double fall = 0.35 * spread * spread;
    const int alpha = std::max(0, 255 - spread * 19);
    if (spread < 2) {
      QRadialGradient flash(b.at, 26);
      flash.setColorAt(0, QColor(255, 255, 255, 200));
      flash.setColorAt(1, QColor(255, 255, 255, 0));
      p.setPen(Qt::NoPen);
      p.setBrush(flash);
      p.drawEllipse(b.at, 26, 26);
    }
    for (int i = 0; i < 28; ++i) {
      const double a = i * 2 * kPi / 28;
      const QPointF tip(b.at.x() + radius * std::cos(a), b.at.y() + radius * std::sin(a) + fall);
      const QPointF tail(b.at.x() + radius * 0.7 * std::cos(a),
                         b.at.y() + radius * 0.7 * std::sin(a) + fall * 0.7);
      QColor c = b.colour;
      c.setAlpha(alpha);
      p.setPen(QPen(c, 1.6, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(tail, tip);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 255, 255, alpha));
      p.drawEllipse(tip, 1.2, 1.2);
    }
  }
}

void PaintRisingStars(QPainter& p, int frame) {
  PaintSky(p, QColor(5, 40, 50), QColor(10, 90, 80));
  PaintStars(p, frame, 11, 30);
  std::mt19937 random(23);
  std::uniform_real_distribution<double> x(15, kEndFrameWidth - 15);
  std::uniform_real_distribution<double> size(6, 13);
  std::uniform_int_distribution<int> delay(0, kEndFrames - 1);
  for (int i = 0; i < 14; ++i) {
    const double x0 = x(random);
    const double s = size(random);
    const int d = delay(random);
    const double t = std::fmod((frame + d) / static_cast<double>(kEndFrames), 1.0);
    const QPointF at(x0 + 8 * std::sin(t * 2 * kPi + i),
                     kEndFrameHeight + 15 - t * (kEndFrameHeight + 30));
    const bool gold = i % 3 != 0;
    QRadialGradient glow(at, s * 2.2);
    glow.setColorAt(0, gold ? QColor(255, 230, 120, 120) : QColor(220, 230, 255, 120));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(at, s * 2.2, s * 2.2);
    p.setPen(QPen(gold ? QColor(150, 100, 10) : QColor(110, 120, 150), 1));
    p.setBrush(gold ? QColor(255, 215, 70) : QColor(225, 230, 245));
    p.drawPath(Star(at, s, t * 2 * kPi));
  }
}

void PaintRain(QPainter& p, int frame) {
  PaintSky(p, QColor(70, 80, 95), QColor(120, 130, 140));
  // Drops fall a whole number of frame heights per cycle, so the last frame leads back into
  // the first.
  std::mt19937 random(31);
  std::uniform_real_distribution<double> x(0, kEndFrameWidth), y(0, kEndFrameHeight);
  for (int i = 0; i < 70; ++i) {
    const double x0 = x(random);
    const double y0 = y(random);
    const int laps = 2 + i % 2;
    const double yy =
        std::fmod(y0 + frame * laps * kEndFrameHeight / double(kEndFrames), kEndFrameHeight);
    p.setPen(QPen(QColor(200, 215, 235, 170), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x0 - 2, yy), QPointF(x0, yy + 9));
  }
  // Heavy clouds drifting one way and back.
  const double drift = 6 * std::sin(frame * 2 * kPi / kEndFrames);
  const QPointF puffs[] = {{40, 18}, {75, 10}, {110, 20}, {145, 8}, {185, 18}, {215, 12}};
  for (int layer = 0; layer < 2; ++layer) {
    p.setPen(Qt::NoPen);
    p.setBrush(layer == 0 ? QColor(55, 60, 70) : QColor(90, 95, 105));
    for (const QPointF& c : puffs) {
      p.drawEllipse(c + QPointF(drift * (layer == 0 ? 1 : -1), layer * 6), 34 - layer * 8,
                    20 - layer * 5);
    }
  }
  // Splashes on the ground line.
  for (int i = 0; i < 8; ++i) {
    const double sx = 15 + i * 30 + (frame * 7 + i * 13) % 11;
    const double grow = ((frame + i * 3) % 6) / 6.0;
    p.setPen(QPen(QColor(210, 225, 240, static_cast<int>(200 * (1 - grow))), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(sx, kEndFrameHeight - 6), 2 + 6 * grow, 1 + 2 * grow);
  }
}

}  // namespace

QImage PaintEndAnimation(EndMood mood) {
  QImage strip(kEndFrameWidth * kEndFrames, kEndFrameHeight, QImage::Format_RGB32);
  QPainter p(&strip);
  p.setRenderHint(QPainter::Antialiasing);
  for (int frame = 0; frame < kEndFrames; ++frame) {
    p.save();
    p.setClipRect(frame * kEndFrameWidth, 0, kEndFrameWidth, kEndFrameHeight);
    p.translate(frame * kEndFrameWidth, 0);
    switch (mood) {
      case EndMood::kBest:
        PaintFireworks(p, frame);
        break;
      case EndMood::kGood:
        PaintRisingStars(p, frame);
        break;
      case EndMood::kBad:
        PaintRain(p, frame);
        break;
    }
    p.restore();
  }
  return strip;
}

}  // namespace zendral::appart
