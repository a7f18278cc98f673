// The account window, the profile editor, the passport, the World Top Ten window, the
// submission window and the tournament top ten, driven against a club server inside the test;
// screenshots in English, Russian and Japanese for people to look at.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include "../windows/WindowsTestSupport.h"
#include "FakeClubServer.h"
#include "app/online/OnlineUi.h"
#include "app/online/TFAcc1.h"
#include "app/online/TFAcc2.h"
#include "app/online/TFNews.h"
#include "app/online/TFPassport.h"
#include "app/online/TFTourTop.h"
#include "app/online/TFWorldSend.h"
#include "app/online/TFWorldTop.h"
#include "app/online/TopTenList.h"
#include "app/windows/WindowTexts.h"
#include "online/UserFile.h"
#include "present/words/WordRows.h"

namespace zendral {
namespace {

using online::AccountState;
using testing::Child;

struct OnlineWindows : ::testing::Test {
  testing::FakeClubServer server;
  online::RequestFrame frame{server};
  online::OnlineClub club{frame, online::AddressesUnder("http://club")};
  Settings settings;
  TempFolder install;
  std::filesystem::path programFolder = install.path() / "zendral";
  std::vector<QString> messages;
  std::vector<QUrl> opened;
  bool answer = true;

  void SetUp() override {
    testing::EnsureApp();
    UseLanguage(kEnglish);
    std::filesystem::create_directories(programFolder);
    settings.WttNick = "Incognito";
    settings.WttCity = "Moscow";
    settings.WttCountry = "1-001";
    settings.WttSex = "M";
  }
  void TearDown() override { UseLanguage(kEnglish); }
  OnlineUi Ui(bool pack = true) {
    OnlineUi ui{club, settings, programFolder, nullptr, nullptr, nullptr, nullptr, nullptr, pack};
    ui.message = [this](const QString& text, bool) { messages.push_back(text); };
    ui.ask = [this](const QString& text) {
      messages.push_back(text);
      return answer;
    };
    ui.openUrl = [this](const QUrl& url) {
      opened.push_back(url);
      return true;
    };
    ui.modal = [](QDialog&) { return 0; };
    return ui;
  }
  void LogIn() { ASSERT_TRUE(club.LogIn("Mira", "secret1")); }
};

QString LampColour(const QLabel* lamp) {
  const QImage image = lamp->pixmap().toImage();
  const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
  if (c.red() > 180 && c.green() < 120) return "red";
  if (c.red() > 180 && c.green() > 150) return "yellow";
  if (c.green() > 150 && c.red() < 150) return "green";
  return c.name();
}

TEST_F(OnlineWindows, AccountFieldsLampsFiltersAndTheCreateButton) {
  TFAcc1 window(Ui(), false);
  auto* nick = Child<QLineEdit>(window, "EditNick");
  auto* pw = Child<QLineEdit>(window, "EditPw");
  auto* city = Child<QLineEdit>(window, "EditCity");
  auto* email = Child<QLineEdit>(window, "EditEMail");
  auto* create = Child<QPushButton>(window, "ButtonCreate");
  auto* login = Child<QPushButton>(window, "ButtonLogin");
  QTest::keyClicks(nick, "M");
  EXPECT_EQ(LampColour(Child<QLabel>(window, "LampNick")), "red");
  QTest::keyClicks(nick, "i$ra");  // "$" is refused as it is typed
  EXPECT_EQ(nick->text(), "Mira");
  EXPECT_EQ(LampColour(Child<QLabel>(window, "LampNick")), "green");
  QTest::keyClicks(pw, "sec");
  EXPECT_FALSE(login->isEnabled());
  QTest::keyClicks(pw, "ret1");
  EXPECT_TRUE(login->isEnabled());
  EXPECT_FALSE(create->isEnabled());
  QTest::keyClicks(email, "mira@example.org");
  city->setText(QStringLiteral("Омск"));
  EXPECT_EQ(LampColour(Child<QLabel>(window, "LampCity")), "yellow");
  EXPECT_TRUE(create->isEnabled());  // a Cyrillic city may create an account
  pw->selectAll();
  pw->insert(QStringLiteral("пароль"));  // no Cyrillic in a password, not even pasted
  EXPECT_EQ(pw->text(), "secret1");
  EXPECT_EQ(pw->echoMode(), QLineEdit::Password);
  Child<QCheckBox>(window, "CheckHide")->click();
  EXPECT_EQ(pw->echoMode(), QLineEdit::Normal);
  EXPECT_FALSE(Child<QCheckBox>(window, "CheckRated")->isEnabled());
  EXPECT_FALSE(Child<QPushButton>(window, "ButtonSave")->isEnabled());
}

TEST_F(OnlineWindows, LogInSaveTheUserFileAndChooseARatedGame) {
  TFAcc1 window(Ui(), true);
  Child<QLineEdit>(window, "EditNick")->setText("Mira");
  Child<QLineEdit>(window, "EditPw")->setText("secret1");
  auto* login = Child<QPushButton>(window, "ButtonLogin");
  login->click();
  EXPECT_EQ(club.state(), AccountState::asLoggedIn);
  // Signing out is a button of its own; the log-in button gives way to it.
  auto* signOut = Child<QPushButton>(window, "ButtonSignOut");
  EXPECT_TRUE(login->isHidden());
  EXPECT_FALSE(signOut->isHidden());
  EXPECT_EQ(signOut->text(), WordText(kWordSignOut));
  EXPECT_TRUE(Child<QLineEdit>(window, "EditNick")->isReadOnly());
  EXPECT_EQ(Child<QLineEdit>(window, "EditCountry")->text(), "Russia");
  EXPECT_EQ(Child<QLabel>(window, "LabelMembers")->text(), "Club members: 57");
  EXPECT_EQ(Child<QLabel>(window, "ResultValue3")->text(), "12.500");
  EXPECT_EQ(Child<QLabel>(window, "ResultValue4")->text(), "2");
  EXPECT_EQ(Child<QLabel>(window, "LabelBalance")->text(), "40 Kovs");
  EXPECT_EQ(window.ProfileLines(false).at(2), "I play cards every evening");

  auto* save = Child<QPushButton>(window, "ButtonSave");
  auto* remove = Child<QPushButton>(window, "ButtonDelete");
  ASSERT_TRUE(save->isEnabled());
  EXPECT_FALSE(remove->isEnabled());
  save->click();
  const auto saved = online::ReadUserFile(install.path() / "KovUser.kov");
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->nick, "Mira");
  EXPECT_EQ(saved->pw, "secret1");
  EXPECT_FALSE(save->isEnabled());
  EXPECT_TRUE(remove->isEnabled());
  // Deleting asks first; No keeps the saved log-in.
  answer = false;
  remove->click();
  EXPECT_EQ(messages.back(),
            "Delete the saved log-in? The program will no longer log you in by itself at start.");
  EXPECT_TRUE(std::filesystem::exists(install.path() / "KovUser.kov"));
  EXPECT_TRUE(remove->isEnabled());
  answer = true;
  remove->click();
  EXPECT_FALSE(std::filesystem::exists(install.path() / "KovUser.kov"));
  EXPECT_TRUE(save->isEnabled());

