// The account as a player meets it with the real companion server: the account window shows
// whoever is logged in right after each log-in, reads the balance as its Kovs tab opens and
// signs out only through a button of its own; a rated booking that cannot reach the server
// keeps the log-in, which comes back once the server answers; a logged-in member chats under
// his account.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <cstdlib>

#include "AppFixture.h"
#include "ServerProgramFixture.h"
#include "app/main/MainMenuWidget.h"
#include "app/main/MenuDecorations.h"
#include "app/online/OnlineLink.h"
#include "app/online/TFAcc1.h"
#include "app/online/TFormChat.h"
#include "game/KonReplay.h"
#include "online/ChatNews.h"
#include "online/OnlineClub.h"
#include "online/UserFile.h"
#include "present/words/AccountLogInWords.h"
#include "present/words/WordRows.h"
#include "present/words/Words.h"
#include "store/Settings.h"

namespace zendral {
namespace {

class NoPrompts final : public online::ClubPrompts {
 public:
  void PlaySound(const std::string&) override {}
  void Pause(int) override {}
  bool AskYesNo(Question) override { return false; }
};

struct Member {
  std::string nick, city, email, country, countryName, sex;
  int ratedGames = 0;
};

class AccountFlows : public testing::ServerProgramTest {
 protected:
  void SetUp() override {
    ServerProgramTest::SetUp();
    if (HasFatalFailure()) return;
    programFolder = MakeProgramFolder();
  }

