#pragma once
// The still pictures of the secondary windows: the ribbon "GCap300" behind a window's title
// (the header look "Gray aristocratic") and the scroll "GSvitok" of the Order window.

#include <QImage>

namespace zendral::windowart {

// 300 x 44. The 40 columns at each end are the ribbon's folded tails; the columns between
// are all alike, so a window may stretch the middle to fit a longer title.
inline constexpr int kRibbonWidth = 300;
inline constexpr int kRibbonHeight = 44;
inline constexpr int kRibbonEnd = 40;
QImage PaintRibbon();

// 450 x 570: a parchment between two rolls, written on from y 70 to y 480.
inline constexpr int kScrollWidth = 450;
inline constexpr int kScrollHeight = 570;
QImage PaintScroll();

}  // namespace zendral::windowart
