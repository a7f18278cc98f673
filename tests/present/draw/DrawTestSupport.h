#pragma once
// Shared by the drawing tests: one GUI application for the font database, and a table-sized
// opaque surface to draw on, as the table's back buffer is.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "art/ArtLibrary.h"
#include "present/draw/TableArt.h"

namespace zendral::testing {

inline void EnsureGuiApp() {
  static int argc = 1;
  static char name[] = "draw_tests";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = [] {
    InitArtLibrary();
    return QGuiApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
  }();
  (void)app;
}

// An opaque surface of the table's client area at the art's device pixel ratio.
inline QImage TableSurface(const TableArt& art, QColor fill = QColor(1, 2, 3)) {
  QImage image(static_cast<int>(art.client().width * art.dpr()),
               static_cast<int>(art.client().height * art.dpr()), QImage::Format_RGB32);
  image.setDevicePixelRatio(art.dpr());
  image.fill(fill);
  return image;
}

// Whether every pixel of a rectangle (device pixels) is the same in both images.
inline bool SameRegion(const QImage& a, const QImage& b, const QRect& r) {
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) return false;
    }
  }
  return true;
}

// Counts the pixels of a rectangle for which the test holds.
template <typename Test>
int CountPixels(const QImage& image, const QRect& r, Test test) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) n += test(QColor::fromRgb(image.pixel(x, y)));
  }
  return n;
}

}  // namespace zendral::testing
