#include "present/draw/TableDrawing.h"

#include <QPainterPath>
#include <algorithm>

#include "present/draw/TablePanels.h"

namespace zendral {

namespace {

QRect ToQRect(const PixelRect& r) {
  return QRect(r.left, r.top, r.width, r.height);
}

}  // namespace

void DrawBackground(QPainter& p, TableArt& art, const PixelRect& area, bool menu) {
  if (const std::optional<QColor> plain = art.PlainFelt(menu)) {
    p.fillRect(QRectF(ToQRect(area)), *plain);
    return;
  }
  const QPixmap& felt = menu ? art.MenuBackground() : art.Background();
  const qreal dpr = felt.devicePixelRatio();
  const QRectF source(area.left * dpr, area.top * dpr, area.width * dpr, area.height * dpr);
  p.drawPixmap(QRectF(ToQRect(area)), felt, source);
}

void DrawHand(QPainter& p, TableArt& art, int seat, const Hand& hand, const HandFan& fan,
              bool faceUp) {
  const PixelRect& area = art.place().hand[seat];
  DrawBackground(p, art, area);
  const bool showFaces = seat == kSeat2 || faceUp;
  for (int slot = 1; slot <= fan.count && slot <= kHandSlots; ++slot) {
    const TCardCode card = hand[slot];
    if (card.IsEmpty()) continue;
    p.drawPixmap(QPoint(area.left + fan.X(slot), area.top),
                 showFaces ? art.Face(card) : art.Back());
  }
}

void DrawLayout(QPainter& p, TableArt& art, const Layout& layout) {
  const PixelRect& area = art.place().layout;
  DrawBackground(p, art, area);
  for (int row : kLayoutRowDrawOrder) {
    for (int col = 1; col <= kRanks; ++col) {
      const TCardCode card = layout.Cell(row, col);
      if (card.IsEmpty()) continue;
      const PixelPoint at = LayoutCellOffset(art.scale(), row, col);
      p.drawPixmap(QPoint(area.left + at.x, area.top + at.y), art.Face(card));
    }
  }
}

void DrawLayoutText(QPainter& p, TableArt& art, const QString& text) {
  const PixelRect& area = art.place().layout;
  DrawBackground(p, art, area);
  const QFont font =
      CellFont(art.fonts().large, RoleFontSize(art.scale().Length(28), art.fonts().largePercent));
  p.save();
  p.setFont(font);
  p.setPen(QColor(255, 255, 160));
  p.drawText(ToQRect(area), Qt::AlignCenter | Qt::TextWordWrap, text);
  p.restore();
}

void HighlightCard(QPainter& p, TableArt& art, int seat, const HandFan& fan, int slot) {
  if (slot < 1 || slot > fan.count) return;
  const CardMetrics& m = art.card();
  const PixelRect& area = art.place().hand[seat];
  const int left = area.left + fan.X(slot);
  const int top = area.top;
  const int visible = fan.VisibleWidth(slot);

  QPainterPath region;
  if (m.drawMode == kCardModeSmall) {
    // Inside the black frame, so its open corners stay as they are.
    const int width = std::clamp(visible - 1, 2, m.width - 2);
    region.addRect(QRectF(left + 1, top + 1, width, m.height - 2));
  } else {
    QPainterPath card;
    card.addRoundedRect(QRectF(left, top, m.width, m.height), m.cornerRadius, m.cornerRadius);
    region = card;
    if (visible < m.width) {
      QPainterPath next;
      next.addRect(QRectF(left + visible, top, m.width, m.height));
      region = card.subtracted(next);
    }
  }
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  // The difference from white is the inverted colour; the alpha of the surface is kept.
  p.setCompositionMode(QPainter::CompositionMode_Difference);
  p.fillPath(region, Qt::white);
  p.restore();
}

QPixmap CardSprite(TableArt& art, TCardCode card) {
  return art.Face(card);
}

}  // namespace zendral
