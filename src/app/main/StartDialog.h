#pragma once
// The start dialog ("Welcome!"): the player's name and password before a session, and again
// for "To change a name". A new player types his password twice; a club member types the one
// his club line keeps. The checks run in order and the first failure names its box.
//
// The network fields of a LAN game (role, address, port, own addresses) join the dialog in
// LAN mode; Confirm is where their checks follow the player's. A confirmed LAN dialog starts
// the link and shows the waiting window, and closes only once the other player is there.

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "app/lan/LanStartFields.h"
#include "net/LanMessage.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zendral {

struct Settings;
namespace net {
class LanLink;
}

inline constexpr int kNameLimit = 20;                     // outside LAN mode
inline constexpr int kLanNameLimit = net::kLanNameLimit;  // LAN mode: 9
inline constexpr int kPasswordLimit = 5;                  // each password box

// Shows a window modally and returns its result; the program's own runner, or the tests'.
using ModalRunner = std::function<int(QDialog&)>;

// What the dialog needs in LAN mode.
struct StartLanContext {
  Settings& settings;  // ServerAddress, ServerPort and PlayerName are kept here
  net::LanLink& link;  // started by Confirm; the waiting window watches it
  lan::LanStartEnvironment environment;
  ModalRunner runModal;  // shows the waiting window; empty: QDialog::exec
};

enum class StartField { kNone, kName, kPassword, kPasswordAgain };

struct StartEntry {
  QString name;
  QString password;
  QString passwordAgain;
};

// Who the dialog is for: a new player (also for "To change a name"), or a club member with
// the password his line keeps (decoded; nothing when the field cannot be decoded).
struct StartPlayer {
  bool member = false;
  QString memberName;
  std::optional<std::string> storedPassword;
};

struct StartVerdict {
  StartField field = StartField::kNone;  // kNone: accepted
  QString message;                       // in the current language
  bool accepted() const { return field == StartField::kNone; }
};

// The checks of the confirm button, in their order: the name, then the sign-in.
StartVerdict CheckStartEntry(const StartEntry& entry, const StartPlayer& player);

class StartDialog : public QDialog {
 public:
  // defaultName: the name last used (PlayerName), offered to a new player.
  StartDialog(const StartPlayer& player, const QString& defaultName, QWidget* parent = nullptr);
  // LAN mode: the network fields, the 9-character name, and the link started on Confirm.
  StartDialog(const StartPlayer& player, const QString& defaultName, StartLanContext lan,
              QWidget* parent = nullptr);

  QLineEdit* NameBox() const { return name_; }
  QLineEdit* PasswordBox() const { return password_; }
  QLineEdit* PasswordAgainBox() const { return passwordAgain_; }
  QPushButton* OkButton() const { return ok_; }
  // The last check's message, also shown in its box ("" while none failed).
  const QString& LastMessage() const { return lastMessage_; }
  // Called with a failed check's message; the program shows an error box, tests record it.
  void SetMessageShower(std::function<void(const QString&)> shower) { shower_ = std::move(shower); }

  StartEntry Entry() const;

  bool IsLanMode() const { return lan_.has_value(); }
  // 0 outside LAN mode, 1 server, 2 client.
  int NetRole() const;
  // The network fields (LAN mode only, otherwise null).
  lan::LanStartFields* LanFields() const { return lanFields_; }
  // The own name as the handshake sends it: 20 Windows-1251 bytes, padded with spaces.
  std::string OwnWireName() const;

 private:
  StartDialog(const StartPlayer& player, const QString& defaultName,
              std::optional<StartLanContext> lan, QWidget* parent);
  void Confirm();
  void ConfirmLan();
  void Fail(QLineEdit* box, const QString& message);

  StartPlayer player_;
  std::optional<StartLanContext> lan_;
  lan::LanStartFields* lanFields_ = nullptr;
  QLineEdit* name_;
  QLineEdit* password_;
  QLineEdit* passwordAgain_;
  QLabel* passwordAgainLabel_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QString lastMessage_;
  std::function<void(const QString&)> shower_;
};

}  // namespace zendral
