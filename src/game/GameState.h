#pragma once
// The state of the game at the table: the deck, the two hands, the layout, the turn and
// the money of the running kon and session. One value, owned by whoever runs the session;
// the rules below change it only through the operations that name it.

#include <string>

#include "Deck.h"
#include "Hand.h"
#include "Layout.h"
#include "Seats.h"

namespace zendral {

// TKonState: whose turn it is, or how far the end of the kon has gone.
enum TKonState : int {
  ksNone = 0,  // before the first deal of a session
  ksSeat1ToMove = 1,
  ksSeat2ToMove = 2,
  ksKonOver = 3,
  ksKonSettled = 4,
};

// TKonPhase: dealt and waiting for the begin click, or playing.
enum TKonPhase : int {
  kpNone = 0,
  kpDealt = 1,
  kpPlaying = 2,
};

// NetRole values.
inline constexpr int kRoleLocal = 0;
inline constexpr int kRoleServer = 1;
inline constexpr int kRoleClient = 2;

inline constexpr int kCycleKons = 30;  // a match
inline constexpr int kBlockKons = 3;   // network and online-rated sessions
inline constexpr int kAnte = 2;
inline constexpr int kPassFine = 2;

struct GameState {
  // Cards of the running kon.
  Deck DeckCode;
  SeatArray<Hand> Hands;
  Layout Board;
  int TurnState = ksNone;
  int KonPhase = kpNone;
  int LayCounter = 1;  // 1 + cards laid in this kon

  // Money of the running kon and session.
  int Bank = 0;
  SeatArray<int> Score;
  SeatArray<int> KonFines;    // zero or negative: ante and passes of this kon
  SeatArray<int> KonPenalty;  // zero or negative: cards left in hand at the end of the kon

  // Kind of game.
  bool NetGame = false;  // two copies of the program on the network
  int NetRole = kRoleLocal;
  bool TourGame = false;  // a tournament table through the relay
  int RelaySeat = 0;      // 1 or 2 at a tournament table

  // Options that change what the table shows, never the rules.
  bool FlyCards = true;
  bool HighlightMoves = true;

  bool IsLocalGame() const { return !NetGame && !TourGame; }
};

}  // namespace zendral
