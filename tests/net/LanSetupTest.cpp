#include "net/LanSetup.h"

#include <gtest/gtest.h>

#include "game/GameState.h"

namespace zendral::net {
namespace {

TEST(LanSetup, AddressCheck) {
  const struct {
    const char* address;
    bool ok;
  } cases[] = {
      {"192.168.0.1", true}, {"1.2.3.4", true},    {"999.999.999.999", true},  // values untested
      {"127.0.0", false},    {"1.2.3.4.", false},  {"1.2.3.", false},
      {"1.2.3.4567", false}, {"1..2.3", false},    {".1.2.3", false},
      {"", false},           {"1.2.3.4.5", false}, {"a.b.c.d", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsWellFormedAddress(c.address), c.ok) << c.address;
}

TEST(LanSetup, PortMustNameARealPort) {
  EXPECT_EQ(ParsePort("25666"), 25666);
  EXPECT_EQ(ParsePort("1"), 1);
  EXPECT_EQ(ParsePort("65535"), 65535);
  // The box takes five digits; these would otherwise wrap around to another port.
  for (const char* bad : {"", "0", "00000", "65536", "99999", "123456", "12a"}) {
    EXPECT_FALSE(ParsePort(bad).has_value()) << bad;
  }
}

TEST(LanSetup, BoxFiltersRestoreTheStoredValueOnABadCharacter) {
  const struct {
    const char* what;
    BoxEdit edit;
    BoxEdit expected;
  } cases[] = {
      {"port: a letter restores the stored port",
       FilterPortBox("256x6", "25666"),
       {"25666", "25666"}},
      {"port: digits become the stored port", FilterPortBox("2567", "25666"), {"2567", "2567"}},
      {"port: even an empty box is stored", FilterPortBox("", "25666"), {"", ""}},
      {"address: a letter restores the stored address",
       FilterAddressBox("10.0.0.a", "10.0.0.5", true),
       {"10.0.0.5", "10.0.0.5"}},
      {"address: a client's text is stored",
       FilterAddressBox("10.0.0.7", "10.0.0.5", true),
       {"10.0.0.7", "10.0.0.7"}},
      {"address: an empty box is not stored",
       FilterAddressBox("", "10.0.0.5", true),
       {"", "10.0.0.5"}},
      {"address: the server stores nothing",
       FilterAddressBox("10.0.0.7", "10.0.0.5", false),
       {"10.0.0.7", "10.0.0.5"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.edit.box, c.expected.box) << c.what;
    EXPECT_EQ(c.edit.stored, c.expected.stored) << c.what;
  }
}

TEST(LanSetup, ConfirmChecksTheAddressOfAClientFirstThenThePort) {
  EXPECT_EQ(CheckLanFields(kRoleClient, "10.0.0", ""), LanFieldError::kIncorrectAddress);
  EXPECT_EQ(CheckLanFields(kRoleClient, "10.0.0.1", ""), LanFieldError::kIncorrectPort);
  EXPECT_EQ(CheckLanFields(kRoleClient, "10.0.0.1", "25666"), LanFieldError::kNone);
  EXPECT_EQ(CheckLanFields(3, "10.0.0", "25666"), LanFieldError::kIncorrectAddress);  // as client
  EXPECT_EQ(CheckLanFields(kRoleServer, "", "25666"), LanFieldError::kNone);
  EXPECT_EQ(CheckLanFields(kRoleServer, "", "70000"), LanFieldError::kIncorrectPort);
}

TEST(LanSetup, NewPlayerNameFitsTheLanLimitOrIsMrX) {
  EXPECT_EQ(DefaultLanName("Ivan"), "Ivan");
  EXPECT_EQ(DefaultLanName("Alexander"), "Alexander");  // nine
  EXPECT_EQ(DefaultLanName("Alexandra1"), "Mr.X");      // ten
  // Nine Cyrillic letters are 18 bytes of UTF-8 and still fit.
  const std::string cyrillic9 =
      "\xD0\x90\xD0\xBB\xD0\xB5\xD0\xBA\xD1\x81\xD0\xB0\xD0\xBD\xD0\xB4"
      "\xD1\x80";
  EXPECT_EQ(DefaultLanName(cyrillic9), cyrillic9);
  EXPECT_EQ(DefaultLanName(cyrillic9 + "\xD0\xB0"), "Mr.X");
}

TEST(LanSetup, OwnAddressesFillTheBoxesInOrder) {
  auto boxes = FillAddressBoxes({"192.168.1.5", "10.0.0.2"}, "203.0.113.9", "web");
  const std::array<std::pair<std::string, std::string>, 4> expected = {
      {{"192.168.1.5", ""}, {"10.0.0.2", ""}, {"203.0.113.9", "web"}, {"127.0.0.1", "Loop"}}};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_TRUE(boxes[i].shown) << i;
    EXPECT_EQ(boxes[i].text, expected[i].first) << i;
    EXPECT_EQ(boxes[i].hint, expected[i].second) << i;
  }
  EXPECT_FALSE(boxes[4].shown);
  EXPECT_FALSE(boxes[5].shown);

  // An unreachable service still takes its box, empty.
  boxes = FillAddressBoxes({}, "", "web");
  EXPECT_TRUE(boxes[0].shown);
  EXPECT_EQ(boxes[0].text, "");
  EXPECT_EQ(boxes[1].text, "127.0.0.1");

  // More values than boxes: each further value replaces the sixth box.
  boxes = FillAddressBoxes({"a1", "a2", "a3", "a4", "a5", "a6", "a7"}, "ext", "web");
  EXPECT_EQ(boxes[4].text, "a5");
  EXPECT_EQ(boxes[5].text, "127.0.0.1");
  EXPECT_EQ(boxes[5].hint, "Loop");
}

TEST(LanSetup, WaitingWindowReportsNoGamesOnTheTickAfterAnError) {
  WaitingWindow client = WaitingWindow::Open(kRoleClient);
  EXPECT_EQ(client.firstLine, WaitingLine::kExpectingGame);
  client.Tick(true);
  EXPECT_EQ(client.firstLine, WaitingLine::kNoAccessibleGames);

  WaitingWindow server = WaitingWindow::Open(kRoleServer);
  server.Tick(false);
  EXPECT_EQ(server.firstLine, WaitingLine::kExpectingPlayers);
  EXPECT_FALSE(server.okEnabled);
  server.ClientJoined();
  EXPECT_TRUE(server.secondPlayerShown);
  EXPECT_TRUE(server.okEnabled);
  EXPECT_FALSE(server.cancelEnabled);
  server.ClientLost();
  EXPECT_FALSE(server.okEnabled);
  EXPECT_TRUE(server.cancelEnabled);
}

TEST(LanSetup, PeerLeavingReturnsToTheMenuOnlyInARunningUnfinishedSession) {
  const struct {
    bool gameActive;
    int netRole;
    int handlerRole;
    bool canFinish;
    bool toMenu;
    bool closeServer;
  } cases[] = {
      {true, kRoleServer, kRoleServer, false, true, true},
      {true, kRoleClient, kRoleClient, false, true, false},
      {true, kRoleServer, kRoleServer, true, false, false},  // may finish: no message
      {false, kRoleServer, kRoleServer, false, false, false},
      {true, kRoleLocal, kRoleServer, false, false, false},  // a local game runs by now
  };
  for (const auto& c : cases) {
    const PeerLeftAction a = DecidePeerLeft(c.gameActive, c.netRole, c.handlerRole, c.canFinish);
    EXPECT_EQ(a.returnToMenu, c.toMenu);
    EXPECT_EQ(a.closeServerPending, c.closeServer);
  }
  EXPECT_EQ(InterruptedGameText("Client", "has interrupted game!",
                                "Press OK for exit to the main menu..."),
            "Client has interrupted game!\n\rPress OK for exit to the main menu...");
}

}  // namespace
}  // namespace zendral::net
