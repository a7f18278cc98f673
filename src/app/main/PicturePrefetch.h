#pragma once
// Some of the program's own pictures decoded ahead on a thread of their own while the windows
// are built: the felt under the menu is the start's largest picture, and decoding it on the
// window's thread would hold the first picture of the menu by as long.

#include <QImage>
#include <QString>
#include <QStringList>
#include <future>
#include <mutex>
#include <optional>
#include <vector>

#include "present/draw/CardImages.h"

namespace zendral {

class PicturePrefetch {
 public:
  // Starts decoding each name with the loader at once (the loader must be safe off the
  // window's thread, as reading the program's own art is).
  PicturePrefetch(const QStringList& names, PictureLoader load);
  // Waits for what is still being decoded.
  ~PicturePrefetch();
  PicturePrefetch(const PicturePrefetch&) = delete;
  PicturePrefetch& operator=(const PicturePrefetch&) = delete;

  // The picture decoded ahead, waiting for it if need be; each once, nothing for a name not
  // decoded ahead or already taken.
  std::optional<QImage> Take(const QString& name);

 private:
  std::mutex mutex_;
  std::vector<std::pair<QString, std::future<QImage>>> pending_;
};

// A loader that takes a picture from the prefetch when it holds it and loads it otherwise.
PictureLoader PrefetchingLoader(std::shared_ptr<PicturePrefetch> prefetch, PictureLoader load);

}  // namespace zendral
