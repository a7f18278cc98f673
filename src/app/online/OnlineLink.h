#pragma once
// The main window's link to the club: it owns the shared HTTP client for the program's whole
// run, settles the service addresses at start-up, logs in from the user file, opens the
// online windows, and plays the part of the online layer for the kon driver (the rated game
// against the computer as player slot 7, the world submission of a local cycle).

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/online/OnlineUi.h"
#include "game/GameState.h"
#include "game/OnlineBooking.h"
#include "game/TableTexts.h"
#include "online/CurlTransport.h"
#include "online/OnlineClub.h"
#include "store/Settings.h"

class QWidget;

namespace zendral {

class OnlineLink final : public OnlineBooking {
 public:
  struct Services {
    std::function<void(const QString& text, bool error)> message;
    std::function<bool(const QString& text)> ask;
    std::function<bool(const QUrl& url)> openUrl;
    std::function<int(QDialog& window)> modal;
    std::function<void(const std::string& sound, bool wait)> playSound;
    std::function<void(int milliseconds)> hold;
    // The end-of-cycle window of a filed account cycle, with the award in Kovs.
    std::function<void(const EndOfCycleWindow& window, int award)> showAccountCycle;
    std::function<bool()> graphicsPack;
  };

  // transport: null for the program's libcurl client.
  OnlineLink(GameState& state, Settings& settings, Services services,
             std::unique_ptr<online::HttpTransport> transport = nullptr);
  ~OnlineLink() override;

  // The start of the program: the addresses of the settings (built-in ones where the file had
  // none), the path directory after a complete reading, and the log-in from the user file.
  void StartUp(SettingsReadStatus status, const std::filesystem::path& programFolder);
  // The same in three steps, so that the requests can run on a thread of their own: the
  // addresses (on the window's thread), the path directory and the log-in (on any one thread
  // while nothing else uses this link), then the account state for the game (window's thread).
  void PrepareStartUp(const std::filesystem::path& programFolder);
  void RunStartUpRequests(SettingsReadStatus status);
  void FinishStartUp();
  // Ends a running request of the program's client at once, from any thread, and fails every
  // later one: for the end of the program.
  void CancelRequests();
  // The stored forms of the two addresses the settings file carries.
  static ServiceAddressDefaults StoredDefaults();

  online::OnlineClub& Club() { return club_; }
  OnlineUi Ui();

  // After a rated booking that could not reach the server: one more log-in with the kept
  // log-in. True when logged in again; the caller then tells the player (TellLoggedInAgain).
  bool LogInAgainIfDropped();
  void TellLoggedInAgain();
  // The account window from the menu (logging in again first where a booking dropped the
  // log-in); true when the account state or the nick changed.
  bool OpenAccount(QWidget* parent);
  // The fifth member button while logged in: the account window with "Play global rating",
  // then the booking. True when the rated game may start.
  bool ChooseRatedGame(QWidget* parent);
  // The World Top Ten window; the paused message instead while the server pauses it.
  void OpenWorldTopTen(QWidget* parent);
  // The deal of the day: the day's kon when the member may play it, else the day's table.
  void OpenDaily(QWidget* parent);
  void OpenPassport(QWidget* parent);
  // The fifth club-list line while logged in and not in network mode; none otherwise.
  std::optional<std::string> ClubListLine(int mode);

  // OnlineBooking.
  std::optional<AccountGame> RatedAccountGame() override;
  std::optional<double> SettleRatedGame(int sessionScore, int totalScore,
                                        const std::string& blockMoves) override;
  void FileAccountCycle() override;
  void OfferWorldTopTen(int totalScore) override;
  std::optional<TournamentPlayer> TournamentRecord() override;
  std::optional<std::string> StoreTablePictures(int players) override;
  std::optional<TournamentResult> TournamentTableResult() override;
  void ReopenTournamentWindow() override;

 private:
  class Prompts;
  void SyncState();

  GameState& state_;
  Settings& settings_;
  Services services_;
  std::unique_ptr<online::HttpTransport> transport_;
  online::CurlTransport* curl_ = nullptr;  // transport_ when it is the program's own client
  online::RequestFrame frame_;
  online::OnlineClub club_;
  std::filesystem::path programFolder_;
  int lastTotal_ = 0;
};

}  // namespace zendral
