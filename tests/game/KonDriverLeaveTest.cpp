// Leaving the table before the end of a session (to the menu, or by closing the program) and
// changing the name at the table, through the kon driver's entry points.

#include <gtest/gtest.h>

#include "DriverTable.h"
#include "game/KonDriver.h"
#include "game/Simulation.h"

namespace zendral {
namespace {

using Removal = std::pair<ClubKind, int>;

// The store keeps its five lines as the club file does: a stored record goes before the first
// line that is empty or whose rating is not above its own.
class ClubLikeStore : public testing::RecordingStore {
 public:
  ClubWriteResult StoreMember(ClubKind club, int memberLine, const PlayerRecord& record,
                              bool matchComplete) override {
    RecordingStore::StoreMember(club, memberLine, record, matchComplete);
    if (!writeResult.written) return writeResult;
    if (memberLine >= 1 && memberLine <= 5) {
      members.erase(members.begin() + memberLine);
      members.push_back(std::nullopt);
    }
    for (std::size_t line = 1; line <= 5; ++line) {
      if (!members[line] || members[line]->rating <= record.rating) {
        members.insert(members.begin() + static_cast<std::ptrdiff_t>(line), record);
        members.pop_back();
        break;
      }
    }
    return writeResult;
  }
};

// A session at the table of a club whose five members have the ratings 5 … 1.
struct LeaveTable {
  explicit LeaveTable(int slot) {
    for (int line = 1; line <= 5; ++line) {
      club.members[static_cast<std::size_t>(line)] =
          PlayerRecord{"Member" + std::to_string(line), 6.0 - line, 10 * line, line, "pw"};
    }
    state.PlayerSlot = slot;
    state.DialogName = "Newcomer";
  }

