// zendral-cli simulate: kons between two computer players, with the money checked.

#include <cstdio>

#include "Args.h"
#include "Commands.h"
#include "game/Simulation.h"

namespace zendral::cli {

static int RunSimulate(const Words& words);
static const CommandRegistration kRegistration("simulate", RunSimulate,
                                               "simulate --kons N [--seed S]");

int RunSimulate(const Words& words) {
  Args args(words);
  const auto kons = args.GetNumber("kons");
  const auto seed = args.GetNumber("seed");
  if (!args.ok() || args.Unknown({"kons", "seed"}) || !kons || *kons < 1) {
    std::fprintf(stderr, "zendral-cli simulate: %s\n",
                 args.ok() ? "usage: simulate --kons N [--seed S]" : args.error().c_str());
    return 2;
  }

  Random random = seed ? Random(static_cast<std::uint64_t>(*seed)) : Random::FromClock();
  GameState state;
  SilentTable table;
  const MoveContext ctx{state, table, nullptr};

  long long moves = 0, passes = 0, loserCards = 0, failures = 0;
  for (long long k = 0; k < *kons; ++k) {
    const KonStats stats = PlayComputerKon(ctx, random);
    moves += stats.moves;
    passes += stats.passes;
    loserCards += stats.cardsLeft;
    if (stats.winner == 0 || state.Score[kSeat1] + state.Score[kSeat2] != 0) ++failures;
  }

  std::printf("kons: %lld\n", *kons);
  std::printf("moves: %lld\n", moves);
  std::printf("passes: %lld\n", passes);
  std::printf("seat1 score: %d\n", state.Score[kSeat1]);
  std::printf("seat2 score: %d\n", state.Score[kSeat2]);
  std::printf("average cards left in the loser's hand: %.4f\n",
              static_cast<double>(loserCards) / static_cast<double>(*kons));
  if (failures != 0) {
    std::fprintf(stderr, "zendral-cli simulate: %lld kons failed a check\n", failures);
    return 1;
  }
  return 0;
}

}  // namespace zendral::cli
