#pragma once
// What a session needs from the club server: the account's results for a rated game
// against the computer, the tournament record at a tournament table, and the bookings at
// the end. The online layer implements it; every call returns what arrived or nothing, and
// raises nothing.

#include <optional>
#include <string>
#include <vector>

#include "Deck.h"

namespace zendral {

// The account's game record as a rated session starts from it.
struct AccountGame {
  std::string nick;
  int kons = 0;        // kons booked in total
  int cycleScore = 0;  // score of the current, unfinished cycle
  double rating = 0;
  int cycleKons = 0;  // kons booked in the current cycle (0..29)
  // The decks the server dealt for the block, one a kon; empty when the program deals.
  std::vector<Deck> decks;
};

// The local player's tournament record.
struct TournamentPlayer {
  std::string nick;
  int kons = 0;
  int score = 0;
  int rating = 0;
};

// The result a tournament table is stored with in the history.
struct TournamentResult {
  int score = 0;
  double rating = 0;
};

class OnlineBooking {
 public:
  virtual ~OnlineBooking() = default;

  // Rated game against the computer: the record read when the game was booked.
  virtual std::optional<AccountGame> RatedAccountGame() = 0;
  // Settles the rated game on the account with the block's moves (each kon's moves text, the
  // kons joined by '.'), which the server replays; the new rating, or nothing when the player
  // gave up.
  virtual std::optional<double> SettleRatedGame(int sessionScore, int totalScore,
                                                const std::string& blockMoves) = 0;
  // After the settlement: files a completed account cycle and opens its end-of-cycle window.
  virtual void FileAccountCycle() = 0;
  // A local game that completed a cycle offers its score to the world top ten.
  virtual void OfferWorldTopTen(int totalScore) = 0;

  // Tournament table.
  virtual std::optional<TournamentPlayer> TournamentRecord() = 0;
  // Stores the pictures of the table's two players; returns the local player's name.
  virtual std::optional<std::string> StoreTablePictures(int players) = 0;
  virtual std::optional<TournamentResult> TournamentTableResult() = 0;
  virtual void ReopenTournamentWindow() = 0;
};

}  // namespace zendral
