#include "present/geometry/TablePlacement.h"

namespace zendral {

namespace {

constexpr DesignRect kHand[] = {{165, 10, 595, 106}, {165, 394, 595, 490}};
constexpr DesignRect kScoreTab[] = {{8, 10, 163, 105}, {8, 395, 163, 490}};
constexpr DesignRect kNamePlate[] = {{295, 115, 455, 135}, {295, 370, 455, 390}};
constexpr DesignRect kLayout{175, 150, 175 + 410, 150 + 200};
constexpr DesignRect kKonPanel{25, 180, 25 + 120, 180 + 150};
constexpr DesignRect kChatPanel{610, 150, 610 + 130, 150 + 90};
// The two buttons stand in the free column right of the local player's hand, in line with
// the chat panel above them.
constexpr DesignRect kMainButton{610, 402, 740, 436};
constexpr DesignRect kExitButton{610, 450, 740, 484};

// Y of each suit row in the layout, by row 1..4 (hearts, diamonds, clubs, spades).
constexpr int kLayoutRowY[] = {0, 100, 67, 33, 0};
constexpr int kLayoutColumnStep = 42;

}  // namespace

PixelRect PlaceRect(const TableScale& scale, DesignRect d) {
  const int w = d.right - d.left;
  const int h = d.bottom - d.top;
  return {scale.Left(d.left, w), scale.Top(d.top, h), scale.Length(w), scale.Length(h)};
}

int HandFanWidth(const TableScale& scale) {
  return scale.Length(430);
}

TablePlacement PlaceTable(const TableScale& scale, const CardMetrics& card) {
  TablePlacement p;
  for (int seat : {kSeat1, kSeat2}) {
    p.hand[seat] = PlaceRect(scale, kHand[seat - 1]);
    p.hand[seat].height = card.height;
    p.scoreTab[seat] = PlaceRect(scale, kScoreTab[seat - 1]);
    p.namePlate[seat] = PlaceRect(scale, kNamePlate[seat - 1]);
    const PixelRect& plate = p.namePlate[seat];
    p.moveClock[seat] = {plate.Right() + scale.Length(10), plate.top, plate.height, plate.height};
  }
  p.layout = PlaceRect(scale, kLayout);
  p.konPanel = PlaceRect(scale, kKonPanel);
  p.chatPanel = PlaceRect(scale, kChatPanel);

  const PixelRect& chat = p.chatPanel;
  const int button = scale.Length(35);
  p.chatInput = {chat.left,
                 chat.Bottom() + scale.Length(1) + RoundHalfEven((button - scale.Length(20)) / 2.0),
                 chat.width - scale.Length(36), scale.Length(20)};
  p.chatFontHeight = scale.Length(14);
  p.sendButton = {chat.Right() - button, chat.Bottom() + scale.Length(1), button, button};

  p.mainButton = PlaceRect(scale, kMainButton);
  p.exitButton = PlaceRect(scale, kExitButton);
  p.buttonFontHeight = scale.Length(16);
  return p;
}

PixelPoint LayoutCellOffset(const TableScale& scale, int row, int col) {
  if (row < 1 || row > kSuits || col < 1 || col > kRanks) return {};
  return {scale.Length(kLayoutColumnStep * (col - 1)), scale.Length(kLayoutRowY[row])};
}

int CentredTextLeft(int left, int right, int textWidth) {
  return left + (right - left - textWidth) / 2;  // integer division truncates toward zero
}

ScoreTabParts ScoreTabLayout(const TableScale& scale, int largeFontPercent) {
  ScoreTabParts t;
  const int big = RoleFontSize(scale.Length(30), largeFontPercent);
  const int small = RoleFontSize(scale.Length(20), largeFontPercent);
  t.score = {0, scale.Length(155), scale.Length(16), big};
  t.fines = {scale.Length(105), scale.Length(142), scale.Length(54), small};
  t.penalty = {scale.Length(55), scale.Length(100), scale.Length(54), small};
  t.marker = {scale.Length(18), scale.Length(54), scale.Length(30), scale.Length(20)};
  return t;
}

std::string ScoreText(int score) {
  std::string text = std::to_string(score);
  if (score > 0) text.insert(text.begin(), '+');
  return text;
}

KonPanelParts KonPanelLayout(const TableScale& scale, int largeFontPercent, int panelWidth,
                             int pictureWidth, int pictureHeight) {
  KonPanelParts k;
  const int cell = RoleFontSize(scale.Length(28), largeFontPercent);
  k.konLine = {0, panelWidth, scale.Length(14), cell};
  k.bankLine = {0, panelWidth, scale.Length(42), cell};
  const int top = scale.Length(60);
  if (scale.pictureScale >= 2.0) {
    k.bankPicture = {(panelWidth - pictureWidth) / 2, top, pictureWidth, pictureHeight};
  } else {
    const int side = panelWidth - RoundHalfEven(35 * scale.pictureScale);
    k.bankPicture = {(panelWidth - side) / 2, top, side, side};
  }
  return k;
}

NamePlateParts NamePlateLayout(const TableScale& scale, int smallFontPercent) {
  NamePlateParts n;
  n.plateWidth = scale.Length(160);
  n.maxTextWidth = scale.Length(150);
  // The smaller sizes scale with the table like the first one, so a long name shrinks by the
  // same proportion at every window size.
  n.cellHeights[0] = RoleFontSize(scale.Length(18), smallFontPercent);
  n.cellHeights[1] = RoleFontSize(scale.Length(16), smallFontPercent);
  n.cellHeights[2] = RoleFontSize(scale.Length(14), smallFontPercent);
  return n;
}

}  // namespace zendral
