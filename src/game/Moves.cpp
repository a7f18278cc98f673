#include "Moves.h"

#include <array>
#include <cstdio>

#include "KonReplay.h"
#include "Scores.h"
#include "Sounds.h"

namespace zendral {
namespace {

void Report(MoveContext ctx, std::string_view message) {
  if (ctx.peer == nullptr) return;
  if (ctx.state.TourGame) {
    ctx.peer->SendToRelay(message);
    ctx.peer->StartPeerMoveClock();
  } else if (ctx.state.NetGame) {
    ctx.peer->SendToPeer(message);
  }
}

}  // namespace

bool IsCardBlocked(const GameState& state, int slot) {
  return !MayLayFromSlot(state, kSeat2, slot);
}

std::string MoveMessage(int slot) {
  char digits[4];
  std::snprintf(digits, sizeof digits, "%02d", slot % 100);
  return std::string(protocol::table::kMovePrefix) + digits;
}

void LayCard(MoveContext ctx, int seat, int slot, bool send) {
  GameState& s = ctx.state;
  if (send) Report(ctx, MoveMessage(slot));

  const KonEvent laid = ApplyLayCard(s, seat, slot);
  s.KonMoves += ToNotation(laid.card);
  if (s.FlyCards) ctx.view.FlyCard(seat, slot, laid.card);
  ctx.view.DrawHand(seat, seat == kSeat2);
  ctx.view.DrawLayout();
  ctx.view.PlaySound(sounds::kCardLaid, true);
  ApplyLayTurn(s);
  ctx.view.DrawScoreTabs(s.TurnState);
}

void PassMove(MoveContext ctx, int seat, bool send, bool turnChange) {
  GameState& s = ctx.state;
  if (send) Report(ctx, kPassMessage);

  // The ante is a pass fine without the turn changing hands. The turn passes only after the
  // pass has sounded, so a peer's answer that arrives meanwhile waits.
  if (turnChange) {
    ApplyPassFine(s, seat);
    s.KonMoves += KonMovesText(std::array{KonMove{true, kEmptyCard}});
  } else {
    ApplyAnte(s, seat);
  }
  ctx.view.DrawKonPanel(KonPanelOf(s));
  ctx.view.DrawScoreTabs(s.TurnState);
  ctx.view.PlaySound(sounds::kPass, true);
  if (turnChange) {
    ApplyPassTurn(s);
    ctx.view.DrawScoreTabs(s.TurnState);
  }
}

void EndKon(MoveContext ctx) {
  GameState& s = ctx.state;
  const KonEvent over = ApplyEnd(s);

  ctx.view.DrawKonPanel(KonPanelOf(s));
  ctx.view.PlaySound(over.seat == kSeat1 ? sounds::kOpponentWonKon : sounds::kPlayerWonKon, false);
  ctx.view.DrawScoreTabs(0);

  // Only the side that settles may take the totals; the other waits for "hitogs".
  bool mayTotal = true;
  if (s.TourGame) {
    mayTotal = s.RelaySeat == 1;
  } else if (s.NetGame) {
    mayTotal = s.NetRole == kRoleServer;
  }
  SetMainButton(ctx, MainCaption::kTotalOfGame, mayTotal);

  SortHand(s.Hands[kSeat1]);
  ctx.view.DrawHand(kSeat1, true);
}

void SetMainButton(MoveContext ctx, MainCaption caption, bool enabled) {
  ctx.state.MainButtonCaption = caption;
  ctx.state.MainButtonEnabled = enabled;
  ctx.view.SetMainButton(caption, enabled);
}

void SetExitButton(MoveContext ctx, bool enabled) {
  ctx.state.ExitButtonEnabled = enabled;
  ctx.view.SetExitButton(enabled);
}

}  // namespace zendral
