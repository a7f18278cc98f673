#include "CoachOverlay.h"

#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

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

QRect CoachOverlay::SummaryRect() const {
  if (table_.art() == nullptr) return {};
  const PixelRect& panel = table_.art()->place().konPanel;
  const int height = std::max(18, panel.height / 4);
  return QRect(panel.left, panel.top + panel.height + 4, std::max(panel.width, 260), height);
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
    const QRect r = SummaryRect();
    const QRect text = p.fontMetrics().boundingRect(summary_).adjusted(-6, -2, 6, 2);
    const QRect box(r.left(), r.top(), text.width(), text.height());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 140));
    p.drawRoundedRect(box, 4, 4);
    p.setPen(QColor(255, 236, 160));
    p.drawText(box, Qt::AlignCenter, summary_);
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
