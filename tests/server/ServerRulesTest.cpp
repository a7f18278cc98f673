// The server's pure parts: the decoding of both body styles and the judgement of results saves.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDateTime>

#include "ClientAddress.h"
#include "DailyService.h"
#include "Documents.h"
#include "Fields.h"
#include "PasswordHash.h"
#include "ResultsRules.h"

namespace zendral::server {
namespace {

TEST(BodyDecoding, BothStylesGiveTheSameTexts) {
  struct Case {
    const char* what;
    QByteArray body;
    QString name;
    QString value;
  };
  const Case cases[] = {
      {"form: plus is a space", "city=New+York&&nick=A", "city", "New York"},
      {"form: UTF-8 percent-encoded", "city=%D0%9C%D0%B8%D1%80", "city", QString::fromUtf8("Мир")},
      {"form: not UTF-8 falls back to Windows-1251", "city=%CC%E8%F0", "city",
       QString::fromUtf8("Мир")},
      {"raw: Windows-1251 bytes", QByteArray("city=\xCC\xE8\xF0&nick=A"), "city",
       QString::fromUtf8("Мир")},
      {"raw: a space marks it, plus stays", "about=1 + 1&x=y", "about", "1 + 1"},
      {"raw: escaped separators", "about=a%26b%3Dc%25d%2B &x=1", "about", "a&b=c%d+ "},
      {"a lone percent stays", "pw=50%&x=1", "pw", "50%"},
      {"empty pairs are skipped", "&&&nick=Bob&&", "nick", "Bob"},
      {"the first of two wins", "nick=One&nick=Two", "nick", "One"},
      {"a name without a value", "label0&nick=Z", "label0", ""},
  };
  for (const Case& c : cases) {
    const Fields f = Fields::Decode(c.body);
    EXPECT_TRUE(f.Has(c.name)) << c.what;
    EXPECT_EQ(f.Value(c.name), c.value) << c.what;
  }
  EXPECT_TRUE(Fields::Decode("&&=&=x").Empty());
}

TEST(AccountFields, FollowTheProgramsOwnCheck) {
  EXPECT_EQ(CheckTextField("Al", FieldKind::kNick), kFieldValid);
  EXPECT_EQ(CheckTextField("A", FieldKind::kNick), kFieldInvalid);
  EXPECT_EQ(CheckTextField("Abcdefghijklm", FieldKind::kNick), kFieldInvalid);
  EXPECT_EQ(CheckTextField(QString::fromUtf8("Иван"), FieldKind::kNick), kFieldInvalid);
  EXPECT_EQ(CheckTextField(QString::fromUtf8("Москва"), FieldKind::kCity), kFieldCyrillic);
  EXPECT_EQ(CheckTextField("abc", FieldKind::kPassword), kFieldInvalid);
  EXPECT_EQ(CheckTextField("abcd", FieldKind::kPassword), kFieldValid);
  EXPECT_EQ(CheckTextField("a@b", FieldKind::kEMail), kFieldValid);
  EXPECT_EQ(CheckTextField("@ab", FieldKind::kEMail), kFieldInvalid);
  EXPECT_EQ(CheckTextField("ab@", FieldKind::kEMail), kFieldInvalid);
  EXPECT_EQ(CleanText("a$b*c~d#e\x01 f", 50), "abcde f");
  EXPECT_EQ(CleanText("a b", 50, true), "a_b");
}

TEST(ResultsRules, TheBoundsComeFromTheGamesRules) {
  // Ante 2, a fine of 2 for each of at most 19 passes, 18 cards left: 58 a kon.
  EXPECT_EQ(MaxKonScore(), 58);
  EXPECT_EQ(MaxRatedGameScore(), 174);
  EXPECT_EQ(MaxCycleScore(), 1740);
}

TEST(ResultsRules, OnlyTheBookingAndItsSettlementPass) {
  StoredResults fresh;
  GameRecord booking = fresh.record;
  booking.kon = 3;
  booking.rating = -50.0 / 3 + 0.1;
  const SaveJudgement booked = JudgeSave(fresh, booking);
  ASSERT_EQ(booked.kind, SaveKind::kBooking);
  EXPECT_TRUE(booked.booked);

  const StoredResults afterBooking{booked.record, true};
  GameRecord settle = booked.record;
  settle.rating = 12.0 / 3 + 0.1;
  settle.konl = 3;
  settle.score = 12;
  const SaveJudgement settled = JudgeSave(afterBooking, settle);
  ASSERT_EQ(settled.kind, SaveKind::kSettlement);
  EXPECT_NEAR(settled.record.rating, 4.1, 1e-12);
  EXPECT_FALSE(settled.cycleCompleted);
  // The same settlement without a booking is nothing a game did.
  EXPECT_EQ(JudgeSave(StoredResults{fresh.record, false}, settle).kind, SaveKind::kRefused);

  // At 27 kons of the cycle the settlement completes it.
  StoredResults late;
  late.record = GameRecord{30, 100, 2.0, 0, 27, 80, 0, "#"};
  late.booked = true;
  const double before = 30 * (2.0 - 1.0) + 50;  // the total before the booking
  GameRecord end = late.record;
  end.rating = (before + 25) / 30 + 1.0;
  end.best = 105;
  end.sessions = 1;
  end.konl = 0;
  end.score = 0;
  const SaveJudgement cycle = JudgeSave(late, end);
  ASSERT_EQ(cycle.kind, SaveKind::kSettlement);
  EXPECT_TRUE(cycle.cycleCompleted);
  EXPECT_EQ(cycle.cycleScore, 105);
  end.konl = 30;
  EXPECT_EQ(JudgeSave(late, end).kind, SaveKind::kRefused);
}

TEST(ClientAddress, OnlyATrustedBalancerNamesThePlayer) {
  const QList<QHostAddress> trusted{QHostAddress("127.0.0.9"), QHostAddress("::1")};
  struct Case {
    const char* tag;
    const char* peer;
    QByteArray forwardedFor, forwardedProto;
    const char* address;
    bool https;
  } cases[] = {
      {"no balancer", "127.0.0.5", "", "", "127.0.0.5", false},
      {"headers from anybody", "127.0.0.5", "127.0.0.66", "https", "127.0.0.5", false},
      {"the balancer's player", "127.0.0.9", "127.0.0.66", "https", "127.0.0.66", true},
      {"mapped balancer", "::ffff:127.0.0.9", "127.0.0.66", "http", "127.0.0.66", false},
      {"a forged first entry", "127.0.0.9", "127.0.0.1, 127.0.0.66", "", "127.0.0.66", false},
      {"not an address", "127.0.0.9", "unknown", "HTTPS", "127.0.0.9", true},
      {"junk", "127.0.0.9", QByteArray(300, 'x'), "gopher", "127.0.0.9", false},
      {"IPv6 balancer, mapped player", "::1", "::ffff:127.0.0.66", "", "127.0.0.66", false},
  };
  for (const Case& c : cases) {
    const Caller caller =
        IdentifyCaller(QHostAddress(c.peer), c.forwardedFor, c.forwardedProto, trusted);
    EXPECT_EQ(caller.address, QString(c.address)) << c.tag;
    EXPECT_EQ(caller.peer, PlainAddress(QHostAddress(c.peer))) << c.tag;
    EXPECT_EQ(caller.https, c.https) << c.tag;
  }
}

TEST(Photos, TheJpegFrameHeaderGivesTheSize) {
  QByteArray j("\xFF\xD8\xFF\xE0\x00\x04\x00\x00\xFF\xC0\x00\x11\x08\x00\xFA\x00\xC8", 17);
  j += QByteArray(12, '\0');
  const auto size = JpegSize(j);
  ASSERT_TRUE(size.has_value());
  EXPECT_EQ(size->first, 200);
  EXPECT_EQ(size->second, 250);
  EXPECT_FALSE(JpegSize(j.left(10)));
  EXPECT_FALSE(JpegSize("GIF89a"));
  EXPECT_FALSE(JpegSize(QByteArray("\xFF\xD8\xFF\xE0\x00\x01", 6)));
}

TEST(Passwords, TheDefaultCostIsARealArgon2idCost) {
  const PasswordHash hasher{HashCost{}};
  const auto hash = hasher.Hash(QString::fromUtf8("Пароль12"));
  ASSERT_TRUE(hash.has_value());
  EXPECT_TRUE(hash->startsWith("$argon2id$v=19$m=19456,t=2,p=1$")) << hash->constData();
  EXPECT_TRUE(hasher.Verify(*hash, QString::fromUtf8("Пароль12")));
  EXPECT_FALSE(hasher.Verify(*hash, QString::fromUtf8("Пароль13")));
  // Two hashes of one password differ: each has its own salt.
  EXPECT_NE(*hasher.Hash(QStringLiteral("same1234")), *hasher.Hash(QStringLiteral("same1234")));
  EXPECT_EQ(RandomToken().size(), 64);
  EXPECT_NE(RandomToken(), RandomToken());
}

}  // namespace
}  // namespace zendral::server

namespace zendral::server {
namespace {

// The club's date turns at its local midnight, wherever the clock offset puts it.
TEST(ClubDate, TurnsAtLocalMidnightWithTheOffset) {
  const QDate day(2026, 12, 11);
  const qint64 midnight = QDateTime(day, QTime(0, 0)).toSecsSinceEpoch();
  struct Case {
    qint64 at;
    qint64 offset;
    QDate expected;
  };
  const Case cases[] = {
      {midnight - 1, 0, day.addDays(-1)},
      {midnight, 0, day},
      {midnight - 1, 1, day},
      {midnight, -1, day.addDays(-1)},
      {midnight - 3600, 3600, day},
      {midnight + 3600, -3601, day.addDays(-1)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClubDate(c.at, c.offset), c.expected) << c.at - midnight << " " << c.offset;
  }
}

}  // namespace
}  // namespace zendral::server
