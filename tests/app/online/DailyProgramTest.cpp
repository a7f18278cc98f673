// The deal of the day in the whole program with the real companion server: the menu's icon
// for members logged in, the day's kon played by clicks on seat 2, its result, table, par and
// review, the second try refused with the table shown, and the entry of the World Top Ten
// window.

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "AppFixture.h"
#include "ServerProgramFixture.h"
#include "app/main/MainMenuWidget.h"
#include "app/online/DailyBoard.h"
#include "app/online/OnlineLink.h"
#include "app/online/TFDaily.h"
#include "app/online/TopTenList.h"
#include "game/LeveledKon.h"
#include "game/ParSearch.h"
#include "online/OnlineClub.h"
#include "online/UserFile.h"
#include "store/HistoryFile.h"

namespace zendral {
namespace {

class DailyProgram : public testing::ServerProgramTest {
 protected:
  void SetUp() override {
    ServerProgramTest::SetUp();
    if (HasFatalFailure()) return;
    programFolder = MakeProgramFolder();
  }

  // An account made outside the program, whose log-in the program restores at its start.
  void PrepareAccount(const std::string& nick) {
    EXPECT_TRUE(MakeSavedMember(nick, programFolder, "10.12.2026"));
  }

  std::filesystem::path programFolder;
};

// Clicks the classic player's choice for seat 2 on the board until the kon is over.
void PlayByClicks(TFDaily& window) {
  for (int turn = 0; turn < 40 && !window.Play()->Over(); ++turn) {
    const KonState& kon = window.Play()->kon();
    ASSERT_EQ(kon.TurnState, ksSeat2ToMove);
    const int slot = ClassicChoice(kon, kSeat2);
    ASSERT_NE(slot, 0);
    const QRect r = window.Board()->HandCardRect(kon.Hands[kSeat2][slot]);
    ASSERT_FALSE(r.isEmpty());
    QTest::mouseClick(window.Board(), Qt::LeftButton, {}, r.center());
  }
  EXPECT_TRUE(window.Play()->Over());
}

TEST_F(DailyProgram, AMemberPlaysTheDayOnceAndSeesTheTableParAndReview) {
  PrepareAccount("Dina");
  ASSERT_TRUE(OpenIn(programFolder));
  ASSERT_EQ(form->Online()->Club().state(), online::AccountState::asLoggedIn);
  MainMenuWidget& menu = *form->Menu();
  ASSERT_TRUE(menu.DailyIcon()->isEnabled());
  // The icon stands clear of every other button and icon of the menu.
  for (QPushButton* other : menu.findChildren<QPushButton*>()) {
    if (other == menu.DailyIcon() || !other->isVisible()) continue;
    EXPECT_FALSE(other->geometry().intersects(menu.DailyIcon()->geometry()))
        << other->objectName().toStdString();
  }
  QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
  EXPECT_TRUE(form->grab().save(ZENDRAL_SCREENSHOT_DIR "/daily_menu.png"));

  int score = 0, par = 0;
  QStringList review;
  std::vector<std::string> nicks;
  responders.push_back([&](QDialog& dialog) {
    auto* window = dynamic_cast<TFDaily*>(&dialog);
    EXPECT_NE(window, nullptr);
    if (window == nullptr) return static_cast<int>(QDialog::Rejected);
    EXPECT_TRUE(window->Board()->isVisibleTo(window));
    window->grab().save(ZENDRAL_SCREENSHOT_DIR "/daily_board.png");
    PlayByClicks(*window);
    window->WaitForReview();
    EXPECT_TRUE(window->Result().has_value());
    if (window->Result()) {
      score = window->Result()->score;
      par = window->Result()->par;
    }
    review = window->ReviewLines();
    for (const TopTenRow& row : window->List()->Rows()) nicks.push_back(row.nick.toStdString());
    const QString summary = window->findChild<QLabel*>(QStringLiteral("LabelSummary"))->text();
    EXPECT_TRUE(summary.contains(QStringLiteral("Par: ") + QString::number(par)))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("Short of par: ") + QString::number(par - score)))
        << summary.toStdString();
    window->grab().save(ZENDRAL_SCREENSHOT_DIR "/daily_result.png");
    return static_cast<int>(QDialog::Accepted);
  });
  QTest::mouseClick(menu.DailyIcon(), Qt::LeftButton);
  EXPECT_TRUE(responders.empty());
  EXPECT_EQ(nicks, std::vector<std::string>{"Dina"});
  EXPECT_LE(score, par);
  ASSERT_EQ(review.size(), 5);
  EXPECT_EQ(review[4], QStringLiteral("Result: ") + QString::number(score));

  // The filed kon is a row of the member's history, marked as the deal of the day.
  const auto history = ReadHistoryGrid(HistoryFilePath(programFolder, 1));
  ASSERT_TRUE(history);
  ASSERT_EQ(history->size(), 1u);
  const HistoryGridRow& line = (*history)[0];
  EXPECT_EQ(line.kind, HistoryKind::kDaily);
  EXPECT_EQ(QString::fromStdString(line.player).trimmed(), QStringLiteral("Dina"));
  EXPECT_EQ(QString::fromStdString(line.result).trimmed(), QString::number(score));
  EXPECT_EQ(line.par, par);
  EXPECT_EQ(line.place, 1);

  // A second try the same day: the message, then the day's table instead of a kon.
  messages.clear();
  bool tableShown = false;
  responders.push_back([](QDialog&) { return static_cast<int>(QMessageBox::Ok); });
  responders.push_back([&tableShown](QDialog& dialog) {
    auto* window = dynamic_cast<TFDaily*>(&dialog);
    EXPECT_NE(window, nullptr);
    if (window == nullptr) return static_cast<int>(QDialog::Rejected);
    tableShown = window->Play() == nullptr && window->List()->isVisibleTo(window) &&
                 !window->List()->Rows().empty();
    return static_cast<int>(QDialog::Accepted);
  });
  QTest::mouseClick(menu.DailyIcon(), Qt::LeftButton);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], QStringLiteral("You have played today's deal already. Here is the "
                                        "day's table."));
  EXPECT_TRUE(tableShown);
  // The refused try added nothing to the history.
  EXPECT_EQ(ValidateHistoryFile(programFolder, 1).check.playerLines, 1);

  // The World Top Ten window's entry shows the same table.
  std::vector<std::string> fromWorld;
  responders.push_back([&fromWorld](QDialog& dialog) {
    auto* daily = dialog.findChild<QPushButton*>(QStringLiteral("ButtonDaily"));
    EXPECT_NE(daily, nullptr);
    if (daily != nullptr) daily->click();
    return static_cast<int>(QDialog::Accepted);
  });
  responders.push_back([&fromWorld](QDialog& dialog) {
    if (auto* window = dynamic_cast<TFDaily*>(&dialog)) {
      for (const TopTenRow& row : window->List()->Rows())
        fromWorld.push_back(row.nick.toStdString());
    }
    return static_cast<int>(QDialog::Accepted);
  });
  QTest::mouseClick(menu.WorldIcon(), Qt::LeftButton);
  EXPECT_EQ(fromWorld, std::vector<std::string>{"Dina"});
}

TEST_F(DailyProgram, TheIconWaitsForALogIn) {
  ASSERT_TRUE(OpenIn(programFolder));
  ASSERT_EQ(form->Online()->Club().state(), online::AccountState::asOffline);
  EXPECT_FALSE(form->Menu()->DailyIcon()->isEnabled());
}

}  // namespace
}  // namespace zendral
