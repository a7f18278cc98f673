#include "windowart/WindowArtLibrary.h"

#include <QtCore/qglobal.h>
#include <QtCore/qresource.h>

// Outside any namespace: the macro declares the resource's initialiser where it stands.
static void InitZendralWindowArtResource() {
  Q_INIT_RESOURCE(zendral_windowart);
}

namespace zendral {

void InitWindowArtLibrary() {
  // A static resource library registers itself only when its object is linked in; the call
  // keeps the linker from dropping it.
  static const bool done = [] {
    InitZendralWindowArtResource();
    return true;
  }();
  (void)done;
}

}  // namespace zendral
