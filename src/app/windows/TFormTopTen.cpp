#include "app/windows/TFormTopTen.h"

#include <QEvent>
#include <QLabel>
#include <QMovie>
#include <QPushButton>

#include "app/windows/OrderPicture.h"
#include "app/windows/WindowResources.h"
#include "app/windows/WindowTexts.h"
#include "present/words/WordRows.h"
#include "store/Settings.h"

namespace zendral {

namespace {

constexpr int kWindowTextSize = 24;  // RoleFontSize(24, "serif"), the button in bold
const QRect kPictureArea(5, 5, kOrderPictureWidth, kOrderPictureHeight);
const QRect kTopTenArea(50, 575, 240, 120);
const QRect kClubArea(340, 565, 60, 75);
const QRect kOkArea(310, 648, 140, 44);

QMovie* Animation(const QString& name, QObject* parent) {
  auto* movie = new QMovie(WindowAnimationPath(name), QByteArray(), parent);
  movie->setCacheMode(QMovie::CacheAll);
  return movie;
}

// Runs an animation or shows it standing on its first frame.
void Run(QMovie* movie, bool moving) {
  if (moving) {
    if (movie->state() != QMovie::Running) movie->start();
  } else {
    movie->stop();
    movie->jumpToFrame(0);
  }
}

}  // namespace

TFormTopTen::TFormTopTen(const Settings& settings, std::filesystem::path programFolder,
                         QWidget* parent)
    : QDialog(parent), settings_(settings), programFolder_(std::move(programFolder)) {
  setObjectName(QStringLiteral("TFormTopTen"));
  setFixedSize(kClientWidth, kClientHeight);
  setFont(SerifFont(settings_, kWindowTextSize));
  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("Image1"));
  picture_->setGeometry(kPictureArea);
  topTenAnimation_ = new QLabel(this);
  topTenAnimation_->setObjectName(QStringLiteral("ImageTopTen"));
  topTenAnimation_->setGeometry(kTopTenArea);
  topTenAnimation_->setAlignment(Qt::AlignCenter);
  clubAnimation_ = new QLabel(this);
  clubAnimation_->setObjectName(QStringLiteral("ImageClub"));
  clubAnimation_->setGeometry(kClubArea);
  clubAnimation_->setAlignment(Qt::AlignCenter);
  topTenMovie_ = Animation(QStringLiteral("GTopTen"), this);
  topTenAnimation_->setMovie(topTenMovie_);
  ok_ = new QPushButton(this);
  ok_->setObjectName(QStringLiteral("Button1"));
  ok_->setFont(SerifFont(settings_, kWindowTextSize, true));
  ok_->setGeometry(kOkArea);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  Refresh();
}

void TFormTopTen::Refresh() {
  setWindowTitle(WordText(kWordTopTen));
  ok_->setText(WordText(kWordOk));
  const ClubOrder order = ReadClubOrder(programFolder_, settings_.NetGame);
  picture_->setPixmap(
      QPixmap::fromImage(PaintOrderPicture(settings_, order, palette().color(QPalette::Button))));
  if (!clubMovie_ || clubMovieNet_ != settings_.NetGame) {
    delete clubMovie_;
    clubMovieNet_ = settings_.NetGame;
    clubMovie_ =
        Animation(clubMovieNet_ ? QStringLiteral("GClubG") : QStringLiteral("GClubF"), this);
    clubAnimation_->setMovie(clubMovie_);
  }
  Run(topTenMovie_, settings_.GifAnimation);
  Run(clubMovie_, settings_.GifAnimation);
}

bool TFormTopTen::AnimationsRunning() const {
  return topTenMovie_->state() == QMovie::Running &&
         (clubMovie_ && clubMovie_->state() == QMovie::Running);
}

void TFormTopTen::showEvent(QShowEvent* event) {
  Refresh();
  QDialog::showEvent(event);
}

void TFormTopTen::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Refresh();
  QDialog::changeEvent(event);
}

}  // namespace zendral
