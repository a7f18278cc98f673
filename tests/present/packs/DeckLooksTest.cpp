// Every deck of the card packs is a deck of its own: its court cards and its aces, as the pack
// generator draws them into the packs, differ from those of every other deck (and from the
// program's own "Classical-1"), unless the two decks are declared variants of one deck. The
// courts and aces of all decks land on contact sheets in screenshots/ for people to look at.

#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <map>
#include <set>

#include "CardFaces.h"
#include "CourtDress.h"
#include "DeckStyles.h"
#include "FacePainter.h"
#include "PackPlan.h"
#include "SuitFamilies.h"
#include "SuitShapes.h"
#include "present/packs/PackNames.h"

namespace zendral {
namespace {

using packs::DeckStyle;

// Pairs of decks that are one deck in two sizes of print or card, and may share pictures. None
// of the decks is one now; a pair goes here only when a player would expect the likeness.
const std::set<std::pair<int, int>> kVariantsOfOneDeck = {};

// Mean difference per colour channel (0..255) in the middle of the cards under which two sets
// of pictures count as the same pictures. Relabelled copies of one picture (another index
// letter, frame or paper) stay under it; decks whose figures differ in dress and colour are
// well above it.
constexpr double kSameBelow = 6.0;

constexpr int kCourtRanks[] = {6, 7, 8};
constexpr int kAceRank = 9;

// Pictures are compared on white at the narrow card's size, so that a wide and a narrow deck
// can be compared too, and only in the middle of the card, where the court's picture and the
// ace's symbol are: the indexes and the frame do not make a deck of their own.
QImage Flattened(const QImage& face) {
  QImage out(61, 96, QImage::Format_RGB32);
  out.fill(Qt::white);
  QPainter p(&out);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QRectF(0, 0, 61, 96), face);
  p.end();
  return out.copy(13, 11, 35, 74);
}

double MeanDifference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    const auto* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    for (int x = 0; x < a.width(); ++x) {
      sum += std::abs(qRed(la[x]) - qRed(lb[x])) + std::abs(qGreen(la[x]) - qGreen(lb[x])) +
             std::abs(qBlue(la[x]) - qBlue(lb[x]));
    }
  }
  return sum / (3.0 * a.width() * a.height());
}

double MeanDifference(const std::vector<QImage>& a, const std::vector<QImage>& b) {
  double sum = 0;
  for (std::size_t i = 0; i < a.size(); ++i) sum += MeanDifference(a[i], b[i]);
  return sum / static_cast<double>(a.size());
}

struct DeckFaces {
  std::vector<QImage> courts;  // jack, queen, king of each suit, small size
  std::vector<QImage> aces;
};

class DeckLooks : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "deck_looks_tests";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
    QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
    decks_ = new std::map<int, DeckFaces>;
    std::map<std::string, std::map<QString, const packs::PackItem*>> byName;
    std::map<std::string, packs::PackPlan> plans;
    for (int deck = 1; deck <= kFaceDecks; ++deck) {
      const std::string pack(PackForDeck(deck));
      if (!plans.count(pack)) {
        plans[pack] = packs::PlanOf(pack);
        for (const packs::PackItem& item : plans[pack].items) byName[pack][item.name] = &item;
      }
    }
    auto face = [&](int deck, TCardCode card) -> QImage {
      if (deck == 0) return art::PaintFace(card.rank, card.suit, true);
      const std::string pack(PackForDeck(deck));
      const auto it = byName[pack].find(QString::fromStdString(FaceName(deck, card, false)));
      return it == byName[pack].end() ? QImage() : it->second->draw();
    };
    for (int deck = 0; deck <= kFaceDecks; ++deck) {
      DeckFaces& faces = (*decks_)[deck];
      for (int suit = 1; suit <= kSuits; ++suit) {
        for (const int rank : kCourtRanks)
          faces.courts.push_back(face(deck, TCardCode(rank, suit)));
        faces.aces.push_back(face(deck, TCardCode(kAceRank, suit)));
      }
    }
  }
  static void TearDownTestSuite() { delete decks_; }

  static std::vector<QImage> Flat(const std::vector<QImage>& faces) {
    std::vector<QImage> out;
    for (const QImage& f : faces) out.push_back(Flattened(f));
    return out;
  }

  static inline std::map<int, DeckFaces>* decks_ = nullptr;
};

TEST_F(DeckLooks, EveryDeckHasItsCourtsAndAcesInItsPackAtTheSmallSize) {
  for (const auto& [deck, faces] : *decks_) {
    const QSize size(deck > 0 && IsNarrowDeck(deck) ? 61 : 71, 96);
    for (const auto* set : {&faces.courts, &faces.aces}) {
      for (const QImage& face : *set) {
        ASSERT_FALSE(face.isNull()) << "deck " << deck;
        EXPECT_EQ(face.size(), size) << "deck " << deck;
      }
    }
  }
}

