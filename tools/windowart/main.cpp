// zendral-windowartgen: draws the pictures of the secondary windows into a folder at build time.
//   zendral-windowartgen OUTPUT_FOLDER
// The small language flags "ILEuro.." / "ILAsia..", the flags on their poles "FlagO...", the
// ribbon "GCap300", the scroll "GSvitok" (PNG), and the animations "GTopTen", "GClubF",
// "GClubG" (GIF).

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <cstdio>

#include "Animations.h"
#include "Flags.h"
#include "GifWriter.h"
#include "Pictures.h"
#include "present/words/Words.h"

namespace {

class Writer {
 public:
  explicit Writer(const QString& folder) : folder_(folder) {}

  void Png(const QString& name, const QImage& image) {
    const QString path = folder_.filePath(name + ".png");
    QSaveFile file(path);
    const bool ok =
        file.open(QIODevice::WriteOnly) && QImageWriter(&file, "png").write(image) && file.commit();
    Count(ok, path, {});
  }
  void Gif(const QString& name, const std::vector<QImage>& frames, int delayMs) {
    const QString path = folder_.filePath(name + ".gif");
    QString error;
    Count(zendral::windowart::WriteAnimatedGif(path, frames, delayMs, &error), path, error);
  }
  int failures() const { return failures_; }
  int written() const { return written_; }

 private:
  void Count(bool ok, const QString& path, const QString& error) {
    if (!ok) {
      std::fprintf(stderr, "zendral-windowartgen: cannot write %s %s\n", qPrintable(path),
                   qPrintable(error));
      ++failures_;
    }
    ++written_;
  }
  QDir folder_;
  int failures_ = 0;
  int written_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  // Drawing text needs the font database of a GUI application, but no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: zendral-windowartgen OUTPUT_FOLDER\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "zendral-windowartgen: cannot create %s\n", argv[1]);
    return 1;
  }
  using namespace zendral::windowart;
  Writer out(folder);
  for (int language = 0; language < zendral::kLanguageCount; ++language) {
    out.Png(SmallFlagName(language), PaintSmallFlag(language));
    out.Png(PoleFlagName(language), PaintPoleFlag(language));
  }
  out.Png("GCap300", PaintRibbon());
  out.Png("GSvitok", PaintScroll());
  out.Gif("GTopTen", TopTenFrames(), kAnimationDelayMs);
  out.Gif("GClubF", ClubLocalFrames(), kAnimationDelayMs);
  out.Gif("GClubG", ClubNetFrames(), kAnimationDelayMs);
  if (out.failures() != 0) return 1;
  std::printf("zendral-windowartgen: %d pictures in %s\n", out.written(), argv[1]);
  return 0;
}
