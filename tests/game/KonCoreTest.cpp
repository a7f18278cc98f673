#include "game/KonCore.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "game/CardList.h"
#include "game/ComputerPlayer.h"
#include "game/KonReplay.h"
#include "game/Simulation.h"

namespace zendral {
namespace {

TCardCode C(const char* text) {
  return *FromNotation(text);
}

// A kon under way: the layout, both hands, the seat to move, antes paid.
KonState Playing(const char* board, const char* seat1, const char* seat2, int toMove) {
  KonState s;
  for (const TCardCode c : ParseCardList(board).cards) s.Board.Put(c);
  s.LayCounter = 1 + s.Board.CardsLaid();
  s.Hands[kSeat1] = MakeHand(ParseCardList(seat1).cards);
  s.Hands[kSeat2] = MakeHand(ParseCardList(seat2).cards);
  s.KonPhase = kpDealt;
  s.TurnState = toMove;
  BeginKon(s);
  return s;
}

// An action of a seat written as in a score sheet: "2 Td" lays, "1 pass" passes,
// "settle" pays out. Returns the events as text, "refused" when refused.
std::string Act(KonState& s, const std::string& action) {
  KonEvents events;
  if (action == "settle") {
    events = SettleKon(s);
  } else {
    const int seat = action[0] - '0';
    const std::string what = action.substr(2);
    if (what == "pass") {
      events = PassKon(s, seat);
    } else if (what == "forfeit") {
      events = ForfeitKon(s, seat);
    } else {
      events = PlayKonCard(s, seat, SlotOf(s.Hands[seat], C(what.c_str())));
    }
  }
  if (events.Refused()) return "refused";
  std::string text;
  for (const KonEvent& e : events) {
    if (!text.empty()) text += ", ";
    switch (e.kind) {
      case KonEventKind::kAntePaid:
        text += "ante " + std::to_string(e.seat);
        break;
      case KonEventKind::kLaid:
        text += "laid " + std::to_string(e.seat) + " " + ToNotation(e.card);
        break;
      case KonEventKind::kPassed:
        text += "pass " + std::to_string(e.seat);
        break;
      case KonEventKind::kKonOver:
        text += "over " + std::to_string(e.seat) + " +" + std::to_string(e.points);
        break;
      case KonEventKind::kSettled:
        text += "bank " + std::to_string(e.seat) + " " + std::to_string(e.points);
        break;
    }
  }
  return text;
}

TEST(KonCore, TheMoneyOfAKonAsAScoreSheet) {
  struct Step {
    const char* action;
    const char* events;
  };
  struct Case {
    const char* name;
    const char* board;
    const char* seat1;
    const char* seat2;
    int toMove;
    std::vector<Step> steps;
    int bankAtEnd, score1, score2, winner;
  } cases[] = {
      {"a pass, then seat 2 goes out with one card left against it",
       "9d",
       "7c",
       "Td Jd",
       kSeat2,
       {{"1 pass", "refused"},  // out of turn
        {"2 Jd", "refused"},    // the jack needs the ten
        {"2 pass", "refused"},  // a seat with a card to lay may not pass
        {"settle", "refused"},  // nothing is over yet
        {"2 Td", "laid 2 Td"},
        {"1 pass", "pass 1"},  // 7c has no eight to lie on
        {"2 Jd", "laid 2 Jd, over 2 +1"},
        {"1 pass", "refused"},    // the kon is over
        {"settle", "bank 2 7"}},  // both antes, the pass and the card left
       0,
       -2 - 2 - 1,
       -2 + 7,
       kSeat2},
      {"seat 1 wins holding the last card; seat 2 pays for three",
       "9d 9h",
       "Th",
       "6s 7s 8s",
       kSeat1,
       {{"1 Th", "laid 1 Th, over 1 +3"}, {"2 6s", "refused"}, {"settle", "bank 1 7"}},
       0,
       -2 + 7,
       -2 - 3,
       kSeat1},
      {"both seats pass in turn before the kon ends",
       "9d 8d",
       "7h",
       "7d 7c",
       kSeat1,
       {{"1 pass", "pass 1"},
        {"2 7d", "laid 2 7d"},
        {"1 pass", "pass 1"},
        {"2 pass", "pass 2"},
        {"1 pass", "pass 1"},
        {"2 7c", "refused"},
        {"2 pass", "pass 2"}},
       4 + 2 * 5,
       -2 - 6,
       -2 - 4,
       0},
      {"a seat that gives up a kon under way pays for its cards",
       "9d",
       "7c 8c",
       "Td",
       kSeat2,
       {{"1 forfeit", "over 2 +2, bank 2 6"}, {"2 Td", "refused"}},
       0,
       -2 - 2,
       -2 + 6,
       kSeat2},
  };
  for (const auto& c : cases) {
    KonState s = Playing(c.board, c.seat1, c.seat2, c.toMove);
    EXPECT_EQ(s.Bank, 4) << c.name;
    for (const Step& step : c.steps) {
      EXPECT_EQ(Act(s, step.action), step.events) << c.name << ": " << step.action;
    }
    EXPECT_EQ(s.Bank, c.bankAtEnd) << c.name;
    EXPECT_EQ(s.Score[kSeat1], c.score1) << c.name;
    EXPECT_EQ(s.Score[kSeat2], c.score2) << c.name;
    EXPECT_EQ(s.Winner, c.winner) << c.name;
    EXPECT_EQ(s.Score[kSeat1] + s.Score[kSeat2] + s.Bank, 0) << c.name;
  }
}

TEST(KonCore, TheDealOpensWithTheNineOfDiamondsAndTheAnte) {
  Random random(11);
  Deck deck;
  ShuffleDeck(deck, random);
  KonState s;
  DealKonCards(s, deck);
  const int opener = SlotOf(s.Hands[kSeat1], kOpeningCard) != 0 ? kSeat1 : kSeat2;
  EXPECT_EQ(s.TurnState, opener);
  EXPECT_EQ(s.KonPhase, kpDealt);
  EXPECT_TRUE(PassKon(s, opener).Refused());  // nothing may happen before the begin

  EXPECT_EQ(Act(s, "settle"), "refused");
  const KonEvents ante = BeginKon(s);
  ASSERT_EQ(ante.size(), 2);
  EXPECT_EQ(ante[0], (KonEvent{KonEventKind::kAntePaid, kSeat1, 0, kEmptyCard, kAnte}));
  EXPECT_EQ(ante[1].seat, kSeat2);
  EXPECT_TRUE(BeginKon(s).Refused());
  EXPECT_EQ(s.Bank, 2 * kAnte);

  // Only the nine of diamonds opens, though any other nine could lie on an empty row.
  const Hand& hand = s.Hands[opener];
  for (int slot = 1; slot <= hand.CardCount; ++slot) {
    EXPECT_EQ(MayLayFromSlot(s, opener, slot), hand[slot] == kOpeningCard) << slot;
  }
  const int other = OtherSeat(opener);
  EXPECT_TRUE(PlayKonCard(s, other, 1).Refused());
  EXPECT_FALSE(PlayKonCard(s, opener, SlotOf(hand, kOpeningCard)).Refused());
  EXPECT_EQ(s.TurnState, other);
}

// Wherever the nine of diamonds lies in the deck, the seat dealt it opens, at both ends of each
// half; a received deck without it (no deck at all) leaves the turn as the last kon left it.
TEST(KonCore, TheDealGivesTheTurnToTheHolderOfTheNineOfDiamonds) {
  const struct Case {
    int position;  // 0: the nine of diamonds replaced by a second nine of hearts
    int turn;
  } cases[] = {
      {1, kSeat1}, {18, kSeat1}, {19, kSeat2}, {36, kSeat2}, {0, ksKonSettled},
  };
  Random random(4);
  for (const Case& c : cases) {
    Deck deck;
    ShuffleDeck(deck, random);
    int at = 1;
    while (deck[at] != kOpeningCard) ++at;
    if (c.position == 0) {
      deck[at] = C("9h");
    } else {
      std::swap(deck[at], deck[c.position]);
    }
    KonState s;
    s.TurnState = ksKonSettled;
    DealKonCards(s, deck);
    EXPECT_EQ(s.TurnState, c.turn) << c.position;
    EXPECT_EQ(OpeningSeat(s), c.position == 0 ? 0 : c.turn) << c.position;
    EXPECT_EQ(s.KonPhase, kpDealt);
  }
}

// Recorded kons replayed from the deck and the moves, seat 1 held to the computer's answers,
// give the straight simulation's result.
TEST(KonCore, TheSimulationAndAReplayAgree) {
  for (std::uint64_t seed = 1; seed <= 200; ++seed) {
    Random random(seed);
    Deck deck;
    ShuffleDeck(deck, random);
    KonState straight;
    Random again(seed);
    ASSERT_NE(PlayComputerKon(straight, again).winner, 0);

    KonState s;
    DealKonCards(s, deck);
    BeginKon(s);
    std::vector<KonMove> moves;
    while (s.TurnState != ksKonOver) {
      const int seat = s.TurnState;
      const int slot = ChooseMove(s.Hands[seat], s.Board, s.Hands[OtherSeat(seat)], s.LayCounter);
      moves.push_back(slot == 0 ? KonMove{true, kEmptyCard} : KonMove{false, s.Hands[seat][slot]});
      if (slot == 0) {
        PassKon(s, seat);
      } else {
        PlayKonCard(s, seat, slot);
      }
    }
    const auto parsed = ParseKonMoves(KonMovesText(moves));
    ASSERT_TRUE(parsed);
    const KonReplayResult replay = ReplayKon(deck, *parsed, SeatOneRule::kComputerPlayer);
    EXPECT_TRUE(replay.complete) << "seed " << seed << " failed at " << replay.failedMove;
    EXPECT_EQ(replay.kon.Score, straight.Score) << "seed " << seed;
  }
}

TEST(KonReplay, RefusesMovesThatDoNotReplay) {
  Random random(4);
  Deck deck;
  ShuffleDeck(deck, random);
  // The honest kon, seat 2 played by the computer player too.
  KonState s;
  DealKonCards(s, deck);
  BeginKon(s);
  std::vector<KonMove> moves;
  while (s.TurnState != ksKonOver) {
    const int seat = s.TurnState;
    const int slot = ChooseMove(s.Hands[seat], s.Board, s.Hands[OtherSeat(seat)], s.LayCounter);
    moves.push_back(slot == 0 ? KonMove{true, kEmptyCard} : KonMove{false, s.Hands[seat][slot]});
    if (slot == 0) {
      PassKon(s, seat);
    } else {
      PlayKonCard(s, seat, slot);
    }
  }
  ASSERT_TRUE(ReplayKon(deck, moves, SeatOneRule::kComputerPlayer).complete);

  // The first move of seat 1 that is not a pass, and the first of seat 2.
  const int opener = SlotOf(MakeHand({deck.cards.begin(), deck.cards.begin() + 18}), kOpeningCard)
                         ? kSeat1
                         : kSeat2;
  auto seatOf = [&](std::size_t i) {
    // Seats alternate: every move, lay or pass, gives the turn to the other seat.
    return i % 2 == 0 ? opener : OtherSeat(opener);
  };
  std::size_t firstSeat1Lay = 0;
  while (seatOf(firstSeat1Lay) != kSeat1 || moves[firstSeat1Lay].pass) ++firstSeat1Lay;

  struct Case {
    const char* name;
    std::vector<KonMove> moves;
    int failedMove;
  } cases[] = {
      {"cut short", {moves.begin(), moves.end() - 1}, static_cast<int>(moves.size()) - 1},
      {"a move after the end",
       [&] {
         auto m = moves;
         m.push_back({true, kEmptyCard});
         return m;
       }(),
       static_cast<int>(moves.size())},
      {"a card the seat does not hold",
       [&] {
         auto m = moves;
         m[0].card = moves[1].card;
         return m;
       }(),
       0},
      {"seat 1 passing where the computer lays",
       [&] {
         auto m = moves;
         m[firstSeat1Lay] = {true, kEmptyCard};
         return m;
       }(),
       static_cast<int>(firstSeat1Lay)},
  };
  for (const auto& c : cases) {
    const KonReplayResult r = ReplayKon(deck, c.moves, SeatOneRule::kComputerPlayer);
    EXPECT_FALSE(r.complete) << c.name;
    EXPECT_EQ(r.failedMove, c.failedMove) << c.name;
  }
  Deck broken = deck;
  broken[1] = broken[2];
  EXPECT_FALSE(ReplayKon(broken, moves, SeatOneRule::kAnyLegalMove).complete);
}

TEST(KonReplay, TheMovesTextReadsBackOnlyWhatItWrites) {
  const std::vector<KonMove> moves = {{false, C("9d")}, {true, kEmptyCard}, {false, C("Th")}};
  EXPECT_EQ(KonMovesText(moves), "9d--Th");
  EXPECT_EQ(ParseKonMoves("9d--Th"), moves);
  EXPECT_EQ(ParseKonMoves(""), std::vector<KonMove>{});
  for (const char* bad : {"9d-", "9dxx", "10d", "9D", "##", "9d\n"}) {
    EXPECT_FALSE(ParseKonMoves(bad)) << bad;
  }
}

}  // namespace
}  // namespace zendral
