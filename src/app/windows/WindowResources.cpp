#include "app/windows/WindowResources.h"

#include <algorithm>
#include <system_error>

#include "present/geometry/TableScale.h"
#include "present/packs/PackFile.h"
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

bool PackFileInstalled(const std::filesystem::path& programFolder, std::string_view fileName) {
  if (fileName.empty()) return true;
  return !FindPack(programFolder, fileName).empty();
}

}  // namespace zendral
