#pragma once
// The program's own pictures, compiled in under ":/art/<name>.png" (".jpg" for the felt).

namespace zendral {

// Makes sure the pictures are registered; safe to call more than once.
void InitArtLibrary();

}  // namespace zendral
