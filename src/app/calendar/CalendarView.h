#pragma once
// The two tear-off calendar pages of the main menu: the left one shows the date page, the right
// one turns every 10 seconds through the year page and the day's holidays. Each page's hint is
// its tool tip. Without the calendar pack neither page is shown and the page timer stands.
// The pages are children of the widget that hosts the menu, which paints the window background
// behind them.

#include <QDateTime>
#include <QObject>
#include <QSize>
#include <filesystem>
#include <functional>
#include <vector>

#include "app/calendar/CalendarDrawing.h"

class QLabel;
class QTimer;
class QWidget;

namespace zendral {

class CalendarView : public QObject {
  Q_OBJECT

 public:
  static constexpr int kPageTurnMs = 10000;

  CalendarView(QWidget* host, std::filesystem::path programFolder);

  // ShowCalendar: places and sizes the pages for the window's scale factors, builds today's pages
  // in the language and starts the page timer. False, with both pages hidden and the timer stopped,
  // when the calendar pack is missing.
  bool Show(double scaleX, double scaleY, int language, const TCalendarFonts& fonts = {});
  // Hides both pages and stops the timer (the menu gives way to the table).
  void Hide();
  bool IsShown() const { return shown_; }

  // The page turn of one timer tick: a rebuild in the first half minute of a day (or whenever
  // the day is no longer the one the pages were built for), then the next page on the right.
  void Tick();

  // The clock the pages are built for; the tests set their own.
  void SetClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

  int PageCount() const { return static_cast<int>(pages_.size()); }
  int RightPage() const { return rightPage_; }  // 2 .. PageCount()
  QLabel* LeftLabel() const { return left_; }
  QLabel* RightLabel() const { return right_; }
  QTimer* Timer() const { return timer_; }

 Q_SIGNALS:
  // After every tick of the page timer.
  void Ticked();

 private:
  bool Build();
  void ShowPage(QLabel* label, int page);

  std::filesystem::path programFolder_;
  QLabel* left_;
  QLabel* right_;
  QTimer* timer_;
  std::function<QDateTime()> clock_;
  int language_ = 0;
  TCalendarFonts fonts_;
  QSize pageSize_{kCalendarPageWidth, kCalendarPageHeight};
  std::vector<TDrawnCalendarPage> pages_;
  QDate builtFor_;
  int rightPage_ = 2;
  bool shown_ = false;
};

}  // namespace zendral
