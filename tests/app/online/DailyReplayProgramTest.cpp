// A past deal of the day replayed offline in the whole program: a club whose yesterday three
// members played (filed on a server whose clock ran a day behind, then served by one on the
// right clock over the same data), the replay with hints that lead to the day's par, its place
// among the day's results, nothing sent to the server meanwhile, a day the server has no deck
// for, and today's deck kept from replay until the member has filed today.

#include <gtest/gtest.h>

#include <QDateEdit>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTcpServer>

#include "AppFixture.h"
#include "ServerProgramFixture.h"
#include "app/main/MainMenuWidget.h"
#include "app/online/DailyBoard.h"
#include "app/online/OnlineLink.h"
#include "app/online/TFDaily.h"
#include "app/online/TopTenList.h"
#include "game/LeveledKon.h"
#include "game/ParSearch.h"
#include "online/Daily.h"
#include "online/DailyPlay.h"
#include "online/OnlineClub.h"
#include "online/UserFile.h"
#include "store/HistoryFile.h"

namespace zendral {
namespace {

// How a member of the set-up chooses his card: by the classic player's rule, or the first or
// the last card of the hand that may be laid.
enum class Way { kClassic, kFirst, kLast };

int SlotBy(const online::DailyKonPlay& play, Way way) {
  const KonState& kon = play.kon();
  if (way == Way::kClassic) return ClassicChoice(kon, kSeat2);
  int chosen = 0;
  for (int slot = 1; slot <= kon.Hands[kSeat2].CardCount; ++slot) {
    if (!play.MayLay(kon.Hands[kSeat2][slot])) continue;
    chosen = slot;
    if (way == Way::kFirst) break;
  }
  return chosen;
}

struct Member {
  std::string nick;
  Way way;
};

class DailyReplayProgram : public testing::ServerProgramTest {
 protected:
  static void SetUpTestSuite() {
    AppTest::SetUpTestSuite();
    // The club's clock a day behind: its today is the day replayed below.
    server_ = std::make_unique<online::CompanionServer>(
        ZENDRAL_SERVER_PROGRAM, std::vector<std::string>{"--clock-offset", "-86400"});
    ASSERT_TRUE(server_->ready());
    for (const Member& m :
         {Member{"Ann", Way::kClassic}, Member{"Bob", Way::kFirst}, Member{"Cid", Way::kLast}}) {
      PlayTheDay(server_->base(), m);
    }
    server_->RestartWith({});
  }

  static void PlayTheDay(const std::string& base, const Member& m) {
    online::CurlTransport transport;
    online::RequestFrame frame(transport);
    online::OnlineClub club(frame, online::AddressesUnder(base));
    online::TKovUser user;
    user.Nick = m.nick;
    user.Pw = "pw" + m.nick;
    user.City = "Tver";
    user.Country2 = "1-001";
    user.EMail = "x@example.org";
    ASSERT_EQ(club.CreateAccount(user, "10.12.2026"), 0);
    const online::DailyStart start = online::StartDaily(frame, club.addresses().records);
    ASSERT_EQ(start.kind, online::DailyStartKind::kDealt);
    online::DailyKonPlay play(start.deck);
    while (!play.Over()) {
      const int slot = SlotBy(play, m.way);
      ASSERT_NE(slot, 0);
      ASSERT_TRUE(play.Lay(play.kon().Hands[kSeat2][slot]));
    }
    const auto filed =
        online::SaveDaily(frame, club.addresses().records, play.MovesText(), play.Score());
    ASSERT_TRUE(filed);
    day_ = start.day;
    deck_ = start.deck;
    scores_.push_back(filed->score);
  }

  void SetUp() override {
    ServerProgramTest::SetUp();
    if (HasFatalFailure()) return;
    programFolder = MakeProgramFolder();
  }

  // A member of the club who has not played today, logged in by the program at its start.
  void OpenAs(const std::string& nick) {
    ASSERT_TRUE(MakeSavedMember(nick, programFolder, "11.12.2026"));
    ASSERT_TRUE(OpenIn(programFolder));
    ASSERT_EQ(form->Online()->Club().state(), online::AccountState::asLoggedIn);
  }

