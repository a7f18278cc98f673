#include "present/audio/SoundResources.h"

#include <QFile>
#include <string>

#include "present/audio/EventSoundNames.h"

namespace zendral::audio {

namespace {

std::vector<std::byte> ReadResource(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray data = file.readAll();
  const auto* first = reinterpret_cast<const std::byte*>(data.constData());
  return {first, first + data.size()};
}

}  // namespace

std::vector<std::byte> LoadEventSoundResource(std::string_view name) {
  if (!IsEventSoundName(name)) return {};
  return ReadResource(EventSoundResourcePath(name));
}

std::vector<std::byte> LoadMidiSongResource() {
  return ReadResource(std::string(kMidiSongResourcePath));
}

}  // namespace zendral::audio
