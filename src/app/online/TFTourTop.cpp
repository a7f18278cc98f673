#include "app/online/TFTourTop.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "app/online/OnlineArt.h"
#include "app/online/OnlineText.h"
#include "app/online/TopTenList.h"
#include "online/Results.h"
#include "present/words/WordRows.h"
#include "protocol/Keys.h"

namespace zendral {
namespace {
char lastCriterion = protocol::kByScore;
}  // namespace

char LastTournamentCriterion() {
  return lastCriterion;
}

TFTourTop::TFTourTop(const OnlineUi& ui, OwnValue ownValue, QWidget* parent)
    : QDialog(parent), ui_(ui), ownValue_(std::move(ownValue)) {
  setObjectName(QStringLiteral("TFTourTop"));
  setFixedSize(kClientWidth, kClientHeight);
  setFont(OnlineFont(ui_.settings, 14));
  setWindowTitle(WordText(kWordTournamentTopTen));
  auto* heading = new QLabel(WordText(kWordOnlineTopTen), this);
  heading->setObjectName(QStringLiteral("LabelHeading"));
  heading->setFont(OnlineFont(ui_.settings, 22, true));
  heading->setAlignment(Qt::AlignCenter);
  heading->setGeometry(10, 8, 620, 36);
  score_ = new QRadioButton(WordText(kWordScore), this);
  score_->setObjectName(QStringLiteral("RadioScore"));
  score_->setGeometry(40, 50, 180, 30);
  rating_ = new QRadioButton(WordText(kWordRating), this);
  rating_->setObjectName(QStringLiteral("RadioRating"));
  rating_->setGeometry(240, 50, 180, 30);
  kons_ = new QRadioButton(WordText(kWordGames), this);
  kons_->setObjectName(QStringLiteral("RadioKons"));
  kons_->setGeometry(440, 50, 180, 30);
  list_ = new TopTenList(this);
  list_->setObjectName(QStringLiteral("ListTop"));
  list_->setFont(OnlineFont(ui_.settings, 14));
  list_->setGeometry(10, 90, 620, 400);
  medal_ = new QLabel(this);
  medal_->setObjectName(QStringLiteral("ImageMedal"));
  medal_->setGeometry(20, 498, 90, 90);
  placeText_ = new QLabel(this);
  placeText_->setObjectName(QStringLiteral("LabelPlace"));
  placeText_->setFont(OnlineFont(ui_.settings, 18, true));
  placeText_->setGeometry(120, 520, 300, 40);
  auto* close = new QPushButton(WordText(kWordClose), this);
  close->setObjectName(QStringLiteral("ButtonClose"));
  close->setGeometry(470, 540, 160, 40);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(score_, &QRadioButton::clicked, this, [this] { Choose(protocol::kByScore); });
  connect(rating_, &QRadioButton::clicked, this, [this] { Choose(protocol::kByRating); });
  connect(kons_, &QRadioButton::clicked, this, [this] { Choose(protocol::kByKons); });
  Choose(lastCriterion);
}

void TFTourTop::Choose(char criterion) {
  lastCriterion = criterion;
  score_->setChecked(criterion == protocol::kByScore);
  rating_->setChecked(criterion == protocol::kByRating);
  kons_->setChecked(criterion == protocol::kByKons);
  online::OnlineClub& club = ui_.club;
  const auto rows =
      online::ReadTournamentTopTen(club.frame(), club.addresses().tournament, criterion);
  if (!rows) {
    list_->SetNoConnect(WordText(kWordNoConnect));
  } else {
    std::vector<TopTenRow> shown;
    for (const auto& r : *rows) {
      if (r.Nick.empty() || r.Nick == "#") continue;
      shown.push_back({QString::number(r.Place) + QStringLiteral("."), PaintFlag(r.Country),
                       PaintSexIcon(r.R07.empty() ? 'M' : r.R07[0]), QtText(r.Nick), QtText(r.City),
                       QtText(r.Score)});
    }
    list_->SetRows(std::move(shown));
  }
  place_ = -1;
  if (ownValue_) {
    if (const auto value = ownValue_(criterion)) {
      place_ =
          online::ReadTournamentPlace(club.frame(), club.addresses().tournament, criterion, *value);
    }
  }
  if (place_ >= 1 && place_ <= 10) {
    QImage medal(":/art/GMedal.png");
    const QImage number(QString(":/art/GPlace%1.png").arg(place_, 2, 10, QChar('0')));
    if (!medal.isNull()) {
      QPainter p(&medal);
      if (!number.isNull()) {
        p.drawImage((medal.width() - number.width()) / 2, (medal.height() - number.height()) / 2,
                    number);
      }
    }
    medal_->setPixmap(
        QPixmap::fromImage(medal).scaled(90, 90, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    placeText_->setText(WordText(kWordYourPlace) + QStringLiteral(": ") + QString::number(place_));
  } else {
    medal_->clear();
    placeText_->clear();
  }
}

}  // namespace zendral
