#include "app/windows/HistoryGrid.h"

#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>

#include "app/windows/WindowTexts.h"
#include "present/words/DailyReplayWords.h"
#include "present/words/WordRows.h"

namespace zendral {

namespace {

constexpr int kSmallestTextSize = 8;

const QColor kMaroon(128, 0, 0);
const QColor kLavender(230, 230, 255);
const QColor kPink(255, 204, 204);
const QColor kYellow(255, 255, 0);
const QColor kPurple(136, 0, 226);
const QColor kLightPurple(227, 185, 255);
const QColor kLightYellow(255, 255, 180);

// The player's cell: the name, and for the deal of the day its par and place where known.
QString PlayerText(const HistoryGridRow& row) {
  QString text = QtText(row.player).trimmed();
  if (row.kind != HistoryKind::kDaily) return text;
  if (row.par)
    text +=
        QStringLiteral(" \u00b7 ") + WordText(kWordHistoryPar) + ' ' + QString::number(*row.par);
  if (row.place)
    text += QStringLiteral(" \u00b7 ") + WordText(kWordHistoryPlace) + ' ' +
            QString::number(*row.place);
  return text;
}

QString KindText(HistoryKind kind) {
  switch (kind) {
    case HistoryKind::kLocal:
      return WordText(kWordTypeLocal);
    case HistoryKind::kNet:
      return WordText(kWordTypeNet);
    case HistoryKind::kAccount:
      return WordText(kWordTypeAccount);
    case HistoryKind::kTourney:
      return WordText(kWordTypeTourney);
    case HistoryKind::kDaily:
      return WordText(kWordTypeDaily);
    case HistoryKind::kUnknown:
      break;
  }
  return {};
}

// The fixed header row of the grid, drawn by the grid's own rules.
class HistoryHeader : public QHeaderView {
 public:
  explicit HistoryHeader(THistoryGrid* grid) : QHeaderView(Qt::Horizontal, grid), grid_(grid) {}

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int section) const override {
    if (!rect.isValid()) return;
    painter->save();
    grid_->PaintCell(*painter, rect, 0, section);
    painter->restore();
  }

 private:
  THistoryGrid* grid_;
};

class HistoryCellDelegate : public QStyledItemDelegate {
 public:
  explicit HistoryCellDelegate(THistoryGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    painter->save();
    grid_->PaintCell(*painter, option.rect, index.row() + 1, index.column());
    painter->restore();
  }

 private:
  THistoryGrid* grid_;
};

}  // namespace

THistoryGrid::THistoryGrid(QWidget* parent) : QTableWidget(parent) {
  setObjectName(QStringLiteral("SG"));
  setColumnCount(kHistoryColumns);
  setHorizontalHeader(new HistoryHeader(this));
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  verticalHeader()->hide();
  for (int c = 0; c < kHistoryColumns; ++c) {
    setColumnWidth(c, kHistoryColumnWidths[static_cast<std::size_t>(c)]);
  }
  setItemDelegate(new HistoryCellDelegate(this));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setWordWrap(false);
  setGridStyle(Qt::SolidLine);
  // The selected row repaints in its colour.
  connect(this, &QTableWidget::itemSelectionChanged, viewport(), qOverload<>(&QWidget::update));
  int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
  for (int w : kHistoryColumnWidths) width += w;
  setFixedWidth(width);
}

void THistoryGrid::SetLook(const QFont& font, bool purple) {
  purple_ = purple;
  setFont(font);
  horizontalHeader()->setFont(font);
  const int rowHeight = QFontMetrics(font).height() + kHistoryTextTop + 3;
  verticalHeader()->setDefaultSectionSize(rowHeight);
  verticalHeader()->setMinimumSectionSize(rowHeight);
  horizontalHeader()->setFixedHeight(rowHeight);
  viewport()->update();
  horizontalHeader()->viewport()->update();
}