  auto* rated = Child<QCheckBox>(window, "CheckRated");
  ASSERT_TRUE(rated->isEnabled());
  rated->click();
  EXPECT_EQ(club.state(), AccountState::asRated);
  rated->click();
  EXPECT_EQ(club.state(), AccountState::asLoggedIn);
  const std::size_t sent = server.requests.size();
  signOut->click();  // the server ends the session too
  EXPECT_EQ(club.state(), AccountState::asOffline);
  ASSERT_EQ(server.requests.size(), sent + 1);
  EXPECT_NE(server.requests.back().body.find("labellogout="), std::string::npos);
  EXPECT_NE(server.requests.back().body.find("nick=Mira"), std::string::npos);
  EXPECT_FALSE(rated->isEnabled());
  EXPECT_FALSE(login->isHidden());
  EXPECT_TRUE(signOut->isHidden());
}

TEST_F(OnlineWindows, ARefusedLogInAndADeadNetworkShowNoConnect) {
  server.logInReply = "no";
  TFAcc1 window(Ui(), false);
  Child<QLineEdit>(window, "EditNick")->setText("Mira");
  Child<QLineEdit>(window, "EditPw")->setText("wrong1");
  Child<QPushButton>(window, "ButtonLogin")->click();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Login failed!");
  EXPECT_EQ(club.state(), AccountState::asOffline);
  // A server with too many password checks waiting says so; that is no wrong password.
  server.busy = true;
  Child<QPushButton>(window, "ButtonLogin")->click();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1], "Server busy, try again");
  EXPECT_EQ(club.state(), AccountState::asOffline);
  server.busy = false;

  server.logInReply = testing::FakeClubServer().logInReply;
  LogIn();
  server.down = true;
  TFAcc1 dead(Ui(), false);
  EXPECT_FALSE(Child<QLabel>(dead, "LabelNoConnect2")->isHidden());
  EXPECT_FALSE(Child<QLabel>(dead, "LabelNoConnect3")->isHidden());
  EXPECT_EQ(Child<QLabel>(dead, "ResultValue1")->text(), "");
}

