#pragma once
// The frames of one kon's recording: the captured pictures of the table, each kept only when
// it differs from the one before, and then only as the rectangle that changed, its pixels that
// did not change marked as such. A kon of a few hundred captures of a large window therefore
// holds one whole picture (the last one, updated in place) and small patches; the picture
// handed in is not kept, so the capture may draw the next one into the same buffer.

#include <QImage>
#include <QRect>
#include <QSize>
#include <vector>

namespace zendral {

inline constexpr int kMaxRecordedFrames = 250;
inline constexpr int kLastFrameMs = 5000;  // the settled table stays this long
inline constexpr int kCaptureIntervalMs = 100;

// One frame: the rectangle of the picture that changed since the frame before (the whole
// picture for the first frame), its pixels, and how long it is shown. In a frame of
// Format_ARGB32 a pixel of alpha 0 is one that did not change (the frame before shows
// through); every other pixel, and every pixel of a frame without alpha, is shown as it is.
struct RecordedFrame {
  QRect area;
  QImage pixels;  // Format_RGB32 or Format_ARGB32, area.size()
  int delayMs = 0;
};

// Whether a pixel of a frame is one that did not change.
inline bool UnchangedPixel(const QImage& pixels, QRgb pixel) {
  return pixels.hasAlphaChannel() && qAlpha(pixel) == 0;
}

// A finished recording: the picture size and the frames in order.
struct KonRecording {
  QSize size;
  std::vector<RecordedFrame> frames;
  bool empty() const { return frames.empty(); }
};

// Finds the smallest rectangle in which two pictures of the same size and format (32 bits per
// pixel) differ; an empty rectangle when they are the same byte for byte.
QRect ChangedArea(const QImage& before, const QImage& after);

class KonFrames {
 public:
  // A new recording: the frames of an earlier one that was never taken are dropped.
  void Start();

  // A captured picture of the table. It is dropped when the limit of frames is reached or
  // when it is the same as the previous frame; otherwise it becomes a frame shown for
  // delayMs. The first picture fixes the size; a later picture of another size is cut or
  // padded to it. True when a frame was added.
  bool Capture(const QImage& picture, int delayMs);

  // Frames of this recording so far, those handed on by TakeSettled included.
  int count() const { return settled_ + static_cast<int>(recording_.frames.size()); }
  QSize size() const { return recording_.size; }
  // The last picture kept, whole (null before the first frame).
  const QImage& previous() const { return previous_; }

  // The frames whose display time is final (all but the last), handed on while the kon goes
  // on so that they need not be kept; Take then hands over the rest.
  std::vector<RecordedFrame> TakeSettled();

  // Hands the recording (what TakeSettled left) over with its last frame shown for
  // kLastFrameMs, and starts empty.
  KonRecording Take();

 private:
  KonRecording recording_;
  QImage previous_;
  int settled_ = 0;
};

}  // namespace zendral
