// Two programs in one test process, each a whole main window, meet at a table of the real
// server through their tournament windows: the windows' seat buttons, the deal that closes
// them, the chat through the relay, play by clicks, and the move clock running down on one
// side until its time is up, with what each side is told and the records the server booked.

#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "AppFixture.h"
#include "TournamentFixture.h"
#include "app/lan/ChatPanel.h"
#include "app/main/ProgramPacks.h"
#include "app/main/TableHost.h"
#include "app/main/TourSession.h"
#include "app/online/OnlineLink.h"
#include "app/online/TFWorldTop.h"
#include "app/tour/Attention.h"
#include "app/tour/TFTour.h"
#include "app/tour/TourLink.h"
#include "app/windows/WindowTexts.h"
#include "game/Moves.h"
#include "present/packs/PackNames.h"
#include "present/words/PlayerHintWords.h"
#include "present/words/WordRows.h"

namespace zendral::testing {
namespace {

using server_test::Client;
using server_test::ServerProcess;

// Turns the event loop until the condition holds or the time is up.
bool WaitFor(const std::function<bool()>& done, int ms = 5000) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return done();
}

void SaveScreenshot(QWidget& widget, const QString& name) {
  QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
  widget.grab().save(QStringLiteral(ZENDRAL_SCREENSHOT_DIR "/") + name);
}

// One program with its folder, its window and its modal answers.
struct Program {
  ProgramFolder folder;
  std::unique_ptr<TForm1> form;
  std::vector<std::string> sounds;
  std::vector<QStringList> attention;   // the attention windows' lines
  std::vector<QString> messages;        // the message boxes' texts
  std::function<int(QDialog&)> onTour;  // the tournament window, while it is open
  std::vector<QString> windows;         // every other window opened, by its name
  std::function<void(QDialog&)> onWindow;

  void Open() {
    form = std::make_unique<TForm1>(TestFormOptions(
        folder.path(), [this](QDialog& dialog) { return Answer(dialog); }, &sounds));
    form->show();
    ASSERT_TRUE(form->StartUp());
    form->EndIntro();
  }
  int Answer(QDialog& dialog) {
    if (dialog.objectName() == QLatin1String("TFTour") && onTour) {
      auto next = std::move(onTour);
      onTour = nullptr;
      return next(dialog);
    }
    windows.push_back(dialog.objectName());
    if (onWindow) onWindow(dialog);
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) messages.push_back(box->text());
    if (dialog.objectName() == QLatin1String("Attention")) {
      QStringList lines;
      for (QLabel* label : dialog.findChildren<QLabel*>()) lines << label->text();
      attention.push_back(lines);
    }
    return QDialog::Rejected;
  }
  GameState& State() { return form->State(); }
  // Whatever this side's player would click now; false when nothing is his to do.
  bool Act() {
    const GameState& s = State();
    if (!s.TourGame || !s.GameActive || form->Busy()) return false;
    if ((s.KonPhase == kpDealt || s.TurnState == ksKonOver) && s.MainButtonEnabled) {
      form->TablePart().MainButtonClick();
      return true;
    }
    if (s.KonPhase == kpPlaying && s.TurnState == ksSeat2ToMove) {
      const int slot = ChooseMove(s.Hands[kSeat2], s.Board, s.Hands[kSeat1], s.LayCounter);
      if (slot == 0) {
        form->TablePart().MainButtonClick();
      } else {
        form->TablePart().CardClick(slot);
      }
      return true;
    }
    return false;
  }
};

class TourProgram : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }

  void SetUp() override {
    base_ = server_test::FreeRelayBase();
    // The relay allows more than the programs' own clock: here the program's clock decides.
    server_ = std::make_unique<ServerProcess>(std::vector<std::string>{
        "--rate-scale", "1000", "--relay-base", std::to_string(base_), "--relay-move-limit", "120",
        "--tour-wait-limit", std::to_string(WaitLimitSeconds())});
    ::setenv("ZENDRAL_SERVICE_BASE", server_->Base().c_str(), 1);
    for (Program* p : {&a_, &b_}) {
      const std::string nick = server_test::ServerTest::NewNick(p == &a_ ? "Alma" : "Bert");
      Client c(server_->Base());
      ASSERT_EQ(c.Raw("/services/account", server_test::CreateFields(nick, "pass1234")).body, "ok");
      ASSERT_NO_FATAL_FAILURE(p->Open());
      ASSERT_TRUE(p->form->Online()->Club().LogIn(nick, "pass1234"));
      p->form->State().AccountState = kAccountLoggedIn;
      nicks_.push_back(nick);
    }
  }
  void TearDown() override { ::unsetenv("ZENDRAL_SERVICE_BASE"); }
  // How long the server holds the seat of a player waiting alone.
  virtual int WaitLimitSeconds() const { return 300; }
  // The nick on a seat as the server lists it now.
  std::string ListedNick(int table, int seat) const {
    Client reader(server_->Base());
    const auto t = online::ReplySegment(
        reader
            .Form(server_test::kTournament, {{"readclient" + std::to_string(seat), "0"},
                                             {"gid", "44"},
                                             {"num", std::to_string(table)}})
            .body,
        ' ');
    return t && t->size() > 1 ? online::TokenAt(*t, 1) : std::string();
  }

  int base_ = 0;
  std::unique_ptr<ServerProcess> server_;
  Program a_, b_;
  std::vector<std::string> nicks_;
};

