#pragma once
// Kings, queens and jacks: a crowned or capped head and shoulders in the upper half of the
// picture frame, repeated upside down in the lower half as on a printed card; and the
// horseman of the decks with Spanish and Italian suits.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace zendral::art {

inline constexpr int kJackRank = 6;
inline constexpr int kQueenRank = 7;
inline constexpr int kKingRank = 8;

// Paints the whole court picture (both halves) into the frame.
void PaintCourtPicture(QPainter& p, const QRectF& frame, int rank, int suit, bool small);

// The horseman of the Spanish and Italian decks (their second court): a rider on a horse seen
// from the side, the horse's body cut by the middle line as the figures' bodies are, the rider
// raising his suit's symbol. Both the program's art and the pack decks draw him from here.
struct HorsemanDress {
  QColor robe;
  QColor panel;  // the saddle cloth and the hat's band
  QColor trim;   // the metal of the harness and the hat
  QColor hair;
  QColor horse;
  bool facingLeft = false;
};

// Paints the upper half of the picture into `half` (the frame's upper half); the caller
// turns it about the frame's centre for the lower half. `symbol` is the suit's shape in any
// box and `ink` its colour.
void PaintHorsemanHalf(QPainter& p, const QRectF& half, bool small, const HorsemanDress& dress,
                       const QPainterPath& symbol, const QColor& ink);

}  // namespace zendral::art
