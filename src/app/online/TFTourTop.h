#pragma once
// The tournament top-ten window ("Tournament Top Ten", heading "ONLINE TOP TEN"): the ten best
// players of the online tournament by score, rating or kons, and the player's own place with
// a medal when it is among them.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "app/online/OnlineUi.h"

class QLabel;
class QRadioButton;

namespace zendral {

class TopTenList;

// The criterion last chosen ('s', 'r' or 'k'), which the World Top Ten window also uses.
char LastTournamentCriterion();

class TFTourTop : public QDialog {
 public:
  static constexpr int kClientWidth = 640;
  static constexpr int kClientHeight = 600;
  // The player's own value of a criterion, from the tournament record; none when unknown.
  using OwnValue = std::function<std::optional<std::string>(char criterion)>;

  TFTourTop(const OnlineUi& ui, OwnValue ownValue, QWidget* parent = nullptr);

  void Choose(char criterion);
  TopTenList* List() const { return list_; }
  int PlaceShown() const { return place_; }

 private:
  OnlineUi ui_;
  OwnValue ownValue_;
  int place_ = -1;
  QRadioButton *score_, *rating_, *kons_;
  TopTenList* list_;
  QLabel *medal_, *placeText_;
};

}  // namespace zendral
