#pragma once
// The whole main window over a temporary program folder holding fresh copies of the shipped
// club files: the modal windows are answered by the test, the sounds never wait, and the table
// is played by clicks and keys at the positions the table computes.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimerEvent>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "LanTestSupport.h"
#include "TempFolder.h"
#include "app/main/StartDialog.h"
#include "app/main/TForm1.h"
#include "app/main/TableWidget.h"
#include "game/ComputerPlayer.h"
#include "game/Deal.h"
#include "store/ClubFile.h"
#include "store/Settings.h"

namespace zendral::testing {

// Sounds by name, at once: a waited sound holds nothing. onWait runs inside a waited sound,
// where the real program holds the game.
class QuickSound : public SoundPort {
 public:
  std::vector<std::string>* played = nullptr;
  std::function<void()> onWait;
  bool musicFileFails = false;
  std::vector<bool>* music = nullptr;  // every PlayMusic call

  void PlayEventSound(std::string_view name, bool wait, bool soundOn) override {
    if (!soundOn) return;
    if (played != nullptr) played->emplace_back(name);
    if (wait && onWait) onWait();
  }
  bool PrepareMusic() override { return !musicFileFails; }
  void PlayMusic(bool on) override {
    if (music != nullptr) music->push_back(on);
  }
  void OnTimer2(bool, bool) override {}
  void CloseMusic() override {}
  void Hold(std::chrono::milliseconds) override {}
  // Every card spoken, with its language.
  std::vector<std::pair<TCardCode, int>> said;
  bool SayCard(TCardCode card, int language, const std::filesystem::path&) override {
    said.emplace_back(card, language);
    return true;
  }
};

// A temporary program folder with fresh copies of the shipped club files.
class ProgramFolder : public TempFolder {
 public:
  ProgramFolder() {
    const std::string command =
        std::string("\"") + ZENDRAL_MAKECLUB + "\" \"" + path().string() + "\"";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
  }

  ClubFile Club(bool network = false) const {
    return ParseClubFile(Read(std::string(network ? kNetworkClubFileName : kLocalClubFileName)))
        .file;
  }
  // Writes the member records into lines 1.. of the local club file, with fresh checksums.
  void SetMembers(const std::vector<PlayerRecord>& members) const {
    ClubFile file = Club();
    for (int line = 1; line <= kClubMembers; ++line) {
      file.Line(line) = line <= static_cast<int>(members.size())
                            ? FormatMemberLine(members[static_cast<std::size_t>(line - 1)])
                            : std::string(kEmptyMemberLine);
    }
    UpdateClubChecksums(file);
    Write(kLocalClubFileName, SerializeClubFile(file));
  }
  void SaveSettingsFile(const Settings& settings) const {
    ASSERT_TRUE(SaveSettings(path() / kSettingsFileName, settings));
  }
};

// The seed of the first deal in which seat 2 (the local player) opens, or seat 1.
inline std::uint64_t SeedWhereSeatOpens(int seat) {
  for (std::uint64_t seed = 1;; ++seed) {
    Random random(seed);
    GameState scratch;
    if (ShuffleAndDeal(scratch, random) == seat) return seed;
  }
}

// The answers to a program's modal windows: each is answered by the next responder, or
// recorded and closed (a message box with OK, any other window accepted).
struct ModalAnswers {
  using Responder = std::function<int(QDialog&)>;
  int Answer(QDialog& dialog) {
    dialogs.push_back(dialog.objectName());
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) messages.push_back(box->text());
    if (!responders.empty()) {
      Responder next = std::move(responders.front());
      responders.pop_front();
      return next(dialog);
    }
    if (qobject_cast<QMessageBox*>(&dialog) != nullptr) return QMessageBox::Ok;
    return QDialog::Accepted;
  }

  std::vector<QString> dialogs;
  std::vector<QString> messages;
  std::deque<Responder> responders;
};

// The options of a main window over a program folder: its modal windows go to `modal`, its
// sounds are quick (and named in `played`), the addresses it opens are named in `opened`.
inline FormOptions TestFormOptions(const std::filesystem::path& folder,
                                   std::function<int(QDialog&)> modal,
                                   std::vector<std::string>* played = nullptr,
                                   std::vector<QUrl>* opened = nullptr, std::uint64_t seed = 7) {
  FormOptions options;
  options.executableFolder = folder;
  options.programFolder = folder;
  auto sound = std::make_unique<QuickSound>();
  sound->played = played;
  options.sound = std::move(sound);
  options.modal = std::move(modal);
  options.openUrl = [opened](const QUrl& url) {
    if (opened != nullptr) opened->push_back(url);
    return true;
  };
  options.seed = seed;
  return options;
}

