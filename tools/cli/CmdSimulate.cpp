// zendral-cli simulate: kons between two computer players through the kon driver, with the
// money checked.

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

  // The kons run through the kon driver, as at the table: the local player's side is played
  // by clicks the computer player chooses, and a session ends with its cycle.
  Random random = seed ? Random(static_cast<std::uint64_t>(*seed)) : Random::FromClock();
  DrivenKons driven(random);

  long long played = 0, moves = 0, passes = 0, loserCards = 0, failures = 0;
  while (played < *kons) {
    const KonStats stats = driven.PlayNext();
    ++played;
    moves += stats.moves;
    passes += stats.passes;
    loserCards += stats.cardsLeft;
    const GameState& state = driven.state();
    if (stats.winner == 0) {
      ++failures;
      break;  // the session cannot go on from a kon that did not end
    }
    if (state.Score[kSeat1] + state.Score[kSeat2] != 0 || state.Bank != 0) ++failures;
  }
  const SeatArray<long long> scores = driven.TotalScores();
  if (scores[kSeat1] + scores[kSeat2] != 0) ++failures;

  std::printf("kons: %lld\n", played);
  std::printf("moves: %lld\n", moves);
  std::printf("passes: %lld\n", passes);
  std::printf("seat1 score: %lld\n", scores[kSeat1]);
  std::printf("seat2 score: %lld\n", scores[kSeat2]);
  std::printf("average cards left in the loser's hand: %.4f\n",
              static_cast<double>(loserCards) / static_cast<double>(played));
  if (failures != 0) {
    std::fprintf(stderr, "zendral-cli simulate: %lld kons failed a check\n", failures);
    return 1;
  }
  return 0;
}

}  // namespace zendral::cli
