#include "present/record/RecordingPictures.h"

#include "present/record/GifBackground.h"

namespace zendral {

PictureLoader RecordingPictures(PictureLoader pictures) {
  return [pictures = std::move(pictures)](const QString& name) {
    // The felt of both picture sets is the plain one.
    if (name == QLatin1String("FonG") || name == QLatin1String("FonGB") ||
        name == QLatin1String(kGifBackgroundName)) {
      return GifBackgroundPicture();
    }
    return pictures ? pictures(name) : QImage();
  };
}

}  // namespace zendral
