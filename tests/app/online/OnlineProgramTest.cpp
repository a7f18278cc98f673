// The whole program with the real companion server: the log-in of the start from the user
// file, the account's line in the club list, and a rated game played by clicks at the table
// as player slot 7 that completes a cycle, lands in the account table and shows its award.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <cstdlib>

#include "AppFixture.h"
#include "ServerProgramFixture.h"
#include "app/main/MainMenuWidget.h"
#include "app/main/MenuDecorations.h"
#include "app/online/OnlineLink.h"
#include "app/online/TFAcc1.h"
#include "app/online/TFWorldTop.h"
#include "app/online/TopTenList.h"
#include "game/KonReplay.h"
#include "online/OnlineClub.h"
#include "online/UserFile.h"

namespace zendral {
namespace {

class NoPrompts final : public online::ClubPrompts {
 public:
  void PlaySound(const std::string&) override {}
  void Pause(int) override {}
  bool AskYesNo(Question) override { return false; }
};

class OnlineProgram : public testing::ServerProgramTest {
 protected:
  void SetUp() override {
    ServerProgramTest::SetUp();
    if (HasFatalFailure()) return;
    programFolder = MakeProgramFolder();
  }

  // An account made and played up to the given kons of its cycle, outside the program; the
  // cycle's score as the server booked it.
  int PrepareAccount(const std::string& nick, int ratedGames) {
    online::CurlTransport transport;
    online::RequestFrame frame(transport);
    online::OnlineClub club(frame, online::AddressesUnder(server_->base()));
    online::TKovUser user;
    user.Nick = nick;
    user.Pw = "pw" + nick;
    user.City = "Omsk";
    user.Country2 = "1-001";
    user.EMail = "x@example.org";
    EXPECT_EQ(club.CreateAccount(user, "10.12.2026"), 0);
    NoPrompts prompts;
    int cycleScore = 0;
    for (int game = 0; game < ratedGames; ++game) {
      club.SetState(online::AccountState::asRated);
      EXPECT_EQ(club.BookRatedGame(prompts), online::OnlineClub::Booking::kBooked);
      const PlayedBlock block = PlayComputerBlock(club.blockDecks());
      cycleScore += block.score;
      EXPECT_TRUE(
          club.SettleRatedGame(block.score, club.game().Score + block.score, block.moves, prompts));
      club.FinishRatedGame();
    }
    EXPECT_TRUE(online::SaveUserFile(online::UserFilePath(programFolder), user.Nick, user.Pw));
    return cycleScore;
  }

  online::TKovGame ServerResults(const std::string& nick) {
    online::CurlTransport transport;
    online::RequestFrame frame(transport);
    online::OnlineClub club(frame, online::AddressesUnder(server_->base()));
    EXPECT_TRUE(club.LogIn(nick, "pw" + nick));
    return club.game();
  }

