#pragma once
// Writes an animated GIF with giflib: one palette of up to 255 colours for all frames, chosen by
// popularity, with index 0 kept for transparent pixels; the animation loops for ever.

#include <QImage>
#include <QString>
#include <vector>

namespace zendral::windowart {

// All frames must have the size of the first. Pixels with alpha below 128 are transparent.
// The file is replaced atomically. False with a message when anything fails.
bool WriteAnimatedGif(const QString& path, const std::vector<QImage>& frames, int delayMs,
                      QString* error);

}  // namespace zendral::windowart
