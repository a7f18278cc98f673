// Chat and news through the whole program with the real companion server: two copies of the
// program in one process, each with its own folders. A message sent from one copy's chat
// window is signalled by the other copy's red siren on the checks timer's ticks and listed,
// marked new, in its chat window; a news item lights the blue siren until the news is opened.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <deque>

#include "AppFixture.h"
#include "CompanionServer.h"
#include "ServerProgramFixture.h"
#include "app/calendar/CalendarView.h"
#include "app/main/MainMenuWidget.h"
#include "app/main/MenuDecorations.h"
#include "app/main/StartDialog.h"
#include "app/online/MenuServices.h"
#include "app/online/OnlineLink.h"
#include "app/online/TFormChat.h"
#include "online/ChatNews.h"
#include "online/ServiceAddresses.h"
#include "present/words/WordRows.h"
#include "present/words/Words.h"

namespace zendral {
namespace {

using testing::EnsureApplication;
using testing::ModalAnswers;
using testing::ProgramFolder;
using testing::QuickSound;
using testing::TestFormOptions;

// One copy of the program: the program folder one level below its own temporary folder, so
// that the chat and news marks of the parent folder belong to this copy alone.
class Copy : public ModalAnswers {
 public:
  explicit Copy(const std::string& nick, const std::string& city, int language = kEnglish,
                bool calendarPack = false) {
    programFolder = folder.path() / "zendral";
    std::filesystem::create_directories(programFolder);
    for (const std::string_view name : {kLocalClubFileName, kNetworkClubFileName}) {
      std::filesystem::copy_file(folder.path() / name, programFolder / name);
    }
#ifdef ZENDRAL_PACKS_TOOL
    if (calendarPack) {
      const std::string command = std::string("\"") + ZENDRAL_PACKS_TOOL + "\" --out \"" +
                                  programFolder.string() + "\" --only KovCalendar01.dll";
      EXPECT_EQ(std::system(command.c_str()), 0) << command;
    }
#else
    EXPECT_FALSE(calendarPack) << "no pack generator in this build";
#endif
    Settings settings = testing::PassportSettings(nick, city);
    settings.Language = language;
    EXPECT_TRUE(SaveSettings(programFolder / kSettingsFileName, settings));
    form = std::make_unique<TForm1>(TestFormOptions(
        programFolder, [this](QDialog& dialog) { return Answer(dialog); }, &sounds, &opened));
    form->show();
    started = form->StartUp();
    form->EndIntro();
    form->AwaitOnline();
  }

  // The checks timer, as many ticks as asked.
  void CheckTicks(int n) {
    for (int i = 0; i < n; ++i) form->ChecksTick();
  }
  bool SirenShown(QPushButton* siren) const {
    return siren->isVisibleTo(form->Menu());
  }
  std::filesystem::path MarksFolder() const {
    return folder.path();
  }

