// The salute: with the graphics pack beside the program and the setting on, a click on a
// button, a menu entry or a laid card first shows the 30 frames of the firework around the
// pointer over the window under it, holding the game, and then the click acts; without the pack
// or with the setting off nothing is shown. One frame over the table lands in screenshots/.

#include <gtest/gtest.h>

#include <QDir>
#include <QMenu>

#include "AppFixture.h"
#include "app/main/MainMenuWidget.h"
#include "app/main/SaluteEffect.h"
#include "app/main/TablePopup.h"
#include "present/packs/PackNames.h"

namespace zendral {
namespace {

using testing::AppTest;

// What the test saw of one frame, while it was shown.
struct SeenFrame {
  int frame;
  QPoint centre;  // the overlay's centre on the screen
  bool visible;
  QWidget* window;  // the window it covers
  bool busy;
  int konPhase;
  int handCount;
};

class Salute : public AppTest {
 protected:
  void PutGraphicsPack() {
    std::filesystem::create_symlink(
        std::filesystem::path(ZENDRAL_TEST_PACKS) / std::string(kPackGraphics),
        folder.path() / std::string(kPackGraphics));
  }
  void RemoveGraphicsPack() { std::filesystem::remove(folder.path() / std::string(kPackGraphics)); }
  void SaveSaluteSettings(bool buttons, bool cards) {
    Settings settings;
    settings.SaluteButtons = buttons;
    settings.SaluteCards = cards;
    folder.SaveSettingsFile(settings);
  }
  // Records every frame shown from now on.
  void Watch() {
    seen.clear();
    form->Salute()->onFrame = [this](const SaluteOverlay& overlay) {
      seen.push_back({overlay.Frame(), overlay.mapToGlobal(overlay.rect().center() + QPoint(1, 1)),
                      overlay.isVisible(), overlay.window(), form->Busy(), State().KonPhase,
                      State().Hands[kSeat2].CardCount});
      if (onSeen) onSeen(overlay);
    };
  }
  // The whole salute, seen around one point.
  void ExpectWholeSaluteAt(QPoint centre, QWidget* window) {
    ASSERT_EQ(seen.size(), static_cast<std::size_t>(kSaluteFrames));
    for (int i = 0; i < kSaluteFrames; ++i) {
      const SeenFrame& f = seen[static_cast<std::size_t>(i)];
      EXPECT_EQ(f.frame, i + 1);
      EXPECT_EQ(f.centre, centre) << "frame " << f.frame;
      EXPECT_TRUE(f.visible) << "frame " << f.frame;
      EXPECT_EQ(f.window, window) << "frame " << f.frame;
      EXPECT_TRUE(f.busy) << "the game is held during frame " << f.frame;
    }
    EXPECT_TRUE(NoOverlay()) << "the overlay is gone";
    EXPECT_FALSE(form->Busy());
  }
  // No overlay is left in any window (the overlay is found by its name).
  static bool NoOverlay() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->findChild<QWidget*>("SaluteOverlay") != nullptr) return false;
    }
    return true;
  }
  // To the table of a new player whose hand opens the kon, the salute not yet watched.
  void ToTable(const QString& player = "Flash") {
    ASSERT_TRUE(Open(true, testing::SeedWhereSeatOpens(kSeat2)));
    responders.push_back(Sign(player, ""));
    QTest::mouseClick(form->Menu()->NewPlayerButton(), Qt::LeftButton);
    ASSERT_EQ(State().KonPhase, kpDealt);
  }
  static QString Shot(const QString& name) {
    QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
    return QStringLiteral(ZENDRAL_SCREENSHOT_DIR "/") + name;
  }

  std::vector<SeenFrame> seen;
  std::function<void(const SaluteOverlay&)> onSeen;
};

TEST_F(Salute, TheMainButtonShowsTheWholeSaluteAtThePointerThenActs) {
  PutGraphicsPack();
  ToTable();
  EXPECT_EQ(form->Salute()->Played(), 1) << "the menu's button was greeted too";

  Watch();
  const QPoint clickAt(12, 9);
  const QImage before = form->grab().toImage();
  QImage middle;
  onSeen = [&](const SaluteOverlay& overlay) {
    if (overlay.Frame() == 8) middle = form->grab().toImage();
  };
  QTest::mouseClick(Table().Button7(), Qt::LeftButton, {}, clickAt);

  ExpectWholeSaluteAt(Table().Button7()->mapToGlobal(clickAt), form.get());
  for (const SeenFrame& f : seen) EXPECT_EQ(f.konPhase, kpDealt) << "the click waits";
  EXPECT_EQ(State().KonPhase, kpPlaying) << "and then acts";
  EXPECT_EQ(form->Salute()->Played(), 2);

  // The frame is drawn over the table around the pointer, and nowhere else (the button itself
  // shows its pressed face meanwhile).
  ASSERT_FALSE(middle.isNull());
  ASSERT_TRUE(middle.save(Shot("salute-over-table.png")));
  const QRect square(Table().Button7()->mapTo(form.get(), clickAt) - QPoint(50, 50),
                     QSize(100, 100));
  const QRect button(Table().Button7()->mapTo(form.get(), QPoint(0, 0)), Table().Button7()->size());
  int changedInside = 0;
  int changedOutside = 0;
  for (int y = 0; y < before.height(); ++y) {
    for (int x = 0; x < before.width(); ++x) {
      if (before.pixel(x, y) == middle.pixel(x, y)) continue;
      if (button.contains(x, y) && !square.contains(x, y)) continue;
      ++(square.contains(x, y) ? changedInside : changedOutside);
    }
  }
  EXPECT_GT(changedInside, 100);
  EXPECT_EQ(changedOutside, 0);
}

