#include "app/windows/WindowResources.h"

#include <algorithm>
#include <system_error>

#include "present/geometry/TableScale.h"
#include "store/Settings.h"
#include "windowart/WindowArtLibrary.h"

namespace zendral {

QImage WindowPicture(const QString& name) {
  InitWindowArtLibrary();
  return QImage(QStringLiteral(":/windowart/") + name + QStringLiteral(".png"));
}

QString WindowAnimationPath(const QString& name) {
  InitWindowArtLibrary();
  return QStringLiteral(":/windowart/") + name + QStringLiteral(".gif");
}

QFont SerifFont(const Settings& settings, int size, bool bold) {
  QFont font(QString::fromStdString(settings.FontSmall));
  font.setPixelSize(std::max(1, RoleFontSize(size, settings.ScaleSmall)));
  font.setBold(bold);
  return font;
}

std::string_view PackForDeck(int deck) {
  if (deck >= 1 && deck <= 31) return kPackCardsA;
  if (deck >= 32 && deck <= 39) return kPackCardsB;
  if (deck >= 40 && deck <= 47) return kPackCardsC;
  return {};
}

std::string_view PackForBack(int back) {
  return back >= 1 && back <= 12 ? kPackCardsB : "";
}

std::string_view PackForBackground(int background, int colour) {
  return background == 2 && colour == 0 ? "" : kPackBackgrounds;
}

bool PackFileInstalled(const std::filesystem::path& programFolder, std::string_view fileName) {
  if (fileName.empty()) return true;
  std::error_code ec;
  const std::filesystem::path name{std::string(fileName)};
  if (std::filesystem::is_regular_file(programFolder / name, ec)) return true;
  const std::filesystem::path parent = programFolder.lexically_normal().parent_path();
  // A folder path with a trailing separator has an empty last part: go one further up.
  const std::filesystem::path above =
      programFolder.lexically_normal().filename().empty() ? parent.parent_path() : parent;
  return std::filesystem::is_regular_file(above / name, ec);
}

}  // namespace zendral