TEST_F(OnlineWindows, ThePresidentsLinesCopyOrOpen) {
  TFAcc1 window(Ui(), false);
  const QStringList lines = window.ProfileLines(true);
  EXPECT_EQ(lines.at(3), "+7 900 000");
  window.ClickPresidentLine(3);  // telephone: copied
  EXPECT_EQ(QApplication::clipboard()->text(), "+7 900 000");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Copied to clipboard!");
  window.ClickPresidentLine(6);  // web site: opened
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], QUrl("https://mira.example"));
}

TEST_F(OnlineWindows, TransfersAskFirstAndShowEachOutcome) {
  LogIn();
  TFAcc1 window(Ui(), false);
  auto* amount = Child<QLineEdit>(window, "EditAmount");
  auto* to = Child<QLineEdit>(window, "EditRecipient");
  auto* transfer = Child<QPushButton>(window, "ButtonTransfer");
  to->setText("Bob");
  amount->setText("50");
  transfer->click();
  EXPECT_EQ(messages.back(), "You do not have enough Kovs to transfer!");
  amount->setText("0");
  transfer->click();
  EXPECT_EQ(messages.back(), "I can not make an empty transfer!");
  amount->setText("10");
  answer = false;
  const std::size_t before = server.requests.size();
  transfer->click();
  EXPECT_EQ(messages.back(), "Do you really want to transfer to a club member \"Bob\" 10 Kovs?");
  EXPECT_EQ(server.requests.size(), before);
  answer = true;
  transfer->click();
  EXPECT_EQ(messages.back(), "Transfer is successful!");
  server.transferReply = "no";
  transfer->click();
  EXPECT_EQ(messages.back(), "There is no club member with that nick!");
  server.transferReply = "is";
  transfer->click();
  EXPECT_EQ(messages.back(), "You do not have enough Kovs to transfer!");
}

TEST_F(OnlineWindows, TheProfileEditorChecksThePhotoAndSavesTheTexts) {
  LogIn();
  TFAcc2 editor(Ui(), QImage());
  auto* update = Child<QPushButton>(editor, "ButtonUpdate");
  auto* photo = Child<QPushButton>(editor, "ButtonPhoto");
  EXPECT_FALSE(update->isEnabled());
  EXPECT_FALSE(photo->isEnabled());
  EXPECT_EQ(editor.Field(0)->text(), "Mira");
  EXPECT_EQ(editor.Field(2)->maxLength(), 50);
  QTest::keyClicks(editor.Field(3), "1");
  EXPECT_TRUE(update->isEnabled());
  update->click();
  EXPECT_FALSE(update->isEnabled());
  EXPECT_NE(server.requests.back().body.find("labelinforead=0"), std::string::npos);
  EXPECT_EQ(messages.back(), "Your profile has been saved!");

  const auto write = [this](const char* name, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QString path = QString::fromStdString((install.path() / name).string());
    EXPECT_TRUE(image.save(path, "JPEG"));
    return path;
  };
  EXPECT_FALSE(editor.TakePhotoFile(write("wide.jpg", QSize(250, 200))));
  EXPECT_EQ(messages.back(), "The photo must be in jpg format 200x250 pixels in size!");
  EXPECT_FALSE(editor.TakePhotoFile(write("photo.png", QSize(200, 250)).replace(".png", ".none")));
  EXPECT_TRUE(editor.TakePhotoFile(write("photo.jpg", QSize(200, 250))));
  EXPECT_TRUE(photo->isEnabled());
  photo->click();
  EXPECT_EQ(server.requests.back().url, "http://club/photos/Mira.jpg");
  EXPECT_FALSE(photo->isEnabled());
  EXPECT_EQ(messages.back(), "Your photo has been uploaded!");

  // With the club out of reach both say so; the typed text and the chosen photo stay for
  // another try.
  server.down = true;
  QTest::keyClicks(editor.Field(3), "2");
  const QString typed = editor.Field(3)->text();
  update->click();
  EXPECT_EQ(messages.back(), "Failed to save your profile!");
  EXPECT_TRUE(update->isEnabled());
  EXPECT_EQ(editor.Field(3)->text(), typed);
  EXPECT_TRUE(editor.TakePhotoFile(write("photo.jpg", QSize(200, 250))));
  photo->click();
  EXPECT_EQ(messages.back(), "Failed to upload photo to server!");
  EXPECT_TRUE(photo->isEnabled());
}

