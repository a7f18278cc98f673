#pragma once
// The pictures of the graphics, calendar and radio packs.

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

namespace zendral::packs {

struct NamedPicture {
  QString name;
  bool jpeg = false;
  std::function<QImage()> draw;
};

// Window headers ("GFormOpt" + code, 400 x 50) and captions ("Options" + code, 300 x 40) in
// every picture language; the design icon "GIcon48Opt"; the salute strip "GTouch"; the purple
// design's background "BGLilu" (JPEG).
std::vector<NamedPicture> GraphicsPictures();
// "R_BASE", the zodiac signs "R_01" ... "R_12", the year animals and every holiday picture.
std::vector<NamedPicture> CalendarPictures();
// The radio window's pictures: "RRADIO_MAING", "RRADIO_MAINR", "RRADIO_RAMKA",
// "RRADIO_VOLUME00" ... "RRADIO_VOLUME10", and the logo of a station without one.
std::vector<NamedPicture> RadioPictures();

}  // namespace zendral::packs
