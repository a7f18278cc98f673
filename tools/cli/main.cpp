// zendral-cli: support tool for players, testers and translators.

#include <cstdio>
#include <string>
#include <string_view>

#include "Commands.h"

namespace {

struct Command {
  std::string_view name;
  int (*run)(const zendral::cli::Words&);
  std::string_view usage;
};

constexpr Command kCommands[] = {
    {"choose", zendral::cli::RunChoose,
     "choose --own CARDS --opp CARDS --layout CARDS [--lay-counter N]"},
    {"simulate", zendral::cli::RunSimulate, "simulate --kons N [--seed S]"},
};

int Usage() {
  std::fputs("usage: zendral-cli COMMAND [options]\n", stderr);
  for (const auto& c : kCommands) {
    std::fprintf(stderr, "  zendral-cli %.*s\n", static_cast<int>(c.usage.size()), c.usage.data());
  }
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string_view name = argv[1];
  const zendral::cli::Words rest(argv + 2, argv + argc);
  for (const auto& c : kCommands) {
    if (c.name == name) return c.run(rest);
  }
  std::fprintf(stderr, "zendral-cli: unknown command '%s'\n", argv[1]);
  return Usage();
}