TEST_F(TourProgram, TwoWindowsMeetAtATablePlayAndOneSidesClockRunsOut) {
  const int table = 4;
  bool bDealt = false;
  // A opens the tournament and takes seat 1 of the table; while A waits in the window, B
  // opens it too and takes seat 2 beside A. The deal closes both windows.
  a_.onTour = [&](QDialog& dialog) {
    auto& window = dynamic_cast<tour::TFTour&>(dialog);
    EXPECT_EQ(window.SeatButton(table, 2)->text(), WordText(kWordFree));
    EXPECT_FALSE(window.SeatButton(table, 2)->isEnabled());
    EXPECT_TRUE(window.SeatButton(table, 1)->isEnabled());
    window.SeatButton(table, 1)->click();
    EXPECT_EQ(window.SeatButton(table, 1)->text(), WordText(kWordLogOff));
    EXPECT_FALSE(window.SeatButton(table + 1, 1)->isEnabled());  // one seat per player
    EXPECT_FALSE(window.findChild<QPushButton*>("CloseButton")->isEnabled());
    b_.onTour = [&](QDialog& other) {
      auto& second = dynamic_cast<tour::TFTour&>(other);
      EXPECT_EQ(second.SeatButton(table, 1)->text(), QtText(nicks_[0]) + " : 0");
      EXPECT_TRUE(second.SeatButton(table, 2)->isEnabled());
      SaveScreenshot(second, "tournament-window.png");
      second.SeatButton(table, 2)->click();
      bDealt = WaitFor([&] { return second.result() == QDialog::Accepted && !second.isVisible(); });
      return second.result();
    };
    b_.form->TourPart().Open();
    EXPECT_TRUE(WaitFor([&] { return !window.isVisible(); }));
    return window.result();
  };
  a_.form->TourPart().Open();
  ASSERT_TRUE(bDealt);
  ASSERT_TRUE(WaitFor([&] { return a_.State().TourGame && b_.State().TourGame; }));
  EXPECT_EQ(a_.State().PlayerSlot, kTournamentSlot);
  EXPECT_EQ(a_.State().RelaySeat, 1);
  EXPECT_EQ(b_.State().RelaySeat, 2);
  // Each sees the other's name at the top.
  EXPECT_EQ(a_.State().SeatName[kSeat1], nicks_[1]);
  EXPECT_EQ(b_.State().SeatName[kSeat1], nicks_[0]);
  // Both hold the same deal, each from its own side.
  EXPECT_EQ(a_.State().Hands[kSeat2], b_.State().Hands[kSeat1]);
  EXPECT_EQ(a_.State().Hands[kSeat1], b_.State().Hands[kSeat2]);

  // The chat line through the relay: B's line shows in A's panel in B's colour.
  ASSERT_TRUE(b_.form->TablePart().SendChat("Good luck"));
  ASSERT_TRUE(WaitFor([&] { return a_.form->Table()->ChatPanel()->Lines()[0].index == 2; }));
  EXPECT_EQ(a_.form->Table()->ChatPanel()->Lines()[0].text, "Good luck");

  // Six cards laid by clicks, each side when it is its turn; both copies of the kon agree.
  ASSERT_TRUE(WaitFor(
      [&] {
        a_.Act();
        b_.Act();
        return a_.State().LayCounter >= 7;
      },
      20000));
  ASSERT_TRUE(WaitFor([&] { return b_.State().LayCounter == a_.State().LayCounter; }));
  ASSERT_GE(a_.State().LayCounter, 7);
  EXPECT_EQ(a_.State().Board, b_.State().Board);
  ASSERT_TRUE(WaitFor([&] {
    return a_.State().TurnState == ksSeat2ToMove || b_.State().TurnState == ksSeat2ToMove;
  }));
  Program& slow = a_.State().TurnState == ksSeat2ToMove ? a_ : b_;
  Program& other = &slow == &a_ ? b_ : a_;
  const std::string slowNick = &slow == &a_ ? nicks_[0] : nicks_[1];
  // The turn came by the other side's message: the cards the player may lay are marked, as at
  // the table against the computer.
  std::vector<int> playable;
  for (int slot = 1; slot <= slow.State().Hands[kSeat2].CardCount; ++slot) {
    if (!IsCardBlocked(slow.State(), slot)) playable.push_back(slot);
  }
  ASSERT_TRUE(slow.State().HighlightMoves);
  EXPECT_EQ(slow.form->Table()->Highlighted(), playable);

  // The player in turn does nothing: his own clock runs down, tick by tick.
  tour::TourLink& link = *slow.form->TourPart().Link();
  slow.sounds.clear();
  for (int second = 25; second >= 1; --second) {
    link.Relay().ClockTick();
    ASSERT_EQ(link.Clock(2)->Seconds(), second);
    if (second == 7) SaveScreenshot(*slow.form, "tournament-clock.png");
  }
  EXPECT_EQ(std::count(slow.sounds.begin(), slow.sounds.end(), "STimerA"), 18);
  EXPECT_EQ(std::count(slow.sounds.begin(), slow.sounds.end(), "STimerB"), 7);
  EXPECT_TRUE(link.Clock(2)->isVisible());
  link.Relay().ClockTick();  // 0: the time is up
  ASSERT_EQ(slow.attention.size(), 1u);
  EXPECT_EQ(slow.attention[0], (QStringList{WordText(kWordYourTimeIsUp), WordText(kWordYouLose)}));
  EXPECT_TRUE(slow.State().CanFinish);
  EXPECT_EQ(slow.State().TurnState, ksKonSettled);

  // The other side hears it from the relay.
  ASSERT_TRUE(WaitFor([&] { return !other.attention.empty(); }));
  EXPECT_EQ(other.attention[0], (QStringList{WordText(kWordPlayer) + ' ' + QtText(slowNick) + ' ' +
                                                 WordText(kWordTimeIsUp),
                                             WordText(kWordYouWon)}));
  EXPECT_TRUE(other.State().CanFinish);

  // Both leave the table; the server has booked the loss and the win.
  for (Program* p : {&slow, &other}) {
    p->onTour = [](QDialog&) { return static_cast<int>(QDialog::Rejected); };
    p->form->TablePart().ExitButtonClick();
    EXPECT_TRUE(WaitFor([&] { return !p->onTour; })) << "the tournament window came back";
  }
  Client reader(server_->Base());
  // Score and kons as the server booked them.
  auto record = [&](const std::string& nick) {
    const auto t = online::ReplySegment(
        reader.Raw(server_test::kTournament, {{"readrating44", "0"}, {"nick", nick}}).body, ' ');
    if (!t || t->size() < 4) return std::pair<int, int>{0, -1};
    return std::pair<int, int>{std::stoi(online::TokenAt(*t, 1)),
                               std::stoi(online::TokenAt(*t, 2))};
  };
  const auto slowRecord = record(slowNick);
  const auto otherRecord = record(&slow == &a_ ? nicks_[1] : nicks_[0]);
  EXPECT_EQ(slowRecord.second, 1);  // one kon each
  EXPECT_EQ(otherRecord.second, 1);
  EXPECT_LT(slowRecord.first, 0);  // the silent player lost
  EXPECT_EQ(slowRecord.first, -otherRecord.first);
}

