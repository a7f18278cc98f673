#include "app/main/SessionStarter.h"

#include "app/main/AppText.h"
#include "app/main/LanSession.h"
#include "app/main/StartDialog.h"
#include "app/main/WindowServices.h"
#include "app/online/OnlineLink.h"
#include "game/GameState.h"
#include "game/Scores.h"
#include "store/ClubFile.h"
#include "store/FileSessionStore.h"
#include "store/Settings.h"

namespace zendral {

using appmain::QtText;

SessionStarter::SessionStarter(GameState& state, Settings& settings, WindowServices& window,
                               LanSession& lan, Hooks hooks)
    : state_(state), settings_(settings), window_(window), lan_(lan), hooks_(std::move(hooks)) {}

void SessionStarter::Start(int playerSlot) {
  if (!hooks_.menuIdle()) return;
  OnlineLink& online = hooks_.online();
  const bool network = settings_.NetGame;
  // While logged in, the fifth line is the account's: it starts a rated game.
  if (playerSlot == kLastMemberSlot && !network && online.Club().LoggedIn()) {
    StartRated();
    return;
  }
  const ClubKind club = network ? ClubKind::kNetwork : ClubKind::kLocal;
  StartPlayer player;
  if (playerSlot >= kFirstMemberSlot && playerSlot <= kLastMemberSlot) {
    const auto member = hooks_.store()->LoadMember(club, playerSlot);
    if (!member) return;  // a line without a member does nothing
    player.member = true;
    player.memberName = QtText(TrimRight(member->name));
    player.storedPassword = DecodePassword(member->password);
  } else if (playerSlot != kNewPlayerSlot) {
    return;
  }
  if (network) {
    StartNetwork(playerSlot, player);
    return;
  }

  StartDialog dialog(player, QtText(settings_.PlayerName), &window_.Window());
  dialog.SetMessageShower([this](const QString& message) { window_.ShowMessage(message, true); });
  if (window_.RunModal(dialog) != QDialog::Accepted) return;
  TakeStartEntry(playerSlot, dialog.Entry());
  state_.NetGame = false;
  state_.TourGame = false;
  hooks_.useDriver(nullptr);
  hooks_.dealFirstKon();
}

// What the confirmed start dialog tells the session; the name is offered again next time.
void SessionStarter::TakeStartEntry(int playerSlot, const StartEntry& entry) {
  settings_.PlayerName = entry.name.toStdString();
  state_.PlayerSlot = playerSlot;
  state_.DialogName = entry.name.toStdString();
  state_.DialogPassword = entry.password.toStdString();
  hooks_.applySettings();
}

void SessionStarter::StartRated() {
  OnlineLink& online = hooks_.online();
  bool booked = false;
  window_.WhileBusy([&] { booked = online.ChooseRatedGame(&window_.Window()); });
  if (!booked) {
    hooks_.menuAgain();
    return;
  }
  state_.PlayerSlot = kRatedGameSlot;
  state_.DialogName = online.Club().user().Nick;
  state_.NetGame = false;
  state_.TourGame = false;
  hooks_.applySettings();
  hooks_.useDriver(nullptr);
  hooks_.dealFirstKon();
}

// The start dialog with its network fields starts the link and waits for the other program;
// once they are joined the session runs with a driver that talks to the peer.
void SessionStarter::StartNetwork(int playerSlot, const StartPlayer& player) {
  // The link of an earlier session goes with its driver.
  hooks_.useDriver(nullptr);
  const std::optional<StartEntry> entry = lan_.AskStart(player);
  if (!entry) return;
  TakeStartEntry(playerSlot, *entry);
  lan_.Begin(hooks_.useDriver(&lan_.NewPeer()));
}

}  // namespace zendral
