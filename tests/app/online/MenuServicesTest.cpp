// The club entries of the main menu with the real companion server: the start counted once per
// run (a first start also as unique, acknowledged in the settings), the statistics window and
// its like, and the counters of a session at the table arriving in the sums.

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>

#include "AppFixture.h"
#include "ServerProgramFixture.h"
#include "app/main/MainMenuWidget.h"
#include "app/online/OnlineLink.h"
#include "app/online/TFStatistics.h"
#include "online/ServiceAddresses.h"
#include "online/Statistics.h"

namespace zendral {
namespace {

class MenuServicesProgram : public testing::ServerProgramTest {
 protected:
  // The sums on the server, read as another program would.
  static online::TKovStat Sums() {
    online::CurlTransport transport;
    online::RequestFrame frame(transport);
    const auto sums = online::ReadStatistics(
        frame, online::AddressesUnder(server_->base()).statistics, online::kGameId);
    EXPECT_TRUE(sums.has_value());
    return sums.value_or(online::TKovStat{});
  }

  Settings StoredSettings() const {
    return LoadSettings(folder.path() / kSettingsFileName, {}).settings;
  }
};

// The tests share one server: each looks at what it added to the sums.
TEST_F(MenuServicesProgram, AFirstStartCountsAsUniqueOnceAndTheLikeIsCountedOnce) {
  Settings fresh;
  fresh.InstallCounted = false;
  fresh.Liked = false;
  fresh.WttNick = "Incognito";
  folder.SaveSettingsFile(fresh);
  const online::TKovStat before = Sums();

  ASSERT_TRUE(Open());
  online::TKovStat now = Sums();
  EXPECT_EQ(now.Stat1, before.Stat1 + 1);
  EXPECT_EQ(now.Stat2, before.Stat2 + 1);
  EXPECT_TRUE(StoredSettings().InstallCounted);

  // The statistics window: the sums, then the like with a name asked for (the passport
  // still says "Incognito"); a name that is no passport name is asked again.
  QString firstValue, likes, lastLike;
  bool likeEnabledBefore = false, likeEnabledAfter = true;
  int asked = 0;
  responders.push_back([&](QDialog& dialog) {
    auto* window = dynamic_cast<TFStatistics*>(&dialog);
    EXPECT_NE(window, nullptr);
    if (window == nullptr) return static_cast<int>(QDialog::Rejected);
    EXPECT_EQ(window->windowTitle(), "Statistics");
    EXPECT_EQ(window->findChild<QLabel*>("LabelHeading")->text(), "WORLD STATS");
    EXPECT_EQ(window->RowLabel(10), "Games played Online");
    firstValue = window->RowValue(1);
    likeEnabledBefore = window->LikeButton()->isEnabled();
    window->askName = [&asked](QWidget*) -> std::optional<QString> {
      return ++asked == 1 ? QStringLiteral("N") : QStringLiteral("Nora");
    };
    window->LikeButton()->click();
    likeEnabledAfter = window->LikeButton()->isEnabled();
    likes = window->RowValue(3);
    lastLike = window->RowValue(4);
    return static_cast<int>(QDialog::Accepted);
  });
  QTest::mouseClick(form->Menu()->StatsIcon(), Qt::LeftButton);
  ASSERT_TRUE(responders.empty());
  EXPECT_EQ(firstValue, QString::number(now.Stat1));
  EXPECT_TRUE(likeEnabledBefore);
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(likeEnabledAfter);
  EXPECT_EQ(likes, QString::number(now.Stat3 + 1));
  EXPECT_EQ(lastLike, "Nora");
  EXPECT_TRUE(StoredSettings().Liked);
  EXPECT_EQ(StoredSettings().WttNick, "Nora");

  // The next run: a repeated start, and the like is not offered again.
  form.reset();
  ASSERT_TRUE(Open());
  bool likeOffered = true;
  responders.push_back([&](QDialog& dialog) {
    if (auto* window = dynamic_cast<TFStatistics*>(&dialog)) {
      likeOffered = window->LikeButton()->isEnabled();
    }
    return static_cast<int>(QDialog::Accepted);
  });
  QTest::mouseClick(form->Menu()->StatsIcon(), Qt::LeftButton);
  EXPECT_FALSE(likeOffered);
  now = Sums();
  EXPECT_EQ(now.Stat1, before.Stat1 + 2);
  EXPECT_EQ(now.Stat2, before.Stat2 + 1);
  EXPECT_EQ(now.Stat3, before.Stat3 + 1);
  EXPECT_EQ(now.Stat4, "Nora");
}

// A fresh copy as it comes, with the settings file the build ships beside the club files.
TEST_F(MenuServicesProgram, TheShippedSettingsCountTheFirstStartOnceAndOfferTheLike) {
  const std::string command =
      std::string("\"") + ZENDRAL_MAKECLUB + "\" --settings \"" + folder.path().string() + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  ASSERT_TRUE(std::filesystem::exists(folder.path() / kSettingsFileName));
  const online::TKovStat before = Sums();

  const auto likeOffered = [this] {
    bool offered = false;
    responders.push_back([&offered](QDialog& dialog) {
      if (auto* window = dynamic_cast<TFStatistics*>(&dialog)) {
        offered = window->LikeButton()->isEnabled();
      }
      return static_cast<int>(QDialog::Accepted);
    });
    QTest::mouseClick(form->Menu()->StatsIcon(), Qt::LeftButton);
    EXPECT_TRUE(responders.empty());
    return offered;
  };

  ASSERT_TRUE(Open());
  EXPECT_EQ(Sums().Stat1, before.Stat1 + 1);
  EXPECT_EQ(Sums().Stat2, before.Stat2 + 1) << "the first start is the unique one";
  EXPECT_TRUE(StoredSettings().InstallCounted);
  EXPECT_TRUE(likeOffered());
  form.reset();

  ASSERT_TRUE(Open());
  EXPECT_EQ(Sums().Stat1, before.Stat1 + 2);
  EXPECT_EQ(Sums().Stat2, before.Stat2 + 1) << "the second start is no unique one";
  EXPECT_TRUE(likeOffered()) << "not liked yet";
}

TEST_F(MenuServicesProgram, AnUnacknowledgedFirstStartIsCountedAgainAndOtherMarksSendNothing) {
  Settings fresh;
  fresh.InstallCounted = false;
  folder.SaveSettingsFile(fresh);
  // No server answers: the first start stays uncounted.
  ::setenv("ZENDRAL_SERVICE_BASE", "http://127.0.0.1:1", 1);
  ASSERT_TRUE(Open());
  EXPECT_FALSE(StoredSettings().InstallCounted);
  form.reset();

  // The next run reaches the server: it is the unique start.
  ::setenv("ZENDRAL_SERVICE_BASE", server_->base().c_str(), 1);
  const online::TKovStat first = Sums();
  ASSERT_TRUE(Open());
  EXPECT_EQ(Sums().Stat2, first.Stat2 + 1);
  EXPECT_TRUE(StoredSettings().InstallCounted);
  form.reset();

  // A club file with another distribution mark: nothing is sent, nothing saved.
  fresh.InstallCounted = false;
  folder.SaveSettingsFile(fresh);
  ClubFile club = folder.Club();
  std::string& control = club.Line(17);
  ASSERT_GE(control.size(), 9u);
  control.replace(6, 3, "abc");
  UpdateClubChecksums(club);
  folder.Write(kLocalClubFileName, SerializeClubFile(club));
  const online::TKovStat before = Sums();
  ASSERT_TRUE(Open());
  EXPECT_EQ(Sums().Stat1, before.Stat1);
  EXPECT_FALSE(StoredSettings().InstallCounted);
}

TEST_F(MenuServicesProgram, ASessionWithTheComputerArrivesInTheSums) {
  ASSERT_TRUE(Open());
  const online::TKovStat before = Sums();
  responders.push_back(Sign("Alice", "ab"));
  QTest::mouseClick(form->Menu()->NewPlayerButton(), Qt::LeftButton);
  ASSERT_TRUE(Table().isVisible());
  PlayKonByClicks();
  ASSERT_FALSE(HasFatalFailure());
  const int score = State().Score[kSeat2];
  ClickExitButton();
  ASSERT_TRUE(form->MenuShown());

  const online::TKovStat after = Sums();
  EXPECT_EQ(after.StatX[0], before.StatX[0] + 1);
  EXPECT_EQ(after.StatX[1], before.StatX[1]);
  EXPECT_EQ(after.StatX[2], before.StatX[2] + std::max(score, 0));
  EXPECT_EQ(after.StatX[3], before.StatX[3] + std::max(-score, 0));
  EXPECT_EQ(after.StatX[4], before.StatX[4]);
}

TEST_F(MenuServicesProgram, TheStatisticsWindowWithoutAServerSaysNoConnect) {
  ASSERT_TRUE(Open());
  form->Online()->Club().addresses().statistics = "http://127.0.0.1:1/services/stats";
  QString first, second;
  responders.push_back([&](QDialog& dialog) {
    if (auto* window = dynamic_cast<TFStatistics*>(&dialog)) {
      first = window->RowValue(1);
      second = window->RowValue(2);
    }
    return static_cast<int>(QDialog::Accepted);
  });
  QTest::mouseClick(form->Menu()->StatsIcon(), Qt::LeftButton);
  EXPECT_EQ(first, "No Connect");
  EXPECT_EQ(second, "");
}

}  // namespace
}  // namespace zendral
