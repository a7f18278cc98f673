// The table's input (clicks, the pointer, the keyboard, the kon panel's balloon) and the card
// flight.

#include <QApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolTip>
#include <chrono>

#include "app/main/AppText.h"
#include "app/main/TableWidget.h"
#include "game/Scores.h"
#include "present/draw/TableDrawing.h"
#include "present/words/WordRows.h"
#include "store/Settings.h"

namespace zendral {

using appmain::Text;

// ---- The card flight.

void TableWidget::FlyCard(int seat, int slot, TCardCode card) {
  if (art_ == nullptr) return;
  EnsureBuffer();
  const TablePlacement& place = art_->place();
  // The start is the slot as the hand was fanned before the card left it.
  const PixelPoint start = FlightStart(seat, place.hand[seat], fan_[seat], slot);
  const PixelPoint target = FlightTarget(art_->scale(), place.layout, card);

  // The hand closes up before the card leaves (the driver draws it again afterwards).
  PaintHand(seat, seat == kSeat2);
  if (seat == kSeat2) highlighted_.clear();

  const auto began = std::chrono::steady_clock::now();
  flight_ = std::make_unique<FlightCanvas>(buffer_, CardSprite(*art_, card), start);
  repaint();
  const int speed = services_.CurrentSettings().CardSpeed;
  FlightPath path(start, target);
  int step = 0;
  while (!path.AtTarget()) {
    const PixelPoint point = path.Step();
    const FlightPacing pacing = pacer_.AfterStep(speed, ++step);
    if (pacing.draw) repaint(flight_->MoveTo(point));
    if (pacing.waitMs > 0) services_.Hold(pacing.waitMs);
  }
  const QRect last = flight_->Erase();
  flight_.reset();
  lastFlightSteps_ = step;
  repaint(last);
  totalFlightSteps_ += step;
  totalFlightSeconds_ +=
      std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
}

// ---- Clicks and the pointer.

int TableWidget::LocalSlotAt(QPoint point) const {
  if (art_ == nullptr) return 0;
  const PixelRect& area = art_->place().hand[kSeat2];
  if (!area.Contains(point.x(), point.y())) return 0;
  return HandSlotAt(fan_[kSeat2], state_.Hands[kSeat2], point.x() - area.left);
}

std::optional<CardPlace> TableWidget::CardPlaceAt(QPoint at) const {
  const TablePlacement& place = art_->place();
  for (int seat : {kSeat1, kSeat2}) {
    const PixelRect& area = place.hand[seat];
    if (area.Contains(at.x(), at.y())) {
      const int slot = HandSlotAt(fan_[seat], state_.Hands[seat], at.x() - area.left);
      return CardPlace{seat == kSeat2 ? CardPlaceKind::kOwnHand : CardPlaceKind::kOpponentHand,
                       slot, 0};
    }
  }
  const PixelRect& layout = place.layout;
  if (!layout.Contains(at.x(), at.y())) return std::nullopt;
  // The card drawn last lies on top: hearts over diamonds over clubs over spades, and in a row
  // the higher rank over the lower.
  for (int i = kSuits - 1; i >= 0; --i) {
    const int row = kLayoutRowDrawOrder[i];
    for (int col = kRanks; col >= 1; --col) {
      if (!state_.Board.Has(row, col)) continue;
      const PixelPoint offset = LayoutCellOffset(art_->scale(), row, col);
      const QRect card(layout.left + offset.x, layout.top + offset.y, art_->card().width,
                       art_->card().height);
      if (card.contains(at)) return CardPlace{CardPlaceKind::kLayout, row, col};
    }
  }
  return CardPlace{CardPlaceKind::kLayout, 0, 0};
}

void TableWidget::RightClick(QPoint at, QPoint global) {
  // Over the hands and the layout a right click only speaks a card; elsewhere it opens the
  // table's pop-up menu.
  const std::optional<CardPlace> place = CardPlaceAt(at);
  if (!place) {
    services_.ShowPopup(global);
    return;
  }
  if (place->slotOrRow != 0) services_.SpeakCard(*place);
}

void TableWidget::mousePressEvent(QMouseEvent* event) {
  if (art_ == nullptr || services_.Busy()) return;
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    const int slot = LocalSlotAt(at);
    if (slot == 0) return;
    focusShown_ = false;
    focusSlot_ = slot;
    services_.CardClick(slot, event->globalPosition().toPoint());
    UpdatePointer();
  } else if (event->button() == Qt::RightButton) {
    RightClick(at, event->globalPosition().toPoint());
  }
}

