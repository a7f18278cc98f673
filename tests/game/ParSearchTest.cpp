// The par search against a plain exhaustive search written here on the kon core's checked
// transitions (no memo: every line of seat 2 tried, seat 1 answering as the computer player),
// and what a par must be: reachable by a line that replays, and no worse than the computer's
// own play on seat 2 nor than perfect play against a perfect opponent.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "game/ComputerPlayer.h"
#include "game/Deck.h"
#include "game/ExpertPlayer.h"
#include "game/KonCore.h"
#include "game/KonReplay.h"
#include "game/ParSearch.h"
#include "game/Random.h"
#include "game/Solver.h"

namespace zendral {
namespace {

Deck ShuffledDeck(std::uint64_t seed) {
  Random random(seed);
  Deck deck;
  ShuffleDeck(deck, random);
  return deck;
}

int ComputerSlot(const KonState& s, int seat) {
  return ChooseMove(s.Hands[seat], s.Board, s.Hands[OtherSeat(seat)], s.LayCounter);
}

// Seat 2's final score, the best over every line of seat 2's choices.
int Exhaustive(const KonState& s) {
  const int seat = s.TurnState;
  std::vector<int> slots;
  if (seat == kSeat1) {
    slots.push_back(ComputerSlot(s, seat));
  } else {
    for (int slot = 1; slot <= s.Hands[seat].CardCount; ++slot) {
      if (MayLayFromSlot(s, seat, slot)) slots.push_back(slot);
    }
    if (slots.empty()) slots.push_back(0);
  }
  int best = INT_MIN;
  for (const int slot : slots) {
    KonState next = s;
    const KonEvents events = slot == 0 ? PassKon(next, seat) : PlayKonCard(next, seat, slot);
    EXPECT_FALSE(events.Refused());
    int value = 0;
    if (next.TurnState == ksKonOver) {
      SettleKon(next);
      value = next.Score[kSeat2];
    } else {
      value = Exhaustive(next);
    }
    best = std::max(best, value);
  }
  return best;
}

// A kon of the deck played by the computer on both seats until at most `cardsLeft` cards
// are in the hands (and the kon is not over).
KonState Endgame(const Deck& deck, int cardsLeft) {
  KonState s;
  DealKonCards(s, deck);
  BeginKon(s);
  while (s.Hands[kSeat1].CardCount + s.Hands[kSeat2].CardCount > cardsLeft) {
    const int seat = s.TurnState;
    const int slot = ComputerSlot(s, seat);
    KonState next = s;
    slot == 0 ? PassKon(next, seat) : PlayKonCard(next, seat, slot);
    if (next.TurnState == ksKonOver) break;
    s = next;
  }
  return s;
}

TEST(ParSearch, MatchesExhaustiveSearchOnEndgames) {
  struct Case {
    std::uint64_t seed;
    int cardsLeft;
  };
  const Case cases[] = {{1, 8},  {2, 10}, {3, 12},  {4, 12},  {5, 14},  {6, 14},  {7, 16},
                        {8, 16}, {9, 18}, {10, 18}, {11, 20}, {12, 20}, {13, 22}, {14, 22}};
  int seat1ToMove = 0, withPasses = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "seed " << c.seed << ", cards " << c.cardsLeft);
    for (std::uint64_t deal = 0; deal < 6; ++deal) {
      const KonState s = Endgame(ShuffledDeck(c.seed * 100 + deal), c.cardsLeft);
      ASSERT_TRUE(s.TurnState == ksSeat1ToMove || s.TurnState == ksSeat2ToMove);
      const ParResult par = ParFrom(s);
      ASSERT_TRUE(par.ok);
      EXPECT_EQ(par.par, Exhaustive(s));
      seat1ToMove += s.TurnState == ksSeat1ToMove;
      withPasses += s.KonFines[kSeat1] + s.KonFines[kSeat2] < -2 * kAnte;
    }
  }
  // The table covers both seats to move and positions where passes were already paid.
  EXPECT_GT(seat1ToMove, 0);
  EXPECT_GT(withPasses, 0);
}

TEST(ParSearch, ParLineReplaysAgainstTheComputerToPar) {
  for (std::uint64_t seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE(seed);
    const Deck deck = ShuffledDeck(seed);
    const ParResult par = ParOfDeck(deck);
    ASSERT_TRUE(par.ok);
    const KonReplayResult replay = ReplayKon(deck, par.line, SeatOneRule::kComputerPlayer);
    ASSERT_TRUE(replay.complete);
    EXPECT_EQ(replay.kon.Score[kSeat2], par.par);
    EXPECT_EQ(replay.kon.Score[kSeat1], -par.par);
  }
}

TEST(ParSearch, ParIsNoWorseThanTheComputerOrPerfectPlayOnSeatTwo) {
  Solver solver(std::size_t{8} << 20);
  int aboveComputer = 0;
  for (std::uint64_t seed = 20; seed < 32; ++seed) {
    SCOPED_TRACE(seed);
    const Deck deck = ShuffledDeck(seed);
    const ParResult par = ParOfDeck(deck);
    ASSERT_TRUE(par.ok);
    // The computer's own play on seat 2 is one of the lines the search tries.
    const int computer = PlayComputerKonFromDeck(deck).kon.Score[kSeat2];
    EXPECT_GE(par.par, computer);
    aboveComputer += par.par > computer;
    // Seat 1's fixed answers are never better for it than perfect play.
    KonState s;
    DealKonCards(s, deck);
    BeginKon(s);
    EXPECT_GE(par.par, KonValueFor(solver, s, kSeat2));
  }
  EXPECT_GT(aboveComputer, 0);
}

TEST(ParSearch, RefusesKonsNotBeingPlayed) {
  const Deck deck = ShuffledDeck(5);
  KonState dealt;
  DealKonCards(dealt, deck);
  EXPECT_FALSE(ParFrom(dealt).ok);  // dealt, not begun

  KonState over = PlayComputerKonFromDeck(deck).kon;
  EXPECT_FALSE(ParFrom(over).ok);

  Deck broken = deck;
  broken[1] = broken[2];
  EXPECT_FALSE(ParOfDeck(broken).ok);
}

}  // namespace
}  // namespace zendral
