#pragma once
// One tournament table of the relay as a state machine without sockets: the two seats join,
// the table deals from its deck source and sends the deal to both, then takes the seats'
// frames one at a time and says what goes out. It keeps its own copy of the kon and its own
// move clock, so a frame that is illegal or out of turn goes nowhere, and a seat that stays
// silent too long loses the table. One kon per table; then the table reports its result and
// closes both seats.
//
// Time comes in as milliseconds of a steady clock with every call; the deck source is the
// server's secure shuffle in play and a fixed deck in tests.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/Deck.h"
#include "relay/RelayKon.h"

namespace zendral::server::relay {

// What the table wants done with its seats' connections.
struct RelayOutput {
  enum class Kind { kSend, kClose };
  Kind kind = Kind::kSend;
  int seat = 0;
  std::string bytes;  // kSend: exactly what goes on the wire
  friend bool operator==(const RelayOutput&, const RelayOutput&) = default;
};

// How a table's kon ended, for the tournament records.
enum class TableEnd { kPlayed, kLeft, kTimeOut, kGaveUp };

struct TableResult {
  std::array<std::string, 2> nicks;  // relay seats 1 and 2
  std::array<int, 2> scores{};
  int winner = 0;
  TableEnd end = TableEnd::kPlayed;
};

class RelayTable {
 public:
  // The table's life around its one kon: the seats join, the kon is on the table (how far it
  // has gone is the kon's own state, TurnState()), the table has closed.
  enum class Stage { kSeating, kKon, kClosed };
  using DeckSource = std::function<Deck()>;

  // moveLimitMs: how long the seat in turn may stay silent (the programs' own clock shows 26
  // seconds; the relay allows more for the way over the network).
  RelayTable(int number, std::int64_t moveLimitMs, DeckSource deal);

  int Number() const { return number_; }
  Stage stage() const { return stage_; }
  // The kon's state in the game's words (TKonState): ksNone before the deal, then the seat
  // whose begin or move is awaited, then ksKonSettled: the table has paid the kon out and
  // waits for seat 1's program to settle it too.
  int TurnState() const { return kon_ ? kon_->State().TurnState : ksNone; }
  bool Joined(int seat) const { return !nick_[Index(seat)].empty(); }
  const std::string& Nick(int seat) const { return nick_[Index(seat)]; }
  const RelayKon* Kon() const { return kon_.get(); }

  // A seat's connection has said "connect" + seat and the booking names this nick. Refused
  // (false) once the table plays or when the seat has joined already. The second seat to
  // join starts the kon: the deal goes to both.
  bool Join(int seat, std::string nick, std::int64_t now);
  // One 20-byte frame from a joined seat (the seat digit inside it is not believed: the
  // connection says who sent it).
  void Frame(int seat, std::string_view frame, std::int64_t now);
  // A joined seat's connection has closed.
  void Leave(int seat, std::int64_t now);
  // The move clock.
  void Tick(std::int64_t now);

  // What to do with the connections since the last call, in order.
  std::vector<RelayOutput> TakeOutput();
  // The result once, when the kon has ended.
  std::optional<TableResult> TakeResult();
  // Seats that left before the deal (seat and nick), to be freed on the service.
  std::vector<std::pair<int, std::string>> TakeFreedSeats();
  // Frames that were dropped (illegal, out of turn, unknown), for the log and the tests.
  int Refused() const { return refused_; }

  // A closed table starts again empty for the next pair.
  void Reset();

 private:
  static std::size_t Index(int seat) { return seat == 2 ? 1 : 0; }
  void Deal(std::int64_t now);
  void Send(int seat, std::string bytes);
  void Forward(int from, std::string_view payload);
  void StartClock(std::int64_t now, std::int64_t limit);
  void AfterMove(std::int64_t now);
  void EndKon(TableEnd end);
  void Finish();
  void Lose(int loser, TableEnd end, std::string_view toWinner);

  int number_;
  std::int64_t moveLimitMs_;
  DeckSource deal_;
  bool Playing() const { return stage_ == Stage::kKon && TurnState() != ksKonSettled; }
  bool Settling() const { return stage_ == Stage::kKon && TurnState() == ksKonSettled; }

  Stage stage_ = Stage::kSeating;
  std::array<std::string, 2> nick_;
  std::unique_ptr<RelayKon> kon_;
  std::int64_t deadline_ = 0;  // 0: no clock running
  std::vector<RelayOutput> out_;
  std::optional<TableResult> result_;
  std::vector<std::pair<int, std::string>> freed_;
  int refused_ = 0;
};

}  // namespace zendral::server::relay