  ProgramFolder folder;
  std::filesystem::path programFolder;
  std::unique_ptr<TForm1> form;
  bool started = false;
  std::vector<std::string> sounds;
  std::vector<QUrl> opened;
};

class ChatNewsProgram : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    EnsureApplication();
    server_ = new online::CompanionServer(ZENDRAL_SERVER_PROGRAM);
  }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
    ::unsetenv("ZENDRAL_SERVICE_BASE");
  }
  void SetUp() override {
    ASSERT_TRUE(server_->ready());
    ::setenv("ZENDRAL_SERVICE_BASE", server_->base().c_str(), 1);
  }
  // zendral-server admin WORDS over the shared server's data.
  static void Admin(const std::string& words) {
    const std::string command = std::string("\"") + ZENDRAL_SERVER_PROGRAM + "\" --data \"" +
                                server_->folder().path().string() + "\" admin " + words +
                                " > /dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }
  static void AddNews(const std::string& text) {
    const std::string command = std::string("\"") + ZENDRAL_SERVER_PROGRAM + "\" --data \"" +
                                server_->folder().path().string() + "\" admin news add \"" + text +
                                "\" > /dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }
  static online::CompanionServer* server_;
};
online::CompanionServer* ChatNewsProgram::server_ = nullptr;

TEST_F(ChatNewsProgram, AMessageFromOneCopyIsSignalledAndListedOnTheOther) {
  // A chat file starts at message 1: a message of some other program comes first.
  online::CurlTransport transport;
  online::RequestFrame frame(transport);
  ASSERT_TRUE(
      online::SendChatMessage(frame, online::AddressesUnder(server_->base()).records,
                              {"Bob", "Kyiv", "1-046", "M", "hi", "09:00:00_10.12.2026_Zendral"}));
  Copy mira("Mira", "Omsk");
  Copy hans("Hans", "Berlin");
  ASSERT_TRUE(mira.started && hans.started);
  ASSERT_FALSE(hans.SirenShown(hans.form->Menu()->ChatSiren()));

  // Mira types two words and presses Enter in her chat window.
  int sentAs = 0;
  QStringList miraTexts;
  mira.responders.push_back([&](QDialog& dialog) {
    auto* chat = dynamic_cast<TFormChat*>(&dialog);
    EXPECT_NE(chat, nullptr);
    if (chat == nullptr) return int(QDialog::Rejected);
    EXPECT_EQ(chat->windowTitle(), "Kov Games Chat");
    EXPECT_TRUE(chat->Edit()->isEnabled());
    QTest::keyClicks(chat->Edit(), "good game");
    QTest::keyClick(chat->Edit(), Qt::Key_Return);
    EXPECT_TRUE(chat->Edit()->text().isEmpty());
    EXPECT_FALSE(chat->Edit()->isEnabled()) << "one message a tick";
    sentAs = chat->NewestRead();
    for (const ChatListRow& row : chat->List()->Rows()) miraTexts << row.text;
    chat->Tick();
    EXPECT_TRUE(chat->Edit()->isEnabled());
    return int(QDialog::Accepted);
  });
  QTest::mouseClick(mira.form->Menu()->ChatIcon(), Qt::LeftButton);
  ASSERT_TRUE(mira.responders.empty());
  EXPECT_GE(sentAs, 1);
  EXPECT_TRUE(miraTexts.contains("good game")) << miraTexts.join('|').toStdString();
  EXPECT_EQ(ReadChatFile(mira.MarksFolder()).lastSeen, sentAs);

  // Hans's menu: the chat is checked on every 90th tick of the checks timer.
  hans.CheckTicks(89);
  EXPECT_FALSE(hans.SirenShown(hans.form->Menu()->ChatSiren()));
  hans.CheckTicks(1);
  EXPECT_TRUE(hans.SirenShown(hans.form->Menu()->ChatSiren()));
  EXPECT_EQ(hans.form->Menu()->ChatSiren()->toolTip(), "Kov Chat!");
  EXPECT_NE(std::find(hans.sounds.begin(), hans.sounds.end(), "WToMenK"), hans.sounds.end());

  // The red siren opens the chat: Mira's message, marked new, with its sender.
  std::vector<ChatListRow> rows;
  hans.responders.push_back([&](QDialog& dialog) {
    if (auto* chat = dynamic_cast<TFormChat*>(&dialog)) rows = chat->List()->Rows();
    return int(QDialog::Accepted);
  });
  QTest::mouseClick(hans.form->Menu()->ChatSiren(), Qt::LeftButton);
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.front().text, "good game");
  EXPECT_EQ(rows.front().number, QString::number(sentAs) + ".");
  EXPECT_TRUE(rows.front().isNew);
  EXPECT_TRUE(rows.front().heading.startsWith("Omsk : ")) << rows.front().heading.toStdString();
  EXPECT_TRUE(rows.front().heading.endsWith(" 5.7f : Mira")) << rows.front().heading.toStdString();
  EXPECT_FALSE(hans.SirenShown(hans.form->Menu()->ChatSiren()));
  EXPECT_EQ(ReadChatFile(hans.MarksFolder()).lastSeen, sentAs);

  // Seen now: further ticks find nothing new.
  hans.CheckTicks(90);
  EXPECT_FALSE(hans.SirenShown(hans.form->Menu()->ChatSiren()));
}

