#pragma once
// The online tournament from the program's side: the tournament window from the menu or the
// pop-up menu, the tournament table's kon driver with the relay as its peer, the table's chat
// line there, and calls into the driver while relay messages wait.

#include <QRect>
#include <QString>
#include <functional>
#include <memory>

namespace zendral {

namespace tour {
class TourLink;
}  // namespace tour

class KonDriver;
class OnlineBooking;
class OnlineLink;
class PeerLink;
class TableWidget;
class WindowServices;
struct GameState;

class TourSession {
 public:
  struct Hooks {
    // The window opens only over the menu while nothing else runs.
    std::function<bool()> menuIdle;
    // The online layer, once the online start-up is over.
    std::function<OnlineLink&()> online;
    // Where a seat's move clock stands on the table; empty before the table has its size.
    std::function<QRect(int seat)> clockPlace;
    // A new kon driver with the relay as its peer and the tournament booking its kons.
    std::function<KonDriver&(PeerLink& relay, OnlineBooking& tournament)> useDriver;
  };
  TourSession(GameState& state, TableWidget& table, WindowServices& window, Hooks hooks);
  ~TourSession();

  // "Online tournament": needs a log-in; the link is made at the first opening.
  void Open();
  // At a tournament table the relay's messages wait while the call runs.
  bool CallHolding(const std::function<bool()>& call);
  // The table's chat line at a tournament table; false when it could not go.
  bool SendChat(const QString& text);
  // The relay socket and the tournament window; null before the first opening.
  tour::TourLink* Link() const { return tour_.get(); }

 private:
  GameState& state_;
  TableWidget& table_;
  WindowServices& window_;
  Hooks hooks_;
  std::unique_ptr<tour::TourLink> tour_;
};

}  // namespace zendral
