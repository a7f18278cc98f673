// The main window's actions: the sessions the menu starts, the Options, the table's pop-up
// menu, and the table's input passed to the kon driver. The menu's own windows are opened by
// MainMenuController.

#include <QAction>
#include <QCursor>
#include <QDesktopServices>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include "app/calendar/CalendarView.h"
#include "app/lan/ExternalAddress.h"
#include "app/main/AppText.h"
#include "app/main/ExpertCoach.h"
#include "app/main/MainMenuWidget.h"
#include "app/main/ProgramPacks.h"
#include "app/main/SaluteEffect.h"
#include "app/main/StartDialog.h"
#include "app/main/TForm1.h"
#include "app/main/TableCoach.h"
#include "app/main/TableWidget.h"
#include "app/online/MenuServices.h"
#include "app/online/OnlineLink.h"
#include "app/radio/MediaPanel.h"
#include "app/windows/TFormOptions.h"
#include "app/windows/TFormSpeed.h"
#include "game/Scores.h"
#include "net/LanLink.h"
#include "net/LanPeerLink.h"
#include "net/LanSetup.h"
#include "present/words/SolverWords.h"
#include "present/words/WordRows.h"
#include "store/ClubFile.h"
#include "store/ProgramFolders.h"

namespace zendral {

using appmain::QtText;
using appmain::Text;

namespace {

constexpr std::string_view kOpenWindowSound = "WOpenFo";

// The pop-up entries by their names, with their rows.
struct PopupEntry {
  const char* name;
  const TWordRow* row;
};
constexpr PopupEntry kPopupEntries[] = {{"GenCount", &kWordGeneralScore},
                                        {"Quit", &kWordExitToMenu},
                                        {"ChangeName", &kWordChangeName},
                                        {"MSpeed", &kWordSpeed},
                                        {"MHint", &kWordHint},
                                        {"MReview", &kWordReview},
                                        {"MTour", &kWordOnlineTournament},
                                        {nullptr, nullptr},
                                        {"Help", &kWordHelp},
                                        {"About", &kWordAbout},
                                        {nullptr, nullptr},
                                        {"MRadio", &kWordRadio},
                                        {"MChat", &kWordChat}};

}  // namespace

// ---- The pop-up menu.

void TForm1::BuildPopup() {
  popup_ = new QMenu(this);
  popup_->setObjectName("PopupMenu1");
  for (const PopupEntry& entry : kPopupEntries) {
    if (entry.name == nullptr) {
      popup_->addSeparator();
      continue;
    }
    QAction* action = popup_->addAction(QString());
    action->setObjectName(entry.name);
  }
  connect(PopupAction("GenCount"), &QAction::triggered, this, [this] { ShowGeneralScore(); });
  connect(PopupAction("Quit"), &QAction::triggered, this, [this] { AskExitToMenu(); });
  connect(PopupAction("ChangeName"), &QAction::triggered, this, [this] { AskChangeName(); });
  connect(PopupAction("MSpeed"), &QAction::triggered, this, [this] { OpenSpeed(); });
  connect(PopupAction("MHint"), &QAction::triggered, this, [this] { RequestHint(); });
  connect(PopupAction("MReview"), &QAction::triggered, this, [this] { OpenReview(); });
  connect(PopupAction("Help"), &QAction::triggered, this, [this] { OpenHelp(); });
  connect(PopupAction("About"), &QAction::triggered, this, [this] { OpenAbout(); });
  connect(PopupAction("MTour"), &QAction::triggered, this, [this] { OpenTournament(); });
  connect(PopupAction("MRadio"), &QAction::triggered, this, [this] {
    if (busy_ > 0) return;
    if (media_->Radio().Available()) {
      media_->OpenRadioWindow();
    } else {
      ShowMessage(media_->RadioHint(), false);
    }
  });
  // The chat comes with its own window; until then its entry stays off.
  PopupAction("MChat")->setEnabled(false);
  SetTablePopupEntries(false, false);
}

QAction* TForm1::PopupAction(const char* objectName) const {
  return popup_->findChild<QAction*>(objectName);
}

void TForm1::SetTablePopupEntries(bool scoreAndExit, bool changeName) {
  PopupAction("GenCount")->setEnabled(scoreAndExit);
  PopupAction("Quit")->setEnabled(scoreAndExit);
  PopupAction("ChangeName")->setEnabled(changeName);
}

void TForm1::ShowPopup(QPoint globalPos) {
  if (busy_ > 0 || introShown_) return;
  popup_->popup(globalPos);
}

void TForm1::ApplyLanguage() {
  setWindowTitle(Text(kWordTitle));
  for (const PopupEntry& entry : kPopupEntries) {
    if (entry.name != nullptr) PopupAction(entry.name)->setText(Text(*entry.row));
  }
  menu_->ApplyLanguage();
  table_->ApplyLanguage();
  coach_->Caption();
  // The calendar pages carry texts of the language too.
  if (calendar_ && menuShown_ && art_) {
    calendar_->Show(art_->scale().scaleX, art_->scale().scaleY, Language());
  }
}

// ---- The main menu.

void TForm1::StartSession(int playerSlot) {
  if (busy_ > 0 || !menuShown_ || !driver_) return;
  AwaitOnline();
  const bool network = settings_.NetGame;
  // While logged in, the fifth line is the account's: it starts a rated game.
  if (playerSlot == kLastMemberSlot && !network && online_->Club().LoggedIn()) {
    StartRatedSession();
    return;
  }
  const ClubKind club = network ? ClubKind::kNetwork : ClubKind::kLocal;
  StartPlayer player;
  if (playerSlot >= kFirstMemberSlot && playerSlot <= kLastMemberSlot) {
    const auto member = store_->LoadMember(club, playerSlot);
    if (!member) return;  // a line without a member does nothing
    player.member = true;
    player.memberName = QtText(TrimRight(member->name));
    player.storedPassword = DecodePassword(member->password);
  } else if (playerSlot != kNewPlayerSlot) {
    return;
  }
  if (network) {
    StartNetworkSession(playerSlot, player);
    return;
  }

  StartDialog dialog(player, QtText(settings_.PlayerName), this);
  dialog.SetMessageShower([this](const QString& message) { ShowMessage(message, true); });
  if (RunModal(dialog) != QDialog::Accepted) return;
  TakeStartEntry(playerSlot, dialog.Entry());
  state_.NetGame = false;
  state_.TourGame = false;
  UseDriver(nullptr);
  DriverCall([this] {
    driver_->DealKon(false);
    return true;
  });
}

// What the confirmed start dialog tells the session; the name is offered again next time.
void TForm1::TakeStartEntry(int playerSlot, const StartEntry& entry) {
  settings_.PlayerName = entry.name.toStdString();
  state_.PlayerSlot = playerSlot;
  state_.DialogName = entry.name.toStdString();
  state_.DialogPassword = entry.password.toStdString();
  ApplySettingsToState();
}

void TForm1::UseDriver(PeerLink* peer) {
  driver_ = std::make_unique<KonDriver>(
      state_, DriverLinks{*table_, random_, peer, store_.get(), menuServices_.get(), online_.get(),
                          coach_->Coach()});
}

void TForm1::StartRatedSession() {
  ++busy_;
  const bool booked = online_->ChooseRatedGame(this);
  --busy_;
  if (!booked) {
    ShowMainMenuScreen();  // the account window may have logged in, out or to another nick
    return;
  }
  state_.PlayerSlot = kRatedGameSlot;
  state_.DialogName = online_->Club().user().Nick;
  state_.NetGame = false;
  state_.TourGame = false;
  ApplySettingsToState();
  UseDriver(nullptr);
  DriverCall([this] {
    driver_->DealKon(false);
    return true;
  });
}

// A LAN session: the start dialog with its network fields starts the link and waits for the
// other program; once they are joined the session runs with a driver that talks to the peer.
void TForm1::StartNetworkSession(int playerSlot, const StartPlayer& player) {
  // The link of an earlier session goes with its driver.
  UseDriver(nullptr);
  lanPeer_.reset();
  lan_ = std::make_unique<net::LanLink>();
  lan::LanStartEnvironment environment;
  environment.ownAddresses = lan::DefaultOwnAddresses(
      [address = environment.webAddress] { return lan::FetchExternalAddress(address); },
      environment.webAddress);
  if (options_.openUrl) environment.openUrl = options_.openUrl;
  StartDialog dialog(player, QtText(settings_.PlayerName),
                     StartLanContext{settings_, *lan_, std::move(environment),
                                     [this](QDialog& window) { return RunModal(window); }},
                     this);
  dialog.SetMessageShower([this](const QString& message) { ShowMessage(message, true); });
  if (RunModal(dialog) != QDialog::Accepted) {
    lan_.reset();
    return;
  }
  TakeStartEntry(playerSlot, dialog.Entry());

  lanPeer_ = std::make_unique<net::LanPeerLink>(*lan_, state_, *table_);
  UseDriver(lanPeer_.get());
  lanPeer_->Attach(*driver_);
  lanPeer_->SetChatHandler([this](int index, const std::string& text) {
    table_->ShowChatLine(index, "s" + QtText(text));
  });
  lanPeer_->SetPeerLeftHandler([this](const net::PeerLeftNotice& notice) { ShowPeerLeft(notice); });
  ++busy_;
  lanPeer_->StartSession(state_.DialogName);
  --busy_;
  table_->UpdatePointer();
}

void TForm1::ShowPeerLeft(const net::PeerLeftNotice& notice) {
  if (!notice.interrupted) return;
  const std::string text =
      net::InterruptedGameText(Word(notice.peerRole == kRoleClient ? kWordClient : kWordServer),
                               Word(kWordHasInterruptedGame), Word(kWordPressOkToExit));
  ShowMessage(QtText(text), true);
}

bool TForm1::SendChat(const QString& text) {
  if (busy_ == 0 && state_.TourGame && state_.GameActive) return SendTourChat(text);
  if (busy_ > 0 || !lanPeer_ || !state_.NetGame || !state_.GameActive) return false;
  return lanPeer_->SendChat(text.toStdString());
}

bool TForm1::CallHoldingPeer(const std::function<bool()>& call) {
  if (lanPeer_ && state_.NetGame) return lanPeer_->Call(call);
  if (state_.TourGame) return CallHoldingRelay(call);
  return call();
}

void TForm1::WhileBusy(const std::function<void()>& work) {
  ++busy_;
  work();
  --busy_;
}

void TForm1::OpenOptions() {
  if (busy_ > 0 || !menuShown_) return;
  PlaySound(kOpenWindowSound, false);
  OptionsEnvironment environment;
  environment.programFolder = programFolder_;
  environment.menuShown = menuShown_;
  environment.soundDeviceFound = sound_->DeviceFound();
  environment.changed = [this](OptionsChange change) { OnOptionsChange(change); };
  packs_->FillEnvironment(environment);
  environment.computerLevel = coach_->Coach()->Level() == ComputerLevel::kExpert ? 1 : 0;
  environment.levelChanged = [this](int level) {
    coach_->SetLevel(level == 1 ? ComputerLevel::kExpert : ComputerLevel::kClassic);
  };
  TFormOptions dialog(settings_, std::move(environment), this);
  RunModal(dialog);
}

// What an Options control changed takes effect at once, behind the open window.
void TForm1::OnOptionsChange(OptionsChange change) {
  switch (change) {
    case OptionsChange::kLanguage:
      ApplyLanguage();
      break;
    case OptionsChange::kWindowSize:
      // Options opens only over the menu: it is laid out anew for the size, ornaments too.
      ShowMainMenuScreen();
      break;
    case OptionsChange::kMultiplayer:
      menu_->ApplyLanguage();  // the header and the list of the other club file
      break;
    case OptionsChange::kMusic:
      sound_->PlayMusic(settings_.MusicOn && (menuShown_ || introShown_));
      break;
    case OptionsChange::kBackground:
    case OptionsChange::kMainMenuDesign:
    case OptionsChange::kTableDesign:
    case OptionsChange::kCardDeck:
    case OptionsChange::kBackDeck:
      packs_->Load();  // the pictures of the new choice
      [[fallthrough]];
    case OptionsChange::kFonts:
      // The table's pictures and fonts are made again for the new choice, and the menu shown
      // again in them (another design has its own background and buttons).
      art_.reset();
      RebuildArt();
      if (menuShown_) ShowMainMenuScreen();
      break;
    case OptionsChange::kOther:
      ApplySettingsToState();
      break;
    case OptionsChange::kRadioSource:
      media_->PrepareRadio(settings_.RadioListFromServer);
      break;
    case OptionsChange::kNewButtons:
      menu_->ApplyButtonLook();
      table_->ApplyButtonStyle(settings_.NewButtons);
      break;
    default:
      // Read where they are used: the sound switch, the flight's speed, the cursors, ...
      break;
  }
}

// ---- The table's pop-up menu.

void TForm1::ShowGeneralScore() {
  DriverCall([this] { return driver_->OpenScoreWindow(); });
}

void TForm1::AskExitToMenu() {
  if (busy_ > 0 || !driver_ || !state_.GameActive || state_.MenuShown) return;
  PlaySound(kOpenWindowSound, false);
  if (!AskQuestion(Text(kWordLeaveToMenuQuestion) + "\n" + Text(kWordDataWillBeLost))) return;
  DriverCall([this] { return driver_->AbandonSession(); });
}

void TForm1::AskChangeName() {
  if (busy_ > 0 || !driver_ || !state_.GameActive || state_.MenuShown || !state_.IsLocalGame() ||
      state_.IsRatedGame()) {
    return;
  }
  // The dialog as for a new player: a name and a password typed twice.
  StartDialog dialog(StartPlayer{}, QtText(settings_.PlayerName), this);
  dialog.SetMessageShower([this](const QString& message) { ShowMessage(message, true); });
  if (RunModal(dialog) != QDialog::Accepted) return;
  const StartEntry entry = dialog.Entry();
  const std::string name = entry.name.toStdString();
  if (!DriverCall([&] { return driver_->ChangeName(name, entry.password.toStdString()); })) {
    return;
  }
  settings_.PlayerName = name;
  ShowMessage(Text(kWordNameChanged) + QtText(TrimRight(name)), false);
}

void TForm1::OpenSpeed() {
  if (busy_ > 0) return;
  PlaySound(kOpenWindowSound, false);
  // The speed changes while the slider moves.
  TFormSpeed dialog(settings_, nullptr, HeaderPictures(), this);
  RunModal(dialog);
}

void TForm1::OpenHelp() {
  if (busy_ > 0) return;
  PlaySound(kOpenWindowSound, false);
  if (Language() == kEnglish) ShowMessage(Text(kWordHelpNotTranslated), false);
  // Beside the program, with the shipped files of a system install, or in the program folder.
  std::filesystem::path page = ShippedFilesFolder(options_.executableFolder) / kHelpFileName;
  std::error_code error;
  if (!std::filesystem::exists(page, error)) page = programFolder_ / kHelpFileName;
  const QString path = QString::fromStdString(page.string());
  if (!std::filesystem::exists(page, error)) {
    ShowMessage(Text(kWordCantFindFile) + " \"" + path + "\"!", true);
    return;
  }
  const QUrl url = QUrl::fromLocalFile(path);
  if (options_.openUrl) {
    options_.openUrl(url);
  } else {
    QDesktopServices::openUrl(url);
  }
}

void TForm1::OpenAbout() {
  if (busy_ > 0) return;
  PlaySound(kOpenWindowSound, false);
  QMessageBox box(QMessageBox::Information, Text(kWordAbout),
                  Text(kWordTitle) + " " + kVersionText + "\n\n" + Text(kWordAboutCredits) +
                      "\n\n" + Text(kWordMoreInHelp),
                  QMessageBox::Ok, this);
  box.setObjectName("FormAbout");
  box.button(QMessageBox::Ok)->setText(Text(kWordOk));
  RunModal(box);
}

// ---- The table's input.

void TForm1::CardClick(int slot, std::optional<QPoint> pointer) {
  if (settings_.SaluteCards && MayLay(slot)) salute_->PlaySalute(pointer.value_or(QCursor::pos()));
  DriverCall([&] { return driver_->CardClick(slot); });
}

void TForm1::MainButtonClick() {
  DriverCall([this] { return driver_->MainButtonClick(); });
  table_->UpdatePointer();
}

void TForm1::ExitButtonClick() {
  DriverCall([this] { return driver_->ExitButtonClick(); });
}

void TForm1::SayCard(TCardCode card) {
  sound_->SayCard(card, Language(), programFolder_);
}

void TForm1::SpeakCard(CardPlace place) {
  DriverCall([&] { return driver_->SpeakCardRequest(place); });
}

bool TForm1::MayLay(int slot) const {
  return driver_ && busy_ == 0 && driver_->MayLay(slot);
}

}  // namespace zendral
