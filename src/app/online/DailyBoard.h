#pragma once
// The table of the deal of the day: the layout's four suit rows, the computer's cards face
// down at the top and the member's hand at the bottom, the cards that may be laid now raised.
// A click on a card of the hand asks the kon to lay it; the rules stay in the kon.

#include <QWidget>
#include <functional>
#include <vector>

#include "online/DailyPlay.h"

namespace zendral {

class DailyBoard : public QWidget {
 public:
  static constexpr int kCardWidth = 44;
  static constexpr int kCardHeight = 62;

  explicit DailyBoard(QWidget* parent = nullptr);

  // The kon shown; the board keeps the pointer until the next call.
  void Show(const online::DailyKonPlay* play);
  // Called with the card the member clicked.
  void OnCard(std::function<void(TCardCode)> clicked) { clicked_ = std::move(clicked); }

  // The card a hint names, framed in the hand until the next move; an empty card for none.
  void SetHint(TCardCode card);
  TCardCode Hint() const { return hint_; }

  // Where the card of the member's hand is drawn (empty when it is not in the hand).
  QRect HandCardRect(TCardCode card) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::vector<std::pair<TCardCode, QRect>> HandCards() const;

  const online::DailyKonPlay* play_ = nullptr;
  TCardCode hint_;
  std::function<void(TCardCode)> clicked_;
};

// A card's face as the board draws it: rank and suit sign, red for hearts and diamonds.
QString CardFaceText(TCardCode card);

}  // namespace zendral
