// zendral-cli solve: the value of each choice of the seat to move under perfect play.

#include <array>
#include <cstdio>

#include "Args.h"
#include "Commands.h"
#include "game/CardList.h"
#include "game/Solver.h"

namespace zendral::cli {
namespace {

int Usage(const std::string& message) {
  std::fprintf(stderr, "zendral-cli solve: %s\n", message.c_str());
  return 2;
}

int Impossible(const std::string& message) {
  std::fprintf(stderr, "zendral-cli solve: impossible position: %s\n", message.c_str());
  return 1;
}

}  // namespace

static int RunSolve(const Words& words);
static const CommandRegistration kRegistration(
    "solve", RunSolve,
    "solve --own CARDS --opp CARDS --layout CARDS [--lay-counter N] [--own-passes N] "
    "[--opp-passes N]");

int RunSolve(const Words& words) {
  Args args(words);
  if (!args.ok()) return Usage(args.error());
  if (auto unknown =
          args.Unknown({"own", "opp", "layout", "lay-counter", "own-passes", "opp-passes"})) {
    return Usage("unknown option --" + *unknown);
  }
  if (!args.Has("own") || !args.Has("opp")) return Usage("--own and --opp are required");

  const std::array<CardListResult, 3> lists = {ParseCardList(*args.Get("own")),
                                               ParseCardList(*args.Get("opp")),
                                               ParseCardList(args.Get("layout").value_or(""))};
  std::array<CardSet, 3> sets{};
  std::size_t named = 0;
  for (std::size_t i = 0; i < lists.size(); ++i) {
    if (!lists[i].error.empty()) return Usage(lists[i].error);
    for (const TCardCode card : lists[i].cards) {
      if (((sets[0] | sets[1] | sets[2]) & CardBit(card)) != 0) {
        return Impossible("card " + ToNotation(card) + " is given twice");
      }
      sets[i] |= CardBit(card);
    }
    named += lists[i].cards.size();
  }
  if (named > kDeckSize) return Impossible("more than 36 cards");

  SolverPosition position{sets[0], sets[1], sets[2], 0, 0};
  const auto layCounter = args.GetNumber("lay-counter");
  const auto ownPasses = args.GetNumber("own-passes");
  const auto oppPasses = args.GetNumber("opp-passes");
  if (!args.ok()) return Usage(args.error());
  if (layCounter && *layCounter != CardsIn(position.layout) + 1) {
    return Impossible("--lay-counter must be one more than the cards laid");
  }
  if (ownPasses && (*ownPasses < 0 || *ownPasses > kMaxPassesPaid)) {
    return Impossible("passes must be 0..100");
  }
  if (oppPasses && (*oppPasses < 0 || *oppPasses > kMaxPassesPaid)) {
    return Impossible("passes must be 0..100");
  }
  position.ownPasses = static_cast<int>(ownPasses.value_or(0));
  position.oppPasses = static_cast<int>(oppPasses.value_or(0));
  if (const std::string problem = PositionProblem(position); !problem.empty()) {
    return Impossible(problem);
  }
  if (position.own == 0 || position.opp == 0) return Impossible("the kon is over");

  Solver solver(std::size_t{16} << 20);
  for (const MoveValue& move : solver.AllMoves(position)) {
    std::printf("%s %d\n", move.card.IsEmpty() ? "pass" : ToNotation(move.card).c_str(),
                move.value);
  }
  return 0;
}

}  // namespace zendral::cli
