// The online layer against the real companion server: accounts, profile, photo, Kovs, a rated
// game that completes a cycle and lands in the account table with its award, a local cycle in
// the world table, and the log-in of the next start from the user file.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <algorithm>

#include "CompanionServer.h"
#include "game/KonReplay.h"
#include "online/OnlineClub.h"
#include "online/UserFile.h"

namespace zendral::online {
namespace {

class NoPrompts final : public ClubPrompts {
 public:
  int questions = 0;
  void PlaySound(const std::string&) override {}
  void Pause(int) override {}
  bool AskYesNo(Question) override {
    ++questions;
    return false;
  }
};

// One program run: its own shared client (and so its own session cookie).
struct Program {
  CurlTransport transport;
  RequestFrame frame{transport};
  OnlineClub club;
  explicit Program(const std::string& base) : club(frame, AddressesUnder(base)) {
    club.ReadPathDirectory();
  }
};

TKovUser NewUser(const std::string& nick, const std::string& city) {
  TKovUser u;
  u.Nick = nick;
  u.Pw = "pw" + nick;
  u.City = city;
  u.Country2 = "2-026";
  u.Country1 = "Lebanon";
  u.Sex = "W";
  u.EMail = "nora@example.org";
  return u;
}

// A real picture: the club server decodes every photo and stores it encoded again.
std::string Photo200By250() {
  QImage image(kPhotoWidth, kPhotoHeight, QImage::Format_RGB32);
  image.fill(qRgb(200, 120, 40));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPEG", 90);
  return bytes.toStdString();
}

class EndToEnd : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server_ = new CompanionServer(ZENDRAL_SERVER_PROGRAM); }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(server_->ready()) << "zendral-server did not start"; }
  static CompanionServer* server_;
};
CompanionServer* EndToEnd::server_ = nullptr;

TEST_F(EndToEnd, AccountsProfilePhotoAndTheNextStart) {
  Program p(server_->base());
  // Created, then logged in with the record the server keeps; "no" inside it is data.
  EXPECT_EQ(p.club.CreateAccount(NewUser("Nora", "Toronto"), "10.12.2026"), kAccountCreated);
  EXPECT_EQ(p.club.state(), AccountState::asLoggedIn);
  EXPECT_EQ(p.club.user().City, "Toronto");
  EXPECT_EQ(p.club.user().Country1, "Lebanon");
  EXPECT_EQ(p.club.user().EMail, "nora@example.org");
  EXPECT_EQ(p.club.CreateAccount(NewUser("Nora", "Toronto"), "10.12.2026"), kNickTaken);

  Program wrong(server_->base());
  EXPECT_FALSE(wrong.club.LogIn("Nora", "not-her-pw"));
  EXPECT_EQ(wrong.club.state(), AccountState::asOffline);
  EXPECT_GE(ReadMemberCount(p.frame, p.club.addresses().account).value_or(0), 1);

  // A profile with every character that could break a raw body comes back unchanged.
  ASSERT_TRUE(p.club.LogIn("Nora", "pwNora"));
  TInfo14 info;
  info.Name1 = "Нора";
  info.About = "cards & more = fun + 100% no$limits~";
  info.WebSite = "https://example.org/?a=1&b=2";
  info.Telegram = "@nora";
  info.Skype = "a~b$c#d|e*f";
  ASSERT_TRUE(SaveProfile(p.frame, p.club.addresses().account, "Nora", info));
  TInfo14 read;
  ASSERT_TRUE(ReadProfile(p.frame, p.club.addresses().account, "Nora", read));
  EXPECT_EQ(read.Name1, "Нора");
  EXPECT_EQ(read.About, "cards & more = fun + 100% no$limits~");
  EXPECT_EQ(read.Skype, "a~b$c#d|e*f");
  EXPECT_EQ(read.WebSite, "https://example.org/?a=1&b=2");
  EXPECT_EQ(read.Telegram, "@nora");
  EXPECT_EQ(read.Telephone, "");

  // The photo goes up in the session and comes down from the photo folder.
  const std::string photo = Photo200By250();
  ASSERT_TRUE(UploadPhoto(p.frame, p.club.addresses().photoUpload, photo));
  const auto loaded = LoadPhoto(p.frame, p.club.addresses().photoFolder, "Nora");
  ASSERT_TRUE(loaded);
  EXPECT_TRUE(IsAccountPhoto(*loaded));
  EXPECT_FALSE(UploadPhoto(wrong.frame, wrong.club.addresses().photoUpload, photo));
  EXPECT_FALSE(LoadPhoto(p.frame, p.club.addresses().photoFolder, "Nobody"));

  // "Save" in the account window; the next start logs in without typing.
  TempFolder install;
  const auto programFolder = install.path() / "zendral";
  std::filesystem::create_directories(programFolder);
  const auto userFile = UserFilePath(programFolder);
  ASSERT_TRUE(SaveUserFile(userFile, p.club.user().Nick, p.club.user().Pw));
  Program next(server_->base());
  EXPECT_TRUE(next.club.StartUpLogIn(userFile));
  EXPECT_EQ(next.club.state(), AccountState::asLoggedIn);
  EXPECT_EQ(next.club.user().City, "Toronto");
  EXPECT_TRUE(next.club.userFileSaved());
}

