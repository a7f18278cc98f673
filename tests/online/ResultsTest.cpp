// The rating arithmetic of a rated game and the result replies.

#include <gtest/gtest.h>

#include <random>

#include "game/KonReplay.h"
#include "game/Rating.h"
#include "online/Accounts.h"
#include "online/Results.h"

#include "game/KonReplay.h"
#include "game/Rating.h"

namespace zendral::online {
namespace {

TEST(RatedGame, BookingAndSettlementOfANewPlayer) {
  TKovGame fresh;
  const TKovGame booked = AdvanceBooking(fresh);
  EXPECT_EQ(booked.Kon, 3);
  EXPECT_NEAR(booked.Rating, -50.0 / 3 + 3.0 / 30, 1e-12);  // −16.5666…
  EXPECT_EQ(booked.KonL, 0);
  EXPECT_EQ(booked.Score, 0);

  const auto settled = SettledResults(booked, 0, 12, 12);
  ASSERT_TRUE(settled);
  EXPECT_NEAR(settled->Rating, 4.1, 1e-12);  // 12 / 3 + 3 / 30
  EXPECT_EQ(settled->KonL, 3);
  EXPECT_EQ(settled->Score, 12);
  EXPECT_EQ(settled->Sessions, 0);
}

TEST(RatedGame, TheGameThatCompletesACycle) {
  TKovGame read;
  read.Kon = 57;
  read.Rating = 2.5;
  read.KonL = 27;
  read.Score = 40;
  read.Best = 60;
  read.Sessions = 1;
  const TKovGame booked = AdvanceBooking(read);
  // The server's copy holds the booking; the program settles from the kons of its own copy.
  const auto settled = SettledResults(booked, read.KonL, 30, 70);
  ASSERT_TRUE(settled);
  EXPECT_EQ(settled->KonL, 0);
  EXPECT_EQ(settled->Score, 0);
  EXPECT_EQ(settled->Sessions, 2);
  EXPECT_EQ(settled->Best, 70);
  EXPECT_EQ(settled->Kon, 60);
  // Total score over 60 kons: 57 × (2.5 − 1.9) + 30 = 64.2, so 64.2 / 60 + 2.
  EXPECT_NEAR(settled->Rating, 64.2 / 60 + 2, 1e-9);

  const auto lower = SettledResults(booked, read.KonL, -10, 30);
  ASSERT_TRUE(lower);
  EXPECT_EQ(lower->Best, 60);  // the best stays when the cycle scored less

  TKovGame lost;  // the booking never landed: nothing to settle on
  EXPECT_FALSE(SettledResults(lost, 0, 5, 5));
}

TEST(RatedGame, AwardByPlace) {
  EXPECT_EQ(AwardForPlace(1), 25);
  EXPECT_EQ(AwardForPlace(2), 10);
  EXPECT_EQ(AwardForPlace(10), 10);
  EXPECT_EQ(AwardForPlace(11), 0);
  EXPECT_EQ(AwardForPlace(0), 0);
  EXPECT_EQ(AwardForPlace(-1), 0);
}

TEST(ClubListAccountLine, ByScoreAndByRating) {
  TKovGame g;
  g.Kon = 57;
  g.KonL = 27;
  g.Score = -40;
  g.Rating = 12.5;
  const std::string nick = "Mira" + std::string(16, ' ');  // padded to 20
  EXPECT_EQ(ClubListAccountLine("Mira", g, 1), nick + "    " + " 27" + "    " + "   -40");
  // Halves go to the even neighbour, as the club list rounds its ratings.
  EXPECT_EQ(ClubListAccountLine("Mira", g, 2), nick + "  " + "     57" + "  " + "    12");
  g.Rating = -2.6;
  EXPECT_EQ(ClubListAccountLine("Mira", g, 2), nick + "  " + "     57" + "  " + "    -3");
}

TEST(ResultReplies, OwnResultsClubTopTenAndWorldRows) {
  TKovGame g;
  g.Best = 9;
  ASSERT_TRUE(ReadOwnResultsReply(std::string("$30 120 12.5 1 3 -7 0 #$"), g));
  EXPECT_EQ(g.Kon, 30);
  EXPECT_EQ(g.Best, 120);
  EXPECT_EQ(g.Rating, 12.5);
  EXPECT_EQ(g.Sessions, 1);
  EXPECT_EQ(g.KonL, 3);
  EXPECT_EQ(g.Score, -7);
  EXPECT_EQ(g.R2, "#");
  TKovGame refused;
  EXPECT_FALSE(ReadOwnResultsReply(std::string("no"), refused));
  EXPECT_EQ(refused.Kon, 0);
  EXPECT_FALSE(ReadOwnResultsReply(std::string("$x 1 1 1 1 1 1 #$"), refused));

  const auto top = ReadClubTopTenReply("$1 Ann Omsk x 1-001 W 12.5*$2 Bob Kyiv x 1-046 M 3*");
  ASSERT_EQ(top.size(), 2u);
  EXPECT_EQ(top[0].Nick, "Ann");
  EXPECT_EQ(top[0].City, "Omsk");
  EXPECT_EQ(top[0].Country, "1-001");
  EXPECT_EQ(top[0].Sex, 'W');
  EXPECT_EQ(top[0].Rating, 12.5);
  EXPECT_EQ(top[1].Sex, 'M');

  const auto rows = ReadWorldRows("$1 x 90 Ann 1-001 Omsk W 5.7f # #*$2 x 0 # # # # # # #*", 44);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].Place, 1);
  EXPECT_EQ(rows[0].Score, 90);
  EXPECT_EQ(rows[0].Nick, "Ann");
  EXPECT_EQ(rows[0].City, "Omsk");
  EXPECT_EQ(rows[0].R07, "W");
  EXPECT_EQ(rows[0].GID, 44);
  EXPECT_FALSE(rows[0].IsEmpty());
  EXPECT_TRUE(rows[1].IsEmpty());  // a row of "#" is not shown
}

}  // namespace
}  // namespace zendral::online

