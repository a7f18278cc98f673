// The title pictures are stored at their design size and at twice that size; a window takes the
// smallest that is still large enough, so that the small window scales nothing and a large one
// is never blown up from the small picture.

#include "app/main/TitlePicture.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include "AppFixture.h"
#include "appart/AppArtLibrary.h"
#include "present/packs/ReadPicture.h"

namespace zendral {
namespace {

class TitlePictureTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    testing::EnsureApplication();
    InitAppArtLibrary();
  }
  static QImage Stored(const QString& file) { return ReadPictureFile(":/appart/" + file, "PNG"); }
};

TEST_F(TitlePictureTest, EachWindowSizeGetsItsPictureFromTheRightStoredOne) {
  for (const char* name : {"CapEng", "GTitle", "EliteRus", "Net__Chi"}) {
    SCOPED_TRACE(name);
    const QImage large = Stored(QString(name) + ".png");
    const QImage small = Stored(QString(name) + "S.png");
    ASSERT_FALSE(large.isNull());
    ASSERT_FALSE(small.isNull());
    ASSERT_EQ(small.size() * 2, large.size());
    const QSize design = small.size();
    const struct {
      const char* window;
      QSize target;
      QImage expected;
    } cases[] = {
        {"small window", design, small},
        {"twice the design", design * 2, large},
        {"between the two", design * 1.5,
         large.scaled(design * 1.5, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)},
        {"smaller than the design", design * 0.8,
         small.scaled(design * 0.8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)},
        {"wider only", QSize(design.width() + 1, design.height()),
         large.scaled(QSize(design.width() + 1, design.height()), Qt::IgnoreAspectRatio,
                      Qt::SmoothTransformation)},
    };
    for (const auto& c : cases) {
      SCOPED_TRACE(c.window);
      const QImage got = TitlePictureAt(name, c.target);
      EXPECT_EQ(got.size(), c.target);
      EXPECT_EQ(got.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                c.expected.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
  }
  EXPECT_TRUE(TitlePictureAt("NoSuchTitle", QSize(400, 70)).isNull());
}

}  // namespace
}  // namespace zendral