TEST_F(TourProgram, ARelayConnectionErrorReleasesTheSeatAndAServerOffDisablesAllTables) {
  const int table = 6;
  a_.onTour = [&](QDialog& dialog) {
    auto& window = dynamic_cast<tour::TFTour&>(dialog);
    window.show();
    EXPECT_TRUE(window.RefreshTimer()->isActive());
    EXPECT_EQ(window.RefreshTimer()->interval(), 10000);
    EXPECT_EQ(window.CheckTimer()->interval(), 1000);
    window.SeatButton(table, 1)->click();
    EXPECT_EQ(window.SeatButton(table, 1)->text(), WordText(kWordLogOff));
    // The window will not close while a seat is held.
    EXPECT_FALSE(window.findChild<QPushButton*>("CloseButton")->isEnabled());
    window.close();
    EXPECT_TRUE(window.isVisible());
    // The server goes away: the relay connection fails, and the next check says so and lets
    // the seat go.
    server_->Stop();
    EXPECT_TRUE(WaitFor([&] { return !a_.attention.empty(); }, 8000));
    EXPECT_EQ(window.SeatButton(table, 1)->text(), WordText(kWordServerOff));
    for (int k = 1; k <= 10; ++k) EXPECT_FALSE(window.SeatButton(k, 1)->isEnabled());
    EXPECT_EQ(window.Welcome()->text(), WordText(kWordNoConnect));
    EXPECT_TRUE(window.findChild<QPushButton*>("CloseButton")->isEnabled());
    window.findChild<QPushButton*>("CloseButton")->click();
    EXPECT_FALSE(window.isVisible());
    return static_cast<int>(QDialog::Rejected);
  };
  a_.form->TourPart().Open();
  ASSERT_FALSE(a_.attention.empty());
  EXPECT_EQ(a_.attention[0], QStringList{WordText(kWordServerConnectionError)});
  EXPECT_FALSE(a_.form->TourPart().Link()->Session().booking.Holds());
}

