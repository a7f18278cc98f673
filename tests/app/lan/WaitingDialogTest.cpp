// The waiting window on real loopback sockets: the lines of each role, the join that enables
// the server's OK and closes the client's window, the failed connection reported on the
// tick, and Cancel closing the link.

#include "app/lan/WaitingDialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

#include "LanTestSupport.h"
#include "app/lan/WaitingSpinner.h"
#include "net/LanMessage.h"
#include "present/words/Words.h"

namespace zendral::lan {
namespace {

const QString kExpectingPlayers = "Expectation of connection of other players...";
const QString kExpectingGame = "Expectation of game...";
const QString kNoGames = "There are no accessible games";
const QString kSecondPlayer = "The second player was connected...";

class WaitingDialogTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureApplication(); }
  void SetUp() override { UseLanguage(kEnglish); }
  void TearDown() override { UseLanguage(kEnglish); }

  // The server on a free loopback port.
  void StartServer(const std::string& name = "Boris") {
    server.SetOwnName(net::WireName(name));
    ASSERT_TRUE(server.StartServer(0, QHostAddress::LocalHost));
  }

  // A bare socket that joins as a client would, or with a request of its own.
  QTcpSocket* Join(const std::string& request) {
    auto* socket = new QTcpSocket(&server);
    socket->connectToHost(QHostAddress::LocalHost, server.ServerPort());
    EXPECT_TRUE(socket->waitForConnected(3000));
    socket->write(request.data(), static_cast<qint64>(request.size()));
    socket->flush();
    return socket;
  }

  static void ExpectOpen(const WaitingDialog& window, const QString& firstLine) {
    EXPECT_EQ(window.Line(1)->text(), firstLine);
    EXPECT_TRUE(window.Line(2)->isHidden());
    EXPECT_TRUE(window.Line(3)->isHidden());
    EXPECT_TRUE(window.Line(4)->isHidden());
    EXPECT_FALSE(window.OkButton()->isEnabled());
    EXPECT_TRUE(window.CancelButton()->isEnabled());
  }

  net::LanLink server;
  net::LanLink client;
};

TEST_F(WaitingDialogTest, TheServerWaitsUntilAClientJoinsAndThenOnlyOkGoesOn) {
  StartServer();
  WaitingDialog window(server);
  EXPECT_EQ(window.windowTitle(), "Please, wait...");
  ExpectOpen(window, kExpectingPlayers);
  EXPECT_EQ(window.Line(2)->text(), kSecondPlayer);
  EXPECT_EQ(window.Line(3)->text(), "The third player was connected...");
  EXPECT_EQ(window.Line(4)->text(), "The fourth player was connected...");
  EXPECT_TRUE(window.TickTimer()->isActive());
  EXPECT_EQ(window.TickTimer()->interval(), 1000);
  EXPECT_TRUE(window.Spinner()->IsRunning());

  // A listening server has no error to report.
  window.Tick();
  EXPECT_EQ(window.Line(1)->text(), kExpectingPlayers);

  QTcpSocket* peer = Join(net::JoinRequestText(net::WireName("Vera")));
  ASSERT_TRUE(testing::RunUntil([&] { return window.OkButton()->isEnabled(); }));
  EXPECT_FALSE(window.Line(2)->isHidden());
  EXPECT_TRUE(window.Line(3)->isHidden());
  EXPECT_FALSE(window.CancelButton()->isEnabled());
  EXPECT_EQ(server.PeerName(), "Vera" + std::string(15, ' '));
  // The client got its answer.
  ASSERT_TRUE(testing::RunUntil([&] { return peer->bytesAvailable() > 0; }));
  EXPECT_EQ(peer->readAll().toStdString(), net::JoinAnswerText(net::WireName("Boris")));

  // Esc cannot take the window away now: the client waits for its first deal.
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_EQ(window.result(), QDialog::Rejected);
  EXPECT_TRUE(window.Spinner()->IsRunning());
  EXPECT_EQ(server.LinkStage(), net::kLinkJoined);

  window.OkButton()->click();
  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_FALSE(window.Spinner()->IsRunning());
  EXPECT_FALSE(window.TickTimer()->isActive());
  EXPECT_EQ(server.LinkStage(), net::kLinkJoined);
}

TEST_F(WaitingDialogTest, ARequestForAnotherProtocolGetsNoAnswer) {
  StartServer();
  WaitingDialog window(server);
  QSignalSpy ignored(&server, &net::LanLink::MessageIgnored);
  QTcpSocket* peer = Join(net::JoinRequestText(net::WireName("Vera"), net::kGameId, "24"));
  ASSERT_TRUE(testing::RunUntil([&] { return ignored.count() > 0; }));
  testing::RunUntil([] { return false; }, 100);
  EXPECT_FALSE(window.OkButton()->isEnabled());
  EXPECT_TRUE(window.Line(2)->isHidden());
  EXPECT_EQ(peer->bytesAvailable(), 0);
  EXPECT_EQ(server.LinkStage(), net::kLinkStarting);
}

TEST_F(WaitingDialogTest, AClientThatLeavesBeforeTheSessionLetsTheServerWaitAgain) {
  StartServer();
  WaitingDialog window(server);
  QTcpSocket* peer = Join(net::JoinRequestText(net::WireName("Vera")));
  ASSERT_TRUE(testing::RunUntil([&] { return window.OkButton()->isEnabled(); }));
  peer->disconnectFromHost();
  ASSERT_TRUE(testing::RunUntil([&] { return !window.OkButton()->isEnabled(); }));
  ExpectOpen(window, kExpectingPlayers);
  EXPECT_EQ(server.LinkStage(), net::kLinkStarting);
}

