#pragma once
// The club's services the main menu offers beside the account: the count of a start, the
// per-game counters of a finished session, the statistics window, and the chat and the news
// with their signals (the red and the blue siren) and the periodic checks.

#include <QString>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "app/online/OnlineLink.h"
#include "extras/menuinfo/ChatNewsFiles.h"
#include "extras/menuinfo/MenuIndicator.h"
#include "game/StatisticsReport.h"
#include "online/Statistics.h"

class QWidget;

namespace zendral {

class MenuServices final : public StatisticsReport {
 public:
  struct Hooks {
    std::function<void(const std::string& sound)> playSound;
    // The sirens are to be drawn anew.
    std::function<void()> signalsChanged;
    // A session is running (the chat may then open by itself on a new message).
    std::function<bool()> gameRunning;
    // The window the chat opens over when it opens by itself.
    std::function<QWidget*()> mainWindow;
  };

  explicit MenuServices(OnlineLink& link, Hooks hooks = {})
      : link_(link), hooks_(std::move(hooks)) {}

  // Once per run, after the settings are read: counts the start when the local club file
  // carries the distribution mark "umk", and saves the settings then.
  void CountStart(const std::string& distributionMark);
  // CountStart in two steps: the request (on any one thread while nothing else uses the
  // link; `installCounted` as the settings hold it), then its result on the window's thread.
  online::StartCount SendStartCount(const std::string& distributionMark, bool installCounted);
  void TakeStartCount(const online::StartCount& count);
  bool StartCounted() const { return startCounted_; }

  // StatisticsReport: the counters of a finished session; the result is not shown.
  void ReportGame(const GameCounters& counters) override;

  void OpenStatistics(QWidget* parent);

  // ---- Chat and news
  // Both checks, as the menu appears.
  void CheckChatAndNews();
  // The two checks without drawing the signals (on any one thread while nothing else uses the
  // link); the window's thread then draws them.
  void RunChatAndNewsChecks();
  // A tick of the 10-second checks timer: the news every third tick while none is pending and
  // the menu is shown, the chat every 90th while no message is pending. A new message found
  // here plays "WToMenK" and, during a session with the option on, opens the chat window.
  void ChecksTick(bool menuShown);
  bool NewsPending() const { return newsPending_; }
  bool ChatPending() const { return chatPending_; }
  bool ChatOpen() const { return chatOpen_; }
  // The news entry: the news page is read and shown in the program's news window; the latest
  // number becomes the seen one and the blue siren goes. When the page cannot be read the
  // player is told and the siren stays.
  void OpenNews();
  // The chat entry: the chat window (or "Chat is temporarily unavailable!").
  void OpenChat(QWidget* parent);
  // Where the chat and news files lie: the parent folder of the program folder.
  std::filesystem::path MarksFolder();

  // ---- The indicator of the main menu
  // The values read again at most this often while the menu stays shown; the minute schedule
  // turns the shown value in between without asking the server.
  static constexpr std::chrono::minutes kIndicatorReadInterval{7};
  using Clock = std::chrono::steady_clock;
  // A read is due as the menu appears, when nothing was read yet, and then once the interval
  // has passed since the last read.
  bool IndicatorReadDue(bool menuAppeared, Clock::time_point now) const;
  // The statistics sums, the first rows of the three world tables, the own balance when logged
  // in and the member count; each read with the table read time-out, a failed one marks only
  // its own value as failed.
  TIndicatorData ReadIndicatorData(Clock::time_point now = Clock::now());

 private:
  bool CheckChat();
  bool CheckNews();
  void SignalsChanged();

  OnlineLink& link_;
  Hooks hooks_;
  bool startCounted_ = false;
  MenuChecks checks_;
  bool newsPending_ = false;
  bool chatPending_ = false;
  bool chatOpen_ = false;
  int latestNews_ = 0;
  std::optional<Clock::time_point> indicatorRead_;
};

}  // namespace zendral
