// The club's windows as a player expects them, with the real companion server: the account
// window tells what creating, saving and deleting did (and asks before deleting the saved
// log-in), the profile editor confirms what it saved and uploaded, the chat never marks the
// player's own lines as new and keeps its refresh button, and the news is shown inside the
// program, its siren going only once the news is on the screen.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <algorithm>
#include <cstdlib>
#include <map>

#include "AppFixture.h"
#include "ServerProgramFixture.h"
#include "app/main/MainMenuWidget.h"
#include "app/online/OnlineLink.h"
#include "app/online/TFAcc1.h"
#include "app/online/TFAcc2.h"
#include "app/online/TFNews.h"
#include "app/online/TFormChat.h"
#include "extras/menuinfo/ChatNewsFiles.h"
#include "online/ChatNews.h"
#include "online/OnlineClub.h"
#include "online/ServiceAddresses.h"
#include "online/UserFile.h"
#include "store/Settings.h"

namespace zendral {
namespace {

class ClubWindows : public testing::ServerProgramTest {
 protected:
  void SetUp() override {
    ServerProgramTest::SetUp();
    if (HasFatalFailure()) return;
    programFolder = MakeProgramFolder();
  }
  // A passport the chat accepts, kept behind the stored service addresses.
  void SavePassport(const std::string& nick, const std::string& city) const {
    ASSERT_TRUE(
        SaveSettings(programFolder / kSettingsFileName, testing::PassportSettings(nick, city)));
  }
  static void AddNews(const std::string& text) {
    const std::string command = std::string("\"") + ZENDRAL_SERVER_PROGRAM + "\" --data \"" +
                                server_->folder().path().string() + "\" admin news add \"" + text +
                                "\" > /dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }
  bool SirenShown(QPushButton* siren) const { return siren->isVisibleTo(form->Menu()); }
  // Where the chat and news marks lie: the parent folder of the program folder.
  std::filesystem::path MarksFolder() const { return programFolder.parent_path(); }

  std::filesystem::path programFolder;
};

template <typename T>
T* Child(QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

// A new member creates his account, keeps and deletes the saved log-in, and edits his profile.
TEST_F(ClubWindows, TheAccountWindowSaysWhatEachClickDidAndAsksBeforeDeleting) {
  ASSERT_TRUE(OpenIn(programFolder));
  const std::filesystem::path userFile = online::UserFilePath(programFolder);
  const QString photo = QString::fromStdString((folder.path() / "face.jpg").string());
  QImage face(200, 250, QImage::Format_RGB32);
  face.fill(Qt::darkCyan);
  ASSERT_TRUE(face.save(photo, "JPEG"));

  QString ratedTip, editCaption;
  bool ratedEnabled = true, keptOnNo = false, goneOnYes = false, editorOpened = false;
  std::size_t messagesAfterCreate = 0;
  responders.push_back([&](QDialog& dialog) {
    auto* window = dynamic_cast<TFAcc1*>(&dialog);
    if (window == nullptr) return int(QDialog::Rejected);
    QTest::keyClicks(Child<QLineEdit>(dialog, "EditNick"), "Vesna");
    QTest::keyClicks(Child<QLineEdit>(dialog, "EditPw"), "pwVesna");
    QTest::keyClicks(Child<QLineEdit>(dialog, "EditCity"), "Kazan");
    QTest::keyClicks(Child<QLineEdit>(dialog, "EditEMail"), "vesna@example.org");
    Child<QPushButton>(dialog, "ButtonCreate")->click();
    messagesAfterCreate = messages.size();

    // Opened from its icon, not as the start of a rated game: the box says why it is greyed.
    auto* rated = Child<QCheckBox>(dialog, "CheckRated");
    ratedEnabled = rated->isEnabled();
    ratedTip = rated->toolTip();

    Child<QPushButton>(dialog, "ButtonSave")->click();
    EXPECT_TRUE(std::filesystem::exists(userFile));
    responders.push_back(Reply(QMessageBox::No));
    Child<QPushButton>(dialog, "ButtonDelete")->click();
    keptOnNo = std::filesystem::exists(userFile);
    responders.push_back(Reply(QMessageBox::Yes));
    Child<QPushButton>(dialog, "ButtonDelete")->click();
    goneOnYes = !std::filesystem::exists(userFile);

    // "About me": the button that opens the profile editor says so.
    window->Pages()->setCurrentIndex(4);
    auto* edit = Child<QPushButton>(dialog, "ButtonInfoRefresh");
    editCaption = edit->text();
    responders.push_back([&](QDialog& inner) {
      auto* editor = dynamic_cast<TFAcc2*>(&inner);
      if (editor == nullptr) return int(QDialog::Rejected);
      editorOpened = true;
      QTest::keyClicks(editor->Field(3), "+7 900 111");
      Child<QPushButton>(inner, "ButtonUpdate")->click();
      EXPECT_TRUE(editor->TakePhotoFile(photo));
      Child<QPushButton>(inner, "ButtonPhoto")->click();
      return int(QDialog::Accepted);
    });
    edit->click();
    return int(QDialog::Accepted);
  });
  QTest::mouseClick(form->Menu()->AccountIcon(), Qt::LeftButton);
  ASSERT_TRUE(responders.empty());

  ASSERT_GE(messagesAfterCreate, 1u);
  EXPECT_EQ(messages[messagesAfterCreate - 1],
            "Your account has been created and you are now logged in as Vesna.\n"
            "Press “Save” to be logged in by itself at every start.");
  EXPECT_EQ(form->Online()->Club().state(), online::AccountState::asLoggedIn);
  EXPECT_FALSE(ratedEnabled);
  EXPECT_EQ(ratedTip,
            "This box can be ticked when you start a game for the global rating from the main "
            "menu.");
  EXPECT_TRUE(keptOnNo) << "No keeps the saved log-in";
  EXPECT_TRUE(goneOnYes);
  const QString question =
      "Delete the saved log-in? The program will no longer log you in by itself at start.";
  EXPECT_EQ(std::count(messages.begin(), messages.end(), question), 2);
  EXPECT_EQ(editCaption, "Edit profile");
  EXPECT_TRUE(editorOpened);
  EXPECT_EQ(std::count(messages.begin(), messages.end(), QString("Your profile has been saved!")),
            1);
  EXPECT_EQ(std::count(messages.begin(), messages.end(), QString("Your photo has been uploaded!")),
            1);
  EXPECT_EQ(form->Online()->Club().user().Info.Telephone, "+7 900 111");
}

TEST_F(ClubWindows, TheChatNeverMarksThePlayersOwnLinesNewAndKeepsItsRefreshButton) {
  SavePassport("Mira", "Omsk");
  ASSERT_TRUE(OpenIn(programFolder));
  online::CurlTransport transport;
  online::RequestFrame frame(transport);
  const std::string records = online::AddressesUnder(server_->base()).records;

  bool ownNewAfterSend = true, refreshShownAfterSend = false, refreshShownAfterClick = false,
       refreshEnabledAfterClick = true, refreshEnabledAfterTick = false;
  int sentAs = 0;
  responders.push_back([&](QDialog& dialog) {
    auto* chat = dynamic_cast<TFormChat*>(&dialog);
    if (chat == nullptr) return int(QDialog::Rejected);
    chat->show();
    QTest::keyClicks(chat->Edit(), "hello all");
    QTest::keyClick(chat->Edit(), Qt::Key_Return);
    sentAs = chat->NewestRead();
    for (const ChatListRow& row : chat->List()->Rows()) {
      if (row.text == "hello all") ownNewAfterSend = row.isNew;
    }
    auto* refresh = Child<QPushButton>(dialog, "ButtonRefresh");
    refreshShownAfterSend = refresh->isVisible() && refresh->isEnabled();
    refresh->click();
    refreshShownAfterClick = refresh->isVisible();
    refreshEnabledAfterClick = refresh->isEnabled();
    chat->Tick();
    refreshEnabledAfterTick = refresh->isVisible() && refresh->isEnabled();
    return int(QDialog::Accepted);
  });
  QTest::mouseClick(form->Menu()->ChatIcon(), Qt::LeftButton);
  ASSERT_TRUE(responders.empty());
  ASSERT_GE(sentAs, 1);
  EXPECT_FALSE(ownNewAfterSend);
  EXPECT_TRUE(refreshShownAfterSend) << "the send leaves the refresh button in place";
  EXPECT_TRUE(refreshShownAfterClick);
  EXPECT_FALSE(refreshEnabledAfterClick) << "one refresh a tick";
  EXPECT_TRUE(refreshEnabledAfterTick);

  // Later: another player writes, and so does Mira from her other computer; only the other
  // player's line is new to her.
  ASSERT_TRUE(online::SendChatMessage(
      frame, records, {"Bob", "Kyiv", "1-046", "M", "hi Mira", "12:00:00_10.12.2026_Zendral"}));
  ASSERT_TRUE(online::SendChatMessage(
      frame, records, {"Mira", "Omsk", "1-016", "W", "from home", "12:01:00_10.12.2026_Zendral"}));
  std::vector<ChatListRow> rows;
  responders.push_back([&](QDialog& dialog) {
    if (auto* chat = dynamic_cast<TFormChat*>(&dialog)) rows = chat->List()->Rows();
    return int(QDialog::Accepted);
  });
  QTest::mouseClick(form->Menu()->ChatIcon(), Qt::LeftButton);
  std::map<QString, bool> isNew;
  for (const ChatListRow& row : rows) isNew[row.text] = row.isNew;
  ASSERT_EQ(isNew.count("hi Mira"), 1u);
  ASSERT_EQ(isNew.count("from home"), 1u);
  ASSERT_EQ(isNew.count("hello all"), 1u);
  EXPECT_TRUE(isNew["hi Mira"]);
  EXPECT_FALSE(isNew["from home"]);
  EXPECT_FALSE(isNew["hello all"]);
}

TEST_F(ClubWindows, TheNewsIsShownInsideTheProgramAndOnlyThenTheSirenGoes) {
  AddNews("The spring cup starts on Friday");
  ASSERT_TRUE(OpenIn(programFolder));
  QPushButton* siren = form->Menu()->NewsSiren();
  ASSERT_TRUE(SirenShown(siren));
  const int seenBefore = ReadNewsFile(MarksFolder());

  // The club cannot be reached as the player clicks: he is told, the siren stays.
  online::ServiceAddresses& addresses = form->Online()->Club().addresses();
  const std::string news = addresses.news;
  addresses.news = "http://127.0.0.1:1/news/index.html";
  QTest::mouseClick(form->Menu()->NewsIcon(), Qt::LeftButton);
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages.back(), "No Connect!");
  EXPECT_TRUE(SirenShown(siren));
  EXPECT_EQ(ReadNewsFile(MarksFolder()), seenBefore);
  addresses.news = news;

  QString title, shown;
  bool sirenWhileShown = true;
  std::size_t openedWhileShown = 99;
  responders.push_back([&](QDialog& dialog) {
    auto* window = dynamic_cast<TFNews*>(&dialog);
    if (window == nullptr) return int(QDialog::Rejected);
    title = window->windowTitle();
    shown = window->View()->toPlainText();
    sirenWhileShown = SirenShown(siren);
    openedWhileShown = opened.size();
    QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
    dialog.grab().save(ZENDRAL_SCREENSHOT_DIR "/news_window.png");
    Child<QPushButton>(dialog, "ButtonBrowser")->click();
    return int(QDialog::Accepted);
  });
  QTest::mouseClick(form->Menu()->NewsIcon(), Qt::LeftButton);
  ASSERT_TRUE(responders.empty());
  EXPECT_EQ(title, "News");
  EXPECT_TRUE(shown.contains("The spring cup starts on Friday")) << shown.toStdString();
  EXPECT_FALSE(shown.contains("KovNews")) << "the item mark is for the program";
  EXPECT_EQ(openedWhileShown, 0u) << "nothing is handed to a browser unasked";
  EXPECT_FALSE(sirenWhileShown);
  EXPECT_FALSE(SirenShown(siren));
  EXPECT_GT(ReadNewsFile(MarksFolder()), seenBefore);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened.front().toString().toStdString(), news);
}

}  // namespace
}  // namespace zendral
