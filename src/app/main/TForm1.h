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

#include "app/main/KonRecorder.h"
#include "app/main/MainMenuController.h"
#include "app/main/ProgramVersion.h"
#include "app/main/SoundPort.h"
#include "app/main/StartDialog.h"
#include "app/main/TableServices.h"
#include "app/windows/TFormOptions.h"
#include "game/GameState.h"
#include "game/KonDriver.h"
#include "game/Random.h"
#include "online/Statistics.h"
#include "store/ComputerLevelFile.h"
#include "store/FileSessionStore.h"
#include "store/Settings.h"

class QAction;
class QMenu;
class QPushButton;
class QProgressBar;

namespace zendral {

namespace net {
class LanLink;
class LanPeerLink;
struct PeerLeftNotice;
}  // namespace net

class BackgroundTask;
class IntroWidget;
namespace radioui {
class MediaPanel;
struct MediaRooms;
}  // namespace radioui
class MainMenuWidget;
class CalendarView;
class MenuServices;
class OnlineLink;
namespace tour {
class TourLink;
}  // namespace tour
class ProgramPacks;
class WindowServices;
class SaluteEffect;
class TableArt;
class TableCoach;
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

// The window is what its children ask of the program: the table's services, the recorder's
// host and the menu controller's program.
class TForm1 : public QWidget, public TableServices, public RecorderHost, public MenuProgram {
 public:
  explicit TForm1(FormOptions options = {});
  ~TForm1() override;

  // The start-up of the first paint: settings, the two club files, the language, the music.
  // False when a club file is missing or damaged: the error has been shown and the program
  // must end (without writing its settings).
  bool StartUp();
  // A key or a click on the intro: the window takes its size and the main menu appears.
  void EndIntro();

  // The main menu's side of the program; the menu's own windows are opened by its controller
  // (MainMenuController).
  void StartSession(int playerSlot) override;  // 1..5 a club member, 6 a new player
  void OpenOptions() override;                 // "Options"
  void OpenTournament() override;              // the tournament window (TForm1Tour.cpp)
  void Quit() override { close(); }            // "Exit"
  void ApplyLanguage();                        // re-captions everything of the main window
  bool MenuIdle() const override { return busy_ == 0 && menuShown_; }
  void WhileBusy(const std::function<void()>& work) override;
  QWidget& MainWindow() override { return *this; }

  // The table's pop-up menu.
  void ShowPopup(QPoint globalPos) override;
  void ShowGeneralScore();  // "General score"
  void AskExitToMenu();     // "Exit to menu"
  void AskChangeName();     // "To change a name"
  void OpenSpeed();         // "Speed"
  void OpenHelp();          // "Help"
  void OpenAbout();         // "About"
  void RequestHint() override;
  void OpenReview() override;
  // The solver at the table: the hint, the review and the computer's level.
  TableCoach& CoachPart() const { return *coach_; }

  // The table's input, passed to the driver unless it is busy.
  // A card clicked at a point of the screen (none: where the pointer is) is greeted by the
  // salute when it is laid and the settings want it.
  void CardClick(int slot, std::optional<QPoint> pointer = std::nullopt) override;
  void MainButtonClick() override;
  void ExitButtonClick() override;
  void SpeakCard(CardPlace place) override;
  // Says the card's name in the player's language, without waiting (silent without the voice
  // pack).
  void SayCard(TCardCode card) override;
  bool MayLay(int slot) const override;
  // The table's chat line in a LAN game; false when it could not go.
  bool SendChat(const QString& text) override;
  bool Busy() const override { return busy_ > 0; }

  // Services for the table.
  int RunModal(QDialog& dialog) override;
  void ShowMessage(const QString& text, bool error) override;
  bool AskQuestion(const QString& text);
  void PlaySound(std::string_view name, bool wait) override;
  void Hold(int milliseconds) override;
  void SetGameTimer(int intervalMs, bool running) override;
  void SetMenuMusic(bool playing) override;
  void SetTablePopupEntries(bool scoreAndExit, bool changeName) override;
  void ShowTableScreen() override;
  void HideTableScreen() override;
  PackPictureLoader HeaderPictures() override;
  // The packs: their pictures, the headers' pictures, downloads.
  ProgramPacks& Packs() const { return *packs_; }
  void ShowMainMenuScreen() override;
  // The indicator clock's values from the club, when a read is due and the clock is shown.
  void UpdateIndicator(bool menuAppeared);
  radioui::MediaRooms MediaRoomsOnMenu() const;
  void ShowWaitingBar(bool shown) override;
  void ShowScoreWindow(const QString& playerName, const TCount& count) override;
  void ShowEndOfCycleWindow(const EndOfCycleWindow& window) override;

