#pragma once
// The score window ("General score" of the table's pop-up menu): the player's kon numbers,
// scores and ratings as the session stands (TCount), each under its label.

#include <QDialog>

#include "game/TableTexts.h"

#include <optional>

class QLabel;

namespace zendral {

class ScoreDialog : public QDialog {
 public:
  // hintsUsed: the hints of this session, shown on a row of their own.
  ScoreDialog(const QString& playerName, const TCount& count, QWidget* parent = nullptr,
              std::optional<int> hintsUsed = std::nullopt);

  // The value shown on row 1..7, in the order of TCount.
  QString Value(int row) const;

 private:
  QLabel* values_[7] = {};
};

}  // namespace zendral
