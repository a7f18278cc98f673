// zendral-appartgen: draws the main window's own pictures into a folder at build time.
//   zendral-appartgen OUTPUT_FOLDER
// The title "Cap…", the fan "GTitle", the club list titles "Elite…" and "Net__…" for each
// language with pictures of its own, and the end-of-cycle animations "GEndBest", "GEndGood"
// and "GEndBads" as strips of frames.

#include "EndAnimations.h"
#include "PictureFolder.h"
#include "TitlePictures.h"
#include "art/ArtLibrary.h"

namespace {

void DrawAll(zendral::picturegen::PictureFolder& out) {
  using namespace zendral::appart;
  zendral::InitArtLibrary();
  const QImage nines[4] = {QImage(":/art/Ch09B.png"), QImage(":/art/Kr09B.png"),
                           QImage(":/art/Bu09B.png"), QImage(":/art/Pi09B.png")};
  out.Save("GTitle", PaintTitleFan(nines));
  const QImage caption = PaintCaption();
  for (const char* code : kPictureCodes) {
    out.Save(QString("Cap") + code, caption);
    out.Save(QString("Elite") + code, PaintClubTitle(EliteText(code), false));
    out.Save(QString("Net__") + code, PaintClubTitle(NetworkClubText(code), true));
  }
  out.Save("GEndBest", PaintEndAnimation(EndMood::kBest));
  out.Save("GEndGood", PaintEndAnimation(EndMood::kGood));
  out.Save("GEndBads", PaintEndAnimation(EndMood::kBad));
}

}  // namespace

int main(int argc, char** argv) {
  return zendral::picturegen::RunPictureTool(argc, argv, "zendral-appartgen", DrawAll);
}
