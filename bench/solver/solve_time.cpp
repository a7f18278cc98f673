// Whole-deal solve time: the exact value of fresh deals (the opener to move after the ante),
// one search after another on one solver whose table is kept, as in play. Prints p50, p99
// and max in milliseconds, the nodes searched and the table's size.
//
//   bench_solve_time [--deals N] [--seed S] [--table-mb M]
//
// --table-mb sets the table's size (the solver's default when not given; the table coach of
// the program takes 2 MB): the mean value for the opener is the same at every size, only the
// time differs.

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "game/Deck.h"
#include "game/KonCore.h"
#include "game/Random.h"
#include "game/Solver.h"

int main(int argc, char** argv) {
  using namespace zendral;
  long deals = 1000;
  unsigned long long seed = 2027;
  std::size_t tableBytes = Solver::kDefaultTableBytes;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--deals") == 0) deals = std::atol(argv[i + 1]);
    if (std::strcmp(argv[i], "--seed") == 0) seed = std::strtoull(argv[i + 1], nullptr, 10);
    if (std::strcmp(argv[i], "--table-mb") == 0) {
      tableBytes = static_cast<std::size_t>(std::max(1L, std::atol(argv[i + 1]))) << 20;
    }
  }
  if (deals < 1) deals = 1;

  Random random(seed);
  Solver solver(tableBytes);
  // Wall time, and the CPU time of this thread: on a machine shared with other work the
  // second is the search's own cost on one core.
  const auto cpuMs = [] {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
  };
  std::vector<double> ms, cpu;
  cpu.reserve(static_cast<std::size_t>(deals));
  ms.reserve(static_cast<std::size_t>(deals));
  long long valueSum = 0;
  const std::uint64_t nodesBefore = solver.nodes();
  for (long d = 0; d < deals; ++d) {
    Deck deck;
    ShuffleDeck(deck, random);
    KonState state;
    DealKonCards(state, deck);
    BeginKon(state);
    const SolverPosition position = PositionOf(state, state.TurnState);
    const double cpuStart = cpuMs();
    const auto start = std::chrono::steady_clock::now();
    valueSum += solver.Value(position);
    const auto end = std::chrono::steady_clock::now();
    cpu.push_back(cpuMs() - cpuStart);
    ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  std::sort(ms.begin(), ms.end());
  std::sort(cpu.begin(), cpu.end());
  const auto at = [](const std::vector<double>& v, double q) {
    return v[std::min(v.size() - 1, static_cast<std::size_t>(q * static_cast<double>(v.size())))];
  };
  std::printf("deals: %ld\n", deals);
  std::printf("solve ms (wall): p50 %.2f p99 %.2f max %.2f\n", at(ms, 0.50), at(ms, 0.99),
              ms.back());
  std::printf("solve ms (cpu): p50 %.2f p99 %.2f max %.2f\n", at(cpu, 0.50), at(cpu, 0.99),
              cpu.back());
  std::printf("nodes per deal: %.0f\n",
              static_cast<double>(solver.nodes() - nodesBefore) / static_cast<double>(deals));
  std::printf("mean value for the opener: %.3f\n",
              static_cast<double>(valueSum) / static_cast<double>(deals));
  std::printf("table MB: %.1f\n", static_cast<double>(solver.tableBytes()) / (1024.0 * 1024.0));
  return 0;
}
