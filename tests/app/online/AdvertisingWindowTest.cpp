// The red and the green gift of the main menu with the real companion server: the advertising
// window with four of the games of the server's directory, their pictures and their links, or
// "No Connect"; the support window; screenshots of both and of the menu for people to look at.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <set>

#include "AppFixture.h"
#include "ServerProgramFixture.h"
#include "app/main/MainMenuWidget.h"
#include "app/main/MenuDecorations.h"
#include "app/online/OnlineLink.h"
#include "app/online/TFormAdv.h"
#include "app/online/TFormThank.h"
#include "app/windows/WindowHeader.h"

namespace zendral {
namespace {

QString Shot(const QString& name) {
  QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
  return QString(ZENDRAL_SCREENSHOT_DIR "/") + name;
}

class AdvertisingProgram : public testing::ServerProgramTest {
 protected:
  void TearDown() override { QFile::remove(DataFile("adv.txt")); }

  static QString DataFile(const QString& name) {
    return QDir(QString::fromStdString(server_->folder().path().string())).filePath(name);
  }
  // A directory of `count` games; the pictures of the odd ones are served, the even ones' are
  // missing on the server.
  static void WriteDirectory(int count) {
    QDir(QString::fromStdString(server_->folder().path().string())).mkpath("photos");
    QString text = QString("SecAdv0000=%1##").arg(count, 3, 10, QChar('0'));
    const QString base = QString::fromStdString(server_->base());
    for (int n = 1; n <= count; ++n) {
      const QString key = QString("SecAdv%1").arg(n, 3, 10, QChar('0'));
      if (n % 2 == 1) {
        QImage picture(160, 80, QImage::Format_RGB32);
        picture.fill(QColor(40 * n % 256, 120, 200));
        ASSERT_TRUE(picture.save(DataFile(QString("photos/adv%1.png").arg(n))));
      }
      text += key + "I=" + base + QString("/photos/adv%1.png##").arg(n);
      text += key + "N=" + QString("Game number %1##").arg(n);
      text += key + "L=" + base + QString("/zendral/?game=%1##").arg(n);
    }
    QFile file(DataFile("adv.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
  }
  void OpenAt(int windowSize) {
    Settings settings;
    settings.WindowSize = windowSize;
    ASSERT_TRUE(SaveSettings(folder.path() / kSettingsFileName, settings));
    ASSERT_TRUE(Open());
    ASSERT_TRUE(form->MenuShown());
  }
};

TEST_F(AdvertisingProgram, TheRedGiftShowsFourDistinctGamesAndOpensTheirLinks) {
  WriteDirectory(6);
  OpenAt(kSmallWindow);
  std::vector<std::string> names, links;
  std::vector<bool> pictures;
  QString title;
  bool shown = false;
  responders.push_back([&](QDialog& dialog) {
    auto* window = dynamic_cast<TFormAdv*>(&dialog);
    if (window == nullptr) return static_cast<int>(QDialog::Rejected);
    title = window->windowTitle();
    for (int i = 0; i < online::kAdvertisingShown; ++i) {
      EXPECT_NE(window->Entry(i), nullptr);
      if (window->Entry(i) == nullptr) continue;
      names.push_back(window->NameField(i)->text().toStdString());
      links.push_back(window->Entry(i)->link);
      pictures.push_back(window->PictureShown(i));
      EXPECT_EQ(window->Entry(i)->name, names.back());
    }
    window->grab().save(Shot("adv-window.png"));
    // A click on the name of the third game and on the picture of the first.
    QTest::mouseClick(window->NameField(2), Qt::LeftButton);
    QTest::mouseClick(window->PictureField(0), Qt::LeftButton);
    shown = true;
    return static_cast<int>(QDialog::Accepted);
  });
  sounds.clear();
  QTest::mouseClick(form->Menu()->AdvertisingIcon(), Qt::LeftButton);
  ASSERT_TRUE(shown);
  EXPECT_EQ(title, "Advertising");
  ASSERT_EQ(names.size(), 4u);
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 4u);
  for (std::size_t i = 0; i < names.size(); ++i) {
    const int n = std::stoi(names[i].substr(std::string("Game number ").size()));
    EXPECT_GE(n, 1);
    EXPECT_LE(n, 6);
    EXPECT_EQ(links[i], server_->base() + "/zendral/?game=" + std::to_string(n));
    EXPECT_EQ(pictures[i], n % 2 == 1) << names[i];  // the missing pictures leave the name alone
  }
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0].toString().toStdString(), links[2]);
  EXPECT_EQ(opened[1].toString().toStdString(), links[0]);
  EXPECT_NE(std::find(sounds.begin(), sounds.end(), "WOpenFo"), sounds.end());
}

TEST_F(AdvertisingProgram, NoConnectWhenTheDirectoryIsShortEmptyOrUnreachable) {
  struct Case {
    const char* what;
    int count;  // -1: no directory file (the server's empty one)
    bool deadServer;
  } cases[] = {{"three games", 3, false}, {"no directory", -1, false}, {"dead server", 6, true}};
  OpenAt(kSmallWindow);
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    QFile::remove(DataFile("adv.txt"));
    if (k.count >= 0) WriteDirectory(k.count);
    form->Online()->Club().addresses().advertising =
        k.deadServer ? "http://127.0.0.1:1/services/adv.txt"
                     : online::AddressesUnder(server_->base()).advertising;
    std::vector<QString> fields;
    bool connected = true;
    responders.push_back([&](QDialog& dialog) {
      if (auto* window = dynamic_cast<TFormAdv*>(&dialog)) {
        connected = window->Connected();
        for (int i = 0; i < online::kAdvertisingShown; ++i) {
          fields.push_back(window->NameField(i)->text());
          EXPECT_FALSE(window->OpenEntry(i));
          QTest::mouseClick(window->NameField(i), Qt::LeftButton);
        }
        if (k.deadServer) window->grab().save(Shot("adv-window-noconnect.png"));
      }
      return static_cast<int>(QDialog::Accepted);
    });
    const std::size_t openedBefore = opened.size();
    QTest::mouseClick(form->Menu()->AdvertisingIcon(), Qt::LeftButton);
    EXPECT_FALSE(connected);
    EXPECT_EQ(fields, std::vector<QString>(4, "No Connect"));
    EXPECT_EQ(opened.size(), openedBefore);
  }
}

