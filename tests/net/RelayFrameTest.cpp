#include "net/RelayFrame.h"

#include <gtest/gtest.h>

namespace zendral::net {
namespace {

TEST(RelayFrame, PayloadIsPaddedWithHashesAndEndsInTheSeat) {
  EXPECT_EQ(RelayFrameText("hpass0", 2), "hpass0" + std::string(13, '#') + "2");
  EXPECT_EQ(RelayFrameText("connect1", 1), "connect1" + std::string(11, '#') + "1");
  // The 20th byte belongs to the seat digit: a longer payload is cut to 19.
  EXPECT_EQ(RelayFrameText("s0123456789abcdefghij", 1), "s0123456789abcdefgh1");
}

TEST(RelayFrame, ReadingTakesThePayloadUpToTheFirstHash) {
  const struct {
    std::string frame;
    std::string payload;
    int seat;
  } cases[] = {
      {"hbegin" + std::string(13, '#') + "1", "hbegin", 1},
      {"sHello" + std::string(13, '#') + "1", "sHello", 1},  // a five-letter chat word
      {"sa#b" + std::string(15, '#') + "2", "sa", 2},        // '#' in chat text cuts it
      {"s0123456789abcdefgh2", "s0123456789abcdefgh", 2},
  };
  for (const auto& c : cases) {
    const auto frame = ParseRelayFrame(c.frame);
    ASSERT_TRUE(frame.has_value()) << c.frame;
    EXPECT_EQ(frame->payload, c.payload);
    EXPECT_EQ(frame->senderSeat, c.seat);
  }
  EXPECT_EQ(ParseRelayFrame(RelayFrameText("hhod05", 2))->payload, "hhod05");
}

TEST(RelayFrame, OtherLengthsAndSeatsAreNoFrame) {
  for (const std::string& bad :
       {std::string(), "hpass0" + std::string(12, '#') + "2", "hpass0" + std::string(14, '#') + "2",
        "hpass0" + std::string(13, '#') + "3", "hpass0" + std::string(14, '#')}) {
    EXPECT_FALSE(ParseRelayFrame(bad).has_value()) << bad;
  }
}

}  // namespace
}  // namespace zendral::net
