#pragma once
// The seven weekday backs of the built-in design ("Ob01Mo" … "Ob07Su"), small and large.

#include <QImage>
#include <QString>

namespace zendral::art {

inline constexpr int kWeekdayBacks = 7;

// The picture name of back 1..7 without the size suffix.
QString BackName(int picture);

QImage PaintBack(int picture, bool small);

}  // namespace zendral::art