TEST_F(ChatNewsProgram, DuringASessionANewMessageOpensTheChatWhenThePlayerAskedForIt) {
  online::CurlTransport transport;
  online::RequestFrame frame(transport);
  const std::string records = online::AddressesUnder(server_->base()).records;
  ASSERT_TRUE(online::SendChatMessage(
      frame, records, {"Bob", "Kyiv", "1-046", "M", "before", "09:00:00_10.12.2026_Zendral"}));
  Copy ivan("Ivan", "Tver");
  ASSERT_TRUE(ivan.started);
  // Ivan has seen everything and wants the window to open by itself.
  QTest::mouseClick(ivan.form->Menu()->ChatIcon(), Qt::LeftButton);
  TChatMarks marks = ReadChatFile(ivan.MarksFolder());
  marks.openOnNew = true;
  ASSERT_TRUE(WriteChatFile(ivan.MarksFolder(), marks));

  ivan.responders.push_back([](QDialog& dialog) {
    auto* start = dynamic_cast<StartDialog*>(&dialog);
    EXPECT_NE(start, nullptr);
    if (start == nullptr) return int(QDialog::Rejected);
    start->NameBox()->setText("Ivan");
    start->PasswordBox()->setText("iv");
    start->PasswordAgainBox()->setText("iv");
    start->OkButton()->click();
    return start->result();
  });
  QTest::mouseClick(ivan.form->Menu()->NewPlayerButton(), Qt::LeftButton);
  ASSERT_FALSE(ivan.form->MenuShown());

  ASSERT_TRUE(online::SendChatMessage(
      frame, records, {"Bob", "Kyiv", "1-046", "M", "during", "09:01:00_10.12.2026_Zendral"}));
  QStringList shown;
  ivan.responders.push_back([&](QDialog& dialog) {
    if (auto* chat = dynamic_cast<TFormChat*>(&dialog)) {
      for (const ChatListRow& row : chat->List()->Rows()) shown << row.text;
    }
    return int(QDialog::Accepted);
  });
  ivan.CheckTicks(90);
  ASSERT_FALSE(shown.isEmpty()) << "the chat window did not open";
  EXPECT_EQ(shown.front(), "during");
  EXPECT_NE(std::find(ivan.sounds.begin(), ivan.sounds.end(), "WToMenK"), ivan.sounds.end());
}

TEST_F(ChatNewsProgram, TheOrderOptionAndAFailedReadInTheWindow) {
  Copy anna("Anna", "Praha");
  ASSERT_TRUE(anna.started);
  // Two messages from another program.
  online::CurlTransport transport;
  online::RequestFrame frame(transport);
  const std::string records = online::AddressesUnder(server_->base()).records;
  for (const char* text : {"first one", "second one"}) {
    ASSERT_TRUE(online::SendChatMessage(
        frame, records, {"Bob", "Kyiv", "1-046", "M", text, "10:00:00_10.12.2026_Zendral"}));
  }
  QStringList newestFirst, oldestFirst;
  bool noConnect = false;
  anna.responders.push_back([&](QDialog& dialog) {
    auto* chat = dynamic_cast<TFormChat*>(&dialog);
    if (chat == nullptr) return int(QDialog::Rejected);
    for (const ChatListRow& row : chat->List()->Rows()) newestFirst << row.text;
    auto* bottom = chat->findChild<QCheckBox*>("CheckLastAtBottom");
    bottom->click();
    EXPECT_FALSE(bottom->isEnabled());
    for (const ChatListRow& row : chat->List()->Rows()) oldestFirst << row.text;
    anna.form->Online()->Club().addresses().records = "http://127.0.0.1:1/services/records";
    chat->Refresh();
    noConnect = chat->List()->NoConnectShown();
    return int(QDialog::Accepted);
  });
  QTest::mouseClick(anna.form->Menu()->ChatIcon(), Qt::LeftButton);
  ASSERT_GE(newestFirst.size(), 2);
  EXPECT_EQ(newestFirst.mid(0, 2), QStringList({"second one", "first one"}));
  EXPECT_EQ(oldestFirst.mid(oldestFirst.size() - 2), QStringList({"first one", "second one"}));
  EXPECT_TRUE(noConnect);
  EXPECT_TRUE(ReadChatFile(anna.MarksFolder()).lastAtBottom);
}

TEST_F(ChatNewsProgram, ANewsItemLightsTheBlueSirenUntilTheNewsIsOpened) {
  AddNews("The autumn cup starts on Friday");
  Copy lena("Lena", "Riga");
  ASSERT_TRUE(lena.started);
  EXPECT_TRUE(lena.SirenShown(lena.form->Menu()->NewsSiren()));
  EXPECT_EQ(lena.form->Menu()->NewsSiren()->toolTip(), "Kov News!");
  QTest::mouseClick(lena.form->Menu()->NewsSiren(), Qt::LeftButton);
  // The siren opens the program's news window.
  ASSERT_FALSE(lena.dialogs.empty());
  EXPECT_EQ(lena.dialogs.back(), "TFNews");
  EXPECT_FALSE(lena.SirenShown(lena.form->Menu()->NewsSiren()));
  const int seen = ReadNewsFile(lena.MarksFolder());
  EXPECT_GE(seen, 1);

  // A later item is found on the third tick.
  AddNews("Second item");
  lena.CheckTicks(2);
  EXPECT_FALSE(lena.SirenShown(lena.form->Menu()->NewsSiren()));
  lena.CheckTicks(1);
  EXPECT_TRUE(lena.SirenShown(lena.form->Menu()->NewsSiren()));
}

