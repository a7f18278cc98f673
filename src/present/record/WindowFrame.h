#pragma once
// A window's frame drawn round a picture of its client area: what a recording of "the
// window's screen rectangle" shows where the platform does not let a program read the screen
// (Wayland, the offscreen platform).

#include <QImage>
#include <QMargins>
#include <QString>

namespace zendral {

// The frame the program draws when the platform reports none.
inline constexpr QMargins kDrawnFrame{4, 26, 4, 4};

// The client picture inside a frame of the given margins, with the title in its top edge.
QImage FramedPicture(const QImage& client, QMargins frame, const QString& title);

}  // namespace zendral
