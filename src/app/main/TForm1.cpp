// The main window: construction (where its parts are made and joined), start-up, Timer1, the
// three screens, the window size and closing. Its decisions that reach several parts are in
// TForm1Actions.cpp; each part has its own file.

#include "app/main/TForm1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include "app/calendar/CalendarView.h"
#include "app/main/AppText.h"
#include "app/main/BackgroundTask.h"
#include "app/main/EndOfCycleDialog.h"
#include "app/main/ExpertCoach.h"
#include "app/main/IntroWidget.h"
#include "app/main/KonRecorder.h"
#include "app/main/LanSession.h"
#include "app/main/MainMenuWidget.h"
#include "app/main/MenuDecorations.h"
#include "app/main/MenuGeometry.h"
#include "app/main/NextPicture.h"
#include "app/main/ProgramOptions.h"
#include "app/main/ProgramPacks.h"
#include "app/main/SaluteEffect.h"
#include "app/main/ScoreDialog.h"
#include "app/main/SessionStarter.h"
#include "app/main/TableCoach.h"
#include "app/main/TableHost.h"
#include "app/main/TablePopup.h"
#include "app/main/TableWidget.h"
#include "app/main/TourSession.h"
#include "app/main/WindowServices.h"
#include "app/online/MenuServices.h"
#include "app/online/OnlineLink.h"
#include "app/radio/MediaButtons.h"
#include "app/radio/MediaPanel.h"
#include "app/windows/WindowResources.h"
#include "appart/AppArtLibrary.h"
#include "art/ArtLibrary.h"
#include "menuart/MenuArtLibrary.h"
#include "online/ServiceAddresses.h"
#include "present/draw/TableDrawing.h"
#include "present/record/RecordingPictures.h"
#include "present/words/WordRows.h"
#include "store/ProgramFolders.h"

