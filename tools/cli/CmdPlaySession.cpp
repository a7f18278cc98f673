// zendral-cli play-session: one local session of a new player against the computer, played
// through the kon driver's entry points as the table would drive it, and finished as the
// exit button finishes it. Prints the session's numbers and what it hands to the store.
// With --gif each kon is recorded as the program records it, the table drawn offscreen.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Args.h"
#include "Commands.h"
#include "GifRecording.h"
#include "game/KonDriver.h"
#include "game/Scores.h"
#include "game/Simulation.h"
#include "store/FileSessionStore.h"
#include "store/ProgramFolders.h"

namespace zendral::cli {
namespace {

constexpr std::size_t kNameChars = 20;  // the start dialog takes at most 20 characters

int Fail(const std::string& message) {
  std::fprintf(stderr, "zendral-cli play-session: %s\n", message.c_str());
  return 2;
}

const char* ClubName(ClubKind club) {
  return club == ClubKind::kNetwork ? "network" : "local";
}

// Accepts everything and keeps nothing: stands in for the club files and the history where
// there are none to write.
class DryRunStore final : public SessionStore {
 public:
  std::optional<PlayerRecord> LoadMember(ClubKind, int) override { return std::nullopt; }
  ClubWriteResult StoreMember(ClubKind, int, const PlayerRecord&, bool) override { return {}; }
  bool RemoveMember(ClubKind, int) override { return true; }
  bool AppendHistory(const HistoryEntry&) override { return true; }
};

// Hands every call on to the real store and remembers what it was handed, for the report.
class ReportingStore final : public SessionStore {
 public:
  // writes: the inner store writes files; a dry run only shows what it was handed.
  ReportingStore(SessionStore& inner, bool writes) : inner_(inner), writes_(writes) {}

  std::optional<PlayerRecord> LoadMember(ClubKind club, int line) override {
    return inner_.LoadMember(club, line);
  }
  ClubWriteResult StoreMember(ClubKind club, int memberLine, const PlayerRecord& record,
                              bool matchComplete) override {
    const ClubWriteResult result = inner_.StoreMember(club, memberLine, record, matchComplete);
    lines_.push_back(std::string("store club: ") + ClubName(club));
    lines_.push_back("store member line: " + std::to_string(memberLine));
    lines_.push_back("store name: " + record.name);
    lines_.push_back("store rating: " + FormatRating(record.rating));
    lines_.push_back("store kons: " + std::to_string(record.konCount));
    lines_.push_back("store cycle score: " + std::to_string(record.cycleScore));
    lines_.push_back(std::string("store match complete: ") + (matchComplete ? "yes" : "no"));
    if (writes_) {
      lines_.push_back(std::string("store written: ") + (result.written ? "yes" : "no"));
      lines_.push_back("store order place: " + std::to_string(result.orderPlace));
    }
    return result;
  }
  bool RemoveMember(ClubKind club, int line) override { return inner_.RemoveMember(club, line); }
  bool AppendHistory(const HistoryEntry& entry) override {
    const bool written = inner_.AppendHistory(entry);
    lines_.push_back("history name: " + entry.HName);
    lines_.push_back("history kons: " + std::to_string(entry.HKon));
    lines_.push_back("history score: " + std::to_string(entry.HRes));
    lines_.push_back("history rating: " + FormatRating(entry.HRei));
    lines_.push_back("history kind: " + std::to_string(entry.Ac));
    if (writes_) lines_.push_back(std::string("history written: ") + (written ? "yes" : "no"));
    return written;
  }

  const std::vector<std::string>& lines() const { return lines_; }

  static std::string FormatRating(double rating) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", rating);
    return text;
  }

