#pragma once
// The program's own pictures of the main menu's ornaments, drawn in code: pure painting
// functions with no widget.

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

namespace zendral {

// The program's own pictures of the menu, drawn in code.
QImage PaintLampPicture(int index);  // 20 x 30, 0..5
QImage PaintDecorationPicture(bool right);
// The frames of "GifMenu1" (which 1) and "GifMenu2" (which 2), 160 x 200 each.
std::vector<QImage> PaintMenuGif(int which);
// One frame of them, 0 .. kMenuGifFrames - 1.
QImage PaintMenuGifFrame(int which, int frame);
inline constexpr int kMenuGifFrames = 8;
// The icons of the left column: "Android", "ImHp", "ImTR", "GooglePlay"; 48 x 48.
QImage PaintMenuIcon(const QString& name);
inline constexpr int kMenuGifFrameMs = 120;
// The frame a still picture shows when the animation is off: 0 for the first, 4 for the second.
int StillGifFrame(int which);

// The clocks' faces and digits, for the clock widgets.
// "GClockBG": a dark glass face in a golden frame.
void DrawClockFace(QPainter& p, const QRectF& r);
// "GBClock0" … "GBClock9": a digit of seven lit segments, 18 x 34, its top left corner at a point.
void DrawDigit(QPainter& p, QPointF at, int digit);

}  // namespace zendral
