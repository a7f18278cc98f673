#pragma once
// Texts and fonts of the online windows: the word tables through the windows' helpers, and
// the settings' small font at the size a window is designed for.

#include <QFont>

#include "app/windows/WindowResources.h"
#include "app/windows/WindowTexts.h"

namespace zendral {

inline QFont OnlineFont(const Settings& settings, int size, bool bold = false) {
  return SerifFont(settings, size, bold);
}

}  // namespace zendral
