#include "app/main/WindowServices.h"

#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <chrono>

#include "app/main/AppText.h"
#include "app/main/SoundPort.h"
#include "present/words/WordRows.h"
#include "store/Settings.h"

namespace zendral {

using appmain::Text;

WindowServices::WindowServices(QWidget& window, int& busy, SoundPort& sound,
                               const Settings& settings, ModalRunner modal,
                               std::function<bool(const QUrl&)> openUrl)
    : window_(window),
      busy_(busy),
      sound_(sound),
      settings_(settings),
      modal_(std::move(modal)),
      openUrl_(std::move(openUrl)) {}

int WindowServices::RunModal(QDialog& dialog) {
  // While a window is open over the table, nothing acts on the game behind it.
  ++busy_;
  const int result = modal_ ? modal_(dialog) : dialog.exec();
  --busy_;
  return result;
}

void WindowServices::ShowMessage(const QString& text, bool error) {
  QMessageBox box(error ? QMessageBox::Critical : QMessageBox::Information, Text(kWordTitle), text,
                  QMessageBox::Ok, &window_);
  box.button(QMessageBox::Ok)->setText(Text(kWordOk));
  RunModal(box);
}

bool WindowServices::AskQuestion(const QString& text) {
  QMessageBox box(QMessageBox::Question, Text(kWordTitle), text, QMessageBox::Yes | QMessageBox::No,
                  &window_);
  box.button(QMessageBox::Yes)->setText(Text(kWordYes));
  box.button(QMessageBox::No)->setText(Text(kWordNo));
  box.setDefaultButton(QMessageBox::No);
  return RunModal(box) == QMessageBox::Yes;
}

void WindowServices::PlaySound(std::string_view name, bool wait) {
  sound_.PlayEventSound(name, wait, settings_.SoundOn);
}

void WindowServices::Hold(int milliseconds) {
  sound_.Hold(std::chrono::milliseconds(milliseconds));
}

void WindowServices::WhileBusy(const std::function<void()>& work) {
  ++busy_;
  work();
  --busy_;
}

bool WindowServices::OpenUrl(const QUrl& url) {
  return openUrl_ ? openUrl_(url) : QDesktopServices::openUrl(url);
}

}  // namespace zendral
