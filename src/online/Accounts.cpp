#include "online/Accounts.h"

#include "online/Numbers.h"
#include "online/Reply.h"
#include "protocol/Keys.h"
#include "store/AccountText.h"
#include "store/Cp1251.h"

namespace zendral::online {

namespace field = protocol::field;
namespace op = protocol::op;
namespace answer = protocol::answer;
namespace {

// A profile text in its travelling form: what the player typed comes back as typed.
std::string ProfileText(const std::string& text) {
  return EncodeFreeText(text, FreeTextUse::kProfile);
}

}  // namespace

std::array<std::string*, 14> InfoFields(TInfo14& i) {
  return {&i.Name1, &i.Name2, &i.About,    &i.Telephone, &i.EMailO,  &i.Skype,      &i.WebSite,
          &i.OK,    &i.VK,    &i.Telegram, &i.FaceBook,  &i.Twitter, &i.Instagramm, &i.YouTube};
}

std::array<const std::string*, 14> InfoFields(const TInfo14& i) {
  return {&i.Name1, &i.Name2, &i.About,    &i.Telephone, &i.EMailO,  &i.Skype,      &i.WebSite,
          &i.OK,    &i.VK,    &i.Telegram, &i.FaceBook,  &i.Twitter, &i.Instagramm, &i.YouTube};
}

Fields CreateAccountFields(const TKovUser& u) {
  return {{field::kNick, u.Nick},
          {field::kPassword, u.Pw},
          {field::kCity, u.City},
          {field::kCountry1, u.Country1},
          {field::kCountry2, u.Country2},
          {field::kSex, u.Sex.substr(0, 1)},
          {field::kEMail, u.EMail},
          {field::kRegistered, u.DateR},
          {field::kReserved1, u.R01},
          {field::kReserved2, u.R02},
          {field::kReserved3, u.R03},
          {field::kAmount, std::to_string(u.R04)},
          {field::kReserved5, std::to_string(u.R05)},
          {field::kReserved6, std::to_string(u.R06)}};
}

CreateResult ReadCreateReply(const std::optional<std::string>& reply) {
  if (!reply) return kCreateFailed;
  CreateResult result = kCreateFailed;
  if (ReplyHasPair(*reply, answer::kOk)) result = kAccountCreated;
  if (ReplyHasPair(*reply, answer::kTaken)) result = kNickTaken;  // the later scan wins
  return result;
}

CreateResult CreateAccount(RequestFrame& frame, const std::string& address, const TKovUser& user) {
  return ReadCreateReply(frame.PostRawRequest(address, CreateAccountFields(user)));
}

bool ReadLogInReply(const std::optional<std::string>& reply, TKovUser& u) {
  for (std::string* text :
       {&u.City, &u.Country1, &u.Country2, &u.EMail, &u.R01, &u.R02, &u.R03, &u.Sex}) {
    text->assign(1, '#');
  }
  u.DateR = "00.00.0000";
  u.R04 = u.R05 = u.R06 = 0;
  if (!reply || ReplyHasMarkerOutsideSegment(*reply, answer::kNo)) return false;
  const auto tokens = ReplySegment(*reply, ' ');
  if (!tokens) return false;
  std::string* texts[] = {&u.City,  &u.Country1, &u.Country2, &u.Sex, &u.EMail,
                          &u.DateR, &u.R01,      &u.R02,      &u.R03};
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    if (i + 1 < tokens->size()) *texts[i] = (*tokens)[i + 1];
  }
  if (u.Sex.size() > 1) u.Sex = u.Sex.substr(0, 1);
  int* numbers[] = {&u.R04, &u.R05, &u.R06};
  bool ok = true;
  for (std::size_t i = 0; i < std::size(numbers); ++i) {
    if (i + 10 < tokens->size()) {
      if (auto n = ParseIntToken((*tokens)[i + 10])) {
        *numbers[i] = *n;
      } else {
        ok = false;
      }
    }
  }
  return ok;
}

bool LogIn(RequestFrame& frame, const std::string& address, const std::string& nick,
           const std::string& pw, TKovUser& user) {
  user.Nick = nick;
  user.Pw = pw;
  return ReadLogInReply(
      frame.PostFormRequest(address,
                            {{field::kNick, nick}, {field::kPassword, pw}, {op::kLogIn, "0"}}),
      user);
}

bool SignOut(RequestFrame& frame, const std::string& address, const std::string& nick) {
  const auto reply = frame.PostFormRequest(address, {{field::kNick, nick}, {op::kSignOut, "0"}});
  return reply && ReplyHasMarkerOutsideSegment(*reply, answer::kOk);
}

std::optional<int> ReadMemberCount(RequestFrame& frame, const std::string& address) {
  auto reply = frame.PostRawRequest(address, {{op::kMemberCount, "0"}});
  if (!reply) return std::nullopt;
  return ReplyTrailingNumber(*reply);
}

bool ReadProfileReply(const std::optional<std::string>& reply, TInfo14& info) {
  if (!reply || ReplyHasMarkerOutsideSegment(*reply, answer::kNo)) return false;
  const auto tokens = ReplySegment(*reply, '~');
  if (!tokens) return false;
  // The reply has the web site before Skype.
  std::string* order[] = {&info.Name1,      &info.Name2,    &info.About,    &info.Telephone,
                          &info.EMailO,     &info.WebSite,  &info.Skype,    &info.OK,
                          &info.VK,         &info.Telegram, &info.FaceBook, &info.Twitter,
                          &info.Instagramm, &info.YouTube};
  for (std::size_t i = 0; i < std::size(order); ++i) {
    if (i + 1 < tokens->size()) *order[i] = DecodeFreeText((*tokens)[i + 1], FreeTextUse::kProfile);
  }
  return true;
}

