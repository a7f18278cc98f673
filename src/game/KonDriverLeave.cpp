// The kon driver when the player leaves the table before the session's end (to the menu, or
// by closing the program) and when he changes his name at the table.

#include <cmath>

#include "KonDriver.h"
#include "Scores.h"

namespace zendral {

namespace {

// A recording is open from the deal until the settlement writes it.
bool RecordingOpen(const GameState& s) {
  return s.GifSave && s.TurnState != ksKonSettled;
}

}  // namespace

void KonDriver::DropMemberOnLeaving() {
  GameState& s = state_;
  // Leaving a game costs a club member his place; a tournament table has no club line.
  if (s.TourGame || s.MemberLine < kFirstMemberSlot || s.MemberLine > kLastMemberSlot) return;
  if (links_.store != nullptr) links_.store->RemoveMember(Club(), s.MemberLine);
  s.MemberLine = 0;
}

bool KonDriver::AbandonSession() {
  GameState& s = state_;
  TableView& view = links_.view;
  if (!s.GameActive || s.MenuShown) return false;

  if (RecordingOpen(s)) view.WriteRecording();
  DropMemberOnLeaving();

  if (s.AccountState == kAccountRatedGame) s.AccountState = kAccountLoggedIn;
  view.HideTable();
  s.MenuShown = true;
  s.GameActive = false;
  if (links_.peer != nullptr) {
    if (s.TourGame) links_.peer->EndRelayTable();
    if (s.NetGame || s.TourGame) links_.peer->Close();
  }
  s.TourGame = false;

  view.SetTablePopupEntries(false, false);
  view.ShowMainMenu();
  view.SetGameTimer(kMenuTimerMs, true);
  view.SetMenuMusic(true);
  return true;
}

bool KonDriver::CloseDuringSession() {
  GameState& s = state_;
  if (!s.GameActive || s.MenuShown) return false;
  if (RecordingOpen(s)) links_.view.WriteRecording();
  DropMemberOnLeaving();
  s.GameActive = false;
  if (links_.peer != nullptr && (s.NetGame || s.TourGame)) links_.peer->Close();
  return true;
}

int KonDriver::FindMemberLine(const PlayerRecord& record) {
  // The file keeps the name in its own code page, so a name may not come back letter for
  // letter; the numbers always do. A line with the name as well is preferred.
  const auto sameNumbers = [&](const PlayerRecord& m) {
    return m.konCount == record.konCount && m.cycleScore == record.cycleScore &&
           std::fabs(m.rating - record.rating) < 0.5e-6;
  };
  int numbersOnly = 0;
  for (int line = kFirstMemberSlot; line <= kLastMemberSlot; ++line) {
    const auto member = links_.store->LoadMember(Club(), line);
    if (!member || !sameNumbers(*member)) continue;
    if (TrimRight(member->name) == TrimRight(record.name)) return line;
    if (numbersOnly == 0) numbersOnly = line;
  }
  return numbersOnly;
}

bool KonDriver::ChangeName(const std::string& name, const std::string& password) {
  GameState& s = state_;
  if (!s.GameActive || s.MenuShown || !s.IsLocalGame() || s.IsRatedGame()) return false;

  PlayerRecord record = s.StoredPlayer;
  record.name = name;
  record.password = password;
  if (s.MemberLine != 0 && links_.store != nullptr) {
    const ClubWriteResult written = links_.store->StoreMember(Club(), s.MemberLine, record, false);
    if (!written.written) {
      links_.view.ShowError(GameText::kDiskWriteError);
      return false;
    }
    // Placed again by rating, the member may now stand on another line (before an equal
    // rating above him); the end of the session must replace that line, not his old one.
    s.MemberLine = FindMemberLine(record);
  }

  s.StoredPlayer.name = name;
  s.StoredPlayer.password = password;
  s.DialogName = name;
  s.DialogPassword = password;
  s.SeatName[kSeat2] = TrimRight(name);
  links_.view.DrawNamePlates(s.SeatName);
  return true;
}

}  // namespace zendral
