#include "app/main/MainMenuController.h"

#include <QUrl>
#include <QWidget>

#include "app/main/MainMenuWidget.h"
#include "app/main/ProgramOptions.h"
#include "app/main/SessionStarter.h"
#include "app/main/TourSession.h"
#include "app/online/MenuServices.h"
#include "app/online/OnlineLink.h"
#include "app/online/TFormAdv.h"
#include "app/online/TFormThank.h"
#include "app/windows/MainMenuActions.h"
#include "app/windows/TFHistory.h"
#include "app/windows/TFormTopTen.h"
#include "store/Settings.h"

namespace zendral {

namespace {

constexpr std::string_view kOpenWindowSound = "WOpenFo";

}  // namespace

void MainMenuController::StartSession(int playerSlot) {
  if (owners_.sessions != nullptr) owners_.sessions->Start(playerSlot);
}

void MainMenuController::OpenOptions() {
  if (owners_.options != nullptr) owners_.options->Open();
}

void MainMenuController::OpenTournament() {
  if (owners_.tour != nullptr) owners_.tour->Open();
}

void MainMenuController::ToggleClubListMode() {
  if (program_.Busy()) return;
  zendral::ToggleClubListMode(program_.CurrentSettings());
  if (menu_ != nullptr) menu_->ApplyLanguage();
}

void MainMenuController::OpenHistory() {
  if (!program_.MenuIdle()) return;
  program_.PlaySound(kOpenWindowSound, false);
  TFHistory dialog(program_.CurrentSettings(), program_.ProgramFolder(), program_.HeaderPictures(),
                   &program_.MainWindow());
  program_.RunModal(dialog);
}

void MainMenuController::OpenTopTen() {
  if (!program_.MenuIdle()) return;
  program_.PlaySound(kOpenWindowSound, false);
  TFormTopTen dialog(program_.CurrentSettings(), program_.ProgramFolder(), &program_.MainWindow());
  program_.RunModal(dialog);
}

void MainMenuController::OpenAccount() {
  if (!program_.MenuIdle()) return;
  OnlineLink& online = *program_.Online();
  program_.PlaySound(kOpenWindowSound, false);
  bool changed = false;
  program_.WhileBusy([&] { changed = online.OpenAccount(&program_.MainWindow()); });
  // A log-in, a log-out or another nick changes the club list and the icons: the whole menu.
  if (changed) {
    program_.ShowMainMenuScreen();
  } else if (menu_ != nullptr) {
    menu_->ShowAccountIcon();
  }
}

void MainMenuController::OpenWorldTopTen() {
  if (!program_.MenuIdle()) return;
  OnlineLink& online = *program_.Online();
  program_.PlaySound(kOpenWindowSound, false);
  program_.WhileBusy([&] { online.OpenWorldTopTen(&program_.MainWindow()); });
}

void MainMenuController::OpenDaily() {
  if (!program_.MenuIdle()) return;
  OnlineLink& online = *program_.Online();
  program_.PlaySound(kOpenWindowSound, false);
  program_.WhileBusy([&] { online.OpenDaily(&program_.MainWindow()); });
}

void MainMenuController::OpenStatistics() {
  if (!program_.MenuIdle()) return;
  program_.Online();  // waits for the online start-up
  program_.WhileBusy([&] {
    program_.PlaySound(kOpenWindowSound, false);
    program_.Services()->OpenStatistics(&program_.MainWindow());
  });
}

void MainMenuController::OpenChat() {
  if (!program_.MenuIdle()) return;
  program_.Online();
  program_.WhileBusy([&] {
    program_.PlaySound(kOpenWindowSound, false);
    program_.Services()->OpenChat(&program_.MainWindow());
  });
}

void MainMenuController::OpenAdvertising() {
  if (!program_.MenuIdle()) return;
  OnlineLink* online = program_.Online();
  if (online == nullptr) return;
  program_.WhileBusy([&] {
    program_.PlaySound(kOpenWindowSound, false);
    const OnlineUi ui = online->Ui();
    TFormAdv window(ui, program_.HeaderPictures(), {}, &program_.MainWindow());
    ui.Run(window);
  });
}

void MainMenuController::OpenSupport() {
  if (!program_.MenuIdle()) return;
  OnlineLink* online = program_.Online();
  program_.WhileBusy([&] {
    program_.PlaySound(kOpenWindowSound, false);
    TFormThank window(program_.CurrentSettings(), program_.HeaderPictures(),
                      &program_.MainWindow());
    if (online != nullptr) {
      online->Ui().Run(window);
    } else {
      window.exec();
    }
  });
}

void MainMenuController::OpenNews() {
  if (!program_.MenuIdle()) return;
  program_.Online();
  program_.Services()->OpenNews();
}

bool MainMenuController::OpenAddress(const QUrl& address) {
  OnlineLink* online = program_.Online();
  if (online == nullptr) return false;
  const auto open = online->Ui().openUrl;
  return open ? open(address) : false;
}

}  // namespace zendral
