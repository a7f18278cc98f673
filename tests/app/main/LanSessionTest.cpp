// Two copies of the program in one process, joined over loopback through their own start
// dialogs and waiting windows, play a block of three kons by clicks on their tables, chat
// both ways, and store the session in the LAN club file and the history; a copy whose peer
// disappears mid-kon goes back to its menu with the message.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>

#include "AppFixture.h"
#include "app/lan/ChatPanel.h"
#include "app/lan/LanStartFields.h"
#include "app/lan/WaitingDialog.h"
#include "app/main/LanSession.h"
#include "app/main/MainMenuWidget.h"
#include "game/Scores.h"
#include "net/LanLink.h"
#include "store/Cp1251.h"
#include "store/HistoryFile.h"

namespace zendral {
namespace {

using testing::FreeLoopbackPort;
using testing::ModalAnswers;
using testing::ProgramFolder;
using testing::QuickSound;
using testing::RunUntil;
using testing::TestFormOptions;

int MirroredTurn(int turn) {
  return turn == ksSeat1ToMove ? ksSeat2ToMove : turn == ksSeat2ToMove ? ksSeat1ToMove : turn;
}

// One copy of the program: its folder, its window, and the answers to its modal windows.
class Copy : public ModalAnswers {
 public:
  Copy(quint16 port, std::uint64_t seed) {
    Settings settings;
    settings.NetGame = true;
    settings.ServerPort = std::to_string(port);
    settings.ServerAddress = "127.0.0.1";
    folder.SaveSettingsFile(settings);
    form = std::make_unique<TForm1>(TestFormOptions(
        folder.path(), [this](QDialog& dialog) { return Answer(dialog); }, nullptr, nullptr, seed));
    form->show();
    started = form->StartUp();
    form->EndIntro();
  }

  // The start dialog as a new player fills it, in the role given; `waiting` plays the part
  // of the player in front of the waiting window.
  Responder Sign(const QString& name, bool server,
                 std::function<int(lan::WaitingDialog&)> waiting) {
    return [=, this](QDialog& dialog) {
      auto* start = dynamic_cast<StartDialog*>(&dialog);
      EXPECT_TRUE(start != nullptr && start->IsLanMode()) << "expected the LAN start dialog";
      if (start == nullptr || !start->IsLanMode()) return int(QDialog::Rejected);
      start->LanFields()->SetNetRole(server ? 1 : 2);
      if (!server) start->LanFields()->AddressBox()->setText("127.0.0.1");
      start->NameBox()->setText(name);
      responders.push_front([waiting](QDialog& window) {
        auto* waitingWindow = dynamic_cast<lan::WaitingDialog*>(&window);
        EXPECT_NE(waitingWindow, nullptr) << "expected the waiting window";
        return waitingWindow != nullptr ? waiting(*waitingWindow) : int(QDialog::Rejected);
      });
      start->OkButton()->click();
      return start->result();
    };
  }

  const GameState& State() const { return form->State(); }
  TableWidget& Table() const { return *form->Table(); }

  // One action of this player if it is his to take: the main button (begin, totals, next
  // kon) or a card or a pass on his turn. False when there is nothing for him to do.
  bool Act() {
    const GameState& s = State();
    QPushButton* main = Table().Button7();
    if (s.KonPhase != kpDealt && s.TurnState == ksSeat2ToMove) {
      const int slot = ChooseMove(s.Hands[kSeat2], s.Board, s.Hands[kSeat1], s.LayCounter);
      if (slot != 0) {
        const QRect card = Table().CardRect(kSeat2, slot);
        QTest::mouseClick(
            &Table(), Qt::LeftButton, {},
            QPoint(card.left() + Table().Fan(kSeat2).VisibleWidth(slot) / 2, card.center().y()));
        return true;
      }
    }
    if (main->isVisible() && main->isEnabled() && !(s.TurnState == ksKonSettled && s.CanFinish)) {
      QTest::mouseClick(main, Qt::LeftButton);
      return true;
    }
    return false;
  }