namespace zendral::online {
namespace {

// Every reader of a record reply takes any bytes without a crash and gives a clear answer.
TEST(RecordReaders, SurviveAnyReply) {
  std::mt19937 random(344);
  const std::string alphabet = "$*~# -.,0123456789noksi\xff\xc0";
  for (int round = 0; round < 5000; ++round) {
    std::string reply(random() % 60, ' ');
    for (char& c : reply) c = alphabet[random() % alphabet.size()];
    TKovUser user;
    (void)ReadLogInReply(reply, user);
    TInfo14 info;
    (void)ReadProfileReply(reply, info);
    (void)ReadBalanceReply(reply);
    (void)ReadCreateReply(reply);
    (void)ReadTransferReply(reply);
    TKovGame game;
    (void)ReadOwnResultsReply(reply, game);
    EXPECT_LE(ReadClubTopTenReply(reply).size(), 10u);
    EXPECT_LE(ReadWorldRows(reply, 44).size(), 10u);
  }
}

// The booking reply carries the block's decks after the acknowledgement; anything short of three
// whole decks deals nothing, and the booking still stands.
TEST(BookingReply, TheDecksOfTheBlockFollowTheAcknowledgement) {
  Deck deck;
  for (int n = 1; n <= kDeckSize; ++n) deck[n] = CardFromNumber(n);
  const std::string d = DeckNotation(deck);
  struct Case {
    std::optional<std::string> reply;
    bool booked;
    std::size_t decks;
  } cases[] = {
      {"ok$" + d + " " + d + " " + d + "$", true, 3},
      {"ok", true, 0},                       // a server that leaves the deal to the program
      {"ok$" + d + " " + d + "$", true, 0},  // two decks are no block
      {"ok$" + d + " " + d + " " + d.substr(2) + "9d$", true, 0},  // a card twice
      {"no", false, 0},
      {"$" + d + "$", false, 0},  // decks without the acknowledgement
      {std::nullopt, false, 0},
  };
  for (const auto& c : cases) {
    const BlockBooking booking = ReadBookingReply(c.reply);
    EXPECT_EQ(booking.booked, c.booked) << c.reply.value_or("(none)");
    EXPECT_EQ(booking.decks.size(), c.decks) << c.reply.value_or("(none)");
  }
  EXPECT_EQ(ReadBookingReply("ok$" + d + " " + d + " " + d + "$").decks[2], deck);
}

}  // namespace
}  // namespace zendral::online
