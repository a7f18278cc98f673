// The request bodies of both styles, byte for byte.

#include <gtest/gtest.h>

#include "online/Accounts.h"
#include "online/RequestBody.h"
#include "online/Results.h"

namespace zendral::online {
namespace {

TEST(FormBody, PercentEncodedUtf8WithEmptyPairsBetween) {
  EXPECT_EQ(FormBody({{"nick", "Bob"}, {"pw", "pa ss"}, {"label0", "0"}}),
            "nick=Bob&&pw=pa+ss&&label0=0");
  EXPECT_EQ(FormBody({{"nick", "a&b=c+d%"}}), "nick=a%26b%3Dc%2Bd%25");
  // Cyrillic goes out as UTF-8 bytes.
  EXPECT_EQ(FormBody({{"city", "Омск"}}), "city=%D0%9E%D0%BC%D1%81%D0%BA");
  EXPECT_EQ(FormBody({{"e", "a@b.c-d_e~"}}), "e=a%40b.c-d_e%7E");
  EXPECT_EQ(FormBody({}), "");
}

TEST(RawBody, Windows1251WithTheFourSeparatorsEscaped) {
  EXPECT_EQ(RawBody({{"nick", "Bob"}, {"labelinfosave", "0"}, {"about", "I like  cards"}}),
            "nick=Bob&labelinfosave=0&about=I like  cards");
  // A typed "&" or "=" cannot make a field of its own.
  EXPECT_EQ(RawBody({{"about", "x&telephone=1"}, {"vk", "50% + 1"}}),
            "about=x%26telephone%3D1&vk=50%25 %2B 1");
  EXPECT_EQ(RawBody({{"city", "Омск"}}), std::string("city=\xCE\xEC\xF1\xEA"));
  EXPECT_EQ(RawBody({{"city", "東京"}}), "city=??");
}

TEST(RequestFields, AccountRequestsInTheirOrder) {
  TKovUser u;
  u.Nick = "Bob";
  u.Pw = "secret1";
  u.City = "Omsk";
  u.Country1 = "Russia";
  u.Country2 = "1-001";
  u.Sex.assign(1, 'W');
  u.EMail = "b@x.org";
  u.DateR = "10.12.2026";
  u.R01 = u.R02 = u.R03 = "xxx";
  EXPECT_EQ(RawBody(CreateAccountFields(u)),
            "nick=Bob&pw=secret1&city=Omsk&country1=Russia&country2=1-001&sex=W&email=b@x.org"
            "&dater=10.12.2026&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&R06=0");

  TInfo14 info;
  info.Name1 = "Ann$a";
  info.About = "cards~and & more=";
  info.WebSite = std::string("w");
  info.Skype = std::string("s");
  EXPECT_EQ(RawBody(SaveProfileFields("Bob", info)),
            // "$" and "~" travel escaped ("%24", "%7E"), and their "%" is escaped again by
            // the raw body like any other.
            "nick=Bob&labelinfosave=0&namei=Ann%2524a&name2=&about=cards%257Eand %26 more%3D"
            "&telephone=&emailo=&website=w&skype=s&ok=&vk=&telegram=&facebook=&twitter="
            "&instagramm=&youtube=");
}

TEST(RequestFields, ResultRequestsCarryTheGameKey) {
  TKovGame g;
  g.Kon = 30;
  g.Best = 120;
  g.Rating = 12.5;
  g.Sessions = 1;
  g.KonL = 3;
  g.Score = -7;
  g.R1 = 4;
  g.R2 = "#";
  EXPECT_EQ(RawBody(SaveOwnResultsFields("Bob", "pw1234", g)),
            "nick=Bob&pw=pw1234&crdq4kon=30&crdq4best=120&crdq4rating=12.5&crdq4ses=1"
            "&crdq4konl=3&crdq4score=-7&crdq4R1=4&crdq4R2=#");

  const TKovRecord row = SubmissionRow("Incognito", "Moscow", "1-001", 77, "M");
  EXPECT_EQ(RawBody(SubmitWorldRowFields(44, row)),
            "gid=44&nick=Incognito&city=Moscow&country=1-001&score=77&R7=M&R8=5.7f&R9=#&R10=#");
}

}  // namespace
}  // namespace zendral::online
