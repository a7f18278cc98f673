#pragma once
// A resource pack on disk: a Qt binary resource file (made with `rcc --binary`) whose pictures
// lie under "png/", "jpeg/" and "gif/" by their resource names. A pack is registered with
// QResource for one load and released afterwards, so a pack replaced by a download is read anew.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <filesystem>
#include <string_view>
#include <vector>

namespace zendral {

// The kind of a picture in a pack, and the folder it lies in.
enum class PackKind { kPng, kJpeg, kGif };
std::string_view PackKindFolder(PackKind kind);  // "png", "jpeg", "gif"

// Where a pack stands: the program folder first, then its parent folder, where the packs
// shared by the family of games are kept. Empty when it is in neither.
std::filesystem::path FindPack(const std::filesystem::path& programFolder,
                               std::string_view packFile);
// The parent folder of the program folder (downloads go there).
std::filesystem::path ParentFolderOf(const std::filesystem::path& programFolder);

// Whether the bytes are a resource file whose every entry lies inside it. QResource trusts the
// offsets of a file it maps, so a damaged or cut file is refused here first.
bool IsWholeResourceFile(const uchar* data, qint64 size, QString* error = nullptr);

struct PackEntry {
  PackKind kind;
  QString name;
};

// Any resource of a pack: its folder ("png", "wav", ...; a resource at the top has none) and
// its name.
struct PackResource {
  QString folder;
  QString name;
  friend bool operator==(const PackResource&, const PackResource&) = default;
};

// One pack registered for the life of the object.
class OpenPack {
 public:
  explicit OpenPack(const std::filesystem::path& file);
  ~OpenPack();
  OpenPack(const OpenPack&) = delete;
  OpenPack& operator=(const OpenPack&) = delete;

  bool ok() const { return ok_; }
  // Why the pack could not be opened.
  const QString& error() const { return error_; }

  // The resource's bytes; empty when the pack lacks it.
  QByteArray Bytes(PackKind kind, const QString& name) const;
  // The picture; a null image when the pack lacks it.
  QImage Picture(PackKind kind, const QString& name) const;
  // The resource's path while the pack is open (for readers that take a file, like QMovie).
  QString PathOf(PackKind kind, const QString& name) const;
  // Every picture of the pack, by kind and name.
  std::vector<PackEntry> Entries() const;
  // Every resource of the pack, pictures, sounds and whatever else it holds, sorted by folder
  // and name; and the bytes of one of them (empty when the pack lacks it).
  std::vector<PackResource> Resources() const;
  QByteArray Bytes(const PackResource& resource) const;

 private:
  QString file_;
  QString root_;
  bool ok_ = false;
  QString error_;
};

// Reads one picture of a pack into target: the pack is looked for beside the program, opened,
// read and released. False when the pack cannot be found or opened, or lacks the picture. An
// empty pack name reads the program's own pictures (":/art/", ":/appart/", ":/windowart/").
bool LoadPackPng(const QString& name, std::string_view packFile, QImage& target,
                 const std::filesystem::path& programFolder);
bool LoadPackJpeg(const QString& name, std::string_view packFile, QImage& target,
                  const std::filesystem::path& programFolder);
// The GIF's bytes (an animation is read by QMovie from a buffer).
bool LoadPackGif(const QString& name, std::string_view packFile, QByteArray& target,
                 const std::filesystem::path& programFolder);

}  // namespace zendral
