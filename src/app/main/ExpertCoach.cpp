#include "ExpertCoach.h"

#include <memory>

#include "AppText.h"
#include "game/ExpertPlayer.h"
#include "game/LeveledKon.h"
#include "present/words/SolverWords.h"
#include "present/words/WordRows.h"

namespace zendral {

namespace {

// Past this wait for the solver the classic player answers, so seat 1 never keeps the player
// waiting longer than this.
constexpr int kLongestWaitMs = 1000;

bool IsPlaying(const GameState& s) {
  return s.GameActive && s.KonPhase == kpPlaying &&
         (s.TurnState == ksSeat1ToMove || s.TurnState == ksSeat2ToMove);
}

}  // namespace

QString CardLabel(TCardCode card) {
  static const char* const kRankSigns[] = {"", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
  static const char* const kSuitSigns[] = {"", "\u2665", "\u2666", "\u2663", "\u2660"};
  if (card.IsEmpty()) return appmain::Text(kWordPass);
  return QString::fromUtf8(kRankSigns[card.rank]) + QString::fromUtf8(kSuitSigns[card.suit]);
}

QString SignedValue(int value) {
  return value > 0 ? QString("+%1").arg(value) : QString::number(value);
}

ExpertCoach::ExpertCoach(const GameState& state, Hooks hooks)
    : state_(state), hooks_(std::move(hooks)), worker_([this] { Run(); }) {}

ExpertCoach::~ExpertCoach() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
    jobs_.clear();
  }
  wake_.notify_all();
  worker_.join();
}

// A kon's review, a hint and the expert's moves each search some ten to thirty thousand
// positions, and the table keeps them between the searches of one kon: 2 MB holds 65 thousand.
// A larger table only costs memory (every page of it is written) and time to fill
// (bench_solve_time --table-mb).
constexpr std::size_t kCoachTableBytes = std::size_t{2} << 20;

void ExpertCoach::Run() {
  // The solver's table is taken at the first search, not at the start of the program.
  std::unique_ptr<Solver> solver;
  for (;;) {
    Job job;
    {
      std::unique_lock lock(mutex_);
      busy_ = false;
      idle_.notify_all();
      wake_.wait(lock, [this] { return stop_ || !jobs_.empty(); });
      if (stop_) return;
      job = std::move(jobs_.front());
      jobs_.pop_front();
      busy_ = true;
    }
    if (!solver) solver = std::make_unique<Solver>(kCoachTableBytes);
    job(*solver);
  }
}

void ExpertCoach::Post(Job job) {
  {
    std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(job));
  }
  wake_.notify_one();
}

void ExpertCoach::WaitIdle() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

bool ExpertCoach::ExpertPlays() const {
  return level_ == ComputerLevel::kExpert && state_.IsLocalGame() && !state_.IsRatedGame();
}

void ExpertCoach::Observe() {
  const GameState& s = state_;
  if (!s.GameActive || s.MenuShown) {
    // The session is over: its hints are no longer counted, its review is gone.
    if (inSession_) {
      inSession_ = false;
      hintsUsed_ = 0;
      review_.reset();
      if (hooks_.reviewAvailable) hooks_.reviewAvailable(false);
      if (hooks_.showSummary) hooks_.showSummary({});
    }
    return;
  }
  inSession_ = true;
  const bool hadRecord = recorder_.HasCompleteRecord();
  recorder_.Observe(s);

  if (s.KonPhase == kpDealt && (s.TurnState == ksSeat1ToMove || s.TurnState == ksSeat2ToMove)) {
    if (reviewAsked_ || review_) {
      // A new deal: the last kon's review and line go.
      reviewAsked_ = false;
      review_.reset();
      if (hooks_.reviewAvailable) hooks_.reviewAvailable(false);
      if (hooks_.showSummary) hooks_.showSummary({});
    }
    // The solving starts at the deal: the first answers of the kon then come from the table.
    const SolverPosition deal = PositionOf(s, s.TurnState);
    if (ExpertPlays() && dealWarmed_ != deal) {
      dealWarmed_ = deal;
      Post([deal](Solver& solver) { solver.Value(deal); });
    }
  }
  if (IsPlaying(s) && s.TurnState == ksSeat1ToMove && ExpertPlays()) {
    const SolverPosition position = PositionOf(s, kSeat1);
    if (seat1Asked_ != position && !(seat1Answer_ && seat1Answer_->position == position)) {
      AskSeat1(s, position);
    }
  }

  if (!hadRecord && recorder_.HasCompleteRecord() && !reviewAsked_) {
    reviewAsked_ = true;
    const KonRecord record = recorder_.record();
    Post([this, record](Solver& solver) {
      KonReview review = ReviewKon(solver, record, kSeat2);
      QMetaObject::invokeMethod(
          this,
          [this, review] {
            if (!reviewAsked_ || !review.ok) return;
            review_ = review;
            if (hooks_.showSummary) hooks_.showSummary(SummaryLine());
            if (hooks_.reviewAvailable) hooks_.reviewAvailable(true);
          },
          Qt::QueuedConnection);
    });
  }
}

