#pragma once
// The solver at the table: the expert that may play seat 1, the hint over the player's hand,
// the line that sums up the last kon, the review window behind its button, and the computer's
// level kept in its own file.

#include <QString>
#include <filesystem>
#include <functional>

#include "store/ComputerLevelFile.h"

class QPushButton;

namespace zendral {

class CoachOverlay;
class ExpertCoach;
class TableWidget;
class WindowServices;
struct GameState;

class TableCoach {
 public:
  // reviewEntry switches the pop-up menu's "Review" with the review button.
  TableCoach(TableWidget& table, GameState& state, WindowServices& window,
             const std::filesystem::path& programFolder, std::function<void(bool)> reviewEntry);
  ~TableCoach();

  // The level of the last run, from the program folder.
  void ReadLevel();
  void SetLevel(ComputerLevel level);
  // The review button's caption and place, and the summary line, after a change of the
  // language or of the table's size.
  void Caption();
  // The solver looks at the kon after each call into the driver; a hint belongs to the
  // position it was asked in.
  void AfterDriverCall();
  // Key H and "Hint" at the table (never over the menu).
  void RequestHint(bool menuShown);
  // "Review" and its button: the last kon move by move against perfect play.
  void OpenReview();

  ExpertCoach* Coach() const { return coach_.get(); }
  CoachOverlay* Overlay() const { return overlay_; }
  QPushButton* ReviewButton() const { return reviewButton_; }

 private:
  TableWidget& table_;
  WindowServices& window_;
  const std::filesystem::path& programFolder_;
  CoachOverlay* overlay_;
  QPushButton* reviewButton_;
  std::unique_ptr<ExpertCoach> coach_;
};

}  // namespace zendral
