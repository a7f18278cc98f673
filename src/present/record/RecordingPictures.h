#pragma once
// The table's pictures while kons are recorded: the program's own, with the plain "GIFBackGr"
// in place of the chosen felt.

#include "present/draw/CardImages.h"

namespace zendral {

PictureLoader RecordingPictures(PictureLoader pictures = LoadArtPicture);

}  // namespace zendral
