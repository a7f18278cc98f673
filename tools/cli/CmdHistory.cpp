// zendral-cli history check: validates a history file as the History window does.

#include <cstdio>
#include <string>

#include "Args.h"
#include "Commands.h"
#include "store/HistoryFile.h"

namespace zendral::cli {

static int RunHistory(const Words& words);
static const CommandRegistration kRegistration("history", RunHistory, "history check FILE");

namespace {

std::string FaultText(const HistoryCheck& check) {
  const std::string line = "line " + std::to_string(check.faultLine) + ": ";
  switch (check.fault) {
    case HistoryFault::kNone:
      return "ok";
    case HistoryFault::kMissing:
      return "missing: no such file";
    case HistoryFault::kUnreadable:
      return "invalid: the file cannot be read";
    case HistoryFault::kLineLength:
      return "invalid: " + line + "not 114 characters";
    case HistoryFault::kLineChecksum:
      return "invalid: " + line + "its checksums differ from its data";
    case HistoryFault::kNoEndLine:
      return "invalid: no end line";
    case HistoryFault::kTotals:
      return "invalid: " + line + "the totals line is missing or differs";
  }
  return "invalid";
}

}  // namespace

int RunHistory(const Words& words) {
  Args args(words);
  const auto& positionals = args.positionals();
  if (!args.ok() || args.Unknown({}) || positionals.size() != 2 || positionals[0] != "check") {
    std::fprintf(stderr, "zendral-cli history: %s\n",
                 args.ok() ? "usage: history check FILE" : args.error().c_str());
    return 2;
  }
  const HistoryFileInfo info = ValidateHistoryFile(positionals[1]);
  if (!info.check.ok()) {
    std::printf("%s\n", FaultText(info.check).c_str());
    return 1;
  }
  std::printf("ok %d\n", info.check.playerLines);
  return 0;
}

}  // namespace zendral::cli
