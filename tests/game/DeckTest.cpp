#include "game/Deck.h"

#include <gtest/gtest.h>

#include <array>

namespace zendral {
namespace {

TEST(ShuffleDeck, YieldsEveryCardOnceAndRepeatsForTheSameSeed) {
  Random a(7), b(7), c(8);
  Deck da, db, dc;
  ShuffleDeck(da, a);
  ShuffleDeck(db, b);
  ShuffleDeck(dc, c);
  EXPECT_EQ(da, db);
  EXPECT_NE(da, dc);
  std::array<int, kDeckSize + 1> seen{};
  for (int p = 1; p <= kDeckSize; ++p) ++seen[static_cast<std::size_t>(CardNumber(da[p]))];
  for (int k = 1; k <= kDeckSize; ++k) EXPECT_EQ(seen[static_cast<std::size_t>(k)], 1) << k;
}

// Chi-square of the card-by-position table over many shuffles: a biased shuffle (say one
// that favours keeping cards near their start, or a modulo-biased draw) lands far outside.
TEST(ShuffleDeck, EveryCardIsEquallyLikelyAtEveryPosition) {
  constexpr int kShuffles = 72000;  // 2000 expected per cell
  std::array<std::array<int, kDeckSize>, kDeckSize> counts{};
  Random random(20261209);
  Deck deck;
  for (int i = 0; i < kShuffles; ++i) {
    ShuffleDeck(deck, random);
    for (int p = 1; p <= kDeckSize; ++p) {
      ++counts[static_cast<std::size_t>(p - 1)][static_cast<std::size_t>(CardNumber(deck[p]) - 1)];
    }
  }
  const double expected = static_cast<double>(kShuffles) / kDeckSize;
  double chi2 = 0;
  for (const auto& row : counts) {
    for (const int n : row) chi2 += (n - expected) * (n - expected) / expected;
  }
  // 35 × 35 = 1225 degrees of freedom: mean 1225, standard deviation 49.5.
  EXPECT_GT(chi2, 1225 - 5 * 49.5);
  EXPECT_LT(chi2, 1225 + 5 * 49.5);
}

TEST(Random, Between1AndStaysInRange) {
  Random random(3);
  std::array<int, 7> seen{};
  for (int i = 0; i < 7000; ++i) {
    const int v = random.Between1And(6);
    ASSERT_GE(v, 1);
    ASSERT_LE(v, 6);
    ++seen[static_cast<std::size_t>(v)];
  }
  for (int v = 1; v <= 6; ++v) EXPECT_GT(seen[static_cast<std::size_t>(v)], 1000);
  EXPECT_EQ(random.Between1And(1), 1);
}

}  // namespace
}  // namespace zendral
