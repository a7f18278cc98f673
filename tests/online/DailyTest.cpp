// The readers of the deal of the day's replies: what a server writes reads back whole, and
// anything else (a cut reply, a damaged deck, a word where a number belongs) is no answer.

#include <gtest/gtest.h>

#include "game/KonReplay.h"
#include "game/LeveledKon.h"
#include "game/Random.h"
#include "online/Daily.h"
#include "online/DailyPlay.h"

namespace zendral::online {
namespace {

const std::string kDeck =
    "Ah8hTcJh6d9h8c7d6hQd9dKsJs7sJdKd9c7cThTd8sQsJcKcTsKh9sQhAs8dAd6s6cQcAc7h";

TEST(DailyStartReply, ReadsTheDealOrWhyNot) {
  const DailyStart dealt = ReadDailyStartReply("ok$2026-12-11 " + kDeck + "$");
  EXPECT_EQ(dealt.kind, DailyStartKind::kDealt);
  EXPECT_EQ(dealt.day, "2026-12-11");
  EXPECT_EQ(DeckNotation(dealt.deck), kDeck);

  struct Case {
    std::optional<std::string> reply;
    DailyStartKind kind;
  };
  const Case cases[] = {
      {"is", DailyStartKind::kPlayedAlready},
      {"no", DailyStartKind::kRefused},
      {std::nullopt, DailyStartKind::kRefused},
      {"ok", DailyStartKind::kRefused},                                            // no deal in it
      {"ok$2026-12-11$", DailyStartKind::kRefused},                                // no deck
      {"ok$2026-12-11 " + kDeck.substr(2) + "$", DailyStartKind::kRefused},        // 35 cards
      {"ok$2026-12-11 " + kDeck.substr(0, 70) + "Ah$", DailyStartKind::kRefused},  // Ah twice
      {"ok$11.12.2026 " + kDeck + "$", DailyStartKind::kRefused},    // another date form
      {"ok$2026-12-11 " + kDeck + " x$", DailyStartKind::kRefused},  // a word too many
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadDailyStartReply(c.reply).kind, c.kind) << c.reply.value_or("(none)");
  }
}

TEST(DailySaveReply, ReadsScoreParPlaceAndPlayers) {
  const auto r = ReadDailySaveReply("$-7 3 2 5$");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->score, -7);
  EXPECT_EQ(r->par, 3);
  EXPECT_EQ(r->place, 2);
  EXPECT_EQ(r->players, 5);
  EXPECT_EQ(r->Distance(), 10);
  for (const char* bad :
       {"no", "$-7 3 2$", "$-7 3 2 5 1$", "$-7 x 2 5$", "$1 3 0 5$", "$1 3 6 5$", ""}) {
    EXPECT_FALSE(ReadDailySaveReply(std::string(bad))) << bad;
  }
  EXPECT_FALSE(ReadDailySaveReply(std::nullopt));
}

TEST(DailyTableReply, ReadsTheDayAndItsRows) {
  const std::string reply = "$2026-12-10 5 3 " + kDeck +
                            " 2 1*$1 x 5 Mira 1-001 Omsk 0 09:15*$2 x 1 Olga 1-046 Kyiv 4 "
                            "10:02*$3 x -4 Ivan 1-001 Tver 9 23:59*";
  const auto t = ReadDailyTableReply(reply);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->day, "2026-12-10");
  EXPECT_EQ(t->par, 5);
  EXPECT_EQ(t->players, 3);
  ASSERT_TRUE(t->deck);
  EXPECT_EQ(DeckNotation(*t->deck), kDeck);
  EXPECT_EQ(t->ownPlace, 2);
  EXPECT_EQ(t->ownScore, 1);
  ASSERT_EQ(t->rows.size(), 3u);
  EXPECT_EQ(t->rows[1].nick, "Olga");
  EXPECT_EQ(t->rows[1].city, "Kyiv");
  EXPECT_EQ(t->rows[1].country, "1-046");
  EXPECT_EQ(t->rows[1].distance, 4);
  EXPECT_EQ(t->rows[1].time, "10:02");
  EXPECT_EQ(t->rows[2].score, -4);

  // Today's table before playing it: par and deck kept back, no own result.
  const auto secret = ReadDailyTableReply(std::string("$2026-12-11 # 0 # 0 #*"));
  ASSERT_TRUE(secret);
  EXPECT_FALSE(secret->par);
  EXPECT_FALSE(secret->deck);
  EXPECT_FALSE(secret->ownScore);
  EXPECT_TRUE(secret->rows.empty());

  for (const std::string& bad : {
           std::string("no"),
           std::string("$2026-12-11 # 0 #*"),                  // a word short
           std::string("$2026-12-11 x 0 # 0 #*"),              // par no number
           std::string("$2026-12-11 # 0 AhAh 0 #*"),           // no deck
           std::string("$yesterday # 0 # 0 #*"),               // no day
           std::string("$2026-12-11 # 1 # 0 #*$1 x 5 Mira*"),  // a row cut short
           std::string("$2026-12-11 # 1 # 0 #*$one x 5 Mira 1-001 Omsk 0 09:15*"),
       }) {
    EXPECT_FALSE(ReadDailyTableReply(bad)) << bad;
  }
  EXPECT_FALSE(ReadDailyTableReply(std::nullopt));
}

}  // namespace
}  // namespace zendral::online