TEST_F(AdvertisingProgram, TheGreenGiftOpensTheSupportWindow) {
  OpenAt(kSmallWindow);
  QString title, line1, line2, support;
  bool closes = false;
  responders.push_back([&](QDialog& dialog) {
    if (auto* window = dynamic_cast<TFormThank*>(&dialog)) {
      title = window->windowTitle();
      line1 = window->Line1()->text();
      line2 = window->Line2()->text();
      support = window->SupportLabel()->text();
      window->show();
      window->grab().save(Shot("support-window.png"));
      QTest::mouseClick(window->CloseButton(), Qt::LeftButton);
      closes = window->result() == QDialog::Accepted && !window->isVisible();
    }
    return static_cast<int>(QDialog::Accepted);
  });
  sounds.clear();
  QTest::mouseClick(form->Menu()->SupportIcon(), Qt::LeftButton);
  EXPECT_EQ(title, "Support");
  EXPECT_EQ(line1, "We have been working on this game for a long time");
  EXPECT_EQ(line2, "and we will be happy to get the financial support!");
  EXPECT_EQ(support, "Support us!");
  EXPECT_TRUE(closes);
  EXPECT_NE(std::find(sounds.begin(), sounds.end(), "WOpenFo"), sounds.end());
}

TEST_F(AdvertisingProgram, TheGiftsStandInTheFirstRowsWithoutOverlappingAnIcon) {
  for (const int size : {kSmallWindow, kLargeWindow}) {
    SCOPED_TRACE(size);
    testing::ProgramFolder place;
    Settings settings;
    settings.WindowSize = size;
    ASSERT_TRUE(SaveSettings(place.path() / kSettingsFileName, settings));
    ASSERT_TRUE(OpenIn(place.path()));
    MainMenuWidget* menu = form->Menu();
    const QRect left = menu->AdvertisingIcon()->geometry();
    const QRect right = menu->SupportIcon()->geometry();
    EXPECT_EQ(left.topLeft(), QPoint(5, 5));
    EXPECT_EQ(right.topLeft(), QPoint(menu->width() - 53, 5));
    EXPECT_TRUE(menu->AdvertisingIcon()->isVisible());
    EXPECT_TRUE(menu->SupportIcon()->isVisible());
    // No two icons of the menu share a pixel, and all stand inside the menu.
    std::vector<QWidget*> icons;
    for (QPushButton* b : menu->findChildren<QPushButton*>()) {
      if (b->isVisible() && b->size() == QSize(48, 48)) icons.push_back(b);
    }
    EXPECT_GE(icons.size(), 8u);
    // Nor does an icon cover one of the menu's buttons (the sirens sit on their icons).
    for (QPushButton* b : menu->findChildren<QPushButton*>()) {
      if (!b->isVisible() || b->size() == QSize(48, 48) || b->objectName().startsWith("GSirena")) {
        continue;
      }
      for (const QWidget* icon : icons) {
        EXPECT_FALSE(icon->geometry().intersects(b->geometry()))
            << icon->objectName().toStdString() << " " << b->objectName().toStdString();
      }
    }
    for (std::size_t i = 0; i < icons.size(); ++i) {
      EXPECT_TRUE(menu->rect().contains(icons[i]->geometry()))
          << icons[i]->objectName().toStdString();
      for (std::size_t j = i + 1; j < icons.size(); ++j) {
        EXPECT_FALSE(icons[i]->geometry().intersects(icons[j]->geometry()))
            << icons[i]->objectName().toStdString() << " " << icons[j]->objectName().toStdString();
      }
    }
    form->grab().save(Shot(QString("adv-menu-size%1.png").arg(size)));
    // The balloon of the red gift.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(menu->AdvertisingIcon(), &enter);
    // The balloon class has no meta-object of its own: look among all the menu's widgets.
    bool found = false;
    for (QWidget* w : menu->findChildren<QWidget*>()) {
      const auto* b = dynamic_cast<const MenuBalloon*>(w);
      if (b != nullptr && b->isVisible() && b->Title() == "More games!" &&
          b->Text() == "Play our other games")
        found = true;
    }
    EXPECT_TRUE(found);
    if (size == kSmallWindow) form->grab().save(Shot("adv-menu-balloon.png"));
  }
}

}  // namespace
}  // namespace zendral
