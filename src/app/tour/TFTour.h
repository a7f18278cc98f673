#pragma once
// The tournament window TFTour: the player's panel, the ten tables with their two seat
// buttons, the server's picture and welcome text, "Refresh", "Top 10" and "Close". It books
// and leaves seats on the tournament service and hands a booked seat to the relay socket; the
// 10-second timer refreshes the tables, the 1-second timer looks at the relay connection.
// The window closes by itself when the relay deals (the game starts at the table).

#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "online/RequestFrame.h"
#include "online/ServiceAddresses.h"
#include "online/Tournament.h"

class QLabel;
class QPushButton;
class QTimer;

namespace zendral::net {
class RelayPeerLink;
}

namespace zendral::tour {

// What the window works with; the main window keeps it between openings.
struct TourSession {
  online::TKovClient player;    // the local player's record
  online::TourBooking booking;  // the own seat
  online::TourBooking playing;  // the table being played (the booking as the deal found it)
  std::string relayHost;
  int relayBase = 0;  // table 1's port − 1
  char serverState = 'X';
};

struct TourEnvironment {
  online::RequestFrame& frame;
  online::ServiceAddresses addresses;
  // The logged-in account: nick, country (its Country1), city, sex.
  std::string nick, country, city, sex;
  net::RelayPeerLink& relay;
  std::function<void(std::string_view sound)> playSound;
  std::function<void(const QString& text)> attention;
  std::function<void(QWidget* parent)> openTopTen;
};

class TFTour : public QDialog {
 public:
  TFTour(TourEnvironment environment, TourSession& session, QWidget* parent = nullptr);

  // OpenTournament: the record, the panel, the tables.
  void OpenTournament();
  void RefreshTables();
  void BookSeat(int table, int seat);
  void LeaveSeat();
  // The own seat (and seat 2 beside an own seat 1) released without a goodbye; the window lets
  // go of it only when the server has freed it.
  void ReleaseSeat();
  // The 1-second check: a broken relay link is taken to the server, which says what became of
  // the seat.
  void CheckConnection();
  QLabel* WaitClock() const { return waitClock_; }
  // The seconds the server still holds the own lone seat, as the window counts them.
  std::optional<int> WaitLeft() const { return waitLeft_; }

  QPushButton* SeatButton(int table, int seat) const;
  QLabel* Welcome() const { return welcome_; }
  QLabel* ServerPicture() const { return server_; }
  QTimer* RefreshTimer() const { return refreshTimer_; }
  QTimer* CheckTimer() const { return checkTimer_; }
  const std::vector<online::TKovTable>& Tables() const { return tables_; }
  // Closes the window whatever the booking (the relay has dealt); the timers stop.
  void done(int result) override;

 protected:
  void reject() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowPlayer(std::optional<int> place);
  void SeatClicked(int table, int seat);
  // The held seat against the server's list: kept while the server keeps it, let go (with a
  // word why) when the server has freed it or frees it now.
  void KeepBookingInStep(bool answered);
  int ReleaseOnService(const online::TourBooking& held);
  void TakeUpListedSeat();
  const online::TKovClient* Listed(int table, int seat) const;
  bool RelayLinked() const;
  void ShowSeats();
  void ShowWelcome(const std::optional<online::TourServerInfo>& info);
  void CountWait();
  void ShowWait();
  void Tell(const QString& text);
  bool Holding() const { return session_.booking.Holds(); }
  // Runs the window's requests with the relay's messages waiting; a timer that fires while
  // a request waits does nothing (no request may start inside another).
  template <typename F>
  void Request(F&& work);
  bool requesting_ = false;

  TourEnvironment env_;
  TourSession& session_;
  std::vector<online::TKovTable> tables_;
  bool serverOn_ = false;
  std::array<QLabel*, 6> values_{};
  std::array<std::array<QPushButton*, 2>, online::kTourTables> seats_{};
  std::array<QLabel*, online::kTourTables> tableLabels_{};
  QLabel* server_;
  QLabel* welcome_;
  QLabel* waitClock_;
  std::optional<int> waitLeft_;
  QPushButton* refresh_;
  QPushButton* top_;
  QPushButton* close_;
  QTimer* refreshTimer_;
  QTimer* checkTimer_;
};

}  // namespace zendral::tour
