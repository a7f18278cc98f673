#include "present/record/RecordingFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "present/record/GifEncoder.h"

namespace zendral {

namespace {

constexpr int kMostNumbers = 10000;

QString PathText(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

}  // namespace

QString RecordingFileName(const QDateTime& when, int number) {
  QString name = when.toString(QStringLiteral("yyyy.MM.dd-HH.mm.ss"));
  if (number > 1) name += QStringLiteral("-%1").arg(number);
  return name + QStringLiteral(".gif");
}

RecordingWrite StoreRecordingFile(const QByteArray& bytes, const std::filesystem::path& folder,
                                  const QDateTime& when) {
  RecordingWrite result;
  const QDir dir(PathText(folder));
  result.path = dir.filePath(RecordingFileName(when));
  if (!dir.mkpath(QStringLiteral("."))) {
    result.error = QStringLiteral("cannot create the folder");
    return result;
  }

  // The whole file under a name of its own first: a recording never lies half written under
  // its real name.
  QFile part(dir.filePath(QStringLiteral(".%1.part").arg(RecordingFileName(when))));
  int attempt = 1;
  while (part.exists() && attempt < kMostNumbers) {
    part.setFileName(
        dir.filePath(QStringLiteral(".%1.%2.part").arg(RecordingFileName(when)).arg(++attempt)));
  }
  if (!part.open(QIODevice::WriteOnly | QIODevice::NewOnly) || part.write(bytes) != bytes.size() ||
      !part.flush()) {
    result.error = part.errorString();
    part.remove();
    return result;
  }
  part.close();

  // Renaming never replaces a file: a taken name moves on to the next number.
  for (int number = 1; number <= kMostNumbers; ++number) {
    const QString target = dir.filePath(RecordingFileName(when, number));
    if (QFileInfo::exists(target)) continue;
    if (part.rename(target)) {
      result.ok = true;
      result.path = target;
      return result;
    }
    if (!QFileInfo::exists(target)) {
      result.error = part.errorString();
      break;
    }
  }
  if (result.error.isEmpty()) result.error = QStringLiteral("no free name");
  part.remove();
  return result;
}

RecordingWrite WriteRecordingTo(const KonRecording& recording, const std::filesystem::path& folder,
                                const QDateTime& when) {
  QString error;
  const QByteArray bytes = EncodeGif(recording, &error);
  if (bytes.isEmpty()) {
    RecordingWrite result;
    result.path = QDir(PathText(folder)).filePath(RecordingFileName(when));
    result.error = error;
    return result;
  }
  return StoreRecordingFile(bytes, folder, when);
}

RecordingWrite WriteRecordingFile(const KonRecording& recording,
                                  const std::filesystem::path& programFolder,
                                  const QDateTime& when) {
  return WriteRecordingTo(recording, programFolder / kRecordingFolder, when);
}

}  // namespace zendral
