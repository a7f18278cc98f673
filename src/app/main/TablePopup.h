#pragma once
// The pop-up menu of the table and the menu (PopupMenu1): the general score, leaving to the
// menu, a new name, the speed, the hint and the review, the tournament, help, about, the radio.
// The entries that act on the kon go through the window's gate to the kon driver.

#include <QPoint>
#include <filesystem>
#include <functional>

#include "app/windows/WindowResources.h"

class QAction;
class QMenu;
class QWidget;

namespace zendral {

class KonDriver;
class TourSession;
class WindowServices;
struct GameState;
struct Settings;
namespace radioui {
class MediaPanel;
}  // namespace radioui

class TablePopup {
 public:
  struct Hooks {
    // Runs a call into the kon driver unless it is busy; false when it did not act.
    std::function<bool(const std::function<bool(KonDriver&)>&)> driverCall;
    std::function<bool()> driverReady;  // a kon driver exists
    std::function<bool()> introShown;
    std::function<PackPictureLoader()> headerPictures;
    std::function<radioui::MediaPanel&()> media;
    std::function<TourSession&()> tour;
    std::function<void()> requestHint;  // the solver's hint and review
    std::function<void()> openReview;
  };
  // The help page is looked for beside the program, then in the program folder.
  TablePopup(QWidget& window, GameState& state, Settings& settings, WindowServices& services,
             const std::filesystem::path& executableFolder,
             const std::filesystem::path& programFolder, Hooks hooks);

  void Show(QPoint globalPos);
  // Which entries a session allows: the score and leaving, and a new name.
  void SetTableEntries(bool scoreAndExit, bool changeName);
  // The entries' texts in the current language.
  void Caption();
  QMenu* Menu() const { return popup_; }
  QAction* Action(const char* objectName) const;

  void ShowGeneralScore();  // "General score"
  void AskExitToMenu();     // "Exit to menu"
  void AskChangeName();     // "To change a name"
  void OpenSpeed();         // "Speed"
  void OpenHelp();          // "Help"
  void OpenAbout();         // "About"

 private:
  GameState& state_;
  Settings& settings_;
  WindowServices& window_;
  const std::filesystem::path& executableFolder_;
  const std::filesystem::path& programFolder_;
  Hooks hooks_;
  QMenu* popup_;
};

}  // namespace zendral