namespace zendral::online {
namespace {

// The member's kon: the classic player's choices clicked on seat 2 give the same kon as the
// computer on both seats, the moves replay on the server's terms, and no other card is taken.
// A replayed kon's place among a day's filed results: ties go after the rows already filed,
// and a score behind all ten rows of a bigger day has no place to name.
TEST(DailyWouldPlace, RanksAfterEqualOrBetterScores) {
  const auto tableOf = [](std::vector<int> scores, int players) {
    DailyTable table;
    table.players = players;
    for (const int score : scores) {
      DailyRow row;
      row.place = static_cast<int>(table.rows.size()) + 1;
      row.score = score;
      table.rows.push_back(row);
    }
    return table;
  };
  const std::vector<int> ten = {9, 8, 8, 5, 4, 4, 2, 0, -1, -3};
  struct Case {
    std::vector<int> scores;
    int players;
    int score;
    std::optional<int> place;
  };
  const Case cases[] = {
      {{}, 0, -5, 1},               // nobody filed that day
      {{6, 2, -4}, 3, 7, 1},        // ahead of everybody
      {{6, 2, -4}, 3, 2, 3},        // a tie goes after the row filed first
      {{6, 2, -4}, 3, -9, 4},       // behind everybody of a small day
      {ten, 10, 4, 7},              //
      {ten, 10, -3, 11},            // all the day's players are shown: the place is known
      {ten, 25, -2, 10},            // still inside the ten shown
      {ten, 25, -3, std::nullopt},  // a tie with the tenth of a bigger day: below the top ten
      {ten, 25, -20, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.players << " players, score " << c.score);
    EXPECT_EQ(WouldPlace(tableOf(c.scores, c.players), c.score), c.place);
  }
}

TEST(DailyKonPlay, PlaysTheMembersKonAgainstTheComputer) {
  for (std::uint64_t seed = 1; seed <= 8; ++seed) {
    SCOPED_TRACE(seed);
    Random random(seed);
    Deck deck;
    ShuffleDeck(deck, random);
    DailyKonPlay play(deck);
    int refused = 0;
    while (!play.Over()) {
      const KonState& s = play.kon();
      ASSERT_EQ(s.TurnState, ksSeat2ToMove);
      const int slot = ClassicChoice(s, kSeat2);
      ASSERT_NE(slot, 0);
      // Any other card of the hand that may not be laid now is refused and changes nothing.
      for (int other = 1; other <= s.Hands[kSeat2].CardCount; ++other) {
        const TCardCode card = s.Hands[kSeat2][other];
        if (MayLayFromSlot(s, kSeat2, other)) continue;
        const std::size_t before = play.moves().size();
        EXPECT_FALSE(play.Lay(card));
        EXPECT_EQ(play.moves().size(), before);
        ++refused;
      }
      ASSERT_TRUE(play.Lay(s.Hands[kSeat2][slot]));
    }
    const PlayedKon computer = PlayComputerKonFromDeck(deck);
    EXPECT_EQ(play.MovesText(), KonMovesText(computer.moves));
    EXPECT_EQ(play.Score(), computer.kon.Score[kSeat2]);
    const KonReplayResult replay = ReplayKon(deck, play.moves(), SeatOneRule::kComputerPlayer);
    EXPECT_TRUE(replay.complete);
    EXPECT_EQ(replay.kon.Score[kSeat2], play.Score());
    KonState end;
    ASSERT_TRUE(play.record().over);
    ASSERT_TRUE(ReplayRecord(play.record(), end));
    if (end.TurnState == ksKonOver) SettleKon(end);  // the record ends with the last card
    EXPECT_EQ(end.Score, play.kon().Score);
    EXPECT_FALSE(play.Lay(kOpeningCard));  // nothing after the end
    EXPECT_GT(refused, 0);
  }
}

}  // namespace
}  // namespace zendral::online
