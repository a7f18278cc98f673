// The main menu's ornaments in the running window: the animated pictures, the decorations' lamps
// on the menu's ticks, the two clocks of the large windows, the left icon column's clicks and
// balloons; and screenshots of the menu at three sizes in English and Japanese.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QRegularExpression>
#include <QScreen>

#include "AppFixture.h"
#include "LoopbackHttpServer.h"
#include "app/calendar/CalendarView.h"
#include "app/main/MainMenuWidget.h"
#include "app/main/MenuDecorations.h"
#include "app/main/MenuGeometry.h"
#include "app/radio/MediaButtons.h"
#include "online/ServiceAddresses.h"
#include "present/packs/PackNames.h"
#include "present/words/WordRows.h"
#include "present/words/Words.h"

namespace zendral {
namespace {

using testing::AppTest;

class MainMenuParts : public AppTest {
 protected:
  void TearDown() override { UseLanguage(kEnglish); }

  // The window at a size, past the intro, in a language.
  void OpenAt(int windowSize, int language = kEnglish) {
    Settings settings;
    settings.WindowSize = windowSize;
    settings.Language = language;
    ASSERT_TRUE(SaveSettings(folder.path() / kSettingsFileName, settings));
    ASSERT_TRUE(Open());
    ASSERT_TRUE(form->MenuShown());
  }
  MenuDecorations& Parts() { return *form->Menu()->Decorations(); }
  static QRect Rect(const PixelRect& r) { return QRect(r.left, r.top, r.width, r.height); }
};

TEST_F(MainMenuParts, TheSmallMenuPlacesItsPicturesAndIconsWithoutClocks) {
  OpenAt(kSmallWindow);
  MenuDecorations& parts = Parts();
  EXPECT_EQ(parts.Gif(1)->geometry(), QRect(7, 290, 160, 200));
  EXPECT_EQ(parts.Gif(2)->geometry(), QRect(592, 290, 160, 200));
  // Without the calendar pack the decorations keep their inner places.
  EXPECT_EQ(parts.Decoration(false)->geometry(), QRect(60, 30, 100, 200));
  EXPECT_EQ(parts.Decoration(true)->geometry(), QRect(600, 30, 100, 200));
  for (QWidget* w : std::initializer_list<QWidget*>{
           parts.Gif(1), parts.Gif(2), parts.Decoration(false), parts.Decoration(true)}) {
    EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
  }
  EXPECT_FALSE(parts.TimeClock()->isVisible());
  EXPECT_FALSE(parts.IndicatorClock()->isVisible());
  EXPECT_EQ(parts.AndroidIcon()->geometry(), QRect(5, 58, 48, 48));
  EXPECT_EQ(parts.HelpIcon()->geometry(), QRect(5, 111, 48, 48));
  EXPECT_EQ(parts.TournamentIcon()->geometry(), QRect(5, 164, 48, 48));
  // The store icon needs a larger window and an address.
  parts.SetEditionAddresses("", "http://127.0.0.1:9/store");
  EXPECT_FALSE(parts.StoreIcon()->isVisible());
  // The buttons stay above the ornaments that touch them.
  const QPoint topTen = form->Menu()->findChild<QWidget*>("Button9")->geometry().center();
  EXPECT_EQ(form->Menu()->childAt(topTen)->objectName(), "Button9");
}

TEST_F(MainMenuParts, TheLampsMoveOnTheMenuTicksAndRepeatEverySix) {
  OpenAt(kSmallWindow);
  MenuDecorations& parts = Parts();
  const int start = parts.LampPhase();
  for (int tick = 0; tick < 6; ++tick) {
    const int phase = parts.LampPhase();
    Tick();
    const LampPictures lamps = LampsAtPhase(phase);
    EXPECT_EQ(parts.Decoration(false)->Lamps(), lamps.left) << tick;
    EXPECT_EQ(parts.Decoration(true)->Lamps(), lamps.right) << tick;
    EXPECT_EQ(parts.LampPhase(), NextLampPhase(phase));
  }
  EXPECT_EQ(parts.LampPhase(), start);
}

TEST_F(MainMenuParts, TheGifPicturesStandStillOnFramesZeroAndFourWithoutAnimation) {
  OpenAt(kSmallWindow);
  MenuDecorations& parts = Parts();
  EXPECT_TRUE(parts.Gif(1)->Running());
  EXPECT_TRUE(parts.Gif(2)->Running());
  // Running pictures turn their frames by themselves.
  QElapsedTimer waited;
  waited.start();
  while (parts.Gif(1)->Frame() == 0 && waited.elapsed() < 3000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  EXPECT_NE(parts.Gif(1)->Frame(), 0);
  form->CurrentSettings().GifAnimation = false;
  form->ShowMainMenuScreen();
  EXPECT_FALSE(parts.Gif(1)->Running());
  EXPECT_FALSE(parts.Gif(2)->Running());
  EXPECT_EQ(parts.Gif(1)->Frame(), 0);
  EXPECT_EQ(parts.Gif(2)->Frame(), 4);
  // The frames differ from each other, so a still picture shows which one it is.
  const auto frames = PaintMenuGif(2);
  ASSERT_EQ(frames.size(), static_cast<std::size_t>(kMenuGifFrames));
  EXPECT_NE(frames[0], frames[4]);
}

TEST_F(MainMenuParts, TheLargeWindowShowsTheTimeAndTheIndicator) {
  OpenAt(kLargeWindow);
  MenuDecorations& parts = Parts();
  MenuDecorations::Now now{13, 9, 0, 700};
  parts.SetClock([&now] { return now; });
  form->ShowMainMenuScreen();
  ASSERT_TRUE(parts.TimeClock()->isVisible());
  ASSERT_TRUE(parts.IndicatorClock()->isVisible());
  EXPECT_EQ(parts.TimeClock()->geometry(), QRect(163, 369, 115, 64));
  EXPECT_EQ(parts.IndicatorClock()->geometry(), QRect(1243, 369, 115, 64));
  // The separator blinks with the second's milliseconds.
  Tick();
  EXPECT_TRUE(parts.TimeClock()->SeparatorShown());
  now.millisecond = 300;
  Tick();
  EXPECT_FALSE(parts.TimeClock()->SeparatorShown());
  // Nothing read yet: "00". Then the statistics' numbers, value (9 mod 7) + 1 = 3 at first.
  EXPECT_EQ(parts.IndicatorClock()->Number(), "00");
  TIndicatorData data;
  data.pcWins = 300;
  data.pcLosses = 100;
  data.gamesWithPc = 123456;
  parts.SetIndicatorData(data);
  EXPECT_EQ(parts.IndicatorClock()->Number(),
            QString::fromStdString(IndicatorText(3, data, kEnglish).number));
  // At second 01 of minute 14 the indicator turns to value (14 mod 7) + 1 = 1: the per cent.
  now = {13, 14, 1, 100};
  Tick();
  EXPECT_EQ(parts.IndicatorClock()->Number(),
            QString::fromStdString(IndicatorText(1, data, kEnglish).number));
  EXPECT_EQ(parts.IndicatorClock()->Number(), "25");
}

TEST_F(MainMenuParts, TheIconsOpenTheHelpPageTheTournamentAndTheAndroidEdition) {
  OpenAt(kAverageWindow1);
  MenuDecorations& parts = Parts();
  EXPECT_FALSE(parts.TimeClock()->isVisible());
  EXPECT_FALSE(parts.StoreIcon()->isVisible());

  QTest::mouseClick(parts.HelpIcon(), Qt::LeftButton);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened.back().toString(), QString::fromStdString(online::ServiceBase()) + "/zendral/");
  EXPECT_EQ(sounds.back(), "WOpenFo");

  // No package named by the server: the message, nothing opened.
  QTest::mouseClick(parts.AndroidIcon(), Qt::LeftButton);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages.back(), "\"Zendral\" in Apk is temporarily unavailable!");
  EXPECT_EQ(opened.size(), 1u);
  parts.SetEditionAddresses("", "http://127.0.0.1:9/store");

