#pragma once
// The main window's small pictures painted at build time, compiled in under
// ":/menuart/<name>.raw" (the pages of app/menuart/PictureBook.h), uncompressed.

namespace zendral {

// Makes sure the pictures are registered; safe to call more than once.
void InitMenuArtLibrary();

}  // namespace zendral