// "Top 10" shows the tournament's top ten: its own window, or with the graphics pack the
// World Top Ten window on the tournament's list.
TEST_F(TourProgram, TopTenShowsTheTournamentsListWithOrWithoutTheGraphicsPack) {
  for (const bool pack : {false, true}) {
    SCOPED_TRACE(pack);
    Program& p = pack ? b_ : a_;
    if (pack) {
      std::filesystem::create_symlink(
          std::filesystem::path(ZENDRAL_TEST_PACKS) / std::string(kPackGraphics),
          p.folder.path() / std::string(kPackGraphics));
      p.form->Packs().Load();
    }
    int shownList = 0;
    p.onWindow = [&](QDialog& dialog) {
      if (auto* world = dynamic_cast<TFWorldTop*>(&dialog)) shownList = world->TableShown();
    };
    p.onTour = [&](QDialog& dialog) {
      dialog.findChild<QPushButton*>("Top10Button")->click();
      return static_cast<int>(QDialog::Rejected);
    };
    p.form->TourPart().Open();
    ASSERT_FALSE(p.windows.empty());
    EXPECT_EQ(p.windows.back(), pack ? "TFWorldTop" : "TFTourTop");
    EXPECT_EQ(shownList, pack ? TFWorldTop::kTournamentList : 0);
  }
}

TEST_F(TourProgram, WithoutAnAccountTheTournamentAsksForALogIn) {
  a_.form->Online()->Club().LogOut();
  a_.onTour = [](QDialog&) {
    ADD_FAILURE() << "the tournament window opened without an account";
    return static_cast<int>(QDialog::Rejected);
  };
  a_.form->TourPart().Open();
  EXPECT_TRUE(static_cast<bool>(a_.onTour));
  EXPECT_EQ(a_.form->TourPart().Link(), nullptr);
  EXPECT_EQ(a_.messages, std::vector<QString>{WordText(kWordLogInToAccount)});
}

// A player alone at a table: the window shows the server's count of the wait and stays locked
// while the server holds the seat, also when a timer's refresh comes while another request of
// the program is on its way; "Log off" gives the seat back on the server.
TEST_F(TourProgram, ALoneSeatStaysHeldWithTheServersCountUntilLogOffGivesItBack) {
  const int table = 2;
  a_.onTour = [&](QDialog& dialog) {
    auto& window = dynamic_cast<tour::TFTour&>(dialog);
    window.show();
    window.SeatButton(table, 1)->click();
    EXPECT_EQ(window.SeatButton(table, 1)->text(), WordText(kWordLogOff));
    EXPECT_EQ(ListedNick(table, 1), nicks_[0]);
    // The server's count of the wait, and the window's.
    EXPECT_TRUE(window.WaitLeft().has_value());
    EXPECT_GE(window.WaitLeft().value_or(-1), 298);
    EXPECT_LE(window.WaitLeft().value_or(-1), 300);
    EXPECT_TRUE(window.WaitClock()->isVisible());
    EXPECT_TRUE(window.WaitClock()->text().startsWith(WordText(kWordWaitingForOpponent)));
    SaveScreenshot(window, "tournament-waiting.png");
    const int counted = window.WaitLeft().value_or(-1);
    EXPECT_TRUE(WaitFor([&] { return window.WaitLeft() < counted; }, 2500));

    // Another request of the program is on its way (the menu's news check, say) when the
    // refresh timer fires: the refresh waits for its next turn instead of failing, and the
    // seat stays the player's.
    window.RefreshTimer()->start(0);
    online::RequestFrame& frame = a_.form->Online()->Club().frame();
    for (int i = 0; i < 5; ++i) {
      EXPECT_TRUE(online::ReadServerInfo(frame, a_.form->Online()->Club().addresses().tournament));
    }
    window.RefreshTimer()->start(10000);
    EXPECT_TRUE(a_.form->TourPart().Link()->Session().booking.Holds());
    EXPECT_EQ(window.SeatButton(table, 1)->text(), WordText(kWordLogOff));
    EXPECT_FALSE(window.findChild<QPushButton*>("CloseButton")->isEnabled());
    EXPECT_EQ(ListedNick(table, 1), nicks_[0]);
    EXPECT_TRUE(a_.attention.empty());

    // "Log off": the server frees the seat and the window unlocks.
    window.SeatButton(table, 1)->click();
    EXPECT_EQ(ListedNick(table, 1), "X");
    EXPECT_FALSE(a_.form->TourPart().Link()->Session().booking.Holds());
    EXPECT_EQ(window.SeatButton(table, 1)->text(), WordText(kWordTakePlace));
    EXPECT_TRUE(window.findChild<QPushButton*>("CloseButton")->isEnabled());
    EXPECT_FALSE(window.WaitClock()->isVisible());
    return static_cast<int>(QDialog::Rejected);
  };
  a_.form->TourPart().Open();
  EXPECT_TRUE(a_.attention.empty());
}

