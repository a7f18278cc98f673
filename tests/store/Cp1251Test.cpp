#include "store/Cp1251.h"

#include <gtest/gtest.h>

namespace zendral {
namespace {

TEST(Cp1251, EveryByteSurvivesTheWayToUtf8AndBack) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string text = Cp1251ToUtf8(all);
  EXPECT_EQ(Utf8ToCp1251(text), all);
}

TEST(Cp1251, LettersAndSignsOfTheCodePage) {
  struct Case {
    std::string byte;
    std::string utf8;
  } cases[] = {
      {"\xC0", "\xD0\x90"},      // А
      {"\xFF", "\xD1\x8F"},      // я
      {"\xA8", "\xD0\x81"},      // Ё
      {"\xB8", "\xD1\x91"},      // ё
      {"\xB9", "\xE2\x84\x96"},  // №
      {"\x88", "\xE2\x82\xAC"},  // €
      {"\x96", "\xE2\x80\x93"},  // en dash
      {"\xA0", "\xC2\xA0"},      // no-break space
      {"\xB2", "\xD0\x86"},      // І
      {"\xA5", "\xD2\x90"},      // Ґ
      {"\x90", "\xD1\x92"},      // ђ, the byte of the game's line
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Cp1251ToUtf8(c.byte), c.utf8);
    EXPECT_EQ(Utf8ToCp1251(c.utf8), c.byte);
  }
}

TEST(Cp1251, CharactersWithoutAByteAndBrokenUtf8BecomeTheReplacement) {
  EXPECT_EQ(Utf8ToCp1251("a\xE4\xB8\xAD"
                         "b"),
            "a?b");                                  // 中
  EXPECT_EQ(Utf8ToCp1251("\xF0\x9F\x83\x8F"), "?");  // a playing card sign
  EXPECT_EQ(Utf8ToCp1251("x\xD0"), "x?");            // cut in the middle
  EXPECT_EQ(Utf8ToCp1251("\xC0\xAF"), "??");         // over-long form of "/"
  EXPECT_EQ(Utf8ToCp1251("\xED\xA0\x80"), "???");    // a lone surrogate
  EXPECT_EQ(Utf8ToCp1251("\x80\xD1\x8F", '#'), "#\xFF");
}

}  // namespace
}  // namespace zendral
