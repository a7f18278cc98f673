#include "store/ProgramFolders.h"

#include <cstdlib>

#include "store/ClubFile.h"
#include "store/FileIo.h"
#include "store/Settings.h"

namespace zendral {
namespace fs = std::filesystem;
namespace {

constexpr std::size_t kMaxShippedFileBytes = 4096;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

// The folder itself, without a trailing separator, so that parent_path() is the folder above.
fs::path Normalised(const fs::path& folder) {
  fs::path clean = folder.lexically_normal();
  if (clean.has_relative_path() && clean.filename().empty()) clean = clean.parent_path();
  return clean;
}

}  // namespace

UserDataEnvironment CurrentUserDataEnvironment() {
  return {Environment("XDG_DATA_HOME"), Environment("HOME")};
}

ProgramFolders DecideProgramFolders(const fs::path& executableFolder, bool executableFolderWritable,
                                    const UserDataEnvironment& environment) {
  ProgramFolders folders;
  if (executableFolderWritable) {
    folders.programFolder = Normalised(executableFolder);
    folders.parentFolder = folders.programFolder.parent_path();
    folders.portable = true;
    return folders;
  }
  folders.portable = false;
  fs::path dataHome;
  if (!environment.xdgDataHome.empty() && fs::path(environment.xdgDataHome).is_absolute()) {
    dataHome = environment.xdgDataHome;
  } else if (!environment.home.empty() && fs::path(environment.home).is_absolute()) {
    dataHome = fs::path(environment.home) / ".local" / "share";
  } else {
    return folders;
  }
  folders.parentFolder = Normalised(dataHome / "kov-games");
  folders.programFolder = folders.parentFolder / "zendral";
  return folders;
}

fs::path ShippedFilesFolder(const fs::path& executableFolder) {
  std::error_code ec;
  for (const std::string_view name : {kLocalClubFileName, kNetworkClubFileName}) {
    if (fs::exists(executableFolder / name, ec)) return executableFolder;
  }
  const fs::path share = Normalised(executableFolder).parent_path() / "share" / "zendral";
  for (const std::string_view name : {kLocalClubFileName, kNetworkClubFileName}) {
    if (fs::exists(share / name, ec)) return share;
  }
  return executableFolder;
}

FolderSetup PrepareProgramFolders(const fs::path& executableFolder,
                                  const UserDataEnvironment& environment) {
  return PrepareProgramFolders(executableFolder, IsFolderWritable(executableFolder), environment);
}

FolderSetup PrepareProgramFolders(const fs::path& executableFolder, bool executableFolderWritable,
                                  const UserDataEnvironment& environment) {
  FolderSetup setup;
  setup.folders = DecideProgramFolders(executableFolder, executableFolderWritable, environment);
  if (setup.folders.portable) return setup;
  if (setup.folders.programFolder.empty()) {
    setup.status = FolderSetupStatus::kNoUserFolder;
    return setup;
  }
  std::error_code ec;
  fs::create_directories(setup.folders.programFolder, ec);
  if (!fs::is_directory(setup.folders.programFolder, ec)) {
    setup.status = FolderSetupStatus::kCannotCreate;
    return setup;
  }
  // First start: the shipped club files and settings file come along. A file already there is
  // the player's and is never replaced; a shipped club file that is missing is left for the
  // club check to report, and without a shipped settings file the program starts on its
  // defaults.
  const fs::path shippedFolder = ShippedFilesFolder(executableFolder);
  for (const std::string_view name :
       {kLocalClubFileName, kNetworkClubFileName, kSettingsFileName}) {
    const fs::path target = setup.folders.programFolder / name;
    if (fs::exists(fs::symlink_status(target, ec))) continue;
    const FileBytes shipped = ReadFileBytes(shippedFolder / name, kMaxShippedFileBytes);
    if (shipped.status == ReadStatus::kMissing) continue;
    if (shipped.status != ReadStatus::kOk || !WriteFileAtomic(target, shipped.bytes)) {
      setup.status = FolderSetupStatus::kCannotCopy;
    }
  }
  return setup;
}

}  // namespace zendral
