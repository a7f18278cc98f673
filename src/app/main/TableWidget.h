#pragma once
// The card table: the kon driver's view. Every drawing call paints into a back buffer with the
// table drawing functions, and the widget shows the buffer; the card flight moves its sprite
// over a snapshot one step at a time and holds the game meanwhile. Clicks on the local hand,
// the two buttons and the keyboard go to the table's services, which pass them to the driver.

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "app/lan/ChatPanel.h"
#include "app/main/TableServices.h"
#include "app/windows/KovCardsButton.h"
#include "game/GameState.h"
#include "game/TableView.h"
#include "present/draw/FlightCanvas.h"
#include "present/draw/TableArt.h"
#include "present/geometry/CardFlight.h"
#include "present/geometry/HandFan.h"

class QLineEdit;
class QPushButton;

namespace zendral {

// The chat input takes what one chat message carries.
inline constexpr int kChatLimit = 15;

class TableWidget : public QWidget, public TableView {
 public:
  TableWidget(TableServices& services, const GameState& state, QWidget* parent);

  // A new table art (another window size or screen): everything is placed and drawn again.
  void UseArt(TableArt* art);
  TableArt* art() const { return art_; }

  // Draws the whole table from the game state.
  void RedrawAll();
  // Captions from the word tables in the current language.
  void ApplyLanguage();

  // The hand fan of a seat as last arranged, and the window rectangle of a slot's card.
  const HandFan& Fan(int seat) const { return fan_[seat]; }
  QRect CardRect(int seat, int slot) const;
  // The slot of the local hand under a window point, or 0.
  int LocalSlotAt(QPoint point) const;

  // Keyboard play: the focused slot of the local hand, 0 while no focus is shown.
  int FocusedSlot() const { return focusShown_ ? focusSlot_ : 0; }
  const std::vector<int>& Highlighted() const { return highlighted_; }
  const QImage& BackBuffer() const { return buffer_; }
  bool BalloonShown() const { return balloonShown_; }
  // The number of steps the last card flight took.
  int LastFlightSteps() const { return lastFlightSteps_; }
  // All flights so far: their steps and the time they took.
  long TotalFlightSteps() const { return totalFlightSteps_; }
  double TotalFlightSeconds() const { return totalFlightSeconds_; }

  // The drawing style of the two buttons ("New buttons" in Options).
  void ApplyButtonStyle(bool secondStyle);
  QPushButton* Button7() const { return button7_; }
  QPushButton* Button8() const { return button8_; }
  lan::ChatPanel* ChatPanel() const { return memo_; }
  QLineEdit* ChatInput() const { return edit1_; }
  QPushButton* SendButton() const { return bitBtn1_; }
  // A chat line as it arrives ("s" + the text), in the colour of the sender's index.
  void ShowChatLine(int index, const QString& message);

  // TableView.
  void ShowTable() override;
  void HideTable() override;
  void ShowMainMenu() override;
  void SetMenuMusic(bool playing) override;
  void SetTablePopupEntries(bool scoreAndExit, bool changeName) override;
  void SetGameTimer(int intervalMs, bool running) override;
  void ShowWaitingBar(bool shown) override;
  void DrawHand(int seat, bool faceUp) override;
  void DrawLayout() override;
  void FlyCard(int seat, int slot, TCardCode card) override;
  void HighlightCards(const std::vector<int>& playable) override;
  void UpdatePointer() override;
  void SpeakCard(TCardCode card) override;
  void ShowLayoutText(GameText text) override;
  void DrawScoreTabs(int turnMarkerSeat) override;
  void DrawKonPanel(const KonPanel& panel) override;
  void SetKonPanelHint(const KonHint& hint) override;
  void DrawNamePlates(const SeatArray<std::string>& names) override;
  void SetMainButton(MainCaption caption, bool enabled) override;
  void SetExitButton(bool enabled) override;
  void SetChatLine(bool shown, bool enabled) override;
  void ClearChatPanel() override;
  void PlaySound(std::string_view name, bool wait) override;
  void PauseGame(int milliseconds) override;
  void ShowError(GameText text) override;
  void ShowScoreWindow(const std::string& playerName, const TCount& count) override;
  void ShowEndOfCycleWindow(const EndOfCycleWindow& window) override;
  void StartRecording() override;
  void RedrawTable() override;
  void CaptureFrame() override;
  void WriteRecording() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool DropsSecondClick(const QEvent& event);
  // Painting into the back buffer and showing the part that changed.
  class BufferPainter;
  void Show(const PixelRect& area);
  void PaintHand(int seat, bool faceUp);
  void PaintHighlights();
  void PaintScoreTabs(int marker);
  void PaintKonPanel();
  void PaintNamePlates();
  void PlaceControls();

  void EnsureBuffer();
  // Whether a drawing goes to the buffer now; on a hidden table it only marks the table to be
  // drawn whole when it shows.
  bool DrawsNow();
  // The whole table into the buffer; RedrawAll also shows it.
  void PaintAll();
  bool SeatOneFaceUp() const;

  // Input.
  void MoveFocus(int step);
  void LayFocusedCard();
  void RightClick(QPoint at, QPoint global);
  std::optional<CardPlace> CardPlaceAt(QPoint at) const;
  void ShowBalloon();
  void HideBalloon();
  void SendChatLine();

  TableServices& services_;
  const GameState& state_;
  TableArt* art_ = nullptr;
  QImage buffer_;
  bool redrawWhenShown_ = false;  // the art changed while the table was hidden
  SeatArray<HandFan> fan_;
  std::vector<int> highlighted_;
  KonPanel panel_;
  KonHint hint_;
  SeatArray<std::string> names_;
  std::optional<GameText> layoutText_;

  // The card flight: the canvas while a card flies, the speed phase that lives across flights.
  std::unique_ptr<FlightCanvas> flight_;
  FlightPacer pacer_;
  int lastFlightSteps_ = 0;
  long totalFlightSteps_ = 0;
  double totalFlightSeconds_ = 0;

  // Keyboard play.
  int focusSlot_ = 1;
  bool focusShown_ = false;

  // The "Current game" balloon over the kon panel, for 5 seconds.
  bool balloonShown_ = false;
  bool pointerOnPanel_ = false;
  QRect balloonRect_;
  QTimer balloonTimer_;

  TKovCardsButton* button7_;
  // The second click of a double click on "Pass" or "Total" must not start what the same
  // button offers a moment later: a press that comes within a double click's time of the
  // previous one, after the caption changed, is dropped with its release.
  MainCaption button7Caption_ = MainCaption::kToBegin;
  MainCaption button7PressCaption_ = MainCaption::kToBegin;
  std::optional<quint64> button7PressTime_;
  bool button7DropRelease_ = false;
  TKovCardsButton* button8_;
  lan::ChatPanel* memo_;
  QLineEdit* edit1_;
  QPushButton* bitBtn1_;
};

}  // namespace zendral
