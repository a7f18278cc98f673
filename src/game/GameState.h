#pragma once
// The state of the game at the table: the deck, the two hands, the layout, the turn and
// the money of the running kon and session. One value, owned by whoever runs the session;
// the rules below change it only through the operations that name it.

#include <string>
#include <vector>

#include "Deck.h"
#include "KonCore.h"
#include "SessionStore.h"
#include "TableTexts.h"

namespace zendral {

// NetRole values.
inline constexpr int kRoleLocal = 0;
inline constexpr int kRoleServer = 1;
inline constexpr int kRoleClient = 2;

inline constexpr int kCycleKons = 30;  // a match
inline constexpr int kBlockKons = 3;   // network and online-rated sessions

// PlayerSlot: who plays at seat 2.
inline constexpr int kFirstMemberSlot = 1;  // 1..5: a club member, by line of the club file
inline constexpr int kLastMemberSlot = 5;
inline constexpr int kNewPlayerSlot = 6;
inline constexpr int kRatedGameSlot = 7;  // the online account in a rated game
inline constexpr int kTournamentSlot = 8;

// AccountState.
inline constexpr int kAccountOffline = 1;
inline constexpr int kAccountLoggedIn = 2;
inline constexpr int kAccountRatedGame = 3;

// The kon's cards and money are the kon core's state (Score runs over the whole session);
// the rest is the session around it.
struct GameState : KonState {
  Deck DeckCode;  // the running kon's deck as dealt

  // Kind of game.
  bool NetGame = false;  // two copies of the program on the network
  int NetRole = kRoleLocal;
  bool TourGame = false;  // a tournament table through the relay
  int RelaySeat = 0;      // 1 or 2 at a tournament table

  // Options that change what the table shows, never the rules.
  bool FlyCards = true;
  bool HighlightMoves = true;
  bool GifSave = false;

  // The session at the table.
  bool GameActive = false;
  bool MenuShown = true;
  bool WaitingForDeal = false;  // a network client that has joined but has no deal yet
  int PlayerSlot = kNewPlayerSlot;
  int AccountState = kAccountOffline;
  SeatArray<std::string> SeatName;
  int KonNumber = 0;     // the local player's kon counter, never reset
  int KonAtStart = 0;    // KonNumber when the session began
  int ScoreAtStart = 0;  // the stored score of the current cycle when the session began
  int SessionScore = 0;  // seat 2's Score as of the last settlement
  int TotalScore = 0;    // ScoreAtStart + SessionScore: the score of the current cycle
  bool CanFinish = false;
  bool MatchComplete = false;

  // The player at seat 2: the name and password the start dialog took, and the record the
  // session began from (its rating and kon count feed the new rating).
  std::string DialogName;
  std::string DialogPassword;
  PlayerRecord StoredPlayer;
  int MemberLine = 0;            // the club line the player's record replaces; 0 for none
  int ServerCycleKons = 0;       // rated game: kons the server counted in the current cycle
  std::vector<Deck> BlockDecks;  // rated game: the server's decks for the block, one a kon
  std::string KonMoves;          // the running kon's moves, as replays read them
  std::string BlockMoves;        // rated game: the settled kons' moves, joined by '.'
  double NewRating = 0;          // computed when the session ends

  // The two table buttons as last set.
  MainCaption MainButtonCaption = MainCaption::kToBegin;
  bool MainButtonEnabled = false;
  bool ExitButtonEnabled = false;

  bool IsLocalGame() const { return !NetGame && !TourGame; }
  bool IsRatedGame() const { return IsLocalGame() && PlayerSlot == kRatedGameSlot; }
  bool IsNetServer() const { return NetGame && !TourGame && NetRole == kRoleServer; }
  bool IsNetClient() const { return NetGame && !TourGame && NetRole == kRoleClient; }

  friend bool operator==(const GameState&, const GameState&) = default;
};

}  // namespace zendral