TEST_F(OnlineWindows, ThePassportTakesValidValuesAndWillNotCloseOnAnInvalidOne) {
  TFPassport passport(settings);
  auto* name = Child<QLineEdit>(passport, "EditName");
  name->setText(QStringLiteral("Иван"));
  EXPECT_EQ(settings.WttNick, "Иван");
  name->setText("I");
  EXPECT_EQ(settings.WttNick, "Иван");  // an invalid name is not taken over
  passport.show();
  passport.accept();
  EXPECT_TRUE(passport.isVisible());
  EXPECT_EQ(passport.focusWidget(), name);
  name->setText("Ivan");
  passport.accept();
  EXPECT_FALSE(passport.isVisible());
  EXPECT_EQ(settings.WttNick, "Ivan");
}

TEST_F(OnlineWindows, TheWorldTopTenShowsRowsSizeAndOwnRows) {
  TFWorldTop window(Ui(true), 3);
  const TopTenList* list = window.List();
  ASSERT_EQ(list->Rows().size(), 3u);  // the row of "#" is not shown
  EXPECT_EQ(list->Rows()[0].nick, "Mira");
  EXPECT_EQ(list->Rows()[0].where, "Omsk");
  EXPECT_FALSE(list->Rows()[0].flag.isNull());
  // Each row of a world table is a cycle filed: the count says cycles.
  EXPECT_EQ(list->Below().at(0), "Cycles in the table: 1234");
  EXPECT_EQ(list->Below().at(1), "2. Hans   180");
  EXPECT_EQ(window.Heading(), "WINDOWS. SCORE. GAMES IN CYCLE");
  Child<QPushButton>(window, "Button4")->click();
  EXPECT_EQ(list->Rows()[1].where, "Berlin, 1-016");
  EXPECT_TRUE(list->Rows()[1].flag.isNull());
  Child<QPushButton>(window, "Button1")->click();
  EXPECT_EQ(list->Rows()[0].value, "12.500");  // a decimal point in English, a comma in Russian
  UseLanguage(kRussian);
  Child<QPushButton>(window, "Button1")->click();
  EXPECT_EQ(list->Rows()[0].value, "12,500");
  UseLanguage(kEnglish);
  server.down = true;
  Child<QPushButton>(window, "Button2")->click();
  EXPECT_TRUE(list->NoConnectShown());

  TFWorldTop plain(Ui(false), 1);
  EXPECT_EQ(plain.TableShown(), 3);  // without the pack only the three world tables
  EXPECT_EQ(Child<QPushButton>(plain, "Button1"), nullptr);
  EXPECT_NE(Child<QPushButton>(plain, "ImageAndroid"), nullptr);
}

TEST_F(OnlineWindows, TheSubmissionSendsOnceWithALatinPassport) {
  TFWorldSend window(Ui(), 212);
  auto* send = Child<QPushButton>(window, "ButtonSend");
  ASSERT_TRUE(send->isEnabled());
  send->click();
  EXPECT_EQ(window.Place(), 3);
  EXPECT_EQ(Child<QLabel>(window, "LabelPlace")->text(), "Your place: 3");
  EXPECT_FALSE(send->isEnabled());
  EXPECT_EQ(server.requests.back().body,
            "gid=44&nick=Incognito&city=Moscow&country=1-001&score=212&R7=M&R8=5.7f&R9=#"
            "&R10=#*");

  settings.WttNick = "Иван";
  TFWorldSend cyrillic(Ui(), 212);
  EXPECT_FALSE(Child<QPushButton>(cyrillic, "ButtonSend")->isEnabled());

  settings.WttNick = "Incognito";
  server.submitReply = "no";
  TFWorldSend refused(Ui(), 212);
  Child<QPushButton>(refused, "ButtonSend")->click();
  EXPECT_EQ(messages.back(), "Unable to write the result of the game!");
  EXPECT_TRUE(Child<QPushButton>(refused, "ButtonSend")->isEnabled());
}

TEST_F(OnlineWindows, TheTournamentTopTenShowsThePlaceWithAMedal) {
  TFTourTop window(Ui(), [](char c) { return std::optional<std::string>(c == 's' ? "250" : "9"); });
  EXPECT_EQ(window.List()->Rows().size(), 2u);
  EXPECT_EQ(window.PlaceShown(), 2);
  EXPECT_EQ(Child<QLabel>(window, "LabelPlace")->text(), "Your place: 2");
  window.Choose('k');
  EXPECT_EQ(LastTournamentCriterion(), 'k');
  EXPECT_NE(server.requests.back().body.find("placek44=0&kon1=9"), std::string::npos);
}