TEST_F(ChatNewsProgram, TheChecksTimerRunsWithoutTheCalendarPack) {
  Copy olga("Olga", "Minsk");
  ASSERT_TRUE(olga.started);
  ASSERT_FALSE(olga.form->Calendar()->IsShown()) << "this copy has no calendar pack";
  EXPECT_FALSE(olga.form->Calendar()->Timer()->isActive());
  QTimer* checks = olga.form->ChecksTimer();
  ASSERT_NE(checks, nullptr);
  EXPECT_TRUE(checks->isActive());
  EXPECT_EQ(checks->interval(), 10000);
  // The siren of a news item posted while the program runs, lit by the timer itself (made
  // quicker here: three ticks check the news).
  QTest::qWait(50);
  const bool before = olga.SirenShown(olga.form->Menu()->NewsSiren());
  if (before) {
    QTest::mouseClick(olga.form->Menu()->NewsSiren(), Qt::LeftButton);
    ASSERT_FALSE(olga.SirenShown(olga.form->Menu()->NewsSiren()));
  }
  AddNews("Posted while Olga is in the menu");
  checks->setInterval(20);
  QTRY_VERIFY_WITH_TIMEOUT(olga.SirenShown(olga.form->Menu()->NewsSiren()), 10000);
  EXPECT_EQ(olga.form->Menu()->NewsSiren()->toolTip(), "Kov News!");
}

TEST_F(ChatNewsProgram, TheOpenChatWindowFollowsTheChatOnItsTimer) {
  Copy petr("Petr", "Brno");
  ASSERT_TRUE(petr.started);
  online::CurlTransport transport;
  online::RequestFrame frame(transport);
  const std::string records = online::AddressesUnder(server_->base()).records;
  QStringList atOpen, later;
  petr.responders.push_back([&](QDialog& dialog) {
    auto* chat = dynamic_cast<TFormChat*>(&dialog);
    if (chat == nullptr) return int(QDialog::Rejected);
    EXPECT_TRUE(chat->Timer()->isActive());
    EXPECT_EQ(chat->Timer()->interval(), 15000);
    for (const ChatListRow& row : chat->List()->Rows()) atOpen << row.text;
    EXPECT_TRUE(online::SendChatMessage(
        frame, records,
        {"Bob", "Kyiv", "1-046", "M", "while open", "11:00:00_10.12.2026_Zendral"}));
    chat->Timer()->setInterval(20);
    const auto newest = [chat] {
      return chat->List()->Rows().empty() ? QString() : chat->List()->Rows().front().text;
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return newest() == "while open"; }, 10000));
    for (const ChatListRow& row : chat->List()->Rows()) later << row.text;
    return int(QDialog::Accepted);
  });
  QTest::mouseClick(petr.form->Menu()->ChatIcon(), Qt::LeftButton);
  ASSERT_TRUE(petr.responders.empty());
  EXPECT_FALSE(atOpen.contains("while open"));
  ASSERT_FALSE(later.isEmpty());
  EXPECT_EQ(later.front(), "while open");
}

// The club names the Android edition's package and store page in its path directory; the
// menu's icons follow what the program found at its start.
TEST_F(ChatNewsProgram, TheAndroidIconsFollowTheAddressesTheServerNames) {
  {
    Copy before("Ivo", "Sofia");
    ASSERT_TRUE(before.started);
    MenuDecorations& parts = *before.form->Menu()->Decorations();
    QTest::mouseClick(parts.AndroidIcon(), Qt::LeftButton);
    ASSERT_EQ(before.messages.size(), 1u);
    EXPECT_TRUE(before.messages.front().endsWith(QString::fromUtf8(Word(kWordApkUnavailable))))
        << before.messages.front().toStdString();
    before.form->CurrentSettings().WindowSize = kAverageWindow1;
    before.form->ShowMainMenuScreen();
    EXPECT_FALSE(parts.StoreIcon()->isVisible());
  }
  const std::string package = server_->base() + "/downloads/progr/Zendral.apk";
  Admin("edition apk " + package);
  Admin("edition store " + server_->base() + "/zendral/");
  Copy after("Ivo", "Sofia");
  ASSERT_TRUE(after.started);
  MenuDecorations& parts = *after.form->Menu()->Decorations();
  after.form->CurrentSettings().WindowSize = kAverageWindow1;
  after.form->ShowMainMenuScreen();
  EXPECT_TRUE(parts.StoreIcon()->isVisible());
  QTest::mouseClick(parts.StoreIcon(), Qt::LeftButton);
  ASSERT_FALSE(after.opened.empty());
  EXPECT_EQ(after.opened.back().toString().toStdString(), server_->base() + "/zendral/");
  // The download asks where the package goes, proposing its own name.
  QString proposed;
  after.responders.push_back([&](QDialog& dialog) {
    if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
      proposed = QFileInfo(files->selectedFiles().value(0)).fileName();
    }
    return int(QDialog::Rejected);
  });
  QTest::mouseClick(parts.AndroidIcon(), Qt::LeftButton);
  EXPECT_EQ(proposed, "Zendral.apk");
  EXPECT_TRUE(after.messages.empty());
  Admin("edition apk off");
  Admin("edition store off");
}