namespace zendral {

using appmain::QtText;
using appmain::Text;

TForm1::TForm1(FormOptions options)
    : options_(std::move(options)),
      random_(options_.seed ? Random(*options_.seed) : Random::FromClock()) {
  InitArtLibrary();
  InitAppArtLibrary();
  InitMenuArtLibrary();
  setObjectName("TForm1");
  setWindowTitle(Text(kWordTitle));
  sound_ = options_.sound ? std::move(options_.sound) : MakeProgramSound();
  window_ = std::make_unique<WindowServices>(*this, busy_, *sound_, settings_, options_.modal,
                                             options_.openUrl);
  ProgramPacks::Hooks packHooks;
  packHooks.picturesChanged = [this] {
    if (!art_) return;
    art_.reset();
    RebuildArt();
  };
  packHooks.radioPackArrived = [this] { media_->PrepareRadio(settings_.RadioListFromServer); };
  packHooks.menuAgain = [this] {
    if (menuShown_) ShowMainMenuScreen();
  };
  packs_ = std::make_unique<ProgramPacks>(*window_, settings_, programFolder_, std::move(packHooks),
                                          options_.ownPictures);
  setFixedSize(kDesignWidth, kDesignHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableGeometry();
    move(available.left() + (available.width() - kDesignWidth) / 2,
         available.top() + (available.height() - kDesignHeight) / 2);
  }

  intro_ = new IntroWidget([this] { EndIntro(); }, this);
  menu_ = new MainMenuWidget(menuController_, this);
  menuController_.UseMenu(menu_);
  tableHost_ = MakeTableHost();
  table_ = new TableWidget(*tableHost_, state_, this);
  for (QWidget* w : std::initializer_list<QWidget*>{intro_, menu_, table_}) {
    w->setGeometry(rect());
  }
  menu_->hide();
  table_->hide();
  waitingBar_ = new QProgressBar(this);
  waitingBar_->setObjectName("WaitingBar");
  waitingBar_->setRange(0, 0);
  waitingBar_->hide();
  TablePopup::Hooks popupHooks;
  popupHooks.driverCall = [this](const std::function<bool(KonDriver&)>& call) {
    return DriverCall([&] { return call(*driver_); });
  };
  popupHooks.driverReady = [this] { return driver_ != nullptr; };
  popupHooks.introShown = [this] { return introShown_; };
  popupHooks.headerPictures = [this] { return packs_->HeaderPictures(); };
  popupHooks.media = [this]() -> radioui::MediaPanel& { return *media_; };
  popupHooks.tour = [this]() -> TourSession& { return *tour_; };
  popupHooks.requestHint = [this] { coach_->RequestHint(menuShown_); };
  popupHooks.openReview = [this] { coach_->OpenReview(); };
  popup_ =
      std::make_unique<TablePopup>(*this, state_, settings_, *window_, options_.executableFolder,
                                   programFolder_, std::move(popupHooks));
  coach_ = std::make_unique<TableCoach>(*table_, state_, *window_, programFolder_, [this](bool on) {
    popup_->Action("MReview")->setEnabled(on);
  });
  lan_ = std::make_unique<LanSession>(state_, *table_, settings_, *window_, options_.openUrl);
  SessionStarter::Hooks sessionHooks;
  sessionHooks.menuIdle = [this] { return MenuIdle() && driver_; };
  sessionHooks.online = [this]() -> OnlineLink& { return *Online(); };
  sessionHooks.store = [this] { return store_.get(); };
  sessionHooks.useDriver = [this](PeerLink* peer) -> KonDriver& { return UseDriver(peer); };
  sessionHooks.dealFirstKon = [this] {
    DriverCall([this] {
      driver_->DealKon(false);
      return true;
    });
  };
  sessionHooks.applySettings = [this] { ApplySettingsToState(); };
  sessionHooks.menuAgain = [this] { ShowMainMenuScreen(); };
  sessions_ =
      std::make_unique<SessionStarter>(state_, settings_, *window_, *lan_, std::move(sessionHooks));
  TourSession::Hooks tourHooks;
  tourHooks.menuIdle = [this] { return MenuIdle(); };
  tourHooks.online = [this]() -> OnlineLink& { return *Online(); };
  tourHooks.clockPlace = [this](int seat) {
    if (!art_) return QRect();
    const PixelRect r = art_->place().moveClock[seat];
    return QRect(r.left, r.top, r.width, r.height);
  };
  tourHooks.useDriver = [this](PeerLink& relay, OnlineBooking& tournament) -> KonDriver& {
    return UseDriver(&relay, &tournament);
  };
  tour_ = std::make_unique<TourSession>(state_, *table_, *window_, std::move(tourHooks));
  ProgramOptions::Hooks optionsHooks;
  optionsHooks.menuIdle = [this] { return MenuIdle(); };
  optionsHooks.soundDeviceFound = [this] { return sound_->DeviceFound(); };
  optionsHooks.changed = [this](OptionsChange change) { OnOptionsChange(change); };
  optionsWindow_ = std::make_unique<ProgramOptions>(settings_, programFolder_, *window_, *packs_,
                                                    *coach_, std::move(optionsHooks));
  menuController_.UseOwners({sessions_.get(), optionsWindow_.get(), tour_.get()});
  recorder_ = std::make_unique<KonRecorder>(*this, *tableHost_);
  OnlineLink::Services online;
  online.message = [this](const QString& text, bool error) { ShowMessage(text, error); };
  online.ask = [this](const QString& text) { return window_->AskQuestion(text); };
  online.openUrl = [this](const QUrl& url) { return window_->OpenUrl(url); };
  online.modal = [this](QDialog& window) { return RunModal(window); };
  online.playSound = [this](const std::string& name, bool wait) { PlaySound(name, wait); };
  online.hold = [this](int ms) { window_->Hold(ms); };
  online.showAccountCycle = [this](const EndOfCycleWindow& window, int award) {
    PlaySound(window.sound, false);
    const AccountCycleExtras extras{award};
    EndOfCycleDialog dialog(window, this, &extras);
    RunModal(dialog);
  };
  online.graphicsPack = [this] { return PackFileInstalled(programFolder_, "KovCGraph1.dll"); };
  online_ = std::make_unique<OnlineLink>(state_, settings_, std::move(online));
  MenuServices::Hooks menuHooks;
  menuHooks.playSound = [this](const std::string& name) { PlaySound(name, false); };
  menuHooks.signalsChanged = [this] {
    menu_->ShowSignals(menuServices_->NewsPending(), menuServices_->ChatPending());
  };
  menuHooks.gameRunning = [this] { return state_.GameActive && !menuShown_; };
  menuHooks.mainWindow = [this] { return static_cast<QWidget*>(this); };
  menuServices_ = std::make_unique<MenuServices>(*online_, std::move(menuHooks));

  radioui::MediaPanel::Hooks media;
  media.modal = [this](QDialog& window) { return RunModal(window); };
  media.musicOff = [this] {
    settings_.MusicOn = false;
    sound_->PlayMusic(false);
  };
  media.random = [this](int count) { return random_.Between1And(count) - 1; };
  media_ = std::make_unique<radioui::MediaPanel>(*this, online::ServiceBase(), std::move(media));

  timer1_ = new QTimer(this);
  timer1_->setObjectName("Timer1");
  timer1_->setInterval(kMenuTimerMs);
  connect(timer1_, &QTimer::timeout, this, [this] { OnTimer1(); });
  timer1_->start();
  timer2_ = new QTimer(this);
  timer2_->setObjectName("Timer2");
  timer2_->setInterval(1000);
  connect(timer2_, &QTimer::timeout, this, [this] {
    if (started_ && !startFailed_) sound_->OnTimer2(introShown_ || menuShown_, settings_.MusicOn);
  });
  timer2_->start();
  checksTimer_ = new QTimer(this);
  checksTimer_->setObjectName("TimerChecks");
  checksTimer_->setInterval(kChecksTickMs);
  connect(checksTimer_, &QTimer::timeout, this, [this] { ChecksTick(); });
  salute_ = std::make_unique<SaluteEffect>(
      settings_, programFolder_, busy_,
      SaluteEffect::Hooks{[this](int ms) { window_->Hold(ms); }, this});
  intro_->setFocus();
}

TForm1::~TForm1() {
  // A request of the start-up that a silent server holds ends now, not at its bound.
  online_->CancelRequests();
  onlineStartUp_.reset();
  if (started_ && !startFailed_) media_->SaveRadioState();
}

void TForm1::ChecksTick() {
  // Not while the start-up's requests hold the link, nor in the middle of a flight or a sound
  // that holds the game: the tick after it checks instead.
  if (OnlineStartUpPending() || busy_ > 0) return;
  menuServices_->ChecksTick(menuShown_);
}

OnlineLink* TForm1::Online() const {
  AwaitOnline();
  return online_.get();
}

OnlineLink* TForm1::OnlineIfReady() const {
  return OnlineStartUpPending() ? nullptr : online_.get();
}

void TForm1::AwaitOnline() const {
  if (onlineStartUp_) onlineStartUp_->Await();
}

bool TForm1::OnlineStartUpPending() const {
  return onlineStartUp_ && onlineStartUp_->Pending();
}

std::filesystem::path TForm1::ClubPath(bool network) const {
  return programFolder_ / (network ? kNetworkClubFileName : kLocalClubFileName);
}

// ---- Start-up.

bool TForm1::StartUp() {
  if (started_) return !startFailed_;
  started_ = true;
  if (options_.executableFolder.empty()) {
    options_.executableFolder = QCoreApplication::applicationDirPath().toStdString();
  }
  if (options_.programFolder) {
    programFolder_ = *options_.programFolder;
  } else {
    const FolderSetup setup =
        PrepareProgramFolders(options_.executableFolder, CurrentUserDataEnvironment());
    // Without a usable folder the club files are not found, and that is what the player is
    // told below.
    programFolder_ = setup.folders.programFolder.empty() ? options_.executableFolder
                                                         : setup.folders.programFolder;
  }

  const SettingsLoad load =
      LoadSettings(programFolder_ / kSettingsFileName, OnlineLink::StoredDefaults());
  coach_->ReadLevel();
  settings_ = load.settings;
  UseLanguage(LanguageInUse(settings_));
  setWindowTitle(Text(kWordTitle));

  // The store tests both club files once; the local file's mark may fix the language.
  store_ = std::make_unique<FileSessionStore>(programFolder_);
  const ClubCheck& local = store_->StartCheck(ClubKind::kLocal);
  if (local.ok() && local.languageRussian) {
    settings_.Language = kRussian;
    UseLanguage(kRussian);
  }
  intro_->update();
  if (!CheckClubFiles()) {
    startFailed_ = true;
    return false;
  }

  // The service addresses; the path directory, the saved log-in and the start report on a
  // thread of their own.
  StartOnlineStartUp(load.status, local.distributionMark);
  // The calendar pages stand on the menu when the calendar pack is there; the news and chat
  // checks have a timer of their own, so that they run with or without the pack.
  calendar_ = std::make_unique<CalendarView>(menu_, programFolder_);
  checksTimer_->start();
  UseDriver(nullptr);
  ApplySettingsToState();
  packs_->Load();
  media_->StartUp(programFolder_, settings_.RadioListFromServer, QtText(settings_.FontLarge));
  mediaDownloads_ = std::make_unique<NextPicture>(this, [this] { media_->StartDownloads(); });
  ApplyLanguage();
  // The song once the window has painted what it shows now: opening the audio engines does
  // not hold the first picture.
  QTimer::singleShot(0, this, [this] {
    if (!sound_->PrepareMusic()) ShowMessage(Text(kWordCantCreateMusicFile), true);
    sound_->PlayMusic(settings_.MusicOn);
  });
  return true;
}

void TForm1::StartOnlineStartUp(SettingsReadStatus status, const std::string& distributionMark) {
  online_->PrepareStartUp(programFolder_);
  const bool installCounted = settings_.InstallCounted;
  // Until it has finished, the window's thread leaves the online link and the menu services
  // alone (AwaitOnline, OnlineIfReady).
  onlineStartUp_ = std::make_unique<BackgroundTask>(
      this,
      [this, status, distributionMark, installCounted] {
        online_->RunStartUpRequests(status);
        startCount_ = menuServices_->SendStartCount(distributionMark, installCounted);
        menuServices_->RunChatAndNewsChecks();
      },
      [this] { FinishOnlineStartUp(); });
}

void TForm1::FinishOnlineStartUp() {
  online_->FinishStartUp();
  // Its checks stand for those of the menu's next appearance, unless the menu is up already.
  firstChecksDone_ = !menuShown_;
  menu_->Decorations()->SetEditionAddresses(online_->Club().addresses().androidPackage,
                                            online_->Club().addresses().androidStore);
  menuServices_->TakeStartCount(startCount_);
  if (!menuShown_) return;
  // The menu came up before the club answered: the account's icon and line, the sirens and
  // the indicator now.
  menu_->ShowAccountIcon();
  menu_->FillClubList();
  menu_->ShowSignals(menuServices_->NewsPending(), menuServices_->ChatPending());
  UpdateIndicator(true);
}

bool TForm1::CheckClubFiles() {
  for (const ClubKind kind : {ClubKind::kLocal, ClubKind::kNetwork}) {
    const ClubCheck& check = store_->StartCheck(kind);
    const QString path = QString::fromStdString(store_->ClubPath(kind).string());
    if (!check.ok()) {
      const TWordRow& row =
          check.fault == ClubFault::kMissing ? kWordCantFindFile : kWordIncorrectFile;
      ShowMessage(Text(row) + " \"" + path + "\"!", true);
      return false;
    }
    // A file the program may not replace is never written in this run; it says so once.
    if (!check.writable) {
      ShowMessage(Text(kWordTheFileOpen) + path + Text(kWordIncorrectAttributes), false);
    }
  }
  return true;
}

void TForm1::ApplySettingsToState() {
  state_.FlyCards = settings_.FlyCards;
  state_.HighlightMoves = settings_.HighlightMoves;
  state_.GifSave = settings_.GifSave;
}

void TForm1::EndIntro() {
  if (!introShown_ || !started_ || startFailed_) return;
  introShown_ = false;
  timer1_->stop();
  intro_->hide();
  ShowMainMenuScreen();
  media_->IntroEnded();
  timer1_->start(kMenuTimerMs);
}

bool TForm1::DriverCall(const std::function<bool()>& call) {
  if (busy_ > 0 || !driver_) return false;
  ++busy_;
  // In a LAN game the peer's messages wait while the driver works.
  const bool acted = CallHoldingPeer(call);
  --busy_;
  coach_->AfterDriverCall();
  return acted;
}

std::unique_ptr<TableHost> TForm1::MakeTableHost() {
  TableHost::Hooks h;
  h.driverCall = [this](const std::function<bool(KonDriver&)>& call) {
    return DriverCall([&] { return call(*driver_); });
  };
  h.mayLay = [this](int slot) { return driver_ && busy_ == 0 && driver_->MayLay(slot); };
  h.afterMainButton = [this] { table_->UpdatePointer(); };
  h.sendChat = [this](const QString& text) {
    if (busy_ == 0 && state_.TourGame && state_.GameActive) return tour_->SendChat(text);
    return lan_->SendChat(text);
  };
  h.showPopup = [this](QPoint at) { popup_->Show(at); };
  h.setPopupEntries = [this](bool scoreAndExit, bool changeName) {
    popup_->SetTableEntries(scoreAndExit, changeName);
  };
  h.requestHint = [this] { coach_->RequestHint(menuShown_); };
  h.openReview = [this] { coach_->OpenReview(); };
  h.hintsUsed = [this] { return coach_->Coach()->HintsUsed(); };
  h.showTable = [this] { ShowTableScreen(); };
  h.hideTable = [this] { HideTableScreen(); };
  h.showMenu = [this] { ShowMainMenuScreen(); };
  h.setGameTimer = [this](int intervalMs, bool running) { SetGameTimer(intervalMs, running); };
  h.showWaitingBar = [this](bool shown) { ShowWaitingBar(shown); };
  h.setMenuMusic = [this](bool playing) { sound_->PlayMusic(playing && settings_.MusicOn); };
  h.recorder = [this] { return recorder_.get(); };
  h.salute = [this]() -> SaluteEffect& { return *salute_; };
  return std::make_unique<TableHost>(state_, settings_, programFolder_, *window_, *sound_,
                                     std::move(h));
}

PackPictureLoader TForm1::HeaderPictures() {
  return packs_->HeaderPictures();
}

// ---- Timer1.

void TForm1::OnTimer1() {
  if (busy_ > 0) return;
  if (introShown_) {
    if (started_) intro_->Tick();
    return;
  }
  if (menuShown_) {
    // A LAN server whose client left closes its listening socket here.
    lan_->OnMenuTick();
    UpdateIndicator(false);
    menu_->Decorations()->Tick();
    return;
  }
  if (!driver_) return;
  if (DriverCall([this] { return driver_->TimerTick(); })) table_->UpdatePointer();
}

// ---- Window size and the three screens.

void TForm1::ApplyWindowSize() {
  const QScreen* screen =
      this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
  const QSize screenSize = screen != nullptr ? screen->size() : QSize(kDesignWidth, kDesignHeight);
  const ClientSize client =
      ClientAreaFor(settings_.WindowSize, {screenSize.width(), screenSize.height()});
  if (settings_.WindowSize == kFullScreen) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(client.width, client.height);
    if (isVisible()) showFullScreen();
  } else {
    if (isFullScreen()) showNormal();
    setFixedSize(client.width, client.height);
    if (screen != nullptr) {
      const QRect available = screen->availableGeometry();
      const QSize frame = frameGeometry().size();
      move(available.left() + RoundHalfEven((available.width() - frame.width()) / 2.0),
           available.top() + RoundHalfEven((available.height() - frame.height()) / 2.0));
    }
  }
  RebuildArt();
}

