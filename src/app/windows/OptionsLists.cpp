#include "app/windows/OptionsLists.h"

#include <array>

#include "present/words/WordRows.h"
#include "store/Settings.h"

namespace zendral {

namespace {

constexpr std::array<const TWordRow*, 5> kWindowSizes = {&kWordSmallWindow, &kWordFullScreen,
                                                         &kWordAverageWindow1, &kWordAverageWindow2,
                                                         &kWordLargeWindow};

// In the order of the decks' codes (Med, Mod, Anc, ... Cze).
constexpr std::array<const TWordRow*, kDeckChoices> kDecks = {&kWordDeckClassical1,
                                                              &kWordDeckMedieval1,
                                                              &kWordDeckModern,
                                                              &kWordDeckAncientEgypt,
                                                              &kWordDeckBaronesse,
                                                              &kWordDeckCeltic,
                                                              &kWordDeckCorona,
                                                              &kWordDeckCrown,
                                                              &kWordDeckEnglishPattern,
                                                              &kWordDeckFrankfurt,
                                                              &kWordDeckHistoricalCostumes,
                                                              &kWordDeckNativeAmericans,
                                                              &kWordDeckOldGardenRoses,
                                                              &kWordDeckParrots,
                                                              &kWordDeckRoyal,
                                                              &kWordDeckShakespeare,
                                                              &kWordDeckBigBen,
                                                              &kWordDeckFourReigns,
                                                              &kWordDeckLargePrintLondon,
                                                              &kWordDeckClassical2,
                                                              &kWordDeckHearts,
                                                              &kWordDeckSeasons,
                                                              &kWordDeckRhineStyle,
                                                              &kWordDeckMedieval2,
                                                              &kWordDeckDoods,
                                                              &kWordDeckPlayboy,
                                                              &kWordDeckEpic,
                                                              &kWordDeckUssr,
                                                              &kWordDeckPlastic,
                                                              &kWordDeckSkatGerman,
                                                              &kWordDeckSkatTournament,
                                                              &kWordDeckSkatFrench,
                                                              &kWordDeckWhitePalekh,
                                                              &kWordDeckDiana,
                                                              &kWordDeckPrincely,
                                                              &kWordDeckForSolitaires,
                                                              &kWordDeckSatin,
                                                              &kWordDeckSlavic,
                                                              &kWordDeckMaya,
                                                              &kWordDeckBast,
                                                              &kWordDeckFrench,
                                                              &kWordDeckSpanish1,
                                                              &kWordDeckSpanish2,
                                                              &kWordDeckSpanish3,
                                                              &kWordDeckSpanish4,
                                                              &kWordDeckChinese,
                                                              &kWordDeckItalian,
                                                              &kWordDeckCzech};

// Back 0 is the program's own set; 1..12 follow the design codes Cl1, Cl2, Car, Cro, Che, Dia,
// Kni, Ani, Flo, Pla, Oth, Rus.
constexpr std::array<const TWordRow*, kBackChoices> kBacks = {
    &kWordDefault,     &kWordDeckClassical1, &kWordDeckClassical2, &kWordCarpet,
    &kWordBackCross,   &kWordBackChess,      &kWordBackDiamond,    &kWordBackKnightly,
    &kWordBackAnimals, &kWordBackFlowers,    &kWordBackPlaces,     &kWordBackOther,
    &kWordDeckRussian};

constexpr std::array<const TWordRow*, 10> kBackgrounds = {
    &kWordBgSun,  &kWordBgFelt,   &kWordBgGradient, &kWordBgCloth, &kWordCarpet,
    &kWordBgTree, &kWordBgCasino, &kWordBgPattern,  &kWordBgSilk,  &kWordBgOrnament};

constexpr std::array<const TWordRow*, 7> kBackgroundColours = {
    &kWordColourGreen,     &kWordColourRed,      &kWordColourOrange, &kWordColourYellow,
    &kWordColourLightBlue, &kWordColourDarkBlue, &kWordColourViolet};

constexpr std::array<const TWordRow*, 2> kDesigns = {&kWordCustomizable, &kWordPurple};

constexpr std::array<const TWordRow*, 4> kWindowDesigns = {
    &kWordGrayAristocratic, &kWordGrayConcise, &kWordGrayRedRibbons, &kWordPurple};

constexpr int kPurpleWindows = 3;
constexpr std::array<int, 3> kLookOfEntry = {2, 1, 3};

}  // namespace

std::span<const TWordRow* const> WindowSizeEntries() {
  return kWindowSizes;
}
std::span<const TWordRow* const> DeckEntries() {
  return kDecks;
}
std::span<const TWordRow* const> BackEntries() {
  return kBacks;
}
std::span<const TWordRow* const> BackgroundEntries() {
  return kBackgrounds;
}
std::span<const TWordRow* const> BackgroundColourEntries() {
  return kBackgroundColours;
}
std::span<const TWordRow* const> DesignEntries() {
  return kDesigns;
}
std::span<const TWordRow* const> WindowDesignEntries() {
  return kWindowDesigns;
}

int WindowDesignEntry(const Settings& settings) {
  if (settings.CustomDesign) return kPurpleWindows;
  if (settings.WindowLook == 1) return 1;
  if (settings.WindowLook == 3) return 2;
  return 0;
}

void ApplyWindowDesignEntry(Settings& settings, int entry) {
  if (entry == kPurpleWindows) {
    settings.CustomDesign = true;
    return;
  }
  if (entry < 0 || entry >= static_cast<int>(kLookOfEntry.size())) return;
  settings.CustomDesign = false;
  settings.WindowLook = kLookOfEntry[static_cast<std::size_t>(entry)];
}

int ModificationEntry(const Settings& settings) {
  if (IsBackCollection(settings.BackDeck)) return kRandomBack;
  return settings.BackAlwaysOne ? kAlwaysOne : kChangeDecks;
}

}  // namespace zendral
