// The network fields of the start dialog: the role, the filtered address and port boxes that
// keep the settings, the own addresses and the help button.

#include "app/lan/LanStartFields.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <vector>

#include "LanTestSupport.h"
#include "present/words/Words.h"
#include "store/Settings.h"

namespace zendral::lan {
namespace {

class LanStartFieldsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureApplication(); }
  void SetUp() override {
    UseLanguage(kEnglish);
    settings.ServerAddress = "192.168.0.7";
    settings.ServerPort = "25666";
  }
  void TearDown() override { UseLanguage(kEnglish); }

  // Types into a box as the player does: the cursor at the end, then the keys.
  static void Type(QLineEdit* box, const QString& keys) {
    box->setFocus();
    box->end(false);
    QTest::keyClicks(box, keys);
  }
  static void Erase(QLineEdit* box, int count) {
    box->end(false);
    for (int i = 0; i < count; ++i) QTest::keyClick(box, Qt::Key_Backspace);
  }

  Settings settings;
};

TEST_F(LanStartFieldsTest, OpensAsTheServerWithTheStoredPort) {
  LanStartFields fields(settings, {});
  EXPECT_EQ(fields.NetRole(), 1);
  EXPECT_EQ(fields.RoleGroup()->objectName(), "RadioGroup1");
  EXPECT_EQ(fields.RoleGroup()->title(), "Server / Client");
  EXPECT_EQ(fields.ServerChoice()->text(), "Server create the game");
  EXPECT_EQ(fields.ClientChoice()->text(), "Client enters to game");
  EXPECT_TRUE(fields.ServerChoice()->isChecked());
  EXPECT_EQ(fields.AddressLabel()->text(), "Enter IP of server:");
  EXPECT_FALSE(fields.AddressLabel()->isEnabled());
  EXPECT_FALSE(fields.AddressBox()->isEnabled());
  EXPECT_EQ(fields.AddressBox()->text(), "");
  EXPECT_EQ(fields.AddressBox()->maxLength(), 20);
  EXPECT_EQ(fields.PortBox()->text(), "25666");
  EXPECT_EQ(fields.PortBox()->maxLength(), 5);
  EXPECT_EQ(fields.NumberGamesBox()->text(), "3");
  EXPECT_FALSE(fields.NumberGamesBox()->isEnabled());
  EXPECT_EQ(fields.OwnAddressesButton()->text(), "To receive the IP-addresses");
  EXPECT_EQ(fields.HelpButton()->text(), "?");
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(fields.OwnAddressBox(i)->isHidden()) << i;
    EXPECT_TRUE(fields.OwnAddressBox(i)->isReadOnly()) << i;
  }
  // Opening changes no setting.
  EXPECT_EQ(settings.ServerAddress, "192.168.0.7");
  EXPECT_EQ(settings.ServerPort, "25666");
}

TEST_F(LanStartFieldsTest, TheClientRoleOpensTheAddressBoxAndTheServerRoleEmptiesIt) {
  LanStartFields fields(settings, {});
  fields.ClientChoice()->click();
  EXPECT_EQ(fields.NetRole(), 2);
  EXPECT_TRUE(fields.AddressLabel()->isEnabled());
  EXPECT_TRUE(fields.AddressBox()->isEnabled());
  EXPECT_EQ(fields.AddressBox()->text(), "192.168.0.7");

  fields.ServerChoice()->click();
  EXPECT_EQ(fields.NetRole(), 1);
  EXPECT_FALSE(fields.AddressLabel()->isEnabled());
  EXPECT_FALSE(fields.AddressBox()->isEnabled());
  EXPECT_EQ(fields.AddressBox()->text(), "");
  // Emptying the box for the server forgets no address.
  EXPECT_EQ(settings.ServerAddress, "192.168.0.7");

  fields.ClientChoice()->click();
  EXPECT_EQ(fields.AddressBox()->text(), "192.168.0.7");
}

