#include "Rating.h"

#include <algorithm>

#include "GameState.h"

namespace zendral {

double TotalOfRating(int kons, double rating) {
  return kons * (rating - kons / static_cast<double>(kCycleKons));
}

double RatingOfTotal(int kons, double total) {
  return total / kons + kons / static_cast<double>(kCycleKons);
}

double BookedRating(int kons, double rating) {
  return RatingOfTotal(kons + kBlockKons, TotalOfRating(kons, rating) + kRatedAdvanceScore);
}

double SettledRating(int bookedKons, double bookedRating, int blockScore) {
  const double beforeBooking = TotalOfRating(bookedKons, bookedRating) - kRatedAdvanceScore;
  return RatingOfTotal(bookedKons, beforeBooking + blockScore);
}

double BlockScoreBetween(int bookedKons, double bookedRating, double settledRating) {
  const double beforeBooking = TotalOfRating(bookedKons, bookedRating) - kRatedAdvanceScore;
  return TotalOfRating(bookedKons, settledRating) - beforeBooking;
}

int MaxKonScore() {
  return kAnte + kPassFine * (kHandSize + 1) + kHandSize;
}

int MaxRatedGameScore() {
  return kBlockKons * MaxKonScore();
}

int MaxCycleScore() {
  return kCycleKons * MaxKonScore();
}

bool CompletesCycle(const RatedCycle& before) {
  return before.kons + kBlockKons >= kCycleKons;
}

RatedCycle CycleAfterBlock(const RatedCycle& before, int scoreAfter) {
  RatedCycle after = before;
  if (CompletesCycle(before)) {
    after.best = std::max(before.best, scoreAfter);
    after.completed = before.completed + 1;
    after.kons = 0;
    after.score = 0;
  } else {
    after.kons = before.kons + kBlockKons;
    after.score = scoreAfter;
  }
  return after;
}

int AwardForPlace(int place) {
  if (place == 1) return 25;
  if (place >= 2 && place <= 10) return 10;
  return 0;
}

}  // namespace zendral