  // For the table, the menu, tests and measurements.
  GameState& State() override { return state_; }
  Settings& CurrentSettings() override { return settings_; }
  const std::filesystem::path& ProgramFolder() const override { return programFolder_; }
  std::filesystem::path ClubPath(bool network) const override;
  TableWidget* Table() const { return table_; }
  KonRecorder* Recorder() const override { return recorder_.get(); }
  MainMenuWidget* Menu() const { return menu_; }
  // The club account and the online windows; the driver's online layer. Waits for the online
  // start-up when it is still running.
  OnlineLink* Online() const override;
  // The same without waiting: null while the online start-up runs (the menu then draws itself
  // as offline and is drawn again once it is over).
  OnlineLink* OnlineIfReady() const override;
  // Waits for the online start-up (keeping the window painted, taking no input).
  void AwaitOnline() const;
  bool OnlineStartUpPending() const;
  // The start count, the per-game counters and the statistics window.
  MenuServices* Services() const override { return menuServices_.get(); }
  // The two calendar pages of the menu; null before the start-up.
  CalendarView* Calendar() const { return calendar_.get(); }
  // The online tournament: the relay socket and the tournament window; null before the first.
  tour::TourLink* Tour() const { return tour_.get(); }
  IntroWidget* Intro() const { return intro_; }
  QTimer* Timer1() const { return timer1_; }
  // The news and chat checks' timer: every 10 s from the start-up on, in the menu and at the
  // table alike.
  static constexpr int kChecksTickMs = 10000;
  QTimer* ChecksTimer() const { return checksTimer_; }
  void ChecksTick();
  QMenu* Popup() const { return popup_; }
  // The LAN link of the running or last network session; null before the first.
  net::LanLink* Lan() const { return lan_.get(); }
  QAction* PopupAction(const char* objectName) const;
  bool IntroShown() const { return introShown_; }
  // The music player's buttons and the radio.
  radioui::MediaPanel* Media() const { return media_.get(); }
  bool MenuShown() const { return menuShown_; }
  // The salute over clicks and laid cards.
  SaluteEffect* Salute() const { return salute_.get(); }

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
  // The online start-up on its own thread, and what it found, once it is over.
  void StartOnlineStartUp(SettingsReadStatus status, const std::string& distributionMark);
  void FinishOnlineStartUp();
  void ApplySettingsToState();
  // A new kon driver for the next session, talking to the peer when there is one.
  void UseDriver(PeerLink* peer);
  void TakeStartEntry(int playerSlot, const StartEntry& entry);
  // The fifth member button while logged in: a rated game against the computer.
  void StartRatedSession();
  void StartNetworkSession(int playerSlot, const StartPlayer& player);
  void ShowPeerLeft(const net::PeerLeftNotice& notice);
  // Runs a call into the driver unless the driver or one of its windows is busy.
  bool DriverCall(const std::function<bool()>& call);
  bool CallHoldingPeer(const std::function<bool()>& call);
  // The tournament table's side of the two above (TForm1Tour.cpp).
  bool CallHoldingRelay(const std::function<bool()>& call);
  bool SendTourChat(const QString& text);

  FormOptions options_;
  std::unique_ptr<SoundPort> sound_;
  Settings settings_;
  std::filesystem::path programFolder_;
  std::unique_ptr<FileSessionStore> store_;
  GameState state_;
  Random random_;
  std::unique_ptr<TableArt> art_;
  std::unique_ptr<WindowServices> window_;
  std::unique_ptr<ProgramPacks> packs_;
  std::unique_ptr<net::LanLink> lan_;
  std::unique_ptr<net::LanPeerLink> lanPeer_;
  std::unique_ptr<KonDriver> driver_;
  MainMenuController menuController_{*this};
  std::unique_ptr<radioui::MediaPanel> media_;
  std::unique_ptr<OnlineLink> online_;
  std::unique_ptr<MenuServices> menuServices_;
  std::unique_ptr<CalendarView> calendar_;
  std::unique_ptr<tour::TourLink> tour_;
  std::unique_ptr<BackgroundTask> onlineStartUp_;
  online::StartCount startCount_;
  bool firstChecksDone_ = false;  // the menu's first chat and news checks were made

  IntroWidget* intro_;
  MainMenuWidget* menu_;
  TableWidget* table_;
  QProgressBar* waitingBar_;
  QMenu* popup_;
  QTimer* timer1_;
  QTimer* timer2_;
  QTimer* checksTimer_;
  std::unique_ptr<KonRecorder> recorder_;
  std::unique_ptr<TableCoach> coach_;
  // The table is drawn over "GIFBackGr" while its kons are recorded.
  bool gifBackdrop_ = false;
  bool artGifBackdrop_ = false;

  bool started_ = false;
  bool startFailed_ = false;
  bool introShown_ = true;
  bool menuShown_ = false;
  int busy_ = 0;
  // Watches the application's clicks; goes first, before what it refers to.
  std::unique_ptr<SaluteEffect> salute_;
};

}  // namespace zendral
