#include "net/RelayPeerLink.h"

#include <QTcpSocket>
#include <QTimer>

#include "game/Moves.h"
#include "net/LanMessage.h"
#include "net/RelayFrame.h"
#include "store/Cp1251.h"

namespace zendral::net {
namespace {

constexpr int kClockTickMs = 1000;

bool BothHoldCards(const GameState& s) {
  return s.Hands[kSeat1].CardCount > 0 && s.Hands[kSeat2].CardCount > 0;
}

}  // namespace

RelayPeerLink::RelayPeerLink(GameState& state, TableView& view, QObject* parent)
    : QObject(parent), state_(state), view_(view) {
  socket_ = new QTcpSocket(this);
  socket_->setObjectName("CS");
  clockTimer_ = new QTimer(this);
  clockTimer_->setObjectName("TimerTimer");
  clockTimer_->setInterval(kClockTickMs);
  connect(socket_, &QTcpSocket::connected, this, [this] { OnConnected(); });
  connect(socket_, &QTcpSocket::readyRead, this, [this] { OnReadyRead(); });
  connect(socket_, &QTcpSocket::disconnected, this, [this] { OnDisconnected(); });
  connect(socket_, &QTcpSocket::errorOccurred, this, [this] { OnError(); });
  connect(clockTimer_, &QTimer::timeout, this, [this] { ClockTick(); });
}

RelayPeerLink::~RelayPeerLink() {
  socket_->disconnect(this);
  socket_->abort();
}

void RelayPeerLink::Open(const QString& host, quint16 port, int relaySeat) {
  socket_->abort();
  reader_.Reset();
  queue_.clear();
  state_.RelaySeat = relaySeat;
  relayState_ = kRelayBooked;
  socketErrorSeen_ = false;
  socket_->connectToHost(host, port);
}

void RelayPeerLink::Leave() {
  SendToRelay(protocol::table::kLeave);
  socket_->flush();
  relayState_ = kRelayNone;
  socket_->disconnectFromHost();
}

void RelayPeerLink::OnConnected() {
  if (relayState_ != kRelayBooked) return;
  SendToRelay(protocol::table::RelayJoin(state_.RelaySeat));
  relayState_ = kRelayConnected;
  state_.KonNumber = 0;
}

void RelayPeerLink::SendToPeer(std::string_view) {}

void RelayPeerLink::SendToRelay(std::string_view message) {
  if (socket_->state() != QAbstractSocket::ConnectedState) return;
  lastSent_ = std::string(message);
  const std::string frame = RelayFrameText(message, state_.RelaySeat);
  socket_->write(frame.data(), static_cast<qint64>(frame.size()));
  // Out now: the game may block right after a move (the flight, the sound).
  socket_->flush();
}

bool RelayPeerLink::SendChat(std::string_view text) {
  if (text.empty() || socket_->state() != QAbstractSocket::ConnectedState) return false;
  const std::string message = ChatText(Utf8ToCp1251(text));
  SendToRelay(message);
  ShowChat(state_.RelaySeat, std::string_view(message).substr(1));
  return true;
}

void RelayPeerLink::ShowChat(int index, std::string_view wireText) {
  if (onChat_) onChat_(index, Cp1251ToUtf8(wireText));
}

void RelayPeerLink::OnReadyRead() {
  const QByteArray bytes = socket_->readAll();
  for (RelayMessage& m : reader_.Feed(std::string_view(bytes.constData(), bytes.size()))) {
    queue_.push_back(std::move(m));
  }
  Drain();
}

void RelayPeerLink::Released() {
  // What waited is applied as soon as the outermost call is over. Not from a timer: a timer
  // may fire inside the idle turns of an HTTP request, where nothing may start another.
  if (--depth_ == 0 && !queue_.empty()) Drain();
}

void RelayPeerLink::Drain() {
  if (draining_ || depth_ > 0) return;
  draining_ = true;
  while (!queue_.empty() && depth_ == 0) {
    const RelayMessage m = std::move(queue_.front());
    queue_.pop_front();
    Call([&] { Apply(m); });
  }
  draining_ = false;
}

void RelayPeerLink::Apply(const RelayMessage& m) {
  GameState& s = state_;
  switch (m.kind) {
    case RelayKind::kChat:
      view_.PlaySound(kRelayChatSound, false);
      ShowChat(m.senderSeat, m.chat);
      return;
    case RelayKind::kDeal: {
      if (driver_ == nullptr || s.RelaySeat == 0) break;
      if (onDeal_) onDeal_(s.KonNumber == 0);
      if (!driver_->RelayDeckReceived(m.deck)) break;
      StartClock(s.TurnState == ksSeat2ToMove ? kClockOwn : kClockPeer);
      clockTimer_->start();
      return;
    }
    case RelayKind::kBegin:
      if (driver_ != nullptr && driver_->PeerBegin()) return;
      break;
    case RelayKind::kMove:
      if (driver_ == nullptr) break;
      view_.DrawNamePlates(s.SeatName);
      if (!driver_->PeerMove(m.slot)) break;
      if (OwnClockAfterPeerCard(s.Hands[kSeat1].CardCount, s.RelaySeat)) StartClock(kClockOwn);
      return;
    case RelayKind::kPass:
      if (driver_ == nullptr) break;
      view_.DrawNamePlates(s.SeatName);
      if (!driver_->PeerPass()) break;
      if (OwnClockAfterPeerPass(BothHoldCards(s), s.RelaySeat)) StartClock(kClockOwn);
      return;
    case RelayKind::kSettle:
      if (driver_ != nullptr && driver_->PeerSettle()) return;
      break;
    case RelayKind::kPeerLeft:
      if (relayState_ != kRelayOver) TableOver(Notice::kPeerLeft, kRelayPeerLeftSound);
      return;
    case RelayKind::kTimeUp:
      if (relayState_ != kRelayOver) TableOver(Notice::kPeerTimeUp, kRelayPeerTimeUpSound);
      return;
    case RelayKind::kIgnored:
      break;
  }
  ++refused_;
}

void RelayPeerLink::StartClock(int seat) {
  if (onClock_) onClock_(kClockNone, 0);
  clock_.Start(seat);
  if (onClock_) onClock_(seat, clock_.Seconds());
}

void RelayPeerLink::StopClocks() {
  clock_.Clear();
  clockTimer_->stop();
  if (onClock_) onClock_(kClockNone, 0);
}

void RelayPeerLink::StartPeerMoveClock() {
  const GameState& s = state_;
  // Called right after the own move went out, before the card leaves the hand.
  const bool start = lastSent_.starts_with(protocol::table::kMovePrefix)
                         ? PeerClockAfterOwnCard(s.Hands[kSeat2].CardCount, s.RelaySeat)
                         : PeerClockAfterOwnPass(BothHoldCards(s), s.RelaySeat);
  if (start) StartClock(kClockPeer);
}

void RelayPeerLink::ClockTick() {
  // The driver is at work (a card in flight): the second is counted on the next tick.
  if (depth_ > 0 || !state_.TourGame) return;
  const ClockTickResult t = clock_.Tick();
  if (t.seat == kClockNone) return;
  if (onClock_) onClock_(t.seat, t.seconds);
  if (!t.sound.empty()) view_.PlaySound(t.sound, false);
  if (!t.ownTimeUp) return;
  Call([&] {
    relayState_ = kRelayOver;
    SendToRelay(protocol::table::kTimeOut);
    clockTimer_->stop();
    view_.PlaySound(kRelayPeerLeftSound, false);
    if (onNotice_) onNotice_(Notice::kOwnTimeUp, {});
    GameState& s = state_;
    s.CanFinish = true;
    socket_->disconnectFromHost();
    MoveContext ctx{s, view_, this};
    SetMainButton(ctx, s.MainButtonCaption, false);
    SetExitButton(ctx, true);
    s.TurnState = ksKonSettled;
  });
}

// The peer has gone or its time ran out: the table is over and this seat has won.
void RelayPeerLink::TableOver(Notice notice, std::string_view sound) {
  GameState& s = state_;
  view_.PlaySound(sound, false);
  relayState_ = kRelayOver;
  s.CanFinish = true;
  StopClocks();
  if (onNotice_) onNotice_(notice, s.SeatName[kSeat1]);
  socket_->disconnectFromHost();
  MoveContext ctx{s, view_, this};
  SetMainButton(ctx, s.MainButtonCaption, false);
  SetExitButton(ctx, true);
  s.TurnState = ksKonSettled;
}

void RelayPeerLink::EndRelayTable() {
  relayState_ = kRelayOver;
  StopClocks();
}

void RelayPeerLink::Close() {
  StopClocks();
  queue_.clear();
  socket_->abort();
}

void RelayPeerLink::OnDisconnected() {
  GameState& s = state_;
  if (!s.MenuShown && relayState_ != kRelayOver && s.TourGame) {
    Call([&] {
      StopClocks();
      if (onNotice_) onNotice_(Notice::kLostConnection, {});
      s.CanFinish = true;
      MoveContext ctx{s, view_, this};
      SetMainButton(ctx, s.MainButtonCaption, false);
      SetExitButton(ctx, true);
      s.TurnState = ksKonSettled;
    });
  }
  if (s.TourGame) view_.SetChatLine(s.GameActive, false);
}

void RelayPeerLink::OnError() {
  // Swallowed: the tournament window reports it on its next connection check.
  if (relayState_ != kRelayOver) socketErrorSeen_ = true;
  if (socket_->state() != QAbstractSocket::ConnectedState) socket_->abort();
}

}  // namespace zendral::net
