#pragma once
// Shared by the window tests: one QApplication, the program's languages reset between tests,
// a temporary program folder, and the folder the screenshots are written to.

#include <QApplication>
#include <QDir>
#include <QWidget>
#include "TempFolder.h"
#include "art/ArtLibrary.h"
#include "present/words/Words.h"
#include "windowart/WindowArtLibrary.h"

namespace zendral::testing {

inline void EnsureApp() {
  static int argc = 1;
  static char name[] = "windows_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    InitArtLibrary();
    InitWindowArtLibrary();
    return QApplication::instance() ? nullptr : new QApplication(argc, argv);
  }();
  (void)app;
}

inline QString ScreenshotPath(const QString& name) {
  QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
  return QStringLiteral(ZENDRAL_SCREENSHOT_DIR "/") + name;
}

using ::zendral::TempFolder;

template <typename T>
T* Child(const QWidget& window, const char* name) {
  return window.findChild<T*>(QString::fromLatin1(name));
}

}  // namespace zendral::testing
