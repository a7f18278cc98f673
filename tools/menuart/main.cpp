// zendral-menuartgen: paints the main window's small pictures (the book of
// app/menuart/PictureBook.h) into a folder at build time, one PNG per page.
//   zendral-menuartgen OUTPUT_FOLDER

#include "PictureFolder.h"
#include "app/menuart/PictureBook.h"

namespace {

void DrawAll(zendral::picturegen::PictureFolder& out) {
  for (const zendral::BookPage& page : zendral::PictureBookPages())
    out.Save(page.name, page.paint());
}

}  // namespace

int main(int argc, char** argv) {
  return zendral::picturegen::RunPictureTool(argc, argv, "zendral-menuartgen", DrawAll);
}
