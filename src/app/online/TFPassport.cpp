#include "app/online/TFPassport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include "app/online/OnlineArt.h"
#include "app/online/OnlineText.h"
#include "online/Countries.h"
#include "present/words/WordRows.h"

namespace zendral {
namespace {

const TWordRow* const kContinentWords[6] = {&kWordEurope,       &kWordAsia,    &kWordNorthAmerica,
                                            &kWordSouthAmerica, &kWordOceania, &kWordAfrica};

// A typed character whose check gives 1 is refused.
class PassportFilter : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    for (const QChar c : input) {
      if (online::CheckAccountField(QString(c).toStdString(), online::FieldKind::kCharacter) == 1) {
        return Invalid;
      }
    }
    return Acceptable;
  }
};

}  // namespace

TFPassport::TFPassport(Settings& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
  setObjectName(QStringLiteral("TFPassport"));
  setFixedSize(kClientWidth, kClientHeight);
  setFont(OnlineFont(settings_, 15));
  setWindowTitle(WordText(kWordMyPassport));
  auto* heading = new QLabel(WordText(kWordMyPassport), this);
  heading->setFont(OnlineFont(settings_, 20, true));
  heading->setGeometry(20, 10, 480, 32);
  const TWordRow* captions[] = {&kWordNick, &kWordCity, &kWordSex, &kWordCountry};
  for (int i = 0; i < 4; ++i) {
    auto* caption = new QLabel(WordText(*captions[i]), this);
    caption->setGeometry(20, 60 + i * 45, 130, 30);
  }
  name_ = new QLineEdit(QtText(settings_.WttNick), this);
  name_->setObjectName(QStringLiteral("EditName"));
  name_->setMaxLength(12);
  name_->setValidator(new PassportFilter(name_));
  name_->setGeometry(160, 60, 280, 30);
  lampName_ = new QLabel(this);
  lampName_->setGeometry(450, 63, 24, 24);
  city_ = new QLineEdit(QtText(settings_.WttCity), this);
  city_->setObjectName(QStringLiteral("EditCity"));
  city_->setMaxLength(15);
  city_->setValidator(new PassportFilter(city_));
  city_->setGeometry(160, 105, 280, 30);
  lampCity_ = new QLabel(this);
  lampCity_->setGeometry(450, 108, 24, 24);
  sex_ = new QComboBox(this);
  sex_->setObjectName(QStringLiteral("ComboSex"));
  sex_->addItems({WordText(kWordMan), WordText(kWordWoman)});
  sex_->setCurrentIndex(settings_.WttSex == "W" ? 1 : 0);
  sex_->setGeometry(160, 150, 280, 30);
  continents_ = new QComboBox(this);
  continents_->setObjectName(QStringLiteral("ComboContinent"));
  for (const TWordRow* w : kContinentWords) continents_->addItem(WordText(*w));
  continents_->setGeometry(160, 195, 280, 30);
  countries_ = new QComboBox(this);
  countries_->setObjectName(QStringLiteral("ComboCountry"));
  countries_->setGeometry(160, 235, 280, 30);
  flag_ = new QLabel(this);
  flag_->setObjectName(QStringLiteral("ImageFlag"));
  flag_->setGeometry(450, 244, 28, 24);
  ok_ = new QPushButton(WordText(kWordOk), this);
  ok_->setObjectName(QStringLiteral("ButtonOk"));
  ok_->setGeometry(340, 300, 160, 40);
  ok_->setDefault(true);

  if (const auto split = online::SplitCountryCode(settings_.WttCountry)) {
    continent_ = split->first;
  }
  ChooseContinent(continent_, true);
  connect(name_, &QLineEdit::textChanged, this, [this] { Changed(); });
  connect(city_, &QLineEdit::textChanged, this, [this] { Changed(); });
  connect(sex_, &QComboBox::activated, this,
          [this](int i) { settings_.WttSex.assign(1, i == 1 ? 'W' : 'M'); });
  connect(continents_, &QComboBox::activated, this,
          [this](int i) { ChooseContinent(i + 1, false); });
  connect(countries_, &QComboBox::activated, this, [this](int i) {
    settings_.WttCountry = online::CountryCode(continent_, i + 1);
    flag_->setPixmap(QPixmap::fromImage(PaintFlag(settings_.WttCountry)).scaled(28, 24));
  });
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  Changed();
}

void TFPassport::ChooseContinent(int continent, bool keepCountry) {
  continent_ = continent;
  continents_->setCurrentIndex(continent - 1);
  countries_->clear();
  const auto table = online::ContinentCountries(continent);
  const bool russian = settings_.Language == 1;
  for (std::size_t i = 1; i < table.size(); ++i) {
    countries_->addItem(
        QIcon(QPixmap::fromImage(PaintFlag(online::CountryCode(continent, static_cast<int>(i))))),
        QtText(russian ? table[i].russian : table[i].english));
  }
  const auto split = online::SplitCountryCode(settings_.WttCountry);
  if (keepCountry && split && split->second > 0) {
    countries_->setCurrentIndex(split->second - 1);
  } else {
    settings_.WttCountry = online::CountryCode(continent, keepCountry && split ? split->second : 0);
    countries_->setCurrentIndex(-1);
  }
  flag_->setPixmap(QPixmap::fromImage(PaintFlag(settings_.WttCountry)).scaled(28, 24));
}

void TFPassport::Changed() {
  const int name =
      online::CheckPassportField(name_->text().toStdString(), online::FieldKind::kNick);
  const int city =
      online::CheckPassportField(city_->text().toStdString(), online::FieldKind::kCity);
  lampName_->setPixmap(QPixmap::fromImage(LampOfCheck(name)));
  lampCity_->setPixmap(QPixmap::fromImage(LampOfCheck(city)));
  if (name != 1) settings_.WttNick = name_->text().toStdString();
  if (city != 1) settings_.WttCity = city_->text().toStdString();
}

void TFPassport::done(int result) {
  if (online::CheckPassportField(name_->text().toStdString(), online::FieldKind::kNick) == 1) {
    name_->setFocus();
    return;
  }
  if (online::CheckPassportField(city_->text().toStdString(), online::FieldKind::kCity) == 1) {
    city_->setFocus();
    return;
  }
  QDialog::done(result);
}

}  // namespace zendral
