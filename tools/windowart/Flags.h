#pragma once
// The language flags: small ones for the language chooser (16 x 11, named after their place
// in the continent flag lists of the country chooser: "ILEuro48", "ILAsia10", ...) and the
// large ones of the Options window, a flag on its pole in 69 x 101 ("FlagOEng" ... "FlagOKor").
// Both are drawn by language index, the names come from the word tables' own functions.

#include <QImage>
#include <QString>

namespace zendral::windowart {

inline constexpr int kSmallFlagWidth = 16;
inline constexpr int kSmallFlagHeight = 11;
inline constexpr int kPoleFlagWidth = 69;
inline constexpr int kPoleFlagHeight = 101;

QString SmallFlagName(int language);
QString PoleFlagName(int language);

QImage PaintSmallFlag(int language);
QImage PaintPoleFlag(int language);

}  // namespace zendral::windowart
