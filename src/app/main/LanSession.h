#pragma once
// A LAN session's link: the start dialog with its network fields over a fresh link, the peer
// that the session's kon driver talks to, the table's chat line and the notice when the other
// program leaves. The link of the running or last session is kept until the next one starts.

#include <QString>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

#include "app/main/StartDialog.h"

namespace zendral {

namespace net {
class LanLink;
class LanPeerLink;
struct PeerLeftNotice;
}  // namespace net

class KonDriver;
class PeerLink;
class TableWidget;
class WindowServices;
struct GameState;
struct Settings;

class LanSession {
 public:
  // openUrl null: the system's handler.
  LanSession(GameState& state, TableWidget& table, Settings& settings, WindowServices& window,
             std::function<bool(const QUrl&)> openUrl);
  ~LanSession();

  // The start dialog over a fresh link; the entry once the player confirmed it and the other
  // program joined. The driver that used the last link must have been let go before.
  std::optional<StartEntry> AskStart(const StartPlayer& player);
  // The joined link as the peer of the session's new driver.
  PeerLink& NewPeer();
  // The session begins over the peer, with the driver attached to it.
  void Begin(KonDriver& driver);

  // The table's chat line in a LAN game; false when it could not go.
  bool SendChat(const QString& text);
  // A LAN game is running over the link.
  bool InSession() const;
  // In a LAN game the peer's messages wait while the call runs.
  bool CallHolding(const std::function<bool()>& call);
  // A server whose client left closes its listening socket on a menu tick.
  void OnMenuTick();
  // The link of the running or last session; null before the first.
  net::LanLink* Link() const { return lan_.get(); }

 private:
  void ShowPeerLeft(const net::PeerLeftNotice& notice);

  GameState& state_;
  TableWidget& table_;
  Settings& settings_;
  WindowServices& window_;
  std::function<bool(const QUrl&)> openUrl_;
  std::unique_ptr<net::LanLink> lan_;
  std::unique_ptr<net::LanPeerLink> lanPeer_;
};

}  // namespace zendral
