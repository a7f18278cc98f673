// The program with and without the resource packs: with none it starts as it always did; with
// packs beside it the chosen deck, back design, background and the purple menu are drawn (the
// screenshots land in screenshots/ for people to look at); a missing pack sets its choice back
// with a message naming it; the Options window downloads a pack from the companion server.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "AppFixture.h"
#include "CompanionServer.h"
#include "app/calendar/CalendarView.h"
#include "app/main/MainMenuWidget.h"
#include "app/main/ProgramOptions.h"
#include "app/windows/TFormOptions.h"
#include "app/windows/WindowHeader.h"
#include "present/draw/TableArt.h"
#include "present/packs/PackNames.h"
#include "present/words/WordRows.h"
#include "present/words/Words.h"

namespace zendral {
namespace {

using testing::AppTest;

class PackProgram : public AppTest {
 protected:
  static QString Shot(const QString& name) {
    QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
    return QStringLiteral(ZENDRAL_SCREENSHOT_DIR "/") + name;
  }
  // The program in a folder of its own (so that downloads land in the test's folder, its
  // parent), its service base the companion server, which offers one of the test packs.
  void OpenBesideAServerOffering(const online::CompanionServer& server, const char* pack) {
    std::filesystem::create_directories(server.folder().path() / "packs");
    std::filesystem::copy_file(std::filesystem::path(ZENDRAL_TEST_PACKS) / pack,
                               server.folder().path() / "packs" / pack);
    qputenv("ZENDRAL_SERVICE_BASE", QByteArray::fromStdString(server.base()));
    const std::filesystem::path program = folder.path() / "Zendral";
    std::filesystem::create_directories(program);
    for (const char* file : {"Zendral.clb", "Zendral.net"}) {
      std::filesystem::copy_file(folder.path() / file, program / file);
    }
    ASSERT_TRUE(OpenIn(program));
  }
  // The packs the build made for the tests, beside the program.
  void PutPacks(const std::filesystem::path& where) {
    for (std::string_view pack :
         {kPackCardsA, kPackCardsB, kPackCardsC, kPackBackgrounds, kPackGraphics}) {
      std::filesystem::create_symlink(std::filesystem::path(ZENDRAL_TEST_PACKS) / std::string(pack),
                                      where / std::string(pack));
    }
  }
  QString Missing(std::string_view pack) {
    return QString::fromUtf8(Word(kWordCantFindFile, Language()).data()) + " " +
           QString::fromLatin1(pack.data(), static_cast<qsizetype>(pack.size()));
  }
};

TEST_F(PackProgram, WithoutPacksDefaultsNeedNoneAndChoicesFallBackWithMessages) {
  ASSERT_TRUE(Open());
  EXPECT_TRUE(messages.empty());
  form.reset();

  Settings settings;
  settings.CardDeck = 31;
  settings.BackDeck = 9;
  settings.Background = 4;
  settings.BackgroundColour = 3;
  settings.MainMenuDesign = 1;
  folder.SaveSettingsFile(settings);
  ASSERT_TRUE(Open());
  EXPECT_EQ(messages, (std::vector<QString>{Missing(kPackCardsA), Missing(kPackCardsB),
                                            Missing(kPackGraphics), Missing(kPackBackgrounds)}));
  const Settings& now = form->CurrentSettings();
  EXPECT_EQ(now.CardDeck, 0);
  EXPECT_EQ(now.BackDeck, 0);
  EXPECT_EQ(now.Background, 2);
  EXPECT_EQ(now.BackgroundColour, 0);
  EXPECT_EQ(now.MainMenuDesign, 0);
}

TEST_F(PackProgram, ChosenDecksBacksBackgroundsAndDesignsAtSizesOneAndFive) {
  PutPacks(folder.path());
  struct Case {
    const char* tag;
    int deck, back, background, colour, menuDesign, tableDesign;
  };
  const Case cases[] = {{"narrow-purple", 28, 9, 7, 1, 1, 0},
                        {"four-colour", 17, 3, 5, 4, 0, 1},
                        {"spanish", 41, 12, 10, 5, 0, 0}};
  for (const Case& c : cases) {
    for (const int size : {kSmallWindow, kLargeWindow}) {
      SCOPED_TRACE(c.tag);
      Settings settings;
      settings.WindowSize = size;
      settings.CardDeck = c.deck;
      settings.BackDeck = c.back;
      settings.Background = c.background;
      settings.BackgroundColour = c.colour;
      settings.MainMenuDesign = c.menuDesign;
      settings.TableDesign = c.tableDesign;
      settings.CaptionColour = 4;
      settings.WindowLook = 3;  // the headers of the graphics pack
      folder.SaveSettingsFile(settings);
      messages.clear();
      ASSERT_TRUE(Open());
      EXPECT_TRUE(messages.empty());
      EXPECT_EQ(form->CurrentSettings().CardDeck, c.deck);
      const QString tag = QStringLiteral("%1-size%2").arg(c.tag).arg(size);
      EXPECT_TRUE(form->grab().save(Shot("pack-menu-" + tag + ".png")));
      if (size == kSmallWindow) {
        responders.push_back([&](QDialog& dialog) {
          auto* options = dynamic_cast<TFormOptions*>(&dialog);
          EXPECT_NE(options, nullptr);
          if (options != nullptr) {
            EXPECT_EQ(options->header()->LookShown(), 3);
          }
          dialog.grab().save(Shot("pack-options-look3-" + tag + ".png"));
          return 0;
        });
        form->Options().Open();
      }

      responders.push_back(Sign("Alexandra", ""));
      QTest::mouseClick(form->Menu()->NewPlayerButton(), Qt::LeftButton);
      ClickMainButton();
      const CardMetrics& card = Table().art()->card();
      if (size == kLargeWindow) {
        EXPECT_EQ(card.width, IsNarrowDeck(c.deck) ? 126 : 146);
      }
      EXPECT_EQ(Table().art()->cards().missing(), 0);
      EXPECT_TRUE(form->grab().save(Shot("pack-table-" + tag + ".png")));
      form.reset();
    }
  }
}

TEST_F(PackProgram, ClickOnTheTitleAdvancesItsColour) {
  ASSERT_TRUE(Open());
  MainMenuWidget& menu = *form->Menu();
  const QPoint title = QRect(menu.Layout().caption.left, menu.Layout().caption.top,
                             menu.Layout().caption.width, menu.Layout().caption.height)
                           .center();
  const QImage before = menu.grab().toImage();
  for (int expected : {2, 3, 4, 5, 6, 7, 1}) {
    QTest::mouseClick(&menu, Qt::LeftButton, {}, title);
    EXPECT_EQ(form->CurrentSettings().CaptionColour, expected);
  }
  QTest::mouseClick(&menu, Qt::LeftButton, {}, title);
  EXPECT_NE(menu.grab().toImage(), before);  // variant 2 looks different
}

TEST_F(PackProgram, TheOptionsDllTabDownloadsAPackFromTheCompanionServer) {
  online::CompanionServer server(ZENDRAL_SERVER_PROGRAM);
  ASSERT_TRUE(server.ready());
  OpenBesideAServerOffering(server, "KovCGraph1.dll");
  ASSERT_FALSE(HasFatalFailure());
  bool checked = false;
  responders.push_back([&](QDialog& dialog) {
    auto* graph = dialog.findChild<QPushButton*>("ButtonDLLGraph");
    auto* copy = dialog.findChild<QPushButton*>("ButtonDLLGraph2");
    auto* cards = dialog.findChild<QPushButton*>("ButtonDLLCardsA");
    EXPECT_TRUE(graph && copy && cards);
    if (!graph || !copy || !cards) return 0;
    EXPECT_TRUE(graph->isEnabled());
    EXPECT_TRUE(graph->toolTip().endsWith("KovCGraph1.dll"));
    dialog.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(9);
    dialog.grab().save(Shot("options-dll-tab.png"));
    auto* line = dialog.findChild<QLabel*>("LabelPackStatus");
    auto* bar = dialog.findChild<QProgressBar*>("ProgressPack");
    EXPECT_TRUE(line && bar);
    if (!line || !bar) return 0;
    EXPECT_TRUE(line->text().isEmpty());
    EXPECT_FALSE(bar->isVisibleTo(&dialog));
    // While the pack travels the window says so (the downloader lets events through).
    QString lineWhileDownloading;
    bool barWhileDownloading = false;
    bool buttonWhileDownloading = true;
    QTimer::singleShot(0, &dialog, [&] {
      lineWhileDownloading = line->text();
      barWhileDownloading = bar->isVisibleTo(&dialog);
      buttonWhileDownloading = graph->isEnabled();
    });
    graph->click();
    EXPECT_EQ(lineWhileDownloading, "Downloading KovCGraph1.dll…");
    EXPECT_TRUE(barWhileDownloading);
    EXPECT_FALSE(buttonWhileDownloading);  // no second click into a running download
    EXPECT_FALSE(graph->isEnabled());      // the pack is there now
    EXPECT_FALSE(copy->isEnabled());
    EXPECT_EQ(line->text(), "KovCGraph1.dll is installed.");
    EXPECT_EQ(copy->toolTip(), "KovCGraph1.dll is installed.");
    EXPECT_FALSE(bar->isVisibleTo(&dialog));
    dialog.grab().save(Shot("options-pack-installed.png"));
    cards->click();  // the server has no cards pack: a failure, the button stays
    EXPECT_TRUE(cards->isEnabled());
    EXPECT_EQ(line->text(),
              "KovCards06A.dll could not be downloaded. Check the connection and try again.");
    // The line speaks the player's language, also after a change of language.
    auto* chooser = dialog.findChild<QComboBox*>("ComboBoxLan");
    chooser->setCurrentIndex(kRussian);
    EXPECT_EQ(line->text(),
              "Не удалось загрузить KovCards06A.dll. Проверьте соединение и попробуйте ещё раз.");
    dialog.grab().save(Shot("options-pack-failed-ru.png"));
    chooser->setCurrentIndex(kEnglish);
    checked = true;
    return 0;
  });
  form->Options().Open();
  qunsetenv("ZENDRAL_SERVICE_BASE");
  EXPECT_TRUE(checked);
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "KovCGraph1.dll"));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "KovCards06A.dll"));
  EXPECT_NE(std::find(sounds.begin(), sounds.end(), "WToMenK"), sounds.end());
  EXPECT_NE(std::find(sounds.begin(), sounds.end(), "WWrongs"), sounds.end());
}

