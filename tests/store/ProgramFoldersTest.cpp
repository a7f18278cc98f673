#include "store/ProgramFolders.h"

#include <gtest/gtest.h>

#include "ClubFixtures.h"
#include "TempFolder.h"
#include "store/FileIo.h"

namespace zendral {
namespace {

namespace fs = std::filesystem;

TEST(ProgramFolders, TheDecision) {
  struct Case {
    const char* what;
    bool writable;
    UserDataEnvironment env;
    const char* program;
    const char* parent;
  } cases[] = {
      {"portable", true, {"/x", "/home/a"}, "/opt/games/zendral", "/opt/games"},
      {"per user, XDG", false, {"/data", "/home/a"}, "/data/kov-games/zendral", "/data/kov-games"},
      {"per user, home",
       false,
       {"", "/home/a"},
       "/home/a/.local/share/kov-games/zendral",
       "/home/a/.local/share/kov-games"},
      {"relative XDG ignored",
       false,
       {"rel/data", "/home/a"},
       "/home/a/.local/share/kov-games/zendral",
       "/home/a/.local/share/kov-games"},
      {"nowhere", false, {"", ""}, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ProgramFolders folders = DecideProgramFolders("/opt/games/zendral/", c.writable, c.env);
    EXPECT_EQ(folders.programFolder, fs::path(c.program));
    EXPECT_EQ(folders.parentFolder, fs::path(c.parent));
    EXPECT_EQ(folders.portable, c.writable);
  }
}

TEST(ProgramFolders, WritabilityIsFoundByTrying) {
  TempFolder folder;
  EXPECT_TRUE(IsFolderWritable(folder.path()));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{});  // the probe is gone again
  EXPECT_FALSE(IsFolderWritable(folder.path() / "missing"));
  folder.Write("file", "x");
  EXPECT_FALSE(IsFolderWritable(folder.path() / "file"));

  const FolderSetup setup = PrepareProgramFolders(folder.path(), {"", ""});
  EXPECT_EQ(setup.status, FolderSetupStatus::kOk);
  EXPECT_TRUE(setup.folders.portable);
  EXPECT_EQ(setup.folders.programFolder, folder.path());
}

TEST(ProgramFolders, TheFirstStartOfASystemInstallCopiesTheClubFilesAndSettings) {
  TempFolder install;
  install.Write("Zendral.clb", fixtures::kClub);
  install.Write("Zendral.net", fixtures::kClubWithPetr);
  install.Write("Zendral.ini", "shipped settings");
  TempFolder data;
  const UserDataEnvironment env{data.path().string(), "/nonexistent"};

  const FolderSetup first = PrepareProgramFolders(install.path(), false, env);
  ASSERT_EQ(first.status, FolderSetupStatus::kOk);
  EXPECT_FALSE(first.folders.portable);
  EXPECT_EQ(first.folders.programFolder, data.path() / "kov-games" / "zendral");
  EXPECT_EQ(first.folders.parentFolder, data.path() / "kov-games");
  EXPECT_EQ(data.Read("kov-games/zendral/Zendral.clb"), fixtures::kClub);
  EXPECT_EQ(data.Read("kov-games/zendral/Zendral.net"), fixtures::kClubWithPetr);
  EXPECT_EQ(data.Read("kov-games/zendral/Zendral.ini"), "shipped settings");

  // Later starts keep the player's files.
  data.Write("kov-games/zendral/Zendral.clb", fixtures::kClubWithoutAnna);
  data.Write("kov-games/zendral/Zendral.ini", "the player's settings");
  EXPECT_EQ(PrepareProgramFolders(install.path(), false, env).status, FolderSetupStatus::kOk);
  EXPECT_EQ(data.Read("kov-games/zendral/Zendral.clb"), fixtures::kClubWithoutAnna);
  EXPECT_EQ(data.Read("kov-games/zendral/Zendral.ini"), "the player's settings");

  // An install without a shipped settings file: the program starts on its defaults.
  TempFolder bare;
  bare.Write("Zendral.clb", fixtures::kClub);
  bare.Write("Zendral.net", fixtures::kClubWithPetr);
  TempFolder data2;
  EXPECT_EQ(PrepareProgramFolders(bare.path(), false, {data2.path().string(), ""}).status,
            FolderSetupStatus::kOk);
  EXPECT_FALSE(fs::exists(data2.path() / "kov-games/zendral/Zendral.ini"));
}

TEST(ProgramFolders, AnInstalledProgramFindsItsShippedFilesInTheShareFolder) {
  TempFolder prefix;
  fs::create_directories(prefix.path() / "bin");
  const fs::path bin = prefix.path() / "bin";
  EXPECT_EQ(ShippedFilesFolder(bin), bin);  // nothing shipped anywhere

  prefix.Write("share/zendral/Zendral.clb", fixtures::kClub);
  prefix.Write("share/zendral/Zendral.net", fixtures::kClubWithPetr);
  EXPECT_EQ(ShippedFilesFolder(bin), prefix.path() / "share" / "zendral");
  EXPECT_EQ(ShippedFilesFolder(prefix.path() / "bin/"), prefix.path() / "share" / "zendral");

  TempFolder data;
  const FolderSetup setup = PrepareProgramFolders(bin, false, {data.path().string(), ""});
  ASSERT_EQ(setup.status, FolderSetupStatus::kOk);
  EXPECT_EQ(data.Read("kov-games/zendral/Zendral.clb"), fixtures::kClub);
  EXPECT_EQ(data.Read("kov-games/zendral/Zendral.net"), fixtures::kClubWithPetr);

  // Files beside the executable (a build tree, a portable copy) come first.
  prefix.Write("bin/Zendral.clb", fixtures::kClubWithoutAnna);
  EXPECT_EQ(ShippedFilesFolder(bin), bin);
}

TEST(ProgramFolders, FailuresOfASystemInstallAreReported) {
  TempFolder install;
  EXPECT_EQ(PrepareProgramFolders(install.path(), false, {"", ""}).status,
            FolderSetupStatus::kNoUserFolder);

  TempFolder data;
  data.Write("kov-games", "a file where the folder should be");
  EXPECT_EQ(PrepareProgramFolders(install.path(), false, {data.path().string(), ""}).status,
            FolderSetupStatus::kCannotCreate);

  // Shipped files that are missing are left to the club check; a folder in their place
  // cannot be copied.
  TempFolder data2;
  EXPECT_EQ(PrepareProgramFolders(install.path(), false, {data2.path().string(), ""}).status,
            FolderSetupStatus::kOk);
  fs::create_directory(install.path() / "Zendral.net");
  EXPECT_EQ(PrepareProgramFolders(install.path(), false, {data2.path().string(), ""}).status,
            FolderSetupStatus::kCannotCopy);
}

}  // namespace
}  // namespace zendral
