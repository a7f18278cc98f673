#pragma once
// The radio window: the country (ComboBox1, the 28 countries with their flags), the station
// of that country (ComboBox2), the station's logo in its frame, the radio pictured playing or
// silent, on and off (Image1), the volume (ButtonMinus, the volume picture, ButtonPlus) and
// "Ok" (Button1). What it changes, it changes in the radio controller at once.

#include <QDialog>
#include <QImage>
#include <functional>
#include <string>

#include "extras/radio/RadioController.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace zendral::radioui {

class PictureButton;

// A picture of the radio pack by name; a null image when the pack or the picture is missing.
using RadioPackLoader = std::function<QImage(const QString& name)>;

class TFormRadio : public QDialog {
 public:
  // listText: the station list of the chosen source, as UTF-8. changed: called after the
  // radio's station, volume or on/off changed.
  TFormRadio(radio::RadioController& radio, std::string listText, RadioPackLoader pack,
             std::function<void()> changed, QWidget* parent = nullptr);

  QComboBox* Countries() const { return comboBox1_; }
  QComboBox* Stations() const { return comboBox2_; }
  PictureButton* OnOff() const { return image1_; }
  QPushButton* Minus() const { return buttonMinus_; }
  QPushButton* Plus() const { return buttonPlus_; }
  // The picture names shown now, for tests: the radio, the volume, the logo.
  QString MainPictureName() const;
  QString VolumePictureName() const;
  QString LogoName() const;

  // Called by the window's owner when the stream's state changed meanwhile.
  void Refresh();

 private:
  void FillStations(int countryPosition);
  void ChooseStation(int index);
  void Changed();

  radio::RadioController& radio_;
  std::string list_;
  RadioPackLoader pack_;
  std::function<void()> changed_;
  QLabel* main_;
  QLabel* frame_;
  QLabel* logo_;
  QLabel* volume_;
  QComboBox* comboBox1_;
  QComboBox* comboBox2_;
  PictureButton* image1_;
  QPushButton* buttonMinus_;
  QPushButton* buttonPlus_;
  QPushButton* button1_;
};

}  // namespace zendral::radioui
