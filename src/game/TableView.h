#pragma once
// What the rules ask of the screen and the speakers. The Qt table implements it; tests
// record the calls. Every call returns when its work is done: FlyCard after the flight,
// PlaySound with wait after the sound (at once when sound is off), PauseGame after the pause.
// While one of them runs the program takes no input: the rules are never entered again.

#include <string>
#include <string_view>
#include <vector>

#include "Card.h"
#include "Deck.h"
#include "Seats.h"
#include "TableTexts.h"

namespace zendral {

class TableView {
 public:
  virtual ~TableView() = default;

  // The table as a whole. ShowTable hides the main menu and shows the two hands, score tabs,
  // name plates, the deck, the layout, the kon panel and both buttons.
  virtual void ShowTable() = 0;
  virtual void HideTable() = 0;
  virtual void ShowMainMenu() = 0;
  virtual void SetMenuMusic(bool playing) = 0;
  // The table's popup entries: "Общий Счёт" and "Выход в меню" together, "Изменить имя".
  virtual void SetTablePopupEntries(bool scoreAndExit, bool changeName) = 0;
  // Timer1: 200 ms during play, 20 ms for the menu.
  virtual void SetGameTimer(int intervalMs, bool running) = 0;
  // The bar shown while the results of a session are stored.
  virtual void ShowWaitingBar(bool shown) = 0;

  // Cards.
  virtual void DrawHand(int seat, bool faceUp) = 0;
  virtual void DrawLayout() = 0;
  // Animates a card from a hand slot (where it lay before it left) to its layout cell.
  virtual void FlyCard(int seat, int slot, TCardCode card) = 0;
  // Marks the local player's cards that may be laid now.
  virtual void HighlightCards(const std::vector<int>& playable) = 0;
  // The pointer over the local hand shows whether the card under it may be laid.
  virtual void UpdatePointer() = 0;
  virtual void SpeakCard(TCardCode card) = 0;
  // Text written across the layout, e.g. while a network client waits for its first deal.
  virtual void ShowLayoutText(GameText text) = 0;

  // Panels. turnMarkerSeat: the seat to move, or 0 for no marker.
  virtual void DrawScoreTabs(int turnMarkerSeat) = 0;
  virtual void DrawKonPanel(const KonPanel& panel) = 0;
  virtual void SetKonPanelHint(const KonHint& hint) = 0;
  virtual void DrawNamePlates(const SeatArray<std::string>& names) = 0;

  // Buttons. Setting a button also shows it.
  virtual void SetMainButton(MainCaption caption, bool enabled) = 0;  // Button7
  virtual void SetExitButton(bool enabled) = 0;  // Button8, "Выход в меню"

  // The chat line of network and tournament games, and its four lines of text.
  virtual void SetChatLine(bool shown, bool enabled) = 0;
  virtual void ClearChatPanel() = 0;

  // Sounds by resource name; with wait the call returns when the sound has finished.
  virtual void PlaySound(std::string_view name, bool wait) = 0;
  virtual void PauseGame(int milliseconds) = 0;

  // Messages and windows.
  virtual void ShowError(GameText text) = 0;
  virtual void ShowScoreWindow(const std::string& playerName, const TCount& count) = 0;
  virtual void ShowEndOfCycleWindow(const EndOfCycleWindow& window) = 0;

  // The recording of a kon as an animated picture (only asked for with GifSave on).
  virtual void StartRecording() = 0;
  virtual void RedrawTable() = 0;
  virtual void CaptureFrame() = 0;
  virtual void WriteRecording() = 0;
};

// What the rules send to the other program: the LAN peer or the tournament relay.
class PeerLink {
 public:
  virtual ~PeerLink() = default;
  virtual void SendToPeer(std::string_view message) = 0;
  virtual void SendToRelay(std::string_view message) = 0;
  // The server's deck goes to the client after each shuffle.
  virtual void SendDeal(const Deck& deck) = 0;
  // The peer's move clock at a tournament table starts when the local player has moved.
  virtual void StartPeerMoveClock() = 0;
  // A tournament table is over after its one kon: both move clocks stop.
  virtual void EndRelayTable() = 0;
  // Closes the connection when the session ends.
  virtual void Close() = 0;
};

}  // namespace zendral
