// The rated game as the club drives it, against a scripted server: the booking and its
// re-sends, the settlement and its question, the filing of a completed cycle.

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "online/OnlineClub.h"
#include "online/Reply.h"

#include "ScriptedTransport.h"

namespace zendral::online {
namespace {

class RecordingPrompts final : public ClubPrompts {
 public:
  std::vector<std::string> events;
  std::deque<bool> answers;
  void PlaySound(const std::string& name) override { events.push_back("sound " + name); }
  void Pause(int ms) override { events.push_back("pause " + std::to_string(ms)); }
  bool AskYesNo(Question q) override {
    events.push_back(q == Question::kSettleRepeat ? "ask settle" : "ask file");
    if (answers.empty()) return false;
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
};

struct ClubFixture : ::testing::Test {
  ScriptedTransport transport;
  RequestFrame frame{transport};
  OnlineClub club{frame, AddressesUnder("http://srv")};
  RecordingPrompts prompts;
  void SetUp() override {
    club.user().Nick = "Bob";
    club.user().Pw = "pw1234";
    club.user().City = "Omsk";
    club.user().Country1 = "Russia";
    club.user().Sex = "M";
    club.SetState(AccountState::asRated);
  }
  std::string Body(std::size_t i) const { return transport.sent.at(i).body; }
};

TEST_F(ClubFixture, TheBookingSavesThreeKonsAndFiftyPointsLess) {
  transport.replies = {"$0 0 0 0 0 0 0 #$", "ok"};
  EXPECT_EQ(club.BookRatedGame(prompts), OnlineClub::Booking::kBooked);
  ASSERT_EQ(transport.sent.size(), 2u);
  EXPECT_NE(Body(1).find("crdq4kon=3&crdq4best=0&crdq4rating=-16.5666666666667"),
            std::string::npos);
  EXPECT_EQ(club.game().Kon, 0);  // the program's copy stays as read
  EXPECT_TRUE(prompts.events.empty());
}

TEST_F(ClubFixture, AFailedBookingSendsTheRecordAsReadTwiceAndStartsNoGame) {
  transport.replies = {"$5 10 2.5 0 5 9 0 #$", "no", std::nullopt, std::nullopt};
  EXPECT_EQ(club.BookRatedGame(prompts), OnlineClub::Booking::kNoConnection);
  EXPECT_EQ(club.state(), AccountState::asOffline);
  ASSERT_EQ(transport.sent.size(), 4u);
  EXPECT_NE(Body(2).find("crdq4kon=5&"), std::string::npos);
  EXPECT_EQ(Body(2), Body(3));
  EXPECT_EQ(prompts.events,
            (std::vector<std::string>{"sound WWrongs", "pause 2000", "sound WWrongs", "pause 3000",
                                      "sound WWrongs"}));
}

TEST_F(ClubFixture, AFailedReadBooksNothing) {
  transport.replies = {"no"};
  EXPECT_EQ(club.BookRatedGame(prompts), OnlineClub::Booking::kNoConnection);
  EXPECT_EQ(transport.sent.size(), 1u);
  club.SetState(AccountState::asLoggedIn);
  EXPECT_EQ(club.BookRatedGame(prompts), OnlineClub::Booking::kNotRated);
}

TEST_F(ClubFixture, TheSettlementAsksAndRepeatsWithTheKonsOfTheProgram) {
  transport.replies = {"$57 60 2.5 1 27 40 0 #$", "ok"};
  ASSERT_EQ(club.BookRatedGame(prompts), OnlineClub::Booking::kBooked);
  // First try: the read fails; the player repeats; then the read and the save succeed.
  transport.replies = {std::nullopt, "$60 60 0.6 1 0 0 0 #$", "ok", "$3$"};
  prompts.answers = {true};
  const auto rating = club.SettleRatedGame(30, 70, "9dTd--.9h.Jc", prompts);
  ASSERT_TRUE(rating);
  // The settlement carries the block's moves for the server's replay.
  EXPECT_NE(transport.sent[transport.sent.size() - 2].body.find("&crdq4moves=9dTd--.9h.Jc"),
            std::string::npos);
  EXPECT_EQ(prompts.events, (std::vector<std::string>{"ask settle"}));
  EXPECT_EQ(club.game().KonL, 0);
  EXPECT_EQ(club.game().Sessions, 2);
  EXPECT_EQ(club.game().Best, 70);
  EXPECT_EQ(club.game().Place, 3);

  // The cycle is complete: it is filed in the account table at place 1, worth 25 Kovs.
  transport.replies = {"$1$", "$175$"};
  const auto filed = club.FileAccountCycle(70, prompts);
  ASSERT_TRUE(filed);
  EXPECT_EQ(filed->place, 1);
  EXPECT_EQ(filed->award, 25);
  EXPECT_EQ(club.user().R04, 175);
  const std::string& submit = transport.sent[transport.sent.size() - 2].body;
  EXPECT_EQ(submit, "gid=344&nick=Bob&city=Omsk&country=Russia&score=70&R7=M&R8=5.7f&R9=#&R10=#*");
  EXPECT_EQ(transport.sent[transport.sent.size() - 2].url, "http://srv/services/records");
  club.FinishRatedGame();
  EXPECT_EQ(club.state(), AccountState::asLoggedIn);
}

TEST_F(ClubFixture, GivingUpLeavesTheBookingAndFilesNothingWithoutACompleteCycle) {
  transport.replies = {"$3 0 1 0 3 5 0 #$", "ok"};
  ASSERT_EQ(club.BookRatedGame(prompts), OnlineClub::Booking::kBooked);
  transport.replies = {"$6 0 1 0 0 0 0 #$", "no"};
  prompts.answers = {false};
  EXPECT_FALSE(club.SettleRatedGame(4, 9, "9d", prompts));
  EXPECT_EQ(club.game().KonL, 3);
  const std::size_t before = transport.sent.size();
  EXPECT_FALSE(club.FileAccountCycle(9, prompts));
  EXPECT_EQ(transport.sent.size(), before);
}

TEST_F(ClubFixture, ARefusedFilingIsAskedAgain) {
  transport.replies = {"$27 0 1 0 27 5 0 #$", "ok"};
  ASSERT_EQ(club.BookRatedGame(prompts), OnlineClub::Booking::kBooked);
  transport.replies = {"$30 0 1 0 0 0 0 #$", "ok", "$1$"};
  ASSERT_TRUE(club.SettleRatedGame(4, 9, "9d", prompts));
  transport.replies = {"no", "$11$", "$0$"};
  prompts.answers = {true};
  const auto filed = club.FileAccountCycle(9, prompts);
  ASSERT_TRUE(filed);
  EXPECT_EQ(filed->place, 11);
  EXPECT_EQ(filed->award, 0);
  EXPECT_EQ(prompts.events.back(), "ask file");
}

}  // namespace
}  // namespace zendral::online
