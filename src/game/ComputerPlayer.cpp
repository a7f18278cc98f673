#include "ComputerPlayer.h"

#include <algorithm>
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
constexpr Holding HoldingBelow(RankSet held, int rank) {
  const unsigned beyond = held & (RankBit(rank) - RankBit(1));  // ranks 1 … r-1
  if (beyond == 0) return Holding::kNone;
  // A run ends at r-1: adding its lowest bit carries straight up to bit r.
  return beyond + (beyond & (0u - beyond)) == RankBit(rank) ? Holding::kRun : Holding::kGap;
}

constexpr Holding HoldingAbove(RankSet held, int rank) {
  const unsigned beyond = (held >> (rank + 1)) & 0x1FFu;  // ranks r+1 … 9 from bit 0
  if (beyond == 0) return Holding::kNone;
  // A run starts at bit 0: one more than it is a power of two.
  return (beyond & (beyond + 1)) == 0 ? Holding::kRun : Holding::kGap;
}

// Class for a card other than a nine, by the number of ranks it opens and the holding.
constexpr int ClassOfCard(int rank, Holding holding) {
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

constexpr int ClassOfNine(Holding lower, Holding upper) {
  if (lower == Holding::kGap || upper == Holding::kGap) return 1;
  if (lower == Holding::kRun && upper == Holding::kRun) return 2;
  if (lower == Holding::kNone && upper == Holding::kNone) return 5;
  return 4;
}

constexpr int ClassOf(int rank, RankSet suitHeld) {
  if (rank == kNineRank) {
    return ClassOfNine(HoldingBelow(suitHeld, kNineRank), HoldingAbove(suitHeld, kNineRank));
  }
  const Holding holding =
      rank < kNineRank ? HoldingBelow(suitHeld, rank) : HoldingAbove(suitHeld, rank);
  return ClassOfCard(rank, holding);
}

// The class of a card of each rank for each holding of its suit (ranks as a suit row of a
// CardSet holds them, six lowest), worked out once.
using ClassTable = std::array<std::array<std::uint8_t, 1u << kRanks>, kRanks + 1>;
constexpr ClassTable MakeClassTable() {
  ClassTable table{};
  for (int rank = 1; rank <= kRanks; ++rank) {
    for (unsigned held = 0; held < (1u << kRanks); ++held) {
      table[static_cast<std::size_t>(rank)][held] =
          static_cast<std::uint8_t>(ClassOf(rank, static_cast<RankSet>(held << 1)));
    }
  }
  return table;
}
constexpr ClassTable kClassOf = MakeClassTable();

// Where each bit of a CardSet lies: the card's rank and the shift that brings its suit row down.
struct BitPlace {
  std::uint8_t rank;
  std::uint8_t rowShift;
};
constexpr auto kBitPlaces = [] {
  std::array<BitPlace, kDeckSize> places{};
  for (int bit = 0; bit < kDeckSize; ++bit) {
    places[static_cast<std::size_t>(bit)] = {static_cast<std::uint8_t>(bit % kRanks + 1),
                                             static_cast<std::uint8_t>(bit / kRanks * kRanks)};
  }
  return places;
}();

// Every card that may be laid now, whoever holds it: per suit the nine alone while its place is
// empty, else every missing card next to a laid one on the nine's side. In play a row is one
// unbroken run around its nine, so these are the two cards at its ends; a tool may ask about
// any other layout.
constexpr CardSet LegalNow(CardSet layout) {
  constexpr CardSet kRow = (CardSet{1} << kRanks) - 1;
  const CardSet rowsWithNine = ((layout & kNines) >> (kNineRank - 1)) * kRow;
  const CardSet ends = ((layout >> 1) & kBelowNines) | ((layout << 1) & kAboveNines);
  return (ends & rowsWithNine & ~layout) | (kNines & ~layout);
}

// The key of the held legal card at a bit: its class above the bit.
unsigned KeyOf(unsigned bit, CardSet own) {
  const BitPlace place = kBitPlaces[bit];
  return static_cast<unsigned>(kClassOf[place.rank][(own >> place.rowShift) & 0x1FFu]) << 6 | bit;
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

CardSet ChooseCard(CardSet own, CardSet layout, CardSet opponent) {
  // Each legal card the computer holds gets a key, its class above its bit: the smallest key is
  // the first card (ties going by the order of the legal cards: the suits in layout order, in
  // each the lower rank first) of the best class.
  const CardSet legal = LegalNow(layout) & own;
  // No choice to make with one legal card or none; the classes only order several.
  if ((legal & (legal - 1)) == 0) return legal;
  unsigned best = ~0u;
  for (CardSet rest = legal; rest != 0; rest &= rest - 1) {
    best = std::min(best, KeyOf(static_cast<unsigned>(std::countr_zero(rest)), own));
  }
  if (best == ~0u) return 0;

  // Look-ahead: if the best card is of class 1 and would let the opponent lay every card he
  // holds, it drops behind class 4.
  if (best >> 6 == 1 && (opponent & ~PlayableCards(layout | CardSet{1} << (best & 63u))) == 0) {
    static constexpr std::array<unsigned, kClasses + 1> kDemotedRank = {0, 4, 1, 2, 3, 5};
    unsigned demoted = ~0u;
    for (CardSet rest = legal; rest != 0; rest &= rest - 1) {
      const unsigned key = KeyOf(static_cast<unsigned>(std::countr_zero(rest)), own);
      demoted = std::min(demoted, kDemotedRank[key >> 6] << 6 | (key & 63u));
    }
    best = demoted;
  }
  return CardSet{1} << (best & 63u);
}

int ChooseMove(const Hand& own, const Layout& layout, const Hand& opponent, int layCounter) {
  if (layCounter == 1) return HandSlotOf(kOpeningCard, own);

  // Only slots 1..18 count, up to the first empty one (a hand is compacted); the slot of each
  // card is remembered to answer in slots.
  CardSet ownCards = 0;
  std::array<std::uint8_t, kDeckSize> slotOf;
  for (int slot = 1; slot <= kExaminedSlots; ++slot) {
    const TCardCode c = own[slot];
    if (c.IsEmpty()) break;
    ownCards |= CardBit(c);
    slotOf[static_cast<std::size_t>(CardBitIndex(c))] = static_cast<std::uint8_t>(slot);
  }
  const CardSet card =
      ChooseCard(ownCards, CardsOfLayout(layout), CardsOfHand(opponent, kExaminedSlots));
  return card == 0 ? 0 : slotOf[static_cast<std::size_t>(std::countr_zero(card))];
}

}  // namespace zendral
