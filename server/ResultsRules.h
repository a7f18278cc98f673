#pragma once
// What a rated game can do to an account's results, checked on the server: the advance
// booking (3 kons, −50 points) and the settlement of the booked game (a score three kons can
// give; a cycle completes only at 30 kons). The server stores the values it computes itself.

#include <QString>

#include <optional>

#include "game/Deck.h"
#include "game/Rating.h"

namespace zendral::server {

struct GameRecord {
  int kon = 0;
  int best = 0;
  double rating = 0;
  int sessions = 0;
  int konl = 0;
  int score = 0;
  int r1 = 0;
  QString r2 = QStringLiteral("#");
};

struct StoredResults {
  GameRecord record;
  bool booked = false;
  // A booking younger than kBookingLifetimeSeconds: no second one is taken meanwhile. An older
  // one was a game left unfinished; a new booking replaces it (its −50 points stay).
  bool bookingOpen = false;
};

inline constexpr qint64 kBookingLifetimeSeconds = 2 * 3600;

enum class SaveKind { kUnchanged, kBooking, kSettlement, kRefused };

struct SaveJudgement {
  SaveKind kind = SaveKind::kRefused;
  GameRecord record;  // what to store
  bool booked = false;
  bool cycleCompleted = false;
  int cycleScore = 0;  // the completed cycle's total score
  int blockScore = 0;  // a settlement: the booked block's score that the sent rating gives
};

SaveJudgement JudgeSave(const StoredResults& stored, const GameRecord& sent);

// One deck drawn with the system's cryptographic generator: the rated blocks and the deal of
// the day are dealt from it.
Deck DrawDeck();
// The decks of a booked block, drawn with the system's cryptographic generator, as the text
// the booking reply and the database carry: the decks in card notation, separated by spaces.
QString DrawBlockDecks();
// Seat 2's score of the block replayed from those decks and the settlement's moves; nothing
// when the decks are not a block's or the moves do not replay.
std::optional<int> ReplayedBlockScore(const QString& decks, const QString& moves);

}  // namespace zendral::server
