#pragma once
// The moves of a kon at the table: each applies the kon core's step and plays what happened
// to the table (flights, redraws, sounds) and to the peer, in the order the player sees it.

#include "GameState.h"
#include "TableView.h"
#include "protocol/TableWords.h"

namespace zendral {

struct MoveContext {
  GameState& state;
  TableView& view;
  PeerLink* peer = nullptr;  // null in a local game
};

// True if the card in seat 2's slot may not be laid now. While the opening card is due
// (LayCounter 1) only the nine of diamonds may be laid.
bool IsCardBlocked(const GameState& state, int slot);

// The wire text of a move: "hhod" and the slot in two digits.
std::string MoveMessage(int slot);
inline constexpr std::string_view kPassMessage = protocol::table::kPass;

// Lays the seat's card from the slot; legality is the caller's concern.
// send: the local player's own move, to be reported to the peer.
void LayCard(MoveContext ctx, int seat, int slot, bool send);

// Charges the seat 2 points for a pass. With turnChange the turn goes to the other seat;
// with both flags clear it is the ante of the begin click.
void PassMove(MoveContext ctx, int seat, bool send, bool turnChange);

// Called when a seat has just laid its last card: the loser pays a point per card left.
void EndKon(MoveContext ctx);

// The table buttons, remembered in the state so that a press on a disabled button can be
// told apart from a real one.
void SetMainButton(MoveContext ctx, MainCaption caption, bool enabled);
void SetExitButton(MoveContext ctx, bool enabled);

}  // namespace zendral
