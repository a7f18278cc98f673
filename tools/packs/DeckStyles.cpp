#include "DeckStyles.h"

#include "present/packs/PackNames.h"

namespace zendral::packs {

namespace {

struct Inks {
  QColor hearts, diamonds, clubs, spades;
};

const Inks kClassicInks{{200, 16, 38}, {200, 16, 38}, {24, 24, 28}, {24, 24, 28}};
const Inks kCrimsonNavy{{165, 18, 48}, {165, 18, 48}, {22, 34, 92}, {22, 34, 92}};
const Inks kWineBrown{{140, 24, 40}, {140, 24, 40}, {72, 44, 24}, {72, 44, 24}};
const Inks kBright{{232, 28, 36}, {232, 28, 36}, {0, 0, 0}, {0, 0, 0}};
const Inks kRosePlum{{206, 40, 108}, {206, 40, 108}, {70, 30, 110}, {70, 30, 110}};
const Inks kGoldInk{{188, 40, 28}, {188, 40, 28}, {48, 40, 20}, {48, 40, 20}};
const Inks kSepia{{160, 66, 32}, {160, 66, 32}, {62, 46, 32}, {62, 46, 32}};
const Inks kEmerald{{196, 30, 40}, {196, 30, 40}, {10, 84, 60}, {10, 84, 60}};
// The four-colour decks: every suit its own ink.
const Inks kFourColour{{206, 20, 36}, {24, 88, 200}, {22, 130, 52}, {20, 20, 24}};
const Inks kTournament{{206, 20, 36}, {238, 140, 0}, {20, 20, 24}, {22, 130, 52}};
// German suits: red hearts, golden bells, brown acorns, green leaves.
const Inks kGermanInks{{204, 22, 34}, {214, 146, 0}, {120, 70, 24}, {36, 122, 40}};
// Latin suits: red cups, golden coins, green batons, blue swords.
const Inks kLatinInks{{196, 30, 36}, {206, 150, 0}, {62, 112, 30}, {30, 76, 160}};

const std::array<QString, 4> kEnglish{"J", "Q", "K", "A"};
const std::array<QString, 4> kGerman{"B", "D", "K", "A"};
// Unter, Ober, King and Daus of the German-suited decks.
const std::array<QString, 4> kGermanSuited{"U", "O", "K", "A"};
const std::array<QString, 4> kFrench{"V", "D", "R", "A"};
const std::array<QString, 4> kRussian{QStringLiteral("В"), QStringLiteral("Д"), QStringLiteral("К"),
                                      QStringLiteral("Т")};
const std::array<QString, 4> kSpanish{"S", "C", "R", "A"};
const std::array<QString, 4> kItalian{"F", "C", "R", "A"};
const std::array<QString, 4> kCzech{"S", "V", "K", "E"};
const std::array<QString, 4> kChinese{QStringLiteral("J"), QStringLiteral("Q"), QStringLiteral("K"),
                                      QStringLiteral("A")};

struct Row {
  int deck;
  SuitShape suits;
  const Inks* inks;
  QColor paper, accent;
  const char* font;
  bool bold;
  const std::array<QString, 4>* letters;
  Frame frame;
  Court court;
  int hue;
  Ace ace;
};

const QColor kWhite(255, 255, 253), kIvory(252, 248, 232), kCream(250, 242, 220),
    kPearl(246, 248, 252), kParchment(244, 234, 206), kMint(244, 252, 246), kBlush(255, 246, 246);

const char* const kSerif = "DejaVu Serif";
const char* const kSans = "DejaVu Sans";
const char* const kMono = "DejaVu Sans Mono";
const char* const kComic = "Comic Neue";
const char* const kCjk = "Noto Serif CJK SC";

// Decks 1..47 by CardDeck.
// clang-format off
const Row kRows[] = {
    {1, SuitShape::kEngraved, &kWineBrown, kParchment, {120, 30, 30}, kSerif, true, &kEnglish, Frame::kDouble, Court::kDuotone, 0, Ace::kMedallion},
    {2, SuitShape::kRound, &kBright, kWhite, {30, 30, 30}, kSans, true, &kEnglish, Frame::kNone, Court::kMonogram, 0, Ace::kPlain},
    {3, SuitShape::kAngular, &kGoldInk, kParchment, {190, 140, 30}, kSerif, true, &kEnglish, Frame::kBand, Court::kPanel, 160, Ace::kStar},
    {4, SuitShape::kSlim, &kRosePlum, kBlush, {200, 120, 160}, kSerif, false, &kFrench, Frame::kRounded, Court::kTinted, 290, Ace::kRing},
    {5, SuitShape::kAngular, &kEmerald, kMint, {20, 110, 70}, kSerif, true, &kEnglish, Frame::kCorners, Court::kTinted, 110, Ace::kMedallion},
    {6, SuitShape::kClassic, &kClassicInks, kWhite, {212, 170, 40}, kSerif, true, &kEnglish, Frame::kLine, Court::kFigure, 0, Ace::kStar},
    {7, SuitShape::kWide, &kGoldInk, kIvory, {190, 150, 30}, kSerif, true, &kEnglish, Frame::kDouble, Court::kFigure, 0, Ace::kWreath},
    {8, SuitShape::kClassic, &kCrimsonNavy, kIvory, {22, 34, 92}, kSerif, true, &kEnglish, Frame::kLine, Court::kFigure, 0, Ace::kRing},
    {9, SuitShape::kWide, &kClassicInks, kCream, {40, 90, 40}, kSerif, true, &kGerman, Frame::kDouble, Court::kTinted, 60, Ace::kPlain},
    {10, SuitShape::kSlim, &kWineBrown, kParchment, {110, 70, 40}, kSerif, false, &kEnglish, Frame::kCorners, Court::kFigure, 0, Ace::kBanner},
    {11, SuitShape::kAngular, &kSepia, kParchment, {150, 80, 30}, kSans, true, &kEnglish, Frame::kBand, Court::kTinted, 20, Ace::kWreath},
    {12, SuitShape::kRound, &kRosePlum, kBlush, {60, 130, 60}, kSerif, false, &kEnglish, Frame::kCorners, Court::kTinted, 320, Ace::kRing},
    {13, SuitShape::kRound, &kEmerald, kWhite, {20, 160, 120}, kSans, true, &kEnglish, Frame::kRounded, Court::kTinted, 140, Ace::kWreath},
    {14, SuitShape::kEngraved, &kCrimsonNavy, kWhite, {180, 140, 40}, kSerif, true, &kEnglish, Frame::kDouble, Court::kFigure, 0, Ace::kMedallion},
    {15, SuitShape::kSlim, &kSepia, kIvory, {90, 60, 40}, kSerif, false, &kEnglish, Frame::kRounded, Court::kDuotone, 0, Ace::kRing},
    {16, SuitShape::kWide, &kBright, kPearl, {20, 40, 110}, kSans, true, &kEnglish, Frame::kLine, Court::kPanel, 210, Ace::kPlain},
    {17, SuitShape::kClassic, &kFourColour, kWhite, {24, 88, 200}, kSerif, true, &kEnglish, Frame::kLine, Court::kFigure, 0, Ace::kRing},
    {18, SuitShape::kWide, &kBright, kWhite, {0, 0, 0}, kSans, true, &kEnglish, Frame::kNone, Court::kFigure, 0, Ace::kRing},
    {19, SuitShape::kClassic, &kClassicInks, kWhite, {30, 30, 30}, kSerif, true, &kEnglish, Frame::kLine, Court::kFigure, 0, Ace::kRing},
    {20, SuitShape::kRound, &kRosePlum, kBlush, {220, 60, 90}, kSerif, true, &kEnglish, Frame::kRounded, Court::kTinted, 330, Ace::kBanner},
    {21, SuitShape::kRound, &kEmerald, kMint, {30, 120, 160}, kSans, true, &kEnglish, Frame::kRounded, Court::kPanel, 90, Ace::kStar},
    {22, SuitShape::kSlim, &kCrimsonNavy, kCream, {120, 40, 40}, kSerif, true, &kGerman, Frame::kDouble, Court::kTinted, 200, Ace::kMedallion},
    {23, SuitShape::kEngraved, &kGoldInk, kParchment, {120, 60, 20}, kSerif, true, &kEnglish, Frame::kCorners, Court::kDuotone, 30, Ace::kMedallion},
    {24, SuitShape::kRound, &kBright, kWhite, {240, 120, 0}, kComic, true, &kEnglish, Frame::kRounded, Court::kMonogram, 0, Ace::kStar},
    {25, SuitShape::kSlim, &kRosePlum, kWhite, {20, 20, 20}, kSans, false, &kEnglish, Frame::kLine, Court::kPanel, 330, Ace::kRing},
    {26, SuitShape::kAngular, &kCrimsonNavy, kPearl, {60, 40, 120}, kSerif, true, &kEnglish, Frame::kBand, Court::kTinted, 240, Ace::kStar},
    {27, SuitShape::kAngular, &kBright, kCream, {200, 20, 20}, kSans, true, &kRussian, Frame::kBand, Court::kDuotone, 0, Ace::kStar},
    {28, SuitShape::kRound, &kClassicInks, kPearl, {60, 120, 200}, kSans, true, &kEnglish, Frame::kRounded, Court::kPanel, 180, Ace::kPlain},
    {29, SuitShape::kWide, &kGermanInks, kCream, {60, 90, 40}, kSerif, true, &kGermanSuited, Frame::kLine, Court::kFigure, 0, Ace::kBanner},
    {30, SuitShape::kWide, &kTournament, kWhite, {22, 130, 52}, kSans, true, &kGerman, Frame::kDouble, Court::kFigure, 0, Ace::kRing},
    {31, SuitShape::kClassic, &kBright, kWhite, {20, 60, 160}, kSerif, true, &kFrench, Frame::kLine, Court::kTinted, 230, Ace::kWreath},
    {32, SuitShape::kEngraved, &kBright, kWhite, {180, 20, 20}, kSerif, true, &kRussian, Frame::kCorners, Court::kTinted, 350, Ace::kMedallion},
    {33, SuitShape::kSlim, &kEmerald, kIvory, {40, 100, 60}, kSerif, false, &kEnglish, Frame::kRounded, Court::kDuotone, 120, Ace::kRing},
    {34, SuitShape::kEngraved, &kGoldInk, kCream, {170, 120, 30}, kSerif, true, &kRussian, Frame::kDouble, Court::kPanel, 40, Ace::kMedallion},
    {35, SuitShape::kWide, &kFourColour, kWhite, {40, 40, 40}, kSans, true, &kEnglish, Frame::kNone, Court::kMonogram, 0, Ace::kPlain},
    {36, SuitShape::kRound, &kRosePlum, kPearl, {150, 100, 200}, kSerif, true, &kRussian, Frame::kBand, Court::kTinted, 270, Ace::kRing},
    {37, SuitShape::kAngular, &kWineBrown, kParchment, {150, 40, 30}, kSerif, true, &kRussian, Frame::kCorners, Court::kPanel, 10, Ace::kStar},
    {38, SuitShape::kAngular, &kEmerald, kCream, {30, 120, 120}, kSans, true, &kEnglish, Frame::kBand, Court::kDuotone, 150, Ace::kStar},
    {39, SuitShape::kRound, &kSepia, kParchment, {140, 110, 50}, kComic, true, &kRussian, Frame::kRounded, Court::kTinted, 50, Ace::kRing},
    {40, SuitShape::kSlim, &kBright, kWhite, {20, 40, 140}, kSerif, true, &kFrench, Frame::kLine, Court::kFigure, 0, Ace::kBanner},
    {41, SuitShape::kSlim, &kLatinInks, kIvory, {200, 150, 30}, kSerif, true, &kSpanish, Frame::kBand, Court::kPanel, 0, Ace::kMedallion},
    {42, SuitShape::kWide, &kLatinInks, kWhite, {190, 30, 30}, kSans, true, &kSpanish, Frame::kLine, Court::kFigure, 0, Ace::kRing},
    {43, SuitShape::kRound, &kLatinInks, kCream, {30, 100, 160}, kMono, true, &kSpanish, Frame::kDouble, Court::kPanel, 0, Ace::kStar},
    {44, SuitShape::kEngraved, &kLatinInks, kParchment, {130, 70, 30}, kSerif, true, &kSpanish, Frame::kCorners, Court::kDuotone, 20, Ace::kWreath},
    {45, SuitShape::kRound, &kBright, kCream, {200, 30, 20}, kCjk, true, &kChinese, Frame::kBand, Court::kPanel, 0, Ace::kMedallion},
    {46, SuitShape::kSlim, &kLatinInks, kIvory, {30, 110, 60}, kSerif, true, &kItalian, Frame::kRounded, Court::kFigure, 0, Ace::kBanner},
    {47, SuitShape::kWide, &kGermanInks, kCream, {160, 30, 30}, kSans, true, &kCzech, Frame::kDouble, Court::kFigure, 0, Ace::kStar},
};
// clang-format on

SuitFamily FamilyOfDeck(int deck) {
  switch (deck) {
    case 29:  // Skat with German suits
    case 47:  // Czech
      return SuitFamily::kGerman;
    case 41:  // Spanish 1 to 4
    case 42:
    case 43:
    case 44:
    case 46:  // Italian
      return SuitFamily::kLatin;
    default:
      return SuitFamily::kFrench;
  }
}

}  // namespace

DeckStyle StyleOfDeck(int deck) {
  DeckStyle style;
  style.deck = deck;
  style.family = FamilyOfDeck(deck);
  for (const Row& row : kRows) {
    if (row.deck != deck) continue;
    style.suits = row.suits;
    style.ink = {QColor(), row.inks->hearts, row.inks->diamonds, row.inks->clubs, row.inks->spades};
    style.paper = row.paper;
    style.accent = row.accent;
    style.indexFont = QString::fromLatin1(row.font);
    style.indexBold = row.bold;
    style.letters = *row.letters;
    style.frame = row.frame;
    style.court = row.court;
    style.courtHue = row.hue;
    style.ace = row.ace;
  }
  if (!style.ink[1].isValid()) {
    style.ink = {QColor(), kClassicInks.hearts, kClassicInks.diamonds, kClassicInks.clubs,
                 kClassicInks.spades};
  }
  style.narrow = IsNarrowDeck(deck);
  style.bigIndex = deck == 18;  // Large Print London
  return style;
}

}  // namespace zendral::packs