  std::filesystem::path programFolder;
};

TEST_F(OnlineProgram, TheNextStartLogsInAndTheFifthLineIsTheAccounts) {
  const int cycleScore = PrepareAccount("Lada", 1);
  ASSERT_TRUE(OpenIn(programFolder));
  EXPECT_EQ(form->Online()->Club().state(), online::AccountState::asLoggedIn);
  EXPECT_EQ(State().AccountState, kAccountLoggedIn);
  const QString line = form->Menu()->MemberButton(5)->text();
  EXPECT_TRUE(line.startsWith(QStringLiteral("Lada") + QString(16, ' '))) << line.toStdString();
  EXPECT_TRUE(line.endsWith(QStringLiteral("  3%1").arg(cycleScore, 10))) << line.toStdString();
  // The menu with the account's line and the two icons, for people to look at.
  QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
  EXPECT_TRUE(form->grab().save(ZENDRAL_SCREENSHOT_DIR "/online_menu.png"));
}

TEST_F(OnlineProgram, ARatedGameThatCompletesTheCycleIsFiledWithItsAward) {
  PrepareAccount("Vika", 9);  // 27 kons of the cycle before the game
  ASSERT_TRUE(OpenIn(programFolder));
  ASSERT_EQ(form->Online()->Club().state(), online::AccountState::asLoggedIn);

  // The fifth button opens the account window, where the player ticks "Play global rating".
  responders.push_back([](QDialog& dialog) {
    auto* rated = dialog.findChild<QCheckBox*>(QStringLiteral("CheckRated"));
    EXPECT_TRUE(rated != nullptr && rated->isEnabled());
    if (rated != nullptr) rated->click();
    return static_cast<int>(QDialog::Accepted);
  });
  QTest::mouseClick(form->Menu()->MemberButton(5), Qt::LeftButton);
  ASSERT_TRUE(Table().isVisible());
  EXPECT_EQ(State().PlayerSlot, kRatedGameSlot);
  EXPECT_EQ(State().KonNumber, 28);
  // The booking is on the server while the game runs.
  EXPECT_EQ(ServerResults("Vika").Kon, 30);

  // The program plays the decks the server dealt for the block, which the server replays.
  const std::vector<Deck> decks = form->Online()->Club().blockDecks();
  ASSERT_EQ(decks.size(), 3u);
  QString award;
  for (int kon = 1; kon <= 3; ++kon) {
    EXPECT_EQ(State().DeckCode, decks[static_cast<std::size_t>(kon - 1)]) << kon;
    PlayKonByClicks();
    ASSERT_FALSE(HasFatalFailure());
    if (kon < 3) ClickMainButton();
  }
  bool kovsPictures = false;
  responders.push_back([&award, &kovsPictures](QDialog& dialog) {
    if (auto* label = dialog.findChild<QLabel*>(QStringLiteral("LabelAward"))) {
      award = label->text();
      kovsPictures = dialog.findChild<QLabel*>(QStringLiteral("ImageKovs")) != nullptr &&
                     dialog.findChild<QLabel*>(QStringLiteral("ImageKovsT")) != nullptr;
      QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
      dialog.grab().save(ZENDRAL_SCREENSHOT_DIR "/end-of-cycle-account.png");
    }
    return static_cast<int>(QDialog::Accepted);
  });
  ClickExitButton();

  EXPECT_TRUE(form->MenuShown());
  EXPECT_EQ(form->Online()->Club().state(), online::AccountState::asLoggedIn);
  EXPECT_NE(std::find(dialogs.begin(), dialogs.end(), QStringLiteral("FormEndGame")),
            dialogs.end());
  EXPECT_EQ(award, "You get 25 Kovs!!!");
  EXPECT_TRUE(kovsPictures);
  const online::TKovGame results = ServerResults("Vika");
  EXPECT_EQ(results.Kon, 30);
  EXPECT_EQ(results.KonL, 0);
  EXPECT_EQ(results.Sessions, 1);
  EXPECT_EQ(form->Online()->Club().user().R04, 25);

  // The player sees his cycle in the World Top Ten window, on the account table.
  std::vector<std::string> nicks;
  responders.push_back([&nicks](QDialog& dialog) {
    auto* world = dynamic_cast<TFWorldTop*>(&dialog);
    EXPECT_NE(world, nullptr);
    if (world == nullptr) return static_cast<int>(QDialog::Rejected);
    world->ShowTable(2);
    for (const TopTenRow& row : world->List()->Rows()) nicks.push_back(row.nick.toStdString());
    return static_cast<int>(QDialog::Accepted);
  });
  QTest::mouseClick(form->Menu()->WorldIcon(), Qt::LeftButton);
  EXPECT_EQ(nicks, std::vector<std::string>{"Vika"});
}

TEST_F(OnlineProgram, AnAccountMadeFromTheMenuLogsInAtTheNextStart) {
  ASSERT_TRUE(OpenIn(programFolder));
  EXPECT_EQ(form->Online()->Club().state(), online::AccountState::asOffline);
  MainMenuWidget& menu = *form->Menu();
  const auto balloon = [&](QPushButton* icon) {
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(icon, &enter);
    EXPECT_TRUE(menu.IconBalloon()->isVisible());
    const std::pair shown{menu.IconBalloon()->Title(), menu.IconBalloon()->Text()};
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(icon, &leave);
    EXPECT_FALSE(menu.IconBalloon()->isVisible());
    return shown;
  };
  EXPECT_EQ(balloon(menu.AccountIcon()),
            std::pair(QString("You are not logged in to your account!"),
                      QString("Login to account / Create an account")));
  EXPECT_EQ(balloon(menu.WorldIcon()),
            std::pair(QString("World Top 10"), QString("Windows / Android / Account")));
  EXPECT_EQ(balloon(menu.StatsIcon()),
            std::pair(QString("Statistics"), QString("World-Statistics")));
  const auto fifthScheme = [&] { return menu.MemberButton(5)->Scheme(); };
  EXPECT_EQ(fifthScheme(), ButtonScheme::DNavy);
  sounds.clear();
  responders.push_back([this](QDialog& dialog) {
    const auto edit = [&dialog](const char* name) {
      return dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    QTest::keyClicks(edit("EditNick"), "Sasha");
    QTest::keyClicks(edit("EditPw"), "pwSasha");
    QTest::keyClicks(edit("EditCity"), "Perm");
    QTest::keyClicks(edit("EditEMail"), "sasha@example.org");
    auto* create = dialog.findChild<QPushButton*>(QStringLiteral("ButtonCreate"));
    EXPECT_TRUE(create->isEnabled());
    create->click();
    dialog.findChild<QPushButton*>(QStringLiteral("ButtonSave"))->click();
    return static_cast<int>(QDialog::Accepted);
  });
  QTest::mouseClick(form->Menu()->AccountIcon(), Qt::LeftButton);
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages.front(),
            "Your account has been created and you are now logged in as Sasha.\n"
            "Press “Save” to be logged in by itself at every start.");
  EXPECT_EQ(form->Online()->Club().state(), online::AccountState::asLoggedIn);
  EXPECT_TRUE(form->Menu()->MemberButton(5)->text().startsWith("Sasha"));
  ASSERT_TRUE(std::filesystem::exists(online::UserFilePath(programFolder)));
  ASSERT_FALSE(sounds.empty());
  EXPECT_EQ(sounds.front(), "WOpenFo");
  // The menu is rebuilt for the account: its line on red, the icon's balloon with the nick.
  EXPECT_EQ(fifthScheme(), ButtonScheme::DRed);
  EXPECT_EQ(balloon(menu.AccountIcon()),
            std::pair(QString("You are logged in to your account!"), QString("Sasha")));

  form.reset();  // the program ends; the next start logs in without typing
  ASSERT_TRUE(OpenIn(programFolder));
  EXPECT_EQ(form->Online()->Club().state(), online::AccountState::asLoggedIn);
  EXPECT_EQ(form->Online()->Club().user().City, "Perm");
}

}  // namespace
}  // namespace zendral