void TForm1::RebuildArt() {
  const ClientSize client{width(), height()};
  const qreal dpr = devicePixelRatioF();
  if (art_ && art_->client() == client && art_->dpr() == dpr &&
      art_->scale().windowSize == settings_.WindowSize && artGifBackdrop_ == gifBackdrop_) {
    return;
  }
  TableFonts fonts;
  fonts.large = QtText(settings_.FontLarge);
  fonts.small = QtText(settings_.FontSmall);
  fonts.largePercent = settings_.ScaleLarge;
  fonts.smallPercent = settings_.ScaleSmall;
  art_ = std::make_unique<TableArt>(settings_.WindowSize, client, dpr, fonts,
                                    gifBackdrop_ ? RecordingPictures(PackLoader(packs_->Pictures()))
                                                 : PackLoader(packs_->Pictures()),
                                    packs_->Pictures() && packs_->Pictures()->narrow());
  artGifBackdrop_ = gifBackdrop_;
  for (QWidget* w : std::initializer_list<QWidget*>{intro_, menu_, table_}) {
    w->setGeometry(rect());
  }
  menu_->UseArt(art_.get());
  table_->UseArt(art_.get());
  coach_->Caption();
}

// Between the table and the menu (while a session's results are stored, and behind the
// end-of-cycle window) the window shows its felt.
void TForm1::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (art_) {
    DrawBackground(p, *art_, {0, 0, width(), height()});
  } else {
    p.fillRect(rect(), QColor(14, 100, 50));
  }
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  for (QWidget* w : std::initializer_list<QWidget*>{intro_, menu_, table_}) {
    w->setGeometry(rect());
  }
  if (!introShown_ && art_) RebuildArt();
  if (art_) media_->Place(introShown_, menuShown_, MediaRoomsOnMenu());
}

