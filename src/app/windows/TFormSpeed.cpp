#include "app/windows/TFormSpeed.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QVBoxLayout>

#include "app/windows/WindowHeader.h"
#include "app/windows/WindowTexts.h"
#include "present/words/WordRows.h"
#include "store/Settings.h"

namespace zendral {

namespace {

constexpr int kSlowest = 1;
constexpr int kFastest = 6;
constexpr int kTextSize = 15;

// The numbers 1 to 6, each under its tick of the slider.
class SpeedNumbers : public QWidget {
 public:
  SpeedNumbers(QSlider* slider, QWidget* parent) : QWidget(parent), slider_(slider) {
    setFixedHeight(fontMetrics().height() + 2);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QStyleOptionSlider option;
    option.initFrom(slider_);
    option.orientation = slider_->orientation();
    option.minimum = slider_->minimum();
    option.maximum = slider_->maximum();
    option.tickPosition = slider_->tickPosition();
    option.tickInterval = slider_->tickInterval();
    const QStyle* style = slider_->style();
    const int handle =
        style->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider_).width();
    const int span = slider_->width() - handle;
    const int left = slider_->mapTo(parentWidget(), QPoint(0, 0)).x() - x();
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    for (int v = slider_->minimum(); v <= slider_->maximum(); ++v) {
      const int centre =
          left + handle / 2 +
          QStyle::sliderPositionFromValue(slider_->minimum(), slider_->maximum(), v, span);
      const QString number = QString::number(v);
      const int width = fontMetrics().horizontalAdvance(number);
      p.drawText(
          QPoint(std::clamp(centre - width / 2, 0, this->width() - width), fontMetrics().ascent()),
          number);
    }
  }

 private:
  QSlider* slider_;
};

}  // namespace

TFormSpeed::TFormSpeed(Settings& settings, std::function<void()> changed,
                       PackPictureLoader packPicture, QWidget* parent)
    : QDialog(parent), settings_(settings), changed_(std::move(changed)) {
  setObjectName(QStringLiteral("TFormSpeed"));
  setFont(SerifFont(settings_, kTextSize));
  header_ = new WindowHeader(settings_, {"Speed", "GFormSpeed", &kWordChoiceOfSpeed},
                             std::move(packPicture), this);
  prompt_ = new QLabel(this);
  prompt_->setObjectName(QStringLiteral("Label1"));
  trackBar_ = new QSlider(Qt::Horizontal, this);
  trackBar_->setObjectName(QStringLiteral("TrackBar1"));
  trackBar_->setRange(kSlowest, kFastest);
  trackBar_->setPageStep(1);
  trackBar_->setTickPosition(QSlider::TicksBelow);
  trackBar_->setTickInterval(1);
  ok_ = new QPushButton(this);
  ok_->setObjectName(QStringLiteral("Button1"));
  ok_->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(header_);
  layout->addWidget(prompt_);
  layout->addWidget(trackBar_);
  layout->addWidget(new SpeedNumbers(trackBar_, this));
  layout->addWidget(ok_, 0, Qt::AlignHCenter);
  setMinimumWidth(380);

  connect(trackBar_, &QSlider::valueChanged, this, [this](int value) {
    settings_.CardSpeed = value;
    if (changed_) changed_();
  });
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  ApplyLanguage();
}

void TFormSpeed::ApplyLanguage() {
  setWindowTitle(WordText(kWordChoiceOfSpeed));
  prompt_->setText(WordText(kWordSelectFlightSpeed));
  ok_->setText(WordText(kWordOk));
  header_->Refresh();
  const QSignalBlocker block(trackBar_);
  trackBar_->setValue(std::clamp(settings_.CardSpeed, kSlowest, kFastest));
}

void TFormSpeed::showEvent(QShowEvent* event) {
  ApplyLanguage();
  QDialog::showEvent(event);
}

}  // namespace zendral
