#include <gtest/gtest.h>

#include "protocol/Scramble.h"

namespace zendral::protocol {
namespace {

TEST(Scramble, EveryTextComesBackAndTheFormKeepsFileSeparatorsOut) {
  const std::string everyByte = [] {
    std::string text;
    for (int b = 0; b < 256; ++b) text += static_cast<char>(b);
    return text;
  }();
  for (const std::string& text : {std::string(), std::string("http://127.0.0.1:8044/services/"),
                                  std::string("pa#s$w rd=&\r\n"), everyByte}) {
    const std::string scrambled = Scramble(text);
    EXPECT_EQ(scrambled.size(), 2 * text.size());
    EXPECT_EQ(scrambled.find_first_not_of("0123456789ABCDEF"), std::string::npos) << scrambled;
    EXPECT_EQ(Unscramble(scrambled), text);
  }
  // The key runs along the text: equal letters do not scramble alike.
  const std::string same = Scramble("aaaa");
  EXPECT_NE(same.substr(0, 2), same.substr(2, 2));
}

TEST(Scramble, TextsThatAreNoScrambledFormAreRefused) {
  EXPECT_EQ(Unscramble("ABC"), std::nullopt);   // odd length
  EXPECT_EQ(Unscramble("0G"), std::nullopt);    // not hexadecimal
  EXPECT_EQ(Unscramble("1 2 "), std::nullopt);  // blanks
  EXPECT_EQ(Unscramble(Scramble("x") + "#"), std::nullopt);
  // Lower case hexadecimal is read as written by hand.
  EXPECT_EQ(Unscramble("3b"), Unscramble("3B"));
}

}  // namespace
}  // namespace zendral::protocol
