#pragma once
// What the card table and the kon recorder ask of the program, gathered in one place: the
// table's input passed through the window's gate to the kon driver, the screens it switches
// between, and the sounds, messages and windows of a kon.

#include <filesystem>
#include <functional>

#include "app/main/KonRecorder.h"
#include "app/main/TableServices.h"

namespace zendral {

class KonDriver;
class SaluteEffect;
class SoundPort;
class WindowServices;

class TableHost : public TableServices, public RecorderHost {
 public:
  // The window's side: its gate to the driver, its screens and the parts made after the table.
  struct Hooks {
    // Runs a call into the kon driver unless it or one of its windows is busy.
    std::function<bool(const std::function<bool(KonDriver&)>&)> driverCall;
    std::function<bool(int slot)> mayLay;
    std::function<void()> afterMainButton;  // the pointer follows the new state
    std::function<bool(const QString&)> sendChat;
    std::function<void(QPoint)> showPopup;
    std::function<void(bool scoreAndExit, bool changeName)> setPopupEntries;
    std::function<void()> requestHint;
    std::function<void()> openReview;
    std::function<int()> hintsUsed;  // shown in the score window
    std::function<void()> showTable;
    std::function<void()> hideTable;
    std::function<void()> showMenu;
    std::function<void(int intervalMs, bool running)> setGameTimer;
    std::function<void(bool)> showWaitingBar;
    std::function<void(bool)> setMenuMusic;
    std::function<KonRecorder*()> recorder;
    std::function<SaluteEffect&()> salute;
  };
  TableHost(GameState& state, Settings& settings, const std::filesystem::path& programFolder,
            WindowServices& window, SoundPort& sound, Hooks hooks);

  // A card clicked at a point of the screen (none: where the pointer is) is greeted by the
  // salute when it is laid and the settings want it.
  void CardClick(int slot, std::optional<QPoint> pointer = std::nullopt) override;
  void MainButtonClick() override;
  void ExitButtonClick() override;
  void SpeakCard(CardPlace place) override;
  // Says the card's name in the player's language, without waiting (silent without the voice
  // pack).
  void SayCard(TCardCode card) override;
  bool MayLay(int slot) const override;
  // The table's chat line in a LAN game or at a tournament table; false when it could not go.
  bool SendChat(const QString& text) override;
  bool Busy() const override;
  void ShowPopup(QPoint globalPos) override;
  void RequestHint() override;
  void OpenReview() override;

  void ShowTableScreen() override;
  void HideTableScreen() override;
  void ShowMainMenuScreen() override;
  void SetMenuMusic(bool playing) override;
  void SetTablePopupEntries(bool scoreAndExit, bool changeName) override;
  void SetGameTimer(int intervalMs, bool running) override;
  void ShowWaitingBar(bool shown) override;

  void PlaySound(std::string_view name, bool wait) override;
  void Hold(int milliseconds) override;
  void ShowMessage(const QString& text, bool error) override;
  void ShowScoreWindow(const QString& playerName, const TCount& count) override;
  void ShowEndOfCycleWindow(const EndOfCycleWindow& window) override;

  GameState& State() override { return state_; }
  Settings& CurrentSettings() override { return settings_; }
  const std::filesystem::path& ProgramFolder() const override { return programFolder_; }
  KonRecorder* Recorder() const override { return hooks_.recorder(); }

 private:
  GameState& state_;
  Settings& settings_;
  const std::filesystem::path& programFolder_;
  WindowServices& window_;
  SoundPort& sound_;
  Hooks hooks_;
};

}  // namespace zendral