TEST_F(EndToEnd, ARatedCycleLandsInTheAccountTableAndItsAwardMovesToAFriend) {
  Program p(server_->base());
  ASSERT_EQ(p.club.CreateAccount(NewUser("Vera", "Omsk"), "10.12.2026"), kAccountCreated);
  Program friendRun(server_->base());
  ASSERT_EQ(friendRun.club.CreateAccount(NewUser("Lena", "Kyiv"), "10.12.2026"), kAccountCreated);

  NoPrompts prompts;
  // Nine rated games bring 27 kons of the cycle; the tenth completes it.
  int total = 0;
  for (int game = 1; game <= 10; ++game) {
    p.club.SetState(AccountState::asRated);
    ASSERT_EQ(p.club.BookRatedGame(prompts), OnlineClub::Booking::kBooked) << game;
    // The block is played on the decks the server dealt, and booked as its replay scores it.
    ASSERT_EQ(p.club.blockDecks().size(), 3u) << game;
    const PlayedBlock block = PlayComputerBlock(p.club.blockDecks());
    total = p.club.game().Score + block.score;
    ASSERT_TRUE(p.club.SettleRatedGame(block.score, total, block.moves, prompts)) << game;
    if (game < 10) {
      EXPECT_EQ(p.club.game().KonL, 3 * game);
      EXPECT_FALSE(p.club.FileAccountCycle(total, prompts));
    }
    if (game == 10) {
      EXPECT_EQ(p.club.game().KonL, 0);
      const auto filed = p.club.FileAccountCycle(total, prompts);
      ASSERT_TRUE(filed);
      EXPECT_EQ(filed->place, 1);
      EXPECT_EQ(filed->award, 25);
      EXPECT_EQ(p.club.user().R04, 25);  // credited by the server with the row
    }
    p.club.FinishRatedGame();
  }
  EXPECT_EQ(prompts.questions, 0);
  ASSERT_TRUE(p.club.ReadResults());
  EXPECT_EQ(p.club.game().Kon, 30);
  EXPECT_EQ(p.club.game().Sessions, 1);
  EXPECT_EQ(p.club.game().Best, std::max(total, 0));  // the best cycle starts at 0
  EXPECT_NEAR(p.club.game().Rating, static_cast<double>(total) / 30 + 1, 1e-6);
  EXPECT_EQ(p.club.game().Place, 1);

  const auto table = ReadWorldTable(p.frame, p.club.addresses().records, kAccountTable);
  ASSERT_TRUE(table);
  ASSERT_FALSE(table->empty());
  EXPECT_EQ(table->front().Nick, "Vera");
  EXPECT_EQ(table->front().Score, total);
  EXPECT_EQ(table->front().Country, "Lebanon");

  const auto club = ReadClubTopTen(p.frame, p.club.addresses().account);
  ASSERT_TRUE(club);
  ASSERT_FALSE(club->empty());
  EXPECT_EQ(club->front().Nick, "Vera");

  // Kovs to a friend, in one request; the outcomes the server can give.
  const auto& account = p.club.addresses().account;
  EXPECT_EQ(TransferKovs(p.frame, account, "Vera", "Lena", 10), TransferOutcome::kDone);
  EXPECT_EQ(TransferKovs(p.frame, account, "Vera", "Lena", 100), TransferOutcome::kNotEnough);
  EXPECT_EQ(TransferKovs(p.frame, account, "Vera", "Nobody", 1), TransferOutcome::kNoMember);
  EXPECT_EQ(p.club.ReadBalance(), 15);
  EXPECT_EQ(friendRun.club.ReadBalance(), 10);
  // Without the session nobody moves Vera's Kovs.
  Program stranger(server_->base());
  EXPECT_NE(TransferKovs(stranger.frame, account, "Vera", "Lena", 1), TransferOutcome::kDone);
}

TEST_F(EndToEnd, ALocalCycleIsSubmittedToTheWorldTable) {
  Program p(server_->base());
  const TKovRecord row = SubmissionRow("Incognito", "Moscow", "1-001", 77, "M");
  const auto place = SubmitWorldRow(p.frame, p.club.addresses().records, kWindowsTable, row);
  ASSERT_TRUE(place);
  EXPECT_EQ(*place, 1);
  EXPECT_EQ(CountWorldTable(p.frame, p.club.addresses().records, kWindowsTable), 1);
  const auto own =
      ReadOwnWorldRows(p.frame, p.club.addresses().records, kWindowsTable, "Incognito", "Moscow");
  ASSERT_TRUE(own);
  ASSERT_EQ(own->size(), 1u);
  EXPECT_EQ(own->front().Score, 77);
  EXPECT_EQ(own->front().City, "Moscow");
  // Nobody can file a row in the account table from outside a rated game.
  EXPECT_FALSE(SubmitWorldRow(p.frame, p.club.addresses().records, kAccountTable, row));
}

}  // namespace
}  // namespace zendral::online
