#include "app/online/TFWorldSend.h"

#include <QLabel>
#include <QPushButton>

#include "app/online/OnlineArt.h"
#include "app/online/OnlineText.h"
#include "app/online/TFPassport.h"
#include "online/Countries.h"
#include "online/Results.h"
#include "present/words/WordRows.h"

namespace zendral {

TFWorldSend::TFWorldSend(const OnlineUi& ui, int totalScore, QWidget* parent)
    : QDialog(parent), ui_(ui), score_(totalScore) {
  setObjectName(QStringLiteral("TFWorldSend"));
  setFixedSize(kClientWidth, kClientHeight);
  setFont(OnlineFont(ui_.settings, 15));
  setWindowTitle(WordText(kWordWorldTopTen));
  auto* heading = new QLabel(WordText(kWordPassport), this);
  heading->setFont(OnlineFont(ui_.settings, 20, true));
  heading->setGeometry(20, 10, 480, 32);
  const TWordRow* captions[] = {&kWordNick, &kWordCountry, &kWordCity};
  for (int i = 0; i < 3; ++i) {
    auto* caption = new QLabel(WordText(*captions[i]) + QStringLiteral(":"), this);
    caption->setGeometry(20, 55 + i * 40, 140, 30);
  }
  nick_ = new QLabel(this);
  nick_->setObjectName(QStringLiteral("LabelNick"));
  nick_->setGeometry(170, 55, 330, 30);
  flag_ = new QLabel(this);
  flag_->setGeometry(170, 101, 28, 24);
  country_ = new QLabel(this);
  country_->setObjectName(QStringLiteral("LabelCountry"));
  country_->setGeometry(206, 95, 300, 30);
  city_ = new QLabel(this);
  city_->setObjectName(QStringLiteral("LabelCity"));
  city_->setGeometry(170, 135, 330, 30);
  scoreText_ =
      new QLabel(WordText(kWordYourScore) + QStringLiteral(": ") + QString::number(score_), this);
  scoreText_->setObjectName(QStringLiteral("LabelScore"));
  scoreText_->setFont(OnlineFont(ui_.settings, 18, true));
  scoreText_->setGeometry(20, 190, 480, 34);
  placeText_ = new QLabel(this);
  placeText_->setObjectName(QStringLiteral("LabelPlace"));
  placeText_->setFont(OnlineFont(ui_.settings, 18, true));
  placeText_->setGeometry(20, 230, 480, 34);
  send_ = new QPushButton(WordText(kWordSend), this);
  send_->setObjectName(QStringLiteral("ButtonSend"));
  send_->setGeometry(20, 320, 150, 40);
  passport_ = new QPushButton(WordText(kWordPassport), this);
  passport_->setObjectName(QStringLiteral("ButtonPassport"));
  passport_->setGeometry(185, 320, 150, 40);
  close_ = new QPushButton(WordText(kWordClose), this);
  close_->setObjectName(QStringLiteral("ButtonClose"));
  close_->setGeometry(350, 320, 150, 40);
  connect(send_, &QPushButton::clicked, this, [this] { Send(); });
  connect(passport_, &QPushButton::clicked, this, [this] {
    TFPassport passport(ui_.settings, this);
    ui_.Run(passport);
    ShowPassport();
  });
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
  ShowPassport();
}

void TFWorldSend::ShowPassport() {
  const Settings& s = ui_.settings;
  nick_->setText(QtText(s.WttNick));
  const auto country = online::CountryOfCode(s.WttCountry);
  country_->setText(country ? QtText(s.Language == 1 ? country->russian : country->english)
                            : QString());
  flag_->setPixmap(QPixmap::fromImage(PaintFlag(s.WttCountry)).scaled(28, 24));
  city_->setText(QtText(s.WttCity));
  // Only a Latin name can be filed; the city may be Cyrillic.
  const int name = online::CheckPassportField(s.WttNick, online::FieldKind::kNick);
  const int city = online::CheckPassportField(s.WttCity, online::FieldKind::kCity);
  send_->setEnabled(!sent_ && name == 3 && city >= 2);
}

void TFWorldSend::Send() {
  const Settings& s = ui_.settings;
  const online::TKovRecord row =
      online::SubmissionRow(s.WttNick, s.WttCity, s.WttCountry, score_, s.WttSex);
  const auto place = online::SubmitWorldRow(ui_.club.frame(), ui_.club.addresses().records,
                                            online::kWindowsTable, row);
  if (!place) {
    ui_.Message(WordText(kWordCantWriteResult), true);
    return;
  }
  sent_ = true;
  place_ = *place;
  placeText_->setText(WordText(kWordYourPlace) + QStringLiteral(": ") + QString::number(place_));
  ShowPassport();
}

}  // namespace zendral
