#pragma once
// The four suit symbols as painter paths: the one drawing of hearts, diamonds, clubs and spades
// that the program's own pictures and the picture tools share, crisp at any size.

#include <QPainterPath>
#include <QRectF>

namespace zendral {

// The symbol of a suit as the game numbers them (1 hearts, 2 diamonds, 3 clubs, 4 spades) in a
// 100 x 100 box with its top left corner at the origin.
QPainterPath SuitShape(int suit);

// The symbol fitted into a box, keeping its proportions, centred.
QPainterPath SuitShapeIn(int suit, const QRectF& box);

}  // namespace zendral
