// The deal of the day on the real server: one deck a day for every member, one start each,
// only results that the server's replay of the moves gives, the day's table with today's deck
// kept secret until played, the admin's view, and the day's change at the club's midnight.

#include <QDateTime>

#include "ServerFixture.h"

#include "game/KonReplay.h"
#include "game/ParSearch.h"
#include "online/Daily.h"

namespace zendral::server_test {
namespace {

using online::DailyStartKind;

const std::string kRecords = "/services/records";

online::DailyStart Start(Client& c) {
  return online::ReadDailyStartReply(c.Form(kRecords, online::DailyStartFields()).body);
}

HttpReply SaveRaw(Client& c, const std::string& moves, int score) {
  return c.Form(kRecords, online::DailySaveFields(moves, score));
}

std::optional<online::DailyResult> Save(Client& c, const std::string& moves, int score) {
  return online::ReadDailySaveReply(SaveRaw(c, moves, score).body);
}

std::optional<online::DailyTable> Table(Client& c, const std::string& date = {}) {
  return online::ReadDailyTableReply(c.Form(kRecords, online::DailyReadFields(date)).body);
}

// The member's kon of the deal: the computer player's choices on seat 2 too.
PlayedKon ComputerKon(const Deck& deck) {
  return PlayComputerKonFromDeck(deck);
}

class DailyTest : public ServerTest {};

TEST_F(DailyTest, MembersShareTheDayDeckAndStartOnce) {
  auto a = NewClient(), b = NewClient(), guest = NewClient();
  CreateAndLogIn(*a, NewNick("dain"), "secret1");
  CreateAndLogIn(*b, NewNick("dbin"), "secret2");
  const online::DailyStart first = Start(*a);
  ASSERT_EQ(first.kind, DailyStartKind::kDealt);
  const online::DailyStart second = Start(*b);
  ASSERT_EQ(second.kind, DailyStartKind::kDealt);
  EXPECT_EQ(first.day, second.day);
  EXPECT_EQ(DeckNotation(first.deck), DeckNotation(second.deck));
  EXPECT_EQ(first.day, QDate::currentDate().toString(Qt::ISODate).toStdString());

  // A second start the same day, before or after the kon is filed, is refused as such.
  EXPECT_EQ(Start(*a).kind, DailyStartKind::kPlayedAlready);
  const PlayedKon kon = ComputerKon(first.deck);
  ASSERT_TRUE(Save(*a, KonMovesText(kon.moves), kon.kon.Score[kSeat2]));
  EXPECT_EQ(Start(*a).kind, DailyStartKind::kPlayedAlready);

  // Without a session there is no start, no save and no own place.
  EXPECT_EQ(guest->Form(kRecords, online::DailyStartFields()).body, "no");
  EXPECT_EQ(SaveRaw(*guest, KonMovesText(kon.moves), kon.kon.Score[kSeat2]).body, "no");
  const auto table = Table(*guest);
  ASSERT_TRUE(table);
  EXPECT_EQ(table->ownPlace, 0);
}

TEST_F(DailyTest, FilesOnlyWhatTheReplayGivesWithItsDistanceFromPar) {
  auto honest = NewClient(), best = NewClient(), forger = NewClient(), broken = NewClient();
  const std::string honestNick = NewNick("dhon");
  CreateAndLogIn(*honest, honestNick, "secret1");
  CreateAndLogIn(*best, NewNick("dbes"), "secret2");
  CreateAndLogIn(*forger, NewNick("dfor"), "secret3");
  CreateAndLogIn(*broken, NewNick("dbro"), "secret4");
  // No save without a start.
  const online::DailyStart start = Start(*honest);
  ASSERT_EQ(start.kind, DailyStartKind::kDealt);
  const PlayedKon kon = ComputerKon(start.deck);
  const std::string moves = KonMovesText(kon.moves);
  const int score = kon.kon.Score[kSeat2];
  EXPECT_EQ(SaveRaw(*best, moves, score).body, "no");

  const ParResult par = ParOfDeck(start.deck);
  ASSERT_TRUE(par.ok);
  const auto filed = Save(*honest, moves, score);
  ASSERT_TRUE(filed);
  EXPECT_EQ(filed->score, score);
  EXPECT_EQ(filed->par, par.par);
  EXPECT_GE(filed->Distance(), 0);
  // The same settlement again (its answer lost on the way) gets the same answer.
  const auto again = Save(*honest, moves, score);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->place, filed->place);
  // Another score for the same moves is no result.
  EXPECT_EQ(SaveRaw(*honest, moves, score + 2).body, "no");