void TableWidget::UpdatePointer() {
  if (art_ == nullptr) return;
  const QPoint at = mapFromGlobal(QCursor::pos());
  const int slot = LocalSlotAt(at);
  setCursor(slot != 0 && services_.MayLay(slot) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TableWidget::mouseMoveEvent(QMouseEvent* event) {
  if (art_ == nullptr) return;
  const QPoint at = event->position().toPoint();
  const int slot = LocalSlotAt(at);
  setCursor(slot != 0 && services_.MayLay(slot) ? Qt::PointingHandCursor : Qt::ArrowCursor);
  const bool onPanel = art_->place().konPanel.Contains(at.x(), at.y());
  if (onPanel && !pointerOnPanel_) ShowBalloon();
  if (!onPanel && pointerOnPanel_) HideBalloon();
  pointerOnPanel_ = onPanel;
}

void TableWidget::leaveEvent(QEvent*) {
  if (pointerOnPanel_) HideBalloon();
  pointerOnPanel_ = false;
}

void TableWidget::ShowBalloon() {
  // A network client still waiting for its first deal has no numbers to show.
  if (!state_.GameActive || CurrentGameBalloon(state_).empty()) return;
  balloonShown_ = true;
  balloonTimer_.start();
  update();
}

void TableWidget::HideBalloon() {
  balloonTimer_.stop();
  if (!balloonShown_) return;
  balloonShown_ = false;
  update(balloonRect_);
}

bool TableWidget::event(QEvent* event) {
  // The kon panel's hint: "Game: 57 / 30", unless the balloon tells more already.
  if (event->type() == QEvent::ToolTip && art_ != nullptr) {
    auto* help = static_cast<QHelpEvent*>(event);
    const PixelRect& panel = art_->place().konPanel;
    if (panel.Contains(help->pos().x(), help->pos().y()) && hint_.of != 0 && !balloonShown_) {
      QToolTip::showText(help->globalPos(),
                         Text(kWordKon) + QString(": %1 / %2").arg(hint_.konNumber).arg(hint_.of),
                         this);
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QWidget::event(event);
}

// ---- The keyboard.

void TableWidget::MoveFocus(int step) {
  const int count = state_.Hands[kSeat2].CardCount;
  if (count == 0) return;
  int slot = focusShown_ ? focusSlot_ + step : focusSlot_;
  if (slot < 1) slot = 1;
  if (slot > count) slot = count;
  focusSlot_ = slot;
  focusShown_ = true;
  Show(art_->place().hand[kSeat2]);
}

void TableWidget::LayFocusedCard() {
  if (!focusShown_) {
    MoveFocus(0);
    return;
  }
  services_.CardClick(focusSlot_);
  Show(art_->place().hand[kSeat2]);
}

void TableWidget::keyPressEvent(QKeyEvent* event) {
  if (art_ == nullptr || services_.Busy()) return;
  switch (event->key()) {
    case Qt::Key_Left:
      MoveFocus(-1);
      return;
    case Qt::Key_Right:
      MoveFocus(1);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (!event->isAutoRepeat()) LayFocusedCard();
      return;
    case Qt::Key_H:  // the hint of perfect play
      if (!event->isAutoRepeat()) services_.RequestHint();
      return;
    case Qt::Key_R:  // the review of the last kon
      if (!event->isAutoRepeat()) services_.OpenReview();
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

bool TableWidget::DropsSecondClick(const QEvent& event) {
  const auto type = event.type();
  if (type == QEvent::MouseButtonRelease && button7DropRelease_) {
    button7DropRelease_ = false;
    return true;
  }
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) return false;
  const quint64 time = static_cast<const QMouseEvent&>(event).timestamp();
  const bool second =
      button7PressTime_.has_value() && time >= *button7PressTime_ &&
      time - *button7PressTime_ < static_cast<quint64>(QApplication::doubleClickInterval());
  if (second && button7PressCaption_ != button7Caption_) {
    button7DropRelease_ = true;
    return true;
  }
  button7PressTime_ = time;
  button7PressCaption_ = button7Caption_;
  return false;
}

bool TableWidget::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the chat input sends the line and goes no further: the line edit passes the key
  // on, and the table would lay its focused card with it.
  if (watched == edit1_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      if (!key->isAutoRepeat()) SendChatLine();
      return true;
    }
  }
  if (watched == button7_ && DropsSecondClick(*event)) return true;
  // The table's buttons answer Enter as well as Space while they have the focus.
  if ((watched == button7_ || watched == button8_) && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* button = static_cast<QPushButton*>(watched);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat()) {
      if (button->isEnabled()) button->click();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace zendral
