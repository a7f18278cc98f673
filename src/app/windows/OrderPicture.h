#pragma once
// The picture of the Order window: the scroll "GSvitok" with the heading of the club file's
// kind, the column titles and the ten best cycle results of the club file, at the positions,
// fonts and colours the window is designed with.

#include <QImage>
#include <array>
#include <filesystem>
#include <string>

namespace zendral {

struct Settings;

inline constexpr int kOrderPictureWidth = 450;
inline constexpr int kOrderPictureHeight = 570;
inline constexpr int kOrderTextSize = 20;  // RoleFontSize(20, "serif") in the face FontSmall

// The Order (lines 6-15) of a club file: the names as they stand (UTF-8) and the scores
// without their padding. A file that is missing or damaged gives no entries.
struct ClubOrder {
  bool net = false;  // the LAN players' file
  bool read = false;
  std::array<std::string, 10> names;
  std::array<std::string, 10> scores;
};

// "Zendral.net" when net, else "Zendral.clb", in the program folder.
std::filesystem::path ClubFilePath(const std::filesystem::path& programFolder, bool net);
ClubOrder ReadClubOrder(const std::filesystem::path& programFolder, bool net);

// Where a text of this width starts when centred between a and b: a + round((b - a - w) / 2),
// halves going to the even neighbour.
int CentredLeft(int a, int b, int textWidth);

// The y of the top of place p's line (1..10).
constexpr int OrderLineTop(int place) {
  return 150 + 33 * (place - 1);
}

QImage PaintOrderPicture(const Settings& settings, const ClubOrder& order,
                         const QColor& buttonFace);

}  // namespace zendral
