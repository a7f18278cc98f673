// zendral-packs: draws the resource packs and writes them as Qt binary resource files.
//   zendral-packs --out DIR [--only FILE...]
// Every picture is drawn here; the pictures of one pack are drawn on all cores, written into a
// work folder, compiled with rcc --binary and renamed into place only when complete.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtConcurrent>
#include <atomic>
#include <cstdio>
#include <numeric>

#include "PackPlan.h"
#include "VoicePack.h"

namespace {

using namespace zendral;
using namespace zendral::packs;

bool WritePicture(const PackItem& item, const QString& path) {
  const QImage image = item.draw();
  if (image.isNull()) return false;
  QImageWriter writer(path, item.kind == PackKind::kJpeg ? "jpg" : "png");
  if (item.kind == PackKind::kJpeg) writer.setQuality(88);
  return writer.write(item.kind == PackKind::kJpeg ? image.convertToFormat(QImage::Format_RGB32)
                                                   : image);
}

QString XmlEscaped(const QString& s) {
  return s.toHtmlEscaped();
}

// Draws the pack's pictures into a work folder beside the target, compiles them and renames
// the result over the target. Returns false (and leaves no pack behind) on any failure.
bool BuildPack(const PackPlan& plan, const QString& outDir) {
  const QString target = QDir(outDir).filePath(QString::fromStdString(plan.file));
  QTemporaryDir work(QDir(outDir).filePath(".work-XXXXXX"));
  if (!work.isValid()) {
    std::fprintf(stderr, "zendral-packs: cannot make a work folder in %s\n", qPrintable(outDir));
    return false;
  }
  for (const char* kind : {"png", "jpeg", "gif"}) QDir(work.path()).mkpath(kind);
  std::vector<int> indexes(plan.items.size());
  std::iota(indexes.begin(), indexes.end(), 0);
  std::atomic<int> failures{0};
  QtConcurrent::blockingMap(indexes, [&](int i) {
    const PackItem& item = plan.items[static_cast<std::size_t>(i)];
    const QString path = work.filePath(QString::fromLatin1(PackKindFolder(item.kind).data()) +
                                       QLatin1Char('/') + item.name);
    if (!WritePicture(item, path)) {
      ++failures;
      std::fprintf(stderr, "zendral-packs: cannot draw %s\n", qPrintable(item.name));
    }
  });
  if (failures > 0) return false;

  QString qrc = QStringLiteral("<RCC>\n");
  for (const char* kind : {"png", "jpeg", "gif"}) {
    QString files;
    for (const PackItem& item : plan.items) {
      if (PackKindFolder(item.kind) != kind) continue;
      files += QStringLiteral("  <file alias=\"%1\">%2/%1</file>\n")
                   .arg(XmlEscaped(item.name), QLatin1String(kind));
    }
    if (!files.isEmpty())
      qrc += QStringLiteral("<qresource prefix=\"/%1\">\n%2</qresource>\n").arg(kind, files);
  }
  qrc += QStringLiteral("</RCC>\n");
  QFile qrcFile(work.filePath("pack.qrc"));
  if (!qrcFile.open(QIODevice::WriteOnly) || qrcFile.write(qrc.toUtf8()) < 0) return false;
  qrcFile.close();

  const QString partial = target + QStringLiteral(".part");
  QProcess rcc;
  rcc.setWorkingDirectory(work.path());
  rcc.start(QStringLiteral(ZENDRAL_RCC), {"--binary", "--no-compress", "pack.qrc", "-o", partial});
  if (!rcc.waitForFinished(600000) || rcc.exitStatus() != QProcess::NormalExit ||
      rcc.exitCode() != 0) {
    std::fprintf(stderr, "zendral-packs: rcc failed for %s: %s\n", plan.file.c_str(),
                 rcc.readAllStandardError().constData());
    QFile::remove(partial);
    return false;
  }
  // rename(2) replaces the old pack in one step.
  if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target).constData()) !=
      0) {
    QFile::remove(partial);
    return false;
  }
  return true;
}

int Usage() {
  std::fputs("usage: zendral-packs --out DIR [--only FILE...]\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QGuiApplication app(argc, argv);
  QString out;
  std::vector<std::string> only;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--out" && i + 1 < argc) {
      out = QString::fromLocal8Bit(argv[++i]);
    } else if (arg == "--only") {
      while (i + 1 < argc && std::string(argv[i + 1]).rfind("--", 0) != 0)
        only.push_back(argv[++i]);
    } else {
      return Usage();
    }
  }
  if (out.isEmpty()) return Usage();
  std::vector<std::string> all = PackFiles();
  all.emplace_back("KovCVoice3.dll");  // spoken, not drawn: VoicePack.h
  for (const std::string& file : only) {
    if (std::find(all.begin(), all.end(), file) == all.end()) {
      std::fprintf(stderr, "zendral-packs: no pack named %s\n", file.c_str());
      return 2;
    }
  }
  if (!QDir().mkpath(out)) {
    std::fprintf(stderr, "zendral-packs: cannot make %s\n", qPrintable(out));
    return 1;
  }
  int failures = 0;
  for (const std::string& file : only.empty() ? all : only) {
    QElapsedTimer timer;
    timer.start();
    const PackPlan plan = PlanOf(file);
    const bool ok = file == "KovCVoice3.dll" ? BuildVoicePack(out, QStringLiteral(ZENDRAL_RCC))
                                             : BuildPack(plan, out);
    failures += !ok;
    std::printf("%s: %zu pictures, %s, %.1f s\n", file.c_str(), plan.items.size(),
                ok ? "written" : "FAILED", timer.elapsed() / 1000.0);
  }
  return failures == 0 ? 0 : 1;
}
