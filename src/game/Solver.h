#pragma once
// The exact value of a kon position under perfect play by both seats: the net result of the
// whole kon (ante, fines and cards left, the bank to the winner) for the seat to move. An
// alpha-beta search over the compact position with move ordering and a transposition table
// of bounded size that is kept between searches, so the positions of one kon are found again
// as the kon goes on.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "SolverPosition.h"

namespace zendral {

// One choice of the seat to move: a card, or the empty card for a pass, with the kon's
// result for that seat when both play perfectly from there.
struct MoveValue {
  TCardCode card;
  int value = 0;
  friend bool operator==(const MoveValue&, const MoveValue&) = default;
};

class Solver {
 public:
  static constexpr std::size_t kDefaultTableBytes = std::size_t{64} << 20;

  // The table takes at most tableBytes (rounded down to a power of two entries).
  explicit Solver(std::size_t tableBytes = kDefaultTableBytes);

  // Every position given here must be one PositionProblem accepts.

  // The value for the seat to move. A position whose mover's hand is empty is won; one whose
  // other hand is empty is lost.
  int Value(const SolverPosition& position);
  // The best choice: the first of the cards with the highest value, in the search's order;
  // the pass when no card may be laid. The position must not be over.
  MoveValue Best(const SolverPosition& position);
  // Every card the mover may lay with its value, best first (ties in deck order), or the one
  // pass.
  std::vector<MoveValue> AllMoves(const SolverPosition& position);

  // Positions searched since construction (for measurements).
  std::uint64_t nodes() const { return nodes_; }
  std::size_t tableBytes() const { return table_.size() * sizeof(Entry); }
  void ClearTable();

 private:
  struct Entry {
    std::uint64_t key = 0;  // own hand, the two pass counts
    std::uint64_t opp = 0;  // other hand; 0 with key 0 marks an unused entry
    std::int16_t lower = 0;
    std::int16_t upper = 0;
    std::int8_t move = -1;   // card bit of the best card found, or -1
    std::uint8_t cards = 0;  // cards left in both hands: the work a stored result saved
  };

  int Search(CardSet own, CardSet opp, CardSet layout, int ownPasses, int oppPasses, int alpha,
             int beta);
  int Exact(CardSet own, CardSet opp, CardSet layout, int ownPasses, int oppPasses);
  void PrepareFor(const SolverPosition& position);
  Entry* Find(std::uint64_t key, CardSet opp);
  void Store(std::uint64_t key, CardSet opp, int cards, int value, int alpha, int beta, int move);

  std::vector<Entry> table_;
  std::size_t mask_ = 0;
  CardSet deadCards_ = 0;  // cards in no hand and not laid: fixed for the table's positions
  std::uint64_t nodes_ = 0;
};

}  // namespace zendral
