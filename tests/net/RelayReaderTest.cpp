// The relay read: the 20-byte frames with their seat digit and padding, the unframed deal,
// and what arrives split over several reads or several messages in one read.

#include "net/RelayReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/Moves.h"
#include "game/Random.h"
#include "net/LanMessage.h"
#include "net/RelayClock.h"
#include "net/RelayFrame.h"

namespace zendral::net {
namespace {

Deck ShuffledDeck(std::uint64_t seed) {
  Random random(seed);
  Deck deck;
  ShuffleDeck(deck, random);
  return deck;
}

std::string F(std::string_view payload, int seat) {
  return RelayFrameText(payload, seat);
}

// A message as a short line for the tables below.
std::string Describe(const RelayMessage& m) {
  switch (m.kind) {
    case RelayKind::kDeal:
      return "deal " + ToNotation(m.deck[1]) + ".." + ToNotation(m.deck[36]);
    case RelayKind::kChat:
      return "chat " + std::to_string(m.senderSeat) + " [" + m.chat + "]";
    case RelayKind::kBegin:
      return "begin";
    case RelayKind::kMove:
      return "move " + std::to_string(m.slot);
    case RelayKind::kPass:
      return "pass";
    case RelayKind::kSettle:
      return "settle";
    case RelayKind::kPeerLeft:
      return "left " + std::to_string(m.senderSeat);
    case RelayKind::kTimeUp:
      return "timeup " + std::to_string(m.senderSeat);
    case RelayKind::kIgnored:
      return "ignored";
  }
  return "?";
}

std::vector<std::string> FeedAll(RelayReader& reader, const std::vector<std::string>& reads) {
  std::vector<std::string> out;
  for (const std::string& read : reads) {
    for (const RelayMessage& m : reader.Feed(read)) out.push_back(Describe(m));
  }
  return out;
}

const Deck kDeck = ShuffledDeck(5);
const std::string kDeal = DealText(kDeck);
const std::string kDealSeen = "deal " + ToNotation(kDeck[1]) + ".." + ToNotation(kDeck[36]);

TEST(RelayFrameRead, EachFrameIsReadByItsFirstByteAndItsSeatDigit) {
  const struct {
    std::string frame;
    std::string seen;
  } cases[] = {
      {F("hbegin", 1), "begin"},  // the rest of the 20 bytes is padding
      {F("hhod05", 2), "move 5"},
      {F("hhod12", 1), "move 12"},
      {F("hpass0", 2), "pass"},
      {F("hitogs", 1), "settle"},
      {F("sHello", 1), "chat 1 [Hello]"},  // a five-letter word from seat 1: maroon
      {F("sa#b", 2), "chat 2 [a]"},        // '#' in chat text ends it
      {F("s0123456789abcdefgh", 2), "chat 2 [0123456789abcdefgh]"},
      {F("a", 1), "left 1"},
      {F("TOut", 2), "timeup 2"},
      {F("T", 1), "timeup 1"},
      {F("hhod99", 1), "ignored"},  // no such slot
      {F("hxyz", 1), "ignored"},
      {F("o  7 -7", 1), "ignored"},  // a result line is nothing the program takes
      {F("xyz", 2), "ignored"},
  };
  for (const auto& c : cases) {
    RelayReader reader;
    EXPECT_EQ(FeedAll(reader, {c.frame}), std::vector<std::string>{c.seen}) << c.frame;
    EXPECT_EQ(reader.PendingSize(), 0u);
  }
}

TEST(RelayFrameRead, SplitReadsAndJoinedMessagesAreAllDelivered) {
  const std::string begin = F("hbegin", 1);
  const std::string move = F("hhod07", 2);
  const std::string chat = F("sHi", 2);
  const struct {
    const char* what;
    std::vector<std::string> reads;
    std::vector<std::string> seen;
  } cases[] = {
      {"a deal followed by nothing", {kDeal}, {kDealSeen}},
      {"a deal followed by frames in the same read",
       {kDeal + begin + move},
       {kDealSeen, "begin", "move 7"}},
      {"a deal in three pieces",
       {kDeal.substr(0, 1), kDeal.substr(1, 60), kDeal.substr(61)},
       {kDealSeen}},
      {"a frame split over two reads", {move.substr(0, 7), move.substr(7)}, {"move 7"}},
      {"a frame byte by byte",
       {std::string(1, chat[0]), chat.substr(1, 5), chat.substr(6, 13), chat.substr(19)},
       {"chat 2 [Hi]"}},
      {"the end of one frame and the start of the next",
       {begin + move.substr(0, 3), move.substr(3) + chat},
       {"begin", "move 7", "chat 2 [Hi]"}},
      {"a chat frame followed by a move", {chat + move}, {"chat 2 [Hi]", "move 7"}},
      {"a deal whose end comes with the first frame",
       {kDeal.substr(0, 100), kDeal.substr(100) + begin},
       {kDealSeen, "begin"}},
  };
  for (const auto& c : cases) {
    RelayReader reader;
    EXPECT_EQ(FeedAll(reader, c.reads), c.seen) << c.what;
    EXPECT_EQ(reader.PendingSize(), 0u) << c.what;
  }
}

TEST(RelayFrameRead, ABrokenDealIsIgnoredAndTheReadGoesOn) {
  std::string broken = kDeal;
  broken[1] = broken[3];  // one card twice
  RelayReader reader;
  EXPECT_EQ(FeedAll(reader, {broken + F("hbegin", 1)}),
            (std::vector<std::string>{"ignored", "begin"}));
  // An incomplete frame waits; Reset drops it.
  EXPECT_TRUE(reader.Feed("hhod0").empty());
  EXPECT_EQ(reader.PendingSize(), 5u);
  reader.Reset();
  EXPECT_EQ(reader.PendingSize(), 0u);
}

TEST(RelayClock, TicksDownWithItsSoundsAndTheOwnClockRunsOut) {
  RelayClock clock;
  EXPECT_EQ(clock.Tick().seat, kClockNone);
  clock.Start(kClockOwn);
  std::vector<std::string> sounds;
  ClockTickResult t;
  for (int i = 0; i < kMoveClockSeconds; ++i) {
    t = clock.Tick();
    sounds.emplace_back(t.sound);
    if (t.seconds == 8) {
      EXPECT_EQ(t.sound, kClockTickSound);
    }
    if (t.seconds == 7) {
      EXPECT_EQ(t.sound, kClockHurrySound);
    }
    if (t.seconds == 1) {
      EXPECT_EQ(t.sound, kClockHurrySound);
    }
    EXPECT_EQ(t.ownTimeUp, t.seconds == 0);
  }
  EXPECT_EQ(t.seconds, 0);
  EXPECT_TRUE(t.ownTimeUp);
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), std::string(kClockTickSound)), 18);
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), std::string(kClockHurrySound)), 7);

  // The peer's clock runs silently down to 0 and stays there: the relay decides.
  clock.Start(kClockPeer);
  for (int i = 0; i < 30; ++i) t = clock.Tick();
  EXPECT_EQ(t.seconds, 0);
  EXPECT_TRUE(t.sound.empty());
  EXPECT_FALSE(t.ownTimeUp);
}

TEST(RelayClock, WhoseClockStartsAfterAMove) {
  // The own last card starts no clock at relay seat 1 (it settles itself), always at seat 2.
  EXPECT_TRUE(PeerClockAfterOwnCard(2, 1));
  EXPECT_FALSE(PeerClockAfterOwnCard(1, 1));
  EXPECT_TRUE(PeerClockAfterOwnCard(1, 2));
  EXPECT_TRUE(PeerClockAfterOwnPass(true, 1));
  EXPECT_FALSE(PeerClockAfterOwnPass(false, 1));
  EXPECT_TRUE(PeerClockAfterOwnPass(false, 2));
  // The peer's last card starts the own clock at seat 1, which must settle.
  EXPECT_TRUE(OwnClockAfterPeerCard(3, 2));
  EXPECT_FALSE(OwnClockAfterPeerCard(0, 2));
  EXPECT_TRUE(OwnClockAfterPeerCard(0, 1));
  EXPECT_FALSE(OwnClockAfterPeerPass(false, 2));
  EXPECT_TRUE(OwnClockAfterPeerPass(false, 1));
}

}  // namespace
}  // namespace zendral::net
