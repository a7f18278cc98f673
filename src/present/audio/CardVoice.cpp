#include "present/audio/CardVoice.h"

#include <QFile>
#include <QResource>
#include <atomic>

#include "present/audio/VoiceNames.h"
#include "present/audio/WavInfo.h"
#include "present/packs/PackFile.h"

namespace zendral::audio {

namespace {

// A voice pack of 360 short voices is a few megabytes; anything far larger is not one.
constexpr qint64 kLargestPack = 256 * 1024 * 1024;

}  // namespace

std::vector<std::byte> LoadVoiceResource(const std::filesystem::path& programFolder,
                                         std::string_view name) {
  const std::filesystem::path file = FindPack(programFolder, kVoicePackFile);
  if (file.empty() || name.empty()) return {};
  QFile f(QString::fromStdString(file.string()));
  if (!f.open(QIODevice::ReadOnly) || f.size() > kLargestPack) return {};
  const QByteArray pack = f.readAll();
  const auto* data = reinterpret_cast<const uchar*>(pack.constData());
  // QResource trusts the offsets of what it is given, so a damaged pack is refused first.
  if (!IsWholeResourceFile(data, pack.size())) return {};

  static std::atomic<int> counter{0};
  const QString root = QStringLiteral("/zendral-voice-%1").arg(++counter);
  if (!QResource::registerResource(data, root)) return {};
  std::vector<std::byte> bytes;
  {
    QFile resource(QLatin1Char(':') + root + QLatin1Char('/') + QLatin1String(kVoiceFolder) +
                   QLatin1Char('/') + QString::fromUtf8(name.data(), qsizetype(name.size())));
    if (resource.open(QIODevice::ReadOnly)) {
      const QByteArray wav = resource.readAll();
      const auto* first = reinterpret_cast<const std::byte*>(wav.constData());
      bytes.assign(first, first + wav.size());
    }
  }
  QResource::unregisterResource(data, root);
  return bytes;
}

std::vector<std::byte> LoadCardVoice(const std::filesystem::path& programFolder, TCardCode card,
                                     int language) {
  std::vector<std::byte> wav = LoadVoiceResource(programFolder, VoiceResourceName(card, language));
  if (wav.empty() || !ReadWavInfo(wav)) return {};
  return wav;
}

}  // namespace zendral::audio