  ProgramFolder folder;
  std::unique_ptr<TForm1> form;
  bool started = false;
  int received = 0;  // peer messages applied
};

void ExpectInStep(const GameState& a, const GameState& b) {
  EXPECT_TRUE(a.Hands[kSeat1] == b.Hands[kSeat2] && a.Hands[kSeat2] == b.Hands[kSeat1]);
  EXPECT_TRUE(a.Board == b.Board);
  EXPECT_EQ(a.Bank, b.Bank);
  EXPECT_EQ(a.Score[kSeat1], b.Score[kSeat2]);
  EXPECT_EQ(a.Score[kSeat2], b.Score[kSeat1]);
  EXPECT_EQ(a.TurnState, MirroredTurn(b.TurnState));
  EXPECT_EQ(a.KonPhase, b.KonPhase);
}

class LanSession : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureApplication(); }

  // The server's player confirms, and while his waiting window is up the client's player
  // confirms his; the server's OK starts the session on both sides.
  void Join() {
    server.responders.push_back(server.Sign("Boris", true, [this](lan::WaitingDialog& window) {
      client.responders.push_back(
          client.Sign(QString::fromUtf8("Вера"), false, [](lan::WaitingDialog& clientWindow) {
            // The server's answer closes it by itself.
            bool closed = false;
            QObject::connect(&clientWindow, &QDialog::finished, [&closed] { closed = true; });
            EXPECT_TRUE(RunUntil([&] { return closed; }));
            return clientWindow.result();
          }));
      QTest::mouseClick(client.form->Menu()->NewPlayerButton(), Qt::LeftButton);
      EXPECT_TRUE(RunUntil([&] { return window.OkButton()->isEnabled(); }));
      window.OkButton()->click();
      return window.result();
    }));
    QTest::mouseClick(server.form->Menu()->NewPlayerButton(), Qt::LeftButton);
    ASSERT_TRUE(server.State().GameActive);
    ASSERT_TRUE(client.State().GameActive);
    // The client shows its hands once the server's deal has come.
    ASSERT_TRUE(RunUntil([&] { return client.State().Hands[kSeat2].CardCount == 18; }));
    ExpectInStep(server.State(), client.State());
  }

  // Counts the messages each copy has applied; the counting slot runs after the driver's.
  void CountMessages() {
    for (Copy* side : {&server, &client}) {
      QObject::connect(side->form->LanPart().Link(), &net::LanLink::MessageReceived,
                       [side](const net::LanMessage&) { ++side->received; });
    }
  }

  // Lets whichever player has something to do act, then waits until the other copy has
  // applied the one message it sent; false once nobody has anything to do.
  bool Step() {
    for (Copy* actor : {&server, &client}) {
      Copy& receiver = actor == &server ? client : server;
      const int before = receiver.received;
      if (!actor->Act()) continue;
      EXPECT_TRUE(RunUntil([&] { return receiver.received == before + 1; }))
          << "the other copy did not follow: server turn " << server.State().TurnState << " phase "
          << server.State().KonPhase << " laid " << server.State().LayCounter << "; client turn "
          << client.State().TurnState << " phase " << client.State().KonPhase << " laid "
          << client.State().LayCounter << "; actor " << (actor == &server ? "server" : "client");
      return true;
    }
    return false;
  }

  const quint16 port = FreeLoopbackPort();
  Copy server{port, 21};
  Copy client{port, 22};
};

