// The indicator clock of the main menu fed by the real companion server: the statistics sums,
// the first row of a world table with its nick, the own balance and the member count, each
// value at its minute; no re-read before seven minutes; and every value's failure text when no
// server answers.

#include <gtest/gtest.h>

#include <QDir>
#include <chrono>
#include <thread>

#include "AppFixture.h"
#include "LoopbackHttpServer.h"
#include "ServerProgramFixture.h"
#include "app/main/MainMenuWidget.h"
#include "app/main/MenuDecorations.h"
#include "app/online/MenuServices.h"
#include "app/online/OnlineLink.h"
#include "online/OnlineClub.h"
#include "online/Results.h"
#include "online/ServiceAddresses.h"
#include "online/Statistics.h"
#include "online/UserFile.h"
#include "present/geometry/TableScale.h"

namespace zendral {
namespace {

class MenuIndicatorProgram : public testing::ServerProgramTest {
 protected:
  void SetUp() override {
    ServerProgramTest::SetUp();
    if (HasFatalFailure()) return;
    programFolder = MakeProgramFolder();
    Settings settings;
    settings.WindowSize = kLargeWindow;
    ASSERT_TRUE(SaveSettings(programFolder / kSettingsFileName, settings));
  }

  // What another program does on the server, through its own frame.
  struct Outside {
    online::CurlTransport transport;
    online::RequestFrame frame{transport};
    online::OnlineClub club{frame, online::AddressesUnder(server_->base())};
  };

  MenuDecorations& Parts() { return *form->Menu()->Decorations(); }
  MenuIndicatorClock& Indicator() { return *Parts().IndicatorClock(); }

  // The timer's ticks at second 00 and then 01 of the minute that shows value k.
  void ShowValue(int value) {
    for (const int second : {0, 1}) {
      Parts().SetClock([=] { return MenuDecorations::Now{12, 7 + value - 1, second, 0}; });
      Tick();
    }
  }
  std::pair<QString, QString> Shown(int value) {
    ShowValue(value);
    return {Indicator().Number(), Indicator().toolTip()};
  }

