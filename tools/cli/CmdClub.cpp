// zendral-cli club: checks a club file as the program does at start-up, and shows the member
// lines of the main menu.

#include <cstdio>
#include <string>

#include "Args.h"
#include "Commands.h"
#include "store/ClubList.h"

namespace zendral::cli {

static int RunClub(const Words& words);
static const CommandRegistration kRegistration("club", RunClub,
                                               "club check FILE | club list FILE --mode 1|2");

namespace {

std::string FaultText(const ClubCheck& check) {
  switch (check.fault) {
    case ClubFault::kNone:
      return "ok";
    case ClubFault::kMissing:
      return "missing: no such file";
    case ClubFault::kUnreadable:
      return "damaged: the file cannot be read";
    case ClubFault::kLineCount:
      return "damaged: not 17 lines";
    case ClubFault::kLineLength:
      return "damaged: line " + std::to_string(check.faultLine) + " has the wrong length";
    case ClubFault::kChecksumText:
      return "damaged: the checksums of line 17 are not numbers";
    case ClubFault::kChecksumMismatch:
      return "damaged: the checksums differ from lines 1-16";
    case ClubFault::kGameLine:
      return "damaged: line 16 is not this game's";
  }
  return "damaged";
}

int Usage(const char* problem) {
  std::fprintf(stderr, "zendral-cli club: %s\n", problem);
  return 2;
}

int Check(const std::string& path) {
  const ClubCheck check = CheckClubFile(path);
  if (!check.ok()) {
    std::printf("%s\n", FaultText(check).c_str());
    return 1;
  }
  if (!check.writable) {
    std::printf("ok, but the file cannot be written or is hidden: results would not be stored\n");
  } else {
    std::printf("ok\n");
  }
  return 0;
}

int List(const std::string& path, int mode) {
  const ClubCheck check = CheckClubFile(path);
  if (!check.ok()) {
    std::printf("%s\n", FaultText(check).c_str());
    return 1;
  }
  const auto texts = ReadClubList(path, mode);
  if (!texts) {
    std::printf("damaged: the file cannot be read\n");
    return 1;
  }
  for (const std::string& text : *texts) std::printf("%s\n", text.c_str());
  return 0;
}

}  // namespace

int RunClub(const Words& words) {
  Args args(words);
  if (!args.ok()) return Usage(args.error().c_str());
  const auto& positionals = args.positionals();
  if (positionals.size() != 2) return Usage("usage: club check FILE | club list FILE --mode 1|2");
  if (positionals[0] == "check") {
    if (args.Unknown({})) return Usage("check takes no options");
    return Check(positionals[1]);
  }
  if (positionals[0] == "list") {
    const auto mode = args.GetNumber("mode");
    if (!args.ok()) return Usage(args.error().c_str());
    if (args.Unknown({"mode"}) || !mode || (*mode != 1 && *mode != 2)) {
      return Usage("usage: club list FILE --mode 1|2");
    }
    return List(positionals[1], static_cast<int>(*mode));
  }
  return Usage("usage: club check FILE | club list FILE --mode 1|2");
}

}  // namespace zendral::cli
