#pragma once
// What the solver shows on the table, drawn over it: the hint (a frame round the best card or
// the pass button, and its text) and the kon's summary line under the kon panel, with the
// "Review" button beside it. The overlay lets every click through to the table.

#include <QString>
#include <QWidget>

class QPushButton;

namespace zendral {

class TableWidget;

class CoachOverlay : public QWidget {
 public:
  explicit CoachOverlay(TableWidget& table);

  // Slot of the local hand, or 0 for the pass button.
  void ShowHint(int slot, const QString& text);
  void ClearHint();
  bool HintShown() const { return !hintText_.isEmpty(); }
  const QString& HintText() const { return hintText_; }
  int HintSlot() const { return hintSlot_; }

  void ShowSummary(const QString& text);
  const QString& Summary() const { return summary_; }

  // Where the "Review" button goes: under the summary line, above the player's score tab.
  QRect ReviewButtonRect() const;

  // Follows the table's size and art.
  void Place();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect HintTarget() const;
  QRect SummaryRect() const;
  double Scale() const;

  TableWidget& table_;
  int hintSlot_ = 0;
  QString hintText_;
  QString summary_;
};

}  // namespace zendral
