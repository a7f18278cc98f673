#include "art/ArtLibrary.h"

#include <QtCore/qglobal.h>
#include <QtCore/qresource.h>

// Outside any namespace: the macro declares the resource's initialiser where it stands.
static void InitZendralArtResource() {
  Q_INIT_RESOURCE(zendral_art);
}

namespace zendral {

void InitArtLibrary() {
  // Static resource libraries register themselves when their object is linked in; the call
  // also keeps a linker that drops unreferenced objects from dropping them.
  static const bool done = [] {
    InitZendralArtResource();
    return true;
  }();
  (void)done;
}

}  // namespace zendral
