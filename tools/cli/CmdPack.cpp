// zendral-cli pack: look into a resource pack, for pack makers and testers.
//   pack list FILE           every resource, one a line: a picture as "KIND NAME WxH", a sound
//                            as "wav NAME DURATIONms", anything else as "FOLDER NAME N bytes"
//   pack get FILE NAME OUT   writes one resource's bytes (a picture's kinds first, then any
//                            other resource of that name)

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QSaveFile>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

#include "Commands.h"
#include "present/audio/WavInfo.h"
#include "present/packs/PackFile.h"

namespace zendral::cli {

static int RunPack(const Words& words);
static const CommandRegistration kRegistration("pack", RunPack,
                                               "pack list FILE | pack get FILE NAME OUT");

// Picture readers find their format plug-ins through the application object.
static std::unique_ptr<QCoreApplication> EnsureApplication() {
  if (QCoreApplication::instance()) return nullptr;
  static int argc = 1;
  static char name[] = "zendral-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QCoreApplication>(argc, argv);
}

static bool IsPictureFolder(const QString& folder) {
  for (PackKind kind : {PackKind::kPng, PackKind::kJpeg, PackKind::kGif}) {
    if (folder == QLatin1String(PackKindFolder(kind))) return true;
  }
  return false;
}

// A sound's playing time in whole milliseconds, or "?" when it is no PCM WAV.
static std::string WavDuration(const QByteArray& bytes) {
  const auto info =
      audio::ReadWavInfo(std::span(reinterpret_cast<const std::byte*>(bytes.constData()),
                                   static_cast<std::size_t>(bytes.size())));
  if (!info) return "?";
  const auto us = info->Length().count();
  return std::to_string((us + 500) / 1000) + "ms";
}

static int ListPack(const OpenPack& pack) {
  for (const PackResource& resource : pack.Resources()) {
    const std::string folder = resource.folder.toStdString();
    const std::string name = resource.name.toStdString();
    const QByteArray bytes = pack.Bytes(resource);
    if (IsPictureFolder(resource.folder)) {
      QBuffer buffer;
      buffer.setData(bytes);
      QImageReader reader(&buffer);
      const QSize size = reader.size();
      std::printf("%s %s %dx%d\n", folder.c_str(), name.c_str(), size.width(), size.height());
    } else if (folder == "wav") {
      std::printf("wav %s %s\n", name.c_str(), WavDuration(bytes).c_str());
    } else {
      std::printf("%s %s %lld bytes\n", folder.empty() ? "." : folder.c_str(), name.c_str(),
                  static_cast<long long>(bytes.size()));
    }
  }
  return 0;
}

static int GetResource(const OpenPack& pack, const std::string& name, const std::string& out) {
  const QString wanted = QString::fromStdString(name);
  // A picture's kinds in their order first, then whatever else the pack holds.
  QByteArray bytes;
  for (PackKind kind : {PackKind::kPng, PackKind::kJpeg, PackKind::kGif}) {
    bytes = pack.Bytes(kind, wanted);
    if (!bytes.isEmpty()) break;
  }
  if (bytes.isEmpty()) {
    for (const PackResource& resource : pack.Resources()) {
      if (resource.name != wanted) continue;
      bytes = pack.Bytes(resource);
      if (!bytes.isEmpty()) break;
    }
  }
  if (bytes.isEmpty()) {
    std::fprintf(stderr, "zendral-cli pack: no resource '%s' in the pack\n", name.c_str());
    return 1;
  }
  QSaveFile file(QString::fromStdString(out));
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    std::fprintf(stderr, "zendral-cli pack: cannot write %s\n", out.c_str());
    return 1;
  }
  return 0;
}

static int RunPack(const Words& words) {
  const bool list = words.size() == 2 && words[0] == "list";
  const bool get = words.size() == 4 && words[0] == "get";
  if (!list && !get) {
    std::fputs("usage: zendral-cli pack list FILE | pack get FILE NAME OUT\n", stderr);
    return 2;
  }
  const auto app = EnsureApplication();
  const OpenPack pack{std::filesystem::path(words[1])};
  if (!pack.ok()) {
    std::fprintf(stderr, "zendral-cli pack: %s\n", pack.error().toUtf8().constData());
    return 1;
  }
  return list ? ListPack(pack) : GetResource(pack, words[2], words[3]);
}

}  // namespace zendral::cli
