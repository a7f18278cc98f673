#include "app/windows/TFHistory.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/windows/HistoryGrid.h"
#include "app/windows/WindowHeader.h"
#include "app/windows/WindowTexts.h"
#include "present/words/WordRows.h"
#include "store/Settings.h"

namespace zendral {

namespace {

constexpr int kTextSize = 15;
constexpr int kGridTextSize = 13;
constexpr int kListWidth = 240;

QString FileLabel(const HistoryListEntry& file) {
  return WordText(kWordFile) + QString("I%1 ").arg(file.number, 4, 10, QChar('0')) +
         QtText(file.date);
}

}  // namespace

TFHistory::TFHistory(const Settings& settings, std::filesystem::path programFolder,
                     PackPictureLoader packPicture, QWidget* parent)
    : QDialog(parent), settings_(settings), programFolder_(std::move(programFolder)) {
  setObjectName(QStringLiteral("TFHistory"));
  setFont(SerifFont(settings_, kTextSize));
  header_ = new WindowHeader(settings_, {"History", "GFormHistory", &kWordHistoryOfGames},
                             std::move(packPicture), this);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("ListBox1"));
  list_->setFixedWidth(kListWidth);
  grid_ = new THistoryGrid(this);
  ok_ = new QPushButton(this);
  ok_->setObjectName(QStringLiteral("Button1"));
  ok_->setDefault(true);

  auto* middle = new QHBoxLayout;
  middle->addWidget(list_);
  middle->addWidget(grid_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(header_);
  layout->addLayout(middle, 1);
  layout->addWidget(ok_, 0, Qt::AlignRight);
  resize(kListWidth + grid_->width() + 40, 480);

  connect(list_, &QListWidget::currentRowChanged, this, &TFHistory::ShowFile);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  Reload();
}

void TFHistory::ApplyLanguage() {
  setWindowTitle(WordText(kWordHistoryOfGames));
  ok_->setText(WordText(kWordOk));
  header_->Refresh();
  grid_->SetLook(SerifFont(settings_, kGridTextSize), settings_.CustomDesign);
}

void TFHistory::Reload() {
  ApplyLanguage();
  const int previous = list_->currentRow();
  files_ = ListHistoryFiles(programFolder_);
  {
    const QSignalBlocker block(list_);
    list_->clear();
    for (const HistoryListEntry& file : files_) list_->addItem(FileLabel(file));
    if (files_.empty()) list_->addItem(WordText(kWordNoHistoryFiles));
  }
  list_->setEnabled(!files_.empty());
  if (files_.empty()) {
    ShowFile(-1);
    return;
  }
  const int count = static_cast<int>(files_.size());
  const int chosen = shownBefore_ && previous >= 0 && previous < count ? previous : count - 1;
  {
    const QSignalBlocker block(list_);
    list_->setCurrentRow(chosen);
  }
  ShowFile(chosen);
}

void TFHistory::ShowFile(int listRow) {
  const QStringList headers = {WordText(kWordTime),         WordText(kWordDate),
                               WordText(kWordPlayer),       WordText(kWordGames),
                               WordText(kWordResultColumn), WordText(kWordRating),
                               WordText(kWordType)};
  std::vector<HistoryGridRow> rows;
  if (listRow >= 0 && listRow < static_cast<int>(files_.size())) {
    // A file changed since it was listed shows no rows rather than damaged ones.
    rows = ReadHistoryGrid(
               HistoryFilePath(programFolder_, files_[static_cast<std::size_t>(listRow)].number))
               .value_or(std::vector<HistoryGridRow>{});
  }
  grid_->SetRows(headers, rows);
}

void TFHistory::showEvent(QShowEvent* event) {
  Reload();
  shownBefore_ = true;
  QDialog::showEvent(event);
}

}  // namespace zendral
