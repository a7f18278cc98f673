#pragma once
// Where the main menu's ornaments stand at a window size: the two animated pictures, the side
// decorations with their three lamp cells, the two clocks (only in the large windows) and the
// two icon columns; and which lamp pictures the menu's animation shows at each phase. Pure
// functions of the scale, the menu layout and the client area.

#include <array>

#include "app/main/MenuLayout.h"
#include "present/geometry/TableScale.h"

namespace zendral {

// Sizes in pixels that stay the same at every window size.
inline constexpr int kGifWidth = 160;
inline constexpr int kGifHeight = 200;
inline constexpr int kDecorationWidth = 100;
inline constexpr int kDecorationHeight = 200;
inline constexpr int kLampWidth = 20;
inline constexpr int kLampHeight = 30;
inline constexpr int kLampPictures = 6;
inline constexpr int kClockWidth = 115;
inline constexpr int kClockHeight = 64;
inline constexpr int kMenuIconSize = 48;
inline constexpr int kMenuIconRows = 5;

// The time clock draws its pictures only from this picture scale on.
inline constexpr double kTimeClockMinScale = 1.6;
// The store icon needs at least this picture scale.
inline constexpr double kStoreIconMinScale = 1.3;

// The top left corners of the three lamp cells inside a decoration.
inline constexpr std::array<PixelPoint, 3> kLampCells{{{16, 15}, {41, 1}, {66, 15}}};

struct MenuOrnaments {
  PixelRect gif1;             // RxGIFAn1, "GifMenu1"
  PixelRect gif2;             // RxGIFAn2, "GifMenu2"
  PixelRect leftDecoration;   // ImageSvLeft
  PixelRect rightDecoration;  // ImageSvRight
  bool clocksShown = false;
  PixelRect clock1;  // ImClock1, the time
  PixelRect clock2;  // ImClock2, the indicator
};

// An element of a fixed pixel size centred in the place that the scaled design position gives
// it: x = round(ScaleX * x) + round((ScaleX - 1) * width / 2), y likewise.
PixelRect PlaceFixedSize(const TableScale& scale, int x, int y, int width, int height);

// Whether the window is large enough for the two clocks: the average window 2 and the large
// window, or the full screen with a client area above 1290 x 850.
bool ClocksAllowed(int windowSize, ClientSize client);

// The ornaments for a scale. The decorations move 20 units outwards while the calendar shows.
MenuOrnaments PlaceOrnaments(const TableScale& scale, const MenuLayout& menu, bool calendarShown,
                             ClientSize client);

// The icon at a row (1..5) of the left or the right column; icons are not scaled.
PixelRect MenuIconPlace(bool rightColumn, int row, int clientWidth);

// The news icon (left) or the chat icon (right): beside "New Player" with a gap of ten pixels,
// level with the middle of "Exit" and never below the client area.
PixelRect ChatNewsIconPlace(const MenuLayout& menu, bool chat, int clientHeight);

// The online music player's three buttons and the radio icon: each stands where it fits
// beside the menu's other controls, shrunk to the room there is (never below a size a player
// can still hit), and is left out where no room is (the pop-up menu still reaches the radio).
// The music buttons take the room under the left animation, left of the news icon; the radio
// the room between the left buttons and the animation, or else the rest of the room under the
// animation. `radioWidth` x `radioHeight` is the radio's full
// size, kept in proportion.
inline constexpr int kMediaMargin = 4;  // the least distance to a neighbour or the edge
inline constexpr int kMusicButtonLargest = 61;
inline constexpr int kMusicButtonSmallest = 30;
inline constexpr int kRadioSmallestHeight = 34;
struct MediaPlaces {
  bool musicShown = false;
  std::array<PixelRect, 3> music;  // play, next, volume
  bool radioShown = false;
  PixelRect radio;
};
MediaPlaces PlaceMedia(const MenuLayout& menu, const MenuOrnaments& ornaments, ClientSize client,
                       int radioWidth, int radioHeight);

// Whether the store icon stands in the left column's fifth row.
bool StoreIconShown(double pictureScale, bool storeAddressKnown);

// The lamp pictures (0..5) of the three cells of each decoration at a phase 0..5 of the menu's
// animation; a phase outside counts modulo 6.
struct LampPictures {
  std::array<int, 3> left;
  std::array<int, 3> right;
};
LampPictures LampsAtPhase(int phase);
// The phase after this one: 0, 1, ... 5, 0, ...
int NextLampPhase(int phase);

}  // namespace zendral