  // Opens the deal of the day's table from the World Top Ten window and hands it to `use`.
  void WithDailyTable(std::function<void(TFDaily&)> use) {
    bool used = false;
    responders.push_back([](QDialog& dialog) {
      auto* daily = dialog.findChild<QPushButton*>(QStringLiteral("ButtonDaily"));
      EXPECT_NE(daily, nullptr);
      if (daily != nullptr) daily->click();
      return static_cast<int>(QDialog::Accepted);
    });
    responders.push_back([&](QDialog& dialog) {
      auto* window = dynamic_cast<TFDaily*>(&dialog);
      EXPECT_NE(window, nullptr);
      if (window != nullptr) {
        used = true;
        use(*window);
      }
      return static_cast<int>(QDialog::Accepted);
    });
    QTest::mouseClick(form->Menu()->WorldIcon(), Qt::LeftButton);
    EXPECT_TRUE(used);
  }

  static void ChooseDay(TFDaily& window, const QDate& day) {
    window.findChild<QDateEdit*>(QStringLiteral("DateDaily"))->setDate(day);
  }

  static QString Summary(TFDaily& window) {
    return window.findChild<QLabel*>(QStringLiteral("LabelSummary"))->text();
  }

  static inline std::string day_;
  static inline Deck deck_;
  static inline std::vector<int> scores_;
  std::filesystem::path programFolder;
};

TEST_F(DailyReplayProgram, APastDayReplaysOfflineWithHintsToItsPar) {
  ASSERT_EQ(scores_.size(), 3u);
  OpenAs("Eva");
  const int par = ParOfDeck(deck_).par;
  // Where par stands among the three results: after every one as good.
  int place = 1;
  for (const int score : scores_) place += score >= par ? 1 : 0;

  QTcpServer trap;
  ASSERT_TRUE(trap.listen(QHostAddress::LocalHost));
  std::string& records = form->Online()->Club().addresses().records;
  const std::string realRecords = records;
  std::vector<QString> hints;
  QString summary;
  WithDailyTable([&](TFDaily& window) {
    ChooseDay(window, QDate::fromString(QString::fromStdString(day_), Qt::ISODate));
    ASSERT_EQ(window.List()->Rows().size(), 3u);
    ASSERT_TRUE(window.ReplayButton()->isEnabled());
    // From here on the records service is a socket that answers nothing: a request of the
    // replay would reach it.
    records = "http://127.0.0.1:" + std::to_string(trap.serverPort()) + "/services/records";
    window.ReplayButton()->click();
    ASSERT_TRUE(window.Replaying());
    ASSERT_TRUE(window.Board()->isVisibleTo(&window));
    ASSERT_TRUE(window.HintButton()->isVisibleTo(&window));
    // Every card as the hint names it: the kon ends at the day's par.
    for (int turn = 0; turn < 40 && !window.Play()->Over(); ++turn) {
      window.HintButton()->click();
      window.WaitForHint();
      const TCardCode hinted = window.Board()->Hint();
      ASSERT_FALSE(hinted.IsEmpty());
      ASSERT_TRUE(window.Play()->MayLay(hinted));
      hints.push_back(window.findChild<QLabel*>(QStringLiteral("LabelHint"))->text());
      if (turn == 0) window.grab().save(ZENDRAL_SCREENSHOT_DIR "/daily_replay_hint.png");
      const QRect r = window.Board()->HandCardRect(hinted);
      QTest::mouseClick(window.Board(), Qt::LeftButton, {}, r.center());
    }
    ASSERT_TRUE(window.Play()->Over());
    EXPECT_EQ(window.Play()->Score(), par);
    EXPECT_EQ(window.ReplayPlace(), place);
    EXPECT_FALSE(window.Result().has_value());
    window.WaitForReview();
    summary = Summary(window);
    window.grab().save(ZENDRAL_SCREENSHOT_DIR "/daily_replay_end.png");
    EXPECT_FALSE(trap.hasPendingConnections() || trap.waitForNewConnection(200));
    // Back on today's table, the replay's end is gone from the summary.
    records = realRecords;
    window.findChild<QPushButton*>(QStringLiteral("ButtonToday"))->click();
    EXPECT_FALSE(Summary(window).contains(QStringLiteral("You would have placed")))
        << Summary(window).toStdString();
  });
  records = realRecords;
  ASSERT_FALSE(hints.empty());
  EXPECT_TRUE(hints[0].startsWith(QStringLiteral("Best: "))) << hints[0].toStdString();
  EXPECT_TRUE(hints[0].endsWith(QStringLiteral("par from here: ") + QString::number(par)))
      << hints[0].toStdString();
  for (const QString& line :
       {QStringLiteral("Your score: ") + QString::number(par),
        QStringLiteral("Par: ") + QString::number(par), QStringLiteral("Short of par: 0"),
        QStringLiteral("You would have placed: %1 / 4").arg(place)}) {
    EXPECT_TRUE(summary.contains(line)) << line.toStdString() << "\n" << summary.toStdString();
  }
  EXPECT_TRUE(messages.empty());

  // Nothing was filed: the day still has its three players, and no history row was written.
  online::CurlTransport transport;
  online::RequestFrame frame(transport);
  const auto table =
      online::ReadDailyTable(frame, online::AddressesUnder(server_->base()).records, day_);
  ASSERT_TRUE(table);
  EXPECT_EQ(table->players, 3);
  EXPECT_FALSE(std::filesystem::exists(HistoryFilePath(programFolder, 1)));
}

TEST_F(DailyReplayProgram, TodayWaitsForTheFilingAndADayWithoutADeckSaysSo) {
  OpenAs("Fay");
  WithDailyTable([&](TFDaily& window) {
    // Today, not played yet: no deck, and no replay.
    EXPECT_FALSE(window.ReplayButton()->isEnabled());
    responders.push_back([](QDialog&) { return static_cast<int>(QMessageBox::Ok); });
    EXPECT_FALSE(window.StartReplay());
    EXPECT_FALSE(window.Replaying());
    EXPECT_FALSE(window.Board()->isVisibleTo(&window));

    // A day long before, on which nobody was dealt a deck: the server's table has none.
    const QDate past = QDate::fromString(QString::fromStdString(day_), Qt::ISODate).addDays(-20);
    ChooseDay(window, past);
    EXPECT_TRUE(window.List()->Rows().empty());
    ASSERT_TRUE(window.ReplayButton()->isEnabled());
    responders.push_back([](QDialog&) { return static_cast<int>(QMessageBox::Ok); });
    window.ReplayButton()->click();
    EXPECT_FALSE(window.Replaying());
    EXPECT_FALSE(window.Board()->isVisibleTo(&window));
  });
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], QStringLiteral("Today's deal can be replayed once you have played it."));
  EXPECT_EQ(messages[1],
            QStringLiteral("The server sent no deck for this day, so it cannot be replayed."));

  // Once today's kon is filed, today's deck is open to its player and may be replayed.
  responders.push_back([](QDialog& dialog) {
    auto* window = dynamic_cast<TFDaily*>(&dialog);
    EXPECT_NE(window, nullptr);
    if (window == nullptr) return static_cast<int>(QDialog::Rejected);
    while (!window->Play()->Over()) {
      const int slot = ClassicChoice(window->Play()->kon(), kSeat2);
      if (slot == 0) break;
      window->Board()->update();
      QTest::mouseClick(
          window->Board(), Qt::LeftButton, {},
          window->Board()->HandCardRect(window->Play()->kon().Hands[kSeat2][slot]).center());
    }
    EXPECT_TRUE(window->Result().has_value());
    EXPECT_TRUE(window->ReplayButton()->isEnabled());
    EXPECT_TRUE(window->StartReplay());
    EXPECT_TRUE(window->Replaying());
    window->WaitForReview();
    return static_cast<int>(QDialog::Accepted);
  });
  QTest::mouseClick(form->Menu()->DailyIcon(), Qt::LeftButton);
  EXPECT_EQ(messages.size(), 2u);
}

}  // namespace
}  // namespace zendral
