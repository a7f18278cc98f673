#include "app/calendar/CalendarView.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace zendral {

CalendarView::CalendarView(QWidget* host, std::filesystem::path programFolder)
    : QObject(host),
      programFolder_(std::move(programFolder)),
      left_(new QLabel(host)),
      right_(new QLabel(host)),
      timer_(new QTimer(this)),
      clock_([] { return QDateTime::currentDateTime(); }) {
  for (QLabel* label : {left_, right_}) {
    label->resize(kCalendarPageWidth, kCalendarPageHeight);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->hide();
  }
  left_->setObjectName(QStringLiteral("ImageCalendarLeft"));
  right_->setObjectName(QStringLiteral("ImageCalendarRight"));
  timer_->setObjectName(QStringLiteral("TimerCal"));
  timer_->setInterval(kPageTurnMs);
  connect(timer_, &QTimer::timeout, this, &CalendarView::Tick);
}

bool CalendarView::Build() {
  const QDate today = clock_().date();
  auto pages = BuildCalendar(programFolder_, {today.year(), today.month(), today.day()}, language_,
                             fonts_, pageSize_);
  if (!pages || pages->empty()) {
    pages_.clear();
    return false;
  }
  pages_ = std::move(*pages);
  builtFor_ = today;
  return true;
}

bool CalendarView::Show(double scaleX, double scaleY, int language, const TCalendarFonts& fonts) {
  language_ = language;
  fonts_ = fonts;
  const TCalendarPlaces places = CalendarPlaces(scaleX, scaleY);
  pageSize_ = {places.width, places.height};
  left_->setGeometry(places.leftX, places.y, places.width, places.height);
  right_->setGeometry(places.rightX, places.y, places.width, places.height);
  if (!Build()) {
    Hide();
    return false;
  }
  ShowPage(left_, 1);
  rightPage_ = 2;
  ShowPage(right_, rightPage_);
  left_->show();
  right_->show();
  left_->raise();
  right_->raise();
  shown_ = true;
  timer_->start();
  return true;
}

void CalendarView::Hide() {
  timer_->stop();
  left_->hide();
  right_->hide();
  shown_ = false;
}

void CalendarView::Tick() {
  if (!shown_) return;
  const QDateTime now = clock_();
  const QTime time = now.time();
  // A tick that comes late (the program held by a long request over midnight) still finds the
  // new day.
  if (IsCalendarRebuildTime(time.hour(), time.minute(), time.second()) || now.date() != builtFor_) {
    if (!Build()) {
      Hide();
      return;
    }
    ShowPage(left_, 1);
  }
  rightPage_ = NextRightPage(rightPage_, PageCount());
  ShowPage(right_, rightPage_);
  Q_EMIT Ticked();
}

void CalendarView::ShowPage(QLabel* label, int page) {
  if (page < 1 || page > PageCount()) return;
  const TDrawnCalendarPage& drawn = pages_[static_cast<std::size_t>(page - 1)];
  label->setPixmap(QPixmap::fromImage(drawn.picture));
  label->setToolTip(drawn.hint);
}

}  // namespace zendral
