// The reply grammar: every reader on the edge cases of the server's replies, and on any bytes.

#include <gtest/gtest.h>

#include <random>

#include "online/Reply.h"

namespace zendral::online {
namespace {

TEST(ReplyHasPair, FindsTheMarkerAnywhereAlsoInsideWords) {
  EXPECT_TRUE(ReplyHasPair("ok", "ok"));
  EXPECT_TRUE(ReplyHasPair("<html>bookmark</html>", "ok"));
  EXPECT_FALSE(ReplyHasPair("", "ok"));
  EXPECT_FALSE(ReplyHasPair("o", "ok"));
  EXPECT_FALSE(ReplyHasPair("o k", "ok"));
}

TEST(ReplyHasMarkerOutsideSegment, DataInsideTheRecordIsNoRefusal) {
  struct Case {
    const char* reply;
    bool refused;
  };
  const Case cases[] = {
      {"no", true},
      {"$Toronto Lebanon 2-026 M nora@x.org 01.01.2020 xxx xxx xxx 0 0 0$", false},
      {"no$Moscow$", true},
      {"$Moscow$no", true},
      {"$Moscow no", false},  // an unclosed segment runs to the end
      {"n$x$o", false},       // the two letters meet only when the segment is cut out
      {"", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplyHasMarkerOutsideSegment(c.reply, "no"), c.refused) << c.reply;
  }
}

TEST(ReplySegment, TokensOfTheFirstSegment) {
  struct Case {
    const char* reply;
    char separator;
    std::optional<Tokens> tokens;
  };
  const Case cases[] = {
      {"", ' ', std::nullopt},
      {"$", ' ', std::nullopt},  // the only "$" is the last character
      {"no", ' ', std::nullopt},
      {"$Moscow Russia$", ' ', Tokens{"", "Moscow", "Russia"}},
      {"xx$Moscow Russia", ' ', Tokens{"", "Moscow", "Russia"}},
      {"$Moscow  Russia$tail$", ' ', Tokens{"", "Moscow", "", "Russia"}},
      {"$ Moscow Russia $", ' ', Tokens{"", "", "Moscow", "Russia", ""}},
      {"$$", ' ', Tokens{"", ""}},
      {"$a~~c~$", '~', Tokens{"", "a", "", "c", ""}},
      {"$150$", '$', Tokens{"", "150"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplySegment(c.reply, c.separator), c.tokens) << c.reply;
  }
}

TEST(ReplySegments, RecordsFromDollarToStarAtMostTen) {
  EXPECT_TRUE(ReplySegments("", ' ').empty());
  EXPECT_TRUE(ReplySegments("nothing here", ' ').empty());
  const auto two = ReplySegments("$1 a*$2 b*", ' ');
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0], (Tokens{"", "1", "a"}));
  EXPECT_EQ(two[1], (Tokens{"", "2", "b"}));

  std::string twelve;
  for (int i = 1; i <= 12; ++i)
    twelve += std::string(1, '$') + std::to_string(i) + std::string(" x*");
  const auto ten = ReplySegments(twelve, ' ');
  ASSERT_EQ(ten.size(), 10u);
  EXPECT_EQ(ten[9][1], "10");

  // A record without "*" runs to the end; a "$" inside a record opens a further record.
  const auto nested = ReplySegments("$a $b*", ' ');
  ASSERT_EQ(nested.size(), 2u);
  EXPECT_EQ(nested[0], (Tokens{"", "a", "$b"}));
  EXPECT_EQ(nested[1], (Tokens{"", "b"}));
  // A last "$" opens nothing.
  EXPECT_EQ(ReplySegments("$a*$", ' ').size(), 1u);
}

TEST(ReplyTrailingNumber, DigitsAfterTheLastDollar) {
  struct Case {
    const char* reply;
    std::optional<int> number;
  };
  const Case cases[] = {
      {"", std::nullopt},
      {"$", std::nullopt},
      {"$57$", 57},
      {"$57 ", 57},
      {"text $12$ more $57$", 57},
      {"$57$$", std::nullopt},  // two "$" at the end: the second-last opens an empty number
      {"$abc", std::nullopt},
      {"$12$abc", std::nullopt},  // no earlier "$" is tried
      {"$-5$", std::nullopt},
      {"$2147483647$", 2147483647},
      {"$2147483648$", std::nullopt},
      {"$99999999999999999999$", std::nullopt},
      {"no", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplyTrailingNumber(c.reply), c.number) << c.reply;
  }
}

TEST(ReplyTrailingAck, OkAfterTheLastDollar) {
  struct Case {
    const char* reply;
    bool ack;
  };
  const Case cases[] = {
      {"$ ok#", true}, {"$ no#", false},      {"$xok", true},
      {"$ok#", false}, {"$ ok", true},        {"", false},
      {"$", false},    {"$ ok#$ no#", false}, {"$ no#$ ok#", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplyTrailingAck(c.reply), c.ack) << c.reply;
  }
}

TEST(ReplyReaders, SurviveAnyBytes) {
  std::mt19937 random(44);
  const std::string alphabet = "$*~#no ok is 0123456789\x00\xff\xc0-";
  for (int round = 0; round < 20000; ++round) {
    std::string reply(random() % 40, ' ');
    for (char& c : reply) {
      c = (round % 3 == 0) ? static_cast<char>(random() % 256)
                           : alphabet[random() % alphabet.size()];
    }
    (void)ReplyHasPair(reply, "ok");
    (void)ReplyHasMarkerOutsideSegment(reply, "no");
    (void)ReplySegment(reply, ' ');
    const auto records = ReplySegments(reply, '~');
    EXPECT_LE(records.size(), 10u);
    (void)ReplyTrailingNumber(reply);
    (void)ReplyTrailingAck(reply);
  }
}

}  // namespace
}  // namespace zendral::online
