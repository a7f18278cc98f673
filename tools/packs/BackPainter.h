#pragma once
// The twelve back designs of pack B, and the narrow large backs of the program's own design.

#include <QImage>

#include "present/packs/PackNames.h"

namespace zendral::packs {

QSize BackSizeOf(BackSize size);

// design 1..12, picture 1..BackPictureCount(design)
QImage PaintBackDesign(int design, int picture, BackSize size);
// The program's own weekday back (design 0) for the large narrow cards.
QImage PaintOwnNarrowBack(int picture);

}  // namespace zendral::packs