TEST_F(WaitingDialogTest, TheClientWindowClosesAcceptedOnTheServersAnswer) {
  StartServer();
  WaitingDialog serverWindow(server);
  client.SetOwnName(net::WireName("Vera"));
  client.StartClient("127.0.0.1", server.ServerPort());
  WaitingDialog clientWindow(client);
  ExpectOpen(clientWindow, kExpectingGame);
  QSignalSpy finished(&clientWindow, &QDialog::finished);

  ASSERT_TRUE(testing::RunUntil([&] { return finished.count() > 0; }));
  EXPECT_EQ(clientWindow.result(), QDialog::Accepted);
  EXPECT_FALSE(clientWindow.Spinner()->IsRunning());
  EXPECT_EQ(client.PeerName(), "Boris" + std::string(14, ' '));
  EXPECT_TRUE(serverWindow.OkButton()->isEnabled());
}

TEST_F(WaitingDialogTest, AClientWithoutAServerHearsOfNoGamesOnTheTick) {
  client.StartClient("127.0.0.1", testing::FreeLoopbackPort());
  WaitingDialog window(client);
  ExpectOpen(window, kExpectingGame);
  QSignalSpy failed(&client, &net::LanLink::LinkFailed);
  ASSERT_TRUE(testing::RunUntil([&] { return failed.count() > 0; }));
  // The window's own one-second timer brings the news.
  ASSERT_TRUE(testing::RunUntil([&] { return window.Line(1)->text() == kNoGames; }, 3000));
  EXPECT_EQ(window.State().firstLine, net::WaitingLine::kNoAccessibleGames);
  EXPECT_FALSE(window.OkButton()->isEnabled());
  EXPECT_TRUE(window.CancelButton()->isEnabled());
  // It stays so until the player cancels: no retry.
  window.Tick();
  EXPECT_EQ(window.Line(1)->text(), kNoGames);
  window.CancelButton()->click();
  EXPECT_EQ(window.result(), QDialog::Rejected);
  EXPECT_EQ(client.LinkStage(), net::kLinkIdle);
}

TEST_F(WaitingDialogTest, CancelClosesTheLinkOfEitherRole) {
  {
    StartServer();
    WaitingDialog window(server);
    ASSERT_TRUE(server.IsListening());
    window.CancelButton()->click();
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_EQ(server.LinkStage(), net::kLinkIdle);
    EXPECT_FALSE(server.IsListening());
    EXPECT_FALSE(window.Spinner()->IsRunning());
    EXPECT_FALSE(window.TickTimer()->isActive());
    // Nobody can join a cancelled game.
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, server.ServerPort());
    EXPECT_FALSE(probe.waitForConnected(500) && server.LinkStage() != net::kLinkIdle);
  }
  {
    const quint16 port = testing::FreeLoopbackPort();
    QTcpServer listener;
    ASSERT_TRUE(listener.listen(QHostAddress::LocalHost, port));
    client.StartClient("127.0.0.1", port);
    WaitingDialog window(client);
    ASSERT_TRUE(testing::RunUntil([&] { return listener.hasPendingConnections(); }));
    QTcpSocket* accepted = listener.nextPendingConnection();
    // Esc is Cancel while Cancel is enabled.
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_EQ(client.LinkStage(), net::kLinkIdle);
    EXPECT_FALSE(client.IsConnected());
    // The server's end sees the close.
    EXPECT_TRUE(
        testing::RunUntil([&] { return accepted->state() == QAbstractSocket::UnconnectedState; }));
  }
}

TEST_F(WaitingDialogTest, Screenshots) {
  for (int language = 0; language < kLanguageCount; ++language) {
    SCOPED_TRACE(language);
    UseLanguage(language);
    const QString code = QString::number(language);
    net::LanLink link;
    link.SetOwnName(net::WireName("Boris"));
    ASSERT_TRUE(link.StartServer(0, QHostAddress::LocalHost));
    WaitingDialog window(link);
    window.show();
    QTcpSocket* peer = new QTcpSocket(&link);
    peer->connectToHost(QHostAddress::LocalHost, link.ServerPort());
    ASSERT_TRUE(peer->waitForConnected(3000));
    const std::string request = net::JoinRequestText(net::WireName("Vera"));
    peer->write(request.data(), static_cast<qint64>(request.size()));
    ASSERT_TRUE(testing::RunUntil([&] { return window.OkButton()->isEnabled(); }));
    testing::RunUntil([] { return false; }, 300);  // the spinner moves on a little
    // Every text fits the room it has.
    for (const QLabel* label : window.findChildren<QLabel*>()) {
      if (label->isVisible()) {
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
      }
    }
    EXPECT_TRUE(window.grab().save(
        testing::ScreenshotPath(QStringLiteral("waiting_server_joined_%1.png").arg(code))));

    net::LanLink lonely;
    lonely.StartClient("127.0.0.1", testing::FreeLoopbackPort());
    WaitingDialog noGames(lonely);
    noGames.show();
    ASSERT_TRUE(testing::RunUntil(
        [&] { return noGames.State().firstLine == net::WaitingLine::kNoAccessibleGames; }, 3000));
    for (const QLabel* label : noGames.findChildren<QLabel*>()) {
      if (label->isVisible()) {
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
      }
    }
    EXPECT_TRUE(noGames.grab().save(
        testing::ScreenshotPath(QStringLiteral("waiting_client_no_games_%1.png").arg(code))));
    noGames.CancelButton()->click();
  }
}

}  // namespace
}  // namespace zendral::lan
