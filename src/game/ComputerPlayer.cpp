#include "ComputerPlayer.h"

#include <array>
#include <bit>

namespace zendral {
namespace {

constexpr int kExaminedSlots = kHandSize;
constexpr int kClasses = 5;

enum class Holding { kNone, kRun, kGap };

// What the computer holds of the ranks beyond a legal card (rank r), walking away from the
// nine: below it ranks r-1 … 1, above it r+1 … 9. A run is an unbroken block of ranks that
// starts right next to the card.
Holding HoldingBelow(RankSet held, int rank) {
  const unsigned beyond = held & (RankBit(rank) - RankBit(1));  // ranks 1 … r-1
  if (beyond == 0) return Holding::kNone;
  // A run ends at r-1: adding its lowest bit carries straight up to bit r.
  return beyond + (beyond & (0u - beyond)) == RankBit(rank) ? Holding::kRun : Holding::kGap;
}

Holding HoldingAbove(RankSet held, int rank) {
  const unsigned beyond = (held >> (rank + 1)) & 0x1FFu;  // ranks r+1 … 9 from bit 0
  if (beyond == 0) return Holding::kNone;
  // A run starts at bit 0: one more than it is a power of two.
  return (beyond & (beyond + 1)) == 0 ? Holding::kRun : Holding::kGap;
}

// Class for a card other than a nine, by the number of ranks it opens and the holding.
int ClassOfCard(int rank, Holding holding) {
  if (holding == Holding::kGap) return 1;
  if (holding == Holding::kRun) return 2;
  const int opened = rank < kNineRank ? rank - 1 : kRanks - rank;
  switch (opened) {
    case 0:
      return 2;
    case 1:
      return 3;
    case 2:
      return 4;
    default:
      return 5;
  }
}

int ClassOfNine(Holding lower, Holding upper) {
  if (lower == Holding::kGap || upper == Holding::kGap) return 1;
  if (lower == Holding::kRun && upper == Holding::kRun) return 2;
  if (lower == Holding::kNone && upper == Holding::kNone) return 5;
  return 4;
}

// Visits every card that may be laid now, whoever holds it: per suit the nine alone, or the
// card below the nine before the card above it. In play a row is one unbroken run of ranks
// around its nine, and its two ends give the answer at once; any other layout (a tool may
// ask about one) is walked rank by rank.
template <typename Visit>
void ForEachLegalCard(const Layout& layout, Visit visit) {
  for (int suit = 1; suit <= kSuits; ++suit) {
    const RankSet row = layout.Row(suit);
    if (!(row & RankBit(kNineRank))) {
      visit(TCardCode(kNineRank, suit));
      continue;
    }
    const int low = std::countr_zero(row);
    const int high = std::bit_width(row) - 1;
    const unsigned run = (1u << (high + 1)) - (1u << low);
    if (row == run) {
      if (low > 1) visit(TCardCode(low - 1, suit));
      if (high < kRanks) visit(TCardCode(high + 1, suit));
      continue;
    }
    for (int rank = 1; rank <= kRanks; ++rank) {
      if (rank == kNineRank || (row & RankBit(rank))) continue;
      const int towardNine = rank < kNineRank ? rank + 1 : rank - 1;
      if (row & RankBit(towardNine)) visit(TCardCode(rank, suit));
    }
  }
}

int ClassOf(TCardCode card, RankSet suitHeld) {
  if (card.rank == kNineRank) {
    return ClassOfNine(HoldingBelow(suitHeld, kNineRank), HoldingAbove(suitHeld, kNineRank));
  }
  const Holding holding =
      card.rank < kNineRank ? HoldingBelow(suitHeld, card.rank) : HoldingAbove(suitHeld, card.rank);
  return ClassOfCard(card.rank, holding);
}

}  // namespace

bool HandHasCard(TCardCode card, const Hand& hand) {
  return HandSlotOf(card, hand) != 0;
}

int HandSlotOf(TCardCode card, const Hand& hand) {
  for (int slot = kExaminedSlots; slot >= 1; --slot) {
    if (hand[slot] == card) return slot;
  }
  return 0;
}

bool IsBlockedOn(int slot, const Layout& layout, const Hand& hand) {
  return !IsPlayableOn(layout, hand[slot]);
}

int ChooseMove(const Hand& own, const Layout& layout, const Hand& opponent, int layCounter) {
  if (layCounter == 1) return HandSlotOf(kOpeningCard, own);

  // held[suit]: the computer's own cards, for judging what lies beyond a legal card, and the
  // slot of each card. A hand is compacted: its cards end at the first empty slot.
  std::array<RankSet, kSuits + 1> held{};
  std::array<std::uint8_t, kDeckSize + 1> slotOf;
  for (int slot = 1; slot <= kExaminedSlots; ++slot) {
    const TCardCode c = own[slot];
    if (c.IsEmpty()) break;
    held[c.suit] |= RankBit(c.rank);
    slotOf[static_cast<std::size_t>(CardNumber(c))] = static_cast<std::uint8_t>(slot);
  }

  // Only the first card of each class counts (ties go by the order of the legal cards), so
  // each class keeps just its first card.
  std::array<TCardCode, kClasses + 1> firstOfClass{};
  ForEachLegalCard(layout, [&](TCardCode card) {
    const RankSet suitHeld = held[card.suit];
    if (!(suitHeld & RankBit(card.rank))) return;
    TCardCode& first = firstOfClass[static_cast<std::size_t>(ClassOf(card, suitHeld))];
    if (first.IsEmpty()) first = card;
  });

  // Look-ahead: if the best card would let the opponent lay every card he holds,
  // it drops behind class 4.
  std::array<int, kClasses> order = {1, 2, 3, 4, 5};
  if (!firstOfClass[1].IsEmpty()) {
    Layout trial = layout;
    trial.Put(firstOfClass[1]);
    // Hands are compacted, so the held slots are exactly slots 1..k; one card the opponent
    // could not lay is enough to keep the order.
    bool opponentLaysAll = true;
    for (int slot = 1; slot <= kExaminedSlots && !opponent[slot].IsEmpty(); ++slot) {
      if (IsBlockedOn(slot, trial, opponent)) {
        opponentLaysAll = false;
        break;
      }
    }
    if (opponentLaysAll) order = {2, 3, 4, 1, 5};
  }

  for (const int cls : order) {
    const TCardCode card = firstOfClass[static_cast<std::size_t>(cls)];
    if (!card.IsEmpty()) return slotOf[static_cast<std::size_t>(CardNumber(card))];
  }
  return 0;
}

}  // namespace zendral
