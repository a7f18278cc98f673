#pragma once
// Kons played by the computer player on both seats, for tools and benchmarks: the same
// deal, moves and money as at the table, with nobody watching.

#include "KonDriver.h"
#include "Moves.h"

namespace zendral {

struct KonStats {
  int moves = 0;
  int passes = 0;
  int winner = 0;
  int cardsLeft = 0;  // in the loser's hand
};

// A TableView that draws and plays nothing.
class SilentTable : public TableView {
 public:
  void ShowTable() override {}
  void HideTable() override {}
  void ShowMainMenu() override {}
  void SetMenuMusic(bool) override {}
  void SetTablePopupEntries(bool, bool) override {}
  void SetGameTimer(int, bool) override {}
  void ShowWaitingBar(bool) override {}
  void DrawHand(int, bool) override {}
  void DrawLayout() override {}
  void FlyCard(int, int, TCardCode) override {}
  void HighlightCards(const std::vector<int>&) override {}
  void UpdatePointer() override {}
  void SpeakCard(TCardCode) override {}
  void ShowLayoutText(GameText) override {}
  void DrawScoreTabs(int) override {}
  void DrawKonPanel(const KonPanel&) override {}
  void SetKonPanelHint(const KonHint&) override {}
  void DrawNamePlates(const SeatArray<std::string>&) override {}
  void SetMainButton(MainCaption, bool) override {}
  void SetExitButton(bool) override {}
  void SetChatLine(bool, bool) override {}
  void ClearChatPanel() override {}
  void PlaySound(std::string_view, bool) override {}
  void PauseGame(int) override {}
  void ShowError(GameText) override {}
  void ShowScoreWindow(const std::string&, const TCount&) override {}
  void ShowEndOfCycleWindow(const EndOfCycleWindow&) override {}
  void StartRecording() override {}
  void RedrawTable() override {}
  void CaptureFrame() override {}
  void WriteRecording() override {}
};

// Shuffles, deals and plays one whole kon with ChooseMove on both seats, then pays the bank
// to the winner, straight on the kon core without the driver or a table. Stats with winner 0:
// the kon failed to end (the computer chose a move the rules refuse, or it ran on).
KonStats PlayComputerKon(KonState& state, Random& random);

// Plays the running kon of a local game to its settlement through the driver's entry points
// only, the local player choosing as the computer would: the begin click, clicks on the
// cards ChooseMove picks for seat 2, the pass button, timer ticks for seat 1 and the totals
// click. Stats with winner 0: the kon did not end (the driver refused a move or it ran on).
KonStats PlayKonThroughDriver(KonDriver& driver);

// Kons of local games played through the driver, session after session of a new player: a
// session ends where the driver lets it go no further, at the end of its cycle.
class DrivenKons {
 public:
  explicit DrivenKons(Random& random);
  KonStats PlayNext();
  // Both seats' scores over every kon played so far.
  SeatArray<long long> TotalScores() const;
  const GameState& state() const { return state_; }

 private:
  void StartSession();

  GameState state_;
  SilentTable table_;
  KonDriver driver_;
  SeatArray<long long> finishedSessions_;
};

}  // namespace zendral
