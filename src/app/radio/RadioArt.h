#pragma once
// The program's own pictures of the music player and the radio: the three player buttons
// ("MP_Play", "MP_Pause", "MP_Next", "MP_Volume", 61 x 61), the radio icon's shelf, radio and
// lamps ("GPolkaNw", "GRadioA", "GRadioB", "GRadioR", "GRadioG"), the on/off picture of the
// radio window, and the small flags of the radio's countries (16 x 11). Drawn once and kept.

#include <QImage>
#include <QString>
#include <string_view>

namespace zendral::radioui {

inline constexpr int kMusicButtonSize = 61;
inline constexpr int kRadioIconWidth = 220;
inline constexpr int kRadioIconHeight = 125;
inline constexpr int kFlagWidth = 16;
inline constexpr int kFlagHeight = 11;

// A picture by its name, read once from the program's stored pictures and kept; a null image
// for a name that is not one of these.
QImage MediaPicture(const QString& name);
// The same painted afresh (what the build stores).
QImage PaintMediaPicture(const QString& name);
// The on/off picture of the radio window: lit when the radio is on.
QImage PowerPicture(bool on, bool pressed = false);
// A small flag from its description (RadioCountry::flag); grey for one that does not parse.
QImage FlagPicture(std::string_view description);

}  // namespace zendral::radioui