// A pack downloaded in the options works at once: the calendar's pages stand on the menu as
// soon as its pack has arrived, without a restart.
TEST_F(PackProgram, ADownloadedCalendarPackShowsItsPagesWithoutARestart) {
  online::CompanionServer server(ZENDRAL_SERVER_PROGRAM);
  ASSERT_TRUE(server.ready());
  OpenBesideAServerOffering(server, "KovCalendar01.dll");
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_NE(form->Calendar(), nullptr);
  EXPECT_FALSE(form->Calendar()->IsShown());
  bool shownInside = false;
  responders.push_back([&](QDialog& dialog) {
    auto* calendar = dialog.findChild<QPushButton*>("ButtonDLLCalendar");
    EXPECT_TRUE(calendar != nullptr);
    if (calendar == nullptr) return 0;
    calendar->click();
    shownInside = form->Calendar()->IsShown();  // while the options are still open
    return 0;
  });
  form->Options().Open();
  qunsetenv("ZENDRAL_SERVICE_BASE");
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "KovCalendar01.dll"));
  EXPECT_TRUE(shownInside);
  EXPECT_TRUE(form->Calendar()->IsShown());
  EXPECT_TRUE(form->grab().save(Shot("menu-calendar-downloaded.png")));
}

}  // namespace
}  // namespace zendral
