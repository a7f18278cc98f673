// zendral-windowartgen: draws the pictures of the secondary windows into a folder at build time.
//   zendral-windowartgen OUTPUT_FOLDER
// The small language flags "ILEuro.." / "ILAsia..", the flags on their poles "FlagO...", the
// ribbon "GCap300", the scroll "GSvitok" (PNG), and the animations "GTopTen", "GClubF",
// "GClubG" (GIF).

#include "Animations.h"
#include "Flags.h"
#include "GifWriter.h"
#include "PictureFolder.h"
#include "Pictures.h"
#include "present/words/Words.h"

namespace {

void Gif(zendral::picturegen::PictureFolder& out, const QString& name,
         const std::vector<QImage>& frames, int delayMs) {
  const QString path = out.PathOf(name + ".gif");
  QString error;
  out.Count(zendral::windowart::WriteAnimatedGif(path, frames, delayMs, &error), path, error);
}

void DrawAll(zendral::picturegen::PictureFolder& out) {
  using namespace zendral::windowart;
  for (int language = 0; language < zendral::kLanguageCount; ++language) {
    out.Save(SmallFlagName(language), PaintSmallFlag(language));
    out.Save(PoleFlagName(language), PaintPoleFlag(language));
  }
  out.Save("GCap300", PaintRibbon());
  out.Save("GSvitok", PaintScroll());
  Gif(out, "GTopTen", TopTenFrames(), kAnimationDelayMs);
  Gif(out, "GClubF", ClubLocalFrames(), kAnimationDelayMs);
  Gif(out, "GClubG", ClubNetFrames(), kAnimationDelayMs);
}

}  // namespace

int main(int argc, char** argv) {
  return zendral::picturegen::RunPictureTool(argc, argv, "zendral-windowartgen", DrawAll);
}
