#include "net/LanMessageReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DescribeMessage.h"
#include "game/Moves.h"
#include "game/Random.h"

namespace zendral::net {
namespace {

using namespace std::string_literals;

Deck ShuffledDeck(std::uint64_t seed) {
  Random random(seed);
  Deck deck;
  ShuffleDeck(deck, random);
  return deck;
}

std::vector<std::string> FeedAll(LanMessageReader& reader, const std::vector<std::string>& reads) {
  std::vector<std::string> out;
  for (const std::string& read : reads) {
    for (const LanMessage& m : reader.Feed(read)) out.push_back(Describe(m));
  }
  return out;
}

// Everything a client hears in one kon, back to back: the join answer, the deal, the begin,
// moves and passes, the settlement.
const std::string kServerStream = JoinAnswerText("Boris") + DealText(ShuffledDeck(3)) + "hbegin" +
                                  MoveMessage(5) + "hpass0" + MoveMessage(12) + "hitogs";
const std::vector<std::string> kServerMessages = {
    "answer [Boris" + std::string(14, ' ') + "]",
    "deal " + ToNotation(ShuffledDeck(3)[1]) + ".." + ToNotation(ShuffledDeck(3)[36]),
    "begin",
    "move 5",
    "pass",
    "move 12",
    "settle"};

TEST(LanMessageReader, WholeStreamInOneRead) {
  LanMessageReader reader;
  EXPECT_EQ(FeedAll(reader, {kServerStream}), kServerMessages);
  EXPECT_EQ(reader.PendingSize(), 0u);
}

// However TCP cuts the stream, the same messages come out in the same order.
TEST(LanMessageReader, AnyCutOfTheStreamGivesTheSameMessages) {
  for (std::size_t piece : {1u, 2u, 5u, 7u, 13u, 64u, 108u, 110u}) {
    LanMessageReader reader;
    std::vector<std::string> reads;
    for (std::size_t at = 0; at < kServerStream.size(); at += piece) {
      reads.push_back(kServerStream.substr(at, piece));
    }
    EXPECT_EQ(FeedAll(reader, reads), kServerMessages) << "pieces of " << piece;
    EXPECT_EQ(reader.PendingSize(), 0u);
  }
  for (std::size_t cut = 1; cut < kServerStream.size(); ++cut) {
    LanMessageReader reader;
    EXPECT_EQ(FeedAll(reader, {kServerStream.substr(0, cut), kServerStream.substr(cut)}),
              kServerMessages)
        << "cut at " << cut;
  }
}

TEST(LanMessageReader, ReadsWithSeveralMessagesOrPartsOfThem) {
  const struct {
    const char* what;
    std::vector<std::string> reads;
    std::vector<std::string> expected;
  } cases[] = {
      {"the server's last card and its settlement", {"hhod05hitogs"}, {"move 5", "settle"}},
      {"a move split over two reads", {"hho", "d07"}, {"move 7"}},
      {"a move, then a chat line", {"hhod05sHello"}, {"move 5", "chat [Hello]"}},
      {"a chat line, then a move in the next read",
       {"sHello", "hhod05"},
       {"chat [Hello]", "move 5"}},
      // The chat line has no length on the wire: it ends the read that carries it.
      {"a chat line, then a move in the same read", {"sHihhod05"}, {"chat [Hihhod05]"}},
      {"settlement and the next deal",
       {"hitogs" + DealText(ShuffledDeck(4))},
       {"settle",
        "deal " + ToNotation(ShuffledDeck(4)[1]) + ".." + ToNotation(ShuffledDeck(4)[36])}},
      {"abort between moves", {"hhod01abort", "hpass0"}, {"move 1", "abort", "pass"}},
      {"a move with a bad slot keeps its place", {"hhod00hhod02"}, {"ignored", "move 2"}},
      {"an unknown play message keeps its place", {"hxxxxxhpass0"}, {"ignored", "pass"}},
      {"a refused join request keeps its place",
       {JoinRequestText("Anna", 44, "24") + "hpass0"},
       {"join 4424 [Anna" + std::string(15, ' ') + "]", "pass"}},
  };
  for (const auto& c : cases) {
    LanMessageReader reader;
    EXPECT_EQ(FeedAll(reader, c.reads), c.expected) << c.what;
  }
}

// A byte that starts no message spoils the rest of its read, and only that: the next read
// is read afresh, with nothing held back from the bad one.
TEST(LanMessageReader, StrayBytesLoseOnlyTheRestOfTheirRead) {
  const struct {
    const char* what;
    std::string bad;
  } cases[] = {
      {"unknown first byte", "xyzhhod05"},
      {"not a deal after all", "bzzhhod05"},
      {"deal with a broken code halfway",
       "b6\xF7"
       "6\xE1"
       "6?hhod05"},
      {"not a join answer", "cxhhod05"},
      {"not a join request", "kovvhhod05"},
      {"not abort", "abxhhod05"},
  };
  for (const auto& c : cases) {
    LanMessageReader reader;
    EXPECT_EQ(FeedAll(reader, {c.bad}), std::vector<std::string>{"ignored"}) << c.what;
    EXPECT_EQ(reader.PendingSize(), 0u) << c.what;
    EXPECT_EQ(FeedAll(reader, {"hhod06"}), std::vector<std::string>{"move 6"}) << c.what;
  }
}

TEST(LanMessageReader, EmptyReadChangesNothing) {
  LanMessageReader reader;
  EXPECT_TRUE(reader.Feed("").empty());
  EXPECT_TRUE(reader.Feed("hhod").empty());
  EXPECT_TRUE(reader.Feed("").empty());
  EXPECT_EQ(FeedAll(reader, {"11"}), std::vector<std::string>{"move 11"});
}

// Whatever arrives, the reader neither fails nor holds more than one message's worth.
TEST(LanMessageReader, SurvivesArbitraryBytes) {
  Random random(99);
  LanMessageReader reader;
  const std::string alphabet = "hbcksa0123456789\xF7\xE1\xEA\xEF\xC2\xD2#\0x"s;
  std::size_t messages = 0;
  for (int read = 0; read < 20000; ++read) {
    std::string bytes(static_cast<std::size_t>(random.Between1And(40)), ' ');
    for (char& c : bytes) {
      c = random.Between1And(4) == 1
              ? static_cast<char>(random.Between1And(256) - 1)
              : alphabet[static_cast<std::size_t>(
                    random.Between1And(static_cast<int>(alphabet.size())) - 1)];
    }
    messages += reader.Feed(bytes).size();
    ASSERT_LT(reader.PendingSize(), kDealLength);
  }
  EXPECT_GT(messages, 0u);
}

}  // namespace
}  // namespace zendral::net
