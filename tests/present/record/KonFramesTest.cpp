// The frames of a recording: only pictures that differ from the one before are kept, each as
// the rectangle that changed; at most 250 frames; the last one held for five seconds.

#include <gtest/gtest.h>

#include "RecordTestSupport.h"
#include "present/record/KonFrames.h"

namespace zendral {
namespace {

QImage Felt(int w = 40, int h = 30) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(QColor(18, 96, 52));
  return image;
}

QImage With(QImage image, const std::vector<QPoint>& points, QRgb colour = qRgb(255, 255, 255)) {
  for (const QPoint& point : points) image.setPixel(point, colour);
  return image;
}

TEST(ChangedArea, IsTheSmallestRectangleAroundEveryChangedPixel) {
  struct Case {
    const char* name;
    std::vector<QPoint> changed;
    QRect expected;
  };
  const std::vector<Case> cases = {
      {"nothing", {}, QRect()},
      {"one pixel", {{5, 7}}, QRect(5, 7, 1, 1)},
      {"two corners", {{0, 0}, {39, 29}}, QRect(0, 0, 40, 30)},
      {"apart", {{3, 20}, {30, 4}}, QRect(QPoint(3, 4), QPoint(30, 20))},
      {"last column only", {{39, 10}, {39, 11}}, QRect(39, 10, 1, 2)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChangedArea(Felt(), With(Felt(), c.changed)), c.expected) << c.name;
  }
  // Another size cannot be compared: all of it counts as changed.
  EXPECT_EQ(ChangedArea(Felt(40, 30), Felt(20, 30)), QRect(0, 0, 20, 30));
}

TEST(KonFrames, AStillTableAddsNothingAndTheNextChangeAddsOneFrame) {
  KonFrames frames;
  frames.Start();
  EXPECT_TRUE(frames.Capture(Felt(), 1000));
  // Ten seconds of ticks over a table where nothing moves.
  for (int tick = 0; tick < 100; ++tick) EXPECT_FALSE(frames.Capture(Felt(), 1000));
  EXPECT_EQ(frames.count(), 1);

  const QImage moved = With(Felt(), {{10, 10}, {12, 14}});
  EXPECT_TRUE(frames.Capture(moved, 1000));
  EXPECT_FALSE(frames.Capture(moved, 1000));
  EXPECT_EQ(frames.count(), 2);

  const KonRecording recording = frames.Take();
  ASSERT_EQ(recording.frames.size(), 2u);
  EXPECT_EQ(recording.size, QSize(40, 30));
  EXPECT_EQ(recording.frames[0].area, QRect(0, 0, 40, 30));
  EXPECT_EQ(recording.frames[0].pixels, Felt());
  EXPECT_EQ(recording.frames[1].area, QRect(10, 10, 3, 5));
  // Inside the rectangle only the two pixels that changed are given; the rest let the frame
  // before show through, and together they make the picture captured.
  const QImage& patch = recording.frames[1].pixels;
  ASSERT_EQ(patch.size(), QSize(3, 5));
  int given = 0;
  QImage shown = Felt();
  for (int y = 0; y < patch.height(); ++y) {
    for (int x = 0; x < patch.width(); ++x) {
      const QRgb pixel = patch.pixel(x, y);
      if (UnchangedPixel(patch, pixel)) continue;
      ++given;
      shown.setPixel(10 + x, 10 + y, pixel);
    }
  }
  EXPECT_EQ(given, 2);
  EXPECT_EQ(shown, moved);
}

TEST(KonFrames, TheCapturedPictureIsNotKeptSoItsBufferCanBeDrawnAgain) {
  // A capture that draws every picture into one buffer, as the window's recorder does.
  KonFrames frames;
  frames.Start();
  QImage buffer = Felt();
  EXPECT_TRUE(frames.Capture(buffer, 100));
  const uchar* const bits = buffer.constBits();
  for (int k = 0; k < 5; ++k) {
    buffer.setPixel(k, k, qRgb(200, 10 * k, 0));
    EXPECT_EQ(buffer.constBits(), bits) << "drawn in place, no copy";
    EXPECT_TRUE(frames.Capture(buffer, 100)) << k;
    EXPECT_EQ(frames.previous(), buffer) << k;
  }
  const KonRecording recording = frames.Take();
  ASSERT_EQ(recording.frames.size(), 6u);
  EXPECT_EQ(recording.frames[0].pixels, Felt()) << "the first frame is not the buffer drawn later";
  EXPECT_EQ(recording.frames[5].area, QRect(4, 4, 1, 1));
}

TEST(KonFrames, TheLastFrameIsHeldFiveSecondsAndTheOthersTheChosenDelay) {
  KonFrames frames;
  frames.Start();
  for (int k = 0; k < 4; ++k) frames.Capture(With(Felt(), {{k, 0}}), 700);
  const KonRecording recording = frames.Take();
  ASSERT_EQ(recording.frames.size(), 4u);
  EXPECT_EQ(recording.frames[0].delayMs, 700);
  EXPECT_EQ(recording.frames[2].delayMs, 700);
  EXPECT_EQ(recording.frames[3].delayMs, kLastFrameMs);
  // Taking empties the store: nothing is handed over twice.
  EXPECT_EQ(frames.count(), 0);
  EXPECT_TRUE(frames.Take().empty());
}

TEST(KonFrames, StopsAt250FramesAndANewRecordingStartsEmpty) {
  KonFrames frames;
  frames.Start();
  int added = 0;
  for (int k = 0; k < 300; ++k) {
    added += frames.Capture(With(Felt(), {{k % 40, k / 40}}, qRgb(k % 256, 0, 0)), 100) ? 1 : 0;
  }
  EXPECT_EQ(added, kMaxRecordedFrames);
  EXPECT_EQ(frames.count(), 250);

  // The frames of a recording never taken (a tournament kon without a settlement) are dropped.
  frames.Start();
  EXPECT_EQ(frames.count(), 0);
  EXPECT_TRUE(frames.Capture(Felt(), 100)) << "the first picture of the new recording";
}

TEST(KonFrames, SettledFramesAreHandedOnAndStillCount) {
  KonFrames frames;
  frames.Start();
  EXPECT_TRUE(frames.TakeSettled().empty()) << "nothing yet";
  frames.Capture(Felt(), 300);
  EXPECT_TRUE(frames.TakeSettled().empty()) << "the last frame's time may still change";
  for (int k = 0; k < 3; ++k) frames.Capture(With(Felt(), {{k, 1}}), 300);
  const std::vector<RecordedFrame> settled = frames.TakeSettled();
  ASSERT_EQ(settled.size(), 3u);
  EXPECT_EQ(settled[0].area, QRect(0, 0, 40, 30));
  EXPECT_EQ(settled[2].area, QRect(0, 1, 2, 1)) << "against the picture before it";
  EXPECT_EQ(frames.count(), 4);

  // The limit counts the frames handed on.
  for (int k = 0; k < 300; ++k) {
    frames.Capture(With(Felt(), {{k % 40, k / 40}}, qRgb(k % 256, 9, 9)), 300);
    frames.TakeSettled();
  }
  EXPECT_EQ(frames.count(), kMaxRecordedFrames);
  const KonRecording rest = frames.Take();
  ASSERT_EQ(rest.frames.size(), 1u);
  EXPECT_EQ(rest.frames[0].delayMs, kLastFrameMs);
  EXPECT_EQ(rest.size, QSize(40, 30));
}

TEST(KonFrames, APictureOfAnotherSizeIsFittedToTheFirst) {
  KonFrames frames;
  frames.Start();
  frames.Capture(Felt(40, 30), 100);
  QImage larger(50, 20, QImage::Format_ARGB32_Premultiplied);
  larger.fill(QColor(18, 96, 52));
  EXPECT_TRUE(frames.Capture(larger, 100)) << "the lower rows are padded black";
  const KonRecording recording = frames.Take();
  ASSERT_EQ(recording.frames.size(), 2u);
  EXPECT_EQ(recording.frames[1].area, QRect(0, 20, 40, 10));
  EXPECT_EQ(recording.frames[1].pixels.pixel(0, 0), qRgb(0, 0, 0));
}

}  // namespace
}  // namespace zendral
