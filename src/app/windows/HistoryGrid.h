#pragma once
// The grid of the History window (SG): a header row and one row per player line of a history
// file, in seven columns of fixed widths. Each cell is drawn by the rules of the window: the
// header in maroon on light lavender (yellow on purple with the purple design), the rows on the
// window colour (light purple), the selected row on light pink (light yellow) when there is
// more than one row, the text of a row in the colour of its kind of game.

#include <QColor>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <array>
#include <vector>

#include "store/HistoryFile.h"

namespace zendral {

inline constexpr int kHistoryColumns = 7;
inline constexpr std::array<int, kHistoryColumns> kHistoryColumnWidths = {45, 65, 210, 45,
                                                                          55, 55, 80};
inline constexpr int kHistoryPlayerColumn = 2;
inline constexpr int kHistoryTextTop = 3;  // every text stands 3 pixels below its cell's top

struct HistoryCellStyle {
  QColor background;
  QColor text;
  Qt::Alignment alignment = Qt::AlignHCenter;
  friend bool operator==(const HistoryCellStyle&, const HistoryCellStyle&) = default;
};

class THistoryGrid : public QTableWidget {
  Q_OBJECT

 public:
  explicit THistoryGrid(QWidget* parent = nullptr);

  // The grid's font and the purple design of the secondary windows.
  void SetLook(const QFont& font, bool purple);
  // The header texts (seven) and the rows of a file; an empty list leaves the header alone.
  void SetRows(const QStringList& headers, const std::vector<HistoryGridRow>& rows);

  // The style of a cell. Row 0 is the header row, rows 1.. the player rows.
  HistoryCellStyle CellStyle(int gridRow, int column) const;
  QString CellText(int gridRow, int column) const;
  int PlayerRows() const { return static_cast<int>(kinds_.size()); }

  // How a text is set in a cell of the given width: the grid's font, smaller when the text
  // needs it, and the text as it is drawn (cut with an ellipsis only below the smallest size).
  struct CellFit {
    QFont font;
    QString shown;
  };
  CellFit FitCell(const QString& text, int width) const;
  // The room for text in a column: its width less a margin on each side.
  static int CellTextWidth(int column);

  // Draws one cell's text in its rectangle by the grid's rules.
  void PaintCell(QPainter& p, const QRect& rect, int gridRow, int column) const;

 private:
  bool purple_ = false;
  std::vector<HistoryKind> kinds_;
  QStringList headers_;
};

}  // namespace zendral
