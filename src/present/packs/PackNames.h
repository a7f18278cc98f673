#pragma once
// The names of the resource packs and of the pictures in them: which pack holds a deck, a back
// design or a background, and the resource name of every picture. Pure functions of the
// settings' values; the loading is PackFile's.

#include <string>
#include <string_view>

#include "game/Card.h"

namespace zendral {

// The pack files, kept in the program folder or in its parent folder.
inline constexpr std::string_view kPackCardsA = "KovCards06A.dll";  // faces 1-31
inline constexpr std::string_view kPackCardsB = "KovCards06B.dll";  // faces 32-39, backs 1-12
inline constexpr std::string_view kPackCardsC = "KovCards06C.dll";  // faces 40-47
inline constexpr std::string_view kPackBackgrounds = "KovBackG03.dll";
inline constexpr std::string_view kPackGraphics = "KovCGraph1.dll";
inline constexpr std::string_view kPackVoice = "KovCVoice3.dll";
inline constexpr std::string_view kPackCalendar = "KovCalendar01.dll";
inline constexpr std::string_view kPackRadio = "KovRadio02.dll";
inline constexpr std::string_view kRadioListFile = "KovRadio.rad";

inline constexpr int kFaceDecks = 47;    // CardDeck 1..47 come from packs; 0 is the program's
inline constexpr int kBackDesigns = 12;  // BackDeck 1..12 come from pack B; 0 is the program's
inline constexpr int kBackgrounds = 10;
inline constexpr int kBackgroundColours = 7;

// The file a download code (1..9) fetches; empty for an unknown code.
std::string_view PackForDownloadCode(int code);
// The download code of a pack file; 0 for a file that is not downloaded.
int DownloadCodeOf(std::string_view packFile);

// ---- Card faces

// The pack that holds deck 1..47; empty for deck 0 and unknown decks.
std::string_view PackForDeck(int deck);
// The deck's own code ("Med", ..., deck 40 "Fra" again); empty for deck 0 and unknown decks.
std::string_view DeckCode(int deck);
// The code of the pictures of a card: every deck draws its own.
std::string_view FaceCode(int deck, TCardCode card);
// Narrow decks have cards 61 units wide instead of 71.
bool IsNarrowDeck(int deck);
// The resource name of a face: suit prefix, rank code, the deck's code, "B" for the large set.
// Deck 0 has no code ("Ch06", "Pi5AB"). Empty for an empty card or an unknown deck.
std::string FaceName(int deck, TCardCode card, bool large);
// Packs made before every deck had pictures of its own showed a few decks with another deck's
// cards six to king or aces: the name such an older pack holds the card under, so a pack a
// player downloaded then still shows the deck. Empty for the decks that always had their own.
std::string FormerFaceName(int deck, TCardCode card, bool large);

// ---- Card backs

// Which set of a back design: the small one, the large one of wide decks, the large one of
// narrow decks.
enum class BackSize { kSmall, kLargeWide, kLargeNarrow };

std::string_view BackDesignCode(int design);  // "Cl1" ... "Rus"; empty for design 0
// Designs 8 to 11 are collections of ten pictures; the others have seven, one a weekday.
int BackPictureCount(int design);
// The name of picture 1..10 without design code or size: "Ob01Mo" ... "Ob07Su", "Ob08XX",
// "Ob09XX", "Ob10XX"; empty for any other number.
std::string BackPictureName(int picture);
// "Ob01Mo" ... "Ob07Su", "Ob08XX" ... "Ob10XX", the design's code and the size suffix (none,
// "B", "U"). Empty for a picture the design does not have.
std::string BackName(int design, int picture, BackSize size);
// The pack of a back picture; empty for the program's own (design 0, small or large wide).
std::string_view PackForBack(int design, BackSize size = BackSize::kSmall);

// The back of a kon: the weekday (1 Monday ... 7 Sunday), 7 with "Always one", and for the
// collections the random number 1..10 instead.
int ChooseBackPicture(int weekday, bool alwaysOne, int design, int random1To10);

// ---- Backgrounds

// Background 2 in colour 0 is the program's own felt ("FonG"); every other one is a JPEG of the
// backgrounds pack.
bool IsOwnBackground(int background, int colour);
std::string_view BackgroundColourCode(int colour);  // "Gr" ... "Fi"
// "Fon" + two digits + colour code, "B" for every window size but the small one; the own
// felt is "FonG" / "FonGB". Empty for values out of range.
std::string BackgroundName(int background, int colour, int windowSize);
std::string_view PackForBackground(int background, int colour);

// ---- The main menu's title pictures

struct Rgb {
  int r = 0, g = 0, b = 0;
  friend bool operator==(Rgb, Rgb) = default;
};
// The colour variant of a title picture's pixel; CaptionColour 1 (and any unknown value)
// leaves it as it is.
Rgb CaptionColourPixel(Rgb pixel, int captionColour);
// The next variant after a click on the title: 1 -> 2 -> ... -> 7 -> 1.
int NextCaptionColour(int captionColour);

}  // namespace zendral
