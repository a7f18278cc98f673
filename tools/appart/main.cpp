// zendral-appartgen: draws the main window's own pictures into a folder at build time.
//   zendral-appartgen OUTPUT_FOLDER
// The title "Cap…", the fan "GTitle", the club list titles "Elite…" and "Net__…" for each
// language with pictures of its own, and the end-of-cycle animations "GEndBest", "GEndGood"
// and "GEndBads" as strips of frames.

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <cstdio>

#include "EndAnimations.h"
#include "TitlePictures.h"
#include "art/ArtLibrary.h"

namespace {

bool Save(const QDir& folder, const QString& name, const QImage& image) {
  const QString path = folder.filePath(name + ".png");
  QSaveFile file(path);
  const bool ok =
      file.open(QIODevice::WriteOnly) && QImageWriter(&file, "png").write(image) && file.commit();
  if (!ok) std::fprintf(stderr, "zendral-appartgen: cannot write %s\n", qPrintable(path));
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  // Drawing text needs the font database of a GUI application, but no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: zendral-appartgen OUTPUT_FOLDER\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(folder.path())) {
    std::fprintf(stderr, "zendral-appartgen: cannot create %s\n", argv[1]);
    return 1;
  }
  using namespace zendral::appart;
  zendral::InitArtLibrary();
  const QImage nines[4] = {QImage(":/art/Ch09B.png"), QImage(":/art/Kr09B.png"),
                           QImage(":/art/Bu09B.png"), QImage(":/art/Pi09B.png")};
  bool ok = Save(folder, "GTitle", PaintTitleFan(nines));
  const QImage caption = PaintCaption();
  for (const char* code : kPictureCodes) {
    ok = Save(folder, QString("Cap") + code, caption) && ok;
    ok = Save(folder, QString("Elite") + code, PaintClubTitle(EliteText(code), false)) && ok;
    ok = Save(folder, QString("Net__") + code, PaintClubTitle(NetworkClubText(code), true)) && ok;
  }
  ok = Save(folder, "GEndBest", PaintEndAnimation(EndMood::kBest)) && ok;
  ok = Save(folder, "GEndGood", PaintEndAnimation(EndMood::kGood)) && ok;
  ok = Save(folder, "GEndBads", PaintEndAnimation(EndMood::kBad)) && ok;
  return ok ? 0 : 1;
}
