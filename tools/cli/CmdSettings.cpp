// zendral-cli settings normalize: reads a settings file as the program does at start-up and
// writes it as the program does on exit. A missing input is a first start.

#include <cstdio>
#include <string>

#include "Args.h"
#include "Commands.h"
#include "store/Settings.h"

namespace zendral::cli {

static int RunSettings(const Words& words);
static const CommandRegistration kRegistration(
    "settings", RunSettings,
    "settings normalize IN OUT [--records ADDRESS] [--statistics ADDRESS]");

int RunSettings(const Words& words) {
  Args args(words);
  const auto& positionals = args.positionals();
  if (!args.ok() || args.Unknown({"records", "statistics"}) || positionals.size() != 3 ||
      positionals[0] != "normalize") {
    std::fprintf(stderr, "zendral-cli settings: %s\n",
                 args.ok() ? "usage: settings normalize IN OUT [--records ADDRESS] "
                             "[--statistics ADDRESS]"
                           : args.error().c_str());
    return 2;
  }
  // The built-in service addresses in their stored form, as the program would supply them.
  const ServiceAddressDefaults builtIn{args.Get("records").value_or(""),
                                       args.Get("statistics").value_or("")};
  const SettingsLoad load = LoadSettings(positionals[1], builtIn);
  if (!SaveSettings(positionals[2], load.settings)) {
    std::fprintf(stderr, "zendral-cli settings: cannot write %s\n", positionals[2].c_str());
    return 1;
  }
  switch (load.status) {
    case SettingsReadStatus::kNoFile:
      std::printf("no settings file: first start, every default\n");
      break;
    case SettingsReadStatus::kTooShort:
      std::printf("fewer than 35 lines: every default\n");
      break;
    case SettingsReadStatus::kStopped:
      std::printf("read up to line %d\n", load.stopLine);
      break;
    case SettingsReadStatus::kComplete:
      std::printf("read completely\n");
      break;
  }
  return 0;
}

}  // namespace zendral::cli
