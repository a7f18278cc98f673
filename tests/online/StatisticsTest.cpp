// The statistics requests: the sums read from a reply, the acknowledgement, the bodies sent,
// and what a start of the program sends under each distribution mark and install flag.

#include "online/Statistics.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <vector>

#include "ScriptedTransport.h"

namespace zendral::online {
namespace {

TEST(ReadStatisticsReply, FieldsInTheirOrderAndDefaults) {
  const TKovStat full =
      ReadStatisticsReply("$120 45 7 Nora 300 10 900 1200 30 4 0 0 0 0 0 0 9 zz*$1 1 1 x*", 44);
  EXPECT_EQ(full.GID, 44);
  EXPECT_EQ(full.Stat1, 120);
  EXPECT_EQ(full.Stat2, 45);
  EXPECT_EQ(full.Stat3, 7);
  EXPECT_EQ(full.Stat4, "Nora");
  EXPECT_EQ(full.StatX[0], 300);
  EXPECT_EQ(full.StatX[3], 1200);
  EXPECT_EQ(full.StatX[5], 4);
  EXPECT_EQ(full.StatY, 9);
  EXPECT_EQ(full.StatZ, "zz");

  // An empty last-like name is an empty token: the numbers behind it keep their places.
  const TKovStat noLike = ReadStatisticsReply("$5 2 0  11 1 0 0 0 0 0 0 0 0 0 0 0 *", 44);
  EXPECT_EQ(noLike.Stat4, "");
  EXPECT_EQ(noLike.StatX[0], 11);
  EXPECT_EQ(noLike.StatX[1], 1);

  // Nothing readable: the defaults with the id asked for.
  for (const std::string reply : {"", "no", "$ no#", "$abc -- *", "$"}) {
    TKovStat expected;
    expected.GID = 44;
    EXPECT_EQ(ReadStatisticsReply(reply, 44), expected) << reply;
  }
  // A short record fills what it has.
  const TKovStat shortOne = ReadStatisticsReply("$9 3*", 44);
  EXPECT_EQ(shortOne.Stat1, 9);
  EXPECT_EQ(shortOne.Stat2, 3);
  EXPECT_EQ(shortOne.StatX[0], 0);
}

TEST(StatisticsRequests, BodiesAndAcknowledgements) {
  GameCounters c;
  c(1) = 12;
  c(3) = 140;
  EXPECT_EQ(RawBody(CountersFields(44, c)),
            "gid=44&R1=12&R2=0&R3=140&R4=0&R5=0&R6=0&R7=0&R8=0&R9=0&R10=0&R11=0&R12=0");
  EXPECT_EQ(RawBody(CountStartFields(44, true)), "gid=44&stat1=1&stat2=1");
  EXPECT_EQ(RawBody(LikeFields(44, "Anna & Co")), "gid=44&stat3=1&stat4=Anna %26 Co");

  struct Case {
    std::optional<std::string> reply;
    bool counted;
  } cases[] = {{"$ ok#", true},  {"$5$ ok#", true}, {"$ok#", false},
               {"$ no#", false}, {"ok", false},     {std::nullopt, false}};
  for (const Case& k : cases) {
    ScriptedTransport t;
    RequestFrame frame(t);
    t.replies.push_back(k.reply);
    EXPECT_EQ(SendLike(frame, "http://s/stats", 44, "Nora"), k.counted) << k.reply.value_or("-");
  }
}

TEST(CountProgramStart, SendsOnlyWithTheMarkAndKeepsAnUnacknowledgedFirstStart) {
  struct Case {
    std::string mark;
    bool installCounted;
    std::optional<std::string> reply;
    std::string body;  // empty: nothing sent
    bool flagAfter;
  } cases[] = {
      {"umk", true, "$ ok#", "gid=44&stat1=1&stat2=0", true},
      {"umk", true, std::nullopt, "gid=44&stat1=1&stat2=0", true},
      {"umk", false, "$ ok#", "gid=44&stat1=1&stat2=1", true},
      {"umk", false, "$ no#", "gid=44&stat1=1&stat2=1", false},
      {"umk", false, std::nullopt, "gid=44&stat1=1&stat2=1", false},
      {"abc", false, "$ ok#", "", false},
      {"", true, "$ ok#", "", true},
  };
  for (const Case& k : cases) {
    ScriptedTransport t;
    RequestFrame frame(t);
    t.replies.push_back(k.reply);
    const StartCount count =
        CountProgramStart(frame, "http://s/stats", 44, k.mark, k.installCounted);
    EXPECT_EQ(count.sent, !k.body.empty()) << k.mark;
    EXPECT_EQ(count.installCounted, k.flagAfter) << k.mark << k.installCounted;
    if (k.body.empty()) {
      EXPECT_TRUE(t.sent.empty());
    } else {
      ASSERT_EQ(t.sent.size(), 1u);
      EXPECT_EQ(t.sent[0].body, k.body);
    }
  }
}

TEST(ReadStatistics, UsesTheTableReadTimeoutAndFailsWithoutReply) {
  ScriptedTransport t;
  RequestFrame frame(t);
  EXPECT_FALSE(ReadStatistics(frame, "http://s/stats", 44));
  ASSERT_EQ(t.sent.size(), 1u);
  EXPECT_EQ(t.sent[0].readTimeoutMs, kTableReadTimeoutMs);
  EXPECT_NE(t.sent[0].body.find("gid=44"), std::string::npos);
}

}  // namespace
}  // namespace zendral::online
