// zendral-cli simulate: kons between two computer players with the money checked. Two classic
// players play through the kon driver, as at the table; when a seat is the expert, the kons
// are played straight on the kon core and the expert's thinking time is measured.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "Args.h"
#include "Commands.h"
#include "game/Deck.h"
#include "game/ExpertPlayer.h"
#include "game/LeveledKon.h"
#include "game/Simulation.h"

namespace zendral::cli {
namespace {

constexpr const char* kUsage =
    "usage: simulate --kons N [--seed S] [--seat1 classic|expert] [--seat2 classic|expert]";

struct Totals {
  long long played = 0, moves = 0, passes = 0, loserCards = 0, failures = 0;
  SeatArray<long long> scores;
};

void Count(Totals& t, const KonStats& stats) {
  ++t.played;
  t.moves += stats.moves;
  t.passes += stats.passes;
  t.loserCards += stats.cardsLeft;
}

Totals PlayDriven(long long kons, Random& random) {
  // The local player's side is played by clicks the computer player chooses, and a session
  // ends with its cycle.
  DrivenKons driven(random);
  Totals t;
  while (t.played < kons) {
    const KonStats stats = driven.PlayNext();
    Count(t, stats);
    const GameState& state = driven.state();
    if (stats.winner == 0) {
      ++t.failures;
      break;  // the session cannot go on from a kon that did not end
    }
    if (state.Score[kSeat1] + state.Score[kSeat2] != 0 || state.Bank != 0) ++t.failures;
  }
  t.scores = driven.TotalScores();
  return t;
}

Totals PlayLeveled(long long kons, Random& random, const SeatArray<bool>& expert,
                   std::vector<double>& solveMs) {
  Solver solver;
  const SeatChooser classic = ClassicChoice;
  const SeatChooser timedExpert = [&](const KonState& s, int seat) {
    const auto start = std::chrono::steady_clock::now();
    const int slot = ChooseExpertMove(solver, s, seat);
    solveMs.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
    return slot;
  };
  SeatArray<SeatChooser> seats;
  for (int seat : {kSeat1, kSeat2}) seats[seat] = expert[seat] ? timedExpert : classic;

  Totals t;
  while (t.played < kons) {
    Deck deck;
    ShuffleDeck(deck, random);
    KonState state;
    const KonStats stats = PlayKonFromDeck(state, deck, seats);
    Count(t, stats);
    if (stats.winner == 0) {
      ++t.failures;
      break;
    }
    if (state.Score[kSeat1] + state.Score[kSeat2] != 0 || state.Bank != 0) ++t.failures;
    for (int seat : {kSeat1, kSeat2}) t.scores[seat] += state.Score[seat];
  }
  return t;
}

}  // namespace

static int RunSimulate(const Words& words);
static const CommandRegistration kRegistration(
    "simulate", RunSimulate,
    "simulate --kons N [--seed S] [--seat1 classic|expert] [--seat2 classic|expert]");

int RunSimulate(const Words& words) {
  Args args(words);
  const auto kons = args.GetNumber("kons");
  const auto seed = args.GetNumber("seed");
  SeatArray<bool> expert;
  bool levelsOk = true;
  for (int seat : {kSeat1, kSeat2}) {
    const std::string level = args.Get(seat == kSeat1 ? "seat1" : "seat2").value_or("classic");
    levelsOk = levelsOk && (level == "classic" || level == "expert");
    expert[seat] = level == "expert";
  }
  if (!args.ok() || args.Unknown({"kons", "seed", "seat1", "seat2"}) || !kons || *kons < 1 ||
      !levelsOk) {
    std::fprintf(stderr, "zendral-cli simulate: %s\n", args.ok() ? kUsage : args.error().c_str());
    return 2;
  }

  Random random = seed ? Random(static_cast<std::uint64_t>(*seed)) : Random::FromClock();
  std::vector<double> solveMs;
  const bool anyExpert = expert[kSeat1] || expert[kSeat2];
  Totals t = anyExpert ? PlayLeveled(*kons, random, expert, solveMs) : PlayDriven(*kons, random);
  if (t.scores[kSeat1] + t.scores[kSeat2] != 0) ++t.failures;

  std::printf("kons: %lld\n", t.played);
  std::printf("moves: %lld\n", t.moves);
  std::printf("passes: %lld\n", t.passes);
  std::printf("seat1 score: %lld\n", t.scores[kSeat1]);
  std::printf("seat2 score: %lld\n", t.scores[kSeat2]);
  std::printf("average cards left in the loser's hand: %.4f\n",
              static_cast<double>(t.loserCards) / static_cast<double>(t.played));
  std::printf("seat2 mean per kon: %.3f\n",
              static_cast<double>(t.scores[kSeat2]) / static_cast<double>(t.played));
  if (anyExpert && !solveMs.empty()) {
    std::sort(solveMs.begin(), solveMs.end());
    const auto at = [&](double q) {
      return solveMs[std::min(solveMs.size() - 1,
                              static_cast<std::size_t>(q * static_cast<double>(solveMs.size())))];
    };
    std::printf("solve ms: p50 %.2f p99 %.2f max %.2f\n", at(0.5), at(0.99), solveMs.back());
  }
  if (t.failures != 0) {
    std::fprintf(stderr, "zendral-cli simulate: %lld kons failed a check\n", t.failures);
    return 1;
  }
  return 0;
}

}  // namespace zendral::cli
