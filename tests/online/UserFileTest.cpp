// The user file in the parent folder.

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "online/Scramble.h"
#include "online/UserFile.h"

namespace zendral::online {
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
