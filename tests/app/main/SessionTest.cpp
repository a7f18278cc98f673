// Sessions played through the window by clicks at the positions the table computes, from the
// menu through the start dialog to the exit button, with the club and history files read back.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

#include "AppFixture.h"
#include "app/main/EndOfCycleDialog.h"
#include "app/main/MainMenuWidget.h"
#include "app/main/TablePopup.h"
#include "game/Scores.h"
#include "store/HistoryFile.h"

namespace zendral {
namespace {

using testing::AppTest;

class Session : public AppTest {};

TEST_F(Session, ANewPlayerPlaysAKonByClicksAndTheResultIsStored) {
  ASSERT_TRUE(Open());
  ASSERT_TRUE(form->MenuShown());
  responders.push_back(Sign("Alice", "ab"));
  QTest::mouseClick(form->Menu()->NewPlayerButton(), Qt::LeftButton);
  ASSERT_TRUE(Table().isVisible());
  EXPECT_EQ(State().SeatName[kSeat2], "Alice");
  EXPECT_EQ(State().KonNumber, 1);
  EXPECT_EQ(Table().Button7()->text(), "To Begin");
  EXPECT_FALSE(Table().Button8()->isEnabled());

  PlayKonByClicks();
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_GT(Table().LastFlightSteps(), 0) << "cards fly to the layout";
  EXPECT_EQ(Table().Button7()->text(), "Next game");
  const int score = State().Score[kSeat2];
  ClickExitButton();

  EXPECT_TRUE(form->MenuShown());
  EXPECT_FALSE(Table().isVisible());
  EXPECT_FALSE(State().GameActive);
  const ClubFile club = folder.Club();
  const auto alice = ParseMemberLine(club.Line(1));
  ASSERT_TRUE(alice.has_value()) << club.Line(1);
  EXPECT_EQ(alice->name, "Alice");
  EXPECT_EQ(alice->konCount, 1);
  EXPECT_EQ(alice->cycleScore, score);
  EXPECT_NEAR(alice->rating, LocalRating(1, score, 0, 0), 0.5e-6);
  EXPECT_EQ(DecodePassword(alice->password), "ab   ");
  EXPECT_TRUE(CheckClubBytes(folder.Read("Zendral.clb")).ok());
  EXPECT_EQ(club.Line(2), kEmptyMemberLine);

  const auto history = ReadHistoryGrid(HistoryFilePath(folder.path(), 1));
  ASSERT_TRUE(history.has_value());
  ASSERT_EQ(history->size(), 1u);
  EXPECT_EQ(TrimRight((*history)[0].player), "Alice");
  EXPECT_EQ(std::stoi((*history)[0].games), 1);
  EXPECT_EQ(std::stoi((*history)[0].result), score);
  EXPECT_EQ((*history)[0].kind, HistoryKind::kLocal);

  // The menu lists the new member.
  EXPECT_TRUE(form->Menu()->MemberButton(1)->text().startsWith("Alice"))
      << form->Menu()->MemberButton(1)->text().toStdString();
  for (const char* sound : {"WTasoKo", "WHodsDo", "WHodOtb"}) {
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), sound), sounds.end()) << sound;
  }
}

// The menu keeps no picture of the hidden table; when the table comes up it shows the whole
// table drawn from the game, the deal made while it was hidden included.
TEST_F(Session, AHiddenTableHoldsNoPictureAndShowsTheWholeTableWhenItComes) {
  ASSERT_TRUE(Open());
  ASSERT_TRUE(form->MenuShown());
  EXPECT_TRUE(Table().BackBuffer().isNull()) << "the menu holds a table picture";
  responders.push_back(Sign("Alice", "ab"));
  QTest::mouseClick(form->Menu()->NewPlayerButton(), Qt::LeftButton);
  ASSERT_TRUE(Table().isVisible());
  ASSERT_EQ(State().Hands[kSeat2].CardCount, 18);
  const QImage shown = Table().BackBuffer().copy();
  ASSERT_FALSE(shown.isNull());
  const qreal dpr = shown.devicePixelRatio();
  EXPECT_EQ(shown.size(), Table().size() * dpr);

  // A card of the local hand is there, not the felt under it.
  const QImage felt = Table().art()->Background().toImage();
  const QPoint card = CardPoint(1) * dpr;
  EXPECT_NE(shown.pixel(card), felt.pixel(card));
  // And nothing differs from the whole table drawn afresh.
  Table().RedrawAll();
  EXPECT_EQ(shown, Table().BackBuffer());
}

