#pragma once
// The kon driver's link to the tournament relay: the relay socket `CS`, the relay read, the
// deal at a relay table, the peer's leaving and time-out, the move clock (`TimerTimer`) and
// the chat line. What the rules send goes out framed with the own relay seat; what the relay
// sends is cut by RelayReader (frames and the deal may arrive in pieces) and applied through
// the driver's entry points.
//
// As on the LAN, the driver is never entered twice: a message that arrives while a call into
// the driver runs (the card flight or a sound turn the event loop) waits and follows once the
// call has returned. What only the window can do (chat lines, the clocks' pictures, the
// attention window, closing the tournament window at the deal) is handed to callbacks.

#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "game/GameState.h"
#include "game/KonDriver.h"
#include "game/TableView.h"
#include "net/RelayClock.h"
#include "net/RelayReader.h"

class QTcpSocket;
class QTimer;

namespace zendral::net {

// RelayState values.
inline constexpr int kRelayNone = 0;
inline constexpr int kRelayBooked = 1;     // seat booked, socket connecting
inline constexpr int kRelayConnected = 2;  // "connect" + seat sent
inline constexpr int kRelayOver = 10;      // the table's game is over

inline constexpr std::string_view kRelayPeerLeftSound = "WWrongs";
inline constexpr std::string_view kRelayPeerTimeUpSound = "WKoGutX";
inline constexpr std::string_view kRelayChatSound = "WToMenK";

class RelayPeerLink : public QObject, public PeerLink {
 public:
  enum class Notice {
    kPeerLeft,        // "Player" name "interrupted the game!" / "You won!"
    kPeerTimeUp,      // "Player" name "time is up!" / "You won!"
    kOwnTimeUp,       // "Your time is up!" / "You lose!"
    kLostConnection,  // "Lost connection with the server!"
  };
  using ChatHandler = std::function<void(int index, const std::string& text)>;
  // A clock picture: seat 1 the peer's, 2 the own; seat 0 clears both pictures.
  using ClockHandler = std::function<void(int seat, int seconds)>;
  using NoticeHandler = std::function<void(Notice notice, const std::string& peerName)>;
  // The deal has arrived; first: the tournament window is to close now.
  using DealHandler = std::function<void(bool first)>;

  RelayPeerLink(GameState& state, TableView& view, QObject* parent = nullptr);
  ~RelayPeerLink() override;

  void Attach(KonDriver& driver) { driver_ = &driver; }
  void SetChatHandler(ChatHandler handler) { onChat_ = std::move(handler); }
  void SetClockHandler(ClockHandler handler) { onClock_ = std::move(handler); }
  void SetNoticeHandler(NoticeHandler handler) { onNotice_ = std::move(handler); }
  void SetDealHandler(DealHandler handler) { onDeal_ = std::move(handler); }

  // The booking's hand-over: RelaySeat and RelayState 1, `CS` opened towards the relay.
  void Open(const QString& host, quint16 port, int relaySeat);
  // Leaving a booked seat from the tournament window: "disA", then the socket closes.
  void Leave();

  int RelayState() const { return relayState_; }
  bool SocketErrorSeen() const { return socketErrorSeen_; }
  void ClearSocketError() { socketErrorSeen_ = false; }
  QTcpSocket* Socket() const { return socket_; }
  QTimer* ClockTimer() const { return clockTimer_; }
  const RelayClock& Clock() const { return clock_; }
  // Bytes of a frame or deal waiting for the rest of it.
  std::size_t PendingBytes() const { return reader_.PendingSize(); }

  // The chat line: "s" + the text cut to 15 bytes through the relay, and the same line here
  // under the own relay seat. False for an empty text or no connection.
  bool SendChat(std::string_view text);

  // Runs a call into the driver; relay messages wait meanwhile.
  template <typename F>
  decltype(auto) Call(F&& call) {
    ++depth_;
    struct Release {
      RelayPeerLink& link;
      ~Release() { link.Released(); }
    } release{*this};
    return std::forward<F>(call)();
  }
  bool Busy() const { return depth_ > 0; }

  // One second of the move clock (the clock timer's tick).
  void ClockTick();

  // PeerLink.
  void SendToPeer(std::string_view message) override;  // no LAN peer here: dropped
  void SendToRelay(std::string_view message) override;
  void SendDeal(const Deck&) override {}  // the relay deals
  void StartPeerMoveClock() override;
  void EndRelayTable() override;
  void Close() override;

  // Relay messages the driver did not take (for logs and tests).
  int Refused() const { return refused_; }

 private:
  void Released();
  void OnConnected();
  void OnReadyRead();
  void OnDisconnected();
  void OnError();
  void Drain();
  void Apply(const RelayMessage& m);
  void StartClock(int seat);
  void StopClocks();
  void TableOver(Notice notice, std::string_view sound);
  void ShowChat(int index, std::string_view wireText);

  GameState& state_;
  TableView& view_;
  KonDriver* driver_ = nullptr;
  QTcpSocket* socket_;
  QTimer* clockTimer_;
  RelayReader reader_;
  RelayClock clock_;
  std::deque<RelayMessage> queue_;
  ChatHandler onChat_;
  ClockHandler onClock_;
  NoticeHandler onNotice_;
  DealHandler onDeal_;
  int relayState_ = kRelayNone;
  bool socketErrorSeen_ = false;
  std::string lastSent_;
  int depth_ = 0;
  bool draining_ = false;
  int refused_ = 0;
};

}  // namespace zendral::net
