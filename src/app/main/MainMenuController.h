#pragma once
// What the main menu's buttons and icons do. The menu widget only draws and places them and
// hands every click here; the windows that belong to the menu alone (the history, the top
// ten, the account and online windows, the gifts) are opened here, while what starts a
// session or changes the whole program goes to its owner: a game to the SessionStarter, the
// Options to ProgramOptions, the tournament to TourSession, the pop-up menu and leaving to the
// program through MenuProgram.

#include <QPoint>
#include <QString>
#include <filesystem>
#include <functional>
#include <string_view>

#include "app/windows/WindowResources.h"

class QDialog;
class QUrl;
class QWidget;

namespace zendral {

class MainMenuWidget;
class ProgramOptions;
class SessionStarter;
class TourSession;
class MenuServices;
class OnlineLink;
struct Settings;

// What the menu's controller asks of the program around it.
class MenuProgram {
 public:
  virtual ~MenuProgram() = default;

  // The kon driver or one of its windows is working.
  virtual bool Busy() const = 0;
  // A window opens from the menu only while the menu is shown and nothing else runs.
  virtual bool MenuIdle() const = 0;
  // Runs a menu window while no click, key or tick reaches the kon driver.
  virtual void WhileBusy(const std::function<void()>& work) = 0;
  // The window the menu's windows open over.
  virtual QWidget& MainWindow() = 0;
  virtual int RunModal(QDialog& dialog) = 0;
  virtual void PlaySound(std::string_view name, bool wait) = 0;
  virtual void ShowMessage(const QString& text, bool error) = 0;
  virtual Settings& CurrentSettings() = 0;
  virtual const std::filesystem::path& ProgramFolder() const = 0;
  virtual std::filesystem::path ClubPath(bool network) const = 0;
  virtual PackPictureLoader HeaderPictures() = 0;
  // The online layer; Online() waits for the online start-up, OnlineIfReady() does not.
  virtual OnlineLink* Online() const = 0;
  virtual OnlineLink* OnlineIfReady() const = 0;
  virtual MenuServices* Services() const = 0;
  // The whole menu laid out and filled again (after a log-in or a log-out).
  virtual void ShowMainMenuScreen() = 0;

  // The program's side of the menu.
  virtual void ShowPopup(QPoint globalPos) = 0;
  virtual void Quit() = 0;
};

class MainMenuController {
 public:
  explicit MainMenuController(MenuProgram& program) : program_(program) {}
  // The menu whose club list and icons the actions change.
  void UseMenu(MainMenuWidget* menu) { menu_ = menu; }
  // Who starts a session, opens the Options and the tournament; a button does nothing until
  // they are known.
  struct Owners {
    SessionStarter* sessions = nullptr;
    ProgramOptions* options = nullptr;
    TourSession* tour = nullptr;
  };
  void UseOwners(Owners owners) { owners_ = owners; }

  // The buttons.
  void StartSession(int playerSlot);
  void ToggleClubListMode();  // "Mode"
  void OpenOptions();
  void OpenHistory();  // "History"
  void OpenTopTen();   // "Top Ten"
  void Quit() { program_.Quit(); }
  // The icons.
  void OpenAccount();      // the account window
  void OpenWorldTopTen();  // the World Top Ten window
  void OpenStatistics();   // the statistics window
  void OpenDaily();        // the deal of the day: play it, or see its table
  void OpenChat();         // the chat icon or the red siren
  void OpenNews();         // the news icon or the blue siren
  void OpenAdvertising();  // the red gift: the maker's other games
  void OpenSupport();      // the green gift: the support window
  void OpenTournament();
  // A web page of the menu's icons, through the program's handler; false when none opened it.
  bool OpenAddress(const QUrl& address);
  // A right click on the menu.
  void ShowPopup(QPoint globalPos) { program_.ShowPopup(globalPos); }

  // What the menu reads and what its ornaments use.
  MenuProgram& Program() { return program_; }
  Settings& CurrentSettings() { return program_.CurrentSettings(); }

 private:
  MenuProgram& program_;
  MainMenuWidget* menu_ = nullptr;
  Owners owners_;
};

}  // namespace zendral
