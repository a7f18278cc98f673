// The free texts a player types (a chat line, the profile): every character Windows-1251
// holds travels and comes back as typed; the rest is refused, with the reason.

#include <gtest/gtest.h>

#include "store/AccountText.h"

namespace zendral {
namespace {

TEST(FreeText, WhatCannotBeTypedAndWhy) {
  const struct {
    const char* text;
    TypedRefusal refusal;
    const char* first;  // the first refused character
  } cases[] = {
      {"Hi all & co: 1+1=2, 50% off $5 ~ok Привет, друзья!", TypedRefusal::kNone, ""},
      {"a~b$c#d|e*f_g", TypedRefusal::kNone, ""},
      {"Ї і є № € «»", TypedRefusal::kNone, ""},
      {"こんにちは", TypedRefusal::kCodePage, "こ"},
      {"ok 你好", TypedRefusal::kCodePage, "你"},
      {"Grüße", TypedRefusal::kCodePage, "ü"},
      {"smile 😀", TypedRefusal::kCodePage, "😀"},
      {"line\nbreak", TypedRefusal::kControl, "\n"},
      {"tab\there", TypedRefusal::kControl, "\t"},
      {"", TypedRefusal::kNone, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CheckFreeText(c.text), c.refusal) << c.text;
    EXPECT_EQ(FirstRefusedCharacter(c.text), c.first) << c.text;
  }
}

TEST(FreeText, EveryCharacterTheCodePageHoldsComesBackAsTyped) {
  // Every printable byte of Windows-1251 in one text, in both uses.
  std::string all;
  for (const char* piece :
       {" !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstu"
        "vwxyz{|}~",
        "ЂЃ‚ѓ„…†‡€‰Љ‹ЊЌЋЏђ‘’“”•–—™љ›њќћџЎўЈ¤Ґ¦§Ё©Є«¬®Ї°±Ііґµ¶·ё№є»јЅѕї",
        "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмнопрстуфхцчшщъыьэюя"}) {
    all += piece;
  }
  for (const FreeTextUse use : {FreeTextUse::kChat, FreeTextUse::kProfile}) {
    const std::string sent = EncodeFreeText(all, use);
    EXPECT_EQ(DecodeFreeText(sent, use), all);
    // Nothing the replies use is left in the travelling form.
    for (const char reserved : {'$', '*', '~', '#'}) {
      EXPECT_EQ(sent.find(reserved), std::string::npos) << reserved;
    }
    EXPECT_EQ(sent.find(' ') == std::string::npos, use == FreeTextUse::kChat);
    EXPECT_TRUE(IsTravellingFreeText(sent, use, 1000));
  }
  EXPECT_EQ(EncodeFreeText("a~b$c#d|e", FreeTextUse::kProfile), "a%7Eb%24c%23d|e");
  EXPECT_EQ(EncodeFreeText("a_b c", FreeTextUse::kProfile), "a_b c");
  EXPECT_EQ(EncodeFreeText("a_b c", FreeTextUse::kChat), "a%5Fb_c");
}

// What the club server accepts and how it cuts a profile text to its field's length.
TEST(FreeText, TheServersChecks) {
  using U = FreeTextUse;
  const struct {
    const char* encoded;
    U use;
    std::size_t maxChars;
    bool accepted;
  } cases[] = {
      {"Hi_all_&_co:_50%25_off_%245", U::kChat, 80, true},
      {"Привет,_друзья!", U::kChat, 80, true},
      {"two words", U::kChat, 80, false},    // a space would split the reply's tokens
      {"two words", U::kProfile, 80, true},  // the profile's tokens end at "~" only
      {"cost $5", U::kProfile, 80, false},
      {"a~b", U::kProfile, 80, false},
      {"#1", U::kChat, 80, false},
      {"star*", U::kChat, 80, false},
      {"50%", U::kChat, 80, false},  // a "%" that escapes nothing
      {"%24%24%24", U::kChat, 3, true},
      {"%24%24%24%24", U::kChat, 3, false},
      {"abc", U::kChat, 2, false},
      {"", U::kChat, 80, false},
      {"a\tb", U::kProfile, 80, false},
      {"こ", U::kProfile, 80, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsTravellingFreeText(c.encoded, c.use, c.maxChars), c.accepted) << c.encoded;
  }
  EXPECT_EQ(CutFreeText("ab%24cd", U::kProfile, 3), "ab%24");
  EXPECT_EQ(CutFreeText("ab%24cd", U::kProfile, 2), "ab");
  EXPECT_EQ(CutFreeText("жжж", U::kProfile, 2), "жж");
  EXPECT_EQ(CutFreeText("short", U::kProfile, 50), "short");
}

}  // namespace
}  // namespace zendral
