// The table's drawing: the view calls of the kon driver painted into the back buffer.
// Input and the card flight are in TableWidgetInput.cpp.

#include "app/main/TableWidget.h"

#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

#include "app/main/AppText.h"
#include "app/main/KonRecorder.h"
#include "app/windows/KovCardsButton.h"
#include "game/Scores.h"
#include "present/draw/TableDrawing.h"
#include "present/draw/TablePanels.h"
#include "present/words/WordRows.h"
#include "store/Settings.h"

namespace zendral {

using appmain::QtText;
using appmain::RowOf;
using appmain::Text;

namespace {

QRect ToQRect(const PixelRect& r) {
  return QRect(r.left, r.top, r.width, r.height);
}

}  // namespace

// A painter on the back buffer with the table's render hints.
class TableWidget::BufferPainter : public QPainter {
 public:
  explicit BufferPainter(QImage& buffer) : QPainter(&buffer) {
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                   QPainter::SmoothPixmapTransform);
  }
};

TableWidget::TableWidget(TableServices& services, const GameState& state, QWidget* parent)
    : QWidget(parent), services_(services), state_(state) {
  setObjectName("Table");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);

  button7_ = new TKovCardsButton(this);
  button7_->setObjectName("Button7");
  button8_ = new TKovCardsButton(this);
  button8_->setObjectName("Button8");
  for (TKovCardsButton* b : {button7_, button8_}) {
    b->SetScheme(ButtonScheme::DRed);
    b->SetTextColours(Qt::white, QColor(255, 255, 0));
    b->SetFocusRim(true);
    // A click on a button leaves the keyboard with the hand; Tab reaches the buttons.
    b->setFocusPolicy(Qt::TabFocus);
    b->installEventFilter(this);
    b->setCursor(Qt::PointingHandCursor);
    b->hide();
  }
  connect(button7_, &QPushButton::clicked, this, [this] { services_.MainButtonClick(); });
  connect(button8_, &QPushButton::clicked, this, [this] { services_.ExitButtonClick(); });

  memo_ = new lan::ChatPanel(this);
  memo_->setObjectName("ImageMemo");
  edit1_ = new QLineEdit(this);
  edit1_->setObjectName("Edit1");
  edit1_->setMaxLength(kChatLimit);
  bitBtn1_ = new QPushButton(QStringLiteral("\u27a4"), this);
  bitBtn1_->setObjectName("BitBtn1");
  for (QWidget* w : std::initializer_list<QWidget*>{memo_, edit1_, bitBtn1_}) w->hide();
  // Enter in the input (see eventFilter) or the button sends the line.
  edit1_->installEventFilter(this);
  connect(bitBtn1_, &QPushButton::clicked, this, [this] { SendChatLine(); });

  balloonTimer_.setSingleShot(true);
  balloonTimer_.setInterval(5000);
  connect(&balloonTimer_, &QTimer::timeout, this, [this] { HideBalloon(); });
}

void TableWidget::UseArt(TableArt* art) {
  art_ = art;
  if (art_ == nullptr) return;
  PlaceControls();
  if (isVisible()) {
    RedrawAll();
  } else {
    // A hidden table (the whole start-up, the menu) holds no picture: it is drawn whole when
    // it shows, so the start neither draws nor keeps a window-sized picture nobody sees.
    buffer_ = QImage();
    redrawWhenShown_ = true;
  }
}

void TableWidget::showEvent(QShowEvent* event) {
  if (redrawWhenShown_) RedrawAll();
  QWidget::showEvent(event);
}

bool TableWidget::DrawsNow() {
  if (art_ == nullptr) return false;
  if (!isVisible()) {
    // What the driver draws on a hidden table is in the state; all of it is drawn on showing.
    redrawWhenShown_ = true;
    return false;
  }
  EnsureBuffer();
  return true;
}

