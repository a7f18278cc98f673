#include "ResultsRules.h"

#include <algorithm>
#include <cmath>

#include "game/Card.h"
#include "game/GameState.h"

namespace zendral::server {
namespace {

constexpr int kBookedScore = -50;

bool SameReals(double a, double b) {
  return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b));
}

bool SameRecord(const GameRecord& a, const GameRecord& b) {
  return a.kon == b.kon && a.best == b.best && SameReals(a.rating, b.rating) &&
         a.sessions == b.sessions && a.konl == b.konl && a.score == b.score && a.r1 == b.r1 &&
         a.r2 == b.r2;
}

// The total score behind a rating: K × (R − K / 30).
double TotalOf(int kons, double rating) {
  return kons * (rating - kons / 30.0);
}

}  // namespace

int MaxKonScore() {
  return kAnte + kPassFine * (kHandSize + 1) + kHandSize;
}
int MaxRatedGameScore() {
  return kBlockKons * MaxKonScore();
}
int MaxCycleScore() {
  return kCycleKons * MaxKonScore();
}

SaveJudgement JudgeSave(const StoredResults& stored, const GameRecord& sent) {
  const GameRecord& old = stored.record;
  SaveJudgement j;
  if (SameRecord(sent, old)) {
    // The program sends the record as read again after a failed booking: nothing changes.
    j.kind = SaveKind::kUnchanged;
    j.record = old;
    j.booked = stored.booked;
    return j;
  }
  if (sent.r1 != old.r1 || sent.r2 != old.r2) return j;

  // A booking: three more kons at −50 points, the cycle fields sent as 0.
  const int k = old.kon;
  if (sent.kon == k + kBlockKons && sent.konl == 0 && sent.score == 0 && sent.best == old.best &&
      sent.sessions == old.sessions) {
    const double expected =
        (TotalOf(k, old.rating) + kBookedScore) / (k + kBlockKons) + (k + kBlockKons) / 30.0;
    if (std::fabs(sent.rating - expected) > 1e-6 * std::max(1.0, std::fabs(expected))) return j;
    j.kind = SaveKind::kBooking;
    j.record = old;  // the cycle's kons and score stay as they were until the settlement
    j.record.kon = k + kBlockKons;
    j.record.rating = expected;
    j.booked = true;
    return j;
  }

  // The settlement of the booked game.
  if (!stored.booked || sent.kon != k || k < kBlockKons) return j;
  const double before = TotalOf(k, old.rating) - kBookedScore;  // total before the booking
  const double gameScore = TotalOf(k, sent.rating) - before;
  const double s = std::round(gameScore);
  if (std::fabs(gameScore - s) > 1e-3 || std::fabs(s) > MaxRatedGameScore()) return j;
  const int score = static_cast<int>(s);
  const int total = old.score + score;
  GameRecord next = old;
  next.rating = (before + score) / k + k / 30.0;
  if (old.konl + kBlockKons >= kCycleKons) {
    next.best = std::max(old.best, total);
    next.sessions = old.sessions + 1;
    next.konl = 0;
    next.score = 0;
    j.cycleCompleted = true;
    j.cycleScore = total;
  } else {
    next.konl = old.konl + kBlockKons;
    next.score = total;
  }
  if (sent.best != next.best || sent.sessions != next.sessions || sent.konl != next.konl ||
      sent.score != next.score) {
    return SaveJudgement{};
  }
  j.kind = SaveKind::kSettlement;
  j.record = next;
  j.booked = false;
  return j;
}

}  // namespace zendral::server
