#include "store/FileSessionStore.h"

#include <gtest/gtest.h>

#include "ClubFixtures.h"
#include "TempFolder.h"
#include "store/ClubFile.h"

namespace zendral {
namespace {

HistoryStamp FixedStamp() {
  return {"21:30", "01.02.2025"};
}

TEST(FileSessionStore, AFinishedSessionUpdatesTheClubAndAppendsItsHistoryLine) {
  TempFolder folder;
  folder.Write("Zendral.clb", fixtures::kClub);
  folder.Write("Zendral.net", fixtures::kClub);
  FileSessionStore store(folder.path(), FixedStamp);
  EXPECT_TRUE(store.MayWrite(ClubKind::kLocal));

  const auto boris = store.LoadMember(ClubKind::kLocal, 2);
  ASSERT_TRUE(boris);
  EXPECT_EQ(boris->name, "Boris");
  EXPECT_EQ(boris->konCount, 30);
  EXPECT_DOUBLE_EQ(boris->rating, 1.25);
  EXPECT_EQ(boris->password, "266266266266266");
  const auto vera = store.LoadMember(ClubKind::kLocal, 3);
  ASSERT_TRUE(vera);
  EXPECT_EQ(vera->name, "\xD0\x92\xD0\xB5\xD1\x80\xD0\xB0");
  EXPECT_FALSE(store.LoadMember(ClubKind::kLocal, 4));  // empty
  EXPECT_FALSE(store.LoadMember(ClubKind::kLocal, 6));

  // Boris played kons 31 to 60 and scored 25 in the cycle: the Order takes it at place 7.
  PlayerRecord after = *boris;
  after.konCount = 60;
  after.cycleScore = 25;
  after.rating = 1.1;
  const ClubWriteResult result = store.StoreMember(ClubKind::kLocal, 2, after, true);
  EXPECT_TRUE(result.written);
  EXPECT_EQ(result.orderPlace, 7);
  EXPECT_TRUE(store.AppendHistory({"Boris", 30, 25, 1.1, 0}));

  const std::string club = folder.Read("Zendral.clb");
  ASSERT_TRUE(CheckClubBytes(club).ok());
  const ClubFile file = ParseClubFile(club).file;
  EXPECT_EQ(file.Line(2), "Boris                 1,100000     60      0266266266266266");
  EXPECT_EQ(file.Line(12), "Boris                   25");
  EXPECT_EQ(folder.Read("Zendral.net"), fixtures::kClub);  // the other kind is untouched

  const HistoryFileInfo history = ValidateHistoryFile(folder.path(), 1);
  EXPECT_TRUE(history.check.ok());
  EXPECT_EQ(history.check.playerLines, 1);
  EXPECT_EQ(folder.Read("History/Zendral_I0001.hst").substr(0, 89),
            "21:3001.02.2025Boris" + std::string(46, ' ') + " 30        25      1,10");

  // An abandoned session costs the member his line.
  EXPECT_TRUE(store.RemoveMember(ClubKind::kNetwork, 1));
  EXPECT_EQ(ParseClubFile(folder.Read("Zendral.net")).file.Line(1).substr(0, 5), "Boris");
}

TEST(FileSessionStore, AClubFileThatFailedAtStartIsNeverWrittenInThisRun) {
  TempFolder folder;
  std::string damaged = fixtures::kClub;
  damaged[0] = 'B';
  folder.Write("Zendral.clb", damaged);
  FileSessionStore store(folder.path(), FixedStamp);
  EXPECT_EQ(store.StartCheck(ClubKind::kLocal).fault, ClubFault::kChecksumMismatch);
  EXPECT_EQ(store.StartCheck(ClubKind::kNetwork).fault, ClubFault::kMissing);
  EXPECT_FALSE(store.LoadMember(ClubKind::kLocal, 1));

  folder.Write("Zendral.clb", fixtures::kClub);  // repaired while the program runs
  const ClubWriteResult result =
      store.StoreMember(ClubKind::kLocal, 0, {"New", 3, 30, 40, "n"}, true);
  EXPECT_FALSE(result.written);
  EXPECT_EQ(result.orderPlace, 0);
  EXPECT_FALSE(store.RemoveMember(ClubKind::kLocal, 1));
  EXPECT_FALSE(store.StoreMember(ClubKind::kNetwork, 0, {"New", 3, 30, 40, "n"}, true).written);
  EXPECT_EQ(folder.Read("Zendral.clb"), fixtures::kClub);
  // The history does not depend on the club files.
  EXPECT_TRUE(store.AppendHistory({"New", 1, 2, 2.0, 0}));
}

TEST(FileSessionStore, TheFactoryGivesAStoreOverTheFolder) {
  TempFolder folder;
  folder.Write("Zendral.net", fixtures::kClub);
  const auto store = MakeFileSessionStore(folder.path());
  ASSERT_TRUE(store);
  EXPECT_EQ(store->ClubPath(ClubKind::kNetwork), folder.path() / "Zendral.net");
  EXPECT_TRUE(store->MayWrite(ClubKind::kNetwork));
  EXPECT_FALSE(store->MayWrite(ClubKind::kLocal));
  ASSERT_TRUE(store->LoadMember(ClubKind::kNetwork, 1));
  EXPECT_EQ(store->LoadMember(ClubKind::kNetwork, 1)->name, "Anna");
}

}  // namespace
}  // namespace zendral
