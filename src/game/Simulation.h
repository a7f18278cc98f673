#pragma once
// Kons played by the computer player on both seats, for tools and benchmarks: the same
// deal, moves and money as at the table, with nobody watching.

#include "Moves.h"

namespace zendral {

struct KonStats {
  int moves = 0;
  int passes = 0;
  int winner = 0;
  int cardsLeft = 0;  // in the loser's hand
};

// A TableView that draws and plays nothing.
class SilentTable final : public TableView {
 public:
  void DrawHand(int, bool) override {}
  void DrawLayout() override {}
  void FlyCard(int, int, TCardCode) override {}
  void DrawScoreTabs(int) override {}
  void DrawKonPanel() override {}
  void SetMainButton(MainCaption, bool) override {}
  void PlaySound(std::string_view, bool) override {}
};

// Shuffles, deals and plays one whole kon with ChooseMove on both seats, then pays the bank
// to the winner. Returns nullopt-like stats with winner 0 if the kon failed to end.
KonStats PlayComputerKon(MoveContext ctx, Random& random);

}  // namespace zendral
