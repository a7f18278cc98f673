#pragma once
// The World Top Ten window: the club's rating list, the three world tables, the tournament's
// top ten and the two local club files, chosen by seven buttons (three icons for the world
// tables without the graphics pack). A world table shows its ten rows, the number of games
// filed and up to five rows of the player's own.

#include <QDialog>
#include <vector>

#include "app/online/OnlineUi.h"

class QLabel;
class QPushButton;

namespace zendral {

class TopTenList;

class TFWorldTop : public QDialog {
 public:
  static constexpr int kClientWidth = 820;
  static constexpr int kClientHeight = 640;

  // The button of the tournament's top ten.
  static constexpr int kTournamentList = 5;
  // table: 1..7 as the buttons are numbered.
  TFWorldTop(const OnlineUi& ui, int table = 3, QWidget* parent = nullptr);

  void ShowTable(int table);
  int TableShown() const { return table_; }
  TopTenList* List() const { return list_; }
  QString Heading() const;
  // The table last chosen, which the window opens on next time (2, 3 or 4; else 3).
  static int LastWorldTable();

 private:
  void ShowWorld(int id);
  void ShowClubTop();
  void ShowTournament();
  void ShowLocal(bool net);

  OnlineUi ui_;
  int table_ = 3;
  QLabel* heading_;
  TopTenList* list_;
  std::vector<QPushButton*> buttons_;
  QPushButton *passport_, *close_, *daily_;
};

}  // namespace zendral
