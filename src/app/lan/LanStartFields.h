#pragma once
// The network part of the start dialog in LAN mode: the role (server or client), the
// server's address and port, the fixed number of kons, the machine's own addresses for
// telling the other player, and the help button that opens the router set-up document.
//
// The address and port boxes keep the stored settings (ServerAddress, ServerPort) in step
// with what is typed; a character that does not belong in a box puts the stored value back.

#include <QString>
#include <QUrl>
#include <QWidget>
#include <array>
#include <functional>

#include "net/LanSetup.h"
#include "net/OwnAddresses.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zendral {
struct Settings;
}

namespace zendral::lan {

// The six boxes of "To receive the IP-addresses".
using OwnAddressSource = std::function<std::array<net::AddressBox, net::kAddressBoxes>()>;
// The system's "open" action for a web address; false when nothing could open it.
using UrlOpener = std::function<bool(const QUrl&)>;

// The club server's web address until the online services give its address.
inline constexpr char kDefaultWebAddress[] = "http://127.0.0.1:8044";

// What the LAN fields take from outside: the own addresses (the interfaces and the address
// the internet sees), the "open" action, and the club server's web address.
struct LanStartEnvironment {
  OwnAddressSource ownAddresses;  // empty: DefaultOwnAddresses without an external address
  UrlOpener openUrl;              // empty: QDesktopServices::openUrl
  QString webAddress = QString::fromLatin1(kDefaultWebAddress);
};

// The interfaces' addresses, then what fetchExternal returns (empty when it is null or
// fails; its hint is webAddressHint), then the loopback address.
OwnAddressSource DefaultOwnAddresses(net::ExternalAddressFetch fetchExternal,
                                     QString webAddressHint);

// The router set-up document on the club server's web site.
QUrl RouterHelpUrl(const QString& webAddress);

class LanStartFields : public QWidget {
 public:
  // settings: ServerAddress and ServerPort are read and written as the boxes change.
  LanStartFields(Settings& settings, LanStartEnvironment environment, QWidget* parent = nullptr);

  // 1 server, 2 client.
  int NetRole() const;
  void SetNetRole(int role);

  QString Address() const;
  QString Port() const;

  QGroupBox* RoleGroup() const { return roleGroup_; }
  QRadioButton* ServerChoice() const { return server_; }
  QRadioButton* ClientChoice() const { return client_; }
  QLabel* AddressLabel() const { return addressLabel_; }
  QLineEdit* AddressBox() const { return address_; }
  QLineEdit* PortBox() const { return port_; }
  QLineEdit* NumberGamesBox() const { return numberGames_; }
  QPushButton* OwnAddressesButton() const { return ownAddresses_; }
  QLineEdit* OwnAddressBox(int i) const { return addressBoxes_[static_cast<std::size_t>(i)]; }
  QPushButton* HelpButton() const { return help_; }

  // "To receive the IP-addresses".
  void ShowOwnAddresses();
  // "?".
  void OpenHelp();

 private:
  void OnRoleChanged();
  void OnAddressEdited(const QString& text);
  void OnPortEdited(const QString& text);

  Settings& settings_;
  LanStartEnvironment environment_;
  bool filtering_ = false;

  QGroupBox* roleGroup_;
  QRadioButton* server_;
  QRadioButton* client_;
  QLabel* addressLabel_;
  QLineEdit* address_;
  QLineEdit* port_;
  QLineEdit* numberGames_;
  QPushButton* ownAddresses_;
  std::array<QLineEdit*, net::kAddressBoxes> addressBoxes_{};
  QPushButton* help_;
};

}  // namespace zendral::lan
