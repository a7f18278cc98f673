#pragma once
// Kings, queens and jacks: a crowned or capped head and shoulders in the upper half of the
// picture frame, repeated upside down in the lower half as on a printed card.

#include <QPainter>
#include <QRectF>

namespace zendral::art {

inline constexpr int kJackRank = 6;
inline constexpr int kQueenRank = 7;
inline constexpr int kKingRank = 8;

// Paints the whole court picture (both halves) into the frame.
void PaintCourtPicture(QPainter& p, const QRectF& frame, int rank, int suit, bool small);

}  // namespace zendral::art
