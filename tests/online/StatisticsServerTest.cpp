// The statistics requests against the real companion server: a start counted (a first start
// also as unique), a like, and a session's counters arriving in the sums.

#include <gtest/gtest.h>

#include "CompanionServer.h"
#include "online/ServiceAddresses.h"
#include "online/Statistics.h"

namespace zendral::online {
namespace {

TEST(StatisticsServer, StartsLikesAndCountersArriveInTheSums) {
  CompanionServer server(ZENDRAL_SERVER_PROGRAM);
  ASSERT_TRUE(server.ready());
  CurlTransport transport;
  RequestFrame frame(transport);
  const std::string address = AddressesUnder(server.base()).statistics;

  const auto before = ReadStatistics(frame, address, 44);
  ASSERT_TRUE(before);
  EXPECT_EQ(before->Stat1, 0);

  // A first start of an installation, then a start of the same installation.
  StartCount first = CountProgramStart(frame, address, 44, "umk", false);
  EXPECT_TRUE(first.sent);
  EXPECT_TRUE(first.installCounted);
  EXPECT_TRUE(CountProgramStart(frame, address, 44, "umk", true).installCounted);
  EXPECT_FALSE(CountProgramStart(frame, address, 44, "xyz", false).sent);

  EXPECT_TRUE(SendLike(frame, address, 44, "Nora"));

  GameCounters pc;  // eight kons against the computer, won by 160
  pc(1) = 8;
  pc(3) = 160;
  EXPECT_TRUE(SendCounters(frame, address, 44, pc));
  GameCounters net;  // a network game served by this program
  net(5) = 3;
  EXPECT_TRUE(SendCounters(frame, address, 44, net));
  GameCounters fake;  // not what a program sends: refused
  fake(7) = 1;
  EXPECT_FALSE(SendCounters(frame, address, 44, fake));

  const auto after = ReadStatistics(frame, address, 44);
  ASSERT_TRUE(after);
  EXPECT_EQ(after->Stat1, 2);
  EXPECT_EQ(after->Stat2, 1);
  EXPECT_EQ(after->Stat3, 1);
  EXPECT_EQ(after->Stat4, "Nora");
  EXPECT_EQ(after->StatX[0], 8);
  EXPECT_EQ(after->StatX[2], 160);
  EXPECT_EQ(after->StatX[4], 3);
  EXPECT_EQ(after->StatX[6], 0);

  // Another game id keeps its own sums.
  const auto other = ReadStatistics(frame, address, 45);
  ASSERT_TRUE(other);
  EXPECT_EQ(other->Stat1, 0);
}

}  // namespace
}  // namespace zendral::online
