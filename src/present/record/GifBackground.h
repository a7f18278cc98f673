#pragma once
// "GIFBackGr": the plain picture the table is drawn on while kons are recorded, instead of the
// chosen background. One even colour of felt costs next to nothing in a recording, where a
// mottled felt would fill every changed rectangle with noise.

#include <QImage>

namespace zendral {

inline constexpr const char* kGifBackgroundName = "GIFBackGr";

QImage GifBackgroundPicture();

}  // namespace zendral
