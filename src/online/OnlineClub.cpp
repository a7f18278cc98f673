#include "online/OnlineClub.h"

#include "game/Rating.h"
#include "online/UserFile.h"
#include "protocol/Scramble.h"

namespace zendral::online {

using protocol::Scramble;
using protocol::Unscramble;

void OnlineClub::ReadPathDirectory() {
  ApplyPathDirectory(frame_.FetchDocument(addresses_.pathDirectory), addresses_, switches_);
}

bool OnlineClub::StartUpLogIn(const std::filesystem::path& userFile) {
  state_ = AccountState::asOffline;
  logInDropped_ = false;
  userFileSaved_ = false;
  const auto saved = ReadUserFile(userFile);
  if (!saved) return false;
  userFileSaved_ = true;
  const bool ok = online::LogIn(frame_, addresses_.account, saved->nick, saved->pw, user_);
  user_.PwC = Scramble(user_.Pw);
  if (ok) state_ = AccountState::asLoggedIn;
  return ok;
}

CreateResult OnlineClub::CreateAccount(const TKovUser& fields, const std::string& today) {
  TKovUser user = fields;
  user.DateR = today;
  user.R01 = user.R02 = user.R03 = "xxx";
  user.R04 = user.R05 = user.R06 = 0;
  const CreateResult result = online::CreateAccount(frame_, addresses_.account, user);
  logInDropped_ = false;
  if (result != kAccountCreated) {
    state_ = AccountState::asOffline;
    user_ = fields;
    user_.DateR = "00.00.0000";
    return result;
  }
  state_ = AccountState::asLoggedIn;
  TInfo14 info = user_.Info;
  if (online::LogIn(frame_, addresses_.account, user.Nick, user.Pw, user_)) {
    user_.PwC = Scramble(user_.Pw);
    ReadResults();
    user_.Info = info;
    ReadProfile(frame_, addresses_.account, user_.Nick, user_.Info);
  } else {
    user_ = user;
  }
  return kAccountCreated;
}

bool OnlineClub::LogIn(const std::string& nick, const std::string& pw) {
  logInDropped_ = false;
  if (!online::LogIn(frame_, addresses_.account, nick, pw, user_)) {
    resultsRead_ = false;
    state_ = AccountState::asOffline;
    return false;
  }
  state_ = AccountState::asLoggedIn;
  user_.PwC = Scramble(user_.Pw);
  ReadResults();
  ReadProfile(frame_, addresses_.account, user_.Nick, user_.Info);
  return true;
}

void OnlineClub::LogOut() {
  logInDropped_ = false;
  if (state_ != AccountState::asOffline) SignOut(frame_, addresses_.account, user_.Nick);
  state_ = AccountState::asOffline;
  user_.R04 = user_.R05 = user_.R06 = 0;
  resultsRead_ = false;
}

bool OnlineClub::ReadResults() {
  resultsRead_ = ReadOwnResults(frame_, addresses_.account, user_.Nick, user_.Pw, game_);
  if (resultsRead_) game_.Place = ReadOwnPlace(frame_, addresses_.account, game_.Rating);
  return resultsRead_;
}

std::optional<int> OnlineClub::ReadBalance() {
  auto balance = online::ReadBalance(frame_, addresses_.account, user_.Nick);
  if (balance) user_.R04 = *balance;
  return balance;
}

OnlineClub::Booking OnlineClub::BookRatedGame(ClubPrompts& prompts) {
  if (state_ != AccountState::asRated) return Booking::kNotRated;
  TKovGame read;
  bool booked = false;
  blockDecks_.clear();
  if (ReadOwnResults(frame_, addresses_.account, user_.Nick, user_.Pw, read)) {
    BlockBooking booking =
        BookRatedBlock(frame_, addresses_.account, user_.Nick, user_.Pw, AdvanceBooking(read));
    booked = booking.booked;
    blockDecks_ = std::move(booking.decks);
    if (!booked) {
      // Put the record back as it was read, twice at most; these sends never book the game.
      prompts.PlaySound("WWrongs");
      prompts.Pause(2000);
      if (!SaveOwnResults(frame_, addresses_.account, user_.Nick, user_.Pw, read)) {
        prompts.PlaySound("WWrongs");
        prompts.Pause(3000);
        if (!SaveOwnResults(frame_, addresses_.account, user_.Nick, user_.Pw, read)) {
          prompts.PlaySound("WWrongs");
        }
      }
    }
  }
  if (!booked) {
    state_ = AccountState::asOffline;
    logInDropped_ = true;
    return Booking::kNoConnection;
  }
  // The program's own copy stays as read; the settlement reads the booked copy.
  game_ = read;
  resultsRead_ = true;
  return Booking::kBooked;
}

std::optional<double> OnlineClub::SettleRatedGame(int sessionScore, int totalScore,
                                                  const std::string& blockMoves,
                                                  ClubPrompts& prompts) {
  const int cycleKons = game_.KonL;
  for (;;) {
    TKovGame read;
    if (ReadOwnResults(frame_, addresses_.account, user_.Nick, user_.Pw, read)) {
      if (auto settled = SettledResults(read, cycleKons, sessionScore, totalScore)) {
        if (SaveOwnResults(frame_, addresses_.account, user_.Nick, user_.Pw, *settled,
                           blockMoves)) {
          game_ = *settled;
          game_.Place = ReadOwnPlace(frame_, addresses_.account, game_.Rating);
          return game_.Rating;
        }
      }
      game_ = read;
      game_.KonL = cycleKons;
    }
    if (!prompts.AskYesNo(ClubPrompts::Question::kSettleRepeat)) return std::nullopt;
    game_.KonL = cycleKons;
  }
}

std::optional<FiledCycle> OnlineClub::FileAccountCycle(int totalScore, ClubPrompts& prompts) {
  if (state_ != AccountState::asRated || game_.KonL != 0) return std::nullopt;
  const TKovRecord row =
      SubmissionRow(user_.Nick, user_.City, user_.Country1, totalScore, user_.Sex);
  for (;;) {
    if (auto place = SubmitWorldRow(frame_, addresses_.records, kAccountTable, row)) {
      // The server credits the award when it files the row; the balance shows it.
      FiledCycle filed{*place, totalScore, AwardForPlace(*place)};
      ReadBalance();
      return filed;
    }
    if (!prompts.AskYesNo(ClubPrompts::Question::kFileRepeat)) return std::nullopt;
  }
}

bool OnlineClub::LogInAgain() {
  if (!logInDropped_) return false;
  if (state_ != AccountState::asOffline) {
    logInDropped_ = false;
    return false;
  }
  // A refused or unanswered attempt leaves everything as the player left it.
  TKovUser attempt = user_;
  if (!online::LogIn(frame_, addresses_.account, user_.Nick, user_.Pw, attempt)) return false;
  user_ = std::move(attempt);
  user_.PwC = Scramble(user_.Pw);
  state_ = AccountState::asLoggedIn;
  logInDropped_ = false;
  ReadResults();
  ReadProfile(frame_, addresses_.account, user_.Nick, user_.Info);
  return true;
}

void OnlineClub::FinishRatedGame() {
  if (state_ == AccountState::asRated) state_ = AccountState::asLoggedIn;
}

}  // namespace zendral::online
