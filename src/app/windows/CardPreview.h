#pragma once
// The previews of the Options window: four cards of the chosen face deck (jack of hearts,
// queen of diamonds, king of clubs, ace of spades) at the small size 71 x 96, side by side at
// x 0, 63, 126 and 189; and the first back of the chosen back design.

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>

#include "game/Card.h"

namespace zendral {

// A face of a deck of the packs by deck and card; a null image when it cannot be had. Deck 0
// is the program's own and needs none.
using DeckFaceLoader = std::function<QImage(int deck, TCardCode card)>;
// The first picture (Monday's) of a back design of the packs; a null image when missing.
using BackLoader = std::function<QImage(int back)>;

inline constexpr std::array<TCardCode, 4> kPreviewCards = {
    TCardCode(6, kHearts), TCardCode(7, kDiamonds), TCardCode(8, kClubs), TCardCode(9, kSpades)};
inline constexpr std::array<int, 4> kPreviewLeft = {0, 63, 126, 189};

class CardPreview : public QWidget {
  Q_OBJECT

 public:
  // backs: false for the four faces, true for one back.
  CardPreview(bool backs, QWidget* parent = nullptr);

  void SetFaceLoader(DeckFaceLoader loader) { faceLoader_ = std::move(loader); }
  void SetBackLoader(BackLoader loader) { backLoader_ = std::move(loader); }

  // Draws the deck (or back design) anew; when its pictures cannot be had, the preview says so
  // with the text given (the missing pack's name).
  void Show(int choice, const QString& missingText);

  // Whether the last Show found all its pictures.
  bool complete() const { return complete_; }
  const QImage& image() const { return image_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool backs_;
  DeckFaceLoader faceLoader_;
  BackLoader backLoader_;
  QImage image_;
  bool complete_ = false;
};

}  // namespace zendral
