// zendral-cli words: every text of the word tables in one language, one row a line, for
// translators and testers.

#include <cstdio>
#include <string>
#include <string_view>

#include "Args.h"
#include "Commands.h"
#include "present/words/Words.h"

namespace zendral::cli {

static int RunWords(const Words& words);
static const CommandRegistration kRegistration("words", RunWords, "words [--lang N]");

// One line per row: control characters are written as escapes, so the line break of a text
// ("\n\r") stays visible and every row stays on its line.
static std::string Escape(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out += c;
    }
  }
  return out;
}

int RunWords(const Words& words) {
  Args args(words);
  const auto lang = args.GetNumber("lang");
  if (!args.ok() || args.Unknown({"lang"}) || !args.positionals().empty() ||
      (lang && (*lang < 0 || *lang >= kLanguageCount))) {
    std::fprintf(stderr, "zendral-cli words: %s\n",
                 args.ok() ? "usage: words [--lang N], N from 0 (English) to 9 (Korean)"
                           : args.error().c_str());
    return 2;
  }
  const int language = lang ? static_cast<int>(*lang) : kDefaultLanguage;
  for (const auto& named : AllWordRows()) {
    const std::string line =
        std::string(named.name) + '\t' + Escape(Word(*named.row, language)) + '\n';
    std::fputs(line.c_str(), stdout);
  }
  return 0;
}

}  // namespace zendral::cli