void TableWidget::PlaceControls() {
  const TablePlacement& place = art_->place();
  button7_->setGeometry(ToQRect(place.mainButton));
  button8_->setGeometry(ToQRect(place.exitButton));
  QFont font(art_->fonts().large);
  font.setPixelSize(place.buttonFontHeight);
  font.setBold(true);
  for (TKovCardsButton* b : {button7_, button8_}) b->setFont(font);
  ApplyButtonStyle(services_.CurrentSettings().NewButtons);
  memo_->setGeometry(ToQRect(place.chatPanel));
  memo_->SetScale(art_->scale().pictureScale, art_->fonts().small);
  edit1_->setGeometry(ToQRect(place.chatInput));
  QFont chat = edit1_->font();
  chat.setPixelSize(place.chatFontHeight);
  edit1_->setFont(chat);
  bitBtn1_->setGeometry(ToQRect(place.sendButton));
}

void TableWidget::ApplyButtonStyle(bool secondStyle) {
  for (TKovCardsButton* b : {button7_, button8_}) b->SetSecondStyle(secondStyle);
}

void TableWidget::EnsureBuffer() {
  const qreal dpr = art_ != nullptr ? art_->dpr() : devicePixelRatioF();
  const QSize size(qRound(width() * dpr), qRound(height() * dpr));
  if (buffer_.size() != size || buffer_.devicePixelRatio() != dpr) {
    buffer_ = QImage(size, QImage::Format_RGB32);
    buffer_.setDevicePixelRatio(dpr);
    buffer_.fill(QColor(14, 100, 50));
  }
}

void TableWidget::Show(const PixelRect& area) {
  update(ToQRect(area).adjusted(-1, -1, 1, 1));
}

bool TableWidget::SeatOneFaceUp() const {
  return state_.TurnState == ksKonOver || state_.TurnState == ksKonSettled;
}

void TableWidget::RedrawAll() {
  if (art_ == nullptr) return;
  PaintAll();
  update();
}

void TableWidget::PaintAll() {
  redrawWhenShown_ = false;
  EnsureBuffer();
  {
    BufferPainter p(buffer_);
    DrawBackground(p, *art_, {0, 0, width(), height()});
  }
  PaintHand(kSeat1, SeatOneFaceUp());
  PaintHand(kSeat2, true);
  PaintHighlights();
  {
    BufferPainter p(buffer_);
    if (layoutText_) {
      DrawLayoutText(p, *art_, Text(RowOf(*layoutText_)));
    } else {
      ::zendral::DrawLayout(p, *art_, state_.Board);
    }
  }
  const bool toMove = state_.TurnState == ksSeat1ToMove || state_.TurnState == ksSeat2ToMove;
  PaintScoreTabs(toMove ? state_.TurnState : 0);
  PaintKonPanel();
  PaintNamePlates();
}

void TableWidget::ApplyLanguage() {
  button7_->setText(Text(RowOf(state_.MainButtonCaption)));
  button8_->setText(Text(kWordExitToMenu));
  if (art_ != nullptr && isVisible()) {
    PaintKonPanel();
    if (layoutText_) ShowLayoutText(*layoutText_);
    Show(art_->place().konPanel);
  }
}

QRect TableWidget::CardRect(int seat, int slot) const {
  if (art_ == nullptr) return {};
  const PixelRect& area = art_->place().hand[seat];
  return QRect(area.left + fan_[seat].X(slot), area.top, art_->card().width, art_->card().height);
}

// ---- TableView: the table as a whole, passed to the main window.

void TableWidget::ShowTable() {
  services_.ShowTableScreen();
}
void TableWidget::HideTable() {
  HideBalloon();
  services_.HideTableScreen();
}
void TableWidget::ShowMainMenu() {
  services_.ShowMainMenuScreen();
}
void TableWidget::SetMenuMusic(bool playing) {
  services_.SetMenuMusic(playing);
}
void TableWidget::SetTablePopupEntries(bool scoreAndExit, bool changeName) {
  services_.SetTablePopupEntries(scoreAndExit, changeName);
}
void TableWidget::SetGameTimer(int intervalMs, bool running) {
  services_.SetGameTimer(intervalMs, running);
}
void TableWidget::ShowWaitingBar(bool shown) {
  services_.ShowWaitingBar(shown);
}

