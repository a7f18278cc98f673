#pragma once
// The one card painter of the face decks: a card of a deck style at the small or the large
// size, wide or narrow as the style says.

#include <QImage>
#include <QPainterPath>

#include "DeckStyles.h"
#include "game/Card.h"

namespace zendral::packs {

// Card sizes: small 71 x 96 (narrow 61 x 96), large 146 x 198 (narrow 126 x 198).
QSize FaceSize(bool narrow, bool large);

// A suit symbol of a style's family and shape fitted into a box.
QPainterPath StyledSuitPath(SuitFamily family, SuitShape shape, int suit, const QRectF& box);

QImage PaintStyledFace(const DeckStyle& style, TCardCode card, bool large);

}  // namespace zendral::packs
