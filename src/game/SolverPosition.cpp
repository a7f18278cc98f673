#include "SolverPosition.h"

namespace zendral {

namespace {

CardSet HandSet(const Hand& hand) {
  CardSet cards = 0;
  for (int slot = 1; slot <= hand.CardCount; ++slot) cards |= CardBit(hand[slot]);
  return cards;
}

CardSet LayoutSet(const Layout& layout) {
  CardSet cards = 0;
  for (int row = 1; row <= kSuits; ++row) {
    for (int rank = 1; rank <= kRanks; ++rank) {
      if (layout.Has(row, rank)) cards |= CardBit(TCardCode(rank, row));
    }
  }
  return cards;
}

}  // namespace

int PassesPaid(const KonState& state, int seat) {
  // The fines of a kon are the ante, once play has begun, and one fine per pass.
  const int paid = -state.KonFines[seat];
  return paid >= kAnte ? (paid - kAnte) / kPassFine : 0;
}

SolverPosition PositionOf(const KonState& state, int seat) {
  SolverPosition p;
  p.own = HandSet(state.Hands[seat]);
  p.opp = HandSet(state.Hands[OtherSeat(seat)]);
  p.layout = LayoutSet(state.Board);
  p.ownPasses = PassesPaid(state, seat);
  p.oppPasses = PassesPaid(state, OtherSeat(seat));
  return p;
}

std::string PositionProblem(const SolverPosition& p) {
  const CardSet all = p.own | p.opp | p.layout;
  if (((p.own | p.opp | p.layout) & ~kAllCards) != 0) return "a card outside the deck";
  if ((p.own & p.opp) != 0 || (p.own & p.layout) != 0 || (p.opp & p.layout) != 0) {
    return "a card is given twice";
  }
  if (CardsIn(p.own) > kHandSize || CardsIn(p.opp) > kHandSize) {
    return "a hand holds more than 18 cards";
  }
  if (p.ownPasses < 0 || p.oppPasses < 0 || p.ownPasses > kMaxPassesPaid ||
      p.oppPasses > kMaxPassesPaid) {
    return "passes must be 0..100";
  }
  for (int suit = 1; suit <= kSuits; ++suit) {
    // A row is empty or one unbroken run through its nine.
    bool inRun = false, ended = false;
    bool hasNine = (p.layout & CardBit(TCardCode(kNineRank, suit))) != 0;
    for (int rank = 1; rank <= kRanks; ++rank) {
      const bool laid = (p.layout & CardBit(TCardCode(rank, suit))) != 0;
      if (laid && ended) return "a suit row of the layout is broken";
      if (laid) inRun = true;
      if (!laid && inRun) ended = true;
    }
    if (inRun && !hasNine) return "a suit row of the layout lacks its nine";
    // Every held card must be reachable from its nine through cards that exist.
    for (int rank = 1; rank <= kRanks; ++rank) {
      const TCardCode card(rank, suit);
      if ((p.layout & CardBit(card)) != 0 || ((p.own | p.opp) & CardBit(card)) == 0) continue;
      const int step = rank < kNineRank ? 1 : -1;
      for (int r = rank; r != kNineRank; r += step) {
        if ((all & CardBit(TCardCode(r + step, suit))) == 0) {
          return "the card " + ToNotation(card) + " can never be laid";
        }
      }
    }
  }
  if (p.layout == 0 && (p.own | p.opp) != 0 && (p.own & CardBit(kOpeningCard)) == 0) {
    return "on an empty layout the seat to move must hold the nine of diamonds";
  }
  return {};
}

}  // namespace zendral