// ---- Cards.

void TableWidget::PaintHand(int seat, bool faceUp) {
  const Hand& hand = state_.Hands[seat];
  fan_[seat] = art_->Arrange(hand.CardCount);
  BufferPainter p(buffer_);
  ::zendral::DrawHand(p, *art_, seat, hand, fan_[seat], faceUp);
}

void TableWidget::DrawHand(int seat, bool faceUp) {
  if (seat == kSeat2) {
    highlighted_.clear();
    focusSlot_ = std::clamp(focusSlot_, 1, std::max(1, state_.Hands[kSeat2].CardCount));
    if (state_.Hands[kSeat2].CardCount == 0) focusShown_ = false;
  }
  if (!DrawsNow()) return;
  PaintHand(seat, faceUp);
  Show(art_->place().hand[seat]);
}

void TableWidget::PaintHighlights() {
  BufferPainter p(buffer_);
  for (int slot : highlighted_) HighlightCard(p, *art_, kSeat2, fan_[kSeat2], slot);
}

void TableWidget::HighlightCards(const std::vector<int>& playable) {
  highlighted_ = playable;
  if (!DrawsNow()) return;
  // Inverting twice restores a card, so the hand is drawn afresh under the marks.
  PaintHand(kSeat2, true);
  PaintHighlights();
  Show(art_->place().hand[kSeat2]);
}

void TableWidget::DrawLayout() {
  layoutText_.reset();
  if (!DrawsNow()) return;
  {
    BufferPainter p(buffer_);
    ::zendral::DrawLayout(p, *art_, state_.Board);
  }
  Show(art_->place().layout);
}

void TableWidget::ShowLayoutText(GameText text) {
  layoutText_ = text;
  if (!DrawsNow()) return;
  {
    BufferPainter p(buffer_);
    DrawLayoutText(p, *art_, Text(RowOf(text)));
  }
  Show(art_->place().layout);
}

void TableWidget::SpeakCard(TCardCode card) {
  services_.SayCard(card);
}

// ---- Panels.

void TableWidget::PaintScoreTabs(int marker) {
  BufferPainter p(buffer_);
  for (int seat : {kSeat1, kSeat2}) {
    DrawScoreTab(p, *art_, seat, seat == marker ? kMarkerDraw : kMarkerErase, true,
                 state_.KonPenalty[seat], state_.KonFines[seat], state_.Score[seat]);
  }
}

void TableWidget::DrawScoreTabs(int turnMarkerSeat) {
  if (!DrawsNow()) return;
  PaintScoreTabs(turnMarkerSeat);
  Show(art_->place().scoreTab[kSeat1]);
  Show(art_->place().scoreTab[kSeat2]);
}

void TableWidget::PaintKonPanel() {
  BufferPainter p(buffer_);
  ::zendral::DrawKonPanel(p, *art_, Text(kWordKon), panel_.konsThisSession, Text(kWordBank),
                          panel_.bank);
}

void TableWidget::DrawKonPanel(const KonPanel& panel) {
  panel_ = panel;
  if (!DrawsNow()) return;
  PaintKonPanel();
  Show(art_->place().konPanel);
}

void TableWidget::SetKonPanelHint(const KonHint& hint) {
  hint_ = hint;
}

void TableWidget::PaintNamePlates() {
  BufferPainter p(buffer_);
  for (int seat : {kSeat1, kSeat2}) DrawNamePlate(p, *art_, seat, QtText(names_[seat]));
}

void TableWidget::DrawNamePlates(const SeatArray<std::string>& names) {
  names_ = names;
  if (!DrawsNow()) return;
  PaintNamePlates();
  Show(art_->place().namePlate[kSeat1]);
  Show(art_->place().namePlate[kSeat2]);
}

// ---- Buttons and the chat line.