TEST_F(DeckLooks, NoTwoDecksShareTheirCourtsOrTheirAces) {
  std::map<int, std::vector<QImage>> courts, aces;
  for (const auto& [deck, faces] : *decks_) {
    courts[deck] = Flat(faces.courts);
    aces[deck] = Flat(faces.aces);
  }
  double closestCourts = 255, closestAces = 255;
  for (int a = 0; a <= kFaceDecks; ++a) {
    for (int b = a + 1; b <= kFaceDecks; ++b) {
      if (kVariantsOfOneDeck.count({a, b})) continue;
      const double c = MeanDifference(courts[a], courts[b]);
      const double x = MeanDifference(aces[a], aces[b]);
      closestCourts = std::min(closestCourts, c);
      closestAces = std::min(closestAces, x);
      EXPECT_GE(c, kSameBelow) << "decks " << a << " and " << b << " have the same court cards";
      EXPECT_GE(x, kSameBelow) << "decks " << a << " and " << b << " have the same aces";
    }
  }
  std::printf("closest decks differ by %.1f in their courts and %.1f in their aces\n",
              closestCourts, closestAces);
}

// The measure itself: the same deck drawn twice is the same, and so is a deck relabelled with
// another frame, index lettering and paper; a deck whose courts are only re-coloured is not.
TEST_F(DeckLooks, TheMeasureTellsRelabelledPicturesFromADeckOfItsOwn) {
  DeckStyle style = packs::StyleOfDeck(8);
  DeckStyle relabelled = style;
  relabelled.frame = packs::Frame::kCorners;
  relabelled.letters = {QStringLiteral("B"), QStringLiteral("D"), QStringLiteral("K"),
                        QStringLiteral("A")};
  relabelled.indexFont = QStringLiteral("DejaVu Sans");
  relabelled.paper = QColor(250, 242, 220);
  DeckStyle recoloured = style;
  recoloured.court = packs::Court::kTinted;
  recoloured.courtHue = 180;
  auto courts = [](const DeckStyle& s) {
    std::vector<QImage> out;
    for (int suit = 1; suit <= kSuits; ++suit) {
      for (const int rank : kCourtRanks) {
        out.push_back(Flattened(packs::PaintStyledFace(s, TCardCode(rank, suit), false)));
      }
    }
    return out;
  };
  const auto original = courts(style);
  EXPECT_EQ(MeanDifference(original, courts(style)), 0.0);
  const double relabelledBy = MeanDifference(original, courts(relabelled));
  const double recolouredBy = MeanDifference(original, courts(recoloured));
  EXPECT_LT(relabelledBy, kSameBelow);
  EXPECT_GE(recolouredBy, kSameBelow);
  std::printf("relabelled courts differ by %.1f, re-coloured ones by %.1f\n", relabelledBy,
              recolouredBy);
}

// The suit symbols of the three families are different shapes: none of the German or Latin
// ones falls back to a French one, and no two of them look alike, but for the hearts, which
// are hearts in both the French and the German decks.
TEST(SuitFamilies, TwelveDifferentSymbols) {
  auto mask = [](const QPainterPath& symbol) {
    QImage image(40, 40, QImage::Format_Grayscale8);
    image.fill(0);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF b = symbol.boundingRect();
    p.translate(20, 20);
    p.scale(36 / std::max(b.width(), b.height()), 36 / std::max(b.width(), b.height()));
    p.translate(-b.center());
    p.fillPath(symbol, Qt::white);
    return image;
  };
  std::vector<std::pair<std::string, QImage>> symbols;
  const char* const names[3][4] = {{"heart", "diamond", "club", "spade"},
                                   {"German heart", "bell", "acorn", "leaf"},
                                   {"cup", "coin", "baton", "sword"}};
  for (int suit = 1; suit <= kSuits; ++suit) {
    symbols.emplace_back(names[0][suit - 1], mask(art::SuitPath(suit)));
    symbols.emplace_back(names[1][suit - 1], mask(packs::GermanSuit(suit)));
    symbols.emplace_back(names[2][suit - 1], mask(packs::LatinSuit(suit)));
  }
  for (const auto& [name, image] : symbols) {
    // A symbol covers a fair part of its box: not empty, not a filled square.
    double ink = 0;
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 40; ++x) ink += image.pixelColor(x, y).valueF();
    }
    EXPECT_GT(ink / 1600, 0.08) << name;
    EXPECT_LT(ink / 1600, 0.8) << name;
  }
  for (std::size_t i = 0; i < symbols.size(); ++i) {
    for (std::size_t j = i + 1; j < symbols.size(); ++j) {
      if (symbols[i].first == "heart" && symbols[j].first == "German heart") continue;
      EXPECT_GE(MeanDifference(symbols[i].second.convertToFormat(QImage::Format_RGB32),
                               symbols[j].second.convertToFormat(QImage::Format_RGB32)),
                20.0)
          << symbols[i].first << " looks like " << symbols[j].first;
    }
  }
}

