#pragma once
// The panels of the table: the score tabs, the kon panel, the name plates, and the balloon
// that the kon panel shows while the pointer rests on it. The callers give the numbers and the
// texts in the current language; nothing here knows a rule of the game.

#include <QPainter>
#include <QRect>
#include <QString>
#include <QStringList>

#include "present/draw/TableArt.h"

namespace zendral {

// Turn marker commands of DrawScoreTab.
inline constexpr int kMarkerNone = 0;
inline constexpr int kMarkerDraw = 1;
inline constexpr int kMarkerErase = 2;

// DrawScoreTab: with redraw the whole board is drawn first. Each number field gets the board
// under it back before its number is drawn: the score in magenta (with "+" when positive),
// this kon's fines in blue and its penalty in navy. kClearField restores a field only,
// kKeepField leaves it untouched.
void DrawScoreTab(QPainter& p, TableArt& art, int seat, int markerCommand, bool redraw, int penalty,
                  int fines, int score);

// DrawKonPanel: the frame, "<konWord>: <konsPlayed>" in blue, "<bankWord> <bank>" in navy, and
// the bank picture below while the bank is not empty.
void DrawKonPanel(QPainter& p, TableArt& art, const QString& konWord, int konsPlayed,
                  const QString& bankWord, int bank);

// DrawNamePlate: clears the plate with the background; with a name, the plate picture and the
// name without trailing blanks, white and bold, centred; a long name takes a smaller size.
void DrawNamePlate(QPainter& p, TableArt& art, int seat, const QString& name);

// The cell height the name plate uses for a name: the largest whose text fits.
int NamePlateCellHeight(TableArt& art, const QString& name);

// A balloon with a bold title and lines of text, its arrow pointing at anchor, kept inside
// the client area. Returns the rectangle it covers, so the caller can restore it.
QRect DrawBalloon(QPainter& p, TableArt& art, QPoint anchor, const QString& title,
                  const QStringList& lines);

}  // namespace zendral
