// The par of fresh deals (seat 2's best result against the computer player's answers), one
// search per deal as the server runs it once a day. Prints p50, p99 and max in milliseconds
// and the largest number of positions one search held.
//
//   bench_par_time [--deals N] [--seed S]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "game/Deck.h"
#include "game/ParSearch.h"
#include "game/Random.h"

int main(int argc, char** argv) {
  using namespace zendral;
  long deals = 200;
  unsigned long long seed = 2027;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--deals") == 0) deals = std::atol(argv[i + 1]);
    if (std::strcmp(argv[i], "--seed") == 0) seed = std::strtoull(argv[i + 1], nullptr, 10);
  }
  if (deals < 1) deals = 1;
  Random random(seed);
  std::vector<double> ms;
  std::uint64_t maxPositions = 0;
  long long parSum = 0;
  for (long d = 0; d < deals; ++d) {
    Deck deck;
    ShuffleDeck(deck, random);
    const auto start = std::chrono::steady_clock::now();
    const ParResult par = ParOfDeck(deck);
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
    maxPositions = std::max(maxPositions, par.positions);
    parSum += par.par;
  }
  std::sort(ms.begin(), ms.end());
  const auto at = [&](double q) {
    return ms[std::min(ms.size() - 1,
                       static_cast<std::size_t>(q * static_cast<double>(ms.size())))];
  };
  std::printf(
      "par of %ld deals: p50 %.2f ms, p99 %.2f ms, max %.2f ms; up to %llu positions;"
      " mean par %.2f\n",
      deals, at(0.5), at(0.99), ms.back(), static_cast<unsigned long long>(maxPositions),
      static_cast<double>(parSum) / static_cast<double>(deals));
  return 0;
}
