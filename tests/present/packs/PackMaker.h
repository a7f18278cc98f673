#pragma once
// Small packs for the tests, made the way zendral-packs makes them: the pictures under png/,
// jpeg/ and gif/ by name, compiled with rcc --binary.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QProcess>
#include <filesystem>
#include <string>
#include <vector>

#include "present/packs/PackFile.h"
#include "support/TempFolder.h"

namespace zendral {

struct Resource {
  PackKind kind;
  QString name;
  QColor colour;  // a 4 x 3 picture of one colour
};

inline QByteArray Encode(const QColor& colour, const char* format) {
  QImage image(4, 3, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes;
}

inline std::filesystem::path MakePack(const TempFolder& folder, const std::filesystem::path& target,
                                      const std::vector<Resource>& resources) {
  const std::filesystem::path work = folder.path() / "work";
  std::filesystem::create_directories(work);
  std::string qrc = "<RCC>\n";
  for (const Resource& r : resources) {
    const std::string kind(PackKindFolder(r.kind));
    const std::string file = kind + "-" + r.name.toStdString();
    const char* format = r.kind == PackKind::kJpeg ? "JPG" : "PNG";
    folder.Write(work / file, Encode(r.colour, format).toStdString());
    qrc += "<qresource prefix=\"/" + kind + "\"><file alias=\"" + r.name.toStdString() + "\">" +
           file + "</file></qresource>\n";
  }
  qrc += "</RCC>\n";
  folder.Write(work / "pack.qrc", qrc);
  std::filesystem::create_directories(target.parent_path());
  QProcess rcc;
  rcc.setWorkingDirectory(QString::fromStdString(work.string()));
  rcc.start(ZENDRAL_RCC, {"--binary", "--no-compress", "pack.qrc", "-o",
                          QString::fromStdString(target.string())});
  EXPECT_TRUE(rcc.waitForFinished(30000));
  EXPECT_EQ(rcc.exitCode(), 0) << rcc.readAllStandardError().toStdString();
  return target;
}

}  // namespace zendral
