#pragma once
// The "Classical-1" card faces, drawn at the size they are shown at: the small set
// (71 x 96, shown with a black frame) and the large set (146 x 198, rounded corners).

#include <QImage>
#include <QSize>

namespace zendral::art {

inline constexpr QSize kSmallCard{71, 96};
inline constexpr QSize kLargeCard{146, 198};

// rank 1..9 (six … ace), suit 1..4 (hearts, diamonds, clubs, spades)
QImage PaintFace(int rank, int suit, bool small);

// The white card with its edge: the small one framed by four black lines that leave the
// corner pixels open, the large one with rounded corners.
void PaintCardBlank(QImage& image, bool small);

}  // namespace zendral::art
