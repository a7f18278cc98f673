#include "net/LanPeerLink.h"

#include "game/Scores.h"
#include "net/LanSetup.h"
#include "store/Cp1251.h"

namespace zendral::net {

LanPeerLink::HoldScope::HoldScope(LanPeerLink& owner)
    : owner_(owner), wasHeld_(owner.link_.IsHeld()) {
  owner_.link_.SetHeld(true);
  ++owner_.depth_;
}

LanPeerLink::HoldScope::~HoldScope() {
  --owner_.depth_;
  owner_.link_.SetHeld(wasHeld_);
}

LanPeerLink::LanPeerLink(LanLink& link, GameState& state, TableView& view, QObject* parent)
    : QObject(parent), link_(link), state_(state), view_(view) {
  connect(&link_, &LanLink::MessageReceived, this, &LanPeerLink::OnMessage);
  connect(&link_, &LanLink::PeerLeft, this, &LanPeerLink::OnPeerLeft);
}

void LanPeerLink::StartSession(std::string_view ownName) {
  GameState& s = state_;
  s.NetGame = true;
  s.TourGame = false;
  s.NetRole = link_.Role();
  s.WaitingForDeal = link_.Role() == kRoleClient && link_.WaitingForDeal();
  // The peer's name keeps the padding the handshake leaves on it; only the own name, typed
  // here, is trimmed.
  s.SeatName[kSeat1] = Cp1251ToUtf8(link_.PeerName());
  s.SeatName[kSeat2] = TrimRight(ownName);
  if (driver_ != nullptr) Call([&] { driver_->DealKon(false); });
  link_.SetWaitingForDeal(s.WaitingForDeal);
  link_.SetHeld(false);
}

bool LanPeerLink::SendChat(std::string_view text) {
  if (text.empty()) return false;
  const std::string message = ChatText(Utf8ToCp1251(text));
  if (!link_.Send(message)) {
    ++failedSends_;
    return false;
  }
  // The own line shows what the peer got: the text as cut for the wire.
  ShowChat(state_.NetRole, std::string_view(message).substr(1));
  return true;
}

void LanPeerLink::SendToPeer(std::string_view message) {
  Send(message);
}

void LanPeerLink::SendToRelay(std::string_view) {}

void LanPeerLink::SendDeal(const Deck& deck) {
  Send(DealText(deck));
}

void LanPeerLink::Close() {
  link_.Close();
}

void LanPeerLink::Send(std::string_view message) {
  // A connection that has just failed is reported by the link as the peer's leaving, which
  // is handled on its own; here it is only counted.
  if (!link_.Send(message)) ++failedSends_;
}

void LanPeerLink::OnMessage(const LanMessage& message) {
  Call([&] { Apply(message); });
}

void LanPeerLink::Apply(const LanMessage& message) {
  if (message.kind == LanKind::kChat) {
    view_.PlaySound(kChatSound, false);
    // The line is the peer's: the client's colour on the server, the server's on the client.
    ShowChat(link_.Role() == kRoleServer ? kRoleClient : kRoleServer, message.chat);
    return;
  }
  if (driver_ == nullptr) return;

  bool taken = false;
  switch (message.kind) {
    case LanKind::kDeal:
      taken = driver_->DeckReceived(message.deck);
      break;
    case LanKind::kBegin:
      taken = driver_->PeerBegin();
      break;
    case LanKind::kMove:
      view_.DrawNamePlates(state_.SeatName);
      taken = driver_->PeerMove(message.slot);
      break;
    case LanKind::kPass:
      view_.DrawNamePlates(state_.SeatName);
      taken = driver_->PeerPass();
      break;
    case LanKind::kSettle:
      view_.DrawNamePlates(state_.SeatName);
      taken = driver_->PeerSettle();
      break;
    default:
      return;  // the link hands on nothing else
  }
  if (!taken) {
    ++refused_;
    if (onRefused_) onRefused_(message.raw.substr(0, kPlayMessageLength));
  }
}

void LanPeerLink::ShowChat(int index, std::string_view wireText) {
  if (onChat_) onChat_(index, Cp1251ToUtf8(wireText));
}

void LanPeerLink::OnPeerLeft() {
  Call([&] {
    GameState& s = state_;
    const PeerLeftAction action =
        DecidePeerLeft(s.GameActive, s.NetRole, link_.Role(), s.CanFinish);
    PeerLeftNotice notice;
    notice.interrupted = action.returnToMenu;
    notice.peerRole = link_.Role() == kRoleServer ? kRoleClient : kRoleServer;
    notice.peerName = Cp1251ToUtf8(link_.PeerName());
    notice.konsPlayed = s.KonNumber - s.KonAtStart;

    if (action.returnToMenu) view_.PlaySound(kPeerLeftSound, false);
    if (onPeerLeft_) onPeerLeft_(notice);
    if (action.returnToMenu) {
      // The interrupted kon is neither settled nor stored.
      view_.HideTable();
      view_.ShowMainMenu();
      s.MenuShown = true;
      view_.SetTablePopupEntries(false, false);
      view_.SetGameTimer(kMenuTimerMs, true);
      s.GameActive = false;
      view_.SetMenuMusic(true);
    }
    if (action.closeServerPending) link_.RequestCloseServer();
    // Nobody is left to read the chat, whether or not the session goes on.
    view_.SetChatLine(s.GameActive, false);
  });
}

}  // namespace zendral::net