// Screenshots of the account window, the profile editor, the World Top Ten window and the
// passport window in English, Russian and Japanese.
// Long texts of some languages must not be cut at the right edge of the account window.
TEST_F(OnlineWindows, TheAccountWindowsBoxesAndButtonsFitTheirTextsInEveryLanguage) {
  for (int language = 0; language < 10; ++language) {
    UseLanguage(language);
    TFAcc1 window(Ui(), true);
    window.Pages()->setCurrentIndex(0);
    window.show();
    for (const QCheckBox* box : window.findChildren<QCheckBox*>()) {
      const QWidget* page = box->parentWidget();
      const int text = QFontMetrics(box->font()).horizontalAdvance(box->text());
      EXPECT_LE(text + 24, box->width()) << language << " " << box->text().toStdString();
      EXPECT_LE(box->geometry().right(), page->width())
          << language << " " << box->text().toStdString();
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
      const int text = QFontMetrics(button->font()).horizontalAdvance(button->text());
      EXPECT_LE(text, button->width()) << language << " " << button->text().toStdString();
    }
  }
}

TEST_F(OnlineWindows, Screenshots) {
  LogIn();
  const struct {
    int language;
    const char* code;
  } languages[] = {{kEnglish, "en"}, {kRussian, "ru"}, {kJapanese, "ja"}};
  for (const auto& l : languages) {
    UseLanguage(l.language);
    settings.Language = l.language;
    const auto name = [&](const char* what) {
      return testing::ScreenshotPath(QStringLiteral("online_%1_%2.png").arg(what, l.code));
    };
    TFAcc1 account(Ui(), true);
    for (int tab = 0; tab < 6; ++tab) {
      account.Pages()->setCurrentIndex(tab);
      EXPECT_TRUE(account.grab().save(name(qPrintable(QStringLiteral("account%1").arg(tab + 1)))));
    }
    TFAcc2 editor(Ui(), QImage());
    EXPECT_TRUE(editor.grab().save(name("profile")));
    TFWorldTop world(Ui(true), 3);
    EXPECT_TRUE(world.grab().save(name("world")));
    TFWorldTop plain(Ui(false), 2);
    EXPECT_TRUE(plain.grab().save(name("world_nopack")));
    TFPassport passport(settings);
    EXPECT_TRUE(passport.grab().save(name("passport")));
    TFWorldSend send(Ui(), 212);
    EXPECT_TRUE(send.grab().save(name("submit")));
    TFTourTop tour(Ui(), nullptr);
    EXPECT_TRUE(tour.grab().save(name("tournament")));
  }
}

// The news window draws what the club's page says and nothing the page points at: neither a
// picture on the disk or the network nor a script; a link opens only when clicked.
TEST_F(OnlineWindows, TheNewsWindowShowsThePageTextAndLoadsNothingItNames) {
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::red);
  const QString local = QString::fromStdString((install.path() / "dot.png").string());
  ASSERT_TRUE(picture.save(local, "PNG"));
  const QUrl localUrl = QUrl::fromLocalFile(local);
  const QUrl remoteUrl("http://127.0.0.1:1/track.png");
  const QString page =
      "<html><head><script>document.write('SCRIPTED')</script></head><body><p>KovNews00007</p>"
      "<h2>7. Cup final</h2><p>Come and play <a href=\"/zendral/rules.html\">rules</a></p>"
      "<img src=\"" +
      localUrl.toString() + "\"><img src=\"" + remoteUrl.toString() + "\"></body></html>";
  TFNews window(Ui(), page, QUrl("http://club/news/index.html"));
  const QString text = window.View()->toPlainText();
  EXPECT_TRUE(text.contains("7. Cup final")) << text.toStdString();
  EXPECT_TRUE(text.contains("Come and play rules"));
  EXPECT_FALSE(text.contains("SCRIPTED"));
  EXPECT_FALSE(text.contains("KovNews"));
  QTextDocument* document = window.View()->document();
  EXPECT_FALSE(document->resource(QTextDocument::ImageResource, localUrl).isValid());
  EXPECT_FALSE(document->resource(QTextDocument::ImageResource, remoteUrl).isValid());
  EXPECT_TRUE(opened.empty());
  Q_EMIT window.View()->anchorClicked(QUrl("/zendral/rules.html"));
  Q_EMIT window.View()->anchorClicked(QUrl("file:///etc/passwd"));
  ASSERT_EQ(opened.size(), 1u) << "only web addresses open";
  EXPECT_EQ(opened.front(), QUrl("http://club/zendral/rules.html"));
}

}  // namespace
}  // namespace zendral