void TableWidget::SetMainButton(MainCaption caption, bool enabled) {
  button7Caption_ = caption;
  button7_->setText(Text(RowOf(caption)));
  button7_->setEnabled(enabled);
  button7_->show();
}

void TableWidget::SetExitButton(bool enabled) {
  button8_->setText(Text(kWordExitToMenu));
  button8_->setEnabled(enabled);
  button8_->show();
}

void TableWidget::SetChatLine(bool shown, bool enabled) {
  for (QWidget* w : std::initializer_list<QWidget*>{memo_, edit1_, bitBtn1_}) {
    w->setVisible(shown);
  }
  edit1_->setEnabled(enabled);
  bitBtn1_->setEnabled(enabled);
}

void TableWidget::SendChatLine() {
  if (edit1_->text().isEmpty()) return;
  if (services_.SendChat(edit1_->text())) edit1_->clear();
}

void TableWidget::ClearChatPanel() {
  memo_->Clear();
}

void TableWidget::ShowChatLine(int index, const QString& message) {
  memo_->ShowChatLine(index, message);
}

// ---- Sounds, pauses and windows, through the main window.

void TableWidget::PlaySound(std::string_view name, bool wait) {
  services_.PlaySound(name, wait);
}
void TableWidget::PauseGame(int milliseconds) {
  services_.Hold(milliseconds);
}
void TableWidget::ShowError(GameText text) {
  services_.ShowMessage(Text(RowOf(text)), true);
}
void TableWidget::ShowScoreWindow(const std::string& playerName, const TCount& count) {
  services_.ShowScoreWindow(QtText(playerName), count);
}
void TableWidget::ShowEndOfCycleWindow(const EndOfCycleWindow& window) {
  services_.ShowEndOfCycleWindow(window);
}

// The recording of the kon, kept by the main window.
void TableWidget::StartRecording() {
  RedrawAll();
  services_.Recorder()->StartRecording();
}
void TableWidget::CaptureFrame() {
  services_.Recorder()->CaptureFrame();
}
void TableWidget::WriteRecording() {
  services_.Recorder()->WriteRecording();
}
void TableWidget::RedrawTable() {
  RedrawAll();
}

// ---- Painting the widget.

void TableWidget::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const QRect r = event->rect();
  if (flight_) {
    flight_->Paint(p, r);
    return;
  }
  if (buffer_.isNull()) {
    p.fillRect(r, QColor(14, 100, 50));
    return;
  }
  const qreal dpr = buffer_.devicePixelRatio();
  p.drawImage(QRectF(r), buffer_,
              QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr));
  if (art_ == nullptr) return;

  // The keyboard focus: a frame round the visible part of the focused card.
  if (focusShown_ && focusSlot_ >= 1 && focusSlot_ <= state_.Hands[kSeat2].CardCount) {
    QRect card = CardRect(kSeat2, focusSlot_);
    card.setWidth(fan_[kSeat2].VisibleWidth(focusSlot_));
    const int line = std::max(2, art_->scale().Length(3));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 20, 0), line + 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(card).adjusted(line / 2.0, line / 2.0, -line / 2.0, -line / 2.0),
                      line * 2, line * 2);
    p.setPen(QPen(QColor(255, 220, 0), line));
    p.drawRoundedRect(QRectF(card).adjusted(line / 2.0, line / 2.0, -line / 2.0, -line / 2.0),
                      line * 2, line * 2);
  }

  if (balloonShown_) {
    QStringList lines;
    for (const CountLine& line : CurrentGameBalloon(state_)) {
      QString text = Text(RowOf(line.label)) + " " + QString::number(line.value);
      if (line.of != 0) text += " / " + QString::number(line.of);
      lines << text;
    }
    const PixelRect& panel = art_->place().konPanel;
    balloonRect_ = DrawBalloon(
        p, *art_,
        QPoint(panel.Right() - art_->scale().Length(20), panel.top + art_->scale().Length(40)),
        Text(kWordCurrentGame), lines);
  }
}

}  // namespace zendral
