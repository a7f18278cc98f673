#pragma once
// The main window's modal windows, messages and sounds, shared by all of its parts. While a
// window is open, or a wait runs, the busy count is up: no click, key or tick reaches the kon
// driver behind it.

#include <QString>
#include <QUrl>
#include <functional>
#include <string_view>

#include "app/main/StartDialog.h"

class QDialog;
class QWidget;

namespace zendral {

class SoundPort;
struct Settings;

class WindowServices {
 public:
  // modal and openUrl may be null: QDialog::exec and the system's handler.
  WindowServices(QWidget& window, int& busy, SoundPort& sound, const Settings& settings,
                 ModalRunner modal, std::function<bool(const QUrl&)> openUrl);

  QWidget& Window() const { return window_; }
  bool Busy() const { return busy_ > 0; }
  int RunModal(QDialog& dialog);
  void ShowMessage(const QString& text, bool error);
  // A question with Yes and No; No is the default.
  bool AskQuestion(const QString& text);
  // An event sound, if the settings want sounds; a waited sound holds the game to its end.
  void PlaySound(std::string_view name, bool wait);
  void Hold(int milliseconds);
  // Work that must not be interrupted by the driver's input (a menu window, a download).
  void WhileBusy(const std::function<void()>& work);
  bool OpenUrl(const QUrl& url);

 private:
  QWidget& window_;
  int& busy_;
  SoundPort& sound_;
  const Settings& settings_;
  ModalRunner modal_;
  std::function<bool(const QUrl&)> openUrl_;
};

}  // namespace zendral
