// The start dialog's checks, in their order, and what it offers a new player and a member.

#include "app/main/StartDialog.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>

#include "AppFixture.h"
#include "app/lan/WaitingDialog.h"
#include "net/LanLink.h"
#include "present/words/Words.h"
#include "store/Cp1251.h"
#include "store/Settings.h"

namespace zendral {
namespace {

TEST(StartDialogChecks, TheFirstFailureNamesItsBoxAndItsMessage) {
  UseLanguage(kEnglish);
  const StartPlayer newPlayer;
  const StartPlayer member{true, "Boris", std::string("ab   ")};
  const StartPlayer damagedMember{true, "Vera", std::nullopt};
  struct Case {
    const char* what;
    StartEntry entry;
    const StartPlayer& player;
    StartField field;
    const char* message;
  } cases[] = {
      {"no name", {"", "x", "x"}, newPlayer, StartField::kName, "Incorrect name!"},
      {"blanks only", {"   ", "", ""}, newPlayer, StartField::kName, "Incorrect name!"},
      {"the name is checked first",
       {"", "a", "b"},
       newPlayer,
       StartField::kName,
       "Incorrect name!"},
      {"passwords differ",
       {"Ann", "abc", "abd"},
       newPlayer,
       StartField::kPassword,
       "The passwords do not coincide!"},
      {"new player", {"Ann", "abc", "abc"}, newPlayer, StartField::kNone, ""},
      {"no password at all", {"Ann", "", ""}, newPlayer, StartField::kNone, ""},
      {"member, padded password", {"Boris", "ab", ""}, member, StartField::kNone, ""},
      {"member, wrong password",
       {"Boris", "abc", ""},
       member,
       StartField::kPassword,
       "The incorrect password!"},
      {"member, trailing blank typed", {"Boris", "ab ", ""}, member, StartField::kNone, ""},
      {"undecodable stored password",
       {"Vera", "", ""},
       damagedMember,
       StartField::kPassword,
       "The incorrect password!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const StartVerdict verdict = CheckStartEntry(c.entry, c.player);
    EXPECT_EQ(verdict.field, c.field);
    EXPECT_EQ(verdict.message.toStdString(), c.message);
  }
}

TEST(StartDialogBoxes, ANewPlayerGetsTheLastNameAndAMemberOnlyHisPassword) {
  testing::EnsureApplication();
  UseLanguage(kEnglish);
  StartDialog fresh(StartPlayer{}, "Alexandra");
  EXPECT_EQ(fresh.NameBox()->text(), "Alexandra");
  EXPECT_EQ(fresh.NameBox()->maxLength(), 20);
  EXPECT_EQ(fresh.PasswordBox()->maxLength(), 5);
  EXPECT_EQ(fresh.PasswordBox()->echoMode(), QLineEdit::Password);
  EXPECT_FALSE(fresh.PasswordAgainBox()->isHidden());

  StartDialog tooLong(StartPlayer{}, "A name much longer than twenty");
  EXPECT_EQ(tooLong.NameBox()->text(), "Mr.X");

  StartDialog member(StartPlayer{true, "Boris", std::string("ab   ")}, "Alexandra");
  EXPECT_EQ(member.NameBox()->text(), "Boris");
  EXPECT_TRUE(member.NameBox()->isReadOnly());
  EXPECT_TRUE(member.PasswordAgainBox()->isHidden());

  // A failed check keeps the dialog open and shows its message.
  QStringList shown;
  member.SetMessageShower([&](const QString& m) { shown << m; });
  member.PasswordBox()->setText("zz");
  member.OkButton()->click();
  EXPECT_EQ(member.result(), QDialog::Rejected);
  EXPECT_EQ(shown, QStringList{"The incorrect password!"});
  member.PasswordBox()->setText("ab");
  member.OkButton()->click();
  EXPECT_EQ(member.result(), QDialog::Accepted);
}

// ---- LAN mode.

using testing::FreeLoopbackPort;
using testing::RunUntil;

// One side of a LAN game: its settings, its link, and the dialog over them. The waiting
// window is handed to `waiting`, which plays the player's part and returns its result.
class LanSide {
 public:
  using WaitingPart = std::function<int(lan::WaitingDialog&)>;

  LanSide(const StartPlayer& player, const QString& defaultName, quint16 port) {
    settings.ServerPort = std::to_string(port);
    settings.ServerAddress = "127.0.0.1";
    lan::LanStartEnvironment environment;
    environment.ownAddresses = [] {
      return net::FillAddressBoxes({"192.168.0.3"}, "203.0.113.9", "http://games.example");
    };
    environment.openUrl = [](const QUrl&) { return true; };
    dialog = std::make_unique<StartDialog>(
        player, defaultName,
        StartLanContext{settings, link, environment, [this](QDialog& window) {
                          ++waitingShown;
                          auto* waitingWindow = dynamic_cast<lan::WaitingDialog*>(&window);
                          EXPECT_NE(waitingWindow, nullptr) << "expected the waiting window";
                          if (waitingWindow == nullptr || !waiting) return 0;
                          return waiting(*waitingWindow);
                        }});
    dialog->SetMessageShower([this](const QString& message) { messages << message; });
  }

  void Fill(const QString& name, const QString& password, const QString& again) {
    if (!dialog->NameBox()->isReadOnly()) dialog->NameBox()->setText(name);
    dialog->PasswordBox()->setText(password);
    dialog->PasswordAgainBox()->setText(again);
  }
  void Confirm() { dialog->OkButton()->click(); }

  Settings settings;
  net::LanLink link;
  std::unique_ptr<StartDialog> dialog;
  WaitingPart waiting;
  int waitingShown = 0;
  QStringList messages;
};

// The waiting window's part: the event loop turns until the window has closed.
int WaitUntilClosed(lan::WaitingDialog& window) {
  bool finished = false;
  QObject::connect(&window, &QDialog::finished, [&finished] { finished = true; });
  EXPECT_TRUE(RunUntil([&] { return finished; })) << "the waiting window stayed open";
  return window.result();
}

class LanStartDialogTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureApplication(); }
  void SetUp() override { UseLanguage(kEnglish); }
  void TearDown() override { UseLanguage(kEnglish); }
};

TEST_F(LanStartDialogTest, OpensWithTheNetworkFieldsAndANineCharacterName) {
  LanSide fresh(StartPlayer{}, "Alexandra", 25666);
  StartDialog& dialog = *fresh.dialog;
  EXPECT_TRUE(dialog.IsLanMode());
  EXPECT_EQ(dialog.NetRole(), 1);
  ASSERT_NE(dialog.LanFields(), nullptr);
  EXPECT_FALSE(dialog.LanFields()->isHidden());
  EXPECT_EQ(dialog.NameBox()->maxLength(), kLanNameLimit);
  EXPECT_EQ(dialog.NameBox()->text(), "Alexandra");
  EXPECT_EQ(dialog.LanFields()->PortBox()->text(), "25666");

  // A last name longer than nine characters is not offered.
  LanSide tooLong(StartPlayer{}, "Alexandrina", 25666);
  EXPECT_EQ(tooLong.dialog->NameBox()->text(), "Mr.X");
  // A member's name is his club line's, whatever its length.
  LanSide member(StartPlayer{true, "Konstantin", std::string("ab   ")}, "Alexandra", 25666);
  EXPECT_EQ(member.dialog->NameBox()->text(), "Konstantin");

  // Outside LAN mode there are no network fields.
  StartDialog local(StartPlayer{}, "Alexandra");
  EXPECT_FALSE(local.IsLanMode());
  EXPECT_EQ(local.NetRole(), 0);
  EXPECT_EQ(local.LanFields(), nullptr);
  EXPECT_EQ(local.NameBox()->maxLength(), kNameLimit);
}

TEST_F(LanStartDialogTest, ConfirmChecksThePlayerThenTheAddressThenThePort) {
  struct Case {
    const char* what;
    int role;
    const char* name;
    const char* password;
    const char* again;
    const char* address;
    const char* port;
    const char* message;
    const char* box;
  } cases[] = {
      {"no name, before a bad address", 2, "", "", "", "1.2.3", "", "Incorrect name!", "EditName"},
      {"passwords differ, before a bad address", 2, "Ann", "a", "b", "1.2.3", "",
       "The passwords do not coincide!", "EditPassword"},
      {"only two points", 2, "Ann", "", "", "192.168.1", "25666", "Incorrect IP-address!",
       "EditIP"},
      {"ends in a point", 2, "Ann", "", "", "192.168.1.1.", "25666", "Incorrect IP-address!",
       "EditIP"},
      {"a group of four digits", 2, "Ann", "", "", "192.168.1.1234", "25666",
       "Incorrect IP-address!", "EditIP"},
      {"two points in a row", 2, "Ann", "", "", "192..1.1", "25666", "Incorrect IP-address!",
       "EditIP"},
      {"an empty address", 2, "Ann", "", "", "", "25666", "Incorrect IP-address!", "EditIP"},
      {"the address before the port", 2, "Ann", "", "", "1.2.3", "", "Incorrect IP-address!",
       "EditIP"},
      {"an empty port", 2, "Ann", "", "", "10.0.0.1", "", "Incorrect Port!", "EditPort"},
      {"port zero", 2, "Ann", "", "", "10.0.0.1", "0", "Incorrect Port!", "EditPort"},
      {"a port past the last", 2, "Ann", "", "", "10.0.0.1", "70000", "Incorrect Port!",
       "EditPort"},
      {"the server's address is not checked, its port is", 1, "Ann", "", "", "", "",
       "Incorrect Port!", "EditPort"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LanSide side(StartPlayer{}, "Ann", 25666);
    StartDialog& dialog = *side.dialog;
    dialog.LanFields()->SetNetRole(c.role);
    if (c.role == 2) dialog.LanFields()->AddressBox()->setText(c.address);
    dialog.LanFields()->PortBox()->setText(c.port);
    side.Fill(c.name, c.password, c.again);
    side.Confirm();
    EXPECT_EQ(side.messages, QStringList{c.message});
    EXPECT_EQ(dialog.LastMessage(), c.message);
    ASSERT_NE(dialog.focusWidget(), nullptr);
    EXPECT_EQ(dialog.focusWidget()->objectName(), c.box);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    // Nothing was started.
    EXPECT_EQ(side.waitingShown, 0);
    EXPECT_EQ(side.link.LinkStage(), net::kLinkIdle);
    EXPECT_FALSE(side.link.IsListening());
  }
}

TEST_F(LanStartDialogTest, ServerAndClientJoinOverLoopbackThroughTheirDialogs) {
  const quint16 port = FreeLoopbackPort();
  LanSide server(StartPlayer{}, "Boris", port);
  LanSide client(StartPlayer{}, "Mr.X", port);
  client.settings.ServerAddress = "10.1.1.1";
  client.dialog->LanFields()->SetNetRole(2);
  client.dialog->LanFields()->AddressBox()->setText("127.0.0.1");
  client.Fill(QString::fromUtf8("Вера"), "", "");
  client.waiting = [](lan::WaitingDialog& window) {
    EXPECT_EQ(window.Line(1)->text(), "Expectation of game...");
    // The server's answer closes the client's window by itself.
    return WaitUntilClosed(window);
  };

  server.Fill("Boris", "pw", "pw");
  bool serverOkSeen = false;
  server.waiting = [&](lan::WaitingDialog& window) {
    EXPECT_EQ(window.Line(1)->text(), "Expectation of connection of other players...");
    EXPECT_FALSE(window.OkButton()->isEnabled());
    EXPECT_TRUE(server.link.IsListening());
    // While the server waits, the other player confirms his dialog.
    client.Confirm();
    EXPECT_EQ(client.dialog->result(), QDialog::Accepted);
    serverOkSeen = RunUntil([&] { return window.OkButton()->isEnabled(); });
    EXPECT_FALSE(window.Line(2)->isHidden());
    window.OkButton()->click();
    return window.result();
  };
  server.Confirm();
  EXPECT_TRUE(serverOkSeen);
  EXPECT_EQ(server.dialog->result(), QDialog::Accepted);
  EXPECT_EQ(server.dialog->NetRole(), 1);
  EXPECT_EQ(client.dialog->NetRole(), 2);
  EXPECT_EQ(server.waitingShown, 1);
  EXPECT_EQ(client.waitingShown, 1);

  // Each side has the other's wire name: 20 Windows-1251 bytes without the last.
  EXPECT_EQ(server.link.PeerName(), Utf8ToCp1251("Вера") + std::string(15, ' '));
  EXPECT_EQ(client.link.PeerName(), "Boris" + std::string(14, ' '));
  EXPECT_EQ(client.dialog->OwnWireName(), Utf8ToCp1251("Вера") + std::string(16, ' '));
  EXPECT_EQ(server.link.LinkStage(), net::kLinkJoined);
  EXPECT_EQ(client.link.LinkStage(), net::kLinkJoined);
  EXPECT_TRUE(client.link.WaitingForDeal());
  // What was typed is kept for next time.
  EXPECT_EQ(client.settings.ServerAddress, "127.0.0.1");
  EXPECT_EQ(client.settings.ServerPort, std::to_string(port));
  EXPECT_EQ(client.settings.PlayerName, "Вера");
  EXPECT_EQ(server.settings.PlayerName, "Boris");
  EXPECT_EQ(server.settings.ServerPort, std::to_string(port));
}

TEST_F(LanStartDialogTest, WithoutTheOtherPlayerTheDialogStaysOpenForAnotherTry) {
  const quint16 port = FreeLoopbackPort();
  LanSide client(StartPlayer{}, "Ann", port);
  client.dialog->LanFields()->SetNetRole(2);
  QStringList firstLines;
  client.waiting = [&](lan::WaitingDialog& window) {
    firstLines << window.Line(1)->text();
    // Nobody listens: the next tick says so, and the player gives up.
    EXPECT_TRUE(RunUntil([&] { return window.Line(1)->text() != firstLines.back(); }, 3000));
    firstLines << window.Line(1)->text();
    window.CancelButton()->click();
    return window.result();
  };
  client.Confirm();
  EXPECT_EQ(firstLines, (QStringList{"Expectation of game...", "There are no accessible games"}));
  EXPECT_EQ(client.dialog->result(), QDialog::Rejected);
  EXPECT_EQ(client.link.LinkStage(), net::kLinkIdle);
  EXPECT_TRUE(client.messages.isEmpty());

  // A server now listens there; the second try joins.
  LanSide server(StartPlayer{}, "Boris", port);
  server.waiting = [&](lan::WaitingDialog& window) {
    client.waiting = WaitUntilClosed;
    client.Confirm();
    EXPECT_TRUE(RunUntil([&] { return window.OkButton()->isEnabled(); }));
    window.OkButton()->click();
    return window.result();
  };
  server.Confirm();
  EXPECT_EQ(client.waitingShown, 2);
  EXPECT_EQ(client.dialog->result(), QDialog::Accepted);
  EXPECT_EQ(server.dialog->result(), QDialog::Accepted);
}

TEST_F(LanStartDialogTest, CancelInTheWaitingWindowStopsTheServer) {
  LanSide server(StartPlayer{}, "Boris", FreeLoopbackPort());
  server.waiting = [&](lan::WaitingDialog& window) {
    EXPECT_EQ(server.link.LinkStage(), net::kLinkStarting);
    EXPECT_TRUE(server.link.IsListening());
    window.CancelButton()->click();
    return window.result();
  };
  server.Confirm();
  EXPECT_EQ(server.waitingShown, 1);
  EXPECT_EQ(server.link.LinkStage(), net::kLinkIdle);
  EXPECT_FALSE(server.link.IsListening());
  EXPECT_EQ(server.dialog->result(), QDialog::Rejected);
}

// Nothing of a visible control stands outside the window or is cut by its room.
void ExpectTextsFit(const QWidget& window) {
  for (const QWidget* child : window.findChildren<QWidget*>()) {
    if (!child->isVisible()) continue;
    const QRect area(child->mapTo(&window, QPoint(0, 0)), child->size());
    EXPECT_TRUE(window.rect().contains(area)) << child->objectName().toStdString();
  }
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (!label->isVisible()) continue;
    EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
  }
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (!button->isVisible()) continue;
    // Room for the text and a little margin (a small button may be narrower than its style's
    // usual minimum).
    EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()) + 8)
        << button->text().toStdString();
  }
  for (const QLineEdit* box : window.findChildren<QLineEdit*>()) {
    if (!box->isVisible() || box->text().isEmpty()) continue;
    EXPECT_GE(box->contentsRect().width() - 4, box->fontMetrics().horizontalAdvance(box->text()))
        << box->objectName().toStdString();
  }
}

TEST_F(LanStartDialogTest, Screenshots) {
  QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
  // Every language: the texts must fit; the pictures are written for people to look at.
  for (int language = 0; language < kLanguageCount; ++language) {
    SCOPED_TRACE(language);
    UseLanguage(language);
    LanSide side(StartPlayer{}, "Boris", 25666);
    side.dialog->LanFields()->SetNetRole(2);
    side.dialog->LanFields()->OwnAddressesButton()->click();
    side.dialog->show();
    RunUntil([] { return false; }, 100);
    ExpectTextsFit(*side.dialog);
    const QString name = QStringLiteral("start_dialog_lan_%1.png").arg(language);
    EXPECT_TRUE(side.dialog->grab().save(QStringLiteral(ZENDRAL_SCREENSHOT_DIR "/") + name));
  }
}

}  // namespace
}  // namespace zendral
