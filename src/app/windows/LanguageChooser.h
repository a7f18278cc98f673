#pragma once
// The language chooser of the Options window (ComboBoxLan): the ten language labels, each as
// they are written in their own language, drawn with a small flag in front.

#include <QComboBox>
#include <QStyledItemDelegate>

namespace zendral {

// Draws an entry: its rectangle filled, the small flag 2 pixels right of and 2 below the
// top left corner, the label on one line, vertically centred, from 20 pixels right of the
// entry's left edge.
class LanguageItemDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

class LanguageChooser : public QComboBox {
  Q_OBJECT

 public:
  explicit LanguageChooser(QWidget* parent = nullptr);

  // The ten entries with their flags; the labels are the same in every language.
  void Fill(int language);

 protected:
  // The closed box shows the chosen entry the same way as the open list.
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zendral
