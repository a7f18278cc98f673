#include "Scores.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "Pictures.h"
#include "Sounds.h"

namespace zendral {
namespace {

// Nearest integer, a half going to the even neighbour, whatever the floating-point
// environment says.
double RoundHalfToEven(double x) {
  const double below = std::floor(x);
  const double rest = x - below;
  if (rest > 0.5) return below + 1;
  if (rest < 0.5) return below;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

// A rated game counts its cycle on the server's kons of the current cycle and this session's.
int RatedKonInCycle(const GameState& s) {
  return KonInCycle(s.ServerCycleKons + s.KonNumber - s.KonAtStart);
}

std::string JoinedSeatNames(const GameState& s) {
  return TrimRight(s.SeatName[kSeat2]) + "/" + TrimRight(s.SeatName[kSeat1]);
}

// 1 while the last kon dealt has not yet been settled (dealt, being played, or over with the
// bank still on the table), else 0: that kon has no result yet, so the score window leaves it
// out of its counts, scores and rating.
int UnsettledKons(const GameState& s) {
  return s.TurnState != ksKonSettled && s.KonNumber > s.KonAtStart ? 1 : 0;
}

// What the score window shows for numbers a kind of game does not have.
constexpr std::string_view kUnknown = "?";
constexpr std::string_view kNoCycle = "-";

}  // namespace

GameKind KindOf(const GameState& s) {
  if (s.TourGame) return GameKind::kTournament;
  if (s.NetGame) return s.NetRole == kRoleClient ? GameKind::kNetClient : GameKind::kNetServer;
  return s.PlayerSlot == kRatedGameSlot ? GameKind::kRated : GameKind::kLocal;
}

int KonInCycle(int konNumber) {
  const int c = konNumber % kCycleKons;
  return c == 0 ? kCycleKons : c;
}

int KonInBlock(int konNumber) {
  const int b = konNumber % kBlockKons;
  return b == 0 ? kBlockKons : b;
}

double LocalRating(int konNumber, int sessionScore, double storedRating, int storedKons) {
  double r = storedRating;
  if (konNumber >= 1) {
    r = (storedKons * storedRating + sessionScore) / konNumber;
    r = RoundHalfToEven(r * 1'000'000) / 1'000'000;
  }
  return std::clamp(r, -kRatingLimit, kRatingLimit);
}

KonPanel KonPanelOf(const GameState& s) {
  return {s.KonNumber - s.KonAtStart, s.Bank};
}

KonHint KonHintOf(const GameState& s) {
  return {s.KonNumber, s.TourGame ? 1 : kCycleKons};
}

std::vector<CountLine> CurrentGameBalloon(const GameState& s) {
  if (!s.GameActive) return {};
  if (s.IsNetClient() && s.TurnState == ksNone) return {};  // no deal yet
  std::vector<CountLine> lines{{GameText::kTotalKonNumber, s.KonNumber, 0}};
  switch (KindOf(s)) {
    case GameKind::kLocal:
      lines.push_back({GameText::kKonInCycle, KonInCycle(s.KonNumber), kCycleKons});
      break;
    case GameKind::kRated:
      lines.push_back({GameText::kKonInCycle, RatedKonInCycle(s), kCycleKons});
      lines.push_back({GameText::kKonInSession, KonInBlock(s.KonNumber), kBlockKons});
      break;
    case GameKind::kNetServer:
    case GameKind::kNetClient:
      lines.push_back({GameText::kKonInCycle, KonInCycle(s.KonNumber), kCycleKons});
      lines.push_back({GameText::kKonInSession, KonInBlock(s.KonNumber), kBlockKons});
      break;
    case GameKind::kTournament:
      lines.push_back({GameText::kKonInSession, 1, 1});
      break;
  }
  return lines;
}

std::string FormatClubRating(double rating) {
  char text[32];
  std::snprintf(text, sizeof text, "%6.2f", rating);
  std::string result = text;
  std::replace(result.begin(), result.end(), '.', ',');
  return result;
}

TCount ScoreWindowRecord(const GameState& s) {
  // Only the kons played to their settlement count; SessionScore is the score as of the
  // last settlement, without the ante and fines of a kon still on the table.
  const int unsettled = UnsettledKons(s);
  const int kons = s.KonNumber - unsettled;
  const int own = s.SessionScore;
  TCount count;
  count.Count_KonAll = std::to_string(kons);
  count.Count_ScoBeg = std::to_string(s.ScoreAtStart);
  count.Count_ScoCur = std::to_string(own);
  count.Count_ScoAll = std::to_string(s.ScoreAtStart + own);
  const double stored = s.StoredPlayer.rating;
  switch (KindOf(s)) {
    case GameKind::kLocal:
    case GameKind::kNetServer:
    case GameKind::kNetClient:
      count.Count_KonCur = std::to_string(KonInCycle(s.KonNumber) - unsettled);
      count.Count_ReiBeg = FormatClubRating(stored);
      count.Count_ReiCur =
          FormatClubRating(LocalRating(kons, own, stored, s.StoredPlayer.konCount));
      break;
    case GameKind::kRated:
      count.Count_KonCur = std::to_string(RatedKonInCycle(s) - unsettled);
      count.Count_ReiBeg = std::to_string(static_cast<long long>(RoundHalfToEven(stored)));
      count.Count_ReiCur = std::string(kUnknown);
      break;
    case GameKind::kTournament:
      count.Count_KonCur = std::string(kNoCycle);
      count.Count_ReiBeg = std::to_string(static_cast<long long>(RoundHalfToEven(stored)));
      count.Count_ReiCur = std::string(kUnknown);
      break;
  }
  return count;
}

EndOfCycleWindow EndOfCycleWindowFor(const GameState& s, int place, int score) {
  EndOfCycleWindow w;
  w.score = score;
  if (place == 1) {
    w.place = 1;
    w.sound = sounds::kCycleBest;
    w.animation = pictures::kEndBest;
    w.lines = {GameText::kCongratulations, GameText::kYourResultIsBest, GameText::kResult};
    // The title of place 1: a network game makes a bachelor of the order, a local game
    // played without an account a master; a logged-in player's title comes with a rated game.
    if (s.NetGame) {
      w.lines.push_back(GameText::kTitleBachelor);
    } else if (s.AccountState == kAccountOffline) {
      w.lines.push_back(GameText::kTitleMaster);
    }
    w.medalPlace = 1;
  } else if (place >= 2 && place <= 10) {
    w.place = place;
    w.sound = sounds::kCycleGood;
    w.animation = pictures::kEndGood;
    w.lines = {GameText::kCongratulations, GameText::kGoodResult, GameText::kResult,
               GameText::kInTopTen};
    w.medalPlace = place;
  } else {
    w.sound = sounds::kCycleBad;
    w.animation = pictures::kEndBad;
    w.animationLoops = true;
    w.lines = {GameText::kOurRegrets, GameText::kResultLeavesToDesire, GameText::kResult,
               GameText::kNotInTopTen};
  }
  return w;
}

ButtonsAfterSettlement SettledButtons(const GameState& s) {
  const bool blockDone = s.KonNumber % kBlockKons == 0;
  switch (KindOf(s)) {
    case GameKind::kLocal:
      return {s.KonNumber % kCycleKons != 0, true, true};
    case GameKind::kRated:
      return {!blockDone, blockDone, true};
    case GameKind::kNetServer:
      return {!blockDone, blockDone, blockDone};
    case GameKind::kNetClient:
      return {false, blockDone, blockDone};  // the server deals
    case GameKind::kTournament:
      return {false, true, true};
  }
  return {};
}

GameCounters GameCountersFor(const GameState& s, int kons, int score) {
  GameCounters r;
  switch (KindOf(s)) {
    case GameKind::kLocal:
    case GameKind::kRated:
      r(1) = kons;
      r(2) = s.KonNumber % kCycleKons == 0 ? 1 : 0;
      r(3) = score > 0 ? score : 0;
      r(4) = score < 0 ? -score : 0;
      break;
    case GameKind::kNetServer:
      r(5) = 3;
      break;
    case GameKind::kNetClient:
      break;
    case GameKind::kTournament:
      r(6) = s.RelaySeat == 1 ? 1 : 0;
      break;
  }
  return r;
}

HistoryEntry HistoryEntryFor(const GameState& s, int kons, int score, double rating) {
  HistoryEntry h;
  h.HName = TrimRight(s.StoredPlayer.name);
  h.HKon = kons;
  h.HRes = score;
  h.HRei = rating;
  switch (KindOf(s)) {
    case GameKind::kLocal:
      h.Ac = 0;
      break;
    case GameKind::kRated:
      h.Ac = 1;
      break;
    case GameKind::kNetServer:
    case GameKind::kNetClient:
      h.HName = JoinedSeatNames(s);
      h.Ac = 3;
      break;
    case GameKind::kTournament:
      h.HName = CutToChars(JoinedSeatNames(s), kTournamentHistoryNameChars);
      h.HKon = 1;
      h.Ac = 2;
      break;
  }
  return h;
}

std::string RelayResultMessage(int sessionScore) {
  char text[32];
  std::snprintf(text, sizeof text, "o%3d%3d", sessionScore, -sessionScore);
  return text;
}

std::string TrimRight(std::string_view text) {
  const auto end = text.find_last_not_of(' ');
  return std::string(end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1));
}

std::string CutToChars(std::string_view text, std::size_t maxChars) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A character starts at every byte that is not a UTF-8 continuation byte.
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      if (chars == maxChars) return std::string(text.substr(0, i));
      ++chars;
    }
  }
  return std::string(text);
}

}  // namespace zendral
