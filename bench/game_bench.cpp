// Speed of the computer player and of whole simulated kons (shuffle and deal included), straight
// on the moves and through the kon driver as the table drives it.

#include <benchmark/benchmark.h>

#include "game/ComputerPlayer.h"
#include "game/Deal.h"
#include "game/Simulation.h"

namespace {

using namespace zendral;

void BM_ChooseMove(benchmark::State& bench) {
  // A spread of mid-kon positions: deal, then lay a few cards by the computer's own choice.
  Random random(42);
  std::vector<GameState> positions(64);
  SilentTable table;
  for (auto& s : positions) {
    s.TurnState = ShuffleAndDeal(s, random);
    const MoveContext ctx{s, table, nullptr};
    for (int i = 0; i < 10; ++i) {
      const int seat = s.TurnState;
      const int slot = ChooseMove(s.Hands[seat], s.Board, s.Hands[OtherSeat(seat)], s.LayCounter);
      if (slot == 0) {
        PassMove(ctx, seat, false, true);
      } else {
        LayCard(ctx, seat, slot, false);
      }
    }
  }
  std::size_t i = 0;
  for (auto _ : bench) {
    const GameState& s = positions[i++ % positions.size()];
    benchmark::DoNotOptimize(ChooseMove(s.Hands[kSeat1], s.Board, s.Hands[kSeat2], s.LayCounter));
  }
}
BENCHMARK(BM_ChooseMove);

void BM_SimulatedKon(benchmark::State& bench) {
  Random random(1);
  KonState state;
  for (auto _ : bench) benchmark::DoNotOptimize(PlayComputerKon(state, random).winner);
  bench.SetItemsProcessed(bench.iterations());  // items = kons
}
BENCHMARK(BM_SimulatedKon);

// The same kons played through the kon driver's entry points: deal, begin click, clicks and
// ticks, totals, and a session's end and start every 30 kons.
void BM_DrivenKon(benchmark::State& bench) {
  Random random(1);
  DrivenKons driven(random);
  for (auto _ : bench) benchmark::DoNotOptimize(driven.PlayNext().winner);
  bench.SetItemsProcessed(bench.iterations());  // items = kons
}
BENCHMARK(BM_DrivenKon);

}  // namespace

BENCHMARK_MAIN();