// A seat the server holds under the player's nick (a booking whose answer was lost) is the
// window's: it shows "Log off" for it, and "Log off" frees it.
TEST_F(TourProgram, ASeatTheServerHoldsForThePlayerCanBeGivenBackFromTheWindow) {
  const int table = 7;
  b_.onTour = [&](QDialog& dialog) {
    auto& window = dynamic_cast<tour::TFTour&>(dialog);
    // Booked behind the window's back, through the program's own session.
    online::OnlineClub& club = b_.form->Online()->Club();
    EXPECT_EQ(online::SeatRequest(club.frame(), club.addresses().tournament, table, 1,
                                  online::kSeatTake, b_.form->TourPart().Link()->Session().player),
              online::kSeatDone);
    EXPECT_EQ(window.SeatButton(table, 1)->text(), WordText(kWordTakePlace));
    window.findChild<QPushButton*>("RefreshButton")->click();
    EXPECT_EQ(window.SeatButton(table, 1)->text(), WordText(kWordLogOff));
    EXPECT_TRUE(window.SeatButton(table, 1)->isEnabled());
    EXPECT_FALSE(window.findChild<QPushButton*>("CloseButton")->isEnabled());
    window.SeatButton(table, 1)->click();
    EXPECT_EQ(ListedNick(table, 1), "X");
    EXPECT_TRUE(window.findChild<QPushButton*>("CloseButton")->isEnabled());
    return static_cast<int>(QDialog::Rejected);
  };
  b_.form->TourPart().Open();
  EXPECT_TRUE(b_.attention.empty());
}

class TourProgramShortWait : public TourProgram {
 protected:
  int WaitLimitSeconds() const override { return 3; }
};

// Nobody comes within the server's waiting time: the server frees the seat, the window says so
// and unlocks; until then it stays locked, and at no moment is it unlocked while the server
// still lists the player at the table.
TEST_F(TourProgramShortWait, TheServerFreesALoneSeatAndTheWindowSaysSo) {
  const int table = 9;
  a_.onTour = [&](QDialog& dialog) {
    auto& window = dynamic_cast<tour::TFTour&>(dialog);
    window.show();
    window.SeatButton(table, 1)->click();
    EXPECT_EQ(window.SeatButton(table, 1)->text(), WordText(kWordLogOff));
    bool unlockedEarly = false;
    EXPECT_TRUE(WaitFor(
        [&] {
          const bool holds = a_.form->TourPart().Link()->Session().booking.Holds();
          if (!holds && a_.attention.empty()) unlockedEarly = true;
          return !holds;
        },
        20000));
    EXPECT_FALSE(unlockedEarly);
    EXPECT_EQ(ListedNick(table, 1), "X");
    EXPECT_EQ(window.SeatButton(table, 1)->text(), WordText(kWordTakePlace));
    EXPECT_TRUE(window.SeatButton(table, 1)->isEnabled());
    EXPECT_TRUE(window.findChild<QPushButton*>("CloseButton")->isEnabled());
    EXPECT_FALSE(window.WaitClock()->isVisible());
    return static_cast<int>(QDialog::Rejected);
  };
  a_.form->TourPart().Open();
  ASSERT_EQ(a_.attention.size(), 1u);
  EXPECT_EQ(a_.attention[0], QStringList{WordText(kWordSeatFreedByServer)});
}

}  // namespace
}  // namespace zendral::testing
