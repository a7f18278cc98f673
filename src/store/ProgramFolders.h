#pragma once
// Where the program keeps its files. The program folder is the executable's folder when that
// is writable (a portable install, and the build tree); otherwise it is the per-user folder
// $XDG_DATA_HOME/kov-games/zendral/ (by default ~/.local/share/kov-games/zendral/), which
// receives copies of the shipped club files and settings file on first start. The parent folder
// holds the files shared by the family of games: the folder above the program folder in both cases.

#include <filesystem>
#include <string>

namespace zendral {

struct ProgramFolders {
  std::filesystem::path programFolder;
  std::filesystem::path parentFolder;
  bool portable = true;
};

// The two environment values the decision needs; tests supply their own.
struct UserDataEnvironment {
  std::string xdgDataHome;
  std::string home;
};
UserDataEnvironment CurrentUserDataEnvironment();

// The decision alone. An XDG_DATA_HOME that is not an absolute path is ignored. Without a
// writable executable folder and without any usable home the result has an empty
// programFolder.
ProgramFolders DecideProgramFolders(const std::filesystem::path& executableFolder,
                                    bool executableFolderWritable,
                                    const UserDataEnvironment& environment);

// Where the files that come with the program lie (the club files and the settings file as
// shipped, the help page):
// beside the executable in a build tree or a portable install, and in the share folder of a
// system install (PREFIX/share/zendral/ for an executable in PREFIX/bin/). The executable's
// folder when neither holds them.
std::filesystem::path ShippedFilesFolder(const std::filesystem::path& executableFolder);

enum class FolderSetupStatus {
  kOk,
  kNoUserFolder,  // not portable and no home to put the per-user folder in
  kCannotCreate,  // the per-user folder could not be created
  kCannotCopy,    // a shipped file could not be copied there
};

struct FolderSetup {
  FolderSetupStatus status = FolderSetupStatus::kOk;
  ProgramFolders folders;
};

// Tests the executable's folder by creating a file in it, decides, and for a per-user folder
// creates it and copies each shipped club file and the shipped settings file (from
// ShippedFilesFolder) that it does not hold yet.
FolderSetup PrepareProgramFolders(const std::filesystem::path& executableFolder,
                                  const UserDataEnvironment& environment);
// The same with the writability decided by the caller.
FolderSetup PrepareProgramFolders(const std::filesystem::path& executableFolder,
                                  bool executableFolderWritable,
                                  const UserDataEnvironment& environment);

}  // namespace zendral