  // The store icon appears at this size once its address is known.
  EXPECT_TRUE(parts.StoreIcon()->isVisible());
  EXPECT_EQ(parts.StoreIcon()->geometry(), QRect(5, 217, 48, 48));
  QTest::mouseClick(parts.StoreIcon(), Qt::LeftButton);
  EXPECT_EQ(opened.back().toString(), "http://127.0.0.1:9/store");

  EXPECT_EQ(opened.size(), 2u);
  // The tournament wants an account.
  QTest::mouseClick(parts.TournamentIcon(), Qt::LeftButton);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages.back(), "Log in to your account!");
}

TEST_F(MainMenuParts, TheAndroidPackageIsSavedWhereThePlayerSays) {
  online::LoopbackHttpServer server([](const std::string& request, int socket) {
    online::LoopbackHttpServer::Write(
        socket, request.rfind("GET /files/Zendral.apk ", 0) == 0
                    ? online::LoopbackHttpServer::Reply("PK-apk-bytes")
                    : online::LoopbackHttpServer::Reply("gone", "404 Not Found"));
  });
  OpenAt(kSmallWindow);
  MenuDecorations& parts = Parts();
  const std::filesystem::path saved = folder.path() / "saved.apk";
  QString proposed;
  QStringList filters;
  const auto saveAs = [&](const std::filesystem::path& target) {
    return [&, target](QDialog& dialog) {
      auto* save = qobject_cast<QFileDialog*>(&dialog);
      EXPECT_NE(save, nullptr);
      if (save == nullptr) return 0;
      proposed = save->selectedFiles().value(0);
      filters = save->nameFilters();
      save->selectFile(QString::fromStdString(target.string()));
      return static_cast<int>(QDialog::Accepted);
    };
  };
  parts.SetEditionAddresses(server.base() + "/files/Zendral.apk", "");
  responders.push_back(saveAs(saved));
  QTest::mouseClick(parts.AndroidIcon(), Qt::LeftButton);
  EXPECT_EQ(proposed, QString::fromStdString((folder.path() / "Zendral.apk").string()));
  EXPECT_EQ(filters, QStringList{"*.apk"});
  EXPECT_EQ(folder.Read("saved.apk"), "PK-apk-bytes");
  EXPECT_EQ(sounds.back(), "WToMenK");

  // A package the server does not have: the failure sound and no file.
  parts.SetEditionAddresses(server.base() + "/files/Old.apk", "");
  responders.push_back(saveAs(folder.path() / "old.apk"));
  QTest::mouseClick(parts.AndroidIcon(), Qt::LeftButton);
  EXPECT_EQ(sounds.back(), "WWrongs");
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "old.apk"));
  // Cancelling the dialog fetches nothing.
  const auto requests = server.requests().size();
  responders.push_back([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
  QTest::mouseClick(parts.AndroidIcon(), Qt::LeftButton);
  EXPECT_EQ(server.requests().size(), requests);
  EXPECT_TRUE(messages.empty());
}

TEST_F(MainMenuParts, TheBalloonsSpeakTheMenuLanguage) {
  OpenAt(kSmallWindow, kJapanese);
  MenuDecorations& parts = Parts();
  const struct {
    QPushButton* icon;
    QString title;
    QString text;
  } balloons[] = {
      {parts.HelpIcon(), QString::fromUtf8("ヘルプ"), QString::fromUtf8("Online-ヘルプ")},
      {parts.AndroidIcon(), QString::fromStdString(std::string(Word(kWordDownload))),
       "\"Zendral.apk\""},
      {parts.TournamentIcon(), QString::fromStdString(std::string(Word(kWordOnlineTournament))),
       QString::fromStdString(std::string(Word(kWordTakePlace)))},
  };
  for (const auto& b : balloons) {
    const auto [title, text] = parts.Balloon(b.icon);
    EXPECT_EQ(title, b.title) << b.icon->objectName().toStdString();
    EXPECT_EQ(text, b.text) << b.icon->objectName().toStdString();
    EXPECT_NE(title, QString::fromStdString(std::string(Word(kWordHelp, kEnglish))));
  }
  // Pointing at an icon shows its balloon below it; leaving the icon closes it.
  MenuBalloon& balloon = *parts.BalloonWidget();
  QEvent enter(QEvent::Enter);
  QCoreApplication::sendEvent(parts.HelpIcon(), &enter);
  ASSERT_TRUE(balloon.isVisible());
  EXPECT_EQ(balloon.Title(), QString::fromUtf8("ヘルプ"));
  EXPECT_EQ(balloon.Text(), QString::fromUtf8("Online-ヘルプ"));
  EXPECT_GT(balloon.y(), parts.HelpIcon()->geometry().bottom());
  EXPECT_TRUE(form->rect().contains(balloon.geometry()));
  QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
  EXPECT_TRUE(form->grab().save(ZENDRAL_SCREENSHOT_DIR "/menu-parts-balloon-ja.png"));
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(parts.HelpIcon(), &leave);
  EXPECT_FALSE(balloon.isVisible());
}

// The right column's balloons come from the word tables: in Russian and Japanese not one Latin
// letter is left of the English headings ("World Top 10", "Windows / Android / Account").
TEST_F(MainMenuParts, TheRightColumnBalloonsHaveNoEnglishInRussianOrJapanese) {
  for (const int language : {kRussian, kJapanese}) {
    SCOPED_TRACE(language);
    OpenAt(kSmallWindow, language);
    MainMenuWidget& menu = *form->Menu();
    for (QPushButton* icon : {menu.WorldIcon(), menu.StatsIcon(), menu.DailyIcon(),
                              menu.AdvertisingIcon(), menu.SupportIcon()}) {
      const auto [title, text] = menu.Balloon(icon);
      const std::string name = icon->objectName().toStdString();
      EXPECT_FALSE(title.isEmpty()) << name;
      EXPECT_FALSE(text.isEmpty()) << name;
      for (const QString& shown : {title, text}) {
        EXPECT_FALSE(shown.contains(QRegularExpression("[A-Za-z]")))
            << name << ": " << shown.toStdString();
      }
    }
    // The balloon shown on the world icon is the same text.
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(menu.WorldIcon(), &enter);
    ASSERT_TRUE(menu.IconBalloon()->isVisible());
    EXPECT_EQ(menu.IconBalloon()->Title(), menu.Balloon(menu.WorldIcon()).first);
    EXPECT_FALSE(menu.IconBalloon()->Text().contains("Windows"));
    form.reset();
  }
}

// Every icon's balloon stays inside the window at every size, also for the icons near the
// bottom edge (the news and the chat), where it opens above the icon.
TEST_F(MainMenuParts, EveryBalloonStaysInsideTheWindowAtEverySize) {
  for (int size = kSmallWindow; size <= kLargeWindow; ++size) {
    SCOPED_TRACE(size);
    OpenAt(size, kRussian);
    // The balloons by their name: the class has no meta-object of its own to find it by.
    std::vector<MenuBalloon*> balloons;
    for (QWidget* w : form->findChildren<QWidget*>("MenuBalloon")) {
      if (auto* balloon = dynamic_cast<MenuBalloon*>(w)) balloons.push_back(balloon);
    }
    ASSERT_EQ(balloons.size(), 2u);
    int shown = 0;
    bool aboveAnIcon = false;
    for (QPushButton* icon : form->findChildren<QPushButton*>()) {
      if (!icon->isVisibleTo(form.get())) continue;
      for (MenuBalloon* balloon : balloons) balloon->hide();
      QEvent enter(QEvent::Enter);
      QCoreApplication::sendEvent(icon, &enter);
      for (const MenuBalloon* balloon : balloons) {
        if (!balloon->isVisible()) continue;
        ++shown;
        const QRect onForm(balloon->mapTo(form.get(), QPoint(0, 0)), balloon->size());
        EXPECT_TRUE(form->rect().contains(onForm))
            << icon->objectName().toStdString() << " " << onForm.x() << "," << onForm.y() << " "
            << onForm.width() << "x" << onForm.height();
        const QRect iconOnForm(icon->mapTo(form.get(), QPoint(0, 0)), icon->size());
        EXPECT_FALSE(onForm.intersects(iconOnForm)) << icon->objectName().toStdString();
        if (!balloon->BelowIcon() && !aboveAnIcon) {
          QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
          form->grab().save(
              QString(ZENDRAL_SCREENSHOT_DIR "/menu-balloon-above-size%1.png").arg(size));
        }
        aboveAnIcon = aboveAnIcon || !balloon->BelowIcon();
      }
      QEvent leave(QEvent::Leave);
      QCoreApplication::sendEvent(icon, &leave);
    }
    EXPECT_GE(shown, 7);
    if (size == kLargeWindow) {
      EXPECT_TRUE(aboveAnIcon);
    }
  }
}

// Every element of the menu that shows, in the window's coordinates, by its name.
std::vector<std::pair<QString, QRect>> ShownElements(QWidget& form, QWidget& menu) {
  std::vector<std::pair<QString, QRect>> shown;
  for (QWidget* parent : {&form, &menu}) {
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (w == &menu || !w->isVisibleTo(&form) || w->objectName() == "MenuBalloon") continue;
      shown.emplace_back(w->objectName(), QRect(w->mapTo(&form, QPoint(0, 0)), w->size()));
    }
  }
  return shown;
}

