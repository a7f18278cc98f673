#pragma once
// Where every element of the table stands at the current scale (PlaceTable), and the
// parts inside the panels: text bands, the turn marker, the bank picture.

#include <string>

#include "game/Card.h"
#include "game/Seats.h"
#include "present/geometry/TableScale.h"

namespace zendral {

struct PixelPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(PixelPoint, PixelPoint) = default;
};

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int Right() const { return left + width; }  // first column past the rectangle
  int Bottom() const { return top + height; }
  bool IsEmpty() const { return width <= 0 || height <= 0; }
  bool Contains(int x, int y) const { return x >= left && x < Right() && y >= top && y < Bottom(); }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A rectangle in design units, (left, top) - (right, bottom).
struct DesignRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The pixel rectangle of a design rectangle: the position through ScaleLeft and ScaleTop,
// the size through ScaleLength.
PixelRect PlaceRect(const TableScale& scale, DesignRect design);

struct TablePlacement {
  SeatArray<PixelRect> hand;       // ImageCards1, ImageCards2; as high as a card
  SeatArray<PixelRect> scoreTab;   // ImageTab1, ImageTab2
  SeatArray<PixelRect> namePlate;  // ImageSay1, ImageSay2
  SeatArray<PixelRect> moveClock;  // ImTimer1, ImTimer2 (tournament tables only)
  PixelRect layout;                // ImageStol
  PixelRect konPanel;              // ImageKon
  PixelRect chatPanel;             // ImageMemo
  PixelRect chatInput;             // Edit1
  int chatFontHeight = 14;
  PixelRect sendButton;  // BitBtn1
  PixelRect mainButton;  // Button7
  PixelRect exitButton;  // Button8
  int buttonFontHeight = 16;
};

// PlaceTable: every element of the table for the scale and the card size in use.
TablePlacement PlaceTable(const TableScale& scale, const CardMetrics& card);

// The hand area's fan width in pixels (430 units).
int HandFanWidth(const TableScale& scale);

// Layout: the place of the card of suit row 1..4 and rank column 1..9 within the layout
// area. Rows are drawn spades, clubs, diamonds, hearts so that each row covers the lower
// part of the row above it; within a row from the six to the ace.
PixelPoint LayoutCellOffset(const TableScale& scale, int row, int col);
inline constexpr int kLayoutRowDrawOrder[kSuits] = {kSpades, kClubs, kDiamonds, kHearts};

// Text placement: a text centred between two x positions starts at the left one plus half
// of the free width, truncated toward zero.
int CentredTextLeft(int left, int right, int textWidth);

// A line of text inside a panel: centred between left and right, its top at top, drawn with
// a font whose cell height is cellHeight pixels (all relative to the panel).
struct TextBand {
  int left = 0;
  int right = 0;
  int top = 0;
  int cellHeight = 0;

  PixelRect Field() const { return {left, top, right - left, cellHeight}; }
};

// Score tab: the session score across the first 155 units, this kon's fines and penalty
// below it, and the turn marker at (18, 54).
struct ScoreTabParts {
  TextBand score;
  TextBand fines;
  TextBand penalty;
  PixelRect marker;
};
ScoreTabParts ScoreTabLayout(const TableScale& scale, int largeFontPercent);

// The field values with a meaning of their own.
inline constexpr int kClearField = -1000000;  // restore the background only
inline constexpr int kKeepField = -2000000;   // leave the field as it is

// The score as the tab shows it: "+" before a positive value.
std::string ScoreText(int score);

// Kon panel: the kon line, the bank line, and the bank picture below them.
struct KonPanelParts {
  TextBand konLine;
  TextBand bankLine;
  PixelRect bankPicture;
};
// pictureWidth, pictureHeight: the bank picture's own size, used at PictureScale 2 and above.
KonPanelParts KonPanelLayout(const TableScale& scale, int largeFontPercent, int panelWidth,
                             int pictureWidth, int pictureHeight);

// Name plate: the name centred across the plate at one of three cell heights, the first
// whose text is no wider than 150 units.
struct NamePlateParts {
  int plateWidth = 0;
  int maxTextWidth = 0;
  int cellHeights[3] = {};
};
NamePlateParts NamePlateLayout(const TableScale& scale, int smallFontPercent);

}  // namespace zendral
