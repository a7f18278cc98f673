// Keyboard play: Left and Right move a visible focus over the local hand, Enter or Space lays
// the focused card through the same click, and the table's buttons answer Enter.

#include <gtest/gtest.h>

#include "AppFixture.h"
#include "app/main/MainMenuWidget.h"

namespace zendral {
namespace {

using testing::AppTest;

class KeyboardPlay : public AppTest {
 protected:
  void Press(QWidget* widget, Qt::Key key) { QTest::keyClick(widget, key); }
  // Moves the focus to the slot with arrow keys and lays the card with the key.
  void LayByKeys(int slot, Qt::Key key) {
    if (Table().FocusedSlot() == 0) Press(&Table(), Qt::Key_Right);  // shows the focus
    while (Table().FocusedSlot() < slot) Press(&Table(), Qt::Key_Right);
    while (Table().FocusedSlot() > slot) Press(&Table(), Qt::Key_Left);
    ASSERT_EQ(Table().FocusedSlot(), slot);
    Press(&Table(), key);
  }
  void PressMainButtonByKey() {
    ASSERT_TRUE(Table().Button7()->isEnabled());
    Table().Button7()->setFocus();
    Press(Table().Button7(), Qt::Key_Return);
    Table().setFocus();
  }
};

TEST_F(KeyboardPlay, TheFocusMovesWithinTheHandAndRefusedCardsStay) {
  ASSERT_TRUE(Open(true, testing::SeedWhereSeatOpens(kSeat2)));
  responders.push_back(Sign("Keys", ""));
  QTest::mouseClick(form->Menu()->NewPlayerButton(), Qt::LeftButton);
  PressMainButtonByKey();
  ASSERT_EQ(State().KonPhase, kpPlaying);
  ASSERT_EQ(State().TurnState, ksSeat2ToMove);

  EXPECT_EQ(Table().FocusedSlot(), 0) << "no focus before the first key";
  Press(&Table(), Qt::Key_Left);
  EXPECT_EQ(Table().FocusedSlot(), 1);
  Press(&Table(), Qt::Key_Left);
  EXPECT_EQ(Table().FocusedSlot(), 1) << "the focus stops at the first card";
  for (int i = 0; i < 30; ++i) Press(&Table(), Qt::Key_Right);
  EXPECT_EQ(Table().FocusedSlot(), 18) << "and at the last";

  // Only the nine of diamonds may open: any other card is refused with its sound.
  const int nine = SlotOf(State().Hands[kSeat2], kOpeningCard);
  const int other = nine == 1 ? 2 : 1;
  sounds.clear();
  LayByKeys(other, Qt::Key_Return);
  EXPECT_EQ(sounds, std::vector<std::string>{"WWrongs"});
  EXPECT_EQ(State().Hands[kSeat2].CardCount, 18);
  LayByKeys(nine, Qt::Key_Space);
  EXPECT_EQ(State().Hands[kSeat2].CardCount, 17);
  EXPECT_TRUE(State().Board.Has(kOpeningCard));
  EXPECT_GE(Table().FocusedSlot(), 1) << "the focus stays on the hand";
}

TEST_F(KeyboardPlay, AWholeKonIsPlayedFromTheKeyboard) {
  ASSERT_TRUE(Open(true, 11));
  responders.push_back(Sign("Keys", ""));
  QTest::mouseClick(form->Menu()->NewPlayerButton(), Qt::LeftButton);
  for (int guard = 0; guard < 500 && State().TurnState != ksKonSettled; ++guard) {
    const GameState& s = State();
    if (s.KonPhase == kpDealt || s.TurnState == ksKonOver) {
      PressMainButtonByKey();
    } else if (s.TurnState == ksSeat1ToMove) {
      Tick();
    } else {
      const int slot = ChooseMove(s.Hands[kSeat2], s.Board, s.Hands[kSeat1], s.LayCounter);
      if (slot == 0) {
        PressMainButtonByKey();  // the pass
      } else {
        const int before = s.Hands[kSeat2].CardCount;
        LayByKeys(slot, guard % 2 == 0 ? Qt::Key_Return : Qt::Key_Space);
        ASSERT_EQ(s.Hands[kSeat2].CardCount, before - 1);
      }
    }
    ASSERT_FALSE(HasFatalFailure());
  }
  ASSERT_EQ(State().TurnState, ksKonSettled);
  Table().Button8()->setFocus();
  Press(Table().Button8(), Qt::Key_Enter);
  EXPECT_TRUE(form->MenuShown());
  EXPECT_TRUE(ParseMemberLine(folder.Club().Line(1)).has_value());
}

// Enter in the chat input sends the line and nothing else: the focused card stays in hand.
TEST_F(KeyboardPlay, EnterInTheChatInputLaysNoCard) {
  ASSERT_TRUE(Open(true, testing::SeedWhereSeatOpens(kSeat2)));
  responders.push_back(Sign("Keys", ""));
  QTest::mouseClick(form->Menu()->NewPlayerButton(), Qt::LeftButton);
  PressMainButtonByKey();
  ASSERT_EQ(State().TurnState, ksSeat2ToMove);
  LayByKeys(SlotOf(State().Hands[kSeat2], kOpeningCard), Qt::Key_Shift);  // focus the nine
  ASSERT_NE(Table().FocusedSlot(), 0);

  Table().SetChatLine(true, true);  // as at a network table
  Table().ChatInput()->setFocus();
  QTest::keyClicks(Table().ChatInput(), "hi");
  QTest::keyClick(Table().ChatInput(), Qt::Key_Return);
  QTest::keyClick(Table().ChatInput(), Qt::Key_Enter);
  EXPECT_EQ(State().Hands[kSeat2].CardCount, 18);
  EXPECT_FALSE(State().Board.Has(kOpeningCard));
}

}  // namespace
}  // namespace zendral