TEST_F(LanSession, ABlockOfThreeKonsPlayedThroughTheTablesIsStoredOnBothSides) {
  ASSERT_TRUE(server.started && client.started);
  Join();
  EXPECT_EQ(server.State().SeatName[kSeat2], "Boris");
  EXPECT_EQ(client.State().SeatName[kSeat2], "Вера");
  EXPECT_TRUE(server.Table().ChatInput()->isVisible());
  EXPECT_TRUE(client.Table().ChatInput()->isEnabled());
  CountMessages();

  // The chat both ways: each side's lines in its own colour on both screens.
  server.Table().ChatInput()->setText("Hello");
  QTest::mouseClick(server.Table().SendButton(), Qt::LeftButton);
  EXPECT_TRUE(server.Table().ChatInput()->text().isEmpty());
  ASSERT_TRUE(RunUntil([&] { return client.Table().ChatPanel()->Lines()[0].index != 0; }));
  client.Table().ChatInput()->setText(QString::fromUtf8("Привет"));
  QTest::keyClick(client.Table().ChatInput(), Qt::Key_Return);
  ASSERT_TRUE(RunUntil([&] {
    return server.Table().ChatPanel()->Lines()[1].index != 0 &&
           client.Table().ChatPanel()->Lines()[1].index != 0;
  }));
  for (Copy* side : {&server, &client}) {
    const lan::ChatLines& lines = side->Table().ChatPanel()->Lines();
    EXPECT_EQ(lines[0].text, "Hello");
    EXPECT_EQ(lines[0].index, 1);  // the server's maroon
    EXPECT_EQ(lines[1].text, QString::fromUtf8("Привет"));
    EXPECT_EQ(lines[1].index, 2);  // the client's navy
  }

  // For people to look at: the client's table with the two chat lines.
  client.form->grab().save(testing::ScreenshotPath("lan-client-chat.png"));

  int steps = 0;
  while (steps < 2000 && Step()) {
    ++steps;
    ExpectInStep(server.State(), client.State());
    if (HasFailure()) return;
  }
  EXPECT_EQ(server.State().KonNumber - server.State().KonAtStart, 3);
  EXPECT_TRUE(server.State().CanFinish && client.State().CanFinish);
  EXPECT_EQ(server.State().SessionScore, -client.State().SessionScore);
  const int serverScore = server.State().SessionScore;

  // Both leave the table; neither is told the other interrupted anything.
  QTest::mouseClick(server.Table().Button8(), Qt::LeftButton);
  ASSERT_TRUE(RunUntil([&] { return !client.Table().ChatInput()->isEnabled(); }));
  QTest::mouseClick(client.Table().Button8(), Qt::LeftButton);
  EXPECT_TRUE(server.form->MenuShown() && client.form->MenuShown());
  EXPECT_TRUE(server.messages.empty() && client.messages.empty());

  for (Copy* side : {&server, &client}) {
    // The club file keeps names in Windows-1251.
    const std::string name = side == &server ? "Boris" : Utf8ToCp1251("Вера");
    const ClubFile club = side->folder.Club(true);
    EXPECT_NE(club.Line(1).find(name), std::string::npos) << club.Line(1);
    const auto history = ReadHistoryGrid(HistoryFilePath(side->folder.path(), 1));
    ASSERT_TRUE(history.has_value());
    ASSERT_EQ(history->size(), 1u);
    EXPECT_EQ(std::stoi((*history)[0].games), 3);
    EXPECT_EQ((*history)[0].kind, HistoryKind::kNet);
    EXPECT_EQ(std::stoi((*history)[0].result), side == &server ? serverScore : -serverScore);
  }
}

