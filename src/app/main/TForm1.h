#pragma once
// The main window TForm1. Everything happens on its one thread, one event at a time. While the
// driver is working (and while one of its windows is open over it) no click, key or tick
// reaches the driver again.

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
#include "app/windows/TFormOptions.h"
#include "game/GameState.h"
#include "game/KonDriver.h"
#include "game/Random.h"
#include "online/Statistics.h"
#include "present/draw/CardImages.h"
#include "store/ComputerLevelFile.h"
#include "store/FileSessionStore.h"
#include "store/Settings.h"

class QProgressBar;

namespace zendral {

class BackgroundTask;
class NextPicture;
class IntroWidget;
namespace radioui {
class MediaPanel;
struct MediaRooms;
}  // namespace radioui
class MainMenuWidget;
class CalendarView;
class MenuServices;
class OnlineLink;
class LanSession;
class ProgramOptions;
class SessionStarter;
class TourSession;
class ProgramPacks;
class WindowServices;
class SaluteEffect;
class TableArt;
class TableCoach;
class TableHost;
class TablePopup;
class TableWidget;

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
  PictureLoader ownPictures;                 // null: the program's own art, read when asked
};

// The main window coordinates: it owns the game state, the settings, the kon driver and the
// parts below, decides which screen is shown (intro, menu, table), runs the start-up, Timer1
// and closing, and gates every call into the driver. Each part has a file of its own:
//   WindowServices  its modal windows, messages and sounds, shared by all parts
//   TableHost       what the table and the kon recorder ask of the program
//   MainMenuController (and MenuProgram below)  the menu's buttons and icons
//   SessionStarter, LanSession, TourSession  the sessions a member button or the tournament
//                   starts
//   ProgramOptions, ProgramPacks, TableCoach, TablePopup  Options, the packs, the solver,
//                   the pop-up menu
class TForm1 : public QWidget, private MenuProgram {
 public:
  explicit TForm1(FormOptions options = {});
  ~TForm1() override;

  // The start-up of the first paint: settings, the two club files, the language, the music.
  // False when a club file is missing or damaged: the error has been shown and the program
  // must end (without writing its settings).
  bool StartUp();
  // A key or a click on the intro: the window takes its size and the main menu appears.
  void EndIntro();
  // The menu laid out and filled again for the settings and the account, and shown.
  void ShowMainMenuScreen() override;
  // The driver or one of its windows is working: input waits.
  bool Busy() const override { return busy_ > 0; }