// The main button changes its caption under the mouse ("Pass", "Total", then "Next game"):
// the second click of a double click belongs to the old caption and must not start a kon.
TEST_F(Session, ADoubleClickOnTheMainButtonActsOnceAndALaterClickActs) {
  ASSERT_TRUE(Open());
  responders.push_back(Sign("Dora", ""));
  QTest::mouseClick(form->Menu()->NewPlayerButton(), Qt::LeftButton);
  for (int guard = 0; guard < 500 && State().TurnState != ksKonOver; ++guard) {
    if (State().KonPhase == kpDealt) {
      ClickMainButton();
    } else if (State().TurnState == ksSeat1ToMove) {
      Tick();
    } else if (State().TurnState == ksSeat2ToMove) {
      const GameState& s = State();
      const int slot = ChooseMove(s.Hands[kSeat2], s.Board, s.Hands[kSeat1], s.LayCounter);
      if (slot == 0) ClickMainButton();
      if (slot != 0) ClickCard(slot);
    }
    ASSERT_FALSE(HasFatalFailure());
  }
  ASSERT_EQ(State().TurnState, ksKonOver);
  QPushButton* button = Table().Button7();
  const QPointF at = QRectF(button->rect()).center();
  const auto send = [&](QEvent::Type type, quint64 time) {
    QMouseEvent event(type, at, button->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    event.setTimestamp(time);
    QCoreApplication::sendEvent(button, &event);
  };
  const quint64 start = 1'000'000;
  const int interval = QApplication::doubleClickInterval();
  send(QEvent::MouseButtonPress, start);
  send(QEvent::MouseButtonRelease, start + 20);
  ASSERT_EQ(State().TurnState, ksKonSettled) << "the first click takes the totals";
  EXPECT_EQ(button->text(), "Next game");
  send(QEvent::MouseButtonDblClick, start + interval / 2);
  send(QEvent::MouseButtonRelease, start + interval / 2 + 20);
  EXPECT_EQ(State().TurnState, ksKonSettled) << "the double click started the next kon";
  EXPECT_EQ(State().KonNumber, 1);
  // A click of its own, later, is the player's wish.
  send(QEvent::MouseButtonPress, start + 3 * interval);
  send(QEvent::MouseButtonRelease, start + 3 * interval + 20);
  EXPECT_EQ(State().KonNumber, 2);
}

TEST_F(Session, AMemberCompletesHisCycleOverTwoKonsAndEntersTheOrder) {
  folder.SetMembers({{"Boris", 2.0, 28, 95, "pw"}});
  ASSERT_TRUE(Open());
  // A wrong password keeps the dialog open; the right one starts the session.
  responders.push_back(Sign("", "xx"));
  responders.push_back(Reply(QMessageBox::Ok));
  QTest::mouseClick(form->Menu()->MemberButton(1), Qt::LeftButton);
  EXPECT_EQ(messages, std::vector<QString>{"The incorrect password!"});
  EXPECT_TRUE(form->MenuShown());

  responders.push_back(Sign("", "pw"));
  QTest::mouseClick(form->Menu()->MemberButton(1), Qt::LeftButton);
  ASSERT_TRUE(State().GameActive);
  EXPECT_EQ(State().KonNumber, 29);
  EXPECT_EQ(State().SeatName[kSeat2], "Boris");

  PlayKonByClicks();
  ASSERT_FALSE(HasFatalFailure());
  ClickMainButton();  // the next kon: the 30th of the cycle
  PlayKonByClicks();
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_FALSE(Table().Button7()->isEnabled()) << "the cycle is complete";
  const int score = State().Score[kSeat2];
  const int total = 95 + score;

  QStringList endTexts;
  responders.push_back([&](QDialog& dialog) {
    auto* end = dynamic_cast<EndOfCycleDialog*>(&dialog);
    EXPECT_NE(end, nullptr);
    if (end != nullptr) endTexts = end->Lines();
    return static_cast<int>(QDialog::Accepted);
  });
  ClickExitButton();
  ASSERT_FALSE(endTexts.isEmpty()) << "the end-of-cycle window was shown";
  EXPECT_TRUE(endTexts.contains("Result: " + QString::number(total)));

  const ClubFile club = folder.Club();
  const auto boris = ParseMemberLine(club.Line(1));
  ASSERT_TRUE(boris.has_value());
  EXPECT_EQ(boris->konCount, 30);
  EXPECT_EQ(boris->cycleScore, 0) << "a new cycle starts";
  EXPECT_EQ(DecodePassword(boris->password), "pw   ");
  // The Order of the shipped file runs from 90 down to 0: a cycle score of 0 or more enters.
  bool inOrder = false;
  for (int line = kFirstOrderLine; line < kFirstOrderLine + kOrderPlaces; ++line) {
    inOrder = inOrder || club.Line(line).rfind("Boris", 0) == 0;
  }
  EXPECT_EQ(inOrder, total >= 0);
  EXPECT_EQ(endTexts.front(), total >= 0 ? "CONGRATULATIONS!!!" : "Our regrets...");
  const auto history = ReadHistoryGrid(HistoryFilePath(folder.path(), 1));
  ASSERT_TRUE(history.has_value());
  EXPECT_EQ(std::stoi(history->at(0).games), 2);
}

TEST_F(Session, NothingActsOnTheGameWhileItIsHeld) {
  ASSERT_TRUE(Open(true, testing::SeedWhereSeatOpens(kSeat2)));
  responders.push_back(Sign("Alice", ""));
  QTest::mouseClick(form->Menu()->NewPlayerButton(), Qt::LeftButton);
  ClickMainButton();
  ASSERT_EQ(State().TurnState, ksSeat2ToMove);

  // While the laid card's sound holds the game, a tick, a click on a card and a press of the
  // main button come in as they would if they were delivered: none may act.
  int heldChecks = 0;
  quickSound->onWait = [&] {
    const GameState before = State();
    Tick();
    ClickCard(1);
    QTest::mouseClick(Table().Button7(), Qt::LeftButton);
    EXPECT_EQ(State(), before);
    ++heldChecks;
  };
  ClickCard(SlotOf(State().Hands[kSeat2], kOpeningCard));
  quickSound->onWait = nullptr;
  EXPECT_GE(heldChecks, 1);
  EXPECT_EQ(State().Board.CardsLaid(), 1);
  EXPECT_EQ(State().TurnState, ksSeat1ToMove);

  // A window open over the table holds the game as well: the computer does not move behind it.
  responders.push_back([&](QDialog&) {
    const GameState before = State();
    Tick();
    EXPECT_EQ(State(), before);
    return static_cast<int>(QDialog::Accepted);
  });
  form->PopupPart().Action("GenCount")->trigger();
  EXPECT_EQ(dialogs.back(), "FormCount");
  Tick();
  EXPECT_EQ(State().Board.CardsLaid(), 2) << "once the window is closed the computer moves";
}

TEST_F(Session, TheMenuIgnoresAnEmptyLineAndSwitchesTheListMode) {
  folder.SetMembers({{"Boris", 1.5, 31, -4, "pw"}});
  ASSERT_TRUE(Open());
  MainMenuWidget& menu = *form->Menu();
  QTest::mouseClick(menu.MemberButton(2), Qt::LeftButton);
  EXPECT_TRUE(dialogs.empty()) << "a line without a member does nothing";
  EXPECT_TRUE(form->MenuShown());

  EXPECT_EQ(menu.Header()->text(), " The members of club    Games    Score ");
  // Mode 1: the name, the kon of the cycle (31 mod 30) and the cycle score.
  EXPECT_EQ(menu.MemberButton(1)->text(), QString("Boris").leftJustified(20) + "      1        -4");
  QTest::mouseClick(menu.ModeButton(), Qt::LeftButton);
  EXPECT_EQ(form->CurrentSettings().ClubListMode, 2);
  EXPECT_EQ(menu.Header()->text(), " The members of club    Games   Rating ");
  // Mode 2: the name, all kons and the rating.
  EXPECT_EQ(menu.MemberButton(1)->text(), QString("Boris").leftJustified(20) + "       31    1,50");
  QTest::mouseClick(menu.ModeButton(), Qt::LeftButton);
  EXPECT_EQ(form->CurrentSettings().ClubListMode, 1);
}

}  // namespace
}  // namespace zendral
