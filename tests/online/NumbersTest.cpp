// Numbers on the wire and on the screen, whatever the user's locale.

#include <gtest/gtest.h>

#include <clocale>

#include "online/Numbers.h"

namespace zendral::online {
namespace {

TEST(Numbers, RatingsGoOutWithADotInAnyLocale) {
  // A locale with "," as its separator must not change the wire form.
  const char* locale = std::setlocale(LC_ALL, "de_DE.UTF-8");
  if (locale == nullptr) locale = std::setlocale(LC_ALL, "ru_RU.UTF-8");
  EXPECT_EQ(FormatRating(12.5), "12.5");
  EXPECT_EQ(FormatRating(0.000004), "0");
  EXPECT_EQ(FormatRating(-0.000004), "0");
  EXPECT_EQ(FormatRating(0.00001), "1e-05");
  EXPECT_EQ(FormatRating(7), "7");
  EXPECT_EQ(FormatRating(-50.0 / 3 + 0.1), "-16.5666666666667");
  EXPECT_EQ(ShowRating(12.5), "12,500");
  EXPECT_EQ(ShowRating(7), "7,000");
  EXPECT_EQ(ShowRating(4.1), "4,100");
  EXPECT_EQ(ShowRating(-16.56666), "-16,567");
  EXPECT_EQ(ShowRating(-0.0001), "0,000");
  EXPECT_EQ(ShowRating(-16.56666, '.'), "-16.567");
  EXPECT_EQ(ShowRating(-0.0001, '.'), "0.000");
  std::setlocale(LC_ALL, "C");
}

TEST(Numbers, TokensAsTheServerWritesThem) {
  EXPECT_EQ(ParseIntToken("150"), 150);
  EXPECT_EQ(ParseIntToken("-3"), -3);
  EXPECT_EQ(ParseIntToken(""), std::nullopt);
  EXPECT_EQ(ParseIntToken("12a"), std::nullopt);
  EXPECT_EQ(ParseIntToken("-"), std::nullopt);
  EXPECT_EQ(ParseIntToken("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ParseIntToken("2147483648"), std::nullopt);
  EXPECT_EQ(ParseRealToken("12.5"), 12.5);
  EXPECT_EQ(ParseRealToken("12,5"), 12.5);
  EXPECT_EQ(ParseRealToken("-4"), -4.0);
  EXPECT_EQ(ParseRealToken(""), 0.0);
  EXPECT_EQ(ParseRealToken("1.2.3"), std::nullopt);
  EXPECT_EQ(ParseRealToken("abc"), std::nullopt);
  EXPECT_EQ(ParseRealToken("nan"), std::nullopt);
}

}  // namespace
}  // namespace zendral::online