// The elements that may overlap: a siren over its icon; the side decorations whose fixed
// places touch the buttons below them and, pushed outwards by the calendar, the icon columns.
bool MayOverlap(const QString& a, const QString& b) {
  const auto pair = [&](const QString& x, const QString& y) {
    return (a == x && b.startsWith(y)) || (b == x && a.startsWith(y));
  };
  return pair("GSirenaR", "ImChat") || pair("GSirenaB", "ImNews") ||
         pair("ImageSvLeft", "Button9") || pair("ImageSvRight", "Button10") ||
         pair("ImageSvLeft", "ImageAdvL") || pair("ImageSvLeft", "ImHp") ||
         pair("ImageSvLeft", "ImTR") || pair("ImageSvRight", "ImageAdvR") ||
         pair("ImageSvRight", "ImAc");
}

// The radio icon at every window size: shown wherever the menu has room for it, inside the
// window and over nothing else; the small window has no room (the pop-up menu reaches the
// radio there).
TEST_F(MainMenuParts, TheRadioStandsOnTheMenuWhereverItFits) {
  for (int size = kSmallWindow; size <= kLargeWindow; ++size) {
    SCOPED_TRACE(size);
    OpenAt(size);
    auto* radio = form->findChild<QWidget*>("ImRadio");
    ASSERT_NE(radio, nullptr);
    const ClientSize client{form->Menu()->width(), form->Menu()->height()};
    const TableScale scale = ScaleFor(size, client);
    const MenuLayout& menu = form->Menu()->Layout();
    const QSize full = radioui::RadioIconWidget::ContentBox().size();
    const MediaPlaces places = PlaceMedia(menu, PlaceOrnaments(scale, menu, false, client), client,
                                          full.width(), full.height());
    EXPECT_EQ(radio->isVisibleTo(form.get()), places.radioShown);
    if (size != kFullScreen) {
      EXPECT_EQ(places.radioShown, size != kSmallWindow);
    }
    if (!places.radioShown) continue;
    EXPECT_EQ(radio->geometry(), Rect(places.radio));
    EXPECT_TRUE(form->rect().contains(radio->geometry()));
    for (const auto& [name, rect] : ShownElements(*form, *form->Menu())) {
      if (name == "ImRadio") continue;
      EXPECT_FALSE(rect.intersects(radio->geometry())) << name.toStdString();
    }
    // A click on the radio's picture reaches the radio.
    EXPECT_EQ(form->childAt(radio->geometry().center()), radio);
    QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
    form->grab().save(QString(ZENDRAL_SCREENSHOT_DIR "/menu-radio-size%1.png").arg(size));
  }
}

