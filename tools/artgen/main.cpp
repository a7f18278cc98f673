// zendral-artgen: draws the program's own pictures into a folder at build time.
//   zendral-artgen OUTPUT_FOLDER
// Card faces "Ch06" … "Pi5A" (small) and "Ch06B" … "Pi5AB" (large), the weekday backs
// "Ob01Mo" … "Ob07Su" and "…B", the felt "FonG"/"FonGB" (JPEG), and the table pictures.

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <cstdio>

#include "CardBacks.h"
#include "CardFaces.h"
#include "TablePictures.h"

namespace {

const char* const kSuitPrefix[] = {"", "Ch", "Bu", "Kr", "Pi"};
const char* const kRankCode[] = {"", "06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"};

class Writer {
 public:
  explicit Writer(const QString& folder) : folder_(folder) {}

  void Save(const QString& name, const QImage& image, const char* format = "png") {
    const QString path = folder_.filePath(name + "." + QString(format).toLower());
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) {
      QImageWriter writer(&file, format);
      if (QByteArray(format) == "jpg") writer.setQuality(92);
      ok = writer.write(image) && file.commit();
    }
    if (!ok) {
      std::fprintf(stderr, "zendral-artgen: cannot write %s\n", qPrintable(path));
      ++failures_;
    }
    ++written_;
  }
  int failures() const { return failures_; }
  int written() const { return written_; }

 private:
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
    std::fprintf(stderr, "usage: zendral-artgen OUTPUT_FOLDER\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "zendral-artgen: cannot create %s\n", argv[1]);
    return 1;
  }
  using namespace zendral::art;
  Writer out(folder);
  for (int rank = 1; rank <= 9; ++rank) {
    for (int suit = 1; suit <= 4; ++suit) {
      const QString name = QString(kSuitPrefix[suit]) + kRankCode[rank];
      out.Save(name, PaintFace(rank, suit, true));
      out.Save(name + "B", PaintFace(rank, suit, false));
    }
  }
  for (int back = 1; back <= kWeekdayBacks; ++back) {
    out.Save(BackName(back), PaintBack(back, true));
    out.Save(BackName(back) + "B", PaintBack(back, false));
  }
  out.Save("FonG", PaintFelt(760, 500), "jpg");
  out.Save("FonGB", PaintFelt(1520, 1000), "jpg");
  out.Save("TabloSm", PaintScoreBoard(1));
  out.Save("TabloBg", PaintScoreBoard(2));
  out.Save("RamkaBBSm", PaintKonFrame(1));
  out.Save("RamkaBBBg", PaintKonFrame(2));
  out.Save("SPYellow", PaintNamePlate(1));
  out.Save("SPYellowB", PaintNamePlate(2));
  out.Save("GBank", PaintBank());
  out.Save("ImageList3Add1", PaintPointingHand(1));
  out.Save("Hand_Right", PaintPointingHand(2));
  out.Save("GMedal", PaintMedal());
  for (int place = 1; place <= 10; ++place) {
    out.Save(QString("GPlace%1").arg(place, 2, 10, QChar('0')), PaintPlace(place));
  }
  if (out.failures() != 0) return 1;
  std::printf("zendral-artgen: %d pictures in %s\n", out.written(), argv[1]);
  return 0;
}