#ifdef ZENDRAL_PACKS_TOOL
TEST_F(ChatNewsProgram, TheCalendarStandsOnTheMenuOnlyWithItsPack) {
  Copy without("Olga", "Minsk");
  ASSERT_TRUE(without.started);
  ASSERT_NE(without.form->Calendar(), nullptr);
  EXPECT_FALSE(without.form->Calendar()->IsShown());
  EXPECT_FALSE(without.form->Calendar()->LeftLabel()->isVisibleTo(without.form->Menu()));
  EXPECT_FALSE(without.form->Calendar()->Timer()->isActive());

  Copy with("Olga", "Minsk", kEnglish, true);
  ASSERT_TRUE(with.started);
  CalendarView* calendar = with.form->Calendar();
  EXPECT_TRUE(calendar->IsShown());
  EXPECT_TRUE(calendar->LeftLabel()->isVisibleTo(with.form->Menu()));
  EXPECT_TRUE(calendar->RightLabel()->isVisibleTo(with.form->Menu()));
  EXPECT_TRUE(calendar->Timer()->isActive());
  EXPECT_EQ(calendar->Timer()->interval(), CalendarView::kPageTurnMs);
  // With the pages shown, the news is still checked on the third tick of the checks timer.
  QTest::mouseClick(with.form->Menu()->NewsIcon(), Qt::LeftButton);  // all news seen
  ASSERT_FALSE(with.SirenShown(with.form->Menu()->NewsSiren()));
  AddNews("Calendar news");
  with.CheckTicks(3);
  EXPECT_TRUE(with.SirenShown(with.form->Menu()->NewsSiren()));
  QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
  EXPECT_TRUE(with.form->grab().save(ZENDRAL_SCREENSHOT_DIR "/menu_calendar.png"));
}
#endif

// The two windows in English and Japanese, for people to look at.
TEST_F(ChatNewsProgram, Screenshots) {
  online::CurlTransport transport;
  online::RequestFrame frame(transport);
  const std::string records = online::AddressesUnder(server_->base()).records;
  ASSERT_TRUE(online::SendChatMessage(
      frame, records,
      {"Yuki", "Tokyo", "2-020", "W", "Konbanwa, everyone!", "21:03:10_10.12.2026_Zendral"}));
  QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
  for (const auto& [language, code] : {std::pair{kEnglish, "en"}, std::pair{kJapanese, "ja"}}) {
    Copy copy("Mira", "Omsk", language);
    ASSERT_TRUE(copy.started);
    const QString suffix = QString::fromLatin1(code) + ".png";
    copy.responders.push_back([&](QDialog& dialog) {
      EXPECT_TRUE(dialog.grab().save(ZENDRAL_SCREENSHOT_DIR "/chat_" + suffix));
      return int(QDialog::Accepted);
    });
    QTest::mouseClick(copy.form->Menu()->ChatIcon(), Qt::LeftButton);
    copy.responders.push_back([&](QDialog& dialog) {
      EXPECT_TRUE(dialog.grab().save(ZENDRAL_SCREENSHOT_DIR "/statistics_" + suffix));
      return int(QDialog::Accepted);
    });
    QTest::mouseClick(copy.form->Menu()->StatsIcon(), Qt::LeftButton);
    EXPECT_TRUE(copy.responders.empty());
    EXPECT_TRUE(copy.form->grab().save(ZENDRAL_SCREENSHOT_DIR "/menu_services_" + suffix));
  }
}

}  // namespace
}  // namespace zendral
