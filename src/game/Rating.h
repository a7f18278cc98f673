#pragma once
// The arithmetic of the account's rating in rated games, shared by the program and the club
// server: the advance booking of a block of kons, its settlement, the bounds of a result and
// the Kovs a place in the account table earns. A rating R over K kons stands for the total
// score K × (R − K / 30).

namespace zendral {

// A rated block is booked before it is played: its kons at this score, so that a player who
// leaves the block unfinished keeps the loss.
inline constexpr int kRatedAdvanceScore = -50;

double TotalOfRating(int kons, double rating);
double RatingOfTotal(int kons, double total);

// The rating after booking a block of kBlockKons more kons at the advance score.
double BookedRating(int kons, double rating);
// The rating after the settlement of the booked block: bookedKons and bookedRating include the
// booking, which the block's real score replaces.
double SettledRating(int bookedKons, double bookedRating, int blockScore);
// The block's score that turns a booked rating into the settled one (not rounded).
double BlockScoreBetween(int bookedKons, double bookedRating, double settledRating);

// The most one kon can move: the loser's ante, a pass fine for every turn the winner had, and
// a point for each card still in hand.
int MaxKonScore();
int MaxRatedGameScore();  // a block of three kons
int MaxCycleScore();      // thirty kons

// The account's cycle of rated kons: the kons and score of the running cycle, the best score of
// a completed cycle and the number of completed cycles.
struct RatedCycle {
  int kons = 0;
  int score = 0;
  int best = 0;
  int completed = 0;
  friend bool operator==(const RatedCycle&, const RatedCycle&) = default;
};
// The cycle after a settled block whose cycle score is then scoreAfter. A block that reaches
// the cycle's 30 kons completes it: its score may become the best, and a new cycle begins.
RatedCycle CycleAfterBlock(const RatedCycle& before, int scoreAfter);
bool CompletesCycle(const RatedCycle& before);

// Kovs for a place in the account table: 25 for the first, 10 for places 2 to 10.
int AwardForPlace(int place);

}  // namespace zendral
