// The expert's gain over the classic player: each deal is played twice with the classic
// player at seat 1, once with the classic player at seat 2 and once with the expert there;
// the gain is the difference of seat 2's mean result per kon.
//
//   bench_expert_gain [--deals N] [--seed S]     (default 10000 deals)

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "game/Deck.h"
#include "game/ExpertPlayer.h"
#include "game/LeveledKon.h"
#include "game/Random.h"

int main(int argc, char** argv) {
  using namespace zendral;
  long deals = 10000;
  unsigned long long seed = 2027;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--deals") == 0) deals = std::atol(argv[i + 1]);
    if (std::strcmp(argv[i], "--seed") == 0) seed = std::strtoull(argv[i + 1], nullptr, 10);
  }
  if (deals < 1) deals = 1;

  Solver solver;
  const SeatChooser expert = [&](const KonState& s, int seat) {
    return ChooseExpertMove(solver, s, seat);
  };
  const SeatArray<SeatChooser> classicSeats{{SeatChooser(ClassicChoice), ClassicChoice}};
  const SeatArray<SeatChooser> expertSeats{{SeatChooser(ClassicChoice), expert}};

  Random random(seed);
  double sumClassic = 0, sumExpert = 0, sumSquares = 0;
  long failures = 0;
  const auto start = std::chrono::steady_clock::now();
  for (long d = 0; d < deals; ++d) {
    Deck deck;
    ShuffleDeck(deck, random);
    KonState a, b;
    if (PlayKonFromDeck(a, deck, classicSeats).winner == 0) ++failures;
    if (PlayKonFromDeck(b, deck, expertSeats).winner == 0) ++failures;
    sumClassic += a.Score[kSeat2];
    sumExpert += b.Score[kSeat2];
    const double gain = b.Score[kSeat2] - a.Score[kSeat2];
    sumSquares += gain * gain;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double n = static_cast<double>(deals);
  const double gain = (sumExpert - sumClassic) / n;
  const double spread = std::sqrt(std::max(0.0, sumSquares / n - gain * gain) / n);
  std::printf("deals: %ld\n", deals);
  std::printf("seat2 classic mean per kon: %.3f\n", sumClassic / n);
  std::printf("seat2 expert mean per kon: %.3f\n", sumExpert / n);
  std::printf("expert gain per kon: %.3f (standard error %.3f)\n", gain, spread);
  std::printf("seconds: %.1f\n", seconds);
  return failures == 0 ? 0 : 1;
}
