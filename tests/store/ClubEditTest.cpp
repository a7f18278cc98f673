#include "store/ClubEdit.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <csignal>

#include "ClubFixtures.h"
#include "TempFolder.h"
#include "store/FileIo.h"

namespace zendral {
namespace {

using fixtures::kClub;

ClubFile Club(const std::string& bytes = kClub) {
  return ParseClubFile(bytes).file;
}

std::string Member(const char* name, const char* rating) {
  return FormatMemberLine({name, std::stod(rating), 10, 5, "266266266266266"});
}

class ClubEditFiles : public ::testing::Test {
 protected:
  std::filesystem::path Put(const std::string& bytes, const char* name = "Zendral.clb") {
    folder.Write(name, bytes);
    return folder.path() / name;
  }
  std::string Get(const char* name = "Zendral.clb") { return folder.Read(name); }
  TempFolder folder;
};

TEST_F(ClubEditFiles, AMemberLeavesAndTheOthersMoveUp) {
  const auto path = Put(kClub);
  EXPECT_EQ(RemoveMember(path, 1), ClubWriteStatus::kOk);
  EXPECT_EQ(Get(), fixtures::kClubWithoutAnna);

  // A new player (slot 6) has no line: nothing changes.
  EXPECT_EQ(RemoveMember(path, 6), ClubWriteStatus::kOk);
  EXPECT_EQ(Get(), fixtures::kClubWithoutAnna);
}

TEST(ClubEdit, TheThirdOfFiveLeaves) {
  ClubFile file = Club();
  const char* names[] = {"", "M1", "M2", "M3", "M4", "M5"};
  for (int n = 1; n <= 5; ++n) file.Line(n) = Member(names[n], "1");
  RemoveMemberLine(file, 3);
  EXPECT_EQ(file.Line(3).substr(0, 2), "M4");
  EXPECT_EQ(file.Line(4).substr(0, 2), "M5");
  EXPECT_EQ(file.Line(5), kEmptyMemberLine);
  EXPECT_EQ(file.Line(2).substr(0, 2), "M2");
}

TEST_F(ClubEditFiles, ANewPlayerEndingACycleEntersTheOrderAndTheClub) {
  const auto path = Put(kClub);
  const ClubWrite write = InsertMember(path, {"Petr", 1.25, 60, 120, "p"});
  EXPECT_EQ(write.status, ClubWriteStatus::kOk);
  EXPECT_EQ(write.orderPlace, 2);  // 120 ties with Dina and goes before her
  EXPECT_TRUE(write.stored);
  EXPECT_EQ(Get(), fixtures::kClubWithPetr);
}

TEST(ClubEdit, OnlyAWholeCycleEntersTheOrder) {
  struct Case {
    int kons;
    int place;
    const char* storedCycle;
  } cases[] = {{60, 1, "     0"}, {59, 0, "   500"}, {30, 1, "     0"}, {31, 0, "   500"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kons);
    ClubFile file = Club();
    const MemberPlacement placement =
        InsertMemberRecord(file, {"Ace", 9, c.kons, 500, "x"}, IsCycleComplete(c.kons));
    EXPECT_EQ(placement.orderPlace, c.place);
    EXPECT_EQ(file.Line(1).substr(38, 6), c.storedCycle);
    EXPECT_EQ(file.Line(6).substr(0, 3) == "Ace", c.place == 1);
  }
  EXPECT_FALSE(IsCycleComplete(0));
}

TEST(ClubEdit, TiesGoBeforeTheOlderEntry) {
  ClubFile file = Club();
  // "Вера" holds "  0,000000" on line 3; a new rating of 0 goes in front of her.
  InsertMemberRecord(file, {"Zero", 0.0, 3, -2, "z"}, false);
  EXPECT_EQ(file.Line(3).substr(0, 4), "Zero");
  EXPECT_EQ(file.Line(4).substr(0, 4), "\xC2\xE5\xF0\xE0");
  // A rating that rounds to the stored one ties as well.
  InsertMemberRecord(file, {"Tiny", 0.0000001, 3, -2, "z"}, false);
  EXPECT_EQ(file.Line(3).substr(0, 4), "Tiny");
  // Now the club is full; a slightly lower rating does not tie and finds no line.
  EXPECT_FALSE(InsertMemberRecord(file, {"Neg", -0.000001, 1, -2, "z"}, false).stored);
  EXPECT_EQ(file.Line(5).substr(0, 4), "\xC2\xE5\xF0\xE0");
}

TEST(ClubEdit, AFullClubKeepsItsMembersWhenTheNewRatingIsLower) {
  ClubFile file = Club();
  for (int n = 1; n <= 5; ++n) file.Line(n) = Member("M", std::to_string(6 - n).c_str());
  const ClubFile before = file;
  // Below the fifth: not stored; the cycle still counts for the Order.
  const MemberPlacement placement = InsertMemberRecord(file, {"Low", 0.5, 30, 200, "q"}, true);
  EXPECT_FALSE(placement.stored);
  EXPECT_EQ(placement.orderPlace, 1);
  for (int n = 1; n <= 5; ++n) EXPECT_EQ(file.Line(n), before.Line(n));
  // Above the fifth: the fifth drops out.
  InsertMemberRecord(file, {"Mid", 1.5, 30, 200, "q"}, false);
  EXPECT_EQ(file.Line(5).substr(0, 3), "Mid");
}

TEST(ClubEdit, AResultBelowTheTenthHasNoPlace) {
  ClubFile file = Club();
  EXPECT_EQ(EnterOrder(file, "Weak", -41), 0);
  EXPECT_EQ(file.Line(15), "Oleg                   -40");
  EXPECT_EQ(EnterOrder(file, "Just", -40), 10);
  EXPECT_EQ(file.Line(15), "Just                   -40");
}

TEST_F(ClubEditFiles, ASessionEndIsOneWriteOfRemoveAndInsert) {
  const auto path = Put(kClub);
  // Boris (line 2) played on to kon 33 and now leads.
  const ClubWrite write =
      StoreSessionRecord(path, 2, {"Boris", 3.0, 33, 12, "266266266266266"}, IsCycleComplete(33));
  EXPECT_EQ(write.status, ClubWriteStatus::kOk);
  const std::string bytes = Get();
  EXPECT_TRUE(CheckClubBytes(bytes).ok());
  const ClubFile file = Club(bytes);
  EXPECT_EQ(file.Line(1), "Boris                 3,000000     33     12266266266266266");
  EXPECT_EQ(file.Line(2).substr(0, 4), "Anna");
  EXPECT_EQ(file.Line(3).substr(0, 4), "\xC2\xE5\xF0\xE0");
  EXPECT_EQ(file.Line(4), kEmptyMemberLine);
}

TEST_F(ClubEditFiles, FilesThatMayNotBeWrittenStayAsTheyAre) {
  EXPECT_EQ(RemoveMember(folder.path() / "none.clb", 1), ClubWriteStatus::kMissing);

  std::string damaged = kClub;
  damaged[3] = 'X';
  const auto path = Put(damaged);
  EXPECT_EQ(InsertMember(path, {"New", 1, 1, 1, "n"}).status, ClubWriteStatus::kDamaged);
  EXPECT_EQ(RemoveMember(path, 1), ClubWriteStatus::kDamaged);
  EXPECT_EQ(Get(), damaged);

  const auto hidden = Put(kClub, ".Zendral.clb");
  EXPECT_EQ(RemoveMember(hidden, 1), ClubWriteStatus::kProtected);
  EXPECT_EQ(Get(".Zendral.clb"), kClub);
}

// A disk that fills up during the write: the process may write no more than 100 bytes into
// any file, so the new club file cannot be completed.
TEST_F(ClubEditFiles, AWriteThatFailsHalfwayLeavesTheOldFile) {
  const auto path = Put(kClub);
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 100;
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const ClubWriteStatus status = RemoveMember(path, 1);
  const bool settings = WriteFileAtomic(folder.path() / "other", std::string(1000, 'x'));
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(status, ClubWriteStatus::kWriteFailed);
  EXPECT_FALSE(settings);
  EXPECT_EQ(Get(), kClub);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"Zendral.clb"});  // no temporary left
}

}  // namespace
}  // namespace zendral
