// The GIF writer: a recorded kon read back with giflib (and with Qt's own reader, as another
// program would) shows every frame as it was captured, with its display time, the last one
// for five seconds; a table of many colours keeps its large areas exact.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <cmath>

#include "RecordTestSupport.h"
#include "present/record/GifEncoder.h"
#include "present/record/GifPalette.h"
#include "present/record/KonFrames.h"

namespace zendral {
namespace {

using testing::PlayGif;
using testing::TablePicture;

class GifEncoderTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureGuiApp(); }

  // A kon on a small table: a card more on each move, with still ticks between the moves.
  static std::vector<QImage> KonPictures(int moves) {
    std::vector<QImage> pictures;
    for (int k = 0; k <= moves; ++k) {
      for (int still = 0; still < 3; ++still) pictures.push_back(TablePicture(260, 200, k));
    }
    return pictures;
  }
};

TEST_F(GifEncoderTest, AWholeKonPlaysBackFrameForFrame) {
  const std::vector<QImage> pictures = KonPictures(20);
  KonFrames frames;
  frames.Start();
  std::vector<QImage> kept;
  for (const QImage& picture : pictures) {
    if (frames.Capture(picture, 1000)) kept.push_back(picture);
  }
  const KonRecording recording = frames.Take();
  ASSERT_EQ(kept.size(), 21u) << "one frame for the deal and one for each move";

  QString error;
  const QByteArray bytes = EncodeGif(recording, &error);
  ASSERT_FALSE(bytes.isEmpty()) << error.toStdString();
  const testing::PlayedGif played = PlayGif(bytes);
  ASSERT_TRUE(played.ok) << played.error.toStdString();
  EXPECT_EQ(played.version, "GIF89a");
  EXPECT_TRUE(played.loops);
  EXPECT_EQ(played.screen, QSize(260, 200));
  ASSERT_EQ(played.frames.size(), kept.size());
  for (std::size_t k = 0; k < kept.size(); ++k) {
    const testing::PlayedFrame& frame = played.frames[k];
    SCOPED_TRACE("frame " + std::to_string(k));
    EXPECT_EQ(frame.picture, kept[k].convertToFormat(QImage::Format_RGB32))
        << "the table's few colours are kept exactly";
    EXPECT_EQ(frame.area, recording.frames[k].area) << "only the changed rectangle is stored";
    EXPECT_EQ(frame.delayUnits, k + 1 == kept.size() ? 500 : 100);
    EXPECT_EQ(frame.disposal, DISPOSE_DO_NOT);
    if (k > 0) {
      EXPECT_NE(frame.picture, played.frames[k - 1].picture);
    }
  }
  EXPECT_EQ(played.frames[0].transparent, NO_TRANSPARENT_COLOR);
  EXPECT_LT(played.frames[5].area.width() * played.frames[5].area.height(), 26 * 40 * 2)
      << "a move stores about one card";

  // Another reader composes the same pictures.
  QBuffer buffer;
  buffer.setData(bytes);
  QImageReader reader(&buffer, "gif");
  ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
  EXPECT_EQ(reader.imageCount(), static_cast<int>(kept.size()));
  for (std::size_t k = 0; k < kept.size(); ++k) {
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << "frame " << k << ": " << reader.errorString().toStdString();
    EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32), played.frames[k].picture) << k;
  }
}

// A picture with more than 256 colours: a shaded figure on a card, text, the felt.
QImage ShadedTable() {
  QImage image = TablePicture(240, 160, 6);
  QPainter p(&image);
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 100; ++x) {
      image.setPixel(120 + x, 90 + y, qRgb(100 + x, 50 + 2 * y, (x * y) % 256));
    }
  }
  return image;
}

TEST_F(GifEncoderTest, ManyColoursAreReducedAndTheLargeAreasStayExact) {
  const QImage source = ShadedTable();
  KonRecording recording;
  recording.size = source.size();
  recording.frames.push_back({source.rect(), source, 100});
  const testing::PlayedGif played = PlayGif(EncodeGif(recording));
  ASSERT_TRUE(played.ok) << played.error.toStdString();
  ASSERT_EQ(played.frames.size(), 1u);
  EXPECT_LE(played.frames[0].colours, 256);
  const QImage& shown = played.frames[0].picture;

  double error = 0;
  for (int y = 0; y < source.height(); ++y) {
    for (int x = 0; x < source.width(); ++x) {
      const QRgb a = source.pixel(x, y), b = shown.pixel(x, y);
      error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b));
    }
  }
  EXPECT_LT(error / (source.width() * source.height() * 3), 1.5) << "mean error per channel";
  // The felt, a card's white and its black frame come out exactly.
  for (const QPoint point : {QPoint(2, 2), QPoint(230, 150), QPoint(20, 15), QPoint(10, 30)}) {
    EXPECT_EQ(shown.pixel(point), source.pixel(point)) << point.x() << "," << point.y();
  }
}

TEST_F(GifEncoderTest, UnchangedPixelsInsideAFrameAreLeftTransparent) {
  const QImage before = TablePicture(100, 60, 1);
  QImage after = before;
  after.setPixel(2, 2, qRgb(255, 0, 0));
  after.setPixel(90, 50, qRgb(0, 0, 255));
  KonFrames frames;
  frames.Start();
  frames.Capture(before, 100);
  frames.Capture(after, 100);
  const testing::PlayedGif played = PlayGif(EncodeGif(frames.Take()));
  ASSERT_TRUE(played.ok) << played.error.toStdString();
  ASSERT_EQ(played.frames.size(), 2u);
  EXPECT_EQ(played.frames[1].area, QRect(QPoint(2, 2), QPoint(90, 50)));
  EXPECT_GE(played.frames[1].transparent, 2) << "after the two colours that changed";
  EXPECT_EQ(played.frames[1].picture, after);
}

TEST(GifDelayUnits, RoundsToHundredthsWithinWhatAGifHolds) {
  const std::pair<int, int> cases[] = {{0, 0},    {4, 0},           {5, 1},
                                       {100, 10}, {1000, 100},      {5000, 500},
                                       {-30, 0},  {654'999, 65500}, {3'600'000, 65535}};
  for (const auto& [ms, units] : cases) EXPECT_EQ(GifDelayUnits(ms), units) << ms;
}

TEST(MakePalette, KeepsFewColoursExactlyAndBoundsMany) {
  ColourCounts few{{0x126034, 5000}, {0xFFFFFF, 300}, {0x000000, 40}};
  const FramePalette exact = MakePalette(few, 255);
  EXPECT_TRUE(exact.exact);
  ASSERT_EQ(exact.colours.size(), 3u);
  for (const auto& [colour, count] : few) {
    EXPECT_EQ(exact.colours[exact.index.at(colour)], colour);
  }

  ColourCounts many;
  for (std::uint32_t k = 0; k < 5000; ++k) many[k * 3331 % 0xFFFFFF] = 1 + k % 7;
  many[0x126034] = 100000;  // the felt
  const FramePalette reduced = MakePalette(many, 255);
  EXPECT_FALSE(reduced.exact);
  EXPECT_LE(reduced.colours.size(), 255u);
  EXPECT_EQ(reduced.index.size(), many.size()) << "every colour has its place";
  EXPECT_EQ(reduced.colours[reduced.index.at(0x126034)], 0x126034u);
  for (const auto& [colour, index] : reduced.index) ASSERT_LT(index, reduced.colours.size());
}

}  // namespace
}  // namespace zendral
