// zendral-cli choose: asks the computer player for seat 1's move.

#include <array>
#include <cstdio>

#include "Args.h"
#include "Commands.h"
#include "game/CardList.h"
#include "game/ComputerPlayer.h"

namespace zendral::cli {
namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "zendral-cli choose: %s\n", message.c_str());
  return 2;
}

}  // namespace

static int RunChoose(const Words& words);
static const CommandRegistration kRegistration(
    "choose", RunChoose, "choose --own CARDS --opp CARDS --layout CARDS [--lay-counter N]");

int RunChoose(const Words& words) {
  Args args(words);
  if (!args.ok()) return Fail(args.error());
  if (auto unknown = args.Unknown({"own", "opp", "layout", "lay-counter"})) {
    return Fail("unknown option --" + *unknown);
  }
  if (!args.Has("own") || !args.Has("opp")) return Fail("--own and --opp are required");

  std::array<CardListResult, 3> lists = {ParseCardList(*args.Get("own")),
                                         ParseCardList(*args.Get("opp")),
                                         ParseCardList(args.Get("layout").value_or(""))};
  std::array<bool, kDeckSize + 1> seen{};
  for (const auto& list : lists) {
    if (!list.error.empty()) return Fail(list.error);
    for (const TCardCode card : list.cards) {
      bool& mark = seen[static_cast<std::size_t>(CardNumber(card))];
      if (mark) return Fail("card " + ToNotation(card) + " is given twice");
      mark = true;
    }
  }
  for (int i = 0; i < 2; ++i) {
    if (lists[static_cast<std::size_t>(i)].cards.size() > kHandSize) {
      return Fail(std::string(i == 0 ? "--own" : "--opp") + " holds more than 18 cards");
    }
  }

  const Hand own = MakeHand(lists[0].cards);
  const Hand opp = MakeHand(lists[1].cards);
  Layout layout;
  for (const TCardCode card : lists[2].cards) layout.Put(card);

  long long layCounter = 1 + static_cast<long long>(lists[2].cards.size());
  if (auto n = args.GetNumber("lay-counter")) layCounter = *n;
  if (!args.ok()) return Fail(args.error());
  if (layCounter < 1 || layCounter > kDeckSize + 1) return Fail("--lay-counter must be 1..37");

  const int slot = ChooseMove(own, layout, opp, static_cast<int>(layCounter));
  if (slot == 0) {
    std::puts("0 pass");
  } else {
    std::printf("%d %s\n", slot, ToNotation(own[slot]).c_str());
  }
  return 0;
}

}  // namespace zendral::cli
