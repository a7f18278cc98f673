#include "menuart/MenuArtLibrary.h"

#include <QtCore/qglobal.h>
#include <QtCore/qresource.h>

// Outside any namespace: the macro declares the resource's initialiser where it stands.
static void InitZendralMenuArtResource() {
  Q_INIT_RESOURCE(zendral_menuart);
}

namespace zendral {

void InitMenuArtLibrary() {
  // A static resource library registers itself only when its object is linked in; the call
  // keeps the linker from dropping it.
  static const bool done = [] {
    InitZendralMenuArtResource();
    return true;
  }();
  (void)done;
}

}  // namespace zendral
