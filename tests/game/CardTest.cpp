#include "game/Card.h"

#include <gtest/gtest.h>

#include "game/CardList.h"

namespace zendral {
namespace {

TEST(Card, EveryCardRoundTripsThroughItsTwoBytesAndItsNotation) {
  for (int k = 1; k <= kDeckSize; ++k) {
    const TCardCode card = CardFromNumber(k);
    EXPECT_EQ(CardNumber(card), k);
    EXPECT_EQ(FromCp1251(ToCp1251(card)), card) << k;
    EXPECT_EQ(FromNotation(ToNotation(card)), card) << k;
  }
}

TEST(Card, CardNumbersAndBytesFollowTheDeckOrder) {
  // 1 = six of hearts, 4 = six of spades, 16 = nine of spades, 17 = ten of hearts, 36 = ace of
  // spades
  EXPECT_EQ(ToCp1251(CardFromNumber(1)), "6\xF7");
  EXPECT_EQ(ToCp1251(CardFromNumber(4)), "6\xEF");
  EXPECT_EQ(ToCp1251(CardFromNumber(16)), "9\xEF");
  EXPECT_EQ(ToCp1251(CardFromNumber(17)), "1\xF7");
  EXPECT_EQ(ToCp1251(CardFromNumber(36)), "\xD2\xEF");
  EXPECT_EQ(ToCp1251(kOpeningCard), "9\xE1");
  EXPECT_EQ(ToCp1251(kEmptyCard), "##");
  EXPECT_EQ(kEmptyCard.RankValue(), kEmptyRankValue);
  EXPECT_EQ(TCardCode(6, kClubs).RankValue(), 6);
}

TEST(Card, ReadsBothNotations) {
  struct Case {
    const char* text;
    TCardCode card;
  } cases[] = {
      {"9d", {4, kDiamonds}},
      {"Td", {5, kDiamonds}},
      {"10d", {5, kDiamonds}},
      {"1d", {5, kDiamonds}},
      {"jh", {6, kHearts}},
      {"QC", {7, kClubs}},
      {"As", {9, kSpades}},
      {"9\xD0\xB1", {4, kDiamonds}} /* 9б */,
      {"1\xD1\x87", {5, kHearts}} /* 1ч */,
      {"\xD0\x92\xD0\xBA", {6, kClubs}} /* Вк */,
      {"\xD0\xA2\xD0\xBF", {9, kSpades}} /* Тп */,
      {"\xD0\x9A\xD0\x9F", {8, kSpades}} /* КП */,
  };
  for (const auto& c : cases) EXPECT_EQ(FromNotation(c.text), c.card) << c.text;
}

TEST(Card, RejectsWhatIsNoCard) {
  for (const char* bad : {"", "9", "9x", "9dd", "Xd", "9 d", "\xD0\x92", "99d", "d9"}) {
    EXPECT_FALSE(FromNotation(bad).has_value()) << bad;
  }
  for (const char* bad : {"", "9", "9b", "xx", "9\xE1 ", "\xE1\x39"}) {
    EXPECT_FALSE(FromCp1251(bad).has_value()) << bad;
  }
}

TEST(CardList, ParsesSeparatorsAndNamesTheBadWord) {
  const auto ok = ParseCardList(" 9d,Td  Jh,,6\xD1\x87 ");
  ASSERT_TRUE(ok.error.empty()) << ok.error;
  ASSERT_EQ(ok.cards.size(), 4u);
  EXPECT_EQ(ok.cards[3], TCardCode(1, kHearts));
  EXPECT_TRUE(ParseCardList("").cards.empty());

  const auto bad = ParseCardList("9d 7z Jh");
  EXPECT_TRUE(bad.cards.empty());
  EXPECT_NE(bad.error.find("7z"), std::string::npos);
}

}  // namespace
}  // namespace zendral
