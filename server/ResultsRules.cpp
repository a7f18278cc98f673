#include "ResultsRules.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <sodium.h>
#include <QStringList>

#include "game/Card.h"
#include "game/GameState.h"
#include "game/KonReplay.h"
#include "game/Rating.h"

namespace zendral::server {
namespace {

bool SameReals(double a, double b) {
  return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b));
}

bool SameRecord(const GameRecord& a, const GameRecord& b) {
  return a.kon == b.kon && a.best == b.best && SameReals(a.rating, b.rating) &&
         a.sessions == b.sessions && a.konl == b.konl && a.score == b.score && a.r1 == b.r1 &&
         a.r2 == b.r2;
}

}  // namespace

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
  if (!stored.bookingOpen && sent.kon == k + kBlockKons && sent.konl == 0 && sent.score == 0 &&
      sent.best == old.best && sent.sessions == old.sessions) {
    const double expected = BookedRating(k, old.rating);
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
  const double gameScore = BlockScoreBetween(k, old.rating, sent.rating);
  const double s = std::round(gameScore);
  if (std::fabs(gameScore - s) > 1e-3 || std::fabs(s) > MaxRatedGameScore()) return j;
  const int score = static_cast<int>(s);
  const int total = old.score + score;
  GameRecord next = old;
  next.rating = SettledRating(k, old.rating, score);
  const RatedCycle before{old.konl, old.score, old.best, old.sessions};
  const RatedCycle after = CycleAfterBlock(before, total);
  next.konl = after.kons;
  next.score = after.score;
  next.best = after.best;
  next.sessions = after.completed;
  if (CompletesCycle(before)) {
    j.cycleCompleted = true;
    j.cycleScore = total;
  }
  if (sent.best != next.best || sent.sessions != next.sessions || sent.konl != next.konl ||
      sent.score != next.score) {
    return SaveJudgement{};
  }
  j.kind = SaveKind::kSettlement;
  j.blockScore = score;
  j.record = next;
  j.booked = false;
  return j;
}

Deck DrawDeck() {
  if (sodium_init() < 0) std::abort();
  Deck deck;
  for (int n = 1; n <= kDeckSize; ++n) deck[n] = CardFromNumber(n);
  // Fisher-Yates on the system's cryptographic generator: no seed to guess.
  for (int i = kDeckSize; i > 1; --i) {
    const int j = 1 + static_cast<int>(randombytes_uniform(static_cast<std::uint32_t>(i)));
    std::swap(deck[i], deck[j]);
  }
  return deck;
}

QString DrawBlockDecks() {
  QStringList decks;
  for (int k = 0; k < kBlockKons; ++k) decks << QString::fromStdString(DeckNotation(DrawDeck()));
  return decks.join(QLatin1Char(' '));
}

std::optional<int> ReplayedBlockScore(const QString& decks, const QString& moves) {
  std::vector<Deck> block;
  for (const QString& text : decks.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    auto deck = ParseDeckNotation(text.toStdString());
    if (!deck) return std::nullopt;
    block.push_back(*deck);
  }
  if (block.size() != static_cast<std::size_t>(kBlockKons)) return std::nullopt;
  return ReplayBlockScore(block, moves.toStdString());
}

}  // namespace zendral::server
