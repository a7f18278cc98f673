#include "Moves.h"

#include <cstdio>

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

void GiveTurnToOtherSeat(GameState& state) {
  if (state.TurnState == ksSeat1ToMove || state.TurnState == ksSeat2ToMove) {
    state.TurnState = OtherSeat(state.TurnState);
  }
}

}  // namespace

bool IsCardBlocked(const GameState& state, int slot) {
  const TCardCode card = state.Hands[kSeat2][slot];
  if (state.LayCounter == 1) return card != kOpeningCard;
  return !IsPlayableOn(state.Board, card);
}

bool SeatHasNoMove(const GameState& state, int seat) {
  const Hand& hand = state.Hands[seat];
  for (int slot = 1; slot <= hand.CardCount; ++slot) {
    if (IsPlayableOn(state.Board, hand[slot])) return false;
  }
  return true;
}

std::string MoveMessage(int slot) {
  char text[8];
  std::snprintf(text, sizeof text, "hhod%02d", slot % 100);
  return text;
}

void LayCard(MoveContext ctx, int seat, int slot, bool send) {
  GameState& s = ctx.state;
  if (send) Report(ctx, MoveMessage(slot));

  // The hand is sorted and compacted, so taking the card out closes the gap and keeps the
  // order: the hand is sorted again.
  const TCardCode card = TakeFromSlot(s.Hands[seat], slot);
  s.Board.Put(card);

  if (s.FlyCards) ctx.view.FlyCard(seat, slot, card);
  ctx.view.DrawHand(seat, seat == kSeat2);
  ctx.view.DrawLayout();
  ctx.view.PlaySound(sounds::kCardLaid, true);

  GiveTurnToOtherSeat(s);
  ctx.view.DrawScoreTabs(s.TurnState);
  s.LayCounter += 1;
}

void PassMove(MoveContext ctx, int seat, bool send, bool turnChange) {
  GameState& s = ctx.state;
  if (send) Report(ctx, kPassMessage);

  s.Score[seat] -= kPassFine;
  s.Bank += kPassFine;
  s.KonFines[seat] -= kPassFine;

  ctx.view.DrawKonPanel(KonPanelOf(s));
  ctx.view.DrawScoreTabs(s.TurnState);
  ctx.view.PlaySound(sounds::kPass, true);

  if (turnChange) {
    GiveTurnToOtherSeat(s);
    ctx.view.DrawScoreTabs(s.TurnState);
  }
}

void EndKon(MoveContext ctx) {
  GameState& s = ctx.state;
  const int winner = s.Hands[kSeat1].CardCount == 0 ? kSeat1 : kSeat2;
  const int loser = OtherSeat(winner);
  const int left = s.Hands[loser].CardCount;

  s.KonPenalty[loser] = -left;
  s.Score[loser] -= left;
  s.Bank += left;

  ctx.view.DrawKonPanel(KonPanelOf(s));
  ctx.view.PlaySound(winner == kSeat1 ? sounds::kOpponentWonKon : sounds::kPlayerWonKon, false);
  ctx.view.DrawScoreTabs(0);

  // Only the side that settles may take the totals; the other waits for "hitogs".
  bool mayTotal = true;
  if (s.TourGame) {
    mayTotal = s.RelaySeat == 1;
  } else if (s.NetGame) {
    mayTotal = s.NetRole == kRoleServer;
  }
  SetMainButton(ctx, MainCaption::kTotalOfGame, mayTotal);

  s.TurnState = ksKonOver;
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
