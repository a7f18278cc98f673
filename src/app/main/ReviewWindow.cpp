#include "ReviewWindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "AppText.h"
#include "ExpertCoach.h"
#include "present/words/SolverWords.h"
#include "present/words/WordRows.h"

namespace zendral {

using appmain::Text;

ReviewWindow::ReviewWindow(const KonReview& review, QWidget* parent) : QDialog(parent) {
  setObjectName("FormReview");
  setWindowTitle(Text(kWordReviewTitle));
  auto* layout = new QVBoxLayout(this);

  auto* summary = new QLabel(this);
  summary->setObjectName("ReviewSummary");
  summary->setText(Text(kWordReviewAtDeal) + SignedValue(review.valueAtDeal) + "\n" +
                   Text(kWordReviewLost) + QString::number(review.lost) + "\n" +
                   Text(kWordReviewGifted) + QString::number(review.gifted));
  layout->addWidget(summary);

  moves_ = new QTableWidget(static_cast<int>(review.steps.size()), 4, this);
  moves_->setObjectName("ReviewMoves");
  moves_->setHorizontalHeaderLabels({"", Text(kWordReviewMove), Text(kWordReviewValue), ""});
  moves_->verticalHeader()->setVisible(true);
  moves_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  moves_->setSelectionBehavior(QAbstractItemView::SelectRows);
  for (int i = 0; i < static_cast<int>(review.steps.size()); ++i) {
    const ReviewStep& step = review.steps[static_cast<std::size_t>(i)];
    const bool mine = step.seat == review.player;
    const int change = step.valueAfter - step.valueBefore;
    QString note;
    QColor colour;
    if (mine && change < 0) {
      note =
          QString::number(change) + "  (" + Text(kWordReviewBetter) + CardLabel(step.better) + ")";
      colour = QColor(190, 30, 30);
    } else if (!mine && change > 0) {
      note = SignedValue(change);
      colour = QColor(20, 130, 40);
    }
    const QString cells[] = {
        mine ? Text(kWordReviewYou) : Text(kWordReviewOpponent), CardLabel(step.card),
        SignedValue(step.valueBefore) + " \u2192 " + SignedValue(step.valueAfter), note};
    for (int c = 0; c < 4; ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      if (colour.isValid()) item->setForeground(colour);
      moves_->setItem(i, c, item);
    }
  }
  moves_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  moves_->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(moves_, 1);

  identity_ = new QLabel(this);
  identity_->setObjectName("ReviewIdentity");
  QFont bold = identity_->font();
  bold.setBold(true);
  identity_->setFont(bold);
  identity_->setText(Text(kWordReviewResult) + SignedValue(review.result) + " = " +
                     SignedValue(review.valueAtDeal) + " \u2212 " + QString::number(review.lost) +
                     " + " + QString::number(review.gifted));
  layout->addWidget(identity_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(Text(kWordOk), QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(buttons);
  resize(560, 520);
}

QString ReviewWindow::IdentityText() const {
  return identity_->text();
}

}  // namespace zendral
