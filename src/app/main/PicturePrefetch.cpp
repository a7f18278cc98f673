#include "app/main/PicturePrefetch.h"

#include <memory>

namespace zendral {

PicturePrefetch::PicturePrefetch(const QStringList& names, PictureLoader load) {
  for (const QString& name : names) {
    pending_.emplace_back(name,
                          std::async(std::launch::async, [load, name] { return load(name); }));
  }
}

PicturePrefetch::~PicturePrefetch() {
  std::lock_guard lock(mutex_);
  for (auto& [name, picture] : pending_) {
    if (picture.valid()) picture.wait();
  }
}

std::optional<QImage> PicturePrefetch::Take(const QString& name) {
  std::lock_guard lock(mutex_);
  for (auto it = pending_.begin(); it != pending_.end(); ++it) {
    if (it->first != name) continue;
    QImage picture = it->second.get();
    pending_.erase(it);
    return picture;
  }
  return std::nullopt;
}

PictureLoader PrefetchingLoader(std::shared_ptr<PicturePrefetch> prefetch, PictureLoader load) {
  return [prefetch = std::move(prefetch), load = std::move(load)](const QString& name) {
    if (std::optional<QImage> picture = prefetch->Take(name)) return *std::move(picture);
    return load(name);
  };
}

}  // namespace zendral
