#include "app/main/MenuGeometry.h"

#include <algorithm>

namespace zendral {

namespace {

// The right decoration's cells, phase by phase; the left one shows p, p + 1 and p + 2.
constexpr std::array<std::array<int, 3>, kLampPictures> kRightLamps{{
    {2, 0, 3},
    {1, 5, 0},
    {0, 1, 4},
    {5, 4, 1},
    {4, 2, 5},
    {3, 3, 2},
}};

int Phase(int phase) {
  const int p = phase % kLampPictures;
  return p < 0 ? p + kLampPictures : p;
}

}  // namespace

PixelRect PlaceFixedSize(const TableScale& s, int x, int y, int width, int height) {
  return {RoundHalfEven(s.scaleX * x) + RoundHalfEven((s.scaleX - 1.0) * width / 2.0),
          RoundHalfEven(s.scaleY * y) + RoundHalfEven((s.scaleY - 1.0) * height / 2.0), width,
          height};
}

bool ClocksAllowed(int windowSize, ClientSize client) {
  if (windowSize == kAverageWindow2 || windowSize == kLargeWindow) return true;
  return windowSize == kFullScreen && client.width > 1290 && client.height > 850;
}

MenuOrnaments PlaceOrnaments(const TableScale& s, const MenuLayout& menu, bool calendarShown,
                             ClientSize client) {
  MenuOrnaments o;
  o.gif1 = PlaceFixedSize(s, 7, 290, kGifWidth, kGifHeight);
  o.gif2 = PlaceFixedSize(s, 592, 290, kGifWidth, kGifHeight);
  o.leftDecoration =
      PlaceFixedSize(s, calendarShown ? 40 : 60, 30, kDecorationWidth, kDecorationHeight);
  o.rightDecoration =
      PlaceFixedSize(s, calendarShown ? 620 : 600, 30, kDecorationWidth, kDecorationHeight);
  o.clocksShown = ClocksAllowed(s.windowSize, client);
  // Each clock stands in the middle of the gap between its decoration and the button below.
  const auto clockUnder = [](const PixelRect& decoration, const PixelRect& button) {
    const int bottom = decoration.top + kDecorationHeight;
    const int gap = button.top - bottom;
    return PixelRect{decoration.left - 7, bottom + RoundHalfEven(gap / 2.0) - 36, kClockWidth,
                     kClockHeight};
  };
  o.clock1 = clockUnder(o.leftDecoration, menu.topTen);
  o.clock2 = clockUnder(o.rightDecoration, menu.options);
  return o;
}

PixelRect MenuIconPlace(bool rightColumn, int row, int clientWidth) {
  const int x = rightColumn ? clientWidth - 53 : 5;
  return {x, 5 + (row - 1) * 53, kMenuIconSize, kMenuIconSize};
}

bool StoreIconShown(double pictureScale, bool storeAddressKnown) {
  return storeAddressKnown && pictureScale >= kStoreIconMinScale - 1e-9;
}

LampPictures LampsAtPhase(int phase) {
  const int p = Phase(phase);
  return {{p, (p + 1) % kLampPictures, (p + 2) % kLampPictures},
          kRightLamps[static_cast<std::size_t>(p)]};
}

int NextLampPhase(int phase) {
  return Phase(phase + 1);
}

PixelRect ChatNewsIconPlace(const MenuLayout& menu, bool chat, int clientHeight) {
  constexpr int kGap = 10;
  const PixelRect& beside = menu.newPlayer;
  const int left = chat ? beside.left + beside.width + kGap : beside.left - kGap - kMenuIconSize;
  const int middle = menu.exit.top + menu.exit.height / 2;
  const int top = std::min(middle - kMenuIconSize / 2, clientHeight - kMenuIconSize - 2);
  return {left, top, kMenuIconSize, kMenuIconSize};
}

namespace {

// The largest rectangle of the radio's proportions inside a room, centred on `centreX` as far
// as the room allows and in the room's vertical middle; height 0 when it would be too small.
PixelRect RadioIn(const PixelRect& room, int centreX, int fullWidth, int fullHeight) {
  if (room.width <= 0 || room.height <= 0 || fullWidth <= 0 || fullHeight <= 0) return {};
  int height = std::min(fullHeight, room.height);
  int width = height * fullWidth / fullHeight;
  if (width > room.width) {
    width = room.width;
    height = width * fullHeight / fullWidth;
  }
  if (height < kRadioSmallestHeight) return {};
  const int left = std::clamp(centreX - width / 2, room.left, room.Right() - width);
  return {left, room.top + (room.height - height) / 2, width, height};
}

}  // namespace

MediaPlaces PlaceMedia(const MenuLayout& menu, const MenuOrnaments& o, ClientSize client,
                       int radioWidth, int radioHeight) {
  constexpr int m = kMediaMargin;
  constexpr int kGap = 4;  // between the music buttons
  MediaPlaces places;
  const PixelRect news = ChatNewsIconPlace(menu, false, client.height);
  // Under the left animation, up to the news icon.
  const int underTop = o.gif1.top + o.gif1.height + m;
  PixelRect under{m, underTop, news.left - 2 * m, client.height - m - underTop};
  const int side = std::min(kMusicButtonLargest, under.height);
  if (side >= kMusicButtonSmallest && 3 * side + 2 * kGap + 2 * m <= under.width) {
    places.musicShown = true;
    const int top = under.top + under.height - side;
    for (int k = 0; k < 3; ++k) {
      places.music[static_cast<std::size_t>(k)] = {2 * m + k * (side + kGap), top, side, side};
    }
    const int musicRight = places.music[2].Right();
    under.width -= musicRight + 2 * m - under.left;
    under.left = musicRight + 2 * m;
  }
  // Between the left buttons and the animation, left of the club list.
  const int buttonsBottom =
      std::max(menu.history.top + menu.history.height, menu.topTen.top + menu.topTen.height);
  const PixelRect between{m, buttonsBottom + m, menu.members[0].left - 2 * m,
                          o.gif1.top - m - (buttonsBottom + m)};
  const PixelRect first = RadioIn(between, o.gif1.left + o.gif1.width / 2, radioWidth, radioHeight);
  const PixelRect second = RadioIn(under, under.left + under.width / 2, radioWidth, radioHeight);
  // The room between is the radio's own place; the room under the animation only stands in.
  const PixelRect& radio = first.height > 0 ? first : second;
  if (radio.height > 0) {
    places.radioShown = true;
    places.radio = radio;
  }
  return places;
}

}  // namespace zendral
