// zendral-appartgen: draws the main window's own pictures into a folder at build time.
//   zendral-appartgen OUTPUT_FOLDER
// The title "Cap…", the fan "GTitle", the club list titles "Elite…" and "Net__…" for each
// language with pictures of its own (each also at its design size, "…S"), and the end-of-cycle
// animations "GEndBest", "GEndGood" and "GEndBads" as strips of frames; and the frames of the
// menu's animations, the compact pages of its picture book (app/menuart/PictureBook.h).

#include "EndAnimations.h"
#include "PictureFolder.h"
#include "TitlePictures.h"
#include "app/menuart/PictureBook.h"
#include "art/ArtLibrary.h"

namespace {

// A title picture as drawn (twice its design size) and, with the suffix "S", at its design size:
// the small window reads that one and scales nothing.
void SaveTitle(zendral::picturegen::PictureFolder& out, const QString& name, const QImage& image) {
  out.Save(name, image);
  out.Save(name + "S",
           image.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void DrawAll(zendral::picturegen::PictureFolder& out) {
  using namespace zendral::appart;
  zendral::InitArtLibrary();
  const QImage nines[4] = {QImage(":/art/Ch09B.png"), QImage(":/art/Kr09B.png"),
                           QImage(":/art/Bu09B.png"), QImage(":/art/Pi09B.png")};
  SaveTitle(out, "GTitle", PaintTitleFan(nines));
  const QImage caption = PaintCaption();
  for (const char* code : kPictureCodes) {
    SaveTitle(out, QString("Cap") + code, caption);
    SaveTitle(out, QString("Elite") + code, PaintClubTitle(EliteText(code), false));
    SaveTitle(out, QString("Net__") + code, PaintClubTitle(NetworkClubText(code), true));
  }
  // The compact pages of the menu's picture book: the frames of its animations.
  for (const zendral::BookPage& page : zendral::PictureBookPages()) {
    if (page.compact) out.Save(page.name, page.paint());
  }
  out.Save("GEndBest", PaintEndAnimation(EndMood::kBest));
  out.Save("GEndGood", PaintEndAnimation(EndMood::kGood));
  out.Save("GEndBads", PaintEndAnimation(EndMood::kBad));
}

}  // namespace

int main(int argc, char** argv) {
  return zendral::picturegen::RunPictureTool(argc, argv, "zendral-appartgen", DrawAll);
}
