#pragma once
// The end-of-cycle window ("The completion of game"): the animation of the result, the texts
// from the top down, and the medal with the place the cycle took in the Order.

#include <QDialog>
#include <QImage>
#include <QTimer>

#include "game/TableTexts.h"

class QLabel;

namespace zendral {

// The account variant of a cycle filed after a rated game: the title line of place 1, the
// award in Kovs and the account picture.
struct AccountCycleExtras {
  int award = 0;  // Kovs; 0 adds no award line
};

class EndOfCycleDialog : public QDialog {
 public:
  explicit EndOfCycleDialog(const EndOfCycleWindow& window, QWidget* parent = nullptr,
                            const AccountCycleExtras* account = nullptr);

  // The texts as shown, top to bottom.
  QStringList Lines() const;
  int Frame() const { return frame_; }
  int FrameCount() const { return frames_; }
  bool HasMedal() const { return medal_ != nullptr; }
  // One animation step (the window's timer calls it every 100 ms).
  void NextFrame();

 private:
  EndOfCycleWindow window_;
  QImage strip_;
  int frames_ = 1;
  int frame_ = 0;
  QTimer timer_;
  QWidget* animation_;
  QLabel* medal_ = nullptr;
  QList<QLabel*> lines_;
};

}  // namespace zendral
