#pragma once
// The subcommands of zendral-cli. Each takes the words after its name and returns the
// process exit status.

#include <string>
#include <vector>

namespace zendral::cli {

using Words = std::vector<std::string>;

int RunChoose(const Words& args);
int RunSimulate(const Words& args);

}  // namespace zendral::cli
