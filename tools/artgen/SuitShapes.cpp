#include "SuitShapes.h"

#include "present/draw/SuitShape.h"

namespace zendral::art {

QPainterPath SuitPath(int suit) {
  return SuitShape(suit);
}

QPainterPath SuitPathIn(int suit, const QRectF& box) {
  return SuitShapeIn(suit, box);
}

bool IsRedSuit(int suit) {
  return suit == kHeartsRow || suit == kDiamondsRow;
}

QColor SuitColour(int suit) {
  return IsRedSuit(suit) ? QColor(200, 16, 38) : QColor(24, 24, 28);
}

}  // namespace zendral::art
