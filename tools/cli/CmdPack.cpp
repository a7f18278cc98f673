// zendral-cli pack: look into a resource pack, for pack makers and testers.
//   pack list FILE           every resource, one a line: kind, name, width x height
//   pack get FILE NAME OUT   writes one resource's bytes (the first kind that has the name)

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QSaveFile>
#include <cstdio>
#include <memory>
#include <string>

#include "Commands.h"
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

static int ListPack(const OpenPack& pack) {
  for (const PackEntry& entry : pack.Entries()) {
    QImageReader reader(pack.PathOf(entry.kind, entry.name));
    const QSize size = reader.size();
    const std::string kind(PackKindFolder(entry.kind));
    std::printf("%s %s %dx%d\n", kind.c_str(), entry.name.toUtf8().constData(), size.width(),
                size.height());
  }
  return 0;
}

static int GetResource(const OpenPack& pack, const std::string& name, const std::string& out) {
  for (PackKind kind : {PackKind::kPng, PackKind::kJpeg, PackKind::kGif}) {
    const QByteArray bytes = pack.Bytes(kind, QString::fromStdString(name));
    if (bytes.isEmpty()) continue;
    QSaveFile file(QString::fromStdString(out));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
      std::fprintf(stderr, "zendral-cli pack: cannot write %s\n", out.c_str());
      return 1;
    }
    return 0;
  }
  std::fprintf(stderr, "zendral-cli pack: no resource '%s' in the pack\n", name.c_str());
  return 1;
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
