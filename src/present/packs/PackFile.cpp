#include "present/packs/PackFile.h"

#include <algorithm>

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>

#include <QResource>
#include <atomic>
#include <cstring>
#include <system_error>
#include "present/packs/ReadPicture.h"

namespace zendral {

namespace {

quint32 Be32(const uchar* p) {
  return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}
quint16 Be16(const uchar* p) {
  return static_cast<quint16>((p[0] << 8) | p[1]);
}

bool Fail(QString* error, const QString& why) {
  if (error) *error = why;
  return false;
}

constexpr quint16 kDirectoryFlag = 0x02;

QString NewRoot() {
  static std::atomic<int> counter{0};
  return QStringLiteral("/zendral-pack-%1").arg(++counter);
}

}  // namespace

std::string_view PackKindFolder(PackKind kind) {
  switch (kind) {
    case PackKind::kPng:
      return "png";
    case PackKind::kJpeg:
      return "jpeg";
    case PackKind::kGif:
      return "gif";
  }
  return "png";
}

std::filesystem::path ParentFolderOf(const std::filesystem::path& programFolder) {
  const std::filesystem::path normal = programFolder.lexically_normal();
  // A folder path with a trailing separator has an empty last part: go one further up.
  const std::filesystem::path parent = normal.parent_path();
  return normal.filename().empty() ? parent.parent_path() : parent;
}

std::filesystem::path FindPack(const std::filesystem::path& programFolder,
                               std::string_view packFile) {
  if (packFile.empty()) return {};
  std::error_code ec;
  const std::filesystem::path name{std::string(packFile)};
  for (const std::filesystem::path& folder : {programFolder, ParentFolderOf(programFolder)}) {
    if (folder.empty()) continue;
    if (std::filesystem::is_regular_file(folder / name, ec)) return folder / name;
  }
  return {};
}

// The layout written by rcc: "qres", the format version, the offsets of the tree, the data
// and the names (and from version 3 a flags word); tree entries of 14 bytes (version 1) or 22
// (with a time stamp); a directory entry holds its child count and first child, a file entry
// the offset of its data, which is a 32-bit length and the bytes; a name is a 16-bit length,
// a 32-bit hash and UTF-16 characters.
bool IsWholeResourceFile(const uchar* data, qint64 size, QString* error) {
  if (!data || size < 20 || std::memcmp(data, "qres", 4) != 0) {
    return Fail(error, QStringLiteral("not a resource file"));
  }
  const quint32 version = Be32(data + 4);
  if (version < 1 || version > 3) return Fail(error, QStringLiteral("unknown format version"));
  const quint64 tree = Be32(data + 8), payload = Be32(data + 12), names = Be32(data + 16);
  const quint64 whole = static_cast<quint64>(size);
  const quint64 entrySize = version >= 2 ? 22 : 14;
  if (tree >= whole || payload >= whole || names >= whole) {
    return Fail(error, QStringLiteral("offsets past the end"));
  }
  const quint64 entries = (whole - tree) / entrySize;
  if (entries == 0) return Fail(error, QStringLiteral("no entries"));

  auto nameOk = [&](quint64 offset) {
    const quint64 at = names + offset;
    if (at + 6 > whole) return false;
    return at + 6 + 2ull * Be16(data + at) <= whole;
  };
  // Every entry is checked once; children always follow their directory, so a walk over the
  // indexes in order covers the reachable ones and no cycle can make it loop.
  std::vector<bool> reached(entries, false);
  reached[0] = true;
  for (quint64 i = 0; i < entries; ++i) {
    if (!reached[i]) continue;
    const uchar* e = data + tree + i * entrySize;
    if (i > 0 && !nameOk(Be32(e))) return Fail(error, QStringLiteral("a name past the end"));
    if (Be16(e + 4) & kDirectoryFlag) {
      const quint64 count = Be32(e + 6), first = Be32(e + 10);
      if (count > entries || first <= i || first + count > entries) {
        return Fail(error, QStringLiteral("a folder past the end"));
      }
      for (quint64 c = first; c < first + count; ++c) reached[c] = true;
    } else {
      const quint64 at = payload + Be32(e + 10);
      if (at + 4 > whole || at + 4 + Be32(data + at) > whole) {
        return Fail(error, QStringLiteral("a resource past the end"));
      }
    }
  }
  return true;
}

OpenPack::OpenPack(const std::filesystem::path& file)
    : file_(QString::fromStdString(file.string())), root_(NewRoot()) {
  QFile f(file_);
  if (!f.open(QIODevice::ReadOnly)) {
    error_ = QStringLiteral("cannot open %1").arg(file_);
    return;
  }
  const qint64 size = f.size();
  QString why;
  bool whole = false;
  if (uchar* mapped = size > 0 ? f.map(0, size) : nullptr) {
    whole = IsWholeResourceFile(mapped, size, &why);
    f.unmap(mapped);
  } else {
    // A file that cannot be mapped is read instead.
    const QByteArray all = f.readAll();
    whole = IsWholeResourceFile(reinterpret_cast<const uchar*>(all.constData()), all.size(), &why);
  }
  if (!whole) {
    error_ = QStringLiteral("%1: %2").arg(file_, why);
    return;
  }
  ok_ = QResource::registerResource(file_, root_);
  if (!ok_) error_ = QStringLiteral("%1: not a resource file").arg(file_);
}

OpenPack::~OpenPack() {
  if (ok_) QResource::unregisterResource(file_, root_);
}

QString OpenPack::PathOf(PackKind kind, const QString& name) const {
  return QLatin1Char(':') + root_ + QLatin1Char('/') + QLatin1String(PackKindFolder(kind)) +
         QLatin1Char('/') + name;
}

QByteArray OpenPack::Bytes(PackKind kind, const QString& name) const {
  if (!ok_ || name.isEmpty()) return {};
  QFile f(PathOf(kind, name));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

namespace {

// The kind's format, handed to the decoder (ReadPicture.h).
const char* FormatOf(PackKind kind) {
  return kind == PackKind::kPng ? "PNG" : kind == PackKind::kJpeg ? "JPEG" : "GIF";
}

}  // namespace

QImage OpenPack::Picture(PackKind kind, const QString& name) const {
  const QByteArray bytes = Bytes(kind, name);
  if (bytes.isEmpty()) return {};
  return ReadPicture(bytes, FormatOf(kind));
}

std::vector<PackEntry> OpenPack::Entries() const {
  std::vector<PackEntry> out;
  if (!ok_) return out;
  for (PackKind kind : {PackKind::kPng, PackKind::kJpeg, PackKind::kGif}) {
    const QString folder =
        QLatin1Char(':') + root_ + QLatin1Char('/') + QLatin1String(PackKindFolder(kind));
    QStringList names;
    QDirIterator it(folder, QDir::Files);
    while (it.hasNext()) {
      it.next();
      names << it.fileName();
    }
    names.sort();
    for (const QString& n : names) out.push_back({kind, n});
  }
  return out;
}

std::vector<PackResource> OpenPack::Resources() const {
  std::vector<PackResource> out;
  if (!ok_) return out;
  const QString top = QLatin1Char(':') + root_;
  QDirIterator it(top, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    it.next();
    const QString folder = it.filePath().mid(top.size() + 1).section(QLatin1Char('/'), 0, -2);
    out.push_back({folder, it.fileName()});
  }
  std::sort(out.begin(), out.end(), [](const PackResource& a, const PackResource& b) {
    return a.folder != b.folder ? a.folder < b.folder : a.name < b.name;
  });
  return out;
}

QByteArray OpenPack::Bytes(const PackResource& resource) const {
  if (!ok_ || resource.name.isEmpty()) return {};
  QString path = QLatin1Char(':') + root_ + QLatin1Char('/');
  if (!resource.folder.isEmpty()) path += resource.folder + QLatin1Char('/');
  QFile f(path + resource.name);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

namespace {

// The program's own pictures, compiled into it under these roots.
QByteArray OwnBytes(const QString& name, PackKind kind) {
  const char* const extension = kind == PackKind::kPng    ? ".png"
                                : kind == PackKind::kJpeg ? ".jpg"
                                                          : ".gif";
  for (const char* root : {":/art/", ":/appart/", ":/windowart/"}) {
    QFile f(QLatin1String(root) + name + QLatin1String(extension));
    if (f.open(QIODevice::ReadOnly)) return f.readAll();
  }
  return {};
}

QByteArray LoadBytes(const QString& name, std::string_view packFile, PackKind kind,
                     const std::filesystem::path& programFolder) {
  if (packFile.empty()) return OwnBytes(name, kind);
  const std::filesystem::path file = FindPack(programFolder, packFile);
  if (file.empty()) return {};
  const OpenPack pack(file);
  return pack.Bytes(kind, name);
}

bool LoadImage(const QString& name, std::string_view packFile, PackKind kind, QImage& target,
               const std::filesystem::path& programFolder) {
  const QByteArray bytes = LoadBytes(name, packFile, kind, programFolder);
  if (bytes.isEmpty()) return false;
  QImage image = ReadPicture(bytes, FormatOf(kind));
  if (image.isNull()) return false;
  target = std::move(image);
  return true;
}

}  // namespace

bool LoadPackPng(const QString& name, std::string_view packFile, QImage& target,
                 const std::filesystem::path& programFolder) {
  return LoadImage(name, packFile, PackKind::kPng, target, programFolder);
}

bool LoadPackJpeg(const QString& name, std::string_view packFile, QImage& target,
                  const std::filesystem::path& programFolder) {
  return LoadImage(name, packFile, PackKind::kJpeg, target, programFolder);
}

bool LoadPackGif(const QString& name, std::string_view packFile, QByteArray& target,
                 const std::filesystem::path& programFolder) {
  QByteArray bytes = LoadBytes(name, packFile, PackKind::kGif, programFolder);
  if (bytes.isEmpty()) return false;
  target = std::move(bytes);
  return true;
}

}  // namespace zendral