  // An account made outside the program, with rated blocks played on it.
  static void Prepare(const Member& m) {
    online::CurlTransport transport;
    online::RequestFrame frame(transport);
    online::OnlineClub club(frame, online::AddressesUnder(server_->base()));
    online::TKovUser user;
    user.Nick = m.nick;
    user.Pw = "pw" + m.nick;
    user.City = m.city;
    user.EMail = m.email;
    user.Country2 = m.country;
    user.Country1 = m.countryName;
    user.Sex = m.sex;
    ASSERT_EQ(club.CreateAccount(user, "10.12.2026"), 0) << m.nick;
    NoPrompts prompts;
    for (int game = 0; game < m.ratedGames; ++game) {
      club.SetState(online::AccountState::asRated);
      ASSERT_EQ(club.BookRatedGame(prompts), online::OnlineClub::Booking::kBooked);
      const PlayedBlock block = PlayComputerBlock(club.blockDecks());
      ASSERT_TRUE(
          club.SettleRatedGame(block.score, club.game().Score + block.score, block.moves, prompts));
      club.FinishRatedGame();
    }
  }
  void SaveLogIn(const std::string& nick) const {
    ASSERT_TRUE(online::SaveUserFile(online::UserFilePath(programFolder), nick, "pw" + nick));
  }
  // zendral-server admin WORDS over the shared server's data.
  static void Admin(const std::string& words) {
    const std::string command = std::string("\"") + ZENDRAL_SERVER_PROGRAM + "\" --data \"" +
                                server_->folder().path().string() + "\" admin " + words +
                                " > /dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }

  online::OnlineClub& Club() { return form->Online()->Club(); }

  std::filesystem::path programFolder;
};

QLineEdit* Edit(QDialog& dialog, const char* name) {
  return dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
}
QPushButton* Button(QDialog& dialog, const char* name) {
  return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
}
QString LabelText(QDialog& dialog, const char* name) {
  auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
  return label != nullptr ? label->text() : QStringLiteral("(no label)");
}

// The account's fields as the window shows them: nick, city, e-mail, country.
QStringList Shown(QDialog& dialog) {
  QStringList shown;
  for (const char* name : {"EditNick", "EditCity", "EditEMail", "EditCountry"}) {
    shown << Edit(dialog, name)->text();
  }
  return shown;
}

void LogInAs(QDialog& dialog, const QString& nick) {
  Edit(dialog, "EditNick")->setText(nick);
  Edit(dialog, "EditPw")->setText(QStringLiteral("pw") + nick);
  QPushButton* login = Button(dialog, "ButtonLogin");
  EXPECT_TRUE(login->isVisible() && login->isEnabled());
  login->click();
}

TEST_F(AccountFlows, TheWindowShowsWhoeverIsLoggedInAndSignsOutApart) {
  Prepare({"Lada", "Omsk", "lada@example.org", "1-016", "Latvia", "W", 0});
  Prepare({"Boris", "Tver", "boris@example.org", "2-005", "Japan", "M", 1});
  SaveLogIn("Lada");
  Admin("grant Lada 500");
  ASSERT_TRUE(OpenIn(programFolder));
  ASSERT_EQ(Club().state(), online::AccountState::asLoggedIn);
  const QString ladaCountry = "Latvia";

  QStringList atOpen, asBoris, borisResults, borisRefreshed, ladaAgain;
  QString balance, statusLada, statusOut, statusBoris, signOutText;
  bool signOutApart = false, loginHiddenWhileIn = false;
  responders.push_back([&](QDialog& dialog) {
    auto* window = dynamic_cast<TFAcc1*>(&dialog);
    EXPECT_NE(window, nullptr);
    if (window == nullptr) return static_cast<int>(QDialog::Rejected);
    window->show();
    atOpen = Shown(dialog);
    statusLada = LabelText(dialog, "LabelAccountStatus");
    QPushButton* signOut = Button(dialog, "ButtonSignOut");
    QPushButton* login = Button(dialog, "ButtonLogin");
    QPushButton* create = Button(dialog, "ButtonCreate");
    signOutText = signOut->text();
    loginHiddenWhileIn = !login->isVisible() && signOut->isVisible() && signOut->isEnabled();
    signOutApart = !signOut->geometry().intersects(login->geometry()) &&
                   !signOut->geometry().intersects(create->geometry());

    // The Kovs tab reads the balance the admin granted, without Refresh.
    window->Pages()->setCurrentIndex(3);
    balance = LabelText(dialog, "LabelBalance");
    window->Pages()->setCurrentIndex(0);

    signOut->click();
    statusOut = LabelText(dialog, "LabelAccountStatus");
    EXPECT_EQ(Club().state(), online::AccountState::asOffline);
    EXPECT_FALSE(signOut->isVisible());
    LogInAs(dialog, "Boris");
    asBoris = Shown(dialog);
    statusBoris = LabelText(dialog, "LabelAccountStatus");

    // "My results": the record the server holds, also after Refresh.
    window->Pages()->setCurrentIndex(1);
    for (int i = 1; i <= 9; ++i)
      borisResults << LabelText(dialog, qPrintable(QStringLiteral("ResultValue%1").arg(i)));
    Button(dialog, "ButtonResultsRefresh")->click();
    for (int i = 1; i <= 9; ++i)
      borisRefreshed << LabelText(dialog, qPrintable(QStringLiteral("ResultValue%1").arg(i)));
    window->Pages()->setCurrentIndex(0);

    Button(dialog, "ButtonSignOut")->click();
    LogInAs(dialog, "Lada");
    ladaAgain = Shown(dialog);
    QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
    dialog.grab().save(ZENDRAL_SCREENSHOT_DIR "/account_logged_in.png");
    return static_cast<int>(QDialog::Accepted);
  });
  QTest::mouseClick(form->Menu()->AccountIcon(), Qt::LeftButton);
  ASSERT_TRUE(responders.empty());

  const QStringList lada{"Lada", "Omsk", "lada@example.org", ladaCountry};
  EXPECT_EQ(atOpen, lada);
  EXPECT_EQ(statusLada, "Logged in as Lada");
  EXPECT_EQ(signOutText, "Sign out");
  EXPECT_TRUE(loginHiddenWhileIn);
  EXPECT_TRUE(signOutApart);
  EXPECT_TRUE(balance.startsWith("500 ")) << balance.toStdString();
  EXPECT_EQ(statusOut, "You are not logged in to your account!");
  ASSERT_EQ(asBoris.size(), 4);
  EXPECT_EQ(asBoris, QStringList({"Boris", "Tver", "boris@example.org", "Japan"}));
  EXPECT_EQ(statusBoris, "Logged in as Boris");
  ASSERT_EQ(borisResults.size(), 9);
  EXPECT_EQ(borisResults[1], "Boris");
  EXPECT_EQ(borisResults[4], "3") << "played games";
  EXPECT_EQ(borisRefreshed, borisResults);
  EXPECT_EQ(ladaAgain, lada);
  EXPECT_EQ(Club().user().Nick, "Lada");
  EXPECT_EQ(Club().user().City, "Omsk");
}

// The window in Russian and Japanese, whose texts grow longest, for people to look at.
TEST_F(AccountFlows, TheLogInIsToldInTheLanguageOfThePlayer) {
  Prepare({"Olga", "Omsk", "olga@example.org", "1-016", "Latvia", "W", 0});
  SaveLogIn("Olga");
  for (const auto& [language, code] : {std::pair{kRussian, "ru"}, std::pair{kJapanese, "ja"}}) {
    Settings settings;
    settings.Language = language;
    ASSERT_TRUE(SaveSettings(programFolder / kSettingsFileName, settings));
    ASSERT_TRUE(OpenIn(programFolder));
    ASSERT_EQ(Club().state(), online::AccountState::asLoggedIn);
    QString status, signOut;
    responders.push_back([&, code = std::string(code)](QDialog& dialog) {
      status = LabelText(dialog, "LabelAccountStatus");
      signOut = Button(dialog, "ButtonSignOut")->text();
      QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
      dialog.grab().save(QStringLiteral(ZENDRAL_SCREENSHOT_DIR "/account_logged_in_%1.png")
                             .arg(QString::fromStdString(code)));
      return static_cast<int>(QDialog::Accepted);
    });
    QTest::mouseClick(form->Menu()->AccountIcon(), Qt::LeftButton);
    EXPECT_EQ(status, QString::fromUtf8(Word(kWordLoggedInAs, language)) + " Olga");
    EXPECT_EQ(signOut, QString::fromUtf8(Word(kWordSignOut, language)));
    form.reset();
  }
}

TEST_F(AccountFlows, SigningOutOfABookedRatedGameAsksFirst) {
  Prepare({"Rita", "Kazan", "rita@example.org", "1-016", "Latvia", "W", 0});
  SaveLogIn("Rita");
  ASSERT_TRUE(OpenIn(programFolder));
  ASSERT_EQ(Club().state(), online::AccountState::asLoggedIn);
  QString question;
  responders.push_back([&](QDialog& dialog) {
    dialog.findChild<QCheckBox*>(QStringLiteral("CheckRated"))->click();
    EXPECT_EQ(Club().state(), online::AccountState::asRated);
    responders.push_front([&question](QDialog& box) {  // "No"
      if (auto* message = qobject_cast<QMessageBox*>(&box)) question = message->text();
      return static_cast<int>(QMessageBox::No);
    });
    Button(dialog, "ButtonSignOut")->click();
    EXPECT_EQ(Club().state(), online::AccountState::asRated) << "kept after No";
    responders.push_front(Reply(QMessageBox::Yes));
    Button(dialog, "ButtonSignOut")->click();
    EXPECT_EQ(Club().state(), online::AccountState::asOffline);
    return static_cast<int>(QDialog::Rejected);
  });
  QTest::mouseClick(form->Menu()->MemberButton(5), Qt::LeftButton);
  EXPECT_TRUE(responders.empty());
  EXPECT_EQ(question, "The next game is booked for the world rating. Sign out anyway?");
  EXPECT_TRUE(form->MenuShown());
}

TEST_F(AccountFlows, ABookingWithTheServerDownKeepsTheLogInUntilTheServerAnswers) {
  Prepare({"Mila", "Omsk", "mila@example.org", "1-016", "Latvia", "W", 0});
  SaveLogIn("Mila");
  ASSERT_TRUE(OpenIn(programFolder));
  ASSERT_EQ(Club().state(), online::AccountState::asLoggedIn);
  const std::string account = Club().addresses().account;
  const std::string down = "http://127.0.0.1:1/services/account";

  // The server goes away between the account window and the booking.
  const auto bookWhileDown = [&] {
    responders.push_back([&](QDialog& dialog) {
      dialog.findChild<QCheckBox*>(QStringLiteral("CheckRated"))->click();
      Club().addresses().account = down;
      return static_cast<int>(QDialog::Accepted);
    });
    messages.clear();
    QTest::mouseClick(form->Menu()->MemberButton(5), Qt::LeftButton);
    ASSERT_TRUE(responders.empty());
    EXPECT_TRUE(form->MenuShown()) << "no rated game without the server";
    EXPECT_EQ(Club().state(), online::AccountState::asOffline);
    EXPECT_EQ(State().AccountState, kAccountOffline);
    EXPECT_TRUE(Club().logInDropped());
  };
  bookWhileDown();
  ASSERT_FALSE(HasFatalFailure());

  // What was typed and saved stays: the window's fields and the user file.
  QStringList fields;
  QString pw;
  responders.push_back([&](QDialog& dialog) {
    fields = Shown(dialog);
    pw = Edit(dialog, "EditPw")->text();
    return static_cast<int>(QDialog::Accepted);
  });
  QTest::mouseClick(form->Menu()->AccountIcon(), Qt::LeftButton);
  ASSERT_TRUE(responders.empty());
  EXPECT_EQ(fields.mid(0, 3), QStringList({"Mila", "Omsk", "mila@example.org"}));
  EXPECT_EQ(pw, "pwMila");
  EXPECT_TRUE(std::filesystem::exists(online::UserFilePath(programFolder)));
  EXPECT_TRUE(Club().userFileSaved());
  EXPECT_EQ(Club().state(), online::AccountState::asOffline) << "still down";

  // The server answers again: the next showing of the menu logs in and says so.
  Club().addresses().account = account;
  messages.clear();
  form->ShowMainMenuScreen();
  EXPECT_EQ(Club().state(), online::AccountState::asLoggedIn);
  EXPECT_EQ(State().AccountState, kAccountLoggedIn);
  EXPECT_FALSE(Club().logInDropped());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages.front(),
            "The server answers again: you are logged in to your account again. (Mila)");
  EXPECT_TRUE(form->Menu()->MemberButton(5)->text().startsWith("Mila"));

