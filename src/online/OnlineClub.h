#pragma once
// The program's side of the club: the addresses in use, the logged-in account with its state
// and results, and the operations that span several requests (the start-up log-in, the rated
// game from booking to filing). The windows and zendral-cli both drive it; what it must ask
// or tell the player goes through ClubPrompts.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "online/Accounts.h"
#include "online/RequestFrame.h"
#include "online/Results.h"
#include "online/ServiceAddresses.h"

namespace zendral::online {

// What the rated game needs from the person at the computer.
class ClubPrompts {
 public:
  enum class Question {
    kSettleRepeat,  // "Could not connect to server!" LF CR "Repeat?"
    kFileRepeat,    // "Unable to write the result of the game!" "Repeat?"
  };
  virtual ~ClubPrompts() = default;
  virtual void PlaySound(const std::string& name) = 0;
  virtual void Pause(int milliseconds) = 0;
  virtual bool AskYesNo(Question question) = 0;
};

// The account cycle filed in the account table after a rated game.
struct FiledCycle {
  int place = 0;
  int score = 0;
  int award = 0;  // Kovs credited by the server for the place
};

class OnlineClub {
 public:
  OnlineClub(RequestFrame& frame, ServiceAddresses addresses)
      : frame_(frame), addresses_(std::move(addresses)) {}

  RequestFrame& frame() { return frame_; }
  const ServiceAddresses& addresses() const { return addresses_; }
  ServiceAddresses& addresses() { return addresses_; }
  const PathSwitches& switches() const { return switches_; }

  // Fetches the path directory and applies it (failure leaves every address and switch).
  void ReadPathDirectory();

  AccountState state() const { return state_; }
  void SetState(AccountState state) { state_ = state; }
  bool LoggedIn() const { return state_ != AccountState::asOffline; }
  const TKovUser& user() const { return user_; }
  TKovUser& user() { return user_; }
  const TKovGame& game() const { return game_; }
  bool resultsRead() const { return resultsRead_; }

  // The log-in of the start: reads the user file and logs in with it. False when there is no
  // usable file or the server refused (the state then stays offline).
  bool StartUpLogIn(const std::filesystem::path& userFile);
  bool userFileSaved() const { return userFileSaved_; }
  void SetUserFileSaved(bool saved) { userFileSaved_ = saved; }

  // Creates the account from user's fields and, when created, logs in with it.
  CreateResult CreateAccount(const TKovUser& fields, const std::string& today);
  bool LogIn(const std::string& nick, const std::string& pw);
  // Signs out on the server too (the session ends there) and goes offline.
  void LogOut();
  // Own results and place into game(); false when they could not be read.
  bool ReadResults();
  std::optional<int> ReadBalance();

  // Rated game. BookRatedGame runs after the account window closed in the rated state.
  enum class Booking { kBooked, kNotRated, kNoConnection };
  Booking BookRatedGame(ClubPrompts& prompts);
  // The decks the server dealt for the booked block, in the order of its kons; empty when the
  // server left the deal to the program.
  const std::vector<Deck>& blockDecks() const { return blockDecks_; }
  // The new rating, or nothing when the player gave up. blockMoves: the block's moves as the
  // game recorded them, which the server replays on its decks.
  std::optional<double> SettleRatedGame(int sessionScore, int totalScore,
                                        const std::string& blockMoves, ClubPrompts& prompts);
  // After a settlement that completed a cycle: files it in the account table.
  std::optional<FiledCycle> FileAccountCycle(int totalScore, ClubPrompts& prompts);
  // Every finished game leaves the rated state.
  void FinishRatedGame();

  // A rated booking that could not reach the server leaves the account offline but keeps the
  // player's log-in (nick, password, fields, the saved user file): the program logs in with it
  // again once the server answers. Any log-in, log-out or creation settles it.
  bool logInDropped() const { return logInDropped_; }
  // One attempt with the kept log-in while it is dropped; true when logged in again.
  bool LogInAgain();

 private:
  RequestFrame& frame_;
  ServiceAddresses addresses_;
  PathSwitches switches_;
  AccountState state_ = AccountState::asOffline;
  TKovUser user_;
  TKovGame game_;
  std::vector<Deck> blockDecks_;
  bool resultsRead_ = false;
  bool userFileSaved_ = false;
  bool logInDropped_ = false;
};

}  // namespace zendral::online