  GameState state;
  testing::RecordingTable view;
  testing::RecordingPeer peer;
  ClubLikeStore club;
  testing::RecordingStatistics stats;
  testing::FakeOnline online;
  Random random{5};
  KonDriver driver{state, DriverLinks{view, random, &peer, &club, &stats, &online}};
};

TEST(AbandonSession, AClubMemberLosesHisLineAndNothingIsStored) {
  struct Case {
    const char* what;
    int slot;
    bool network;
    bool rated;
    std::vector<Removal> removed;
  } cases[] = {
      {"member 3 of the local club", 3, false, false, {{ClubKind::kLocal, 3}}},
      {"member 2 of the network club", 2, true, false, {{ClubKind::kNetwork, 2}}},
      {"a new player", kNewPlayerSlot, false, false, {}},
      {"an online-rated game", kRatedGameSlot, false, true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LeaveTable t(c.slot);
    if (c.network) {
      t.state.NetGame = true;
      t.state.NetRole = kRoleServer;
    }
    if (c.rated) t.state.AccountState = kAccountRatedGame;
    t.driver.DealKon(false);
    ASSERT_TRUE(t.driver.MainButtonClick());  // play has begun: the kon is half done
    t.view.calls.clear();

    ASSERT_TRUE(t.driver.AbandonSession());
    EXPECT_EQ(t.club.removed, c.removed);
    EXPECT_TRUE(t.club.stored.empty());
    EXPECT_TRUE(t.club.history.empty());
    EXPECT_TRUE(t.stats.reports.empty());
    EXPECT_FALSE(t.state.GameActive);
    EXPECT_TRUE(t.state.MenuShown);
    EXPECT_EQ(t.state.AccountState, c.rated ? kAccountLoggedIn : kAccountOffline);
    EXPECT_EQ(t.view.calls, (std::vector<std::string>{"hide table", "popup off off", "menu",
                                                      "timer 20 on", "music on"}));
    EXPECT_EQ(t.peer.calls.empty(), !c.network) << "a network game closes its connection";
    EXPECT_FALSE(t.driver.AbandonSession()) << "only from the table";
    EXPECT_FALSE(t.driver.TimerTick());
  }
}

TEST(AbandonSession, AtATournamentTableNoClubLineIsTouched) {
  LeaveTable t(1);
  t.driver.DealKon(false);
  t.state.TourGame = true;  // as the relay's deal leaves it
  ASSERT_TRUE(t.driver.AbandonSession());
  EXPECT_TRUE(t.club.removed.empty());
  EXPECT_FALSE(t.state.TourGame);
  EXPECT_EQ(t.peer.calls, (std::vector<std::string>{"table over", "close"}));
}

TEST(CloseDuringSession, RemovesTheMemberOnlyWhileASessionIsAtTheTable) {
  LeaveTable t(4);
  EXPECT_FALSE(t.driver.CloseDuringSession()) << "from the menu nothing is lost";
  t.driver.DealKon(false);
  t.view.calls.clear();
  ASSERT_TRUE(t.driver.CloseDuringSession());
  EXPECT_EQ(t.club.removed, (std::vector<Removal>{{ClubKind::kLocal, 4}}));
  EXPECT_TRUE(t.club.history.empty());
  EXPECT_TRUE(t.view.calls.empty()) << "the program is going away: nothing more is drawn";

  // A finished session is no longer at the table.
  LeaveTable done(2);
  done.driver.DealKon(false);
  ASSERT_NE(PlayKonThroughDriver(done.driver).winner, 0);
  ASSERT_TRUE(done.driver.ExitButtonClick());
  EXPECT_FALSE(done.driver.CloseDuringSession());
  EXPECT_TRUE(done.club.removed.empty());
}

TEST(ChangeName, AMemberKeepsHisNumbersAndTheSessionEndReplacesHisNewLine) {
  LeaveTable t(2);
  // Member 1 has the same rating as member 2: placed again, member 2 goes before him.
  t.club.members[1]->rating = t.club.members[2]->rating;
  const PlayerRecord before = *t.club.members[2];
  t.driver.DealKon(false);

  ASSERT_TRUE(t.driver.ChangeName("Renamed", "abc"));
  ASSERT_EQ(t.club.stored.size(), 1u);
  EXPECT_EQ(t.club.stored[0].memberLine, 2);
  EXPECT_EQ(t.club.stored[0].record,
            (PlayerRecord{"Renamed", before.rating, before.konCount, before.cycleScore, "abc"}));
  EXPECT_FALSE(t.club.stored[0].matchComplete);
  EXPECT_EQ(t.club.members[1]->name, "Renamed");
  EXPECT_EQ(t.club.members[2]->name, "Member1");
  EXPECT_EQ(t.state.SeatName[kSeat2], "Renamed");
  EXPECT_EQ(t.view.calls.back(), "plates PC|Renamed");

  ASSERT_NE(PlayKonThroughDriver(t.driver).winner, 0);
  ASSERT_TRUE(t.driver.ExitButtonClick());
  ASSERT_EQ(t.club.stored.size(), 2u);
  EXPECT_EQ(t.club.stored[1].memberLine, 1) << "his line, not Member1's";
  EXPECT_EQ(t.club.stored[1].record.name, "Renamed");
  EXPECT_EQ(t.club.stored[1].record.password, "abc");
  EXPECT_EQ(t.club.history.at(0).HName, "Renamed");
}

TEST(ChangeName, ANewPlayerChangesOnlyTheSession) {
  LeaveTable t(kNewPlayerSlot);
  t.driver.DealKon(false);
  ASSERT_TRUE(t.driver.ChangeName("Zoya", "z"));
  EXPECT_TRUE(t.club.stored.empty());
  ASSERT_NE(PlayKonThroughDriver(t.driver).winner, 0);
  ASSERT_TRUE(t.driver.ExitButtonClick());
  ASSERT_EQ(t.club.stored.size(), 1u);
  EXPECT_EQ(t.club.stored[0].memberLine, 0);
  EXPECT_EQ(t.club.stored[0].record.name, "Zoya");
  EXPECT_EQ(t.club.stored[0].record.password, "z");
}

TEST(ChangeName, RefusedOutsideALocalSessionOrWhenTheClubCannotBeWritten) {
  LeaveTable menu(1);
  EXPECT_FALSE(menu.driver.ChangeName("X", ""));

  LeaveTable network(1);
  network.state.NetGame = true;
  network.state.NetRole = kRoleServer;
  network.driver.DealKon(false);
  EXPECT_FALSE(network.driver.ChangeName("X", ""));

  LeaveTable rated(kRatedGameSlot);
  rated.driver.DealKon(false);
  EXPECT_FALSE(rated.driver.ChangeName("X", ""));

  LeaveTable locked(3);
  locked.club.writeResult.written = false;
  locked.driver.DealKon(false);
  EXPECT_FALSE(locked.driver.ChangeName("X", ""));
  EXPECT_EQ(locked.state.SeatName[kSeat2], "Member3");
  EXPECT_EQ(locked.state.MemberLine, 3);
  EXPECT_EQ(locked.view.Matching("error").size(), 1u);
}

}  // namespace
}  // namespace zendral