class AppTest : public ::testing::Test, public ModalAnswers {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }

  // The window over the folder, started and, unless told otherwise, past the intro.
  bool Open(bool endIntro = true, std::uint64_t seed = 7) {
    return OpenIn(folder.path(), endIntro, seed);
  }
  bool OpenIn(const std::filesystem::path& where, bool endIntro = true, std::uint64_t seed = 7) {
    FormOptions options = TestFormOptions(
        where, [this](QDialog& dialog) { return Answer(dialog); }, &sounds, &opened, seed);
    quickSound = static_cast<QuickSound*>(options.sound.get());
    if (tuneSound) tuneSound(*quickSound);
    form = std::make_unique<TForm1>(std::move(options));
    form->show();
    if (!form->StartUp()) return false;
    // What the start-up leaves for later: the online part on its own thread, the song for the
    // turn after the first picture.
    form->AwaitOnline();
    QCoreApplication::processEvents();
    if (endIntro) form->EndIntro();
    return true;
  }

  // ---- Modal windows (see ModalAnswers).
  static Responder Reply(QMessageBox::StandardButton button) {
    return [button](QDialog&) { return static_cast<int>(button); };
  }
  // Fills the start dialog and presses its OK button: the dialog's own checks decide.
  static Responder Sign(const QString& name, const QString& password,
                        const QString& again = QString()) {
    return [=](QDialog& dialog) {
      auto* start = dynamic_cast<StartDialog*>(&dialog);
      EXPECT_NE(start, nullptr) << "expected the start dialog";
      if (start == nullptr) return static_cast<int>(QDialog::Rejected);
      if (!start->NameBox()->isReadOnly()) start->NameBox()->setText(name);
      start->PasswordBox()->setText(password);
      start->PasswordAgainBox()->setText(again.isNull() ? password : again);
      start->OkButton()->click();
      return start->result();
    };
  }

  // ---- Input at the positions the table computes.
  TableWidget& Table() { return *form->Table(); }
  const GameState& State() { return form->State(); }

  QPoint CardPoint(int slot) {
    const QRect card = Table().CardRect(kSeat2, slot);
    return QPoint(card.left() + Table().Fan(kSeat2).VisibleWidth(slot) / 2, card.center().y());
  }
  void ClickCard(int slot) { QTest::mouseClick(&Table(), Qt::LeftButton, {}, CardPoint(slot)); }
  void ClickMainButton() {
    ASSERT_TRUE(Table().Button7()->isEnabled());
    QTest::mouseClick(Table().Button7(), Qt::LeftButton);
  }
  void ClickExitButton() {
    ASSERT_TRUE(Table().Button8()->isEnabled());
    QTest::mouseClick(Table().Button8(), Qt::LeftButton);
  }
  // One tick of Timer1, delivered as the event loop would deliver it.
  void Tick() {
    QTimer* timer = form->Timer1();
    if (!timer->isActive()) return;
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
  }

  // Plays the running kon to its settlement: the begin click, the local player's moves as
  // the computer player would choose them (by clicks on the cards and the pass button), the
  // opponent's moves on the ticks, and the totals click.
  void PlayKonByClicks() {
    for (int guard = 0; guard < 500 && State().TurnState != ksKonSettled; ++guard) {
      const GameState& s = State();
      if (s.KonPhase == kpDealt || s.TurnState == ksKonOver) {
        ClickMainButton();
      } else if (s.TurnState == ksSeat1ToMove) {
        Tick();
      } else if (s.TurnState == ksSeat2ToMove) {
        const int slot = ChooseMove(s.Hands[kSeat2], s.Board, s.Hands[kSeat1], s.LayCounter);
        if (slot == 0) {
          ClickMainButton();
        } else {
          const int before = s.Hands[kSeat2].CardCount;
          ClickCard(slot);
          EXPECT_EQ(s.Hands[kSeat2].CardCount, before - 1) << "the click laid no card";
        }
      }
      if (HasFatalFailure()) return;
    }
    ASSERT_EQ(State().TurnState, ksKonSettled);
  }

  ProgramFolder folder;
  std::unique_ptr<TForm1> form;
  QuickSound* quickSound = nullptr;
  std::vector<std::string> sounds;
  std::vector<QUrl> opened;
  std::function<void(QuickSound&)> tuneSound;
};

}  // namespace zendral::testing
