#include "BackgroundPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>

#include "SuitShapes.h"

namespace zendral::packs {

namespace {

constexpr int kWidth = 1520, kHeight = 1000;

// Green, red, orange, yellow, light blue, dark blue, violet.
const QColor kColours[] = {{18, 96, 48},   {128, 22, 28}, {184, 86, 20}, {180, 150, 36},
                           {40, 118, 178}, {20, 34, 100}, {86, 30, 118}};

// A repeatable noise value in [-1, 1] for a pixel.
double Noise(int x, int y, std::uint32_t seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                    static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xffff) / 32767.5 - 1.0;
}

int Clamp(double v) {
  return v < 0 ? 0 : v > 255 ? 255 : static_cast<int>(v);
}

// Fills the picture pixel by pixel: light(x, y) scales the base colour (1 = itself).
template <typename F>
void Shade(QImage& image, const QColor& base, F light) {
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const double l = light(x, y);
      line[x] = qRgb(Clamp(base.red() * l), Clamp(base.green() * l), Clamp(base.blue() * l));
    }
  }
}

void Vignette(QImage& image) {
  QPainter p(&image);
  QRadialGradient g(QPointF(kWidth / 2.0, kHeight / 2.0), kWidth * 0.7);
  g.setColorAt(0.55, QColor(0, 0, 0, 0));
  g.setColorAt(1, QColor(0, 0, 0, 110));
  p.fillRect(image.rect(), g);
}

}  // namespace

QImage PaintBackground(int background, int colour) {
  const QColor base = kColours[std::clamp(colour, 0, 6)];
  const std::uint32_t seed = static_cast<std::uint32_t>(background * 16 + colour);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  switch (background) {
    case 1:  // Sun: a bright centre with soft rays
      Shade(image, base, [&](int x, int y) {
        const double dx = x - kWidth / 2.0, dy = y - kHeight * 0.45;
        const double r = std::sqrt(dx * dx + dy * dy) / kWidth;
        const double a = std::atan2(dy, dx);
        return 1.55 - 1.1 * r + 0.08 * std::sin(a * 18) * (1 - r) + 0.02 * Noise(x, y, seed);
      });
      break;
    case 2:  // Felt: fine fibres
      Shade(image, base, [&](int x, int y) {
        return 1.0 + 0.07 * Noise(x, y, seed) + 0.04 * Noise(x / 3, y / 3, seed + 1);
      });
      Vignette(image);
      break;
    case 3:  // Gradient: light at the top, deep at the bottom
      Shade(image, base,
            [&](int x, int y) { return 1.6 - 0.9 * y / kHeight + 0.01 * Noise(x, y, seed); });
      break;
    case 4:  // Cloth: woven threads
      Shade(image, base, [&](int x, int y) {
        const bool over = ((x / 6) + (y / 6)) % 2 == 0;
        const double thread =
            over ? 0.5 + 0.5 * std::sin(y * M_PI / 6) : 0.5 + 0.5 * std::sin(x * M_PI / 6);
        return 0.85 + 0.2 * thread + 0.04 * Noise(x, y, seed);
      });
      Vignette(image);
      break;
    case 5: {  // Carpet: a lattice of lozenges with a rosette in each
      Shade(image, base, [&](int x, int y) {
        const double u = std::fmod(x + y, 120.0), v = std::fmod(x - y + 12000.0, 120.0);
        const double edge = std::min({u, 120 - u, v, 120 - v});
        const double cx = std::abs(u - 60), cy = std::abs(v - 60);
        const double rosette = cx + cy < 18 ? 0.35 : 0;
        return (edge < 5 ? 0.7 : 1.0) + rosette + 0.04 * Noise(x, y, seed);
      });
      Vignette(image);
      break;
    }
    case 6:  // Tree: wood grain
      Shade(image, base, [&](int x, int y) {
        const double ring = std::sin((y + 30 * std::sin(x / 180.0) + 8 * std::sin(x / 23.0)) / 9.0);
        return 0.95 + 0.12 * ring + 0.05 * Noise(x / 4, y, seed);
      });
      break;
    case 7: {  // Casino: felt with the table's oval and a gold line
      Shade(image, base, [&](int x, int y) { return 0.8 + 0.06 * Noise(x, y, seed); });
      QPainter p(&image);
      p.setRenderHint(QPainter::Antialiasing);
      const QRectF oval(120, 90, kWidth - 240, kHeight - 180);
      QRadialGradient g(oval.center(), oval.width() / 2);
      g.setColorAt(0, base.lighter(150));
      g.setColorAt(1, base);
      p.setBrush(g);
      p.setPen(QPen(QColor(214, 176, 70), 10));
      p.drawEllipse(oval);
      p.setPen(QPen(QColor(214, 176, 70, 120), 3));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(oval.adjusted(30, 30, -30, -30));
      break;
    }
    case 8: {  // Pattern: the four suits in rows, faint
      Shade(image, base, [&](int x, int y) { return 1.0 + 0.03 * Noise(x, y, seed); });
      QPainter p(&image);
      p.setRenderHint(QPainter::Antialiasing);
      const QColor mark = base.lighter(125);
      for (int j = 0; j * 80 < kHeight + 80; ++j) {
        for (int i = 0; i * 80 < kWidth + 80; ++i) {
          const int suit = (i + j) % 4 + 1;
          const double x = i * 80 + (j % 2) * 40, y = j * 80;
          p.fillPath(art::SuitPathIn(suit, QRectF(x - 16, y - 16, 32, 32)), mark);
        }
      }
      break;
    }
    case 9:  // Silk: smooth sheen across
      Shade(image, base, [&](int x, int y) {
        const double s = std::sin((x * 0.8 + y) / 140.0 + std::sin(x / 300.0) * 2);
        return 1.05 + 0.3 * s * s * s + 0.01 * Noise(x, y, seed);
      });
      break;
    default: {  // Ornament: tiles of quatrefoils
      Shade(image, base, [&](int x, int y) { return 0.95 + 0.03 * Noise(x, y, seed); });
      QPainter p(&image);
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(QPen(base.lighter(140), 3));
      p.setBrush(Qt::NoBrush);
      for (int j = 0; j * 100 < kHeight + 100; ++j) {
        for (int i = 0; i * 100 < kWidth + 100; ++i) {
          const QPointF c(i * 100.0, j * 100.0);
          for (const QPointF d :
               {QPointF(0, -22), QPointF(22, 0), QPointF(0, 22), QPointF(-22, 0)}) {
            p.drawEllipse(c + d, 22, 22);
          }
          p.drawEllipse(c + QPointF(50, 50), 8, 8);
        }
      }
      break;
    }
  }
  return image;
}

QImage PaintPurpleBackground() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  const QColor base(92, 24, 140);
  Shade(image, base, [&](int x, int y) {
    const double dx = x - kWidth / 2.0, dy = y - kHeight / 2.0;
    const double r = std::sqrt(dx * dx + dy * dy) / kWidth;
    const double wave = std::sin((x + y) / 90.0) * std::sin((x - y) / 130.0);
    return 1.45 - 0.9 * r + 0.08 * wave + 0.015 * Noise(x, y, 99);
  });
  return image;
}

}  // namespace zendral::packs
