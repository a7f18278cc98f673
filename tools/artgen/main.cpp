// zendral-artgen: draws the program's own pictures into a folder at build time.
//   zendral-artgen OUTPUT_FOLDER
// Card faces "Ch06" … "Pi5A" (small) and "Ch06B" … "Pi5AB" (large), the weekday backs
// "Ob01Mo" … "Ob07Su" and "…B", the felt "FonG"/"FonGB" (JPEG), and the table pictures.

#include "CardBacks.h"
#include "CardFaces.h"
#include "PictureFolder.h"
#include "TablePictures.h"

namespace {

const char* const kSuitPrefix[] = {"", "Ch", "Bu", "Kr", "Pi"};
const char* const kRankCode[] = {"", "06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"};

void DrawAll(zendral::picturegen::PictureFolder& out) {
  using namespace zendral::art;
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
}

}  // namespace

int main(int argc, char** argv) {
  return zendral::picturegen::RunPictureTool(argc, argv, "zendral-artgen", DrawAll);
}
