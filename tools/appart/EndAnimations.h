#pragma once
// The animations of the end-of-cycle window as strips of frames side by side: fireworks for
// the best result ("GEndBest"), rising stars for a place in the Order ("GEndGood"), and rain
// for a cycle without a place ("GEndBads", made to loop without a seam).

#include <QImage>

namespace zendral::appart {

inline constexpr int kEndFrameWidth = 240;
inline constexpr int kEndFrameHeight = 150;
inline constexpr int kEndFrames = 24;

enum class EndMood { kBest, kGood, kBad };

QImage PaintEndAnimation(EndMood mood);

}  // namespace zendral::appart
