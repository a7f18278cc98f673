// The start-up of the first paint: both club files are tested and a failure ends the program
// without writing the settings; the local file may fix the language; the intro gives way to
// the menu at the window size of the settings.

#include <gtest/gtest.h>

#include <QDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

#include "AppFixture.h"
#include "app/main/IntroWidget.h"
#include "app/main/MainMenuWidget.h"
#include "present/words/Words.h"

namespace zendral {
namespace {

using testing::AppTest;

class StartUp : public AppTest {};

TEST_F(StartUp, AMissingOrDamagedClubFileEndsTheProgramUnsaved) {
  struct Case {
    const char* what;
    std::function<void(const testing::ProgramFolder&)> harm;
    QString message;
  } cases[] = {
      {"the network file is missing",
       [](const testing::ProgramFolder& f) {
         std::filesystem::remove(f.path() / kNetworkClubFileName);
       },
       "Can`t find the file \"%1\"!"},
      {"a member line was edited by hand",
       [](const testing::ProgramFolder& f) {
         std::string bytes = f.Read("Zendral.net");
         bytes[3] = 'X';
         std::ofstream(f.path() / kNetworkClubFileName, std::ios::binary) << bytes;
       },
       "The incorrect file \"%1\"!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing::ProgramFolder harmed;
    c.harm(harmed);
    messages.clear();
    EXPECT_FALSE(OpenIn(harmed.path()));
    const QString path = QString::fromStdString((harmed.path() / kNetworkClubFileName).string());
    EXPECT_EQ(messages, std::vector<QString>{c.message.arg(path)});
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(std::filesystem::exists(harmed.path() / kSettingsFileName));
    form.reset();
  }
}

TEST_F(StartUp, TheLocalClubFileCanFixTheLanguageToRussian) {
  std::string bytes = folder.Read("Zendral.clb");
  // Line 17 starts after 16 lines and their line ends; it is not under the checksums.
  const std::size_t line17 = 5 * 61 + 10 * 28 + 30;
  ASSERT_EQ(bytes[line17 - 2], '\r');
  bytes[line17] = '1';
  std::ofstream(folder.path() / kLocalClubFileName, std::ios::binary) << bytes;
  ASSERT_TRUE(Open());
  EXPECT_EQ(form->Menu()->NewPlayerButton()->text(), QString::fromUtf8("Новый Игрок"));
  EXPECT_EQ(form->CurrentSettings().Language, kRussian);
  UseLanguage(kEnglish);
}

TEST_F(StartUp, AKeyEndsTheIntroAndTheMenuTakesTheSizeOfTheSettings) {
  Settings settings;
  settings.WindowSize = kAverageWindow1;
  folder.SaveSettingsFile(settings);
  ASSERT_TRUE(Open(false));
  EXPECT_TRUE(form->IntroShown());
  EXPECT_EQ(form->size(), QSize(760, 500));
  for (int i = 0; i < 40; ++i) form->Intro()->Tick();
  EXPECT_GT(form->Intro()->CardsShown(), 4) << "the layout grows from the nines";
  EXPECT_FALSE(form->Intro()->HintShown());
  // Once the whole layout stands, the intro says how to go on, and keeps saying it as it loops.
  for (int i = 0; i < 36 * 4 + 75 + 10; ++i) form->Intro()->Tick();
  EXPECT_LT(form->Intro()->CardsShown(), 36) << "the layout builds itself again";
  EXPECT_TRUE(form->Intro()->HintShown());
  QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
  EXPECT_TRUE(form->grab().save(ZENDRAL_SCREENSHOT_DIR "/intro-hint.png"));

  QTest::keyClick(form->Intro(), Qt::Key_Space);
  EXPECT_FALSE(form->IntroShown());
  EXPECT_TRUE(form->MenuShown());
  EXPECT_EQ(form->size(), QSize(990, 650));
  EXPECT_TRUE(form->Menu()->isVisible());
  EXPECT_EQ(form->Menu()->MemberButton(1)->y(), 344);  // 265 * 1.3 = 344.5, halves to even
  EXPECT_EQ(form->Menu()->MemberButton(1)->height(), 39);
}

TEST_F(StartUp, AMusicFileThatCannotBeMadeIsReportedAndPlayGoesOn) {
  tuneSound = [](testing::QuickSound& sound) { sound.musicFileFails = true; };
  ASSERT_TRUE(Open());
  EXPECT_EQ(messages, std::vector<QString>{"Can`t create music file!"});
  EXPECT_TRUE(form->MenuShown());
}

// A club server that takes connections (the kernel completes them) and never answers.
class SilentServer {
 public:
  SilentServer() : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(socket_, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
        ::listen(socket_, 16) == 0 &&
        ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
      port_ = ntohs(address.sin_port);
    }
  }
  ~SilentServer() { ::close(socket_); }
  SilentServer(const SilentServer&) = delete;
  SilentServer& operator=(const SilentServer&) = delete;
  int port() const { return port_; }

 private:
  int socket_;
  int port_ = 0;
};

TEST_F(StartUp, AClubServerThatNeverAnswersHoldsNeitherTheIntroNorTheMenu) {
  SilentServer silent;
  ASSERT_GT(silent.port(), 0);
  const QByteArray before = qgetenv("ZENDRAL_SERVICE_BASE");
  qputenv("ZENDRAL_SERVICE_BASE",
          QByteArray("http://127.0.0.1:") + QByteArray::number(silent.port()));
  folder.SaveSettingsFile(Settings{});  // a complete file: the path directory is asked for
  form = std::make_unique<TForm1>(testing::TestFormOptions(
      folder.path(), [this](QDialog& dialog) { return Answer(dialog); }, &sounds, &opened, 7));
  form->show();
  ASSERT_TRUE(form->StartUp());
  EXPECT_TRUE(form->OnlineStartUpPending()) << "the path directory waits on its own thread";

  // The intro goes on with its animation meanwhile, and a click shows the menu at once, drawn
  // as offline until the club has answered or its bound has passed.
  // (A bound in seconds, not a fixed pause: a loaded machine may run the intro's timer late.)
  const int cardsBefore = form->Intro()->CardsShown();
  QTRY_VERIFY_WITH_TIMEOUT(form->Intro()->CardsShown() > cardsBefore, 3000);
  QTest::mouseClick(form->Intro(), Qt::LeftButton);
  EXPECT_FALSE(form->IntroShown());
  EXPECT_TRUE(form->MenuShown());
  EXPECT_TRUE(form->OnlineStartUpPending());
  EXPECT_EQ(form->OnlineIfReady(), nullptr);
  EXPECT_TRUE(form->Menu()->isVisible());
  EXPECT_TRUE(messages.empty());

  // Closing does not wait for the silent server: its request is cancelled.
  EXPECT_TRUE(form->close());
  form.reset();
  if (before.isNull()) {
    qunsetenv("ZENDRAL_SERVICE_BASE");
  } else {
    qputenv("ZENDRAL_SERVICE_BASE", before);
  }
}

}  // namespace
}  // namespace zendral
