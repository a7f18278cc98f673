#include "app/main/TableCoach.h"

#include <QPushButton>
#include <algorithm>

#include "app/main/AppText.h"
#include "app/main/CoachOverlay.h"
#include "app/main/ExpertCoach.h"
#include "app/main/ReviewWindow.h"
#include "app/main/TableWidget.h"
#include "app/main/WindowServices.h"
#include "present/words/SolverWords.h"

namespace zendral {

using appmain::Text;

TableCoach::TableCoach(TableWidget& table, GameState& state, WindowServices& window,
                       const std::filesystem::path& programFolder,
                       std::function<void(bool)> reviewEntry)
    : table_(table), window_(window), programFolder_(programFolder) {
  overlay_ = new CoachOverlay(table_);
  reviewButton_ = new QPushButton(&table_);
  reviewButton_->setObjectName("ButtonReview");
  reviewButton_->setFocusPolicy(Qt::StrongFocus);
  reviewButton_->hide();
  QObject::connect(reviewButton_, &QPushButton::clicked, reviewButton_, [this] { OpenReview(); });

  ExpertCoach::Hooks hooks;
  hooks.showHint = [this](int slot, const QString& text) { overlay_->ShowHint(slot, text); };
  hooks.showSummary = [this](const QString& text) { overlay_->ShowSummary(text); };
  hooks.reviewAvailable = [this, reviewEntry](bool available) {
    reviewButton_->setVisible(available);
    if (available) reviewButton_->raise();
    reviewEntry(available);
  };
  coach_ = std::make_unique<ExpertCoach>(state, std::move(hooks));
  reviewEntry(false);
  Caption();
}

TableCoach::~TableCoach() = default;

void TableCoach::ReadLevel() {
  coach_->SetLevel(ReadComputerLevel(programFolder_ / kComputerLevelFileName));
}

void TableCoach::SetLevel(ComputerLevel level) {
  coach_->SetLevel(level);
  // A failed write keeps the level for this run; the next start reads the old one.
  WriteComputerLevel(programFolder_ / kComputerLevelFileName, level);
}

void TableCoach::Caption() {
  reviewButton_->setText(Text(kWordReview));
  overlay_->Place();
  if (table_.art() != nullptr) {
    reviewButton_->setGeometry(overlay_->ReviewButtonRect());
    QFont font = reviewButton_->font();
    font.setPixelSize(std::max(10, reviewButton_->height() * 11 / 20));
    reviewButton_->setFont(font);
  }
  overlay_->ShowSummary(coach_->SummaryLine());
}

void TableCoach::AfterDriverCall() {
  overlay_->ClearHint();
  coach_->Observe();
}

void TableCoach::RequestHint(bool menuShown) {
  if (window_.Busy() || menuShown) return;
  overlay_->ClearHint();
  coach_->RequestHint();
}

void TableCoach::OpenReview() {
  if (window_.Busy() || coach_->Review() == nullptr) return;
  ReviewWindow window(*coach_->Review(), &window_.Window());
  window_.RunModal(window);
}

}  // namespace zendral
