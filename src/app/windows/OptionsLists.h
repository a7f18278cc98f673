#pragma once
// The entries of the Options window's lists, in the order of the values they stand for, and the
// mapping between the entries and the settings where it is not "entry = value".

#include <span>

#include "present/words/Words.h"

namespace zendral {

struct Settings;

// Entry k = WindowSize k + 1: "Small window", "Full screen", "Average window 1", ...
std::span<const TWordRow* const> WindowSizeEntries();
// Entry k = CardDeck k (0..47): "Classical-1", "Medieval-1", "Modern", ...
std::span<const TWordRow* const> DeckEntries();
// Entry k = BackDeck k (0..12): the program's own weekday backs, then the twelve designs.
std::span<const TWordRow* const> BackEntries();
// Entry k = Background k + 1: "Sun", "Felt", ...
std::span<const TWordRow* const> BackgroundEntries();
// Entry k = BackgroundColour k: "Green", "Red", "Orang", ...
std::span<const TWordRow* const> BackgroundColourEntries();
// Entry k = MainMenuDesign / TableDesign k: "Customizable", "Purple".
std::span<const TWordRow* const> DesignEntries();
// "Gray aristocratic" (look 2), "Gray concise" (look 1), "Gray with red ribbons" (look 3),
// "Purple" (CustomDesign).
std::span<const TWordRow* const> WindowDesignEntries();

inline constexpr int kDeckChoices = 48;
inline constexpr int kBackChoices = 13;

// Back designs 8 to 11 are collections of ten pictures: their backs are always random.
constexpr bool IsBackCollection(int back) {
  return back >= 8 && back <= 11;
}

// The "Auxiliary Window Design" entry of the settings, and the settings of an entry.
int WindowDesignEntry(const Settings& settings);
void ApplyWindowDesignEntry(Settings& settings, int entry);

// The "Modification" entry: 0 "To change decks", 1 "Always one", 2 "Random".
inline constexpr int kChangeDecks = 0;
inline constexpr int kAlwaysOne = 1;
inline constexpr int kRandomBack = 2;
int ModificationEntry(const Settings& settings);

}  // namespace zendral
