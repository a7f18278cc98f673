#pragma once
// The table's pictures from the resource packs, for the main window.

#include <memory>

#include "present/draw/CardImages.h"
#include "present/packs/PackPictures.h"

namespace zendral {

struct Settings;

// The table's pictures: those of the packs the settings chose, the program's own for the rest.
// Null packs: the program's own only.
PictureLoader PackLoader(const std::shared_ptr<PackPictures>& packs);

// The back of a kon's cards (BackPicture), chosen at every deal: today's weekday, 7 with
// "Always one", a random one of ten for the collections.
int BackPictureOfKon(const Settings& settings);

}  // namespace zendral
