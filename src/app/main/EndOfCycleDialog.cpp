#include "app/main/EndOfCycleDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/main/AppText.h"
#include "app/online/OnlineArt.h"
#include "app/windows/FontScale.h"
#include "appart/AppArtLibrary.h"
#include "art/ArtLibrary.h"
#include "present/words/WordRows.h"

namespace zendral {

using appmain::QtText;
using appmain::RowOf;
using appmain::Text;

namespace {

constexpr int kFrameWidth = 240;  // the frames of an animation strip stand side by side
constexpr int kFrameHeight = 150;

QPixmap MedalPicture(int place, qreal dpr) {
  const QImage medal(":/art/GMedal.png");
  const QImage number(QString(":/art/GPlace%1.png").arg(place, 2, 10, QChar('0')));
  if (medal.isNull()) return {};
  QImage composed(medal.size() * dpr, QImage::Format_ARGB32_Premultiplied);
  composed.setDevicePixelRatio(dpr);
  composed.fill(Qt::transparent);
  QPainter p(&composed);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QPoint(0, 0), medal);
  // The place is struck into the middle of the disc.
  if (!number.isNull()) {
    p.drawImage(QPoint(medal.width() / 2 - number.width() / 2,
                       medal.height() * 110 / 168 - number.height() / 2),
                number);
  }
  p.end();
  return QPixmap::fromImage(composed);
}

// The animation: one frame of the strip, redrawn on every step.
class AnimationView : public QWidget {
 public:
  AnimationView(const QImage& strip, const int& frame, QWidget* parent)
      : QWidget(parent), strip_(strip), frame_(frame) {
    setFixedSize(kFrameWidth, kFrameHeight);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    if (strip_.isNull()) {
      p.fillRect(rect(), QColor(20, 30, 60));
      return;
    }
    p.drawImage(rect(), strip_, QRect(frame_ * kFrameWidth, 0, kFrameWidth, kFrameHeight));
  }

 private:
  const QImage& strip_;
  const int& frame_;
};

}  // namespace

EndOfCycleDialog::EndOfCycleDialog(const EndOfCycleWindow& window, QWidget* parent,
                                   const AccountCycleExtras* account)
    : QDialog(parent), window_(window) {
  InitArtLibrary();
  InitAppArtLibrary();
  setObjectName("FormEndGame");
  setWindowTitle(Text(kWordCompletionOfGame));
  strip_ = QImage(":/appart/" + QtText(window.animation) + ".png");
  frames_ = strip_.isNull() ? 1 : std::max(1, strip_.width() / kFrameWidth);

  auto* grid = new QGridLayout(this);
  animation_ = new AnimationView(strip_, frame_, this);
  animation_->setObjectName("Animation");
  grid->addWidget(animation_, 0, 0, Qt::AlignTop);

  auto* texts = new QVBoxLayout;
  for (std::size_t i = 0; i < window.lines.size(); ++i) {
    const GameText line = window.lines[i];
    QString text = Text(RowOf(line));
    if (line == GameText::kResult) text += QString::number(window.score);
    auto* label = new QLabel(text, this);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setBold(i == 0 || line == GameText::kResult);
    if (i == 0) font = ScaledFont(font, 1.6);
    label->setFont(font);
    label->setStyleSheet(i == 0 ? "color: rgb(200, 0, 0);" : "color: navy;");
    texts->addWidget(label);
    lines_ << label;
  }
  if (account != nullptr) {
    auto addLine = [&](const QString& text, const char* name) {
      auto* label = new QLabel(text, this);
      label->setObjectName(name);
      label->setAlignment(Qt::AlignCenter);
      label->setWordWrap(true);
      QFont font = label->font();
      font.setBold(true);
      label->setFont(font);
      label->setStyleSheet("color: navy;");
      texts->addWidget(label);
      lines_ << label;
    };
    if (window.place == 1) addLine(Text(kWordVicePresident), "LabelTitle");
    if (account->award > 0) {
      addLine(
          Text(kWordYouGet) + " " + QString::number(account->award) + " " + Text(kWordKovs) + "!!!",
          "LabelAward");
      auto* kovs = new QHBoxLayout;
      kovs->addStretch();
      for (const auto& [name, picture] : {std::pair{"ImageKovs", PaintKovsCoin(64)},
                                          std::pair{"ImageKovsT", PaintKovsStack(64)}}) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setPixmap(QPixmap::fromImage(picture));
        kovs->addWidget(label);
      }
      kovs->addStretch();
      texts->addLayout(kovs);
    }
    auto* picture = new QLabel(this);
    picture->setObjectName("ImageAccount");
    picture->setPixmap(QPixmap::fromImage(PaintAccountPicture(48)));
    grid->addWidget(picture, 1, 0, Qt::AlignLeft);
  }
  texts->addStretch();
  grid->addLayout(texts, 0, 1);

  if (window.medalPlace >= 1 && window.medalPlace <= 10) {
    medal_ = new QLabel(this);
    medal_->setObjectName("Medal");
    medal_->setPixmap(MedalPicture(window.medalPlace, devicePixelRatioF()));
    grid->addWidget(medal_, 0, 2, Qt::AlignTop);
  }

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(Text(kWordOk), QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  grid->addWidget(buttons, 2, 0, 1, 3);

  timer_.setInterval(100);
  connect(&timer_, &QTimer::timeout, this, [this] { NextFrame(); });
  timer_.start();
}

void EndOfCycleDialog::NextFrame() {
  // With a place the animation plays once; without one it runs on.
  if (frame_ + 1 < frames_) {
    ++frame_;
  } else if (window_.animationLoops) {
    frame_ = 0;
  } else {
    timer_.stop();
    return;
  }
  animation_->update();
}

QStringList EndOfCycleDialog::Lines() const {
  QStringList texts;
  for (const QLabel* label : lines_) texts << label->text();
  return texts;
}

}  // namespace zendral
