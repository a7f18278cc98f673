#pragma once
// The review of a kon: what the deal was worth to the player under perfect play, each move
// with the kon's worth before and after it, the player's moves that lost points with what was
// better, the opponent's moves that gave points away, and the sum that ties them to the result.

#include <QDialog>

#include "game/KonReview.h"

class QLabel;
class QTableWidget;

namespace zendral {

class ReviewWindow : public QDialog {
 public:
  ReviewWindow(const KonReview& review, QWidget* parent = nullptr);

  QTableWidget* Moves() const { return moves_; }
  // "result = value at the deal - lost + gifted" with the kon's numbers.
  QString IdentityText() const;

 private:
  QTableWidget* moves_ = nullptr;
  QLabel* identity_ = nullptr;
};

}  // namespace zendral
