#pragma once
// The waiting window ("Please, wait..."), shown modally once the start dialog has started
// the LAN link: the server waits for a client to join, the client for the server's answer.
//
// Server: when a client joins, "The second player was connected..." shows and OK becomes
// the way on (Cancel is off: the client is already waiting for the first deal). Client: the
// server's answer closes the window accepted by itself. Cancel closes the link. A one-second
// tick turns the first line into "There are no accessible games" once the link has failed.

#include <QDialog>
#include <QTimer>
#include <array>

#include "net/LanLink.h"
#include "net/LanSetup.h"

class QLabel;
class QPushButton;

namespace zendral::lan {

class WaitingSpinner;

class WaitingDialog : public QDialog {
 public:
  // The link has been started (StartServer or StartClient); its role decides the lines.
  explicit WaitingDialog(net::LanLink& link, QWidget* parent = nullptr);

  const net::WaitingWindow& State() const { return state_; }
  // Line 1 the state of the wait, 2..4 the players that joined.
  QLabel* Line(int line) const { return lines_[static_cast<std::size_t>(line - 1)]; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }
  QTimer* TickTimer() { return &tick_; }
  WaitingSpinner* Spinner() const { return spinner_; }

  // The one-second tick.
  void Tick();

  // Esc and the window's close button act as Cancel, and only while Cancel is enabled.
  void reject() override;
  void done(int result) override;

 private:
  void Show();
  void OnPeerJoined();
  void OnJoinLost();

  net::LanLink& link_;
  net::WaitingWindow state_;
  std::array<QLabel*, 4> lines_{};
  QPushButton* ok_;
  QPushButton* cancel_;
  WaitingSpinner* spinner_;
  QTimer tick_;
};

}  // namespace zendral::lan
