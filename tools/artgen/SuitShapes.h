#pragma once
// The four suit symbols as the art tools use them: the program's one suit drawing
// (present/draw/SuitShape.h) under the tools' names, with the suits' inks.

#include <QColor>
#include <QPainterPath>
#include <QRectF>

namespace zendral::art {

// Suit rows as the game numbers them: 1 hearts, 2 diamonds, 3 clubs, 4 spades.
inline constexpr int kHeartsRow = 1;
inline constexpr int kDiamondsRow = 2;
inline constexpr int kClubsRow = 3;
inline constexpr int kSpadesRow = 4;

// The symbol in a 100 x 100 box with its top left corner at the origin.
QPainterPath SuitPath(int suit);

// The symbol fitted into a box, keeping its proportions, centred.
QPainterPath SuitPathIn(int suit, const QRectF& box);

bool IsRedSuit(int suit);
QColor SuitColour(int suit);  // the ink of the suit: a warm red or a soft black

}  // namespace zendral::art
