// zendral-makeclub: writes the two club files that come with the program, "Zendral.clb" and
// "Zendral.net", into a folder. Both start with five empty member slots and an Order of ten
// sample results, so a new player has results to beat. With --settings it also writes the
// settings file that comes with the program, "Zendral.ini": every default, with the first
// start and the like not yet counted.

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "store/ClubFile.h"
#include "store/FileIo.h"
#include "store/Settings.h"

namespace {

using zendral::ClubFile;

// The distribution mark "umk" asks the program to report its first start (the statistics
// service of the companion server).
constexpr std::string_view kDefaultMark = "umk";

using Order = std::vector<std::pair<const char*, int>>;

const Order kLocalOrder = {{"Anfisa", 90}, {"Bogdan", 75}, {"Vasilisa", 60}, {"Gavriil", 48},
                           {"Darya", 36},  {"Yefim", 25},  {"Zlata", 15},    {"Ignat", 8},
                           {"Klavdia", 3}, {"Luka", 0}};
const Order kNetworkOrder = {{"Miroslava", 80}, {"Nazar", 64},      {"Olesya", 50}, {"Platon", 40},
                             {"Raisa", 30},     {"Svyatoslav", 22}, {"Taisia", 14}, {"Ustin", 8},
                             {"Filipp", 4},     {"Kharitina", 0}};

std::string ClubBytes(const Order& order, std::string_view mark) {
  ClubFile file;
  for (int n = 1; n <= zendral::kClubMembers; ++n) file.Line(n) = zendral::kEmptyMemberLine;
  for (int p = 0; p < zendral::kOrderPlaces; ++p) {
    const auto& [name, score] = order[static_cast<std::size_t>(p)];
    file.Line(zendral::kFirstOrderLine + p) = zendral::FormatOrderLine(name, score);
  }
  std::string gameLine(1, zendral::kGameIdChar);
  gameLine += '}';
  gameLine.resize(zendral::kClubTailLineLength, '#');
  file.Line(16) = gameLine;
  // Character 1 "0": the language comes from the settings. Columns 7-9: the mark.
  std::string control = "0#####";
  control += mark;
  control.resize(zendral::kClubTailLineLength, '#');
  file.Line(17) = control;
  zendral::UpdateClubChecksums(file);
  return zendral::SerializeClubFile(file);
}

int Usage() {
  std::fputs("usage: zendral-makeclub [--keep-existing] [--settings] [--mark XYZ] FOLDER\n",
             stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool keepExisting = false;
  bool settings = false;
  std::string mark(kDefaultMark);
  std::filesystem::path folder;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--keep-existing") == 0) {
      keepExisting = true;
    } else if (std::strcmp(argv[i], "--settings") == 0) {
      settings = true;
    } else if (std::strcmp(argv[i], "--mark") == 0 && i + 1 < argc) {
      mark = argv[++i];
      if (mark.size() != 3) return Usage();
    } else if (folder.empty() && argv[i][0] != '-') {
      folder = argv[i];
    } else {
      return Usage();
    }
  }
  if (folder.empty()) return Usage();

  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  std::vector<std::pair<std::string_view, std::string>> files = {
      {zendral::kLocalClubFileName, ClubBytes(kLocalOrder, mark)},
      {zendral::kNetworkClubFileName, ClubBytes(kNetworkOrder, mark)}};
  if (settings) {
    files.emplace_back(zendral::kSettingsFileName,
                       zendral::FormatSettings(zendral::DistributionSettings()));
  }
  for (const auto& [name, bytes] : files) {
    const std::filesystem::path path = folder / name;
    // A file already there holds a player's results or choices: it is never replaced.
    if (keepExisting && std::filesystem::exists(path, ec)) continue;
    if (!zendral::WriteFileAtomic(path, bytes)) {
      std::fprintf(stderr, "zendral-makeclub: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
