#include "CoachOverlay.h"

#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStringList>

#include "TableWidget.h"

namespace zendral {

CoachOverlay::CoachOverlay(TableWidget& table) : QWidget(&table), table_(table) {
  setObjectName("CoachOverlay");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  Place();
}

void CoachOverlay::Place() {
  setGeometry(table_.rect());
  raise();
  update();
}

void CoachOverlay::ShowHint(int slot, const QString& text) {
  hintSlot_ = slot;
  hintText_ = text;
  update();
}

void CoachOverlay::ClearHint() {
  if (hintText_.isEmpty()) return;
  hintText_.clear();
  hintSlot_ = 0;
  update();
}

void CoachOverlay::ShowSummary(const QString& text) {
  summary_ = text;
  update();
}

QRect CoachOverlay::HintTarget() const {
  if (hintSlot_ > 0) {
    // The part of the card the fan leaves in sight.
    QRect card = table_.CardRect(kSeat2, hintSlot_);
    card.setWidth(table_.Fan(kSeat2).VisibleWidth(hintSlot_));
    return card;
  }
  return table_.Button7() != nullptr ? table_.Button7()->geometry() : QRect();
}

double CoachOverlay::Scale() const {
  return table_.art() != nullptr ? std::max(1.0, table_.art()->scale().pictureScale) : 1.0;
}

QRect CoachOverlay::SummaryRect() const {
  if (table_.art() == nullptr) return {};
  // Two lines under the kon panel, as wide as the panel.
  const PixelRect& panel = table_.art()->place().konPanel;
  const int line = static_cast<int>(15 * Scale());
  return QRect(panel.left, panel.top + panel.height + static_cast<int>(3 * Scale()), panel.width,
               2 * line + 4);
}

QRect CoachOverlay::ReviewButtonRect() const {
  if (table_.art() == nullptr) return {};
  const QRect summary = SummaryRect();
  const PixelRect& tab = table_.art()->place().scoreTab[kSeat2];
  const int top = summary.bottom() + static_cast<int>(3 * Scale());
  const int height = std::min(static_cast<int>(22 * Scale()), tab.top - 2 - top);
  return QRect(summary.left(), top, summary.width(), std::max(12, height));
}

void CoachOverlay::paintEvent(QPaintEvent*) {
  if (table_.art() == nullptr) return;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const double scale = std::max(1.0, table_.art()->scale().pictureScale);
  QFont font = table_.font();
  font.setBold(true);
  font.setPixelSize(static_cast<int>(14 * scale));
  p.setFont(font);

  if (!summary_.isEmpty()) {
    // "Perfect play: +3" over "you: +1", in a font that lets the longer line fit the panel.
    const QRect r = SummaryRect();
    QStringList lines = summary_.split(QString::fromUtf8(" \u00b7 "));
    QFont small = font;
    small.setPixelSize(static_cast<int>(12 * scale));
    for (int px = small.pixelSize(); px > 6; --px) {
      small.setPixelSize(px);
      const QFontMetrics metrics(small);
      int widest = 0;
      for (const QString& l : lines) widest = std::max(widest, metrics.horizontalAdvance(l));
      if (widest + 8 <= r.width()) break;
    }
    p.setFont(small);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 140));
    p.drawRoundedRect(r, 4, 4);
    p.setPen(QColor(255, 236, 160));
    p.drawText(r.adjusted(4, 2, -4, -2), Qt::AlignCenter, lines.join('\n'));
    p.setFont(font);
  }

  if (!hintText_.isEmpty()) {
    const QRect target = HintTarget().adjusted(-3, -3, 3, 3);
    if (target.isValid()) {
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(QColor(255, 210, 0), 3 * scale));
      p.drawRoundedRect(target, 6, 6);
    }
    const QRect text = p.fontMetrics().boundingRect(hintText_).adjusted(-8, -4, 8, 4);
    QRect box(0, 0, text.width(), text.height());
    // Above the framed card, kept inside the table.
    box.moveCenter(QPoint(target.center().x(), target.top() - box.height() / 2 - 4));
    box.moveLeft(std::clamp(box.left(), 2, std::max(2, width() - box.width() - 2)));
    box.moveTop(std::max(2, box.top()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 0, 200));
    p.drawRoundedRect(box, 5, 5);
    p.setPen(QColor(255, 225, 90));
    p.drawText(box, Qt::AlignCenter, hintText_);
  }
}

}  // namespace zendral
