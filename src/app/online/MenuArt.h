#pragma once
// The pictures of the main menu's club entries, drawn by the program: "Stats" (the statistics
// icon), the chat and news icons, the two sirens "GSirenaR" and "GSirenaB" that announce a
// new chat message or a news item, the "GNew" marker of the chat window, the gift boxes and
// the deal of the day's icon.

#include <QImage>

namespace zendral {

QImage PaintStatsPicture(int size = 48);
QImage PaintChatPicture(int size = 48);
QImage PaintNewsPicture(int size = 48);
// colour 'R' red (chat), 'B' blue (news).
QImage PaintSiren(char colour, int size = 32);
QImage PaintNewMarker();
// The gift box of the advertising ("AdvGiftR", colour 'R' red) and support ("AdvGiftG",
// colour 'G' green) icons.
QImage PaintGiftPicture(char colour, int size = 48);
// The icon of the deal of the day: a calendar leaf with a card on it.
QImage PaintDailyPicture(int size = 48);

}  // namespace zendral
