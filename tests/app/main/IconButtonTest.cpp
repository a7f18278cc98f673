// The menu's icons are pictures on the felt: in every state a button draws its icon, centred,
// and nothing around it; disabled, it draws the icon's disabled look.

#include "app/main/IconButton.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "AppFixture.h"

namespace zendral {
namespace {

TEST(IconButton, DrawsItsIconCentredAndNothingElseInEveryState) {
  testing::EnsureApplication();
  QImage picture(20, 20, QImage::Format_ARGB32_Premultiplied);
  picture.fill(QColor(200, 30, 30));
  const QColor felt(14, 100, 50);
  QWidget parent;
  parent.resize(60, 60);
  parent.setAutoFillBackground(true);
  QPalette palette;
  palette.setColor(QPalette::Window, felt);
  parent.setPalette(palette);
  IconButton button(&parent);
  button.setGeometry(10, 10, 40, 40);
  button.setIcon(QIcon(QPixmap::fromImage(picture)));
  button.setIconSize(QSize(20, 20));

  const struct {
    const char* state;
    bool down, enabled;
  } states[] = {{"normal", false, true}, {"pressed", true, true}, {"disabled", false, false}};
  for (const auto& s : states) {
    SCOPED_TRACE(s.state);
    button.setDown(s.down);
    button.setEnabled(s.enabled);
    const QImage shot = parent.grab().toImage();
    // Around the icon the felt shows through the whole button.
    for (const QPoint at : {QPoint(11, 11), QPoint(48, 11), QPoint(11, 48), QPoint(48, 48),
                            QPoint(30, 14), QPoint(14, 30)}) {
      EXPECT_EQ(shot.pixelColor(at), felt) << at.x() << "," << at.y();
    }
    // The icon stands in the middle of the button.
    const QColor middle = shot.pixelColor(30, 30);
    if (s.enabled) {
      EXPECT_EQ(middle, QColor(200, 30, 30));
    } else {
      EXPECT_NE(middle, QColor(200, 30, 30)) << "a disabled icon looks as when enabled";
      EXPECT_NE(middle, felt);
    }
  }
}

}  // namespace
}  // namespace zendral
