#pragma once
// Shared by the window tests: one QApplication, the program's languages reset between tests,
// a temporary program folder, and the folder the screenshots are written to.

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

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

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("zendral-windows-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  void Write(const std::filesystem::path& name, const std::string& bytes) const {
    std::filesystem::create_directories((path_ / name).parent_path());
    std::ofstream(path_ / name, std::ios::binary) << bytes;
  }

 private:
  std::filesystem::path path_;
};

template <typename T>
T* Child(const QWidget& window, const char* name) {
  return window.findChild<T*>(QString::fromLatin1(name));
}

}  // namespace zendral::testing