  // Or the next showing of the account window.
  bookWhileDown();
  ASSERT_FALSE(HasFatalFailure());
  Club().addresses().account = account;
  messages.clear();
  QString status;
  responders.push_back(Reply(QMessageBox::Ok));  // the message comes before the window
  responders.push_back([&](QDialog& dialog) {
    status = LabelText(dialog, "LabelAccountStatus");
    return static_cast<int>(QDialog::Accepted);
  });
  QTest::mouseClick(form->Menu()->AccountIcon(), Qt::LeftButton);
  EXPECT_EQ(status, "Logged in as Mila");
  EXPECT_EQ(Club().state(), online::AccountState::asLoggedIn);
  EXPECT_EQ(State().AccountState, kAccountLoggedIn);
  ASSERT_FALSE(messages.empty());
  EXPECT_TRUE(messages.front().startsWith("The server answers again"))
      << messages.front().toStdString();
}

TEST_F(AccountFlows, AMemberChatsUnderHisAccountAndOthersUnderTheirPassport) {
  Prepare({"Nina", "Perm", "nina@example.org", "2-005", "Japan", "W", 0});
  SaveLogIn("Nina");
  ASSERT_TRUE(OpenIn(programFolder));
  ASSERT_EQ(Club().state(), online::AccountState::asLoggedIn);
  // The passport says something else.
  Settings& settings = form->CurrentSettings();
  settings.WttNick = "Passer";
  settings.WttCity = "Riga";
  settings.WttCountry = "1-016";
  settings.WttSex = "M";

  const auto send = [this](const QString& text) {
    bool editable = false;
    responders.push_back([&](QDialog& dialog) {
      auto* chat = dynamic_cast<TFormChat*>(&dialog);
      EXPECT_NE(chat, nullptr);
      if (chat == nullptr) return static_cast<int>(QDialog::Rejected);
      editable = chat->Edit()->isEnabled();
      QTest::keyClicks(chat->Edit(), text);
      QTest::keyClick(chat->Edit(), Qt::Key_Return);
      return static_cast<int>(QDialog::Accepted);
    });
    QTest::mouseClick(form->Menu()->ChatIcon(), Qt::LeftButton);
    EXPECT_TRUE(editable);
    online::CurlTransport transport;
    online::RequestFrame frame(transport);
    const auto rows = online::ReadChat(frame, online::AddressesUnder(server_->base()).records);
    EXPECT_TRUE(rows && !rows->empty());
    return rows && !rows->empty() ? rows->front() : online::TKovRecord{};
  };

  const online::TKovRecord asMember = send("from the account");
  EXPECT_EQ(asMember.Nick, "Nina");
  EXPECT_EQ(asMember.City, "Perm");
  EXPECT_EQ(asMember.Country, Club().user().Country2);
  EXPECT_EQ(asMember.Country, "2-005");
  EXPECT_EQ(asMember.R07, "W");

  Club().LogOut();
  const online::TKovRecord asPassport = send("from the passport");
  EXPECT_EQ(asPassport.Nick, "Passer");
  EXPECT_EQ(asPassport.City, "Riga");
  EXPECT_EQ(asPassport.Country, "1-016");
  EXPECT_EQ(asPassport.R07, "M");
}

}  // namespace
}  // namespace zendral