// The second court of the Spanish and Italian decks is a horseman: drawn with a horse of a
// coat no dress wears, his picture is largely horse, while the German decks' Ober, the jack
// and the king of the same deck stand without one. Both ways he faces, the horse is there.
TEST(CourtDress, TheLatinSecondCourtRidesAHorse) {
  const QColor coat(0, 190, 190);
  const auto coatShare = [&](int rank, bool rides, double turn) {
    packs::CourtLook look = packs::CourtLookOf(41);
    look.secondIsMan = true;
    look.held = packs::Held::kSuit;
    look.secondRides = rides;
    look.horse = coat;
    look.turn = turn;
    QImage image(146, 198, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    const QRectF frame(13, 20, 120, 158);
    packs::PaintDressedCourt(p, frame, rank, 2, false, look, packs::LatinSuit(2), Qt::red);
    p.end();
    int hits = 0, all = 0;
    for (int y = 20; y < 178; ++y) {
      for (int x = 13; x < 133; ++x, ++all) {
        const QColor c = image.pixelColor(x, y);
        if (std::abs(c.red() - coat.red()) + std::abs(c.green() - coat.green()) +
                std::abs(c.blue() - coat.blue()) <
            30)
          ++hits;
      }
    }
    return static_cast<double>(hits) / all;
  };
  for (double turn : {-1.0, 0.0, 1.0}) {
    SCOPED_TRACE(turn);
    EXPECT_GT(coatShare(7, true, turn), 0.15);
    EXPECT_EQ(coatShare(7, false, turn), 0.0);  // the Ober stands
    EXPECT_EQ(coatShare(6, true, turn), 0.0);
    EXPECT_EQ(coatShare(8, true, turn), 0.0);
  }
}

// The decks whose names promise German or Latin suits draw them; every other deck is
// French-suited.
TEST(SuitFamilies, DecksDrawTheSuitsTheirNamesPromise) {
  const std::map<int, packs::SuitFamily> promised = {
      {29, packs::SuitFamily::kGerman},  // Skat - German suits
      {47, packs::SuitFamily::kGerman},  // Czech
      {41, packs::SuitFamily::kLatin},   // Spanish 1 to 4
      {42, packs::SuitFamily::kLatin},  {43, packs::SuitFamily::kLatin},
      {44, packs::SuitFamily::kLatin},  {46, packs::SuitFamily::kLatin},  // Italian
  };
  for (int deck = 1; deck <= kFaceDecks; ++deck) {
    const auto it = promised.find(deck);
    const packs::SuitFamily expected =
        it == promised.end() ? packs::SuitFamily::kFrench : it->second;
    EXPECT_EQ(packs::StyleOfDeck(deck).family, expected) << "deck " << deck;
  }
}

// Contact sheets: one row per deck, its twelve courts and four aces; twelve decks a sheet.
TEST_F(DeckLooks, ContactSheetsOfAllDecks) {
  constexpr int kPerSheet = 12, kCell = 73, kLabel = 26;
  for (int first = 0; first <= kFaceDecks; first += kPerSheet) {
    QImage sheet(kLabel + 16 * kCell, kPerSheet * 100, QImage::Format_RGB32);
    sheet.fill(QColor(40, 90, 60));
    QPainter p(&sheet);
    p.setPen(Qt::white);
    for (int deck = first; deck < first + kPerSheet && deck <= kFaceDecks; ++deck) {
      const int y = (deck - first) * 100 + 2;
      p.drawText(QRect(0, y, kLabel, 96), Qt::AlignCenter, QString::number(deck));
      const DeckFaces& faces = decks_->at(deck);
      int x = kLabel;
      for (const auto* set : {&faces.courts, &faces.aces}) {
        for (const QImage& face : *set) {
          p.drawImage(x, y, face);
          x += kCell;
        }
      }
    }
    p.end();
    EXPECT_TRUE(sheet.save(
        QStringLiteral(ZENDRAL_SCREENSHOT_DIR "/deck-looks-%1.png").arg(first / kPerSheet + 1)));
  }
}

// The large set of the German- and Latin-suited decks and a few others: one court of each suit
// and the four aces.
TEST_F(DeckLooks, ContactSheetsOfLargeFaces) {
  const int decks[2][6] = {{29, 47, 41, 42, 43, 44}, {46, 7, 10, 13, 20, 40}};
  constexpr int kCellW = 150, kCellH = 202;
  for (int sheetNumber = 0; sheetNumber < 2; ++sheetNumber) {
    QImage sheet(8 * kCellW, 6 * kCellH, QImage::Format_RGB32);
    sheet.fill(QColor(40, 90, 60));
    QPainter p(&sheet);
    int y = 2;
    for (const int deck : decks[sheetNumber]) {
      const DeckStyle style = packs::StyleOfDeck(deck);
      int x = 2;
      for (int suit = 1; suit <= kSuits; ++suit) {
        const TCardCode court(6 + (suit + deck) % 3, suit);
        p.drawImage(x, y, packs::PaintStyledFace(style, court, true));
        x += kCellW;
      }
      for (int suit = 1; suit <= kSuits; ++suit) {
        p.drawImage(x, y, packs::PaintStyledFace(style, TCardCode(kAceRank, suit), true));
        x += kCellW;
      }
      y += kCellH;
    }
    p.end();
    EXPECT_TRUE(sheet.save(
        QStringLiteral(ZENDRAL_SCREENSHOT_DIR "/deck-looks-large-%1.png").arg(sheetNumber + 1)));
  }
}

}  // namespace
}  // namespace zendral
