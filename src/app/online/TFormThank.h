#pragma once
// The support window ("Support"): the makers' two lines asking for support under the window's
// header, "Support us!" and a close button.

#include <QDialog>

#include "app/windows/WindowResources.h"

class QLabel;
class QPushButton;

namespace zendral {

struct Settings;
class WindowHeader;

class TFormThank : public QDialog {
 public:
  static constexpr int kClientWidth = 480;
  static constexpr int kClientHeight = 230;

  TFormThank(const Settings& settings, PackPictureLoader packPicture, QWidget* parent = nullptr);

  WindowHeader* Header() const { return header_; }
  QLabel* Line1() const { return line1_; }
  QLabel* Line2() const { return line2_; }
  QLabel* SupportLabel() const { return support_; }
  QPushButton* CloseButton() const { return close_; }

 private:
  WindowHeader* header_;
  QLabel* line1_;
  QLabel* line2_;
  QLabel* support_;
  QPushButton* close_;
};

}  // namespace zendral
