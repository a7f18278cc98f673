// The kon driver: dealing, the clicks of the table and the peer's messages. The end of a kon
// and of a session are in KonDriverSession.cpp.

#include "KonDriver.h"

#include "ComputerPlayer.h"
#include "Deal.h"
#include "Scores.h"
#include "Sounds.h"

namespace zendral {

void KonDriver::DealKon(bool continuing) {
  GameState& s = state_;
  TableView& view = links_.view;
  const bool local = s.IsLocalGame();
  const bool server = s.IsNetServer();
  const bool client = s.IsNetClient();
  const bool waitingOnEntry = s.WaitingForDeal;

  view.SetMenuMusic(false);
  view.SetTablePopupEntries(true, local && !s.IsRatedGame());
  s.MenuShown = false;
  view.ShowTable();

  if (!continuing) {
    s.Score = {};
    s.TurnState = ksNone;
    s.SessionScore = 0;
    s.TotalScore = 0;
    s.MatchComplete = false;
    s.BlockMoves.clear();
    LoadStoredNumbers();
  }
  s.KonMoves.clear();

  // A client counts its first kon when it joins, and every later one when the deck arrives
  // after a settlement; the deck of the first kon runs the deal again without counting.
  if (local || server || (client && (s.WaitingForDeal || s.TurnState == ksKonSettled)) ||
      s.TourGame) {
    s.KonNumber += 1;
  }

  if (local) {
    s.NetRole = kRoleLocal;
    s.SeatName[kSeat1] = "PC";
    s.SeatName[kSeat2] = TrimRight(s.StoredPlayer.name);
  }

  // A client's later deals and a tournament deal arrive with the hands already filled.
  if (local || server || (client && s.WaitingForDeal)) {
    s.Hands[kSeat1].Clear();
    s.Hands[kSeat2].Clear();
  }
  // A rated game plays the decks the server dealt for its block, so that the server can
  // replay it; without them (a server that leaves the deal to the program) the program deals.
  const int konOfSession = s.KonNumber - s.KonAtStart;
  if (s.IsRatedGame() && konOfSession >= 1 &&
      konOfSession <= static_cast<int>(s.BlockDecks.size())) {
    DealFromDeck(s, s.BlockDecks[static_cast<std::size_t>(konOfSession - 1)]);
    s.DeckCode = s.BlockDecks[static_cast<std::size_t>(konOfSession - 1)];
  } else if (local || server) {
    ShuffleAndDeal(s, links_.random);
    if (server && links_.peer != nullptr) links_.peer->SendDeal(s.DeckCode);
  }

  s.CanFinish = false;
  s.GameActive = true;
  // Neither hand holds the opening card only on a client still waiting for its deal: the
  // turn then stays as it was.
  StartKon(s);
  view.DrawLayout();

  // The client waits for "hbegin"; at a tournament table the opener begins.
  const bool mayBegin = !client && (!s.TourGame || s.TurnState == ksSeat2ToMove);
  SetMainButton(Ctx(), MainCaption::kToBegin, mayBegin);
  SetExitButton(Ctx(), false);

  view.DrawKonPanel(KonPanelOf(s));
  if (s.NetGame || s.TourGame) {
    view.ClearChatPanel();
    view.SetChatLine(true, !waitingOnEntry);
  } else {
    view.SetChatLine(false, false);
  }

  if (client && s.WaitingForDeal) {
    view.ShowLayoutText(GameText::kExpectationOfServer);
    s.WaitingForDeal = false;
    return;
  }

  if (s.TourGame && links_.online != nullptr) {
    if (auto name = links_.online->StoreTablePictures(kPlayersAtTable)) {
      s.SeatName[kSeat2] = TrimRight(*name);
    }
  }
  view.DrawScoreTabs(s.TurnState);
  SortHand(s.Hands[kSeat1]);
  SortHand(s.Hands[kSeat2]);
  view.DrawHand(kSeat1, false);
  view.DrawHand(kSeat2, true);
  view.DrawNamePlates(s.SeatName);
  view.PlaySound(sounds::kDeal, false);
  view.SetGameTimer(kPlayTimerMs, false);
  view.SetKonPanelHint(KonHintOf(s));
  if (s.GifSave) view.StartRecording();
}

bool KonDriver::MainButtonClick() {
  GameState& s = state_;
  if (!s.GameActive || !s.MainButtonEnabled) return false;
  if (s.KonPhase == kpDealt) {
    Begin();
    return true;
  }
  switch (s.TurnState) {
    case ksSeat2ToMove:
      // The button offers the pass only while the local player has no card to lay.
      if (!SeatHasNoMove(s, kSeat2)) return false;
      SetMainButton(Ctx(), MainCaption::kPass, false);
      PassMove(Ctx(), kSeat2, true, true);
      return true;
    case ksKonOver:
      SettleKon();
      return true;
    case ksKonSettled:
      links_.view.SetGameTimer(kPlayTimerMs, false);
      DealKon(true);
      return true;
    default:
      return false;
  }
}

void KonDriver::Begin() {
  GameState& s = state_;
  s.KonPhase = kpPlaying;
  SetMainButton(Ctx(), MainCaption::kPass, false);
  PassMove(Ctx(), kSeat1, false, false);  // the ante
  PassMove(Ctx(), kSeat2, false, false);
  links_.view.SetGameTimer(kPlayTimerMs, true);
  if (links_.peer != nullptr) {
    if (s.TourGame) {
      links_.peer->SendToRelay(kBeginMessage);
    } else if (s.IsNetServer()) {
      links_.peer->SendToPeer(kBeginMessage);
    }
  }
  if (s.HighlightMoves && s.TurnState == ksSeat2ToMove) HighlightPlayable();
}

bool KonDriver::ExitButtonClick() {
  GameState& s = state_;
  if (!s.GameActive || !s.ExitButtonEnabled || !s.CanFinish) return false;
  FinishSession(s.Score[kSeat2], s.KonNumber - s.KonAtStart);
  if (s.TourGame) {
    s.TourGame = false;
    if (links_.online != nullptr) links_.online->ReopenTournamentWindow();
  }
  return true;
}

bool KonDriver::TimerTick() {
  GameState& s = state_;
  // The timer is stopped between the deal and the begin click; a tick that still comes then
  // must not let the computer move before the ante.
  if (!s.GameActive || !s.IsLocalGame() || s.KonPhase != kpPlaying ||
      s.TurnState != ksSeat1ToMove) {
    return false;
  }
  int slot = 0;
  if (links_.seat1 != nullptr) {
    const std::optional<int> answer = links_.seat1->ChooseSeat1Move(s);
    if (!answer) return false;
    slot = *answer;
  } else {
    slot = ChooseMove(s.Hands[kSeat1], s.Board, s.Hands[kSeat2], s.LayCounter);
  }
  if (slot != 0) {
    LayCard(Ctx(), kSeat1, slot, false);
  } else {
    PassMove(Ctx(), kSeat1, false, true);
  }
  OfferPass();
  if (s.Hands[kSeat1].CardCount == 0) EndKon(Ctx());
  if (s.HighlightMoves && s.TurnState == ksSeat2ToMove) HighlightPlayable();
  return true;
}

bool KonDriver::CardClick(int slot) {
  GameState& s = state_;
  if (slot < 1 || slot > s.Hands[kSeat2].CardCount) return false;
  if (!s.GameActive || s.KonPhase != kpPlaying || s.TurnState != ksSeat2ToMove) return false;
  if (IsCardBlocked(s, slot)) {
    links_.view.PlaySound(sounds::kWrongCard, false);
    return false;
  }
  LayCard(Ctx(), kSeat2, slot, true);
  links_.view.UpdatePointer();
  links_.view.DrawNamePlates(s.SeatName);
  if (s.Hands[kSeat2].CardCount == 0) EndKon(Ctx());
  return true;
}

bool KonDriver::SpeakCardRequest(CardPlace place) {
  const GameState& s = state_;
  if (!s.GameActive) return false;
  TCardCode card;
  switch (place.kind) {
    case CardPlaceKind::kOwnHand:
      if (place.slotOrRow >= 1 && place.slotOrRow <= s.Hands[kSeat2].CardCount) {
        card = s.Hands[kSeat2][place.slotOrRow];
      }
      break;
    case CardPlaceKind::kOpponentHand:
      // The opponent's cards are shown face up only once the kon is over.
      if (s.TurnState > ksSeat2ToMove && place.slotOrRow >= 1 &&
          place.slotOrRow <= s.Hands[kSeat1].CardCount) {
        card = s.Hands[kSeat1][place.slotOrRow];
      }
      break;
    case CardPlaceKind::kLayout:
      if (place.slotOrRow >= 1 && place.slotOrRow <= kSuits && place.column >= 1 &&
          place.column <= kRanks) {
        card = s.Board.Cell(place.slotOrRow, place.column);
      }
      break;
  }
  if (card.IsEmpty()) return false;
  links_.view.SpeakCard(card);
  return true;
}

bool KonDriver::OpenScoreWindow() {
  if (!state_.GameActive) return false;
  links_.view.ShowScoreWindow(TrimRight(state_.StoredPlayer.name), ScoreWindowRecord(state_));
  return true;
}

bool KonDriver::MayLay(int slot) const {
  const GameState& s = state_;
  return s.GameActive && s.KonPhase == kpPlaying && s.TurnState == ksSeat2ToMove && slot >= 1 &&
         slot <= s.Hands[kSeat2].CardCount && !IsCardBlocked(s, slot);
}

void KonDriver::OfferPass() {
  SetMainButton(Ctx(), MainCaption::kPass, SeatHasNoMove(state_, kSeat2));
}

void KonDriver::HighlightForLocalTurn() {
  // The peer's table marks the local player's cards as the table against the computer does:
  // whenever the turn comes to him.
  if (state_.HighlightMoves && state_.TurnState == ksSeat2ToMove) HighlightPlayable();
}

void KonDriver::HighlightPlayable() {
  std::vector<int> playable;
  for (int slot = 1; slot <= state_.Hands[kSeat2].CardCount; ++slot) {
    if (!IsCardBlocked(state_, slot)) playable.push_back(slot);
  }
  links_.view.HighlightCards(playable);
}

// Peer messages. The peer's program applies the rules before it sends, and both programs
// hold the same cards, so an honest message always passes these checks; one that does not
// (a slot naming no card, a card that may not be laid, a message out of turn) would break
// the kon on this side and is dropped.

bool KonDriver::DeckReceived(const Deck& deck) {
  GameState& s = state_;
  if (!s.IsNetClient() || !s.GameActive) return false;
  if (s.TurnState != ksNone && s.TurnState != ksKonSettled) return false;
  if (!IsCompleteDeck(deck)) return false;
  PlaceReceivedDeck(s, deck, DeckOwner::kLanClient);
  s.MenuShown = false;
  DealKon(true);
  return true;
}

bool KonDriver::RelayDeckReceived(const Deck& deck) {
  GameState& s = state_;
  if (s.RelaySeat != 1 && s.RelaySeat != 2) return false;
  if (s.GameActive && s.TurnState != ksNone && s.TurnState != ksKonSettled) return false;
  if (!IsCompleteDeck(deck)) return false;
  s.TourGame = true;
  PlaceReceivedDeck(s, deck, s.RelaySeat == 1 ? DeckOwner::kRelaySeat1 : DeckOwner::kRelaySeat2);
  s.MenuShown = false;
  s.PlayerSlot = kTournamentSlot;
  DealKon(s.KonNumber != 0);
  return true;
}

bool KonDriver::PeerBegin() {
  GameState& s = state_;
  if (!s.GameActive || s.KonPhase != kpDealt) return false;
  if (!s.IsNetClient() && !s.TourGame) return false;
  if (s.TurnState != ksSeat1ToMove && s.TurnState != ksSeat2ToMove) return false;
  links_.view.DrawNamePlates(s.SeatName);
  s.KonPhase = kpPlaying;
  SetMainButton(Ctx(), MainCaption::kPass, s.MainButtonEnabled);
  PassMove(Ctx(), kSeat1, false, false);  // the ante
  PassMove(Ctx(), kSeat2, false, false);
  HighlightForLocalTurn();
  return true;
}

bool KonDriver::PeerMove(int slot) {
  GameState& s = state_;
  if (!s.GameActive || (!s.NetGame && !s.TourGame)) return false;
  if (s.KonPhase != kpPlaying || s.TurnState != ksSeat1ToMove) return false;
  if (!MayLayFromSlot(s, kSeat1, slot)) return false;
  LayCard(Ctx(), kSeat1, slot, false);
  OfferPass();
  if (s.Hands[kSeat1].CardCount == 0) EndKon(Ctx());
  HighlightForLocalTurn();
  return true;
}

bool KonDriver::PeerPass() {
  GameState& s = state_;
  if (!s.GameActive || (!s.NetGame && !s.TourGame)) return false;
  if (s.KonPhase != kpPlaying || s.TurnState != ksSeat1ToMove) return false;
  if (!SeatHasNoMove(s, kSeat1)) return false;
  PassMove(Ctx(), kSeat1, false, true);
  OfferPass();
  HighlightForLocalTurn();
  return true;
}

bool KonDriver::PeerSettle() {
  GameState& s = state_;
  if (!s.GameActive || s.TurnState != ksKonOver) return false;
  // Only the side that does not settle itself waits for the peer's settlement.
  if (!s.IsNetClient() && !(s.TourGame && s.RelaySeat == 2)) return false;
  SettleKon();
  return true;
}

}  // namespace zendral
