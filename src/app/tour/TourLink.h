#pragma once
// The main window's link to the online tournament: the relay socket with its move clocks and
// chat, the tournament window, and the driver's online layer at a tournament table (the
// player's tournament record, the result the server booked, the way back to the window after
// the kon). The rated game's calls go on to the account's own online layer.

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/tour/MoveClockView.h"
#include "app/tour/TFTour.h"
#include "game/GameState.h"
#include "game/OnlineBooking.h"
#include "game/TableView.h"
#include "net/RelayPeerLink.h"
#include "online/OnlineClub.h"

namespace zendral::tour {

class TourLink final : public QObject, public OnlineBooking {
 public:
  struct Services {
    std::function<int(QDialog& window)> modal;
    std::function<void(std::string_view sound)> playSound;
    // The tournament top-ten window over the tournament window, with the player's own values.
    std::function<void(QWidget* parent, const online::TKovClient& player)> openTopTen;
    // A chat line at the table: the sender's index and the message with its "s".
    std::function<void(int index, const QString& message)> chatLine;
    // Where a seat's move clock stands at the table now.
    std::function<QRect(int seat)> clockPlace;
    // The window again after the kon (from the event loop, not inside the driver).
    std::function<void()> reopen;
  };

  // table: the widget the clocks stand on; rated: the account's online layer.
  TourLink(GameState& state, TableView& view, QWidget* table, online::OnlineClub& club,
           OnlineBooking& rated, Services services);
  ~TourLink() override;

  net::RelayPeerLink& Relay() { return *relay_; }
  TourSession& Session() { return session_; }
  // The tournament window, until the player closes it or the relay deals.
  void OpenWindow(QWidget* parent);
  TFTour* Window() const { return window_; }
  MoveClockView* Clock(int seat) const { return seat == 1 ? clock1_ : clock2_; }
  // The attention window's lines for a relay notice.
  static QStringList NoticeLines(net::RelayPeerLink::Notice notice, const std::string& peerName);

  // OnlineBooking.
  std::optional<AccountGame> RatedAccountGame() override { return rated_.RatedAccountGame(); }
  std::optional<double> SettleRatedGame(int sessionScore, int totalScore,
                                        const std::string& blockMoves) override {
    return rated_.SettleRatedGame(sessionScore, totalScore, blockMoves);
  }
  void FileAccountCycle() override { rated_.FileAccountCycle(); }
  void OfferWorldTopTen(int totalScore) override { rated_.OfferWorldTopTen(totalScore); }
  std::optional<TournamentPlayer> TournamentRecord() override;
  std::optional<std::string> StoreTablePictures(int players) override;
  std::optional<TournamentResult> TournamentTableResult() override;
  void ReopenTournamentWindow() override;

 private:
  void ShowClock(int seat, int seconds);
  void ShowAttention(const QStringList& lines);

  GameState& state_;
  online::OnlineClub& club_;
  OnlineBooking& rated_;
  Services services_;
  std::unique_ptr<net::RelayPeerLink> relay_;
  TourSession session_;
  QPointer<TFTour> window_;
  MoveClockView* clock1_;
  MoveClockView* clock2_;
};

}  // namespace zendral::tour
