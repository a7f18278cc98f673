#pragma once
// The ten window backgrounds of the backgrounds pack in their seven colourings, and the purple
// design's background of the graphics pack.

#include <QColor>
#include <QImage>

namespace zendral::packs {

// background 1..10, colour 0..6; drawn at 1520 x 1000 (the large set; the small one is this
// picture halved).
QImage PaintBackground(int background, int colour);
QImage PaintPurpleBackground();

}  // namespace zendral::packs
