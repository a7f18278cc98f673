#include "present/audio/VoiceNames.h"

#include <gtest/gtest.h>

#include <set>

namespace zendral::audio {
namespace {

TEST(VoiceNames, CardsAndLanguages) {
  struct Case {
    TCardCode card;
    int language;
    const char* want;
  };
  const Case cases[] = {
      {{7, kHearts}, 1, "Ch3QVoiceRus"},  // the queen of hearts in Russian
      {{7, kHearts}, 9, "Ch3QVoiceKor"},  // and in Korean, a voice of its own
      {{7, kHearts}, 8, "Ch3QVoiceJap"},   {{1, kDiamonds}, 1, "Bu06VoiceRus"},
      {{5, kClubs}, 0, "Kr10VoiceEng"},    {{6, kSpades}, 2, "Pi2JVoiceDeu"},
      {{8, kDiamonds}, 3, "Bu4KVoiceFra"}, {{9, kSpades}, 4, "Pi5AVoiceSpa"},
      {{4, kClubs}, 5, "Kr09VoiceChi"},    {{2, kHearts}, 6, "Ch07VoiceIta"},
      {{3, kSpades}, 7, "Pi08VoiceCze"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VoiceResourceName(c.card, c.language), c.want);
  }
  EXPECT_EQ(VoiceResourceName(kEmptyCard, 1), "");
  EXPECT_EQ(VoiceResourceName({7, kHearts}, 10), "");
  EXPECT_EQ(VoiceResourceName({7, kHearts}, -1), "");
  EXPECT_EQ(VoiceResourceName({10, kHearts}, 0), "");
}

TEST(VoiceNames, ThreeHundredSixtyDistinctNames) {
  std::set<std::string> names;
  for (int language = 0; language < 10; ++language) {
    for (int k = 1; k <= kDeckSize; ++k)
      names.insert(VoiceResourceName(CardFromNumber(k), language));
  }
  EXPECT_EQ(names.size(), 360u);
  EXPECT_FALSE(names.contains(""));
}

}  // namespace
}  // namespace zendral::audio
