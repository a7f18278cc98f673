// zendral-menuartgen: paints the main window's small pictures (the book of
// app/menuart/PictureBook.h) into a folder at build time, each page as its raw pixels. The
// compact pages (the animations' frames) are PNGs of zendral-appartgen.
//   zendral-menuartgen OUTPUT_FOLDER

#include <QSaveFile>

#include "PictureFolder.h"
#include "app/menuart/PictureBook.h"
#include "app/menuart/RawPicture.h"

namespace {

void DrawAll(zendral::picturegen::PictureFolder& out) {
  for (const zendral::BookPage& page : zendral::PictureBookPages()) {
    if (page.compact) continue;
    const QString path = out.PathOf(page.name + ".raw");
    QSaveFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly) &&
                    file.write(zendral::EncodeRawPicture(page.paint())) >= 0 && file.commit();
    out.Count(ok, path, file.errorString());
  }
}

}  // namespace

int main(int argc, char** argv) {
  return zendral::picturegen::RunPictureTool(argc, argv, "zendral-menuartgen", DrawAll);
}
