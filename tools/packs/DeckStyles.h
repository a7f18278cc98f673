#pragma once
// The looks of the 47 face decks of the packs. One card painter draws every deck; a style says
// how: the suit shapes, the inks (a four-colour deck among them), the paper, the index lettering
// and its font, the frame, the court pictures and the ace.

#include <QColor>
#include <QString>
#include <array>

#include "SuitFamilies.h"

namespace zendral::packs {

enum class SuitShape { kClassic, kWide, kSlim, kAngular, kEngraved, kRound };
enum class Frame { kNone, kLine, kDouble, kBand, kCorners, kRounded };
enum class Court { kFigure, kTinted, kPanel, kDuotone, kMonogram };
enum class Ace { kPlain, kRing, kStar, kMedallion, kWreath, kBanner };

struct DeckStyle {
  int deck = 0;  // the deck's number: its court is dressed by it and its aces flourish by it
  SuitFamily family = SuitFamily::kFrench;
  SuitShape suits = SuitShape::kClassic;
  // Inks by suit row 1..4 (hearts, diamonds, clubs, spades); index 0 unused.
  std::array<QColor, 5> ink;
  QColor paper{255, 255, 253};
  QColor accent{200, 16, 38};  // frames, panels, monograms
  QString indexFont = QStringLiteral("DejaVu Serif");
  bool indexBold = true;
  // The index letters of jack, queen, king and ace ("J", "Q", "K", "A" or another language's).
  std::array<QString, 4> letters{QStringLiteral("J"), QStringLiteral("Q"), QStringLiteral("K"),
                                 QStringLiteral("A")};
  Frame frame = Frame::kNone;
  Court court = Court::kFigure;
  int courtHue = 0;  // degrees the court figure's colours turn round the colour wheel
  Ace ace = Ace::kPlain;
  bool narrow = false;
  bool bigIndex = false;  // large print: indexes a quarter larger
};

// The style of deck 1..47. Every deck has its own, including the decks whose pictures the
// program may take from another deck's.
DeckStyle StyleOfDeck(int deck);

}  // namespace zendral::packs
