#pragma once
// The speed window ("Choice of speed"): a slider TrackBar1 from 1 to 6, labelled 1 to 6, sets
// CardSpeed while it moves; "Ok" closes the window. Opened by the Options window's speed
// button and by the table's pop-up menu.

#include <QDialog>
#include <functional>

#include "app/windows/WindowResources.h"

class QLabel;
class QPushButton;
class QSlider;

namespace zendral {

struct Settings;
class WindowHeader;

class TFormSpeed : public QDialog {
  Q_OBJECT

 public:
  // changed: called after every change of the speed (the caller re-captions its button).
  TFormSpeed(Settings& settings, std::function<void()> changed = nullptr,
             PackPictureLoader packPicture = nullptr, QWidget* parent = nullptr);

  // Captions from the word tables and the slider from the setting.
  void ApplyLanguage();

  QSlider* TrackBar1() const { return trackBar_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Settings& settings_;
  std::function<void()> changed_;
  WindowHeader* header_;
  QLabel* prompt_;
  QSlider* trackBar_;
  QPushButton* ok_;
};

}  // namespace zendral