TEST_F(Salute, NothingIsShownWithoutThePackOrTheSettingOrForADisabledButton) {
  struct Case {
    const char* tag;
    bool pack, buttons, disableExit;
  };
  const Case cases[] = {{"no pack", false, true, false},
                        {"setting off", true, false, false},
                        {"disabled button", true, true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tag);
    form.reset();
    RemoveGraphicsPack();
    if (c.pack) PutGraphicsPack();
    SaveSaluteSettings(c.buttons, true);
    ToTable(c.tag);
    Watch();
    if (c.disableExit) {
      Table().Button8()->setEnabled(false);
      QTest::mouseClick(Table().Button8(), Qt::LeftButton);
      EXPECT_TRUE(seen.empty());
      EXPECT_EQ(form->Salute()->Played(), 1) << "only the menu's button";
      continue;
    }
    QTest::mouseClick(Table().Button7(), Qt::LeftButton);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(form->Salute()->Played(), 0);
    EXPECT_TRUE(NoOverlay());
    EXPECT_EQ(State().KonPhase, kpPlaying) << "the click acts at once";
  }
}

TEST_F(Salute, ALaidCardIsGreetedBeforeItIsLaidWhenTheSettingIsOn) {
  struct Case {
    const char* tag;
    bool cards;
    bool refused;  // a card that may not be laid
    bool shown;
  };
  const Case cases[] = {{"laid", true, false, true},
                        {"refused", true, true, false},
                        {"setting off", false, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tag);
    form.reset();
    RemoveGraphicsPack();
    PutGraphicsPack();
    SaveSaluteSettings(true, c.cards);
    ToTable(c.tag);
    QTest::mouseClick(Table().Button7(), Qt::LeftButton);
    ASSERT_EQ(State().TurnState, ksSeat2ToMove);
    const int nine = SlotOf(State().Hands[kSeat2], kOpeningCard);
    const int slot = c.refused ? (nine == 1 ? 2 : 1) : nine;
    const QPoint pointer = Table().mapToGlobal(CardPoint(slot));
    Watch();
    ClickCard(slot);
    if (!c.shown) {
      EXPECT_TRUE(seen.empty());
      EXPECT_EQ(State().Hands[kSeat2].CardCount, c.refused ? 18 : 17);
      continue;
    }
    ExpectWholeSaluteAt(pointer, form.get());
    for (const SeenFrame& f : seen) EXPECT_EQ(f.handCount, 18) << "the card is not laid yet";
    EXPECT_EQ(State().Hands[kSeat2].CardCount, 17);
    EXPECT_TRUE(State().Board.Has(kOpeningCard));
  }
}

TEST_F(Salute, MenuEntriesAndTheButtonsOfSecondaryWindowsAreGreeted) {
  PutGraphicsPack();
  ToTable();
  Watch();
  // "About" from the table's pop-up menu, and the OK button of the window it opens.
  QMenu* popup = form->PopupPart().Menu();
  popup->popup(form->mapToGlobal(QPoint(200, 200)));
  const QPoint entry = popup->actionGeometry(form->PopupPart().Action("About")).center();
  std::vector<SeenFrame> onBox;
  responders.push_back([&](QDialog& dialog) {
    auto* box = qobject_cast<QMessageBox*>(&dialog);
    EXPECT_NE(box, nullptr);
    if (box == nullptr) return 0;
    dialog.show();
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    seen.clear();
    QTest::mouseClick(ok, Qt::LeftButton);
    onBox = seen;
    EXPECT_EQ(onBox.size(), static_cast<std::size_t>(kSaluteFrames));
    if (!onBox.empty()) {
      EXPECT_EQ(onBox.front().centre, ok->mapToGlobal(ok->rect().center()));
      EXPECT_EQ(onBox.front().window, &dialog);
    }
    dialog.hide();
    return static_cast<int>(QMessageBox::Ok);
  });
  dialogs.clear();
  QTest::mouseClick(popup, Qt::LeftButton, {}, entry);
  EXPECT_EQ(dialogs, std::vector<QString>{"FormAbout"}) << "the entry acted";
  EXPECT_EQ(onBox.size(), static_cast<std::size_t>(kSaluteFrames));
  EXPECT_EQ(form->Salute()->Played(), 3) << "the menu's button, the entry and the OK button";
}

// Played straight: the window shows what was below once it is over.
TEST_F(Salute, TheWindowIsRestoredAfterTheSalute) {
  PutGraphicsPack();
  ToTable();
  Watch();
  const QImage before = form->grab().toImage();
  const QPoint centre = form->mapToGlobal(QPoint(300, 250));
  ASSERT_TRUE(form->Salute()->PlaySalute(centre));
  ExpectWholeSaluteAt(centre, form.get());
  EXPECT_EQ(form->grab().toImage(), before);

  RemoveGraphicsPack();
  seen.clear();
  EXPECT_FALSE(form->Salute()->PlaySalute(centre));
  EXPECT_TRUE(seen.empty());
}

}  // namespace
}  // namespace zendral
