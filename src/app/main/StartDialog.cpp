#include "app/main/StartDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "app/lan/WaitingDialog.h"
#include "app/main/AppText.h"
#include "game/GameState.h"
#include "net/LanLink.h"
#include "net/LanSetup.h"
#include "present/words/WordRows.h"
#include "store/Cp1251.h"
#include "store/Settings.h"

namespace zendral {

using appmain::QtText;
using appmain::Text;

StartVerdict CheckStartEntry(const StartEntry& entry, const StartPlayer& player) {
  // A name of blanks only would show as no name at all on the plate and in the club list.
  if (entry.name.trimmed().isEmpty()) return {StartField::kName, Text(kWordIncorrectName)};
  if (!player.member) {
    if (entry.password != entry.passwordAgain) {
      return {StartField::kPassword, Text(kWordPasswordsDiffer)};
    }
    return {};
  }
  // The club line keeps the password padded with spaces to 5 characters.
  const QString typed = entry.password.leftJustified(kPasswordLimit, ' ');
  if (!player.storedPassword || typed.toStdString() != *player.storedPassword) {
    return {StartField::kPassword, Text(kWordIncorrectPassword)};
  }
  return {};
}

StartDialog::StartDialog(const StartPlayer& player, const QString& defaultName, QWidget* parent)
    : StartDialog(player, defaultName, std::optional<StartLanContext>(), parent) {}

StartDialog::StartDialog(const StartPlayer& player, const QString& defaultName, StartLanContext lan,
                         QWidget* parent)
    : StartDialog(player, defaultName, std::optional<StartLanContext>(std::move(lan)), parent) {}

StartDialog::StartDialog(const StartPlayer& player, const QString& defaultName,
                         std::optional<StartLanContext> lan, QWidget* parent)
    : QDialog(parent), player_(player), lan_(std::move(lan)) {
  setObjectName("StartDialog");
  setWindowTitle(Text(kWordWelcome));
  auto* grid = new QGridLayout(this);

  const int nameLimit = lan_ ? kLanNameLimit : kNameLimit;
  name_ = new QLineEdit(this);
  name_->setObjectName("EditName");
  if (player.member) {
    // A member confirms the name his club line keeps, which the box must not cut.
    name_->setMaxLength(std::max<int>(nameLimit, static_cast<int>(player.memberName.size())));
    name_->setText(player.memberName);
    name_->setReadOnly(true);
  } else {
    name_->setMaxLength(nameLimit);
    if (lan_) {
      name_->setText(QtText(net::DefaultLanName(defaultName.toStdString())));
    } else {
      name_->setText(defaultName.size() <= kNameLimit ? defaultName : Text(kWordMrX));
    }
  }
  password_ = new QLineEdit(this);
  password_->setObjectName("EditPassword");
  passwordAgain_ = new QLineEdit(this);
  passwordAgain_->setObjectName("EditPasswordAgain");
  for (QLineEdit* box : {password_, passwordAgain_}) {
    box->setMaxLength(kPasswordLimit);
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet("lineedit-password-character: 35;");  // '#'
  }

  grid->addWidget(new QLabel(Text(kWordEnterName), this), 0, 0);
  grid->addWidget(name_, 0, 1);
  grid->addWidget(new QLabel(Text(kWordEnterPassword), this), 1, 0);
  grid->addWidget(password_, 1, 1);
  passwordAgainLabel_ = new QLabel(Text(kWordPasswordAgain), this);
  grid->addWidget(passwordAgainLabel_, 2, 0);
  grid->addWidget(passwordAgain_, 2, 1);
  // A member has one password to type.
  passwordAgainLabel_->setVisible(!player.member);
  passwordAgain_->setVisible(!player.member);

  int row = 3;
  if (lan_) {
    lanFields_ = new lan::LanStartFields(lan_->settings, lan_->environment, this);
    grid->addWidget(lanFields_, row++, 0, 1, 2);
  }

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(Text(kWordOk), QDialogButtonBox::AcceptRole);
  ok_->setObjectName("ButtonOk");
  ok_->setDefault(true);
  cancel_ = buttons->addButton(Text(kWordCancel), QDialogButtonBox::RejectRole);
  cancel_->setObjectName("ButtonCancel");
  grid->addWidget(buttons, row, 0, 1, 2);
  connect(ok_, &QPushButton::clicked, this, [this] { Confirm(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  (player.member ? password_ : name_)->setFocus();
  if (!player.member) name_->selectAll();
}

StartEntry StartDialog::Entry() const {
  return {name_->text(), password_->text(), passwordAgain_->text()};
}

int StartDialog::NetRole() const {
  return lanFields_ != nullptr ? lanFields_->NetRole() : kRoleLocal;
}

std::string StartDialog::OwnWireName() const {
  // A member's name is his club line's name field; a new player's the typed name. The box
  // holds either, and the wire takes it padded to the field's 20 bytes.
  return net::WireName(Utf8ToCp1251(name_->text().toStdString()));
}

void StartDialog::Confirm() {
  const StartVerdict verdict = CheckStartEntry(Entry(), player_);
  lastMessage_ = verdict.message;
  // A name that passed its check is the one offered next time, whatever follows.
  if (lan_ && verdict.field != StartField::kName) {
    lan_->settings.PlayerName = name_->text().toStdString();
  }
  if (!verdict.accepted()) {
    Fail(verdict.field == StartField::kName ? name_ : password_, verdict.message);
    return;
  }
  if (!lan_) {
    accept();
    return;
  }
  ConfirmLan();
}

void StartDialog::ConfirmLan() {
  const int role = lanFields_->NetRole();
  const std::string address = lanFields_->Address().toStdString();
  const std::string port = lanFields_->Port().toStdString();
  switch (net::CheckLanFields(role, address, port)) {
    case net::LanFieldError::kIncorrectAddress:
      Fail(lanFields_->AddressBox(), Text(kWordIncorrectIp));
      return;
    case net::LanFieldError::kIncorrectPort:
      Fail(lanFields_->PortBox(), Text(kWordIncorrectPort));
      return;
    case net::LanFieldError::kNone:
      break;
  }

  Settings& settings = lan_->settings;
  net::LanLink& link = lan_->link;
  link.SetOwnName(OwnWireName());
  const auto portNumber = static_cast<quint16>(*net::ParsePort(port));
  if (role == kRoleServer) {
    // A port that cannot be opened is reported by the waiting window's first tick.
    link.StartServer(portNumber);
  } else {
    link.StartClient(lanFields_->Address(), portNumber);
    settings.ServerAddress = address;
  }
  settings.ServerPort = port;

  lan::WaitingDialog waiting(link, this);
  const int result = lan_->runModal ? lan_->runModal(waiting) : waiting.exec();
  // Without the other player the dialog stays open for another try.
  if (result == QDialog::Accepted) accept();
}

void StartDialog::Fail(QLineEdit* box, const QString& message) {
  lastMessage_ = message;
  if (shower_) shower_(message);
  box->setFocus();
  box->selectAll();
}

}  // namespace zendral
