#pragma once
// The subcommands of zendral-cli. Each file Cmd*.cpp registers its commands with a static
// CommandRegistration; main() finds them by name. Each command takes the words after its
// name and returns the process exit status.

#include <string>
#include <string_view>
#include <vector>

namespace zendral::cli {

using Words = std::vector<std::string>;
using CommandFn = int (*)(const Words& args);

struct Command {
  std::string_view name;
  CommandFn run;
  std::string_view usage;  // one line, starting with the command's name
};

const std::vector<Command>& AllCommands();

struct CommandRegistration {
  CommandRegistration(std::string_view name, CommandFn run, std::string_view usage);
};

}  // namespace zendral::cli
