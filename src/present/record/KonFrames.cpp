#include "present/record/KonFrames.h"

#include <QPainter>
#include <cstring>

namespace zendral {

namespace {

// The picture in the frames' own format, with the size of the recording.
QImage Normalized(const QImage& picture, QSize size) {
  QImage image = picture.convertToFormat(QImage::Format_RGB32);
  image.setDevicePixelRatio(1.0);
  if (!size.isValid() || image.size() == size) return image;
  QImage fitted(size, QImage::Format_RGB32);
  fitted.fill(Qt::black);
  QPainter p(&fitted);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(0, 0, image);
  return fitted;
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
  QImage image = Normalized(picture, recording_.size);
  RecordedFrame frame;
  frame.delayMs = delayMs;
  if (previous_.isNull()) {
    recording_.size = image.size();
    frame.area = image.rect();
    frame.pixels = image;
  } else {
    frame.area = ChangedArea(previous_, image);
    if (frame.area.isEmpty()) return false;
    frame.pixels = image.copy(frame.area);
  }
  recording_.frames.push_back(std::move(frame));
  previous_ = std::move(image);
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
