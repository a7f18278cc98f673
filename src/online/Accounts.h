#pragma once
// The club account: the record of the logged-in player, the field checks of the account
// window, and the requests to the account service. Texts are UTF-8 in memory.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "online/RequestFrame.h"
#include "store/AccountText.h"

namespace zendral::online {

enum class AccountState : int { asOffline = 1, asLoggedIn = 2, asRated = 3 };

// The public profile: fourteen short texts.
struct TInfo14 {
  std::string Name1, Name2, About, Telephone, EMailO, Skype, WebSite, OK, VK, Telegram, FaceBook,
      Twitter, Instagramm, YouTube;
  friend bool operator==(const TInfo14&, const TInfo14&) = default;
};

// The longest text the profile editor takes for each field, in the record's order.
inline constexpr std::array<int, 14> kInfoMaxLength{20, 20, 50, 20, 50, 50, 50,
                                                    50, 50, 50, 60, 50, 50, 50};
// The fields of a profile in the record's order (Skype before WebSite).
std::array<std::string*, 14> InfoFields(TInfo14& info);
std::array<const std::string*, 14> InfoFields(const TInfo14& info);

struct TKovUser {
  std::string Nick, Pw;
  std::string City;
  std::string Country1 = "Russia";
  std::string Country2 = "1-001";
  std::string Sex = "M";
  std::string EMail;
  std::string DateR = "00.00.0000";
  std::string R01, R02, R03;
  int R04 = 0;  // balance in Kovs
  int R05 = 0, R06 = 0;
  std::string PwC;  // the password in the stored (scrambled) form
  TInfo14 Info;
};

// The field checks, the same on the club server.
using zendral::CheckAccountField;
using zendral::CheckPassportField;
using zendral::FieldCheck;
using zendral::FieldKind;
using zendral::kFieldCyrillic;
using zendral::kFieldInvalid;
using zendral::kFieldValid;

// What creating an account came to (the numbers are the ones the account window has always
// told apart).
enum CreateResult : int { kAccountCreated = 0, kNickTaken = 1, kCreateFailed = 2 };

CreateResult CreateAccount(RequestFrame& frame, const std::string& address, const TKovUser& user);
Fields CreateAccountFields(const TKovUser& user);
CreateResult ReadCreateReply(const std::optional<std::string>& reply);

// Log in: fills user (Nick and Pw as given, the rest from the reply or the defaults of a
// log-in) and answers whether the server accepted. The shared client keeps the session.
bool LogIn(RequestFrame& frame, const std::string& address, const std::string& nick,
           const std::string& pw, TKovUser& user);
bool ReadLogInReply(const std::optional<std::string>& reply, TKovUser& user);

// Sign out: the server ends the session the shared client holds. Old servers answer "no" and
// keep it until it expires; either way the program forgets it.
bool SignOut(RequestFrame& frame, const std::string& address, const std::string& nick);

std::optional<int> ReadMemberCount(RequestFrame& frame, const std::string& address);

// The profile of a nick into info; false (info unchanged) when nothing was read.
bool ReadProfile(RequestFrame& frame, const std::string& address, const std::string& nick,
                 TInfo14& info);
bool ReadProfileReply(const std::optional<std::string>& reply, TInfo14& info);
// Saves the own profile, its texts in the travelling form of free texts (AccountText.h), so
// that "$", "~", "#" and the like come back as typed; needs the session of the nick.
bool SaveProfile(RequestFrame& frame, const std::string& address, const std::string& nick,
                 const TInfo14& info);
Fields SaveProfileFields(const std::string& nick, const TInfo14& info);

std::optional<int> ReadBalance(RequestFrame& frame, const std::string& address,
                               const std::string& nick);
std::optional<int> ReadBalanceReply(const std::optional<std::string>& reply);

enum class TransferOutcome { kDone, kNoMember, kNotEnough, kFailed };
// One request moves the Kovs: the server debits and credits together, in the sender's session.
TransferOutcome TransferKovs(RequestFrame& frame, const std::string& address,
                             const std::string& nick, const std::string& to, int amount);
TransferOutcome ReadTransferReply(const std::optional<std::string>& reply);

// A member's photo (JPEG bytes) from the photo folder; nothing when it cannot be fetched.
std::optional<std::string> LoadPhoto(RequestFrame& frame, const std::string& photoFolder,
                                     const std::string& nick);
// Uploads the own photo in the session of the logged-in nick.
bool UploadPhoto(RequestFrame& frame, const std::string& address, const std::string& jpeg);

// True when the bytes are a JPEG picture of exactly 200 × 250 pixels (read from its frame header).
bool IsAccountPhoto(std::string_view jpeg);
inline constexpr int kPhotoWidth = 200;
inline constexpr int kPhotoHeight = 250;

}  // namespace zendral::online
