#pragma once
// The main window TForm1: it owns the game state, the kon driver, the settings and the club
// and history store, shows the intro, the main menu and the table in turn, and runs Timer1.
// Everything happens on its one thread, one event at a time. While the driver is working (and
// while one of its windows is open over it) no click, key or tick reaches the driver again.

#include <QDialog>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "app/main/SoundPort.h"
#include "app/main/StartDialog.h"
#include "app/windows/TFormOptions.h"
#include "game/GameState.h"
#include "game/KonDriver.h"
#include "game/Random.h"
#include "store/FileSessionStore.h"
#include "store/Settings.h"

class QAction;
class QMenu;
class QProgressBar;

namespace zendral {

namespace net {
class LanLink;
class LanPeerLink;
struct PeerLeftNotice;
}  // namespace net

class IntroWidget;
class MainMenuWidget;
class TableArt;
class TableWidget;

// ModalRunner (StartDialog.h) runs a modal window and returns its result; tests answer the
// windows themselves.

// What the window is given from outside. Every field has the program's own default.
struct FormOptions {
  // The folder of the executable: the program folder when it is writable, and where the help
  // page lies. Empty: the folder of the running program.
  std::filesystem::path executableFolder;
  // A program folder to use as it is (tests); otherwise the folder rules decide.
  std::optional<std::filesystem::path> programFolder;
  std::unique_ptr<SoundPort> sound;          // null: the program's sounds
  ModalRunner modal;                         // null: QDialog::exec
  std::function<bool(const QUrl&)> openUrl;  // null: the system's handler
  std::optional<std::uint64_t> seed;         // the shuffle's seed; none: the clock
};

inline constexpr const char* kVersionText = "V 5.7f";
inline constexpr const char* kHelpFileName = "Zendral.html";

class TForm1 : public QWidget {
 public:
  explicit TForm1(FormOptions options = {});
  ~TForm1() override;

  // The start-up of the first paint: settings, the two club files, the language, the music.
  // False when a club file is missing or damaged: the error has been shown and the program
  // must end (without writing its settings).
  bool StartUp();
  // A key or a click on the intro: the window takes its size and the main menu appears.
  void EndIntro();

  // The main menu.
  void StartSession(int playerSlot);  // 1..5 a club member, 6 a new player
  void ToggleClubListMode();          // "Mode"
  void OpenOptions();                 // "Options"
  void OpenHistory();                 // "History"
  void OpenTopTen();                  // "Top Ten"
  void ApplyLanguage();               // re-captions everything of the main window

  // The table's pop-up menu.
  void ShowPopup(QPoint globalPos);
  void ShowGeneralScore();  // "General score"
  void AskExitToMenu();     // "Exit to menu"
  void AskChangeName();     // "To change a name"
  void OpenSpeed();         // "Speed"
  void OpenHelp();          // "Help"
  void OpenAbout();         // "About"

  // The table's input, passed to the driver unless it is busy.
  void CardClick(int slot);
  void MainButtonClick();
  void ExitButtonClick();
  void SpeakCard(CardPlace place);
  bool MayLay(int slot) const;
  // The table's chat line in a LAN game; false when it could not go.
  bool SendChat(const QString& text);
  bool Busy() const { return busy_ > 0; }

  // Services for the table.
  int RunModal(QDialog& dialog);
  void ShowMessage(const QString& text, bool error);
  bool AskQuestion(const QString& text);
  void PlaySound(std::string_view name, bool wait);
  void Hold(int milliseconds);
  void SetGameTimer(int intervalMs, bool running);
  void SetMenuMusic(bool playing);
  void SetTablePopupEntries(bool scoreAndExit, bool changeName);
  void ShowTableScreen();
  void HideTableScreen();
  void ShowMainMenuScreen();
  void ShowWaitingBar(bool shown);
  void ShowScoreWindow(const QString& playerName, const TCount& count);
  void ShowEndOfCycleWindow(const EndOfCycleWindow& window);

  // For the table, the menu, tests and measurements.
  GameState& State() { return state_; }
  Settings& CurrentSettings() { return settings_; }
  const std::filesystem::path& ProgramFolder() const { return programFolder_; }
  std::filesystem::path ClubPath(bool network) const;
  TableWidget* Table() const { return table_; }
  MainMenuWidget* Menu() const { return menu_; }
  IntroWidget* Intro() const { return intro_; }
  QTimer* Timer1() const { return timer1_; }
  QMenu* Popup() const { return popup_; }
  // The LAN link of the running or last network session; null before the first.
  net::LanLink* Lan() const { return lan_.get(); }
  QAction* PopupAction(const char* objectName) const;
  bool IntroShown() const { return introShown_; }
  bool MenuShown() const { return menuShown_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildPopup();
  void OnOptionsChange(OptionsChange change);
  void OnTimer1();
  void ApplyWindowSize();
  void RebuildArt();
  bool CheckClubFiles();
  void ApplySettingsToState();
  // A new kon driver for the next session, talking to the peer when there is one.
  void UseDriver(PeerLink* peer);
  void TakeStartEntry(int playerSlot, const StartEntry& entry);
  void StartNetworkSession(int playerSlot, const StartPlayer& player);
  void ShowPeerLeft(const net::PeerLeftNotice& notice);
  // Runs a call into the driver unless the driver or one of its windows is busy.
  template <typename Call>
  bool DriverCall(Call call);
  bool CallHoldingPeer(const std::function<bool()>& call);

  FormOptions options_;
  std::unique_ptr<SoundPort> sound_;
  Settings settings_;
  std::filesystem::path programFolder_;
  std::unique_ptr<FileSessionStore> store_;
  GameState state_;
  Random random_;
  std::unique_ptr<TableArt> art_;
  std::unique_ptr<net::LanLink> lan_;
  std::unique_ptr<net::LanPeerLink> lanPeer_;
  std::unique_ptr<KonDriver> driver_;

  IntroWidget* intro_;
  MainMenuWidget* menu_;
  TableWidget* table_;
  QProgressBar* waitingBar_;
  QMenu* popup_;
  QTimer* timer1_;
  QTimer* timer2_;

  bool started_ = false;
  bool startFailed_ = false;
  bool introShown_ = true;
  bool menuShown_ = false;
  int busy_ = 0;
};

template <typename Call>
bool TForm1::DriverCall(Call call) {
  if (busy_ > 0 || !driver_) return false;
  ++busy_;
  // In a LAN game the peer's messages wait while the driver works.
  const bool acted = CallHoldingPeer(call);
  --busy_;
  return acted;
}

}  // namespace zendral
