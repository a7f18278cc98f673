#pragma once
// The numbers of a session as the table and the stored files show them: the player's
// rating, the kon counters within the cycle and the block, the kon panel, the "Current game"
// balloon, the score window, the end-of-cycle window, the buttons after a settlement and
// what a finished session hands to the history and the statistics.

#include <string>
#include <string_view>
#include <vector>

#include "GameState.h"
#include "SessionStore.h"
#include "StatisticsReport.h"
#include "TableTexts.h"

namespace zendral {

inline constexpr double kRatingLimit = 99.99;
inline constexpr std::size_t kTournamentHistoryNameChars = 51;

// The kinds of game that the counters, windows and buttons tell apart.
enum class GameKind { kLocal, kRated, kNetServer, kNetClient, kTournament };
GameKind KindOf(const GameState& state);

// The kon's number within the 30-kon cycle and within the block of 3: 1..30 and 1..3.
int KonInCycle(int konNumber);
int KonInBlock(int konNumber);

// The average score per kon over all the player's kons, kept to six decimals (ties to even)
// and clamped to ±99.99. konNumber counts the stored kons and this session's kons together;
// it is at least 1 whenever a session ends (with none the stored rating stands).
double LocalRating(int konNumber, int sessionScore, double storedRating, int storedKons);

KonPanel KonPanelOf(const GameState& state);
KonHint KonHintOf(const GameState& state);

// The lines of the "Current game" balloon; empty when no balloon is shown (a network client
// still waiting for its first deal).
std::vector<CountLine> CurrentGameBalloon(const GameState& state);

// The score window's record for the running session: the kons played to their settlement,
// the score as of the last settlement and the rating they give; a kon dealt and not yet
// settled is not counted.
TCount ScoreWindowRecord(const GameState& state);

// A rating as the club files and the score window show it: two decimals, a comma, six wide.
std::string FormatClubRating(double rating);

// The end-of-cycle window of a local or network game for the place the cycle score took in
// the Order (1..10, 0 for none).
EndOfCycleWindow EndOfCycleWindowFor(const GameState& state, int place, int score);

// The buttons and CanFinish after a settlement.
struct ButtonsAfterSettlement {
  bool nextKon = false;
  bool exit = false;
  bool canFinish = false;
  friend bool operator==(const ButtonsAfterSettlement&, const ButtonsAfterSettlement&) = default;
};
ButtonsAfterSettlement SettledButtons(const GameState& state);

// The per-game counters R1 … R12 of a finished session.
GameCounters GameCountersFor(const GameState& state, int kons, int score);

// The history line of a finished session (for a tournament table the result comes from the
// tournament server and is passed in as score and rating).
HistoryEntry HistoryEntryFor(const GameState& state, int kons, int score, double rating);

// The relay's result message of a settled tournament kon: "o", then the score and its
// negation, each right-aligned in at least 3 characters.
std::string RelayResultMessage(int sessionScore);

std::string TrimRight(std::string_view text);
// The first maxChars characters of a UTF-8 text (never cut inside a character).
std::string CutToChars(std::string_view text, std::size_t maxChars);

}  // namespace zendral
