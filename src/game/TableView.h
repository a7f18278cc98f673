#pragma once
// What the rules ask of the screen and the speakers. The Qt table implements it; tests
// record the calls. Every call returns when its work is done: FlyCard after the flight,
// PlaySound with wait after the sound (at once when sound is off).

#include <string_view>

#include "Card.h"

namespace zendral {

enum class MainCaption { kToBegin, kPass, kTotalOfGame, kNextGame };

class TableView {
 public:
  virtual ~TableView() = default;

  virtual void DrawHand(int seat, bool faceUp) = 0;
  virtual void DrawLayout() = 0;
  // Animates a card from a hand slot (where it lay before it left) to its layout cell.
  virtual void FlyCard(int seat, int slot, TCardCode card) = 0;
  // turnMarkerSeat: the seat to move, or 0 for no marker.
  virtual void DrawScoreTabs(int turnMarkerSeat) = 0;
  virtual void DrawKonPanel() = 0;
  virtual void SetMainButton(MainCaption caption, bool enabled) = 0;
  virtual void PlaySound(std::string_view name, bool wait) = 0;
};

// What the rules send to the other program: the LAN peer or the tournament relay.
class PeerLink {
 public:
  virtual ~PeerLink() = default;
  virtual void SendToPeer(std::string_view message) = 0;
  virtual void SendToRelay(std::string_view message) = 0;
  // The peer's move clock at a tournament table starts when the local player has moved.
  virtual void StartPeerMoveClock() = 0;
};

}  // namespace zendral
