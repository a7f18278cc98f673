#include "app/windows/LanguageChooser.h"

#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include "app/windows/WindowResources.h"
#include "app/windows/WindowTexts.h"
#include "present/words/Words.h"

namespace zendral {

namespace {

constexpr int kFlagOffset = 2;
constexpr int kLabelOffset = 20;

QPixmap SmallFlag(int language) {
  const TChooserFlag flag = ChooserFlag(language);
  return QPixmap::fromImage(WindowPicture(QString("IL%1%2")
                                              .arg(flag.continent == 'A' ? "Asia" : "Euro")
                                              .arg(flag.index, 2, 10, QChar('0'))));
}

void PaintEntry(QPainter& p, const QRect& rect, const QPixmap& flag, const QString& label,
                const QColor& fill, const QColor& text) {
  p.fillRect(rect, fill);
  if (!flag.isNull()) p.drawPixmap(rect.topLeft() + QPoint(kFlagOffset, kFlagOffset), flag);
  p.setPen(text);
  p.drawText(rect.adjusted(kLabelOffset, 0, 0, 0),
             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, label);
}

}  // namespace

void LanguageItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  const bool selected = option.state & QStyle::State_Selected;
  const QPalette& palette = option.palette;
  painter->save();
  painter->setFont(option.font);
  PaintEntry(*painter, option.rect, index.data(Qt::DecorationRole).value<QPixmap>(),
             index.data(Qt::DisplayRole).toString(),
             selected ? palette.color(QPalette::Highlight) : palette.color(QPalette::Base),
             selected ? palette.color(QPalette::HighlightedText) : palette.color(QPalette::Text));
  painter->restore();
}

QSize LanguageItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
  const QFontMetrics metrics(option.font);
  const int width = kLabelOffset + metrics.horizontalAdvance(index.data().toString()) + 6;
  return {width, std::max(metrics.height() + 4, 11 + 2 * kFlagOffset)};
}

LanguageChooser::LanguageChooser(QWidget* parent) : QComboBox(parent) {
  setObjectName(QStringLiteral("ComboBoxLan"));
  setItemDelegate(new LanguageItemDelegate(this));
  setMaxVisibleItems(kLanguageCount);
}

void LanguageChooser::Fill(int language) {
  const QSignalBlocker block(this);
  if (count() != kLanguageCount) {
    clear();
    for (int k = 0; k < kLanguageCount; ++k) {
      addItem(QIcon(), QtText(LanguageLabel(k)));
      setItemData(k, SmallFlag(k), Qt::DecorationRole);
    }
  }
  setCurrentIndex(ValidLanguage(language));
}

void LanguageChooser::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  option.currentText.clear();
  option.currentIcon = QIcon();
  p.drawComplexControl(QStyle::CC_ComboBox, option);
  const QRect field =
      style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  const int k = currentIndex();
  if (k < 0) return;
  PaintEntry(p, field, itemData(k, Qt::DecorationRole).value<QPixmap>(), itemText(k),
             palette().color(QPalette::Base), palette().color(QPalette::Text));
}

}  // namespace zendral
