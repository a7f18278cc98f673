#pragma once
// The statistics window ("Statistics"): the sums every copy of the program reported to the
// statistics service, in ten rows of label and value, and the like button.

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "app/online/OnlineUi.h"
#include "online/Statistics.h"

class QLabel;
class QPushButton;

namespace zendral {

class TFStatistics : public QDialog {
 public:
  static constexpr int kClientWidth = 560;
  static constexpr int kClientHeight = 520;
  static constexpr int kRows = 10;

  explicit TFStatistics(const OnlineUi& ui, QWidget* parent = nullptr);

  // Asks for a name with the prompt "Nick"; nothing when the player cancels. The window asks
  // with an input dialog unless a test answers.
  std::function<std::optional<QString>(QWidget* parent)> askName;

  // Reads the sums and fills the rows ("No Connect" as the first value when the read fails).
  void ReadSums();
  // The like button: the name when the passport has none, the like, and on acknowledgement
  // the flag in the settings. True when the like was counted.
  bool Like();

  QString RowLabel(int row) const;  // rows 1..10
  QString RowValue(int row) const;
  QPushButton* LikeButton() const { return like_; }

 private:
  void Show(const online::TKovStat& stat);

  OnlineUi ui_;
  std::optional<online::TKovStat> stat_;
  QLabel* heading_;
  std::vector<QLabel*> labels_, values_;
  QLabel* since_;
  QPushButton *like_, *close_;
};

}  // namespace zendral