bool ReadProfile(RequestFrame& frame, const std::string& address, const std::string& nick,
                 TInfo14& info) {
  return ReadProfileReply(
      frame.PostFormRequest(address, {{field::kNick, nick}, {op::kReadProfile, "0"}}), info);
}

Fields SaveProfileFields(const std::string& nick, const TInfo14& i) {
  namespace profile = protocol::profile;
  return {{field::kNick, nick},
          {op::kSaveProfile, "0"},
          {profile::kName1, ProfileText(i.Name1)},
          {profile::kName2, ProfileText(i.Name2)},
          {profile::kAbout, ProfileText(i.About)},
          {profile::kTelephone, ProfileText(i.Telephone)},
          {profile::kEMail, ProfileText(i.EMailO)},
          {profile::kWebSite, ProfileText(i.WebSite)},
          {profile::kSkype, ProfileText(i.Skype)},
          {profile::kOK, ProfileText(i.OK)},
          {profile::kVK, ProfileText(i.VK)},
          {profile::kTelegram, ProfileText(i.Telegram)},
          {profile::kFaceBook, ProfileText(i.FaceBook)},
          {profile::kTwitter, ProfileText(i.Twitter)},
          {profile::kInstagram, ProfileText(i.Instagramm)},
          {profile::kYouTube, ProfileText(i.YouTube)}};
}

bool SaveProfile(RequestFrame& frame, const std::string& address, const std::string& nick,
                 const TInfo14& info) {
  auto reply = frame.PostRawRequest(address, SaveProfileFields(nick, info));
  return reply && ReplyHasMarkerOutsideSegment(*reply, answer::kOk);
}

std::optional<int> ReadBalanceReply(const std::optional<std::string>& reply) {
  if (!reply || ReplyHasMarkerOutsideSegment(*reply, answer::kNo)) return std::nullopt;
  const auto tokens = ReplySegment(*reply, '$');
  if (!tokens) return std::nullopt;
  return ParseIntToken(TokenAt(*tokens, 1));
}

std::optional<int> ReadBalance(RequestFrame& frame, const std::string& address,
                               const std::string& nick) {
  return ReadBalanceReply(
      frame.PostFormRequest(address, {{field::kNick, nick}, {op::kReadBalance, "0"}}));
}

TransferOutcome ReadTransferReply(const std::optional<std::string>& reply) {
  if (!reply) return TransferOutcome::kFailed;
  if (ReplyHasPair(*reply, answer::kTaken)) return TransferOutcome::kNotEnough;
  if (ReplyHasPair(*reply, answer::kOk)) return TransferOutcome::kDone;
  if (ReplyHasPair(*reply, answer::kNo)) return TransferOutcome::kNoMember;
  return TransferOutcome::kFailed;
}

TransferOutcome TransferKovs(RequestFrame& frame, const std::string& address,
                             const std::string& nick, const std::string& to, int amount) {
  return ReadTransferReply(
      frame.PostRawRequest(address, {{field::kNick, nick},
                                     {op::kTransfer, "0"},
                                     {field::kTo, to},
                                     {field::kAmount, std::to_string(amount)}}));
}

std::optional<std::string> LoadPhoto(RequestFrame& frame, const std::string& photoFolder,
                                     const std::string& nick) {
  if (nick.empty()) return std::nullopt;
  auto bytes = frame.FetchBytes(photoFolder + nick + ".jpg");
  if (!bytes || bytes->size() < 4 || static_cast<unsigned char>((*bytes)[0]) != 0xFF ||
      static_cast<unsigned char>((*bytes)[1]) != 0xD8) {
    return std::nullopt;
  }
  return bytes;
}

bool UploadPhoto(RequestFrame& frame, const std::string& address, const std::string& jpeg) {
  auto reply = frame.PostBytes(address, jpeg, "image/jpeg");
  return reply && ReplyHasPair(*reply, answer::kOk);
}

bool IsAccountPhoto(std::string_view jpeg) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(jpeg[i]); };
  if (jpeg.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8) return false;
  std::size_t i = 2;
  while (i + 4 <= jpeg.size()) {
    if (byte(i) != 0xFF) return false;
    const unsigned char marker = byte(i + 1);
    if (marker == 0xFF) {
      ++i;
      continue;
    }
    if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
      i += 2;
      continue;
    }
    const std::size_t length = static_cast<std::size_t>(byte(i + 2)) << 8 | byte(i + 3);
    if (length < 2) return false;
    const bool frameHeader =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frameHeader) {
      if (i + 9 > jpeg.size()) return false;
      const int height = byte(i + 5) << 8 | byte(i + 6);
      const int width = byte(i + 7) << 8 | byte(i + 8);
      return width == kPhotoWidth && height == kPhotoHeight;
    }
    if (marker == 0xD9 || marker == 0xDA) return false;  // no frame header before the data
    i += 2 + length;
  }
  return false;
}

}  // namespace zendral::online