// The music buttons and the radio where the menu has room for them at this window size.
radioui::MediaRooms TForm1::MediaRoomsOnMenu() const {
  if (!art_ || !menuShown_) return {};
  const ClientSize client{menu_->width(), menu_->height()};
  const MenuOrnaments ornaments =
      PlaceOrnaments(art_->scale(), menu_->Layout(), calendar_ && calendar_->IsShown(), client);
  const QSize radio = radioui::RadioIconWidget::ContentBox().size();
  const MediaPlaces places =
      PlaceMedia(menu_->Layout(), ornaments, client, radio.width(), radio.height());
  const auto rect = [](const PixelRect& r) { return QRect(r.left, r.top, r.width, r.height); };
  radioui::MediaRooms rooms;
  if (places.musicShown) {
    rooms.music = {rect(places.music[0]), rect(places.music[1]), rect(places.music[2])};
  }
  if (places.radioShown) rooms.radio = rect(places.radio);
  return rooms;
}

void TForm1::ShowTableScreen() {
  menuShown_ = false;
  menu_->hide();
  intro_->hide();
  // The table is placed again at every deal: the window may have moved to another screen.
  gifBackdrop_ = state_.GifSave;
  RebuildArt();
  art_->SetBackPicture(BackPictureOfKon(settings_));
  table_->show();
  table_->RedrawAll();
  table_->setFocus();
  media_->Place(introShown_, menuShown_);
}

