#pragma once
// Fonts of the windows are set in points by some code and in pixels by other code (the art's
// fonts follow the window size in pixels); a font grown or shrunk must keep its kind, or Qt
// warns about a size of zero or less and the text falls back to the default size.

#include <QFont>
#include <QtGlobal>
#include <algorithm>

namespace zendral {

inline QFont ScaledFont(QFont font, double factor) {
  if (font.pointSizeF() > 0) {
    font.setPointSizeF(font.pointSizeF() * factor);
  } else if (font.pixelSize() > 0) {
    font.setPixelSize(std::max(1, qRound(font.pixelSize() * factor)));
  }
  return font;
}

}  // namespace zendral
