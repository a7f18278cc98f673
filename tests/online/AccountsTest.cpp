// Account field checks, the account replies and the country tables.

#include <gtest/gtest.h>

#include "online/Accounts.h"
#include "online/Countries.h"

namespace zendral::online {
namespace {

TEST(CheckAccountField, TheFieldRules) {
  using K = FieldKind;
  struct Case {
    const char* text;
    K kind;
    FieldCheck result;
  };
  const Case cases[] = {
      {"", K::kNick, kFieldInvalid},
      {"Al", K::kNick, kFieldValid},
      {"A", K::kNick, kFieldInvalid},
      {"ABCDEFGHIJKL", K::kNick, kFieldValid},
      {"ABCDEFGHIJKLM", K::kNick, kFieldInvalid},
      {"Иван", K::kNick, kFieldInvalid},
      {"Bob Smith", K::kNick, kFieldInvalid},
      {"Bob_(1).!-,@", K::kNick, kFieldValid},  // every allowed sign
      {"Омск", K::kCity, kFieldCyrillic},
      {"Ёлкино", K::kCity, kFieldCyrillic},
      {"New-York", K::kCity, kFieldValid},
      {"ABCDEFGHIJKLMNO", K::kCity, kFieldValid},
      {"ABCDEFGHIJKLMNOP", K::kCity, kFieldInvalid},
      {"Омск$", K::kCity, kFieldInvalid},  // a character outside the set wins over Cyrillic
      {"abc", K::kPassword, kFieldInvalid},
      {"abcd", K::kPassword, kFieldValid},
      {"abcdefghijklm", K::kPassword, kFieldInvalid},
      {"пароль", K::kPassword, kFieldInvalid},
      {"a@b", K::kEMail, kFieldValid},
      {"@ab", K::kEMail, kFieldInvalid},
      {"ab@", K::kEMail, kFieldInvalid},
      {"abc", K::kEMail, kFieldInvalid},
      {"a@b@", K::kEMail, kFieldValid},  // the first "@" counts
      {"ab@cd.ru", K::kEMail, kFieldValid},
      {"x", K::kCharacter, kFieldValid},
      {"ж", K::kCharacter, kFieldCyrillic},
      {"$", K::kCharacter, kFieldInvalid},
      {" ", K::kCharacter, kFieldInvalid},
      {"東", K::kCharacter, kFieldInvalid},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckAccountField(c.text, c.kind), c.result)
        << c.text << " kind " << static_cast<int>(c.kind);
  }
}

TEST(CheckPassportField, CyrillicIsValidInNameAndCity) {
  EXPECT_EQ(CheckPassportField("Incognito", FieldKind::kNick), kFieldValid);
  EXPECT_EQ(CheckPassportField("Иван", FieldKind::kNick), kFieldCyrillic);
  EXPECT_EQ(CheckPassportField("I", FieldKind::kNick), kFieldInvalid);
  EXPECT_EQ(CheckPassportField("ABCDEFGHIJKLM", FieldKind::kNick), kFieldInvalid);
  EXPECT_EQ(CheckPassportField("Москва", FieldKind::kCity), kFieldCyrillic);
  EXPECT_EQ(CheckPassportField("ABCDEFGHIJKLMNOP", FieldKind::kCity), kFieldInvalid);
}

TEST(LogInReply, FillsTheRecordAndFindsRefusalsOnlyOutsideIt) {
  TKovUser u;
  ASSERT_TRUE(ReadLogInReply(
      std::string("$Moscow Russia 1-001 M mail 01.01.2020 xxx xxx xxx 150 0 0$"), u));
  EXPECT_EQ(u.City, "Moscow");
  EXPECT_EQ(u.Country1, "Russia");
  EXPECT_EQ(u.Country2, "1-001");
  EXPECT_EQ(u.Sex, "M");
  EXPECT_EQ(u.EMail, "mail");
  EXPECT_EQ(u.DateR, "01.01.2020");
  EXPECT_EQ(u.R04, 150);

  // "no" inside the record is data: Toronto, Lebanon, nora@….
  TKovUser t;
  ASSERT_TRUE(ReadLogInReply(
      std::string("$Toronto Lebanon 2-026 W nora@x.org 01.01.2020 xxx xxx xxx 5 0 0$"), t));
  EXPECT_EQ(t.City, "Toronto");
  EXPECT_EQ(t.R04, 5);

  TKovUser r;
  EXPECT_FALSE(ReadLogInReply(std::string("no"), r));
  EXPECT_EQ(r.City, "#");
  EXPECT_EQ(r.DateR, "00.00.0000");
  EXPECT_FALSE(ReadLogInReply(std::nullopt, r));
  EXPECT_FALSE(ReadLogInReply(std::string("<html>server error</html>"), r));
  // A balance that is no number is a failed log-in; the fields before it stay filled.
  TKovUser bad;
  EXPECT_FALSE(ReadLogInReply(std::string("$Omsk Russia 1-001 M m d x x x lots 0 0$"), bad));
  EXPECT_EQ(bad.City, "Omsk");
  // A short record keeps the defaults of the missing fields.
  TKovUser shortOne;
  EXPECT_TRUE(ReadLogInReply(std::string("$Omsk Russia$"), shortOne));
  EXPECT_EQ(shortOne.Country2, "#");
  EXPECT_EQ(shortOne.R04, 0);
}

TEST(OtherAccountReplies, CreateProfileBalanceTransfer) {
  EXPECT_EQ(ReadCreateReply(std::string("ok")), kAccountCreated);
  EXPECT_EQ(ReadCreateReply(std::string("is")), kNickTaken);
  EXPECT_EQ(ReadCreateReply(std::string("ok is")), kNickTaken);
  EXPECT_EQ(ReadCreateReply(std::string("no")), kCreateFailed);
  EXPECT_EQ(ReadCreateReply(std::nullopt), kCreateFailed);

  TInfo14 info;
  info.Name1 = "kept";
  EXPECT_FALSE(ReadProfileReply(std::string("no"), info));
  EXPECT_EQ(info.Name1, "kept");
  ASSERT_TRUE(ReadProfileReply(
      std::string("$Ann~Lee~I know no rules~123~a@b~web~sky~ok~vk~tg~fb~tw~in~yt$"), info));
  EXPECT_EQ(info.Name1, "Ann");
  EXPECT_EQ(info.About, "I know no rules");
  EXPECT_EQ(info.WebSite, "web");  // the web site comes before Skype in the reply
  EXPECT_EQ(info.Skype, "sky");
  EXPECT_EQ(info.YouTube, "yt");

  EXPECT_EQ(ReadBalanceReply(std::string("$150$")), 150);
  EXPECT_EQ(ReadBalanceReply(std::string("no")), std::nullopt);
  EXPECT_EQ(ReadBalanceReply(std::string("$lots$")), std::nullopt);
  EXPECT_EQ(ReadBalanceReply(std::nullopt), std::nullopt);

  EXPECT_EQ(ReadTransferReply(std::string("ok")), TransferOutcome::kDone);
  EXPECT_EQ(ReadTransferReply(std::string("no")), TransferOutcome::kNoMember);
  EXPECT_EQ(ReadTransferReply(std::string("is")), TransferOutcome::kNotEnough);
  EXPECT_EQ(ReadTransferReply(std::string("<html>")), TransferOutcome::kFailed);
  EXPECT_EQ(ReadTransferReply(std::nullopt), TransferOutcome::kFailed);
}

// A minimal JPEG header: SOI, an APP0 segment, then a baseline frame header of w × h.
std::string JpegHeader(int w, int h, unsigned char sof = 0xC0) {
  std::string j = "\xFF\xD8\xFF\xE0";
  j += std::string("\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 16);
  j += '\xFF';
  j += static_cast<char>(sof);
  j += std::string("\x00\x11\x08", 3);
  j += static_cast<char>(h >> 8);
  j += static_cast<char>(h & 0xFF);
  j += static_cast<char>(w >> 8);
  j += static_cast<char>(w & 0xFF);
  j += std::string(10, '\x01');
  return j;
}

TEST(IsAccountPhoto, OnlyAJpegOf200By250) {
  EXPECT_TRUE(IsAccountPhoto(JpegHeader(200, 250)));
  EXPECT_TRUE(IsAccountPhoto(JpegHeader(200, 250, 0xC2)));
  EXPECT_FALSE(IsAccountPhoto(JpegHeader(250, 200)));
  EXPECT_FALSE(IsAccountPhoto(JpegHeader(200, 251)));
  EXPECT_FALSE(IsAccountPhoto("\x89PNG\r\n"));
  EXPECT_FALSE(IsAccountPhoto(""));
  std::string cut = JpegHeader(200, 250);
  for (std::size_t n = 0; n < cut.size() - 10; ++n) EXPECT_FALSE(IsAccountPhoto(cut.substr(0, n)));
}

TEST(Countries, TablesCodesAndServerForms) {
  const int sizes[] = {48, 51, 35, 14, 23, 54};
  for (int c = 1; c <= kContinents; ++c) {
    EXPECT_EQ(ContinentSize(c), sizes[c - 1]) << c;
    for (const Country& country : ContinentCountries(c)) {
      EXPECT_FALSE(country.serverForm.empty()) << country.english;
      EXPECT_EQ(country.serverForm.find(' '), std::string_view::npos) << country.english;
      EXPECT_FALSE(country.russian.empty());
      EXPECT_TRUE(country.flag.starts_with("h:") || country.flag.starts_with("v:"));
    }
  }
  EXPECT_EQ(CountryOfCode("1-001")->english, "Russia");
  EXPECT_EQ(CountryOfCode("1-048")->serverForm, "United_Kingdom");
  EXPECT_EQ(CountryOfCode("2-048")->serverForm, "UAE");
  EXPECT_EQ(CountryOfCode("3-034")->english, "USA");
  EXPECT_EQ(CountryOfCode("6-054")->english, "Zimbabwe");
  EXPECT_EQ(CountryOfCode("2-000")->english, "Unknown");
  EXPECT_FALSE(CountryOfCode("2-052"));
  EXPECT_FALSE(CountryOfCode("7-001"));
  EXPECT_FALSE(CountryOfCode("1_001"));
  EXPECT_FALSE(CountryOfCode("1-01"));
  EXPECT_EQ(CountryCode(3, 7), "3-007");
  EXPECT_EQ(CountryCode(6, 54), "6-054");
}

}  // namespace
}  // namespace zendral::online