void TForm1::HideTableScreen() {
  recorder_->DropRecording();
  table_->hide();
}

void TForm1::ShowMainMenuScreen() {
  gifBackdrop_ = false;
  // A log-in that a rated booking dropped comes back once the server answers again; the menu
  // below is then drawn for the account.
  const bool loggedInAgain = !OnlineStartUpPending() && online_->LogInAgainIfDropped();
  ApplyWindowSize();
  table_->hide();
  popup_->SetTableEntries(false, false);
  menu_->ShowAccountIcon();
  menu_->FillClubList();
  if (calendar_ && art_) {
    calendar_->Show(art_->scale().scaleX, art_->scale().scaleY, Language());
  }
  if (art_) {
    menu_->Decorations()->Place(art_->scale(), menu_->Layout(), calendar_ && calendar_->IsShown(),
                                {menu_->width(), menu_->height()}, art_->fonts().large);
  }
  menu_->show();
  menu_->update();
  const bool wasShown = menuShown_;
  menuShown_ = true;
  // While the online start-up runs, it makes the first checks and draws the rest when over.
  if (!OnlineStartUpPending()) {
    if (!wasShown && !firstChecksDone_) menuServices_->CheckChatAndNews();
    firstChecksDone_ = false;
    menu_->ShowSignals(menuServices_->NewsPending(), menuServices_->ChatPending());
    UpdateIndicator(!wasShown);
  }
  if (art_) media_->Place(introShown_, menuShown_, MediaRoomsOnMenu());
  if (loggedInAgain) online_->TellLoggedInAgain();
}

