#include "present/packs/PackNames.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "present/geometry/TableScale.h"

namespace zendral {

namespace {

constexpr std::array<std::string_view, 5> kSuitPrefix = {"", "Ch", "Bu", "Kr", "Pi"};
constexpr std::array<std::string_view, 10> kRankCode = {"",   "06", "07", "08", "09",
                                                        "10", "2J", "3Q", "4K", "5A"};

// Deck codes by CardDeck 1..47; deck 40 uses "Fra" again, as deck 9 does.
constexpr std::array<std::string_view, kFaceDecks + 1> kDeckCodes = {
    "",    "Med", "Mod", "Anc", "Bar", "Cel", "Cor", "Cro", "Eng", "Fra", "His", "Nat",
    "Old", "Par", "Roy", "Sha", "Big", "004", "Lon", "Cl2", "Hea", "Sea", "Rhi", "Me2",
    "Doo", "Boy", "Epi", "USR", "Pla", "SkN", "SkT", "SkF", "Bel", "Dia", "Kny", "Pas",
    "Rus", "Sla", "May", "Lub", "Fra", "Mus", "BS1", "BS2", "BS3", "Chi", "BIt", "Cze"};

// Decks that older packs showed with borrowed pictures: the cards six to king from one deck,
// the aces from another.
struct Borrowing {
  int deck;
  std::string_view lower, aces;
};
constexpr std::array<Borrowing, 8> kFormerBorrowings = {{{6, "Mod", "Cor"},
                                                         {7, "Mod", "Mod"},
                                                         {10, "Mod", "Mod"},
                                                         {13, "Mod", "Mod"},
                                                         {19, "Sea", "Sea"},
                                                         {20, "Sea", "Sea"},
                                                         {25, "Rhi", "Boy"},
                                                         {27, "Big", "USR"}}};

constexpr std::array<std::string_view, kBackDesigns + 1> kBackCodes = {
    "", "Cl1", "Cl2", "Car", "Cro", "Che", "Dia", "Kni", "Ani", "Flo", "Pla", "Oth", "Rus"};
constexpr std::array<std::string_view, 11> kBackPictureNames = {
    "",       "Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr",
    "Ob06Su", "Ob07Su", "Ob08XX", "Ob09XX", "Ob10XX"};

constexpr std::array<std::string_view, kBackgroundColours> kColourCodes = {"Gr", "Re", "Or", "Ye",
                                                                           "B1", "B2", "Fi"};

struct DownloadCode {
  int code;
  std::string_view file;
};
constexpr std::array<DownloadCode, 9> kDownloads = {{{1, kPackCardsA},
                                                     {2, kPackCardsB},
                                                     {3, kPackBackgrounds},
                                                     {4, kPackCalendar},
                                                     {5, kRadioListFile},
                                                     {6, kPackRadio},
                                                     {7, kPackVoice},
                                                     {8, kPackCardsC},
                                                     {9, kPackGraphics}}};

bool ValidDeck(int deck) {
  return deck >= 0 && deck <= kFaceDecks;
}

bool ValidCard(TCardCode card) {
  return card.rank >= 1 && card.rank <= kRanks && card.suit >= 1 && card.suit <= kSuits;
}

constexpr int kAceRank = 9;

}  // namespace

std::string_view PackForDownloadCode(int code) {
  for (const DownloadCode& d : kDownloads) {
    if (d.code == code) return d.file;
  }
  return {};
}

int DownloadCodeOf(std::string_view packFile) {
  for (const DownloadCode& d : kDownloads) {
    if (d.file == packFile) return d.code;
  }
  return 0;
}

std::string_view PackForDeck(int deck) {
  if (deck >= 1 && deck <= 31) return kPackCardsA;
  if (deck >= 32 && deck <= 39) return kPackCardsB;
  if (deck >= 40 && deck <= 47) return kPackCardsC;
  return {};
}

std::string_view DeckCode(int deck) {
  return ValidDeck(deck) ? kDeckCodes[static_cast<std::size_t>(deck)] : std::string_view{};
}

std::string_view FaceCode(int deck, TCardCode) {
  return DeckCode(deck);
}

bool IsNarrowDeck(int deck) {
  return (deck >= 28 && deck <= 39) || (deck >= 41 && deck <= 44) || deck == 46 || deck == 47;
}

std::string FaceName(int deck, TCardCode card, bool large) {
  if (!ValidDeck(deck) || !ValidCard(card)) return {};
  std::string name(kSuitPrefix[card.suit]);
  name += kRankCode[card.rank];
  name += FaceCode(deck, card);
  if (large) name += 'B';
  return name;
}

std::string FormerFaceName(int deck, TCardCode card, bool large) {
  if (!ValidDeck(deck) || !ValidCard(card)) return {};
  for (const Borrowing& b : kFormerBorrowings) {
    if (b.deck != deck) continue;
    std::string name(kSuitPrefix[card.suit]);
    name += kRankCode[card.rank];
    name += card.rank == kAceRank ? b.aces : b.lower;
    if (large) name += 'B';
    return name;
  }
  return {};
}

std::string_view BackDesignCode(int design) {
  return design >= 0 && design <= kBackDesigns ? kBackCodes[static_cast<std::size_t>(design)]
                                               : std::string_view{};
}

int BackPictureCount(int design) {
  if (design < 0 || design > kBackDesigns) return 0;
  return design >= 8 && design <= 11 ? 10 : 7;
}

std::string BackPictureName(int picture) {
  if (picture < 1 || picture > 10) return {};
  return std::string(kBackPictureNames[static_cast<std::size_t>(picture)]);
}

std::string BackName(int design, int picture, BackSize size) {
  if (picture < 1 || picture > BackPictureCount(design)) return {};
  std::string name(kBackPictureNames[static_cast<std::size_t>(picture)]);
  name += BackDesignCode(design);
  if (size == BackSize::kLargeWide) name += 'B';
  if (size == BackSize::kLargeNarrow) name += 'U';
  return name;
}

std::string_view PackForBack(int design, BackSize size) {
  if (design < 0 || design > kBackDesigns) return {};
  if (design == 0 && size != BackSize::kLargeNarrow) return {};
  return kPackCardsB;
}

int ChooseBackPicture(int weekday, bool alwaysOne, int design, int random1To10) {
  int picture = std::clamp(weekday, 1, 7);
  if (alwaysOne) picture = 7;
  if (BackPictureCount(design) == 10) picture = std::clamp(random1To10, 1, 10);
  return picture;
}

bool IsOwnBackground(int background, int colour) {
  return background == 2 && colour == 0;
}

std::string_view BackgroundColourCode(int colour) {
  return colour >= 0 && colour < kBackgroundColours ? kColourCodes[static_cast<std::size_t>(colour)]
                                                    : std::string_view{};
}

std::string BackgroundName(int background, int colour, int windowSize) {
  if (background < 1 || background > kBackgrounds || BackgroundColourCode(colour).empty()) {
    return {};
  }
  const std::string suffix = windowSize == kSmallWindow ? "" : "B";
  if (IsOwnBackground(background, colour)) return "FonG" + suffix;
  std::string name = "Fon";
  name += static_cast<char>('0' + background / 10);
  name += static_cast<char>('0' + background % 10);
  name += BackgroundColourCode(colour);
  return name + suffix;
}

std::string_view PackForBackground(int background, int colour) {
  return IsOwnBackground(background, colour) ? std::string_view{} : kPackBackgrounds;
}

Rgb CaptionColourPixel(Rgb p, int captionColour) {
  switch (captionColour) {
    case 2: {
      if (!(p.g < p.r && p.b < p.r)) return p;
      const int b = RoundHalfEven(0.7 * std::min(p.b, p.g));
      return {p.r, b + RoundHalfEven(0.4 * std::abs(p.r - b)), b};
    }
    case 3:
      return {p.r, p.r, p.b};
    case 4:
      return {p.g, p.r, p.b};
    case 5:
      return {p.b, p.r, p.r};
    case 6:
      return {p.b, p.g, p.r};
    case 7:
      return {p.r, p.g, p.r};
    default:
      return p;
  }
}

int NextCaptionColour(int captionColour) {
  return captionColour >= 1 && captionColour < 7 ? captionColour + 1 : 1;
}

}  // namespace zendral
