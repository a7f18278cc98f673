#pragma once
// One Qt application for the tests that need an event loop (made on first use, kept to the
// end of the process).

#include <QCoreApplication>

#include "present/audio/StreamPlayer.h"

namespace zendral::audio::test {

inline QCoreApplication& EnsureQtApp() {
  static int argc = 1;
  static char name[] = "audio_tests";
  static char* argv[] = {name, nullptr};
  ChooseMediaBackend();
  static QCoreApplication app(argc, argv);
  return app;
}

}  // namespace zendral::audio::test
