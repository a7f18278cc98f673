// The main window's side of the solver: the expert at seat 1, the hint, the review window and
// the computer's level.

#include <QAction>
#include <QPushButton>

#include "app/main/AppText.h"
#include "app/main/CoachOverlay.h"
#include "app/main/ExpertCoach.h"
#include "app/main/ReviewWindow.h"
#include "app/main/TForm1.h"
#include "app/main/TableWidget.h"
#include "present/words/SolverWords.h"

namespace zendral {

using appmain::Text;

void TForm1::SetUpCoach() {
  overlay_ = new CoachOverlay(*table_);
  reviewButton_ = new QPushButton(table_);
  reviewButton_->setObjectName("ButtonReview");
  reviewButton_->setFocusPolicy(Qt::StrongFocus);
  reviewButton_->hide();
  connect(reviewButton_, &QPushButton::clicked, this, [this] { OpenReview(); });

  ExpertCoach::Hooks hooks;
  hooks.showHint = [this](int slot, const QString& text) { overlay_->ShowHint(slot, text); };
  hooks.showSummary = [this](const QString& text) { overlay_->ShowSummary(text); };
  hooks.reviewAvailable = [this](bool available) {
    reviewButton_->setVisible(available);
    if (available) reviewButton_->raise();
    PopupAction("MReview")->setEnabled(available);
  };
  coach_ = std::make_unique<ExpertCoach>(state_, std::move(hooks));
  PopupAction("MReview")->setEnabled(false);
  CaptionCoach();
}

void TForm1::CaptionCoach() {
  if (!reviewButton_) return;
  reviewButton_->setText(Text(kWordReview));
  overlay_->Place();
  if (table_->art() != nullptr) {
    reviewButton_->setGeometry(overlay_->ReviewButtonRect());
    QFont font = reviewButton_->font();
    font.setPixelSize(std::max(10, reviewButton_->height() * 11 / 20));
    reviewButton_->setFont(font);
  }
  if (!coach_) return;
  overlay_->ShowSummary(coach_->SummaryLine());
}

void TForm1::AfterDriverCall() {
  if (!coach_) return;
  // A hint belongs to the position it was asked in.
  overlay_->ClearHint();
  coach_->Observe();
}

void TForm1::RequestHint() {
  if (busy_ > 0 || !coach_ || menuShown_) return;
  overlay_->ClearHint();
  coach_->RequestHint();
}

void TForm1::OpenReview() {
  if (busy_ > 0 || !coach_ || coach_->Review() == nullptr) return;
  ReviewWindow window(*coach_->Review(), this);
  RunModal(window);
}

void TForm1::SetComputerLevel(ComputerLevel level) {
  coach_->SetLevel(level);
  // A failed write keeps the level for this run; the next start reads the old one.
  WriteComputerLevel(programFolder_ / kComputerLevelFileName, level);
}

}  // namespace zendral
