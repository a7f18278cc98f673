#pragma once
// The submission window of a local cycle: the passport (nick, country with flag, city), the
// score of the cycle, "Send" to the world table of this program's local games, and the place
// the row took.

#include <QDialog>

#include "app/online/OnlineUi.h"

class QLabel;
class QPushButton;

namespace zendral {

class TFWorldSend : public QDialog {
 public:
  static constexpr int kClientWidth = 520;
  static constexpr int kClientHeight = 380;

  TFWorldSend(const OnlineUi& ui, int totalScore, QWidget* parent = nullptr);

  void Send();
  QPushButton* SendButton() const { return send_; }
  int Place() const { return place_; }

 private:
  void ShowPassport();

  OnlineUi ui_;
  int score_;
  int place_ = 0;
  bool sent_ = false;
  QLabel *nick_, *flag_, *country_, *city_, *scoreText_, *placeText_;
  QPushButton *send_, *passport_, *close_;
};

}  // namespace zendral
