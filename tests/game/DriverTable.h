#pragma once
// A kon driver with recording fakes all round, and the helpers that play through its entry
// points the way a player and a peer would.

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>

#include "RecordingTable.h"
#include "game/ComputerPlayer.h"
#include "game/Deal.h"
#include "game/KonDriver.h"

namespace zendral::testing {

// The first seed whose first deal lets the seat open.
inline std::uint64_t SeedWhereSeatOpens(int seat) {
  for (std::uint64_t seed = 1;; ++seed) {
    Random random(seed);
    GameState scratch;
    if (ShuffleAndDeal(scratch, random) == seat) return seed;
  }
}

// Two programs joined by a link that delivers each side's messages to the other's entry
// points, in order, when pumped (the network layer's work, without sockets). The relay of a
// tournament table forwards in the same way and keeps the result messages it is sent.
class LoopbackPeer : public PeerLink {
 public:
  struct Message {
    std::string text;
    std::optional<Deck> deck;
  };
  std::deque<Message> outbox;
  std::vector<std::string> results;  // "o" messages to the relay
  int closes = 0;
  int tableEnds = 0;

  void SendToPeer(std::string_view m) override { outbox.push_back({std::string(m), {}}); }
  void SendToRelay(std::string_view m) override {
    if (!m.empty() && m[0] == 'o') {
      results.emplace_back(m);
    } else {
      outbox.push_back({std::string(m), {}});
    }
  }
  void SendDeal(const Deck& deck) override { outbox.push_back({"b", deck}); }
  void StartPeerMoveClock() override {}
  void EndRelayTable() override { ++tableEnds; }
  void Close() override { ++closes; }

  // Delivers every waiting message; an honest program's message is always accepted.
  void DeliverTo(KonDriver& to) {
    while (!outbox.empty()) {
      const Message m = outbox.front();
      outbox.pop_front();
      bool accepted = false;
      if (m.deck) {
        accepted = to.DeckReceived(*m.deck);
      } else if (m.text == "hbegin") {
        accepted = to.PeerBegin();
      } else if (m.text == "hpass0") {
        accepted = to.PeerPass();
      } else if (m.text == "hitogs") {
        accepted = to.PeerSettle();
      } else if (m.text.rfind("hhod", 0) == 0) {
        accepted = to.PeerMove(std::stoi(m.text.substr(4, 2)));
      }
      EXPECT_TRUE(accepted) << "message refused: " << m.text;
    }
  }
};

struct DriverTable {
  // loopback: the peer link is a LoopbackPeer to another program, else a recording one.
  explicit DriverTable(std::uint64_t seed = 1, bool loopback = false)
      : random(seed),
        driver(state, DriverLinks{view, random, loopback ? static_cast<PeerLink*>(&link) : &peer,
                                  &store, &stats, &online}) {}

  // A session for a new player, as the menu starts it after the start dialog.
  void StartNewPlayer(const std::string& name) {
    state.PlayerSlot = kNewPlayerSlot;
    state.DialogName = name;
    state.DialogPassword = "secret";
    driver.DealKon(false);
  }

  GameState state;
  RecordingTable view;
  RecordingPeer peer;
  LoopbackPeer link;
  RecordingStore store;
  RecordingStatistics stats;
  FakeOnline online;
  Random random;
  KonDriver driver;
};

// The local player's move as the computer would choose it: a card click or the pass button.
inline bool LocalPlayerMoves(KonDriver& driver) {
  const GameState& s = driver.state();
  const int slot = ChooseMove(s.Hands[kSeat2], s.Board, s.Hands[kSeat1], s.LayCounter);
  return slot != 0 ? driver.CardClick(slot) : driver.MainButtonClick();
}

}  // namespace zendral::testing
