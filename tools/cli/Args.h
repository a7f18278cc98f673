#pragma once
// A small reader of "--name value" options for the subcommands of zendral-cli.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zendral::cli {

class Args {
 public:
  // Reads args as --name value pairs and bare positionals. Names in flags take no value.
  Args(const std::vector<std::string>& args, const std::vector<std::string>& flags = {});

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }

  bool Has(const std::string& name) const { return options_.count(name) != 0; }
  std::optional<std::string> Get(const std::string& name) const;
  // The option as a whole number; nullopt when absent; sets error() when malformed.
  std::optional<long long> GetNumber(const std::string& name);
  const std::vector<std::string>& positionals() const { return positionals_; }
  // Names that were given but are not in the allowed list.
  std::optional<std::string> Unknown(const std::vector<std::string>& allowed) const;

 private:
  std::map<std::string, std::string> options_;
  std::vector<std::string> positionals_;
  std::string error_;
};

}  // namespace zendral::cli