// The computer player of the command line tool deals as a LAN server; the program joins it as
// a client and plays the block by clicks.
TEST_F(LanSession, TheProgramPlaysABlockAgainstTheLanBot) {
  QProcess bot;
  bot.start(ZENDRAL_CLI, {"lan-bot", "--server", "0", "--name", "Anna", "--blocks", "1", "--delay",
                          "0", "--timeout", "30"});
  ASSERT_TRUE(bot.waitForStarted());
  QString output;
  ASSERT_TRUE(RunUntil([&] {
    output += QString::fromUtf8(bot.readAllStandardOutput());
    return output.contains('\n');
  }));
  const QString listening = output.section('\n', 0, 0);
  ASSERT_TRUE(listening.startsWith("listening on port ")) << listening.toStdString();
  const std::string botPort = listening.section(' ', 3).trimmed().toStdString();

  Copy player(0, 5);
  ASSERT_TRUE(player.started);
  player.form->CurrentSettings().ServerPort = botPort;
  player.responders.push_back(player.Sign("Boris", false, [](lan::WaitingDialog& window) {
    bool closed = false;
    QObject::connect(&window, &QDialog::finished, [&closed] { closed = true; });
    EXPECT_TRUE(RunUntil([&] { return closed; }));
    return window.result();
  }));
  QTest::mouseClick(player.form->Menu()->NewPlayerButton(), Qt::LeftButton);
  ASSERT_TRUE(player.State().GameActive);
  EXPECT_EQ(TrimRight(player.State().SeatName[kSeat1]), "Anna");

  // The program's player acts whenever it is his turn, until the bot has left the table.
  for (int guard = 0; guard < 3000 && bot.state() != QProcess::NotRunning; ++guard) {
    if (!player.Act()) QTest::qWait(5);
    if (HasFailure()) break;
  }
  // The program keeps answering its socket while the bot leaves.
  ASSERT_TRUE(RunUntil([&] { return bot.state() == QProcess::NotRunning; }, 10000))
      << "turn " << player.State().TurnState << " phase " << player.State().KonPhase << " kon "
      << player.State().KonNumber << " button " << player.Table().Button7()->text().toStdString()
      << " " << player.Table().Button7()->isEnabled() << "\n"
      << (output + QString::fromUtf8(bot.readAllStandardOutput())).toStdString()
      << bot.readAllStandardError().toStdString();
  output += QString::fromUtf8(bot.readAllStandardOutput());
  EXPECT_EQ(bot.exitCode(), 0) << output.toStdString() << bot.readAllStandardError().toStdString();
  EXPECT_TRUE(output.contains("\nkons: 3")) << output.toStdString();
  EXPECT_EQ(player.State().KonNumber - player.State().KonAtStart, 3);
  const QString botScore = output.section("score: ", 1, 1).section('\n', 0, 0);
  EXPECT_EQ(botScore.toInt(), -player.State().SessionScore) << output.toStdString();

  // The bot left when the block allowed it: no message, and the player leaves in his turn.
  ASSERT_TRUE(RunUntil([&] { return !player.Table().ChatInput()->isEnabled(); }));
  EXPECT_TRUE(player.messages.empty());
  QTest::mouseClick(player.Table().Button8(), Qt::LeftButton);
  EXPECT_TRUE(player.form->MenuShown());
  EXPECT_TRUE(ReadHistoryGrid(HistoryFilePath(player.folder.path(), 1)).has_value());
}

TEST_F(LanSession, APeerThatDisappearsMidKonSendsTheOtherBackToTheMenu) {
  ASSERT_TRUE(server.started && client.started);
  Join();
  CountMessages();
  ASSERT_TRUE(Step());  // the server's begin
  ASSERT_FALSE(server.State().CanFinish);

  client.form.reset();  // the client's program is killed
  ASSERT_TRUE(RunUntil([&] { return server.form->MenuShown(); }));
  ASSERT_EQ(server.messages.size(), 1u);
  EXPECT_EQ(server.messages[0],
            "Client has interrupted game!\nPress OK for exit to the main menu...");
  EXPECT_FALSE(server.State().GameActive);
  // The next menu tick closes the listening socket.
  ASSERT_NE(server.form->LanPart().Link(), nullptr);
  EXPECT_TRUE(RunUntil([&] { return !server.form->LanPart().Link()->IsListening(); }));
  EXPECT_FALSE(ReadHistoryGrid(HistoryFilePath(server.folder.path(), 1)).has_value())
      << "an interrupted session stores nothing";
}

}  // namespace
}  // namespace zendral
