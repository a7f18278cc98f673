#pragma once
// Where the elements of the main menu stand at a window size: design units of the 760 x 500
// window turned into pixels (x, y and widths by ScaleX and ScaleY, rounded halves to even;
// the row height h = round(30 * PictureScale)). The title pictures go through ScaleLeft,
// ScaleTop and ScaleLength like the table's elements.

#include <array>

#include "present/geometry/TablePlacement.h"
#include "present/geometry/TableScale.h"

namespace zendral {

struct MenuLayout {
  int rowHeight = 30;                // h
  PixelRect caption;                 // ImCaption, the title "Cap…"
  PixelRect title;                   // ImTitle, "GTitle"
  PixelRect clubTitle;               // ImElite, "Elite…" / "Net__…"
  PixelRect header;                  // Panel4, the club list header
  std::array<PixelRect, 5> members;  // Button1 … Button5
  PixelRect newPlayer;               // Button6
  PixelRect topTen;                  // Button9
  PixelRect options;                 // Button10
  PixelRect history;                 // BHistory
  PixelRect mode;                    // BMode
  PixelRect exit;                    // Button11
};

MenuLayout PlaceMenu(const TableScale& scale);

}  // namespace zendral
