#include "Solver.h"

#include <algorithm>
#include <array>
#include <bit>

namespace zendral {

namespace {

constexpr int kInfinity = 10000;
constexpr std::uint64_t kUsed = std::uint64_t{1} << 63;

// The places that would take a card on this layout, whoever holds it.
CardSet OpenPlaces(CardSet layout) {
  if (layout == 0) return CardBit(kOpeningCard);
  return ~layout & kAllCards &
         (kNines | ((layout >> 1) & kBelowNines) | ((layout << 1) & kAboveNines));
}

// For each card, the cards that can only be laid after it: the rest of its side of the
// suit, or for a nine the whole suit.
constexpr std::array<CardSet, kDeckSize> MakeBeyond() {
  std::array<CardSet, kDeckSize> beyond{};
  for (int bit = 0; bit < kDeckSize; ++bit) {
    const int suit = bit / kRanks, rank = bit % kRanks + 1;
    int from = rank, to = rank;
    if (rank == kNineRank) {
      from = 1;
      to = kRanks;
    } else if (rank < kNineRank) {
      from = 1;
    } else {
      to = kRanks;
    }
    for (int r = from; r <= to; ++r)
      beyond[static_cast<std::size_t>(bit)] |= CardSet{1} << (suit * kRanks + r - 1);
  }
  return beyond;
}
constexpr std::array<CardSet, kDeckSize> kBeyond = MakeBeyond();

// A card whose side of the suit the other seat holds nothing of changes nothing for the other
// seat: it only spends one of the mover's cards. All such cards are alike, whichever is laid
// the mover keeps the same number of them to lay later, one at a time, so one stands for all.
CardSet WithoutTwinMoves(CardSet legal, CardSet opp) {
  CardSet free = 0;
  for (CardSet rest = legal; rest != 0; rest &= rest - 1) {
    const int bit = std::countr_zero(rest);
    if ((kBeyond[static_cast<std::size_t>(bit)] & opp) == 0) free |= CardSet{1} << bit;
  }
  return free == 0 ? legal : (legal & ~free) | (free & (~free + 1));
}

// The cards of a seat in sides of suits that only it holds and that are open: it can lay them
// one by one whenever it likes and they open nothing for the other seat.
CardSet FreeCards(CardSet hand, CardSet other, CardSet layout) {
  CardSet free = 0;
  for (CardSet heads = LegalCards(hand, layout); heads != 0; heads &= heads - 1) {
    const CardSet beyond = kBeyond[static_cast<std::size_t>(std::countr_zero(heads))];
    if ((beyond & other) == 0) free |= beyond & hand;
  }
  return free;
}

// The table's key of a position. Positions that differ only in where each seat's free cards
// lie are worth the same (only how many there are matters), so the key counts them instead
// of naming them, and such positions share one entry.
struct TableKey {
  std::uint64_t a = 0, b = 0;
};
TableKey KeyOf(CardSet own, CardSet opp, CardSet layout, int ownPasses, int oppPasses) {
  CardSet ownFree = 0, oppFree = 0;
  if (layout != 0) {
    ownFree = FreeCards(own, opp, layout);
    oppFree = FreeCards(opp, own, layout);
  }
  TableKey k;
  k.a = (own & ~ownFree) | (static_cast<std::uint64_t>(ownPasses) << 36) |
        (static_cast<std::uint64_t>(oppPasses) << 44) |
        (static_cast<std::uint64_t>(CardsIn(ownFree)) << 52) | kUsed;
  k.b = (opp & ~oppFree) | (static_cast<std::uint64_t>(CardsIn(oppFree)) << 40);
  return k;
}

struct OrderedMoves {
  std::array<int, 8> cards{};  // card bits, best first
  int count = 0;
};

// Cards worth trying first: the one that was best before in this position, then those
// that leave the other seat without a card (it must pay a fine), then those that open
// places for the mover's own cards rather than for the other seat's.
OrderedMoves OrderMoves(CardSet legal, CardSet own, CardSet opp, CardSet layout, int firstMove) {
  OrderedMoves m;
  std::array<int, 8> scores{};
  const CardSet openBefore = OpenPlaces(layout);
  for (CardSet rest = legal; rest != 0; rest &= rest - 1) {
    const int bit = std::countr_zero(rest);
    const CardSet card = CardSet{1} << bit;
    const CardSet after = layout | card;
    const CardSet opened = OpenPlaces(after) & ~openBefore;
    int score = 8 * (CardsIn(opened & own) - CardsIn(opened & opp));
    if (LegalCards(opp, after) == 0) score += 64;
    if ((kBeyond[static_cast<std::size_t>(bit)] & opp & ~card) == 0) score += 4;
    if (bit == firstMove) score += 1000;
    // Insertion into the sorted list; equal scores keep deck order.
    int i = m.count++;
    while (i > 0 && scores[static_cast<std::size_t>(i - 1)] < score) {
      scores[static_cast<std::size_t>(i)] = scores[static_cast<std::size_t>(i - 1)];
      m.cards[static_cast<std::size_t>(i)] = m.cards[static_cast<std::size_t>(i - 1)];
      --i;
    }
    scores[static_cast<std::size_t>(i)] = score;
    m.cards[static_cast<std::size_t>(i)] = bit;
  }
  return m;
}

}  // namespace

Solver::Solver(std::size_t tableBytes) {
  std::size_t entries = std::max<std::size_t>(2, tableBytes / sizeof(Entry));
  entries = std::bit_floor(entries);
  table_.assign(entries, Entry{});
  mask_ = entries - 1;
}

void Solver::ClearTable() {
  std::fill(table_.begin(), table_.end(), Entry{});
}

void Solver::PrepareFor(const SolverPosition& p) {
  // The table's keys leave the layout out: it is whatever no hand holds, apart from the
  // cards that are nowhere, which only a hand-made position has.
  const CardSet dead = kAllCards & ~(p.own | p.opp | p.layout);
  if (dead != deadCards_) {
    ClearTable();
    deadCards_ = dead;
  }
}

Solver::Entry* Solver::Find(std::uint64_t key, CardSet opp) {
  std::uint64_t h =
      key * 0x9E3779B97F4A7C15ull ^ (opp + 0x632BE59BD9B4E019ull) * 0xC2B2AE3D27D4EB4Full;
  h ^= h >> 31;
  const std::size_t i = static_cast<std::size_t>(h) & mask_ & ~std::size_t{1};
  for (std::size_t j = i; j <= i + 1; ++j) {
    if (table_[j].key == key && table_[j].opp == opp) return &table_[j];
  }
  return nullptr;
}

void Solver::Store(std::uint64_t key, CardSet opp, int cards, int value, int alpha, int beta,
                   int move) {
  int lower = -kInfinity, upper = kInfinity;
  if (value <= alpha) {
    upper = value;
  } else if (value >= beta) {
    lower = value;
  } else {
    lower = upper = value;
  }
  Entry* e = Find(key, opp);
  if (e != nullptr) {
    lower = std::max<int>(lower, e->lower);
    upper = std::min<int>(upper, e->upper);
  } else {
    std::uint64_t h =
        key * 0x9E3779B97F4A7C15ull ^ (opp + 0x632BE59BD9B4E019ull) * 0xC2B2AE3D27D4EB4Full;
    h ^= h >> 31;
    const std::size_t i = static_cast<std::size_t>(h) & mask_ & ~std::size_t{1};
    // Two places per bucket: an empty one, else the one whose result saved less work.
    if (table_[i].key == 0) {
      e = &table_[i];
    } else if (table_[i + 1].key == 0) {
      e = &table_[i + 1];
    } else {
      e = table_[i].cards <= table_[i + 1].cards ? &table_[i] : &table_[i + 1];
    }
    e->key = key;
    e->opp = opp;
  }
  e->lower = static_cast<std::int16_t>(lower);
  e->upper = static_cast<std::int16_t>(upper);
  e->move = static_cast<std::int8_t>(move);
  e->cards = static_cast<std::uint8_t>(cards);
}

int Solver::Search(CardSet own, CardSet opp, CardSet layout, int ownPasses, int oppPasses,
                   int alpha, int beta) {
  ++nodes_;
  if (opp == 0) return -WinnerGain(ownPasses, CardsIn(own));
  if (own == 0) return WinnerGain(oppPasses, CardsIn(opp));
  const CardSet legal = LegalCards(own, layout);
  if (legal == 0) {
    // The forced pass: the fine is paid and the other seat moves.
    return -Search(opp, own, layout, oppPasses, ownPasses + 1, -beta, -alpha);
  }
  if (legal == own && CardsIn(own) == 1) return WinnerGain(oppPasses, CardsIn(opp));

  const TableKey key = KeyOf(own, opp, layout, ownPasses, oppPasses);
  int firstMove = -1;
  if (const Entry* e = Find(key.a, key.b)) {
    if (e->lower == e->upper) return e->lower;
    if (e->lower >= beta) return e->lower;
    if (e->upper <= alpha) return e->upper;
    alpha = std::max<int>(alpha, e->lower);
    beta = std::min<int>(beta, e->upper);
    firstMove = e->move;
  }

  const OrderedMoves moves = OrderMoves(WithoutTwinMoves(legal, opp), own, opp, layout, firstMove);
  int best = -kInfinity, bestMove = -1, a = alpha;
  for (int i = 0; i < moves.count; ++i) {
    const int bit = moves.cards[static_cast<std::size_t>(i)];
    const CardSet card = CardSet{1} << bit;
    const int v = -Search(opp, own & ~card, layout | card, oppPasses, ownPasses, -beta, -a);
    if (v > best) {
      best = v;
      bestMove = bit;
      if (v > a) a = v;
      if (a >= beta) break;
    }
  }
  Store(key.a, key.b, CardsIn(own | opp), best, alpha, beta, bestMove);
  return best;
}

int Solver::Exact(CardSet own, CardSet opp, CardSet layout, int ownPasses, int oppPasses) {
  // Null-window searches closing in on the value from both sides: each one only asks
  // "better than g?", which cuts far more than one search with an open window.
  int lower = -kInfinity, upper = kInfinity, g = 0;
  while (lower < upper) {
    const int beta = g == lower ? g + 1 : g;
    g = Search(own, opp, layout, ownPasses, oppPasses, beta - 1, beta);
    if (g < beta) {
      upper = g;
    } else {
      lower = g;
    }
  }
  return g;
}

int Solver::Value(const SolverPosition& p) {
  PrepareFor(p);
  return Exact(p.own, p.opp, p.layout, p.ownPasses, p.oppPasses);
}

MoveValue Solver::Best(const SolverPosition& p) {
  PrepareFor(p);
  const CardSet legal = LegalCards(p.own, p.layout);
  if (legal == 0) return {kEmptyCard, -Exact(p.opp, p.own, p.layout, p.oppPasses, p.ownPasses + 1)};
  int firstMove = -1;
  const TableKey key = KeyOf(p.own, p.opp, p.layout, p.ownPasses, p.oppPasses);
  if (const Entry* e = Find(key.a, key.b)) firstMove = e->move;
  const OrderedMoves moves = OrderMoves(legal, p.own, p.opp, p.layout, firstMove);
  MoveValue best{kEmptyCard, -kInfinity};
  for (int i = 0; i < moves.count; ++i) {
    const int bit = moves.cards[static_cast<std::size_t>(i)];
    const CardSet card = CardSet{1} << bit;
    const CardSet own = p.own & ~card, layout = p.layout | card;
    // After the first card only a card that beats the best so far is valued exactly.
    if (i > 0 && -Search(p.opp, own, layout, p.oppPasses, p.ownPasses, -best.value - 1,
                         -best.value) <= best.value) {
      continue;
    }
    best = {CardOfBit(bit), -Exact(p.opp, own, layout, p.oppPasses, p.ownPasses)};
  }
  return best;
}

std::vector<MoveValue> Solver::AllMoves(const SolverPosition& p) {
  PrepareFor(p);
  std::vector<MoveValue> out;
  const CardSet legal = LegalCards(p.own, p.layout);
  if (legal == 0) {
    out.push_back({kEmptyCard, -Exact(p.opp, p.own, p.layout, p.oppPasses, p.ownPasses + 1)});
    return out;
  }
  for (CardSet rest = legal; rest != 0; rest &= rest - 1) {
    const int bit = std::countr_zero(rest);
    const CardSet card = CardSet{1} << bit;
    out.push_back(
        {CardOfBit(bit), -Exact(p.opp, p.own & ~card, p.layout | card, p.oppPasses, p.ownPasses)});
  }
  std::stable_sort(out.begin(), out.end(),
                   [](const MoveValue& a, const MoveValue& b) { return a.value > b.value; });
  return out;
}

}  // namespace zendral
