#pragma once
// The main window's small pictures painted at build time, compiled in under
// ":/menuart/<name>.png" (the pages of app/menuart/PictureBook.h).

namespace zendral {

// Makes sure the pictures are registered; safe to call more than once.
void InitMenuArtLibrary();

}  // namespace zendral
