#include "Args.h"

#include <algorithm>
#include <charconv>

namespace zendral::cli {

Args::Args(const std::vector<std::string>& args, const std::vector<std::string>& flags) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (!a.starts_with("--")) {
      positionals_.push_back(a);
      continue;
    }
    std::string name = a.substr(2);
    std::string value;
    if (const auto eq = name.find('='); eq != std::string::npos) {
      value = name.substr(eq + 1);
      name.resize(eq);
    } else if (std::find(flags.begin(), flags.end(), name) == flags.end()) {
      if (i + 1 >= args.size()) {
        error_ = "option --" + name + " needs a value";
        return;
      }
      value = args[++i];
    }
    options_[name] = value;
  }
}

std::optional<std::string> Args::Get(const std::string& name) const {
  const auto it = options_.find(name);
  if (it == options_.end()) return std::nullopt;
  return it->second;
}

std::optional<long long> Args::GetNumber(const std::string& name) {
  const auto text = Get(name);
  if (!text) return std::nullopt;
  long long value = 0;
  const auto* end = text->data() + text->size();
  const auto [ptr, ec] = std::from_chars(text->data(), end, value);
  if (ec != std::errc() || ptr != end) {
    error_ = "option --" + name + " wants a whole number, not '" + *text + "'";
    return std::nullopt;
  }
  return value;
}

std::optional<std::string> Args::Unknown(const std::vector<std::string>& allowed) const {
  for (const auto& [name, value] : options_) {
    if (std::find(allowed.begin(), allowed.end(), name) == allowed.end()) return name;
  }
  return std::nullopt;
}

}  // namespace zendral::cli
