#pragma once
// The pictures of the table around the cards: the felt, the score tab, the kon panel, the
// name plate, the bank, the turn marker, and the medal of the end-of-cycle window.

#include <QImage>

namespace zendral::art {

// Green felt with a fine grain and a lighter middle ("FonG", "FonGB").
QImage PaintFelt(int width, int height);

// The score tab board ("TabloSm" 155 x 95 at factor 1, "TabloBg" at factor 2).
QImage PaintScoreBoard(int factor);
// The kon panel frame ("RamkaBBSm" 120 x 150, "RamkaBBBg").
QImage PaintKonFrame(int factor);
// The name plate ("SPYellow" 160 x 20, "SPYellowB").
QImage PaintNamePlate(int factor);
// A heap of gold coins ("GBank", 150 x 150).
QImage PaintBank();
// A hand pointing right: the turn marker (30 x 20 at factor 1, "Hand_Right" at factor 2).
QImage PaintPointingHand(int factor);
// The medal ("GMedal") and the number that sits in it ("GPlace01" … "GPlace10").
QImage PaintMedal();
QImage PaintPlace(int place);

}  // namespace zendral::art
