#include "present/record/OffscreenTable.h"

#include <QDateTime>
#include <QLinearGradient>
#include <QPainter>

#include "game/Scores.h"
#include "present/draw/TableDrawing.h"
#include "present/draw/TablePanels.h"
#include "present/record/RecordingPictures.h"
#include "present/words/GameTextRows.h"
#include "present/words/WordRows.h"
#include "present/words/Words.h"

namespace zendral {

namespace {

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))
      .replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
}

QString WordText(const TWordRow& row) {
  return Text(Word(row));
}

// The screen a full-screen table is drawn for.
constexpr ClientSize kOffscreenScreen{1920, 1080};

class TablePainter : public QPainter {
 public:
  explicit TablePainter(QImage& image) : QPainter(&image) {
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                   QPainter::SmoothPixmapTransform);
  }
};

}  // namespace

OffscreenTable::OffscreenTable(const GameState& state, int windowSize, int delayMs,
                               std::filesystem::path folder)
    : state_(state), delayMs_(delayMs), folder_(std::move(folder)) {
  const ClientSize client = ClientAreaFor(windowSize, kOffscreenScreen);
  art_ = std::make_unique<TableArt>(windowSize, client, 1.0, TableFonts{},
                                    RecordingPictures(LoadArtPicture));
  picture_ = QImage(client.width, client.height, QImage::Format_RGB32);
  RedrawAll();
}

OffscreenTable::~OffscreenTable() = default;

void OffscreenTable::RedrawAll() {
  {
    TablePainter p(picture_);
    DrawBackground(p, *art_, {0, 0, picture_.width(), picture_.height()});
  }
  const bool over = state_.TurnState == ksKonOver || state_.TurnState == ksKonSettled;
  DrawHand(kSeat1, over);
  DrawHand(kSeat2, true);
  DrawLayout();
  DrawScoreTabs(marker_);
  DrawKonPanel(panel_);
  DrawNamePlates(names_);
  PaintButtons();
}

void OffscreenTable::DrawHand(int seat, bool faceUp) {
  TablePainter p(picture_);
  const Hand& hand = state_.Hands[seat];
  ::zendral::DrawHand(p, *art_, seat, hand, art_->Arrange(hand.CardCount), faceUp);
}

void OffscreenTable::DrawLayout() {
  TablePainter p(picture_);
  ::zendral::DrawLayout(p, *art_, state_.Board);
}

void OffscreenTable::DrawScoreTabs(int turnMarkerSeat) {
  marker_ = turnMarkerSeat;
  TablePainter p(picture_);
  for (int seat : {kSeat1, kSeat2}) {
    DrawScoreTab(p, *art_, seat, seat == turnMarkerSeat ? kMarkerDraw : kMarkerErase, true,
                 state_.KonPenalty[seat], state_.KonFines[seat], state_.Score[seat]);
  }
}

void OffscreenTable::DrawKonPanel(const KonPanel& panel) {
  panel_ = panel;
  TablePainter p(picture_);
  ::zendral::DrawKonPanel(p, *art_, WordText(kWordKon), panel.konsThisSession, WordText(kWordBank),
                          panel.bank);
}

void OffscreenTable::DrawNamePlates(const SeatArray<std::string>& names) {
  names_ = names;
  TablePainter p(picture_);
  for (int seat : {kSeat1, kSeat2}) DrawNamePlate(p, *art_, seat, Text(names[seat]));
}

// The two buttons as the window's style draws them: red, rounded, white bold captions.
void OffscreenTable::PaintButtons() {
  if (!buttonsShown_) return;
  const TablePlacement& place = art_->place();
  TablePainter p(picture_);
  QFont font = CellFont(art_->fonts().large, place.buttonFontHeight, true);
  font.setPixelSize(place.buttonFontHeight);
  font.setBold(true);
  p.setFont(font);
  const auto button = [&](const PixelRect& r, const QString& text, bool enabled) {
    const QRectF box(r.left + 0.5, r.top + 0.5, r.width - 1, r.height - 1);
    DrawBackground(p, *art_, r);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    if (enabled) {
      fill.setColorAt(0, QColor(215, 40, 40));
      fill.setColorAt(0.5, QColor(160, 0, 0));
      fill.setColorAt(1, QColor(100, 0, 0));
    } else {
      fill.setColorAt(0, QColor(120, 70, 70));
      fill.setColorAt(1, QColor(70, 30, 30));
    }
    const double radius = std::max(3, place.mainButton.height / 6);
    p.setPen(QPen(enabled ? QColor(240, 200, 120) : QColor(120, 100, 100), 1));
    p.setBrush(fill);
    p.drawRoundedRect(box, radius, radius);
    p.setPen(enabled ? QColor(Qt::white) : QColor(170, 150, 150));
    p.drawText(box, Qt::AlignCenter, text);
  };
  button(place.mainButton, WordText(RowOf(caption_)), mainEnabled_);
  button(place.exitButton, WordText(kWordExitToMenu), exitEnabled_);
}

void OffscreenTable::SetMainButton(MainCaption caption, bool enabled) {
  caption_ = caption;
  mainEnabled_ = enabled;
  buttonsShown_ = true;
  PaintButtons();
  CaptureFrame();
}

void OffscreenTable::SetExitButton(bool enabled) {
  exitEnabled_ = enabled;
  buttonsShown_ = true;
  PaintButtons();
  CaptureFrame();
}

// The program waits for its sounds; the capture timer sees the table then.
void OffscreenTable::PlaySound(std::string_view, bool) {
  CaptureFrame();
}

void OffscreenTable::StartRecording() {
  RedrawAll();
  frames_.Start();
  recording_ = true;
  CaptureFrame();
}

void OffscreenTable::RedrawTable() {
  RedrawAll();
}

void OffscreenTable::CaptureFrame() {
  if (!recording_) return;
  frames_.Capture(picture_, delayMs_);
}

void OffscreenTable::WriteRecording() {
  if (!recording_) return;
  recording_ = false;
  const KonRecording recording = frames_.Take();
  if (recording.empty()) return;
  written_.push_back(WriteRecordingTo(recording, folder_, QDateTime::currentDateTime()));
}

}  // namespace zendral
