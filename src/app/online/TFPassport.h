#pragma once
// The passport window ("My Passport"): the name, city, sex and country sent with a world
// submission and with chat messages. A valid name or city is taken over at once; the window
// does not close while either is invalid.

#include <QDialog>

#include "store/Settings.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zendral {

class TFPassport : public QDialog {
 public:
  static constexpr int kClientWidth = 520;
  static constexpr int kClientHeight = 360;

  explicit TFPassport(Settings& settings, QWidget* parent = nullptr);

  QLineEdit* NameEdit() const { return name_; }
  QLineEdit* CityEdit() const { return city_; }
  void done(int result) override;

 private:
  void Changed();
  void ChooseContinent(int continent, bool keepCountry);

  Settings& settings_;
  int continent_ = 1;
  QLineEdit *name_, *city_;
  QLabel *lampName_, *lampCity_, *flag_;
  QComboBox *sex_, *continents_, *countries_;
  QPushButton* ok_;
};

}  // namespace zendral