TEST_F(MainMenuParts, ScreenshotsInBothDesignsWithAndWithoutTheCalendar) {
  for (const int design : {0, 1}) {
    for (const bool calendar : {false, true}) {
      for (const int language : {kEnglish, kJapanese}) {
        for (const int size : {kSmallWindow, kAverageWindow1, kLargeWindow}) {
          const QString name = QString("menu-parts-size%1-%2-%3%4.png")
                                   .arg(size)
                                   .arg(language == kEnglish ? "en" : "ja")
                                   .arg(design == 0 ? "custom" : "purple")
                                   .arg(calendar ? "-calendar" : "");
          SCOPED_TRACE(name.toStdString());
          testing::ProgramFolder place;
          Settings settings;
          settings.WindowSize = size;
          settings.Language = language;
          settings.MainMenuDesign = design;
          settings.NewButtons = language == kJapanese;  // both drawing styles in both designs
          ASSERT_TRUE(SaveSettings(place.path() / kSettingsFileName, settings));
          // The purple design needs the graphics pack.
          for (const std::string_view pack : {kPackCalendar, kPackGraphics}) {
            if ((pack == kPackCalendar && calendar) || (pack == kPackGraphics && design == 1)) {
              std::filesystem::create_symlink(
                  std::filesystem::path(ZENDRAL_TEST_PACKS) / std::string(pack),
                  place.path() / std::string(pack));
            }
          }
          ASSERT_TRUE(OpenIn(place.path()));
          Parts().SetClock([] { return MenuDecorations::Now{10, 42, 5, 800}; });
          form->ShowMainMenuScreen();
          for (int tick = 0; tick < 3; ++tick) Tick();
          ASSERT_NE(form->Calendar(), nullptr);
          EXPECT_EQ(form->Calendar()->IsShown(), calendar);
          EXPECT_EQ(form->CurrentSettings().MainMenuDesign, design);
          QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
          EXPECT_TRUE(form->grab().save(QStringLiteral(ZENDRAL_SCREENSHOT_DIR "/") + name));
          // Everything stands inside the window, and nothing covers anything else.
          const auto shown = ShownElements(*form, *form->Menu());
          EXPECT_GE(shown.size(), 25u);
          for (std::size_t i = 0; i < shown.size(); ++i) {
            const auto& [a, ra] = shown[i];
            EXPECT_TRUE(form->rect().contains(ra)) << a.toStdString();
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
              const auto& [b, rb] = shown[j];
              if (ra.intersects(rb) && !MayOverlap(a, b)) {
                ADD_FAILURE() << a.toStdString() << " overlaps " << b.toStdString();
              }
            }
          }
          // The buttons take the clicks on their whole face, also where an ornament's box
          // reaches over them.
          for (const char* button : {"Button9", "Button10", "BHistory", "BMode", "Button11"}) {
            auto* b = form->Menu()->findChild<QWidget*>(button);
            for (const QPoint at : {b->rect().center(), QPoint(b->width() / 2, b->height() - 2),
                                    QPoint(b->width() / 2, 1)}) {
              QWidget* hit = form->childAt(b->mapTo(form.get(), at));
              EXPECT_EQ(hit, b) << button
                                << (hit ? " under " + hit->objectName().toStdString()
                                        : std::string(" not found"));
            }
          }
          form.reset();
        }
      }
    }
  }
}

}  // namespace
}  // namespace zendral
