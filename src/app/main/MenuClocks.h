#pragma once
// The main menu's two clocks: the time and the indicator of the statistics.

#include <QImage>
#include <QString>
#include <QWidget>

#include "extras/menuinfo/MenuIndicator.h"

namespace zendral {

// The time clock: hours and minutes with a separator that blinks with the second.
class MenuTimeClock : public QWidget {
 public:
  MenuTimeClock(QWidget* parent);
  void Show(int hour, int minute, int millisecond, bool drawn);
  bool SeparatorShown() const { return separator_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int hour_ = 0;
  int minute_ = 0;
  bool separator_ = false;
  bool drawn_ = false;
};

// The indicator clock: one value of the statistics at a time.
class MenuIndicatorClock : public QWidget {
 public:
  MenuIndicatorClock(QWidget* parent);
  void Show(const TIndicatorText& text);
  const QString& Number() const { return number_; }
  // The country whose flag stands left of the number; empty without a flag.
  const QString& FlagCountry() const { return country_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString number_ = "00";
  QString country_;
  QImage flag_;
};

}  // namespace zendral
