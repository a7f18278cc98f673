#pragma once
// The solver at the table: the expert playing seat 1, the hint for the player and the review
// of each kon. The searches run on a worker thread of their own, one at a time on one solver
// whose table is kept from search to search; their answers come back to the window's thread
// as queued calls, so the window keeps painting while the solver thinks.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "game/GameState.h"
#include "game/KonDriver.h"
#include "game/KonReview.h"
#include "store/ComputerLevelFile.h"

namespace zendral {

// A card for people: rank and suit sign ("10♥", "9♣").
QString CardLabel(TCardCode card);
// A value with its sign ("+3", "0", "-2").
QString SignedValue(int value);

class ExpertCoach : public QObject, public Seat1Chooser {
 public:
  struct Hooks {
    // The hint for the player: the slot of the best card (0: pass) and its text.
    std::function<void(int slot, const QString& text)> showHint;
    // The line under the kon panel; empty to clear it.
    std::function<void(const QString& text)> showSummary;
    // Whether a review of the last kon can be opened.
    std::function<void(bool available)> reviewAvailable;
  };

  ExpertCoach(const GameState& state, Hooks hooks);
  ~ExpertCoach() override;

  void SetLevel(ComputerLevel level) { level_ = level; }
  ComputerLevel Level() const { return level_; }
  // The expert plays seat 1 only in local games that are not rated.
  bool ExpertPlays() const;

  // To be called after anything that may have changed the kon.
  void Observe();

  std::optional<int> ChooseSeat1Move(const GameState& state) override;

  // Hints are given in local games that are not rated.
  bool HintsAllowed() const;
  // Asks for the best move of the player to move; false when there is none to give now.
  bool RequestHint();
  int HintsUsed() const { return hintsUsed_; }

  // The review of the last finished kon, once computed.
  const KonReview* Review() const { return review_ ? &*review_ : nullptr; }
  QString SummaryLine() const;

  // Waits until the worker has nothing left to do (tests).
  void WaitIdle();

 private:
  using Job = std::function<void(Solver&)>;
  void Post(Job job);
  void AskSeat1(const GameState& state, const SolverPosition& position);
  void Run();

  const GameState& state_;
  Hooks hooks_;
  ComputerLevel level_ = ComputerLevel::kClassic;
  KonMoveRecorder recorder_;

  // Seat 1's answer for one position.
  struct Seat1Answer {
    SolverPosition position;
    int slot = 0;
  };
  std::optional<SolverPosition> seat1Asked_;
  std::optional<Seat1Answer> seat1Answer_;
  QElapsedTimer seat1Clock_;
  std::optional<SolverPosition> dealWarmed_;

  int hintsUsed_ = 0;
  bool hintPending_ = false;
  bool inSession_ = false;
  bool reviewAsked_ = false;
  std::optional<KonReview> review_;

  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  std::deque<Job> jobs_;
  bool busy_ = false;
  bool stop_ = false;
  std::thread worker_;
};

}  // namespace zendral
