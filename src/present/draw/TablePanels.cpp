#include "present/draw/TablePanels.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <algorithm>

#include "present/draw/TableDrawing.h"

namespace zendral {

namespace {

const QColor kScoreColour(255, 0, 255);
const QColor kFinesColour(0, 0, 255);
const QColor kPenaltyColour(0, 0, 128);
const QColor kKonColour(0, 0, 255);
const QColor kBankColour(0, 0, 128);

// Draws a part of a pixmap that covers an element whose top left corner is at origin.
void DrawPart(QPainter& p, QPoint origin, const QPixmap& pixmap, const QRect& part) {
  const qreal dpr = pixmap.devicePixelRatio();
  const QRectF source(part.x() * dpr, part.y() * dpr, part.width() * dpr, part.height() * dpr);
  p.drawPixmap(QRectF(part.translated(origin)), pixmap, source);
}

QRect ToQRect(const PixelRect& r) {
  return QRect(r.left, r.top, r.width, r.height);
}

// A line of text centred in its band, its cell's top at the band's top.
void DrawBandText(QPainter& p, QPoint origin, const TextBand& band, const QFont& font,
                  const QColor& colour, const QString& text) {
  const QFontMetrics fm(font);
  const int x = CentredTextLeft(band.left, band.right, fm.horizontalAdvance(text));
  p.setFont(font);
  p.setPen(colour);
  p.drawText(QPoint(origin.x() + x, origin.y() + band.top + fm.ascent()), text);
}

QString TrimTrailing(const QString& text) {
  int end = static_cast<int>(text.size());
  while (end > 0 && text.at(end - 1).isSpace()) --end;
  return text.left(end);
}

}  // namespace

void DrawScoreTab(QPainter& p, TableArt& art, int seat, int markerCommand, bool redraw, int penalty,
                  int fines, int score) {
  if (seat != kSeat1 && seat != kSeat2) return;
  const PixelRect& tab = art.place().scoreTab[seat];
  const QPoint origin(tab.left, tab.top);
  const QPixmap& board = art.ScoreBoard();
  const ScoreTabParts parts = ScoreTabLayout(art.scale(), art.fonts().largePercent);
  p.save();
  p.setClipRect(ToQRect(tab));
  // The board's shadow and rounded corners are partly transparent: drawn over an earlier board
  // they would darken at every redraw, so the felt goes under it first.
  if (redraw) {
    DrawBackground(p, art, tab);
    p.drawPixmap(origin, board);
  }

  const QFont big = CellFont(art.fonts().large, parts.score.cellHeight);
  const QFont small = CellFont(art.fonts().large, parts.fines.cellHeight);
  struct Field {
    const TextBand& band;
    int value;
    const QFont& font;
    QColor colour;
    bool withSign;
  } fields[] = {{parts.score, score, big, kScoreColour, true},
                {parts.fines, fines, small, kFinesColour, false},
                {parts.penalty, penalty, small, kPenaltyColour, false}};
  for (const Field& f : fields) {
    if (f.value == kKeepField) continue;
    const PixelRect field = f.band.Field();
    DrawPart(p, origin, board, QRect(field.left, field.top, field.width, field.height));
    if (f.value == kClearField) continue;
    const QString text =
        f.withSign ? QString::fromStdString(ScoreText(f.value)) : QString::number(f.value);
    DrawBandText(p, origin, f.band, f.font, f.colour, text);
  }

  const QRect marker = ToQRect(parts.marker);
  if (markerCommand == kMarkerDraw) {
    p.drawPixmap(marker.translated(origin), art.TurnMarker(marker.size()));
  } else if (markerCommand == kMarkerErase) {
    DrawPart(p, origin, board, marker);
  }
  p.restore();
}

void DrawKonPanel(QPainter& p, TableArt& art, const QString& konWord, int konsPlayed,
                  const QString& bankWord, int bank) {
  const PixelRect& panel = art.place().konPanel;
  const QPoint origin(panel.left, panel.top);
  const QSize own = art.BankPictureSize();
  const KonPanelParts parts =
      KonPanelLayout(art.scale(), art.fonts().largePercent, panel.width, own.width(), own.height());
  p.save();
  p.setClipRect(ToQRect(panel));
  DrawBackground(p, art, panel);  // under the frame's transparent edges, as for a score tab
  p.drawPixmap(origin, art.KonFrame());
  const QFont font = CellFont(art.fonts().large, parts.konLine.cellHeight);
  DrawBandText(p, origin, parts.konLine, font, kKonColour,
               konWord + QStringLiteral(": ") + QString::number(konsPlayed));
  DrawBandText(p, origin, parts.bankLine, font, kBankColour,
               bankWord + QStringLiteral(" ") + QString::number(bank));
  if (bank != 0) {
    const QRect picture = ToQRect(parts.bankPicture);
    p.drawPixmap(picture.translated(origin), art.BankPicture(picture.size()));
  }
  p.restore();
}

int NamePlateCellHeight(TableArt& art, const QString& name) {
  const NamePlateParts parts = NamePlateLayout(art.scale(), art.fonts().smallPercent);
  const QString text = TrimTrailing(name);
  for (int height : parts.cellHeights) {
    if (QFontMetrics(CellFont(art.fonts().small, height, true)).horizontalAdvance(text) <=
        parts.maxTextWidth) {
      return height;
    }
  }
  return parts.cellHeights[2];
}

void DrawNamePlate(QPainter& p, TableArt& art, int seat, const QString& name) {
  if (seat != kSeat1 && seat != kSeat2) return;
  const PixelRect& plate = art.place().namePlate[seat];
  DrawBackground(p, art, plate);
  const QString text = TrimTrailing(name);
  if (text.isEmpty()) return;
  p.save();
  p.setClipRect(ToQRect(plate));
  p.drawPixmap(QPoint(plate.left, plate.top), art.NamePlate());
  const QFont font = CellFont(art.fonts().small, NamePlateCellHeight(art, text), true);
  const QFontMetrics fm(font);
  const NamePlateParts parts = NamePlateLayout(art.scale(), art.fonts().smallPercent);
  const int x = plate.left + CentredTextLeft(0, parts.plateWidth, fm.horizontalAdvance(text));
  const int y = plate.top + (plate.height - fm.height()) / 2 + fm.ascent();
  p.setFont(font);
  // A soft shadow keeps the white name readable on the gold plate.
  const int shadow = std::max(1, art.scale().Length(1));
  p.setPen(QColor(90, 50, 0, 170));
  p.drawText(QPoint(x + shadow, y + shadow), text);
  p.setPen(Qt::white);
  p.drawText(QPoint(x, y), text);
  p.restore();
}

QRect DrawBalloon(QPainter& p, TableArt& art, QPoint anchor, const QString& title,
                  const QStringList& lines) {
  // Size 9 of the large font, scaled with the table.
  const int cell = RoleFontSize(art.scale().Length(16), art.fonts().largePercent);
  QFont textFont = CellFont(art.fonts().large, cell);
  QFont titleFont = CellFont(art.fonts().large, cell, true);
  const QFontMetrics tm(titleFont), fm(textFont);
  const int pad = art.scale().Length(8), arrow = art.scale().Length(12);
  int width = tm.horizontalAdvance(title);
  for (const QString& line : lines) width = std::max(width, fm.horizontalAdvance(line));
  const int height = tm.height() + static_cast<int>(lines.size()) * fm.height() + pad / 2;
  const ClientSize client = art.client();

  // The body above and to the right of the anchor, flipped below or left to stay on screen.
  QRect body(anchor.x() - arrow * 2, anchor.y() - arrow - height - 2 * pad, width + 2 * pad,
             height + 2 * pad);
  bool below = false;
  if (body.top() < 0) {
    body.moveTop(anchor.y() + arrow);
    below = true;
  }
  if (body.right() >= client.width) body.moveRight(client.width - 1);
  if (body.left() < 0) body.moveLeft(0);

  QPainterPath shape;
  shape.addRoundedRect(QRectF(body), pad, pad);
  QPainterPath tip;
  const int baseY = below ? body.top() + 1 : body.bottom() - 1;
  const int baseX = std::clamp(anchor.x(), body.left() + pad + arrow, body.right() - pad - arrow);
  tip.moveTo(baseX - arrow / 2, baseY);
  tip.lineTo(anchor);
  tip.lineTo(baseX + arrow / 2, baseY);
  tip.closeSubpath();
  shape = shape.united(tip);

  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(255, 0, 0), 1));
  p.setBrush(QColor(255, 255, 225));
  p.drawPath(shape);
  int y = body.top() + pad;
  p.setFont(titleFont);
  p.setPen(QColor(128, 0, 0));
  p.drawText(QPoint(body.left() + pad, y + tm.ascent()), title);
  y += tm.height() + pad / 2;
  p.setFont(textFont);
  p.setPen(QColor(255, 0, 0));
  for (const QString& line : lines) {
    p.drawText(QPoint(body.left() + pad, y + fm.ascent()), line);
    y += fm.height();
  }
  p.restore();
  return shape.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
}

}  // namespace zendral
