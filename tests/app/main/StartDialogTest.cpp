// The start dialog's checks, in their order, and what it offers a new player and a member.

#include "app/main/StartDialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "AppFixture.h"
#include "present/words/Words.h"

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

}  // namespace
}  // namespace zendral
