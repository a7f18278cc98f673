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

// The moves of a kon as a compact text: two characters a move, a card in card notation
// ("9d") or "--" for a pass, with nothing between them.
std::string KonMovesText(std::span<const KonMove> moves);
// Reads that text back; no value for anything else (an odd length, a word that is no card).
std::optional<std::vector<KonMove>> ParseKonMoves(std::string_view text);

}  // namespace zendral
