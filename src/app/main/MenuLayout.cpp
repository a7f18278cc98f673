#include "app/main/MenuLayout.h"

namespace zendral {

namespace {

int X(const TableScale& s, int x) {
  return RoundHalfEven(s.scaleX * x);
}
int Y(const TableScale& s, int y) {
  return RoundHalfEven(s.scaleY * y);
}

// A button of the menu: its left, top and width in design units, one row high.
PixelRect Row(const TableScale& s, int x, int top, int width, int h) {
  return {X(s, x), top, X(s, width), h};
}

}  // namespace

MenuLayout PlaceMenu(const TableScale& s) {
  MenuLayout m;
  const int h = s.Length(30);
  m.rowHeight = h;
  m.caption = PlaceRect(s, {180, 12, 180 + 400, 12 + 70});
  m.title = {X(s, 230), Y(s, 90) - s.Length(5), X(s, 300), 3 * h};
  m.clubTitle = PlaceRect(s, {205, 183, 205 + 350, 183 + 40});

  const int listTop = Y(s, 265);
  m.header = Row(s, 180, listTop - h - s.Length(10), 400, h);
  for (int k = 0; k < 5; ++k)
    m.members[static_cast<std::size_t>(k)] = Row(s, 180, listTop + k * h, 400, h);
  m.newPlayer = Row(s, 280, listTop + 5 * h + s.Length(10), 200, h);
  m.topTen = Row(s, 40, Y(s, 225), 100, h);
  m.options = Row(s, 620, Y(s, 225), 100, h);
  m.history = Row(s, 40, Y(s, 255), 100, h);
  m.mode = Row(s, 620, Y(s, 255), 100, h);
  m.exit = Row(s, 330, Y(s, 465), 100, h);
  return m;
}

}  // namespace zendral
