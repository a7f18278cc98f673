#include "present/geometry/TableScale.h"

#include <algorithm>
#include <cmath>

namespace zendral {

namespace {

constexpr double kHair = 1e-9;

// Factors of the fixed sizes, by WindowSize.
constexpr double kFixedScale[] = {0.0, 1.0, 0.0, 1.3, 1.7, 2.0};
constexpr ClientSize kFixedClient[] = {{}, {760, 500}, {}, {990, 650}, {1290, 850}, {1520, 1000}};
// The screen a fixed size needs: its client area and 20 pixels for the caption.
constexpr ClientSize kNeededScreen[] = {{}, {0, 0}, {0, 0}, {990, 670}, {1290, 870}, {1520, 1020}};

bool Known(int windowSize) {
  return windowSize >= kSmallWindow && windowSize <= kLargeWindow;
}

}  // namespace

int RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  double result = floor;
  if (fraction > 0.5 + kHair) {
    result = floor + 1;
  } else if (fraction >= 0.5 - kHair) {
    result = std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1;
  }
  return static_cast<int>(result);
}

ClientSize ClientAreaFor(int windowSize, ClientSize screen) {
  if (!Known(windowSize)) return kFixedClient[kSmallWindow];
  if (windowSize == kFullScreen) return screen;
  return kFixedClient[windowSize];
}

bool WindowSizeOffered(int windowSize, ClientSize screen) {
  if (!Known(windowSize)) return false;
  const ClientSize need = kNeededScreen[windowSize];
  return screen.width >= need.width && screen.height >= need.height;
}

TableScale ScaleFor(int windowSize, ClientSize client) {
  TableScale scale;
  if (!Known(windowSize)) return scale;
  scale.windowSize = windowSize;
  if (windowSize == kFullScreen) {
    if (client.width <= 0 || client.height <= 0) return scale;
    scale.scaleX = static_cast<double>(client.width) / kDesignWidth;
    scale.scaleY = static_cast<double>(client.height) / kDesignHeight;
    scale.pictureScale = std::min(scale.scaleX, scale.scaleY);
  } else {
    scale.scaleX = scale.scaleY = scale.pictureScale = kFixedScale[windowSize];
  }
  return scale;
}

int TableScale::Length(double a) const {
  return RoundHalfEven(a * pictureScale);
}

int TableScale::Left(int left, int width) const {
  return RoundHalfEven(scaleX * left) + RoundHalfEven((scaleX - pictureScale) * width / 2);
}

int TableScale::Top(int top, int height) const {
  return RoundHalfEven(scaleY * top) + RoundHalfEven((scaleY - pictureScale) * height / 2);
}

int RoleFontSize(int size, int percent) {
  return RoundHalfEven(static_cast<double>(size) * percent / 100.0);
}

CardMetrics CardMetricsFor(const TableScale& scale, bool narrowDeck) {
  CardMetrics m;
  const double ps = scale.pictureScale;
  if (ps < 1.3 - kHair) {
    m.width = kSmallCardWidth;  // a narrow deck keeps the small pictures' frame
    m.height = kSmallCardHeight;
    m.drawMode = kCardModeSmall;
    m.cornerRadius = 0;
  } else if (ps < 2.0 - kHair) {
    m.width = scale.Length(narrowDeck ? kNarrowCardWidth : kSmallCardWidth);
    m.height = scale.Length(kSmallCardHeight);
    m.drawMode = kCardModeLarge;
    m.cornerRadius = scale.Length(8);
  } else {
    m.width = narrowDeck ? kLargeNarrowCardWidth : kLargeCardWidth;
    m.height = kLargeCardHeight;
    m.drawMode = kCardModeOwn;
    m.cornerRadius = 16;
  }
  return m;
}

}  // namespace zendral