void TForm1::UpdateIndicator(bool menuAppeared) {
  if (OnlineStartUpPending()) return;
  MenuDecorations* decorations = menu_->Decorations();
  if (decorations == nullptr || decorations->IndicatorClock()->isHidden()) return;
  if (!menuServices_->IndicatorReadDue(menuAppeared, MenuServices::Clock::now())) return;
  decorations->SetIndicatorData(menuServices_->ReadIndicatorData());
}

void TForm1::ShowWaitingBar(bool shown) {
  if (shown) {
    const int w = width() / 3;
    waitingBar_->setGeometry((width() - w) / 2, height() / 2 - 12, w, 24);
    waitingBar_->show();
    waitingBar_->raise();
    waitingBar_->repaint();
  } else {
    waitingBar_->hide();
  }
}

void TForm1::SetGameTimer(int intervalMs, bool running) {
  timer1_->setInterval(intervalMs);
  if (running) {
    timer1_->start();
  } else {
    timer1_->stop();
  }
}

// ---- Services.

int TForm1::RunModal(QDialog& dialog) {
  return window_->RunModal(dialog);
}

void TForm1::ShowMessage(const QString& text, bool error) {
  window_->ShowMessage(text, error);
}

void TForm1::PlaySound(std::string_view name, bool wait) {
  window_->PlaySound(name, wait);
}

// ---- Keys and closing.

void TForm1::keyPressEvent(QKeyEvent* event) {
  if (introShown_) {
    EndIntro();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (busy_ > 0) {
    event->ignore();
    return;
  }
  if (!started_ || startFailed_) {
    // A club file failed at start-up: the settings are not written either.
    event->accept();
    return;
  }
  const bool atTable = state_.GameActive && !state_.MenuShown;
  if (atTable) {
    PlaySound("WOpenFo", false);
    if (!window_->AskQuestion(Text(kWordLeaveGameQuestion) + " " + Text(kWordDataWillBeLost))) {
      event->ignore();
      return;
    }
  }
  sound_->CloseMusic();
  if (!SaveSettings(programFolder_ / kSettingsFileName, settings_)) {
    ShowMessage(Text(kWordCantSaveOptions), true);
  }
  if (atTable) DriverCall([this] { return driver_->CloseDuringSession(); });
  recorder_->FinishWrites();
  timer1_->stop();
  timer2_->stop();
  event->accept();
}

}  // namespace zendral
