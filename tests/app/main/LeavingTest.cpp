// Leaving the table before the end of a session: "Exit to menu" and closing the window, each
// with its question; a club member loses his line. And "To change a name" at the table.

#include <gtest/gtest.h>

#include <QAction>

#include "AppFixture.h"
#include "app/main/MainMenuWidget.h"
#include "app/main/TablePopup.h"
#include "store/HistoryFile.h"

namespace zendral {
namespace {

using testing::AppTest;

class Leaving : public AppTest {
 protected:
  // Five members, best first, each with the password "p<k>".
  void FiveMembers() {
    std::vector<PlayerRecord> members;
    for (const char k : {'1', '2', '3', '4', '5'}) {
      const int n = k - '0';
      members.push_back({std::string("Member") + k, 6.0 - n, 10 * n, n, std::string("p") + k});
    }
    folder.SetMembers(members);
  }
  // Starts the session of member k and plays its first moves.
  void SitDown(int k) {
    responders.push_back(Sign("", "p" + QString::number(k)));
    QTest::mouseClick(form->Menu()->MemberButton(k), Qt::LeftButton);
    ASSERT_TRUE(State().GameActive);
    ClickMainButton();
  }
  std::vector<std::string> MemberNames() {
    const ClubFile club = folder.Club();
    std::vector<std::string> names;
    for (int line = 1; line <= kClubMembers; ++line) {
      const auto member = ParseMemberLine(club.Line(line));
      names.push_back(member ? member->name : "-");
    }
    return names;
  }
};

TEST_F(Leaving, ExitToMenuAsksAndTakesTheMembersLine) {
  FiveMembers();
  ASSERT_TRUE(Open());
  SitDown(3);
  QAction* quit = form->PopupPart().Action("Quit");
  ASSERT_TRUE(quit->isEnabled());

  responders.push_back(Reply(QMessageBox::No));
  quit->trigger();
  EXPECT_EQ(messages.back(),
            "Do you want to go back to the main menu?\nAll data of the game will be lost!");
  EXPECT_EQ(sounds.back(), "WOpenFo");
  EXPECT_TRUE(State().GameActive) << "on No nothing happens";
  EXPECT_EQ(MemberNames()[2], "Member3");

  responders.push_back(Reply(QMessageBox::Yes));
  quit->trigger();
  EXPECT_FALSE(State().GameActive);
  EXPECT_TRUE(form->MenuShown());
  EXPECT_FALSE(quit->isEnabled());
  EXPECT_EQ(MemberNames(),
            (std::vector<std::string>{"Member1", "Member2", "Member4", "Member5", "-"}));
  EXPECT_FALSE(std::filesystem::exists(HistoryFilePath(folder.path(), 1)))
      << "no history for an abandoned session";
  EXPECT_TRUE(form->Menu()->MemberButton(3)->text().startsWith("Member4"));
}

TEST_F(Leaving, ANewPlayerLeavesTheClubAsItWas) {
  FiveMembers();
  ASSERT_TRUE(Open());
  const std::string before = folder.Read("Zendral.clb");
  responders.push_back(Sign("Walker", ""));
  QTest::mouseClick(form->Menu()->NewPlayerButton(), Qt::LeftButton);
  ClickMainButton();
  responders.push_back(Reply(QMessageBox::Yes));
  form->PopupPart().Action("Quit")->trigger();
  EXPECT_TRUE(form->MenuShown());
  EXPECT_EQ(folder.Read("Zendral.clb"), before);
}

TEST_F(Leaving, ClosingAtTheTableAsksAndTakesTheMembersLine) {
  FiveMembers();
  ASSERT_TRUE(Open());
  SitDown(2);

  responders.push_back(Reply(QMessageBox::No));
  EXPECT_FALSE(form->close());
  EXPECT_EQ(messages.back(), "Do you want to leave the game? All data of the game will be lost!");
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(MemberNames()[1], "Member2");

  responders.push_back(Reply(QMessageBox::Yes));
  EXPECT_TRUE(form->close());
  EXPECT_EQ(MemberNames(),
            (std::vector<std::string>{"Member1", "Member3", "Member4", "Member5", "-"}));
  const SettingsLoad saved = LoadSettings(folder.path() / kSettingsFileName, {});
  // A first start's file reads as far as its empty passport lines: all 35 lines are there.
  EXPECT_NE(saved.status, SettingsReadStatus::kNoFile) << "the settings are saved on closing";
  EXPECT_NE(saved.status, SettingsReadStatus::kTooShort);
}

TEST_F(Leaving, ClosingFromTheMenuAsksNothing) {
  FiveMembers();
  ASSERT_TRUE(Open());
  const std::string before = folder.Read("Zendral.clb");
  EXPECT_TRUE(form->close());
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(folder.Read("Zendral.clb"), before);
  EXPECT_TRUE(std::filesystem::exists(folder.path() / kSettingsFileName));
}

TEST_F(Leaving, ChangingTheNameRewritesTheMembersLineAndThePlate) {
  FiveMembers();
  ASSERT_TRUE(Open());
  SitDown(4);
  QAction* change = form->PopupPart().Action("ChangeName");
  ASSERT_TRUE(change->isEnabled());
  // The dialog as for a new player: the two passwords must agree.
  responders.push_back(Sign("Renamed", "xy", "xz"));
  responders.push_back(Reply(QMessageBox::Ok));
  change->trigger();
  EXPECT_EQ(messages.back(), "The passwords do not coincide!");
  EXPECT_EQ(MemberNames()[3], "Member4");

  responders.push_back(Sign("Renamed", "xy"));
  change->trigger();
  EXPECT_EQ(messages.back(),
            "Your name and/or the password were successfully changed!\nNew name: Renamed");
  EXPECT_EQ(State().SeatName[kSeat2], "Renamed");
  const auto line = ParseMemberLine(folder.Club().Line(4));
  ASSERT_TRUE(line.has_value());
  EXPECT_EQ(line->name, "Renamed");
  EXPECT_EQ(line->konCount, 40) << "his numbers stay";
  EXPECT_EQ(DecodePassword(line->password), "xy   ");
}

}  // namespace
}  // namespace zendral
