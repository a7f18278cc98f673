#pragma once
// A kon played again from its deck and its moves on the kon core: how a server checks a kon
// it dealt instead of believing the result a program reports, and how a kon is reviewed.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Deck.h"
#include "KonCore.h"

namespace zendral {

// One move of the seat in turn: a card laid, or a pass.
struct KonMove {
  bool pass = false;
  TCardCode card;
  friend bool operator==(const KonMove&, const KonMove&) = default;
};

// Who may play seat 1 in a replay: anybody within the rules, or only the computer player's
// own answers (a game against the computer, whose moves are known in advance).
enum class SeatOneRule { kAnyLegalMove, kComputerPlayer };

struct KonReplayResult {
  bool complete = false;  // every move legal and the kon over and paid out with the last one
  int failedMove = -1;    // index of the first move refused; moves.size() when they ran out
  KonState kon;           // as far as the moves went
};

// Deals the deck (positions 1..18 to seat 1), begins the kon and plays the moves in turn.
KonReplayResult ReplayKon(const Deck& deck, std::span<const KonMove> moves, SeatOneRule rule);

// A kon played from the deck with the computer player on both seats, and its moves.
struct PlayedKon {
  KonState kon;
  std::vector<KonMove> moves;
};
PlayedKon PlayComputerKonFromDeck(const Deck& deck);

// A deck as 36 cards in card notation, deck positions 1..36, nothing between them.
std::string DeckNotation(const Deck& deck);
// Reads that text back; no value unless it names each of the 36 cards once.
std::optional<Deck> ParseDeckNotation(std::string_view text);

// The moves of a kon as a compact text: two characters a move, a card in card notation
// ("9d") or "--" for a pass, with nothing between them.
std::string KonMovesText(std::span<const KonMove> moves);
// Reads that text back; no value for anything else (an odd length, a word that is no card).
std::optional<std::vector<KonMove>> ParseKonMoves(std::string_view text);

// The moves of a block of kons against the computer (a rated game): each kon's moves text,
// the kons in order, joined by '.'.
inline constexpr char kKonMovesSeparator = '.';
// A block played from its decks with the computer player on both seats: seat 2's score and
// the block's moves as a settlement carries them.
struct PlayedBlock {
  int score = 0;
  std::string moves;
};
PlayedBlock PlayComputerBlock(std::span<const Deck> decks);

// Seat 2's score of the block replayed from its decks, seat 1 held to the computer player's
// answers; no value unless there is one moves text per deck and every kon replays to its end.
std::optional<int> ReplayBlockScore(std::span<const Deck> decks, std::string_view blockMoves);

}  // namespace zendral
