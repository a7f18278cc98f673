#include "app/radio/TFormRadio.h"

#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "app/radio/MediaButtons.h"
#include "app/radio/RadioArt.h"
#include "present/words/MediaWords.h"
#include "present/words/WordRows.h"

namespace zendral::radioui {

namespace {

QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString WordQ(const TWordRow& row) {
  return Q(Word(row));
}

constexpr int kWidth = 440;
constexpr int kHeight = 330;

}  // namespace

TFormRadio::TFormRadio(radio::RadioController& radio, std::string listText, RadioPackLoader pack,
                       std::function<void()> changed, QWidget* parent)
    : QDialog(parent),
      radio_(radio),
      list_(std::move(listText)),
      pack_(std::move(pack)),
      changed_(std::move(changed)) {
  setObjectName(QStringLiteral("TFormRadio"));
  setWindowTitle(WordQ(kWordKovInternetRadio));
  setFixedSize(kWidth, kHeight);
  setStyleSheet(
      QStringLiteral("QDialog#TFormRadio { background: #2b2620; }"
                     "QLabel { color: #f0e0b0; }"));

  main_ = new QLabel(this);
  main_->setGeometry(12, 12, 200, 110);
  frame_ = new QLabel(this);
  frame_->setGeometry(280, 27, 120, 80);
  logo_ = new QLabel(frame_);
  logo_->setGeometry(10, 10, 100, 60);
  logo_->setAlignment(Qt::AlignCenter);

  auto* countryLabel = new QLabel(WordQ(kWordCountry), this);
  countryLabel->setGeometry(12, 132, 416, 20);
  comboBox1_ = new QComboBox(this);
  comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
  comboBox1_->setGeometry(12, 152, 416, 28);
  comboBox1_->setMaxVisibleItems(14);
  auto* stationLabel = new QLabel(WordQ(kWordStation), this);
  stationLabel->setGeometry(12, 186, 416, 20);
  comboBox2_ = new QComboBox(this);
  comboBox2_->setObjectName(QStringLiteral("ComboBox2"));
  comboBox2_->setGeometry(12, 206, 416, 28);

  image1_ = new PictureButton("Image1", this);
  image1_->setFixedSize(48, 48);
  image1_->move(12, 262);
  image1_->setToolTip(WordQ(kWordRadioOnOff));
  buttonMinus_ = new QPushButton(QStringLiteral("−"), this);
  buttonMinus_->setObjectName(QStringLiteral("ButtonMinus"));
  buttonMinus_->setGeometry(78, 271, 30, 30);
  volume_ = new QLabel(this);
  volume_->setGeometry(114, 274, 110, 24);
  volume_->setToolTip(WordQ(kWordVolume));
  buttonPlus_ = new QPushButton(QStringLiteral("+"), this);
  buttonPlus_->setObjectName(QStringLiteral("ButtonPlus"));
  buttonPlus_->setGeometry(230, 271, 30, 30);
  button1_ = new QPushButton(WordQ(kWordOk), this);
  button1_->setObjectName(QStringLiteral("Button1"));
  button1_->setGeometry(340, 270, 88, 32);

  const auto countries = radio::RadioCountries();
  for (int i = 0; i < static_cast<int>(countries.size()); ++i) {
    const TWordRow* row = RadioCountryRow(i);
    comboBox1_->addItem(
        QPixmap::fromImage(FlagPicture(countries[static_cast<std::size_t>(i)].flag)),
        row ? WordQ(*row) : Q(countries[static_cast<std::size_t>(i)].name));
  }
  const int position = radio_.State().countryPosition;
  comboBox1_->setCurrentIndex(position);
  FillStations(position);

  connect(comboBox1_, &QComboBox::activated, this, [this](int index) {
    radio_.SetCountryPosition(index);
    FillStations(index);
  });
  connect(comboBox2_, &QComboBox::activated, this, [this](int index) { ChooseStation(index); });
  image1_->onRelease = [this](int) {
    radio_.Toggle();
    Changed();
  };
  connect(buttonMinus_, &QPushButton::clicked, this, [this] {
    radio_.VolumeDown();
    Changed();
  });
  connect(buttonPlus_, &QPushButton::clicked, this, [this] {
    radio_.VolumeUp();
    Changed();
  });
  connect(button1_, &QPushButton::clicked, this, &QDialog::accept);
  Refresh();
}

void TFormRadio::FillStations(int countryPosition) {
  comboBox2_->clear();
  const auto countries = radio::RadioCountries();
  if (countryPosition < 0 || countryPosition >= static_cast<int>(countries.size())) return;
  const radio::RadioCountry& country = countries[static_cast<std::size_t>(countryPosition)];
  const QPixmap flag = QPixmap::fromImage(FlagPicture(country.flag));
  int current = -1;
  for (const radio::Station& station : radio::StationsOfCountry(list_, country.code)) {
    comboBox2_->addItem(flag, Q(station.name), Q(station.key));
    if (station.name == radio_.State().stationName && current < 0) {
      current = comboBox2_->count() - 1;
    }
  }
  if (comboBox2_->count() == 0) return;
  if (current >= 0) {
    comboBox2_->setCurrentIndex(current);
  } else {
    comboBox2_->setCurrentIndex(0);
    ChooseStation(0);
  }
}

void TFormRadio::ChooseStation(int index) {
  if (index < 0 || index >= comboBox2_->count()) return;
  const std::string key = comboBox2_->itemData(index).toString().toStdString();
  if (const auto station = radio::StationOfKey(list_, key)) {
    radio_.ChooseStation(*station, comboBox1_->currentIndex());
  }
  Changed();
}

void TFormRadio::Changed() {
  Refresh();
  if (changed_) changed_();
}

QString TFormRadio::MainPictureName() const {
  return radio_.On() ? QStringLiteral("RRADIO_MAING") : QStringLiteral("RRADIO_MAINR");
}

QString TFormRadio::VolumePictureName() const {
  return QString::fromStdString(radio::RadioVolumePicture(radio_.State().volume));
}

QString TFormRadio::LogoName() const {
  return QString::fromStdString(radio_.State().logo);
}

void TFormRadio::Refresh() {
  const auto picture = [this](const QString& name) {
    return pack_ ? QPixmap::fromImage(pack_(name)) : QPixmap();
  };
  main_->setPixmap(picture(MainPictureName()));
  frame_->setPixmap(picture(QStringLiteral("RRADIO_RAMKA")));
  QPixmap logo = picture(LogoName());
  if (logo.isNull()) logo = picture(QString::fromLatin1(radio::kUnknownLogo.data()));
  logo_->setPixmap(logo.isNull()
                       ? logo
                       : logo.scaled(logo_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
  volume_->setPixmap(picture(VolumePictureName()));
  image1_->SetPicture(PowerPicture(radio_.On()));
  QString hint =
      WordQ(kWordKovInternetRadio) + QStringLiteral(": ") + Q(radio_.State().stationName);
  if (radio_.Lamp() == radio::RadioLamp::kStationDown) {
    hint += QStringLiteral(" — ") + WordQ(kWordStationUnavailable);
  }
  main_->setToolTip(hint);
}

}  // namespace zendral::radioui
