// The user file in the parent folder.

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "online/UserFile.h"
#include "protocol/Scramble.h"

namespace zendral::online {

using protocol::Scramble;
using protocol::Unscramble;
namespace {

TEST(UserFile, LivesInTheParentFolder) {
  EXPECT_EQ(UserFilePath("/games/kov/zendral/"), "/games/kov/KovUser.kov");
  EXPECT_EQ(UserFilePath("/games/kov/zendral"), "/games/kov/KovUser.kov");
}

TEST(UserFile, SaveReadDelete) {
  TempFolder folder;
  const auto path = folder.path() / "KovUser.kov";
  EXPECT_FALSE(ReadUserFile(path));
  ASSERT_TRUE(SaveUserFile(path, "Bob", "pa#s$w rd"));
  EXPECT_EQ(folder.Read("KovUser.kov"),
            "Kov User File\r\nBob\r\n" + Scramble("pa#s$w rd") + "\r\n");
  const auto saved = ReadUserFile(path);
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->nick, "Bob");
  EXPECT_EQ(saved->pw, "pa-s-w-rd");
  EXPECT_TRUE(DeleteUserFile(path));
  EXPECT_TRUE(DeleteUserFile(path));  // already gone counts as removed
  EXPECT_FALSE(ReadUserFile(path));
}

// The password is only scrambled, so only the player may read the file: a new file, and one
// that another program left readable by everybody, are both written for the owner alone, and
// the format stays the same.
TEST(UserFile, OnlyItsOwnerMayReadIt) {
  namespace fs = std::filesystem;
  TempFolder folder;
  const auto path = folder.path() / "KovUser.kov";
  const auto mode = [&] {
    return fs::status(path).permissions() &
           (fs::perms::owner_all | fs::perms::group_all | fs::perms::others_all);
  };
  ASSERT_TRUE(SaveUserFile(path, "Bob", "secret1"));
  EXPECT_EQ(mode(), fs::perms::owner_read | fs::perms::owner_write);
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                            fs::perms::others_read);
  ASSERT_TRUE(SaveUserFile(path, "Ann", "secret2"));
  EXPECT_EQ(mode(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(folder.Read("KovUser.kov"), "Kov User File\r\nAnn\r\n" + Scramble("secret2") + "\r\n");
  // Nothing else lies about in the folder: the temporary file became the user file.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(UserFile, ASignatureThatDiffersIsNoFile) {
  TempFolder folder;
  folder.Write("KovUser.kov", "Kov User File \r\nBob\r\n00\r\n");
  EXPECT_FALSE(ReadUserFile(folder.path() / "KovUser.kov"));
  folder.Write("KovUser.kov", "");
  EXPECT_FALSE(ReadUserFile(folder.path() / "KovUser.kov"));
  folder.Write("KovUser.kov", "Kov User File\r\nBob\r\nnot-hex\r\n");
  const auto broken = ReadUserFile(folder.path() / "KovUser.kov");
  ASSERT_TRUE(broken);
  EXPECT_EQ(broken->pw, "");
}

}  // namespace
}  // namespace zendral::online