void THistoryGrid::SetRows(const QStringList& headers, const std::vector<HistoryGridRow>& rows) {
  headers_ = headers;
  kinds_.clear();
  clearContents();
  setRowCount(static_cast<int>(rows.size()));
  int r = 0;
  for (const HistoryGridRow& row : rows) {
    // The fields are shown as the file holds them, without the spaces that pad them to their
    // columns: the cells align their texts themselves.
    const QString cells[kHistoryColumns] = {
        QtText(row.time).trimmed(),  QtText(row.date).trimmed(),   PlayerText(row),
        QtText(row.games).trimmed(), QtText(row.result).trimmed(), QtText(row.rating).trimmed(),
        KindText(row.kind)};
    for (int c = 0; c < kHistoryColumns; ++c) setItem(r, c, new QTableWidgetItem(cells[c]));
    kinds_.push_back(row.kind);
    ++r;
  }
  if (!rows.empty()) selectRow(0);
  horizontalHeader()->viewport()->update();
}

HistoryCellStyle THistoryGrid::CellStyle(int gridRow, int column) const {
  HistoryCellStyle style;
  style.alignment = column == kHistoryPlayerColumn ? Qt::AlignLeft : Qt::AlignHCenter;
  if (gridRow == 0) {
    style.background = purple_ ? kPurple : kLavender;
    style.text = purple_ ? kYellow : kMaroon;
    return style;
  }
  const bool selected = PlayerRows() > 1 && selectionModel() &&
                        selectionModel()->isRowSelected(gridRow - 1, QModelIndex());
  if (selected) {
    style.background = purple_ ? kLightYellow : kPink;
  } else {
    style.background = purple_ ? kLightPurple : palette().color(QPalette::Base);
  }
  const HistoryKind kind = gridRow - 1 < PlayerRows()
                               ? kinds_[static_cast<std::size_t>(gridRow - 1)]
                               : HistoryKind::kUnknown;
  switch (kind) {
    case HistoryKind::kNet:
      style.text = QColor(0, 128, 0);
      break;
    case HistoryKind::kAccount:
      style.text = QColor(255, 0, 0);
      break;
    case HistoryKind::kTourney:
      style.text = QColor(0, 0, 255);
      break;
    case HistoryKind::kDaily:
      style.text = QColor(176, 88, 0);
      break;
    default:
      style.text = palette().color(QPalette::Text);
      break;
  }
  return style;
}

THistoryGrid::CellFit THistoryGrid::FitCell(const QString& text, int width) const {
  // A text wider than its cell is set smaller, down to a legible size, before it is cut. The
  // eliding rule, not the advance alone, decides: it also counts the last glyph's overhang.
  CellFit fit{font(), text};
  const int designed =
      fit.font.pixelSize() > 0 ? fit.font.pixelSize() : QFontMetrics(fit.font).height();
  for (int size = designed; size >= kSmallestTextSize; --size) {
    fit.font.setPixelSize(size);
    fit.shown = QFontMetrics(fit.font).elidedText(text, Qt::ElideRight, width);
    if (fit.shown == text) break;
  }
  return fit;
}

int THistoryGrid::CellTextWidth(int column) {
  return kHistoryColumnWidths[static_cast<std::size_t>(column)] - 4;
}

QString THistoryGrid::CellText(int gridRow, int column) const {
  if (gridRow == 0) return column < headers_.size() ? headers_[column] : QString();
  const QTableWidgetItem* cell = item(gridRow - 1, column);
  return cell ? cell->text() : QString();
}

void THistoryGrid::PaintCell(QPainter& p, const QRect& rect, int gridRow, int column) const {
  const HistoryCellStyle style = CellStyle(gridRow, column);
  p.fillRect(rect, style.background);
  p.setPen(palette().color(QPalette::Mid));
  p.drawLine(rect.topRight(), rect.bottomRight());
  p.drawLine(rect.bottomLeft(), rect.bottomRight());
  const QString text = CellText(gridRow, column);
  if (text.isEmpty()) return;
  const QRect room = rect.adjusted(2, kHistoryTextTop, -2, 0);
  const CellFit fit = FitCell(text, room.width());
  p.setFont(fit.font);
  p.setPen(style.text);
  p.drawText(room, style.alignment | Qt::AlignTop | Qt::TextSingleLine, fit.shown);
}

}  // namespace zendral