  // The par line itself reaches par: distance 0, and a place at least as good.
  ASSERT_EQ(Start(*best).kind, DailyStartKind::kDealt);
  const auto top = Save(*best, KonMovesText(par.line), par.par);
  ASSERT_TRUE(top);
  EXPECT_EQ(top->Distance(), 0);
  EXPECT_LE(top->place, filed->place + 1);

  // Forgeries spend the day's try: a score better than the replay, then the honest kon.
  ASSERT_EQ(Start(*forger).kind, DailyStartKind::kDealt);
  EXPECT_EQ(SaveRaw(*forger, moves, score + 1).body, "no");
  EXPECT_EQ(SaveRaw(*forger, moves, score).body, "no");
  // Moves that stop before the end of the kon, or are no moves at all.
  ASSERT_EQ(Start(*broken).kind, DailyStartKind::kDealt);
  const std::string cut = moves.substr(0, moves.size() - 2);
  EXPECT_EQ(SaveRaw(*broken, cut, score).body, "no");
  EXPECT_EQ(SaveRaw(*broken, "zz", score).body, "no");

  const auto table = Table(*honest);
  ASSERT_TRUE(table);
  ASSERT_TRUE(table->par);
  EXPECT_EQ(*table->par, par.par);
  bool sawForger = false;
  for (const online::DailyRow& row : table->rows) {
    EXPECT_EQ(row.distance, par.par - row.score);
    sawForger |= row.nick.rfind("dfor", 0) == 0 || row.nick.rfind("dbro", 0) == 0;
  }
  EXPECT_FALSE(sawForger);
  EXPECT_EQ(table->ownScore, score);
  EXPECT_GE(table->ownPlace, 1);
  EXPECT_LE(table->ownPlace, table->players);
}

TEST_F(DailyTest, TodaysDeckStaysSecretUntilPlayedAndTheTableRanksBestFirst) {
  auto player = NewClient(), watcher = NewClient();
  CreateAndLogIn(*player, NewNick("dpla"), "secret1");
  CreateAndLogIn(*watcher, NewNick("dwat"), "secret2");
  const online::DailyStart start = Start(*player);
  ASSERT_EQ(start.kind, DailyStartKind::kDealt);

  const auto before = Table(*watcher);
  ASSERT_TRUE(before);
  EXPECT_FALSE(before->deck);
  EXPECT_FALSE(before->par);
  // Started but not yet filed: still secret to the player too.
  const auto unfiled = Table(*player);
  ASSERT_TRUE(unfiled);
  EXPECT_FALSE(unfiled->deck);

  const PlayedKon kon = ComputerKon(start.deck);
  ASSERT_TRUE(Save(*player, KonMovesText(kon.moves), kon.kon.Score[kSeat2]));
  const auto after = Table(*player);
  ASSERT_TRUE(after);
  ASSERT_TRUE(after->deck);
  EXPECT_EQ(DeckNotation(*after->deck), DeckNotation(start.deck));
  EXPECT_TRUE(after->par);
  EXPECT_FALSE(Table(*watcher)->deck);

  for (std::size_t i = 1; i < after->rows.size(); ++i) {
    EXPECT_GE(after->rows[i - 1].score, after->rows[i].score);
    EXPECT_EQ(after->rows[i].place, static_cast<int>(i) + 1);
  }
  EXPECT_LE(after->rows.size(), 10u);
  // A day still to come, or a date that is none, has no table.
  const std::string tomorrow = QDate::currentDate().addDays(1).toString(Qt::ISODate).toStdString();
  EXPECT_EQ(player->Form(kRecords, online::DailyReadFields(tomorrow)).body, "no");
  EXPECT_EQ(player->Form(kRecords, online::DailyReadFields("2026-13-40")).body, "no");
  // A day without a deal has an empty table.
  const auto old = Table(*player, "2001-01-01");
  ASSERT_TRUE(old);
  EXPECT_EQ(old->players, 0);
  EXPECT_TRUE(old->rows.empty());
}

TEST_F(DailyTest, AdminShowsTheDeckParAndEntries) {
  auto player = NewClient();
  const std::string nick = NewNick("dadm");
  CreateAndLogIn(*player, nick, "secret1");
  const online::DailyStart start = Start(*player);
  ASSERT_EQ(start.kind, DailyStartKind::kDealt);
  const PlayedKon kon = ComputerKon(start.deck);
  const int score = kon.kon.Score[kSeat2];
  ASSERT_TRUE(Save(*player, KonMovesText(kon.moves), score));
  const int par = ParOfDeck(start.deck).par;

  for (const std::string& words : {std::string("daily show"), "daily show " + start.day}) {
    const auto [code, out] = Server().Admin(words);
    EXPECT_EQ(code, 0) << out;
    EXPECT_NE(out.find("\ndeck: " + DeckNotation(start.deck) + "\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\npar: " + std::to_string(par) + "\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\t" + nick + "\t3-009\tToronto\t" + std::to_string(score) + "\t" +
                       std::to_string(par - score) + "\t"),
              std::string::npos)
        << out;
  }
  EXPECT_NE(Server().Admin("daily show 2001-01-01").first, 0);
  EXPECT_NE(Server().Admin("daily show yesterday").first, 0);
}

// The club's clock set to just before midnight, then just after it: the day turns over.
TEST(DailyDayChange, NewDeckAtMidnightAndYesterdayRevealed) {
  const qint64 now = QDateTime::currentSecsSinceEpoch();
  const qint64 midnight =
      QDateTime(QDate::currentDate().addDays(1), QTime(0, 0)).toSecsSinceEpoch();
  const qint64 before = midnight - now - 40;  // the club's clock 40 s before its midnight
  ServerProcess server({"--rate-scale", "1000", "--clock-offset", std::to_string(before)});
  Client a(server.Base()), c(server.Base());
  CreateAndLogIn(a, ServerTest::NewNick("dmia"), "secret1");
  CreateAndLogIn(c, ServerTest::NewNick("dmic"), "secret3");
  const online::DailyStart late = Start(a);
  ASSERT_EQ(late.kind, DailyStartKind::kDealt);
  const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
  ASSERT_EQ(late.day, today);
  // Begun before midnight, filed after it: the kon counts for the day it was dealt on.
  const PlayedKon kon = ComputerKon(late.deck);

  server.SetExtra({"--rate-scale", "1000", "--clock-offset", std::to_string(before + 80)});
  server.Restart();
  // The sessions live in the database and outlast the restart.
  a.SetBase(server.Base());
  c.SetBase(server.Base());
  ASSERT_TRUE(Save(a, KonMovesText(kon.moves), kon.kon.Score[kSeat2]));

  const online::DailyStart next = Start(a);
  ASSERT_EQ(next.kind, DailyStartKind::kDealt);
  const std::string tomorrow = QDate::currentDate().addDays(1).toString(Qt::ISODate).toStdString();
  EXPECT_EQ(next.day, tomorrow);
  EXPECT_NE(DeckNotation(next.deck), DeckNotation(late.deck));

  // Yesterday's deck and par are open to everybody now, also to who never played it.
  const auto yesterday = Table(c, today);
  ASSERT_TRUE(yesterday);
  ASSERT_TRUE(yesterday->deck);
  EXPECT_EQ(DeckNotation(*yesterday->deck), DeckNotation(late.deck));
  EXPECT_EQ(yesterday->par, ParOfDeck(late.deck).par);
  EXPECT_GE(yesterday->players, 1);
  // Today's is not.
  const auto current = Table(c);
  ASSERT_TRUE(current);
  EXPECT_EQ(current->day, tomorrow);
  EXPECT_FALSE(current->deck);
}

}  // namespace
}  // namespace zendral::server_test
