#pragma once
// The main window's own pictures, compiled in under ":/appart/<name>.png": the titles "Cap…",
// "GTitle", "Elite…", "Net__…" and the end-of-cycle animation strips "GEnd…".

namespace zendral {

// Makes sure the pictures are registered; safe to call more than once.
void InitAppArtLibrary();

}  // namespace zendral