std::optional<int> ExpertCoach::ChooseSeat1Move(const GameState& s) {
  if (!ExpertPlays()) return ClassicChoice(s, kSeat1);
  const SolverPosition position = PositionOf(s, kSeat1);
  if (seat1Answer_ && seat1Answer_->position == position) {
    const int slot = seat1Answer_->slot;
    seat1Answer_.reset();
    seat1Asked_.reset();
    return slot;
  }
  if (seat1Asked_ != position) {
    AskSeat1(s, position);
    return std::nullopt;
  }
  if (seat1Clock_.elapsed() > kLongestWaitMs) {
    seat1Asked_.reset();
    return ClassicChoice(s, kSeat1);
  }
  return std::nullopt;
}

void ExpertCoach::AskSeat1(const GameState& s, const SolverPosition& position) {
  seat1Asked_ = position;
  seat1Clock_.start();
  const KonState kon = s;
  Post([this, kon, position](Solver& solver) {
    const int slot = ChooseExpertMove(solver, kon, kSeat1);
    QMetaObject::invokeMethod(
        this,
        [this, position, slot] {
          seat1Answer_ = Seat1Answer{position, slot};
        },
        Qt::QueuedConnection);
  });
}

bool ExpertCoach::HintsAllowed() const {
  // Against a person, or for a result booked on the account, the hint would play for the
  // player.
  return state_.IsLocalGame() && !state_.IsRatedGame();
}

bool ExpertCoach::RequestHint() {
  const GameState& s = state_;
  if (!HintsAllowed() || !IsPlaying(s) || s.TurnState != ksSeat2ToMove || hintPending_) {
    return false;
  }
  ++hintsUsed_;
  hintPending_ = true;
  const KonState kon = s;
  Post([this, kon](Solver& solver) {
    const MoveValue best = ExpertChoice(solver, kon, kSeat2);
    const int slot = best.card.IsEmpty() ? 0 : SlotOf(kon.Hands[kSeat2], best.card);
    QMetaObject::invokeMethod(
        this,
        [this, kon, best, slot] {
          hintPending_ = false;
          // A hint for a position that has gone by is not shown.
          if (state_.Hands[kSeat2] != kon.Hands[kSeat2] || state_.Board != kon.Board) return;
          const QString text = appmain::Text(kWordHintBest) + CardLabel(best.card) +
                               appmain::Text(kWordHintWorth) + SignedValue(best.value);
          if (hooks_.showHint) hooks_.showHint(slot, text);
        },
        Qt::QueuedConnection);
  });
  return true;
}

QString ExpertCoach::SummaryLine() const {
  if (!review_) return {};
  return appmain::Text(kWordPerfectPlay) + SignedValue(review_->valueAtDeal) + QString(" \u00b7 ") +
         appmain::Text(kWordReviewYouShort) + SignedValue(review_->result);
}

}  // namespace zendral
