#pragma once
// What the card table asks of the program around it: the table's input passed on to the kon
// driver, the screens the table switches between, the sounds, messages and windows of a kon,
// and the recording of the kon. The main window provides them; the table knows nothing else
// of it.

#include <QPoint>
#include <QString>
#include <optional>
#include <string_view>

#include "game/TableTexts.h"
#include "game/TableView.h"

namespace zendral {

class KonRecorder;
struct Settings;

class TableServices {
 public:
  virtual ~TableServices() = default;

  // The table's input, passed to the driver unless it is busy.
  virtual void CardClick(int slot, std::optional<QPoint> pointer = std::nullopt) = 0;
  virtual void MainButtonClick() = 0;
  virtual void ExitButtonClick() = 0;
  virtual void SpeakCard(CardPlace place) = 0;
  virtual void SayCard(TCardCode card) = 0;
  virtual bool MayLay(int slot) const = 0;
  virtual bool SendChat(const QString& text) = 0;
  virtual bool Busy() const = 0;
  virtual void ShowPopup(QPoint globalPos) = 0;
  virtual void RequestHint() = 0;
  virtual void OpenReview() = 0;

  // The screens and what goes with them.
  virtual void ShowTableScreen() = 0;
  virtual void HideTableScreen() = 0;
  virtual void ShowMainMenuScreen() = 0;
  virtual void SetMenuMusic(bool playing) = 0;
  virtual void SetTablePopupEntries(bool scoreAndExit, bool changeName) = 0;
  virtual void SetGameTimer(int intervalMs, bool running) = 0;
  virtual void ShowWaitingBar(bool shown) = 0;

  // The sounds, messages and windows of a kon.
  virtual void PlaySound(std::string_view name, bool wait) = 0;
  virtual void Hold(int milliseconds) = 0;
  virtual void ShowMessage(const QString& text, bool error) = 0;
  virtual void ShowScoreWindow(const QString& playerName, const TCount& count) = 0;
  virtual void ShowEndOfCycleWindow(const EndOfCycleWindow& window) = 0;

  virtual Settings& CurrentSettings() = 0;
  virtual KonRecorder* Recorder() const = 0;
};

}  // namespace zendral
