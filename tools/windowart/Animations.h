#pragma once
// The frames of the three small animations under the scroll of the Order window: "GTopTen"
// (a trophy between laurels, glinting), "GClubF" (games against the computer: a card turning on
// a monitor) and "GClubG" (network games: two computers passing a move back and forth).

#include <QImage>
#include <vector>

namespace zendral::windowart {

inline constexpr int kAnimationDelayMs = 100;

std::vector<QImage> TopTenFrames();     // 240 x 120
std::vector<QImage> ClubLocalFrames();  // 60 x 75
std::vector<QImage> ClubNetFrames();    // 60 x 75

}  // namespace zendral::windowart
