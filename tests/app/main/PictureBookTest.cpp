// The menu's small pictures are painted at build time and read at the start: every page of the
// book must be stored, and what is stored must be what the program would paint.

#include "app/menuart/PictureBook.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <algorithm>
#include <cstdlib>

#include "AppFixture.h"
#include "menuart/MenuArtLibrary.h"

namespace zendral {
namespace {

class PictureBookTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    testing::EnsureApplication();
    InitMenuArtLibrary();
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
    EXPECT_TRUE(QFile::exists(":/menuart/" + page.name + ".png")) << "not stored";
    const QImage painted = page.paint();
    const QImage read = BookPicture(page.name);
    ASSERT_FALSE(painted.isNull());
    ASSERT_EQ(read.size(), painted.size());
    EXPECT_EQ(read.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_LE(LargestDifference(read, painted), 2);
  }
  EXPECT_TRUE(BookPicture("NoSuchPage").isNull());
}

}  // namespace
}  // namespace zendral