TEST_F(LanStartFieldsTest, TheBoxesPutTheStoredValueBackForAForeignCharacter) {
  LanStartFields fields(settings, {});
  QLineEdit* port = fields.PortBox();

  // Digits are taken and stored at once.
  Erase(port, 1);
  EXPECT_EQ(port->text(), "2566");
  EXPECT_EQ(settings.ServerPort, "2566");
  Type(port, "1");
  EXPECT_EQ(settings.ServerPort, "25661");
  // A letter restores the last stored port.
  Erase(port, 2);
  Type(port, "a");
  EXPECT_EQ(port->text(), "256");
  EXPECT_EQ(settings.ServerPort, "256");
  Type(port, "-");
  EXPECT_EQ(port->text(), "256");
  // An empty box is stored too.
  Erase(port, 3);
  EXPECT_EQ(port->text(), "");
  EXPECT_EQ(settings.ServerPort, "");
  Type(port, "x");
  EXPECT_EQ(port->text(), "");

  fields.ClientChoice()->click();
  QLineEdit* address = fields.AddressBox();
  Erase(address, 1);
  EXPECT_EQ(settings.ServerAddress, "192.168.0.");
  Type(address, "12");
  EXPECT_EQ(settings.ServerAddress, "192.168.0.12");
  Type(address, "a");
  EXPECT_EQ(address->text(), "192.168.0.12");
  Type(address, " ");
  EXPECT_EQ(address->text(), "192.168.0.12");
  // A client's emptied box keeps the stored address (each shorter text on the way would be
  // stored, so the box is emptied in one go).
  address->selectAll();
  QTest::keyClick(address, Qt::Key_Delete);
  EXPECT_EQ(address->text(), "");
  EXPECT_EQ(settings.ServerAddress, "192.168.0.12");
  Type(address, "10.0.0.1");
  EXPECT_EQ(settings.ServerAddress, "10.0.0.1");
}

TEST_F(LanStartFieldsTest, OwnAddressesFillTheBoxesInOrderWithTheirHints) {
  for (const int language : {kEnglish, kRussian}) {
    UseLanguage(language);
    LanStartEnvironment environment;
    environment.ownAddresses = [] {
      return net::FillAddressBoxes({"192.168.0.3", "10.8.0.2"}, "203.0.113.9",
                                   "http://games.example");
    };
    LanStartFields fields(settings, environment);
    fields.OwnAddressesButton()->click();
    const struct {
      const char* text;
      QString hint;
      bool shown;
    } expected[] = {
        {"192.168.0.3", "", true},
        {"10.8.0.2", "", true},
        {"203.0.113.9", "http://games.example", true},
        {"127.0.0.1", language == kEnglish ? QStringLiteral("Loop") : QString::fromUtf8("Петля"),
         true},
        {"", "", false},
        {"", "", false},
    };
    for (int i = 0; i < 6; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(fields.OwnAddressBox(i)->text(), expected[i].text);
      EXPECT_EQ(fields.OwnAddressBox(i)->toolTip(), expected[i].hint);
      EXPECT_EQ(fields.OwnAddressBox(i)->isHidden(), !expected[i].shown);
    }
  }
}

TEST_F(LanStartFieldsTest, WithoutTheOnlineServiceTheExternalAddressIsEmpty) {
  const auto interfaces = net::InterfaceIPv4Addresses();
  if (interfaces.size() > 4) GTEST_SKIP() << "this machine fills the boxes with interfaces";
  const auto boxes = DefaultOwnAddresses(nullptr, "http://games.example")();
  const std::size_t external = interfaces.size();
  EXPECT_EQ(boxes[external].text, "");
  EXPECT_EQ(boxes[external].hint, "http://games.example");
  EXPECT_TRUE(boxes[external].shown);
  EXPECT_EQ(boxes[external + 1].text, "127.0.0.1");
  // With the service, its answer is the external address.
  const auto online = DefaultOwnAddresses([] { return std::string("198.51.100.4"); }, "h")();
  EXPECT_EQ(online[external].text, "198.51.100.4");
}

TEST_F(LanStartFieldsTest, HelpOpensTheRouterDocumentOfTheWebSite) {
  struct Case {
    QString webAddress;
    const char* url;
  } cases[] = {
      {"http://games.example", "http://games.example/downloads/any/routerc.doc"},
      {"http://games.example/", "http://games.example/downloads/any/routerc.doc"},
      {kDefaultWebAddress, "http://127.0.0.1:8044/downloads/any/routerc.doc"},
  };
  for (const Case& c : cases) {
    std::vector<QUrl> opened;
    LanStartEnvironment environment;
    environment.webAddress = c.webAddress;
    environment.openUrl = [&opened](const QUrl& url) {
      opened.push_back(url);
      return true;
    };
    LanStartFields fields(settings, environment);
    fields.HelpButton()->click();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toString().toStdString(), c.url);
  }
}

}  // namespace
}  // namespace zendral::lan