  // The state and parts, for the children, tests and measurements.
  GameState& State() { return state_; }
  Settings& CurrentSettings() override { return settings_; }
  // The online layer; Online() waits for the online start-up, OnlineIfReady() is null while
  // it runs (the menu then draws itself as offline and is drawn again once it is over).
  OnlineLink* Online() const override;
  OnlineLink* OnlineIfReady() const override;
  void AwaitOnline() const;  // keeps the window painted, takes no input
  bool OnlineStartUpPending() const;
  // The start count, the per-game counters, the statistics window.
  MenuServices* Services() const override { return menuServices_.get(); }
  // The news and chat checks: every 10 s from the start-up on, at the menu and the table.
  static constexpr int kChecksTickMs = 10000;
  void ChecksTick();
  QTimer* ChecksTimer() const { return checksTimer_; }
  QTimer* Timer1() const { return timer1_; }
  bool IntroShown() const { return introShown_; }
  bool MenuShown() const { return menuShown_; }
  IntroWidget* Intro() const { return intro_; }
  MainMenuWidget* Menu() const { return menu_; }
  TableWidget* Table() const { return table_; }
  CalendarView* Calendar() const { return calendar_.get(); }  // null before the start-up
  radioui::MediaPanel* Media() const { return media_.get(); }
  SaluteEffect* Salute() const { return salute_.get(); }
  KonRecorder* Recorder() const { return recorder_.get(); }
  TableHost& TablePart() const { return *tableHost_; }
  TablePopup& PopupPart() const { return *popup_; }
  TableCoach& CoachPart() const { return *coach_; }
  ProgramPacks& Packs() const { return *packs_; }
  ProgramOptions& Options() const { return *optionsWindow_; }
  SessionStarter& Sessions() const { return *sessions_; }
  LanSession& LanPart() const { return *lan_; }
  TourSession& TourPart() const { return *tour_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // What the menu's controller asks of the window (MenuProgram).
  bool MenuIdle() const override { return busy_ == 0 && menuShown_; }
  void WhileBusy(const std::function<void()>& work) override;
  QWidget& MainWindow() override { return *this; }
  int RunModal(QDialog& dialog) override;
  void PlaySound(std::string_view name, bool wait) override;
  void ShowMessage(const QString& text, bool error) override;
  const std::filesystem::path& ProgramFolder() const override { return programFolder_; }
  std::filesystem::path ClubPath(bool network) const override;
  PackPictureLoader HeaderPictures() override;
  void ShowPopup(QPoint globalPos) override;
  void Quit() override { close(); }

  // The screens.
  void ShowTableScreen();
  void HideTableScreen();
  void ShowWaitingBar(bool shown);
  void SetGameTimer(int intervalMs, bool running);
  void ApplyWindowSize();
  void RebuildArt();
  void ApplyLanguage();  // every caption of the window
  // The indicator clock's values from the club, when a read is due and the clock is shown.
  void UpdateIndicator(bool menuAppeared);
  radioui::MediaRooms MediaRoomsOnMenu() const;
  // What a change in the Options window does to the whole window.
  void OnOptionsChange(OptionsChange change);
  void OnTimer1();
  bool CheckClubFiles();
  // The online start-up on its own thread, and what it found, once it is over.
  void StartOnlineStartUp(SettingsReadStatus status, const std::string& distributionMark);
  void FinishOnlineStartUp();
  void ApplySettingsToState();
  std::unique_ptr<TableHost> MakeTableHost();
  // A new kon driver for the next session, talking to the peer when there is one. At a
  // tournament table the tournament books the kons and seat 1 is the other player's.
  KonDriver& UseDriver(PeerLink* peer, OnlineBooking* tournament = nullptr);
  // Runs a call into the driver unless the driver or one of its windows is busy; the peer's
  // or the relay's messages wait meanwhile.
  bool DriverCall(const std::function<bool()>& call);
  bool CallHoldingPeer(const std::function<bool()>& call);

  FormOptions options_;
  std::unique_ptr<SoundPort> sound_;
  Settings settings_;
  std::filesystem::path programFolder_;
  std::unique_ptr<FileSessionStore> store_;
  GameState state_;
  Random random_;
  std::unique_ptr<TableArt> art_;
  std::unique_ptr<WindowServices> window_;
  std::unique_ptr<TableHost> tableHost_;
  std::unique_ptr<ProgramPacks> packs_;
  std::unique_ptr<LanSession> lan_;
  std::unique_ptr<KonDriver> driver_;
  MainMenuController menuController_{*this};
  std::unique_ptr<radioui::MediaPanel> media_;
  std::unique_ptr<OnlineLink> online_;
  std::unique_ptr<MenuServices> menuServices_;
  std::unique_ptr<CalendarView> calendar_;
  std::unique_ptr<TourSession> tour_;
  std::unique_ptr<SessionStarter> sessions_;
  std::unique_ptr<ProgramOptions> optionsWindow_;
  std::unique_ptr<BackgroundTask> onlineStartUp_;
  std::unique_ptr<NextPicture> mediaDownloads_;  // the radio list and the playlist
  online::StartCount startCount_;
  bool firstChecksDone_ = false;  // the menu's first chat and news checks were made

  IntroWidget* intro_;
  MainMenuWidget* menu_;
  TableWidget* table_;
  QProgressBar* waitingBar_;
  QTimer* timer1_;
  QTimer* timer2_;
  QTimer* checksTimer_;
  std::unique_ptr<KonRecorder> recorder_;
  std::unique_ptr<TablePopup> popup_;
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
