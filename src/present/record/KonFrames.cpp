#include "present/record/KonFrames.h"

#include <QPainter>
#include <cstring>

namespace zendral {

namespace {

// The picture in the frames' own format, with the size of the recording. A picture that has
// both already is not copied.
QImage Normalized(const QImage& picture, QSize size) {
  QImage image = picture.convertToFormat(QImage::Format_RGB32);
  if (!size.isValid() || image.size() == size) return image;
  QImage fitted(size, QImage::Format_RGB32);
  fitted.fill(Qt::black);
  QPainter p(&fitted);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QRect(QPoint(0, 0), image.size()), image, image.rect());
  return fitted;
}

// A copy of its own, at a device pixel ratio of 1: the frames are pixels, not a drawing.
QImage OwnCopy(const QImage& image, const QRect& area) {
  QImage copy = image.copy(area);
  copy.setDevicePixelRatio(1.0);
  return copy;
}

bool SameRow(const QImage& a, const QImage& b, int y, int left, int width) {
  const auto* ra = reinterpret_cast<const quint32*>(a.constScanLine(y)) + left;
  const auto* rb = reinterpret_cast<const quint32*>(b.constScanLine(y)) + left;
  return std::memcmp(ra, rb, static_cast<std::size_t>(width) * sizeof(quint32)) == 0;
}

}  // namespace

QRect ChangedArea(const QImage& before, const QImage& after) {
  if (before.size() != after.size() || before.depth() != 32 || after.depth() != 32) {
    return after.rect();
  }
  const int w = after.width(), h = after.height();
  int top = 0;
  while (top < h && SameRow(before, after, top, 0, w)) ++top;
  if (top == h) return {};
  int bottom = h - 1;
  while (bottom > top && SameRow(before, after, bottom, 0, w)) --bottom;

  int left = w, right = -1;
  for (int y = top; y <= bottom; ++y) {
    const auto* ra = reinterpret_cast<const quint32*>(before.constScanLine(y));
    const auto* rb = reinterpret_cast<const quint32*>(after.constScanLine(y));
    int x = 0;
    while (x < left && ra[x] == rb[x]) ++x;
    if (x < left) left = x;
    int r = w - 1;
    while (r > right && ra[r] == rb[r]) --r;
    if (r > right) right = r;
  }
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

void KonFrames::Start() {
  recording_ = {};
  previous_ = QImage();
  settled_ = 0;
}

bool KonFrames::Capture(const QImage& picture, int delayMs) {
  if (count() >= kMaxRecordedFrames || picture.isNull()) return false;
  const QImage image = Normalized(picture, recording_.size);
  RecordedFrame frame;
  frame.delayMs = delayMs;
  if (previous_.isNull()) {
    recording_.size = image.size();
    frame.area = image.rect();
    frame.pixels = OwnCopy(image, image.rect());
    previous_ = OwnCopy(image, image.rect());
  } else {
    frame.area = ChangedArea(previous_, image);
    if (frame.area.isEmpty()) return false;
    // The changed rectangle, its unchanged pixels marked, and the last picture brought up to
    // date in the same pass.
    const QRect& a = frame.area;
    frame.pixels = QImage(a.size(), QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y) {
      const auto* now =
          reinterpret_cast<const quint32*>(image.constScanLine(a.top() + y)) + a.left();
      auto* before = reinterpret_cast<quint32*>(previous_.scanLine(a.top() + y)) + a.left();
      auto* out = reinterpret_cast<quint32*>(frame.pixels.scanLine(y));
      for (int x = 0; x < a.width(); ++x) {
        const quint32 c = now[x] | 0xFF000000u;
        out[x] = c == before[x] ? (c & 0x00FFFFFFu) : c;
        before[x] = c;
      }
    }
  }
  recording_.frames.push_back(std::move(frame));
  return true;
}

std::vector<RecordedFrame> KonFrames::TakeSettled() {
  std::vector<RecordedFrame> settled;
  std::vector<RecordedFrame>& frames = recording_.frames;
  if (frames.size() < 2) return settled;
  settled.assign(std::make_move_iterator(frames.begin()),
                 std::make_move_iterator(frames.end() - 1));
  frames.erase(frames.begin(), frames.end() - 1);
  settled_ += static_cast<int>(settled.size());
  return settled;
}

KonRecording KonFrames::Take() {
  KonRecording taken = std::move(recording_);
  if (!taken.frames.empty()) taken.frames.back().delayMs = kLastFrameMs;
  Start();
  return taken;
}

}  // namespace zendral
