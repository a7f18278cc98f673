// zendral-cli: support tool for players, testers and translators.

#include <algorithm>
#include <cstdio>

#include "Commands.h"

namespace zendral::cli {

static std::vector<Command>& Registry() {
  static std::vector<Command> commands;
  return commands;
}

const std::vector<Command>& AllCommands() {
  return Registry();
}

CommandRegistration::CommandRegistration(std::string_view name, CommandFn run,
                                         std::string_view usage) {
  Registry().push_back({name, run, usage});
}

}  // namespace zendral::cli

namespace {

int Usage() {
  auto commands = zendral::cli::AllCommands();
  std::sort(commands.begin(), commands.end(),
            [](const auto& a, const auto& b) { return a.name < b.name; });
  std::fputs("usage: zendral-cli COMMAND [options]\n", stderr);
  for (const auto& c : commands) {
    std::fprintf(stderr, "  zendral-cli %.*s\n", static_cast<int>(c.usage.size()), c.usage.data());
  }
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string_view name = argv[1];
  const zendral::cli::Words rest(argv + 2, argv + argc);
  for (const auto& c : zendral::cli::AllCommands()) {
    if (c.name == name) return c.run(rest);
  }
  std::fprintf(stderr, "zendral-cli: unknown command '%s'\n", argv[1]);
  return Usage();
}
