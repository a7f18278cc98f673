#include "net/LanMessage.h"

#include <gtest/gtest.h>

#include <string>

#include "game/Moves.h"
#include "game/Random.h"

namespace zendral::net {
namespace {

using namespace std::string_literals;

// Card numbers 1..36 in order: 6ч 6б 6к 6п 7ч … Тп.
Deck OrderedDeck() {
  Deck deck;
  for (int p = 1; p <= kDeckSize; ++p) deck[p] = CardFromNumber(p);
  return deck;
}

TEST(LanMessage, DealTextOfTheOrderedDeckIsByteExact) {
  const std::string expected =
      "b"
      "6\xF7"
      "6\xE1"
      "6\xEA"
      "6\xEF"
      "7\xF7"
      "7\xE1"
      "7\xEA"
      "7\xEF"
      "8\xF7"
      "8\xE1"
      "8\xEA"
      "8\xEF"
      "9\xF7"
      "9\xE1"
      "9\xEA"
      "9\xEF"
      "1\xF7"
      "1\xE1"
      "1\xEA"
      "1\xEF"
      "\xC2\xF7\xC2\xE1\xC2\xEA\xC2\xEF"
      "\xC4\xF7\xC4\xE1\xC4\xEA\xC4\xEF"
      "\xCA\xF7\xCA\xE1\xCA\xEA\xCA\xEF"
      "\xD2\xF7\xD2\xE1\xD2\xEA\xD2\xEF"
      "111122223333444455556666777788889999"s;
  ASSERT_EQ(expected.size(), 109u);
  EXPECT_EQ(DealText(OrderedDeck()), expected);
  EXPECT_EQ(ParseDealText(expected), OrderedDeck());
}

TEST(LanMessage, DealTextPutsEachPositionWhereThePeerLooksForIt) {
  Deck deck = OrderedDeck();
  std::swap(deck[1], deck[14]);  // the nine of diamonds first, the six of hearts at 14
  const std::string text = DealText(deck);
  EXPECT_EQ(text.substr(1, 2), "9\xE1");   // characters 2-3
  EXPECT_EQ(text.substr(27, 2), "6\xF7");  // position 14: characters 2p-1, 2p after the "b"
  EXPECT_EQ(text[72 + 1], '4');            // rank digit of position 1 (a nine)
  EXPECT_EQ(text[72 + 14], '1');           // rank digit of position 14 (a six)
  EXPECT_EQ(text[72 + 36], '9');           // the ace of spades stays last
}

TEST(LanMessage, ShuffledDecksSurviveTheRoundTrip) {
  Random random(7);
  for (int i = 0; i < 50; ++i) {
    Deck deck;
    ShuffleDeck(deck, random);
    const auto parsed = ParseDealText(DealText(deck));
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(*parsed, deck);
  }
}

// A deal that would leave the two copies holding different or impossible cards is refused.
TEST(LanMessage, BrokenDealsAreRefused) {
  const std::string good = DealText(OrderedDeck());
  auto with = [&](std::size_t at, std::string bytes) {
    std::string text = good;
    text.replace(at, bytes.size(), bytes);
    return text;
  };
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"one byte short", good.substr(0, 108)},
      {"one byte long", good + "1"},
      {"not a deal", with(0, "h")},
      {"a card twice", with(3, "6\xF7")},  // position 2 repeats position 1
      {"an empty card", with(1, "##")},
      {"an unknown suit byte", with(2, "x")},
      {"a Latin rank letter", with(1, "T")},
      {"rank digit that does not match", with(73, "2")},
      {"rank digit zero", with(73, "0")},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(ParseDealText(c.text).has_value()) << c.what;
    EXPECT_EQ(DecodeMessage(c.text).kind, LanKind::kIgnored) << c.what;
  }
}

