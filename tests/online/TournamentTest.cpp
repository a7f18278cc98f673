// The tournament window's reading of the service: the table list, the server state, and what
// each seat button shows and allows, with the edge cases of a table list.

#include "online/Tournament.h"

#include <gtest/gtest.h>

namespace zendral::online {
namespace {

// One record of the list: token 1 the table, then host, port, free, R1, R2 and two seats.
std::string Record(int k, int port, const std::string& seat1, const std::string& seat2) {
  std::string record = "$";
  record += std::to_string(k);
  record += " 127.1.2.3 ";
  record += std::to_string(port);
  record += " 1 0 # ";
  record += seat1;
  record += ' ';
  record += seat2;
  record += '*';
  return record;
}
const std::string kNobody = "X 0 0 0 X X M X";

TEST(TournamentTables, TheListIsReadSeatBySeatAndTableOnesPortGivesEveryRelayPort) {
  const std::string reply = Record(1, 7001, "Anna 12 3 1516 Canada Lyon W 127.5.6.8", kNobody) +
                            Record(2, 7002, kNobody, kNobody) +
                            Record(3, 7003, "Boris -4 1 1484 France Paris M 127.9.9.9",
                                   "Carl 0 0 1500 Spain Madrid M 127.1.1.1");
  const auto tables = ReadTablesReply(reply);
  ASSERT_EQ(tables.size(), 3u);
  EXPECT_EQ(tables[0].IP, "127.1.2.3");
  EXPECT_EQ(tables[0].Port, 7001);
  EXPECT_EQ(tables[0].Seat1, (TKovClient{"Anna", 12, 3, 1516, "Canada", "Lyon", "W", "127.5.6.8"}));
  EXPECT_TRUE(tables[0].Seat2.IsNobody());
  EXPECT_EQ(tables[2].Seat1.Score, -4);
  EXPECT_EQ(tables[2].Seat2.Nick, "Carl");
  // Table 1 carries 7001: table 3 is on 7003 of table 1's host.
  EXPECT_EQ(RelayPortOf(tables, 3), 7003);
  EXPECT_EQ(RelayPortOf(tables, 10), 7010);
  // A reply without records, and tokens that are no numbers, leave the defaults.
  EXPECT_TRUE(ReadTablesReply("no").empty());
  const auto odd = ReadTablesReply("$1 h x");
  ASSERT_EQ(odd.size(), 1u);
  EXPECT_EQ(odd[0].Port, 0);
  EXPECT_EQ(odd[0].Seat1.Nick, "X");
  EXPECT_EQ(odd[0].Seat2.Sex, "M");
}

TEST(TournamentTables, TheServerStateIsTheFirstLetterAndXWithoutASegment) {
  EXPECT_EQ(ReadServerInfoReply("$Y Welcome_all$").state, 'Y');
  EXPECT_EQ(ReadServerInfoReply("$Y Welcome_all$").welcome, "Welcome_all");
  EXPECT_EQ(ReadServerInfoReply("$Yes x$").state, 'Y');
  EXPECT_EQ(ReadServerInfoReply("$N x$").state, 'N');
  EXPECT_EQ(ReadServerInfoReply("no").state, 'X');
  EXPECT_EQ(ReadServerInfoReply("").state, 'X');
}

TEST(TournamentTables, SeatButtonsFollowTheSeatsTheBookingAndTheServer) {
  TKovTable empty;
  TKovTable opened;
  opened.Seat1 = {"Anna", 12, 3, 1516, "Canada", "Lyon", "W", "127.5.6.8"};
  TKovTable full = opened;
  full.Seat2 = {"Boris", -4, 1, 1484, "France", "Paris", "M", "127.9.9.9"};
  TKovTable lonelyTwo;
  lonelyTwo.Seat2 = full.Seat2;
  const SeatButton take{SeatCaption::kTakePlace, {}, true};
  const SeatButton takeLater{SeatCaption::kTakePlace, {}, false};
  const SeatButton free{SeatCaption::kFree, {}, false};
  const SeatButton anna{SeatCaption::kHolder, "Anna : 12", false};
  const SeatButton boris{SeatCaption::kHolder, "Boris : -4", false};
  const SeatButton off{SeatCaption::kServerOff, {}, false};
  const SeatButton logOff{SeatCaption::kLogOff, {}, true};
  const struct {
    const char* what;
    TKovTable table;
    TourBooking booking;
    bool serverOn;
    std::array<SeatButton, 2> buttons;
  } cases[] = {
      {"an empty table: seat 2 is free but cannot be taken", empty, {}, true, {take, free}},
      {"seat 1 taken: seat 2 may be taken", opened, {}, true, {anna, take}},
      {"both taken", full, {}, true, {anna, boris}},
      {"the own seat 1 is left with Log off", opened, {5, 1}, true, {logOff, takeLater}},
      {"holding another seat, nothing else may be taken", empty, {7, 1}, true, {takeLater, free}},
      {"holding another seat, seat 2 neither", opened, {7, 2}, true, {anna, takeLater}},
      {"the own seat 2 beside a player shows its holder", full, {5, 2}, true, {anna, boris}},
      {"alone at the own seat 2 it is left with Log off",
       lonelyTwo,
       {5, 2},
       true,
       {takeLater, logOff}},
      {"server off", full, {}, false, {off, off}},
      {"server off with a seat held", opened, {5, 1}, false, {off, off}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SeatButtons(c.table, 5, c.booking, c.serverOn), c.buttons) << c.what;
  }
}

TEST(TournamentTables, TheSameAddressAtOneTableIsRefusedUnlessTheRelayIsThisMachine) {
  EXPECT_TRUE(SameAddressRefused("127.5.6.8", "127.5.6.8", "127.1.2.3"));
  EXPECT_FALSE(SameAddressRefused("127.5.6.8", "127.5.6.8", "127.0.0.1"));
  EXPECT_FALSE(SameAddressRefused("127.5.6.8", "127.9.9.9", "127.1.2.3"));
}

TEST(TournamentTables, TheSeatRequestCarriesTheSeatDigitInEveryName) {
  const Fields f = SeatRequestFields(3, 2, kSeatLeave, NobodyClient("X"));
  const Fields expected = {{"clienton2", "0"}, {"gid", "44"},   {"num", "3"},  {"can", "2"},
                           {"nick2", "X"},     {"score2", "0"}, {"kon2", "0"}, {"rating2", "0"},
                           {"country2", "X"},  {"city2", "X"},  {"sex2", "X"}, {"ip2", "X"}};
  EXPECT_EQ(f, expected);
}

}  // namespace
}  // namespace zendral::online