  std::filesystem::path programFolder;
};

TEST_F(MenuIndicatorProgram, TheIndicatorShowsTheClubsValuesAndAsksAgainOnlyAfterSevenMinutes) {
  // The club as other copies left it: sums of many games, a Windows record, one member logged
  // in by the user file.
  Outside outside;
  // 12345 kons with the computer over 13 sessions (a session has at most 1000), the people's
  // score won in one and lost in another.
  for (int session = 0; session < 13; ++session) {
    GameCounters counters;
    counters(1) = session < 12 ? 1000 : 345;
    if (session == 0) counters(3) = 30;
    if (session == 1) counters(4) = 70;
    ASSERT_TRUE(online::SendCounters(outside.frame, outside.club.addresses().statistics,
                                     online::kGameId, counters));
  }
  ASSERT_TRUE(online::SubmitWorldRow(outside.frame, outside.club.addresses().records, 44,
                                     online::SubmissionRow("Vera", "Omsk", "2-014", 321, "W")));
  online::TKovUser user;
  user.Nick = "Lada";
  user.Pw = "pwLada";
  user.City = "Omsk";
  user.Country2 = "1-001";
  user.EMail = "x@example.org";
  ASSERT_EQ(outside.club.CreateAccount(user, "10.12.2026"), 0);
  ASSERT_TRUE(online::SaveUserFile(online::UserFilePath(programFolder), user.Nick, user.Pw));
  const std::optional<int> balance = outside.club.ReadBalance();
  const std::optional<int> members =
      online::ReadMemberCount(outside.frame, outside.club.addresses().account);
  ASSERT_TRUE(balance && members);
  const online::TKovStat sums =
      online::ReadStatistics(outside.frame, outside.club.addresses().statistics, online::kGameId)
          .value_or(online::TKovStat{});

  ASSERT_TRUE(OpenIn(programFolder));
  ASSERT_TRUE(form->Online()->Club().LoggedIn());
  ASSERT_TRUE(Indicator().isVisible());

  // The sums of every copy: this one's start may have come in too, the counters did not.
  ASSERT_EQ(sums.StatX[0], 12345);
  const struct {
    int value;
    QString number, hint;
  } cases[] = {
      {1, "70", "Dynamic IQ for Windows (percent)"},
      {2, "12K", "Games played with PC"},
      {3, "321", "Best Windows Player: Vera"},
      {4, "0", "Best Android Player: No"},
      {5, "0", "The best player of games from under the account: No"},
      {6, QString::number(*balance), "Kovs"},
      {7, QString::number(*members), "Club members: "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    const auto [number, hint] = Shown(c.value);
    EXPECT_EQ(number, c.number);
    EXPECT_EQ(hint, c.hint);
    // The Windows leader's flag stands beside the number, and only there.
    EXPECT_EQ(Indicator().FlagCountry(), c.value == 3 ? QString("2-014") : QString());
  }

  // The menu for people to look at, with the record in the indicator.
  ShowValue(3);
  QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
  EXPECT_TRUE(form->grab().save(ZENDRAL_SCREENSHOT_DIR "/menu-indicator-size5.png"));
  EXPECT_TRUE(
      Indicator().grab().scaled(460, 256).save(ZENDRAL_SCREENSHOT_DIR "/menu-indicator-clock.png"));

  // A better record filed now: the ticks and a menu drawn again while it stays shown do not ask
  // the server before seven minutes have passed.
  ASSERT_TRUE(online::SubmitWorldRow(outside.frame, outside.club.addresses().records, 44,
                                     online::SubmissionRow("Nora", "Tver", "1-001", 555, "W")));
  form->ShowMainMenuScreen();
  EXPECT_EQ(Shown(3), std::make_pair(QString("321"), QString("Best Windows Player: Vera")));

  MenuServices& services = *form->Services();
  const MenuServices::Clock::time_point read = MenuServices::Clock::now();
  const TIndicatorData data = services.ReadIndicatorData(read);
  ASSERT_TRUE(data.bestWindows && *data.bestWindows);
  EXPECT_EQ((*data.bestWindows)->nick, "Nora");
  EXPECT_EQ((*data.bestWindows)->score, 555);
  EXPECT_EQ((*data.bestWindows)->country, "1-001");
  using std::chrono::minutes;
  using std::chrono::seconds;
  EXPECT_FALSE(services.IndicatorReadDue(false, read + minutes(7) - seconds(1)));
  EXPECT_TRUE(services.IndicatorReadDue(false, read + minutes(7)));
  EXPECT_TRUE(services.IndicatorReadDue(true, read + seconds(1)));  // the menu appearing anew
}

TEST_F(MenuIndicatorProgram, WithoutAServerEveryValueShowsTheNoConnectText) {
  ::setenv("ZENDRAL_SERVICE_BASE", "http://127.0.0.1:1", 1);
  ASSERT_TRUE(OpenIn(programFolder));
  ASSERT_TRUE(form->MenuShown());
  ASSERT_TRUE(Indicator().isVisible());
  const QString hints[] = {
      "Dynamic IQ for Windows (percent): NO CONNECT",
      "Games played with PC: NO CONNECT",
      "Best Windows Player: NO CONNECT",
      "Best Android Player: NO CONNECT",
      "The best player of games from under the account: NO CONNECT",
      "Club members:  NO CONNECT",  // value 6 gives way to 7 without an account
      "Club members:  NO CONNECT",
  };
  for (int value = 1; value <= kIndicatorValues; ++value) {
    SCOPED_TRACE(value);
    const auto [number, hint] = Shown(value);
    EXPECT_EQ(number, "00");
    EXPECT_EQ(hint, hints[value - 1]);
  }
}

// A network that takes requests and never answers costs the menu one bounded read, not one for
// every value: the round ends at the first read that failed after waiting.
TEST_F(MenuIndicatorProgram, ANetworkThatSwallowsRequestsHoldsTheMenuForOneReadOnly) {
  ::setenv("ZENDRAL_SERVICE_BASE", "http://127.0.0.1:1", 1);
  ASSERT_TRUE(OpenIn(programFolder));
  online::LoopbackHttpServer silent([](const std::string&, int) {
    std::this_thread::sleep_for(std::chrono::milliseconds(3500));
  });
  online::OnlineClub& club = form->Online()->Club();
  club.addresses() = online::AddressesUnder(silent.base());
  const TIndicatorData data = form->Services()->ReadIndicatorData(MenuServices::Clock::now());
  EXPECT_FALSE(data.bestWindows);
  EXPECT_FALSE(data.clubMembers);
  // Whatever the client sent is taken by the server within its next sleep.
  std::this_thread::sleep_for(std::chrono::milliseconds(4000));
  EXPECT_EQ(silent.requests().size(), 1u);
}

}  // namespace
}  // namespace zendral
