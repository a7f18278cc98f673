// The menu's small pictures are painted at build time and read at the start: every page of the
// book must be stored, and what is stored must be what the program would paint.

#include "app/menuart/PictureBook.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <algorithm>
#include <cstdlib>

#include "AppFixture.h"
#include "app/menuart/RawPicture.h"
#include "appart/AppArtLibrary.h"
#include "menuart/MenuArtLibrary.h"

namespace zendral {
namespace {

class PictureBookTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    testing::EnsureApplication();
    InitMenuArtLibrary();
    InitAppArtLibrary();
  }
};

// The largest difference of a channel between two pictures of one size; the round trip through
// a PNG (which keeps colours without premultiplied alpha) may move a half-transparent pixel's
// channel by a step or two.
int LargestDifference(const QImage& a, const QImage& b) {
  const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  int largest = 0;
  for (int row = 0; row < x.height(); ++row) {
    for (int col = 0; col < x.width(); ++col) {
      const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
    }
  }
  return largest;
}

TEST_F(PictureBookTest, EveryPageIsStoredAsTheProgramPaintsIt) {
  QSet<QString> names;
  for (const BookPage& page : PictureBookPages()) {
    SCOPED_TRACE(page.name.toStdString());
    EXPECT_FALSE(names.contains(page.name)) << "two pages of one name";
    names.insert(page.name);
    const QString stored =
        page.compact ? ":/appart/" + page.name + ".png" : ":/menuart/" + page.name + ".raw";
    EXPECT_TRUE(QFile::exists(stored)) << "not stored";
    const QImage painted = page.paint();
    const QImage read = BookPicture(page.name);
    ASSERT_FALSE(painted.isNull());
    ASSERT_EQ(read.size(), painted.size());
    EXPECT_EQ(read.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_LE(LargestDifference(read, painted), 2);
  }
  EXPECT_TRUE(BookPicture("NoSuchPage").isNull());
}

// A raw picture comes back pixel for pixel wherever its bytes lie; bytes of another kind or of
// a wrong length give a null image, never a picture read past their end.
TEST_F(PictureBookTest, RawPicturesComeBackAsTheyWereAndBadBytesAreRefused) {
  QImage picture(7, 3, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 7; ++x)
      picture.setPixel(x, y, qPremultiply(qRgba(x * 30, y * 80, 9, 40 * x)));
  }
  const QByteArray bytes = EncodeRawPicture(picture);
  EXPECT_EQ(bytes.size(), 12 + 7 * 3 * 4);
  EXPECT_EQ(DecodeRawPicture(bytes), picture);
  // Not on a 4-byte boundary.
  const QByteArray shifted = QByteArray(1, 'x') + bytes;
  EXPECT_EQ(DecodeRawPicture(QByteArray::fromRawData(shifted.constData() + 1, bytes.size())),
            picture);

  QByteArray otherKind = bytes;
  otherKind[0] = 'P';
  QByteArray tooWide = bytes;
  tooWide[4] = 8;
  QByteArray empty = bytes;
  empty[8] = 0;
  const struct {
    const char* what;
    QByteArray bytes;
  } bad[] = {{"nothing", QByteArray()},
             {"a header only", bytes.left(12)},
             {"one byte short", bytes.chopped(1)},
             {"one byte more", bytes + 'x'},
             {"another kind", otherKind},
             {"a width the bytes do not hold", tooWide},
             {"no rows", empty},
             {"a PNG", QByteArray("\x89PNG\r\n\x1a\n0000000000000000")}};
  for (const auto& c : bad) {
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(DecodeRawPicture(c.bytes).isNull());
  }
}

}  // namespace
}  // namespace zendral
