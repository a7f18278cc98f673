#pragma once
// The kon driver: the state machine that runs the kons of a session at the table. It deals,
// waits for the begin click, takes the ante, lets the two seats move in turn (the local
// player by clicks, the opponent through the computer player, the LAN peer or the relay),
// notices the end of each kon, pays out the bank and ends the session.
//
// It is driven by three kinds of events — the game timer, the player's clicks on the table
// and its two buttons, and the peer's messages — and asks everything outside through the
// interfaces it is given. Events that come in a state where they mean nothing (a press on a
// disabled button, a peer message out of turn, a move naming no card) are ignored: each entry
// point returns whether it acted.

#include <optional>
#include <string>
#include <vector>

#include "Deck.h"
#include "GameState.h"
#include "Moves.h"
#include "OnlineBooking.h"
#include "Random.h"
#include "SessionStore.h"
#include "StatisticsReport.h"
#include "TableTexts.h"
#include "TableView.h"

namespace zendral {

inline constexpr int kPlayTimerMs = 200;
inline constexpr int kMenuTimerMs = 20;
inline constexpr int kNetworkSettlePauseMs = 2000;
inline constexpr std::string_view kBeginMessage = protocol::table::kBegin;
inline constexpr std::string_view kSettleMessage = protocol::table::kSettle;
inline constexpr int kPlayersAtTable = 2;

// The outside of the driver. Only the view and the random source are needed for a local game;
// a missing store loads nothing and stores nothing, missing statistics and online links are
// skipped.
// Chooses seat 1's moves in local games in place of the classic player (the expert, which
// thinks elsewhere). Answers a slot 1..CardCount or 0 for a pass, or nothing yet: the tick
// does nothing and the next tick asks again.
class Seat1Chooser {
 public:
  virtual ~Seat1Chooser() = default;
  virtual std::optional<int> ChooseSeat1Move(const GameState& state) = 0;
};

struct DriverLinks {
  TableView& view;
  Random& random;  // the shuffle; seeded from the clock in play
  PeerLink* peer = nullptr;
  SessionStore* store = nullptr;
  StatisticsReport* statistics = nullptr;
  OnlineBooking* online = nullptr;
  Seat1Chooser* seat1 = nullptr;  // null: the classic player
};

class KonDriver {
 public:
  KonDriver(GameState& state, DriverLinks links) : state_(state), links_(links) {}

  // Deals and prepares a kon. continuing is false for the first kon of a session: the menu
  // calls it once the start dialog has set PlayerSlot, the dialog's name and password and
  // the kind of game; the session's stored numbers are loaded then.
  void DealKon(bool continuing);

  // The main button (Button7): the begin click, the pass, the totals and the next kon.
  bool MainButtonClick();
  // The exit button (Button8): ends the session when it may end now.
  bool ExitButtonClick();
  // Timer1 during play: the computer's move in a local game. True when seat 1 moved.
  bool TimerTick();
  // A left click on the local player's hand; slot 0 when no card is under the pointer.
  bool CardClick(int slot);
  // A right click on a card: its name is spoken. Never lays a card.
  bool SpeakCardRequest(CardPlace place);
  // The popup entry "Общий Счёт".
  bool OpenScoreWindow();

  // Leaving the table before the session's end, once the player has confirmed it (the
  // question is the window's). The session stores no result and writes no history; a club
  // member loses his line of the club file, except at a tournament table.
  // AbandonSession ("Выход в меню") then returns to the main menu.
  bool AbandonSession();
  // The program closes while a session is at the table: the same loss, nothing else shown.
  bool CloseDuringSession();

  // "Изменить имя": the start dialog has given a new name and password. A club member's line
  // is rewritten with them and his stored numbers, placed again by rating; seat 2's plate
  // shows the new name. False when the name cannot be changed now or the club file could not
  // be written.
  bool ChangeName(const std::string& name, const std::string& password);

  // Peer messages, called by the network layer once it has cut and parsed them.
  bool DeckReceived(const Deck& deck);       // the LAN server's deal, on the client
  bool RelayDeckReceived(const Deck& deck);  // the relay's deal at a tournament table
  bool PeerBegin();                          // "hbegin"
  bool PeerMove(int slot);                   // "hhod" + slot: seat 1 lays that card
  bool PeerPass();                           // "hpass0": seat 1 passes
  bool PeerSettle();                         // "hitogs"

  // Pays out the bank after the end of a kon.
  void SettleKon();
  // Ends the session: stores and reports its result and returns to the menu.
  void FinishSession(int sessionScore, int kons);

  // For the pointer shape over the local hand: may the card in the slot be laid now?
  bool MayLay(int slot) const;

  const GameState& state() const { return state_; }

 private:
  MoveContext Ctx() { return {state_, links_.view, links_.peer}; }
  void LoadStoredNumbers();
  void Begin();
  void OfferPass();
  void HighlightPlayable();
  // HighlightPlayable when the option is on and the local player is to move.
  void HighlightForLocalTurn();
  void DropMemberOnLeaving();
  int FindMemberLine(const PlayerRecord& record);
  ClubKind Club() const { return state_.NetGame ? ClubKind::kNetwork : ClubKind::kLocal; }

  GameState& state_;
  DriverLinks links_;
};

}  // namespace zendral
