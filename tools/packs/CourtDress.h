#pragma once
// The court figures of the pack decks: a king, queen or jack in the upper half of the picture,
// repeated upside down below, dressed as the deck dresses its court. One painter draws every
// deck; the look says the colours, the crown or hat, the pattern of the robe, what the figure
// holds and which way it looks, so that no two decks show the same court.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <array>

namespace zendral::packs {

enum class Headwear { kClassic, kArched, kTall, kWreath, kFur };
enum class Pattern { kPlain, kStripes, kDots, kChecks, kChevrons };
enum class Held { kClassic, kSceptre, kSuit, kOrb };

struct CourtLook {
  std::array<QColor, 4> robe;   // by suit row 1..4 (index row - 1)
  std::array<QColor, 4> panel;  // the cloak and the cap bands
  QColor trim{226, 180, 50};    // gold, silver or another metal
  QColor ground{253, 249, 238};
  QColor hair{110, 66, 30};
  Headwear headwear = Headwear::kClassic;
  Pattern pattern = Pattern::kPlain;
  Held held = Held::kClassic;
  double turn = 0;  // how far the face looks aside, -1 (left) to 1 (right)
  bool beardPointed = false;
  // The second court is a man (Ober, knight, horseman) instead of a queen.
  bool secondIsMan = false;
  // ... and rides a horse (the Spanish caballo, the Italian cavallo) of this coat.
  bool secondRides = false;
  QColor horse{140, 82, 42};
};

// The look of a deck's court, made from its number: each deck a different combination of
// colours, headwear, pattern, held things and pose; a few decks wear what their name says.
CourtLook CourtLookOf(int deck);

// Paints the court picture into the frame. `symbol` is the card's suit symbol in a 100 x 100
// box and `ink` its colour: the figure shows it in the corner and, with Held::kSuit, in hand.
void PaintDressedCourt(QPainter& p, const QRectF& frame, int rank, int suit, bool small,
                       const CourtLook& look, const QPainterPath& symbol, const QColor& ink);

}  // namespace zendral::packs
