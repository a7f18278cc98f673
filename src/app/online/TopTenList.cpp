#include "app/online/TopTenList.h"

#include <QPainter>

namespace zendral {

TopTenList::TopTenList(QWidget* parent) : QWidget(parent) {}

void TopTenList::SetRows(std::vector<TopTenRow> rows, QStringList below) {
  rows_ = std::move(rows);
  below_ = std::move(below);
  noConnect_.clear();
  update();
}

void TopTenList::SetNoConnect(const QString& text) {
  rows_.clear();
  below_.clear();
  noConnect_ = text;
  update();
}

void TopTenList::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(250, 246, 232));
  p.setPen(QColor(150, 130, 90));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  const QFontMetrics metrics(font());
  const int line = metrics.height() + 8;
  if (!noConnect_.isEmpty()) {
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(QColor(200, 0, 0));
    p.drawText(rect(), Qt::AlignCenter, noConnect_);
    return;
  }
  int y = 8;
  const int w = width();
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const TopTenRow& r = rows_[i];
    if (i % 2 == 1) p.fillRect(QRect(1, y - 2, w - 2, line), QColor(238, 230, 205));
    const int mid = y + (line - 4) / 2;
    p.setPen(QColor(40, 30, 20));
    p.drawText(QRect(8, y, 40, line - 4), Qt::AlignRight | Qt::AlignVCenter, r.place);
    if (!r.flag.isNull()) p.drawImage(56, mid - r.flag.height() / 2, r.flag);
    if (!r.sex.isNull()) p.drawImage(76, mid - r.sex.height() / 2, r.sex);
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(QRect(98, y, w * 36 / 100, line - 4), Qt::AlignLeft | Qt::AlignVCenter, r.nick);
    p.setFont(font());
    p.setPen(QColor(90, 70, 50));
    const int whereLeft = 98 + w * 36 / 100;
    p.drawText(QRect(whereLeft, y, w - whereLeft - 100, line - 4), Qt::AlignLeft | Qt::AlignVCenter,
               metrics.elidedText(r.where, Qt::ElideRight, w - whereLeft - 104));
    p.setPen(QColor(40, 30, 20));
    p.drawText(QRect(w - 100, y, 90, line - 4), Qt::AlignRight | Qt::AlignVCenter, r.value);
    y += line;
  }
  y += 6;
  p.setPen(QColor(40, 30, 20));
  for (const QString& text : below_) {
    p.drawText(QRect(12, y, w - 24, line - 4), Qt::AlignLeft | Qt::AlignVCenter, text);
    y += line - 4;
  }
}

}  // namespace zendral
