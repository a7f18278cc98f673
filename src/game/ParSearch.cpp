#include "ParSearch.h"

#include <climits>
#include <unordered_map>

#include "ComputerPlayer.h"
#include "SolverPosition.h"

namespace zendral {
namespace {

constexpr int kNoLine = INT_MIN;  // a line the rules end early (never in a real kon)

CardSet LaidCards(const Layout& layout) {
  CardSet cards = 0;
  for (int row = 1; row <= kSuits; ++row) {
    cards |= static_cast<CardSet>(layout.Row(row) >> 1) << ((row - 1) * kRanks);
  }
  return cards;
}

// Within one search the hands are the deal's hands without the laid cards, so the layout,
// the seat to move and the passes name a position.
std::uint64_t KeyOf(const KonState& kon) {
  const auto p1 = static_cast<std::uint64_t>(PassesPaid(kon, kSeat1));
  const auto p2 = static_cast<std::uint64_t>(PassesPaid(kon, kSeat2));
  return LaidCards(kon.Board) | static_cast<std::uint64_t>(kon.TurnState) << 36 | p1 << 38 |
         p2 << 50;
}

struct Memo {
  int value = 0;
  KonMove move;  // the move that reaches value
};

class ParSearcher {
 public:
  // Seat 2's final score along the best line from the position.
  int Value(const KonState& kon) {
    const std::uint64_t key = KeyOf(kon);
    if (const auto found = memo_.find(key); found != memo_.end()) return found->second.value;
    Memo best{kNoLine, {}};
    const int seat = kon.TurnState;
    if (seat == kSeat1) {
      const int slot = ChooseMove(kon.Hands[kSeat1], kon.Board, kon.Hands[kSeat2], kon.LayCounter);
      const KonMove move =
          slot == 0 ? KonMove{true, kEmptyCard} : KonMove{false, kon.Hands[kSeat1][slot]};
      best = {Follow(kon, seat, move), move};
    } else {
      bool laid = false;
      for (int slot = 1; slot <= kon.Hands[kSeat2].CardCount; ++slot) {
        if (!MayLayFromSlot(kon, kSeat2, slot)) continue;
        laid = true;
        const KonMove move{false, kon.Hands[kSeat2][slot]};
        const int value = Follow(kon, seat, move);
        if (value > best.value) best = {value, move};
      }
      if (!laid) {
        const KonMove pass{true, kEmptyCard};
        best = {Follow(kon, seat, pass), pass};
      }
    }
    memo_.emplace(key, best);
    return best.value;
  }

  // The moves of the best line, from the position to the end of the kon.
  std::vector<KonMove> Line(KonState kon) {
    std::vector<KonMove> line;
    while (kon.TurnState == ksSeat1ToMove || kon.TurnState == ksSeat2ToMove) {
      const auto found = memo_.find(KeyOf(kon));
      if (found == memo_.end() || found->second.value == kNoLine) break;
      const KonMove move = found->second.move;
      line.push_back(move);
      if (!Apply(kon, kon.TurnState, move)) break;
    }
    return line;
  }

  std::uint64_t positions() const { return memo_.size(); }

 private:
  static bool Apply(KonState& kon, int seat, const KonMove& move) {
    if (move.pass) return !PassKon(kon, seat).Refused();
    const int slot = SlotOf(kon.Hands[seat], move.card);
    return slot != 0 && !PlayKonCard(kon, seat, slot).Refused();
  }

  int Follow(const KonState& kon, int seat, const KonMove& move) {
    KonState next = kon;
    if (!Apply(next, seat, move)) return kNoLine;
    if (next.TurnState == ksKonOver) {
      SettleKon(next);
      return next.Score[kSeat2];
    }
    return Value(next);
  }

  std::unordered_map<std::uint64_t, Memo> memo_;
};

}  // namespace

ParResult ParFrom(const KonState& kon) {
  ParResult result;
  if (kon.KonPhase != kpPlaying ||
      (kon.TurnState != ksSeat1ToMove && kon.TurnState != ksSeat2ToMove)) {
    return result;
  }
  ParSearcher searcher;
  const int value = searcher.Value(kon);
  if (value == kNoLine) return result;
  result.ok = true;
  result.par = value;
  result.line = searcher.Line(kon);
  result.positions = searcher.positions();
  return result;
}

ParResult ParOfDeck(const Deck& deck) {
  if (!IsCompleteDeck(deck)) return {};
  KonState kon;
  DealKonCards(kon, deck);
  BeginKon(kon);
  return ParFrom(kon);
}

}  // namespace zendral