// The rules write moves with game/Moves.h; the slot goes out as two digits and every slot
// of a hand reads back.
TEST(LanMessage, MoveSlotsAreTwoDigitsAndReadBack) {
  EXPECT_EQ(MoveMessage(7), "hhod07");
  EXPECT_EQ(MoveMessage(12), "hhod12");
  for (int slot = 1; slot <= kHandSize; ++slot) {
    const LanMessage m = DecodeMessage(MoveMessage(slot));
    EXPECT_EQ(m.kind, LanKind::kMove);
    EXPECT_EQ(m.slot, slot);
  }
  // A slot no hand can have would act on an empty or missing card.
  for (const char* bad : {"hhod00", "hhod19", "hhod99", "hhod0x", "hhod 5", "hhod-1"}) {
    EXPECT_FALSE(ParseMoveSlot(bad).has_value()) << bad;
    EXPECT_EQ(DecodeMessage(bad).kind, LanKind::kIgnored) << bad;
  }
}

TEST(LanMessage, PlayMessagesDecodeByTheirExactText) {
  const struct {
    std::string text;
    LanKind kind;
  } cases[] = {
      {"hbegin", LanKind::kBegin},   {"hpass0", LanKind::kPass},    {"hitogs", LanKind::kSettle},
      {"hpass1", LanKind::kIgnored}, {"habcde", LanKind::kIgnored}, {"abort", LanKind::kAbort},
      {"abortx", LanKind::kIgnored}, {"sHello", LanKind::kChat},    {"x", LanKind::kIgnored},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeMessage(c.text).kind, c.kind) << c.text;
  EXPECT_EQ(DecodeMessage("sHello").chat, "Hello");
}

TEST(LanMessage, JoinMessagesHaveTheirFixedLayout) {
  EXPECT_EQ(JoinRequestText("Anna"), "kov4425connect1Anna                "s);
  EXPECT_EQ(JoinRequestText("Anna", 4), "kov0425connect1Anna                "s);
  EXPECT_EQ(JoinAnswerText("Boris"), "connect2Boris               "s);
  EXPECT_EQ(JoinRequestText("Anna").size(), kJoinRequestLength);
  EXPECT_EQ(JoinAnswerText("Boris").size(), kJoinAnswerLength);
  // A name longer than the field is cut, never spills into the next message.
  EXPECT_EQ(WireName("abcdefghijklmnopqrstuvwxyz"), "abcdefghijklmnopqrst");
}

// Both sides drop the last byte of the 20-byte name field: a five-letter name keeps 14 blanks.
TEST(LanMessage, PeerNameKeepsAllButTheLastPaddingByte) {
  const LanMessage request = DecodeMessage(JoinRequestText("Olga\xE0"));  // cp1251 'а'
  EXPECT_EQ(request.kind, LanKind::kJoinRequest);
  EXPECT_EQ(request.name, "Olga\xE0" + std::string(14, ' '));
  const LanMessage answer = DecodeMessage(JoinAnswerText("Boris"));
  EXPECT_EQ(answer.kind, LanKind::kJoinAnswer);
  EXPECT_EQ(answer.name, "Boris" + std::string(14, ' '));
}

TEST(LanMessage, OnlyThisGameAndProtocolAreAccepted) {
  const struct {
    std::string text;
    bool accepted;
  } cases[] = {
      {JoinRequestText("Anna"), true},
      {JoinRequestText("Anna", kGameId, "24"), false},  // older protocol
      {JoinRequestText("Anna", 43), false},             // another game of the family
      {JoinRequestText("Anna", 4), false},
  };
  for (const auto& c : cases) {
    const LanMessage m = DecodeMessage(c.text);
    EXPECT_EQ(m.kind, LanKind::kJoinRequest) << c.text;
    EXPECT_EQ(IsAcceptedJoinRequest(m), c.accepted) << c.text;
  }
  EXPECT_EQ(DecodeMessage("kov4425connectXAnna                ").kind, LanKind::kIgnored);
}

TEST(LanMessage, ChatIsCutToTheLengthOfTheChatBox) {
  EXPECT_EQ(ChatText("Hi"), "sHi");
  EXPECT_EQ(ChatText("0123456789abcdefgh"), "s0123456789abcde");
}

}  // namespace
}  // namespace zendral::net
