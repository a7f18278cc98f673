#include "appart/AppArtLibrary.h"

#include <QtCore/qglobal.h>
#include <QtCore/qresource.h>

// Outside any namespace: the macro declares the resource's initialiser where it stands.
static void InitZendralAppArtResource() {
  Q_INIT_RESOURCE(zendral_appart);
}

namespace zendral {

void InitAppArtLibrary() {
  // A static resource library registers itself only when its object is linked in; the call
  // keeps the linker from dropping it.
  static const bool done = [] {
    InitZendralAppArtResource();
    return true;
  }();
  (void)done;
}

}  // namespace zendral
