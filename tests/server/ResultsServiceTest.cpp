// Rated games on the account service: the booking and the settlement as the program makes
// them, the cycle filed in table 344 with its award, and every save that no game can make.

#include <algorithm>
#include "ServerFixture.h"

#include "game/KonReplay.h"
#include "online/Numbers.h"
#include "online/Reply.h"
#include "online/Results.h"

namespace zendral::server_test {
namespace {

using online::ReplySegment;
using online::ReplyTrailingNumber;
using online::TokenAt;

const std::string kAccount = "/services/account";
const std::string kRecords = "/services/records";

struct Record {
  int kon = 0, best = 0;
  double rating = 0;
  int ses = 0, konl = 0, score = 0, r1 = 0;
  std::string r2 = "#";
};

std::optional<Record> ReadOwn(Client& c, const std::string& nick, const std::string& pw) {
  const auto t =
      ReplySegment(c.Form(kAccount, {{"nick", nick}, {"pw", pw}, {"crdq4best", "0"}}).body, ' ');
  if (!t || t->size() < 9) return std::nullopt;
  Record r;
  r.kon = std::stoi(TokenAt(*t, 1));
  r.best = std::stoi(TokenAt(*t, 2));
  r.rating = *online::ParseRealToken(TokenAt(*t, 3));
  r.ses = std::stoi(TokenAt(*t, 4));
  r.konl = std::stoi(TokenAt(*t, 5));
  r.score = std::stoi(TokenAt(*t, 6));
  r.r1 = std::stoi(TokenAt(*t, 7));
  r.r2 = TokenAt(*t, 8);
  return r;
}

// A save as the program sends it; a settlement carries the block's moves.
std::string Save(Client& c, const std::string& nick, const std::string& pw, const Record& r,
                 const std::string& moves = {}) {
  online::Fields fields{{"nick", nick},
                        {"pw", pw},
                        {"crdq4kon", std::to_string(r.kon)},
                        {"crdq4best", std::to_string(r.best)},
                        {"crdq4rating", online::FormatRating(r.rating)},
                        {"crdq4ses", std::to_string(r.ses)},
                        {"crdq4konl", std::to_string(r.konl)},
                        {"crdq4score", std::to_string(r.score)},
                        {"crdq4R1", std::to_string(r.r1)},
                        {"crdq4R2", r.r2}};
  if (!moves.empty()) fields.push_back({"crdq4moves", moves});
  return c.Raw(kAccount, fields).body;
}

// The booking the program sends: three more kons at −50.
Record Booking(const Record& read) {
  Record b = read;
  const double k = read.kon;
  b.kon = read.kon + 3;
  b.rating = (k * (read.rating - k / 30) - 50) / (k + 3) + (k + 3) / 30;
  b.konl = 0;
  b.score = 0;
  return b;
}

// The settlement the program sends for a game score s, with L the KonL read before the booking.
Record Settlement(const Record& booked, int s, int cycleKons, int cycleScore) {
  Record r = booked;
  const double k1 = booked.kon;
  r.rating = (50 + k1 * (booked.rating - k1 / 30) + s) / k1 + k1 / 30;
  const int total = cycleScore + s;
  if (cycleKons + 3 >= 30) {
    r.best = std::max(total, booked.best);
    r.ses = booked.ses + 1;
    r.konl = 0;
    r.score = 0;
  } else {
    r.konl = cycleKons + 3;
    r.score = total;
  }
  return r;
}

class RatedGame : public ServerTest {
 protected:
  void SetUp() override {
    client = NewClient();
    nick = NewNick("Rate");
    CreateAndLogIn(*client, nick, pw);
  }
  Record Read() {
    auto r = ReadOwn(*client, nick, pw);
    EXPECT_TRUE(r.has_value());
    return r.value_or(Record{});
  }
  // Books a block; the block the computer plays on both seats on the decks the server dealt.
  std::optional<PlayedBlock> Book(const Record& read) {
    const online::BlockBooking booking =
        online::ReadBookingReply(Save(*client, nick, pw, Booking(read)));
    if (!booking.booked || booking.decks.size() != 3) return std::nullopt;
    return PlayComputerBlock(booking.decks);
  }
  // One whole rated game as the program plays it; the settlement's reply.
  std::string Play(int* score = nullptr) {
    const Record read = Read();
    const auto block = Book(read);
    if (!block) return "booking refused";
    if (score != nullptr) *score = block->score;
    return Save(*client, nick, pw, Settlement(Read(), block->score, read.konl, read.score),
                block->moves);
  }
  std::unique_ptr<Client> client;
  std::string nick;
  std::string pw = "pass1234";
};

TEST_F(RatedGame, BookingAndSettlementGiveTheRatingOfTheGame) {
  const Record fresh = Read();
  EXPECT_EQ(fresh.kon, 0);
  const auto block = Book(fresh);
  ASSERT_TRUE(block) << "the booking's reply carries three decks";
  Record booked = Read();
  EXPECT_EQ(booked.kon, 3);
  EXPECT_NEAR(booked.rating, -50.0 / 3 + 0.1, 1e-9);
  // Until the settlement the cycle's kons and score stand as they were.
  EXPECT_EQ(booked.konl, 0);
  EXPECT_EQ(booked.score, 0);
  // A second booking while this one is open is refused and changes nothing.
  EXPECT_EQ(Save(*client, nick, pw, Booking(booked)), "no");
  EXPECT_EQ(Read().kon, 3);

  const int s = block->score;
  const Record settlement = Settlement(booked, s, fresh.konl, fresh.score);
  ASSERT_EQ(Save(*client, nick, pw, settlement, block->moves), "ok");
  const Record settled = Read();
  EXPECT_EQ(settled.kon, 3);
  EXPECT_NEAR(settled.rating, s / 3.0 + 0.1, 1e-9);
  EXPECT_EQ(settled.konl, 3);
  EXPECT_EQ(settled.score, s);
  // The same settlement again (a re-send) changes nothing; another one finds no booking.
  EXPECT_EQ(Save(*client, nick, pw, settlement, block->moves), "ok");
  EXPECT_EQ(
      Save(*client, nick, pw, Settlement(booked, s + 3, fresh.konl, fresh.score), block->moves),
      "no");
  EXPECT_NEAR(Read().rating, s / 3.0 + 0.1, 1e-9);
  // The club top ten and the own place know the player now.
  const auto place = ReplyTrailingNumber(
      client->Raw(kAccount, {{"crdq4rating", online::FormatRating(settled.rating)}}).body);
  ASSERT_TRUE(place.has_value());
  EXPECT_GE(*place, 1);
  bool listed = false;
  for (const auto& row :
       online::ReplySegments(client->Form(kAccount, {{"crdq4kon", "0"}}).body, ' ')) {
    if (TokenAt(row, 2) == nick) {
      listed = true;
      // A rating of thirds never survives fifteen digits whole; the own row is no place ahead.
      EXPECT_EQ(TokenAt(row, 1), std::to_string(*place));
      EXPECT_EQ(TokenAt(row, 3), "Toronto");
      EXPECT_EQ(TokenAt(row, 5), "3-009");
      EXPECT_EQ(TokenAt(row, 6), "W");
      EXPECT_NEAR(*online::ParseRealToken(TokenAt(row, 7)), s / 3.0 + 0.1, 1e-9);
    }
  }
  EXPECT_EQ(listed, *place <= 10);
}

TEST_F(RatedGame, SavesThatNoGameCanMakeAreRefusedAndChangeNothing) {
  ASSERT_EQ(Play(), "ok");
  const Record before = Read();
  // Re-sending the record as read is harmless.
  EXPECT_EQ(Save(*client, nick, pw, before), "ok");
  // Without a booking nothing can be settled.
  EXPECT_EQ(Save(*client, nick, pw, Settlement(before, 10, before.konl, before.score), "9d"), "no");

  const auto block = Book(before);
  ASSERT_TRUE(block);
  const Record booked = Read();
  // Undoing the booking by sending the old record back is refused.
  EXPECT_EQ(Save(*client, nick, pw, before), "no");

  const int s = block->score;
  const Record good = Settlement(booked, s, before.konl, before.score);
  // Moves of another block, played on other decks.
  Random random(99);
  std::vector<Deck> otherDecks(3);
  for (Deck& deck : otherDecks) ShuffleDeck(deck, random);
  const PlayedBlock other = PlayComputerBlock(otherDecks);
  // The block's moves with the opening card changed: no kon opens with another card.
  std::string altered = block->moves;
  altered[0] = altered[0] == '9' ? 'T' : '9';
  struct Case {
    const char* what;
    Record sent;
    std::string moves;
  };
  std::vector<Case> cases = {
      {"a settlement without moves", good, ""},
      {"moves that do not replay", good, altered},
      {"moves of a block the server did not deal",
       Settlement(booked, other.score, before.konl, before.score), other.moves},
      {"two kons of three", good, block->moves.substr(0, block->moves.rfind('.'))},
      {"a better score than the replay gives", Settlement(booked, s + 2, before.konl, before.score),
       block->moves},
      {"more than three kons can give", Settlement(booked, 175, before.konl, before.score),
       block->moves},
      {"less than three kons can give", Settlement(booked, -175, before.konl, before.score),
       block->moves},
  };
  Record fraction = good;
  fraction.rating += 0.5 / booked.kon;
  cases.push_back({"a score between integers", fraction, block->moves});
  Record jump = good;
  jump.konl += 3;
  cases.push_back({"kons that were not played", jump, block->moves});
  Record cycle = good;
  cycle.ses += 1;
  cases.push_back({"a cycle before 30 kons", cycle, block->moves});
  Record best = good;
  best.best = 1500;
  cases.push_back({"a best score of no cycle", best, block->moves});
  Record moreKons = good;
  moreKons.kon += 3;
  cases.push_back({"kons beyond the booking", moreKons, block->moves});
  Record score = good;
  score.score += 7;
  cases.push_back({"a cycle score that is not the game's", score, block->moves});
  Record reserved = good;
  reserved.r2 = "hack";
  cases.push_back({"a changed reserved field", reserved, block->moves});
  for (const Case& c : cases) {
    EXPECT_EQ(Save(*client, nick, pw, c.sent, c.moves), "no") << c.what;
  }
  // Another program may save neither with a wrong password nor without one.
  auto stranger = NewClient();
  EXPECT_EQ(Save(*stranger, nick, "wrong99", good, block->moves), "no");
  EXPECT_EQ(Save(*stranger, nick, "", good, block->moves), "no");
  const Record still = Read();
  EXPECT_EQ(still.kon, booked.kon);
  EXPECT_NEAR(still.rating, booked.rating, 1e-9);
  EXPECT_EQ(still.konl, before.konl);
  // The real settlement still goes through.
  EXPECT_EQ(Save(*client, nick, pw, good, block->moves), "ok");
}

TEST_F(RatedGame, ACompletedCycleIsFiledOnceWithItsAward) {
  const auto file = [&](Client& c, int score) {
    return c
        .Raw(kRecords, {{"gid", "344"},
                        {"nick", nick},
                        {"city", "Toronto"},
                        {"country", "Canada"},
                        {"score", std::to_string(score)},
                        {"R7", "W"},
                        {"R8", "5.7f"},
                        {"R9", "#"},
                        {"R10", "#*"}})
        .body;
  };
  // Nothing to file before a cycle is complete.
  EXPECT_EQ(file(*client, 0), "no");
  int total = 0;
  for (int game = 1; game <= 10; ++game) {
    int s = 0;
    ASSERT_EQ(Play(&s), "ok") << "game " << game;
    total += s;
  }
  const Record done = Read();
  EXPECT_EQ(done.kon, 30);
  EXPECT_EQ(done.ses, 1);
  EXPECT_EQ(done.konl, 0);
  EXPECT_EQ(done.score, 0);
  EXPECT_EQ(done.best, std::max(total, 0));  // the best cycle starts at 0

  auto stranger = NewClient();
  EXPECT_EQ(file(*stranger, total), "no");    // not the member's session
  EXPECT_EQ(file(*client, total + 1), "no");  // not the cycle's score
  const auto place = ReplyTrailingNumber(file(*client, total));
  ASSERT_TRUE(place.has_value());
  EXPECT_EQ(file(*client, total), "no");  // once only

  const int award = *place == 1 ? 25 : *place <= 10 ? 10 : 0;
  EXPECT_EQ(
      ReplyTrailingNumber(client->Form(kAccount, {{"nick", nick}, {"labelkovread", "0"}}).body),
      award);
  bool listed = false;
  for (const auto& row :
       online::ReplySegments(client->Form(kRecords, {{"gid", "344"}}).body, ' ')) {
    if (TokenAt(row, 4) == nick) {
      listed = true;
      EXPECT_EQ(TokenAt(row, 1), std::to_string(*place));
      EXPECT_EQ(TokenAt(row, 3), std::to_string(total));
      EXPECT_EQ(TokenAt(row, 5), "Canada");
      EXPECT_EQ(TokenAt(row, 6), "Toronto");
    }
  }
  EXPECT_EQ(listed, *place <= 10);
}

}  // namespace
}  // namespace zendral::server_test
