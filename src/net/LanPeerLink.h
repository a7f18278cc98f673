#pragma once
// The kon driver's LAN peer: sends what the rules send (moves, passes, "hbegin", "hitogs",
// the server's deal) on the LanLink, and applies what the peer sends by calling the driver's
// entry points (DeckReceived, PeerBegin, PeerMove, PeerPass, PeerSettle).
//
// The driver is never entered twice. Every call into it — the peer's messages here, and the
// table's clicks, buttons and timer through Call() — holds the link for its length: the card
// flight, a sound played to its end or the pause after a settlement may turn the event loop,
// and a message that arrives meanwhile waits and follows once the call has returned.
//
// What only the window can do is handed to callbacks: a chat line to show, and the peer's
// leaving (the window shows its message box there). Names and chat texts reach the
// callbacks as UTF-8; on the wire they are Windows-1251.

#include <QObject>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "game/GameState.h"
#include "game/KonDriver.h"
#include "game/TableView.h"
#include "net/LanLink.h"

namespace zendral::net {

inline constexpr std::string_view kChatSound = "WToMenK";
inline constexpr std::string_view kPeerLeftSound = "WWrongs";

// What the window needs when the peer's connection has ended.
struct PeerLeftNotice {
  // The session was interrupted: the window shows the error box, built from the peer's role
  // word, "has interrupted game!" and "Press OK for exit to the main menu..."; the table then
  // goes back to the menu. False: nothing to show (no session, or it may end normally now).
  bool interrupted = false;
  int peerRole = kRoleLocal;  // kRoleClient on the server ("Client"), kRoleServer on the client
  std::string peerName;       // UTF-8, as the peer sent it in the handshake
  int konsPlayed = 0;         // kons dealt in the session so far
};

class LanPeerLink : public QObject, public PeerLink {
  Q_OBJECT

 public:
  // index: whose line it is, 1 the server's (maroon), 2 the client's (navy); text: UTF-8.
  using ChatHandler = std::function<void(int index, const std::string& text)>;
  // Called between the sound "WWrongs" and the return to the menu, with the link held, so
  // the window may show a modal box there.
  using PeerLeftHandler = std::function<void(const PeerLeftNotice&)>;
  // A peer message the driver did not take (out of turn, or a card that may not be laid):
  // the two copies of the kon no longer agree. For logs and tests.
  using RefusedHandler = std::function<void(const std::string& message)>;

  // The state and the view are those the driver was given; Attach the driver before play.
  LanPeerLink(LanLink& link, GameState& state, TableView& view, QObject* parent = nullptr);

  void Attach(KonDriver& driver) { driver_ = &driver; }
  void SetChatHandler(ChatHandler handler) { onChat_ = std::move(handler); }
  void SetPeerLeftHandler(PeerLeftHandler handler) { onPeerLeft_ = std::move(handler); }
  void SetRefusedHandler(RefusedHandler handler) { onRefused_ = std::move(handler); }

  // Starts the session once the handshake is done (the menu's start, after the waiting
  // window closed): the network game with this link's role, the seat names (seat 1 the
  // peer's, seat 2 ownName), a client's wait for its first deal, then DealKon for the first
  // kon; finally the link's hold from the handshake is released. The caller has set
  // PlayerSlot, DialogName and DialogPassword as for any session.
  void StartSession(std::string_view ownName);

  // Runs a call into the driver with the link held (see above); nested calls are fine.
  template <typename F>
  decltype(auto) Call(F&& call) {
    const HoldScope hold(*this);
    return std::forward<F>(call)();
  }
  // True while a call into the driver runs: the caller's own timers must not enter it then.
  bool Busy() const { return depth_ > 0; }

  // The chat line: "s" + the text, cut to 15 characters, to the peer; the same line shown
  // here with the own index. False (and nothing shown) for an empty text or no connection.
  bool SendChat(std::string_view text);

  // PeerLink.
  void SendToPeer(std::string_view message) override;
  void SendToRelay(std::string_view message) override;  // no relay on the LAN: dropped
  void SendDeal(const Deck& deck) override;
  void StartPeerMoveClock() override {}  // no move clock on the LAN
  void EndRelayTable() override {}
  void Close() override;

  // Peer messages the driver refused, and own messages that could not be written.
  int RefusedMessages() const { return refused_; }
  int FailedSends() const { return failedSends_; }

 private:
  // Holds the link for one call and puts back what was there before: the hold that follows
  // the handshake must outlast calls made before the session has started.
  class HoldScope {
   public:
    explicit HoldScope(LanPeerLink& owner);
    ~HoldScope();
    HoldScope(const HoldScope&) = delete;
    HoldScope& operator=(const HoldScope&) = delete;

   private:
    LanPeerLink& owner_;
    bool wasHeld_;
  };

  void OnMessage(const LanMessage& message);
  void OnPeerLeft();
  void Apply(const LanMessage& message);
  void ShowChat(int index, std::string_view wireText);
  void Send(std::string_view message);

  LanLink& link_;
  GameState& state_;
  TableView& view_;
  KonDriver* driver_ = nullptr;
  ChatHandler onChat_;
  PeerLeftHandler onPeerLeft_;
  RefusedHandler onRefused_;
  int depth_ = 0;
  int refused_ = 0;
  int failedSends_ = 0;
};

}  // namespace zendral::net
