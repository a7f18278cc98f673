#pragma once
// Drawing the cards of the table: the hands, the layout, the highlight of playable cards.
// The functions draw what they are given; which cards may be laid is the caller's business.
// Coordinates are the table's logical pixels; the painter may be on a high-DPI surface.

#include <QPainter>
#include <QString>

#include "game/Hand.h"
#include "game/Layout.h"
#include "present/draw/TableArt.h"

namespace zendral {

// The table background (or the main menu's) under a rectangle of the client area.
void DrawBackground(QPainter& p, TableArt& art, const PixelRect& area, bool menu = false);

// DrawHand: clears the hand area with the background and draws the cards of slots
// 1..fan.count from the left, each over the previous one. Seat 2 is always face up; seat 1
// is face down unless faceUp (the end of a kon). Empty slots are skipped.
void DrawHand(QPainter& p, TableArt& art, int seat, const Hand& hand, const HandFan& fan,
              bool faceUp);

// DrawLayout: clears the layout area and draws every laid card, rows from spades down to
// hearts and each row from the six to the ace, so each card covers the right part of its
// left neighbour and each row the lower part of the row above.
void DrawLayout(QPainter& p, TableArt& art, const Layout& layout);

// A line of text across the layout, e.g. while a network client waits for its deal.
void DrawLayoutText(QPainter& p, TableArt& art, const QString& text);

// HighlightCard: inverts the colours of the visible part of the card in the slot: the strip
// up to the next card's left edge, or the whole card when it is the last one or the cards do
// not overlap. Drawing it twice restores the card. The frame's corners (drawing mode 1) and
// the rounded corners (the other modes) are left alone.
void HighlightCard(QPainter& p, TableArt& art, int seat, const HandFan& fan, int slot);

// The picture of a card as it flies: the face at the table's card size.
QPixmap CardSprite(TableArt& art, TCardCode card);

}  // namespace zendral