 private:
  SessionStore& inner_;
  bool writes_;
  std::vector<std::string> lines_;
};

struct StoreChoice {
  std::unique_ptr<SessionStore> store;
  bool writes = false;
};

// The store the session's result goes to: the real club files and history in a program
// folder, or a dry run that only shows what it was handed. A folder without club files gets
// the shipped ones (beside this tool, or in the share folder of an install), as the program
// does on its first start. programFolder: the folder the program itself would use, decided
// by the same rule (this tool's folder when writable, else the per-user folder).
StoreChoice MakeSessionStore(std::optional<std::string> folder, bool programFolder) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path toolFolder = fs::read_symlink("/proc/self/exe", ec).parent_path();
  if (programFolder) {
    const FolderSetup setup = PrepareProgramFolders(toolFolder, CurrentUserDataEnvironment());
    if (setup.status != FolderSetupStatus::kOk) {
      std::fprintf(stderr, "zendral-cli play-session: no usable program folder (%s)\n",
                   setup.folders.programFolder.string().c_str());
      return {};
    }
    std::printf("program folder: %s\n", setup.folders.programFolder.string().c_str());
    folder = setup.folders.programFolder.string();
  }
  if (!folder) return {std::make_unique<DryRunStore>(), false};
  fs::create_directories(*folder, ec);
  const fs::path shippedFolder = ShippedFilesFolder(toolFolder);
  for (const char* name : {"Zendral.clb", "Zendral.net"}) {
    const fs::path target = fs::path(*folder) / name;
    if (!fs::exists(target, ec) && fs::exists(shippedFolder / name, ec)) {
      fs::copy_file(shippedFolder / name, target, ec);
    }
  }
  auto store = MakeFileSessionStore(*folder);
  for (const ClubKind kind : {ClubKind::kLocal, ClubKind::kNetwork}) {
    if (!store->MayWrite(kind)) {
      std::fprintf(stderr,
                   "zendral-cli play-session: %s is missing, damaged or protected "
                   "(zendral-cli club check tells which)\n",
                   store->ClubPath(kind).string().c_str());
      return {};
    }
  }
  return {std::move(store), true};
}

std::size_t CharCount(const std::string& text) {
  std::size_t n = 0;
  for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

}  // namespace

static int RunPlaySession(const Words& words);
static const CommandRegistration kRegistration(
    "play-session", RunPlaySession,
    "play-session --kons N [--seed S] [--folder DIR | --program-folder] [--name NAME]"
    " [--gif DIR [--gif-size 1-5] [--gif-delay MS]]");

int RunPlaySession(const Words& words) {
  Args args(words, {"program-folder"});
  const auto kons = args.GetNumber("kons");
  const auto seed = args.GetNumber("seed");
  if (!args.ok()) return Fail(args.error());
  if (auto unknown = args.Unknown(
          {"kons", "seed", "folder", "program-folder", "name", "gif", "gif-size", "gif-delay"})) {
    return Fail("unknown option --" + *unknown);
  }
  // A new player's session ends with the cycle at the latest.
  if (!kons || *kons < 1 || *kons > kCycleKons) {
    return Fail("--kons must be a number from 1 to 30 (a new player's cycle)");
  }
  const std::string name = TrimRight(args.Get("name").value_or("Bot"));
  if (name.empty() || CharCount(name) > kNameChars) {
    return Fail("--name must be 1 to 20 characters");
  }
  std::optional<GifOptions> gif;
  if (auto error = ReadGifOptions(args, gif)) return Fail(*error);

  if (args.Has("folder") && args.Has("program-folder")) {
    return Fail("--folder and --program-folder exclude each other");
  }
  const StoreChoice choice = MakeSessionStore(args.Get("folder"), args.Has("program-folder"));
  if (!choice.store) return 1;
  ReportingStore reporting(*choice.store, choice.writes);
  Random random = seed ? Random(static_cast<std::uint64_t>(*seed)) : Random::FromClock();
  GameState state;
  state.FlyCards = false;
  SilentTable silent;
  const std::unique_ptr<OffscreenTable> recorded = gif ? MakeRecordedTable(state, *gif) : nullptr;
  TableView& table = recorded ? static_cast<TableView&>(*recorded) : silent;
  KonDriver driver(state, DriverLinks{table, random, nullptr, &reporting});

  // The menu's new player, confirmed in the start dialog.
  state.PlayerSlot = kNewPlayerSlot;
  state.DialogName = name;
  driver.DealKon(false);

  long long played = 0;
  for (;;) {
    if (PlayKonThroughDriver(driver).winner == 0) {
      std::fprintf(stderr, "zendral-cli play-session: kon %lld did not end\n", played + 1);
      return 1;
    }
    ++played;
    if (played == *kons || !state.MainButtonEnabled) break;
    driver.MainButtonClick();  // the next kon
  }
  const int sessionScore = state.Score[kSeat2];
  if (!driver.ExitButtonClick()) {
    std::fprintf(stderr, "zendral-cli play-session: the exit button did not end the session\n");
    return 1;
  }

  std::printf("kons: %lld\n", played);
  std::printf("session score: %d\n", sessionScore);
  std::printf("rating: %s\n", ReportingStore::FormatRating(state.NewRating).c_str());
  std::printf("cycle complete: %s\n", state.MatchComplete ? "yes" : "no");
  for (const std::string& line : reporting.lines()) std::printf("%s\n", line.c_str());
  return ReportRecordings(recorded.get(), "play-session") ? 0 : 1;
}

}  // namespace zendral::cli
