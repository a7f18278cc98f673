#include "PictureFolder.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <cstdio>
#include <utility>

namespace zendral::picturegen {

PictureFolder::PictureFolder(const QString& folder, std::string toolName)
    : folder_(folder), toolName_(std::move(toolName)) {}

QString PictureFolder::PathOf(const QString& fileName) const {
  return QDir(folder_).filePath(fileName);
}

void PictureFolder::Save(const QString& name, const QImage& image, const char* format) {
  const QString path = PathOf(name + "." + QString::fromLatin1(format).toLower());
  QSaveFile file(path);
  bool ok = file.open(QIODevice::WriteOnly);
  if (ok) {
    QImageWriter writer(&file, format);
    if (QByteArray(format) == "jpg") writer.setQuality(92);
    ok = writer.write(image) && file.commit();
  }
  Count(ok, path);
}

void PictureFolder::Count(bool ok, const QString& path, const QString& error) {
  if (!ok) {
    std::fprintf(stderr, "%s: cannot write %s %s\n", toolName_.c_str(), qPrintable(path),
                 qPrintable(error));
    ++failures_;
  }
  ++written_;
}

int RunPictureTool(int argc, char** argv, const char* toolName,
                   const std::function<void(PictureFolder&)>& draw) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", toolName);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "%s: cannot create %s\n", toolName, argv[1]);
    return 1;
  }
  PictureFolder out(folder, toolName);
  draw(out);
  if (out.failures() != 0) return 1;
  std::printf("%s: %d pictures in %s\n", toolName, out.written(), argv[1]);
  return 0;
}

}  // namespace zendral::picturegen
