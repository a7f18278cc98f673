// The kon driver at the edges of play: the session's stored numbers, the payout of the bank
// and the end of the session.

#include "KonDriver.h"
#include "KonReplay.h"
#include "Scores.h"
#include "Sounds.h"

namespace zendral {

void KonDriver::LoadStoredNumbers() {
  GameState& s = state_;
  PlayerRecord record{s.DialogName, 0, 0, 0, s.DialogPassword};
  s.MemberLine = 0;
  s.ServerCycleKons = 0;

  if (s.PlayerSlot >= kFirstMemberSlot && s.PlayerSlot <= kLastMemberSlot) {
    // A line that cannot be read starts the player afresh; no other member's line is
    // replaced when the session ends.
    if (links_.store != nullptr) {
      if (auto member = links_.store->LoadMember(Club(), s.PlayerSlot)) {
        record = *member;
        s.MemberLine = s.PlayerSlot;
      }
    }
  } else if (s.PlayerSlot == kRatedGameSlot) {
    if (links_.online != nullptr) {
      if (auto game = links_.online->RatedAccountGame()) {
        record.name = game->nick;
        if (game->kons > 0) {
          record.konCount = game->kons;
          record.cycleScore = game->cycleScore;
          record.rating = game->rating;
          s.ServerCycleKons = game->cycleKons;
        }
        s.BlockDecks = game->decks;
      }
    }
  } else if (s.PlayerSlot == kTournamentSlot) {
    if (links_.online != nullptr) {
      if (auto player = links_.online->TournamentRecord()) {
        record.name = player->nick;
        record.konCount = player->kons;
        record.cycleScore = player->score;
        record.rating = player->rating;
      }
    }
    s.SessionScore = 0;
  }

  s.StoredPlayer = record;
  s.KonNumber = record.konCount;
  s.KonAtStart = s.KonNumber;
  s.ScoreAtStart = record.cycleScore;
  s.TotalScore = s.ScoreAtStart;
}

void KonDriver::SettleKon() {
  GameState& s = state_;
  TableView& view = links_.view;
  const int winner = s.Hands[kSeat1].CardCount == 0   ? kSeat1
                     : s.Hands[kSeat2].CardCount == 0 ? kSeat2
                                                      : 0;
  if (winner == 0) return;  // nobody has won: there is nothing to pay out

  s.Winner = winner;
  ApplySettle(s);
  if (s.IsRatedGame()) {
    if (!s.BlockMoves.empty()) s.BlockMoves += kKonMovesSeparator;
    s.BlockMoves += s.KonMoves;
  }
  s.SessionScore = s.Score[kSeat2];
  s.TotalScore = s.ScoreAtStart + s.SessionScore;
  view.DrawKonPanel(KonPanelOf(s));
  // The score tabs start the next kon from nothing.
  s.KonFines = {};
  s.KonPenalty = {};

  view.PlaySound(sounds::kSettle, false);
  view.DrawScoreTabs(0);

  if (links_.peer != nullptr) {
    if (s.TourGame) {
      if (s.RelaySeat == 1) links_.peer->SendToRelay(kSettleMessage);
    } else if (s.IsNetServer()) {
      links_.peer->SendToPeer(kSettleMessage);
    }
  }

  // The button reads "Next game" at once; what it and the exit button allow is decided after
  // the network pause, during which nothing may be pressed.
  SetMainButton(Ctx(), MainCaption::kNextGame, false);
  const ButtonsAfterSettlement buttons = SettledButtons(s);
  if (!s.TourGame) {
    if (s.NetGame) view.PauseGame(kNetworkSettlePauseMs);
    SetMainButton(Ctx(), MainCaption::kNextGame, buttons.nextKon);
    SetExitButton(Ctx(), buttons.exit);
  } else {
    // A tournament table plays one kon.
    if (s.RelaySeat == 1 && links_.peer != nullptr) {
      links_.peer->SendToRelay(RelayResultMessage(s.SessionScore));
    }
    view.SetChatLine(true, false);
    SetExitButton(Ctx(), buttons.exit);
    if (links_.peer != nullptr) links_.peer->EndRelayTable();
  }
  s.CanFinish = buttons.canFinish;

  if (s.GifSave) {
    view.RedrawTable();
    view.CaptureFrame();
    view.WriteRecording();
  }
}

void KonDriver::FinishSession(int sessionScore, int kons) {
  GameState& s = state_;
  TableView& view = links_.view;
  const GameKind kind = KindOf(s);

  view.HideTable();
  view.SetGameTimer(kMenuTimerMs, false);
  view.ShowWaitingBar(true);

  // The new rating: the account server's for a rated game, the tournament server's at a
  // tournament table, otherwise the average over all the player's kons. When a server gives
  // nothing the stored rating stands.
  double rating = s.StoredPlayer.rating;
  int historyScore = sessionScore;
  if (kind == GameKind::kRated) {
    if (links_.online != nullptr) {
      if (auto settled = links_.online->SettleRatedGame(sessionScore, s.TotalScore, s.BlockMoves)) {
        rating = *settled;
      }
    }
  } else if (kind == GameKind::kTournament) {
    if (links_.online != nullptr) {
      if (auto result = links_.online->TournamentTableResult()) {
        rating = result->rating;
        historyScore = result->score;
      }
    }
  } else {
    rating = LocalRating(s.KonNumber, sessionScore, s.StoredPlayer.rating, s.StoredPlayer.konCount);
  }
  s.NewRating = rating;

  PlayerRecord record = s.StoredPlayer;
  record.rating = rating;
  record.konCount = s.KonNumber;
  record.cycleScore = s.TotalScore;

  if (links_.store != nullptr &&
      !links_.store->AppendHistory(HistoryEntryFor(s, kons, historyScore, rating))) {
    view.ShowError(GameText::kHistoryWriteError);
  }

  s.SessionScore = sessionScore;

  if (links_.statistics != nullptr) {
    links_.statistics->ReportGame(GameCountersFor(s, kons, sessionScore));
  }

  const bool cycleComplete = s.KonNumber % kCycleKons == 0;
  if (!cycleComplete) {
    if (sessionScore > 0) view.PlaySound(sounds::kSessionGood, false);
    if (sessionScore < 0) view.PlaySound(sounds::kSessionBad, false);
  }

  // Local and network games keep the player in a club file.
  const bool clubGame =
      kind == GameKind::kLocal || kind == GameKind::kNetServer || kind == GameKind::kNetClient;
  int orderPlace = 0;
  if (clubGame) {
    s.MatchComplete = cycleComplete;
    if (links_.store != nullptr) {
      const ClubWriteResult written =
          links_.store->StoreMember(Club(), s.MemberLine, record, s.MatchComplete);
      if (written.written) {
        orderPlace = written.orderPlace;
      } else {
        view.ShowError(GameText::kDiskWriteError);
      }
    }
  }

  if (links_.peer != nullptr && (s.NetGame || s.TourGame)) links_.peer->Close();

  if (clubGame && s.MatchComplete) {
    view.ShowEndOfCycleWindow(EndOfCycleWindowFor(s, orderPlace, s.TotalScore));
    if (kind == GameKind::kLocal && links_.online != nullptr) {
      links_.online->OfferWorldTopTen(s.TotalScore);
    }
  }
  if (kind == GameKind::kRated && links_.online != nullptr) links_.online->FileAccountCycle();

  // Every rated game is chosen anew.
  if (s.AccountState == kAccountRatedGame) s.AccountState = kAccountLoggedIn;
  view.ShowWaitingBar(false);
  view.SetMenuMusic(true);
  view.ShowMainMenu();
  s.MenuShown = true;
  view.SetGameTimer(kMenuTimerMs, true);
  view.SetTablePopupEntries(false, false);
  s.GameActive = false;
}

}  // namespace zendral
