// The card and background packs as zendral-packs makes them (at build time, into the test's
// folder), loaded as the program loads them:
// every deck, back design and background of the lists is there at both sizes, and the table
// drawn with several of them lands in screenshots/ for people to look at.

#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include "art/ArtLibrary.h"
#include "present/draw/TableArt.h"
#include "present/draw/TableDrawing.h"
#include "present/draw/TablePanels.h"
#include "present/packs/PackNames.h"
#include "present/packs/PackPictures.h"
#include "store/Settings.h"

namespace zendral {
namespace {

class PackTables : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "packs_tests";
    static char* argv[] = {name, nullptr};
    InitArtLibrary();
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
    QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
    // The packs (made at build time) stand in the parent folder of the program folder, where
    // downloads put them.
    std::filesystem::create_directories(Program());
    built_ = std::filesystem::exists(Program().parent_path() / "KovCards06A.dll");
  }
  void SetUp() override { ASSERT_TRUE(built_); }

  static std::filesystem::path Program() {
    return std::filesystem::path(ZENDRAL_TEST_PACKS) / "Zendral";
  }
  static QString Shot(const QString& name) {
    return QStringLiteral(ZENDRAL_SCREENSHOT_DIR "/") + name;
  }

  static inline bool built_ = false;
};

// Pictures no pack gave come from here: a marker colour a test can tell apart.
QImage NoPicture(const QString&) {
  return {};
}

TEST_F(PackTables, EveryDeckHasAllItsFacesAtBothSizes) {
  for (int deck = 1; deck <= kFaceDecks; ++deck) {
    Settings settings;
    settings.CardDeck = deck;
    PackPictures pictures(Program(), NoPicture);
    ASSERT_TRUE(pictures.LoadCardFaces(settings)) << deck;
    EXPECT_EQ(pictures.narrow(), IsNarrowDeck(deck));
    const int small = IsNarrowDeck(deck) ? 61 : 71, large = IsNarrowDeck(deck) ? 126 : 146;
    for (int k = 1; k <= kDeckSize; ++k) {
      const TCardCode card = CardFromNumber(k);
      const QString name = QString::fromStdString(FaceName(0, card, false));
      EXPECT_EQ(pictures.Picture(name).size(), QSize(small, 96)) << deck << " " << k;
      EXPECT_EQ(pictures.Picture(name + "B").size(), QSize(large, 198)) << deck << " " << k;
    }
  }
}

TEST_F(PackTables, EveryBackDesignHasItsPicturesForWideAndNarrowDecks) {
  for (const int deck : {1, 28}) {
    for (int design = 0; design <= kBackDesigns; ++design) {
      Settings settings;
      settings.CardDeck = deck;
      settings.BackDeck = design;
      PackPictures pictures(Program(), NoPicture);
      pictures.LoadCardFaces(settings);
      ASSERT_TRUE(pictures.LoadCardBacks(settings)) << design;
      const QSize large(IsNarrowDeck(deck) ? 126 : 146, 198);
      for (int picture = 1; picture <= BackPictureCount(design); ++picture) {
        const QString name = QString::fromStdString(BackPictureName(picture));
        // The program's own design has its small and wide pictures built in.
        if (design > 0) {
          EXPECT_EQ(pictures.Picture(name).size(), QSize(71, 96)) << design;
        }
        if (design > 0 || IsNarrowDeck(deck)) {
          EXPECT_EQ(pictures.Picture(name + "B").size(), large) << design << " " << picture;
        }
      }
    }
  }
}

TEST_F(PackTables, EveryBackgroundInEveryColourAtBothSizes) {
  for (int background = 1; background <= kBackgrounds; ++background) {
    for (int colour = 0; colour < kBackgroundColours; ++colour) {
      if (IsOwnBackground(background, colour)) continue;
      Settings settings;
      settings.Background = background;
      settings.BackgroundColour = colour;
      PackPictures pictures(Program(), NoPicture);
      ASSERT_TRUE(pictures.LoadBackground(settings));
      EXPECT_EQ(pictures.Picture("FonG").size(), QSize(760, 500)) << background << "/" << colour;
      EXPECT_EQ(pictures.Picture("FonGB").size(), QSize(1520, 1000));
    }
  }
}

// A kon some moves in, with a full hand at the bottom and the layout started in every suit.
void DrawSampleTable(QPainter& p, TableArt& art) {
  Layout layout;
  Hand top, bottom;
  for (int k = 1; k <= kDeckSize; ++k) {
    const TCardCode c = CardFromNumber(k);
    const bool laid = c.rank >= 3 && c.rank <= 6 && c.suit != kSpades;
    if (laid || c == TCardCode(4, kSpades)) {
      layout.Put(c);
    } else {
      Hand& hand = k % 2 ? bottom : top;
      hand[++hand.CardCount] = c;
    }
  }
  SortHand(top);
  SortHand(bottom);
  DrawBackground(p, art, {0, 0, art.client().width, art.client().height});
  DrawHand(p, art, kSeat1, top, art.Arrange(top.CardCount), false);
  DrawHand(p, art, kSeat2, bottom, art.Arrange(bottom.CardCount), false);
  DrawLayout(p, art, layout);
  DrawScoreTab(p, art, kSeat1, kMarkerNone, true, 0, -4, -6);
  DrawScoreTab(p, art, kSeat2, kMarkerDraw, true, 0, -2, 11);
  DrawKonPanel(p, art, "Game", 3, "Bank:", 10);
  DrawNamePlate(p, art, kSeat1, "PC");
  DrawNamePlate(p, art, kSeat2, "Alexandra");
}

TEST_F(PackTables, TablesWithSeveralDecksBacksAndBackgrounds) {
  struct Case {
    int deck, back, background, colour, tableDesign;
  };
  const Case cases[] = {
      {1, 1, 1, 0, 0},  {17, 8, 5, 4, 0}, {28, 0, 7, 1, 0}, {30, 12, 10, 5, 0},
      {36, 9, 8, 6, 0}, {45, 5, 4, 3, 0}, {41, 7, 2, 0, 1}, {47, 11, 9, 2, 0},
  };
  for (const Case& c : cases) {
    for (const int windowSize : {kSmallWindow, kLargeWindow}) {
      Settings settings;
      settings.CardDeck = c.deck;
      settings.BackDeck = c.back;
      settings.Background = c.background;
      settings.BackgroundColour = c.colour;
      settings.TableDesign = c.tableDesign;
      auto pictures = std::make_shared<PackPictures>(Program(), LoadArtPicture);
      pictures->LoadAll(settings);
      EXPECT_TRUE(pictures->TakeMissing().empty());
      const ClientSize client = ClientAreaFor(windowSize, {});
      TableArt art(
          windowSize, client, 1.0, {},
          [pictures](const QString& name) { return pictures->Picture(name); }, pictures->narrow());
      art.SetBackPicture(BackPictureCount(c.back) == 10 ? 9 : 3);
      EXPECT_EQ(art.cards().missing(), 0);
      if (windowSize == kLargeWindow) {
        EXPECT_EQ(art.card().width, IsNarrowDeck(c.deck) ? 126 : 146) << c.deck;
      }
      QImage image(client.width, client.height, QImage::Format_RGB32);
      QPainter p(&image);
      p.setRenderHint(QPainter::TextAntialiasing);
      DrawSampleTable(p, art);
      p.end();
      EXPECT_TRUE(image.save(Shot(QStringLiteral("pack-table-deck%1-size%2.png")
                                      .arg(c.deck, 2, 10, QChar('0'))
                                      .arg(windowSize))));
    }
  }
}

}  // namespace
}  // namespace zendral
