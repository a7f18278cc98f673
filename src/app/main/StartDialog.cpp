#include "app/main/StartDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/main/AppText.h"
#include "present/words/WordRows.h"

namespace zendral {

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
    : QDialog(parent), player_(player) {
  setObjectName("StartDialog");
  setWindowTitle(Text(kWordWelcome));
  auto* grid = new QGridLayout(this);

  name_ = new QLineEdit(this);
  name_->setObjectName("EditName");
  name_->setMaxLength(kNameLimit);
  if (player.member) {
    // A member confirms the name his club line keeps.
    name_->setText(player.memberName);
    name_->setReadOnly(true);
  } else {
    name_->setText(defaultName.size() <= kNameLimit ? defaultName : Text(kWordMrX));
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

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(Text(kWordOk), QDialogButtonBox::AcceptRole);
  ok_->setObjectName("ButtonOk");
  ok_->setDefault(true);
  cancel_ = buttons->addButton(Text(kWordCancel), QDialogButtonBox::RejectRole);
  cancel_->setObjectName("ButtonCancel");
  grid->addWidget(buttons, 3, 0, 1, 2);
  connect(ok_, &QPushButton::clicked, this, [this] { Confirm(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  (player.member ? password_ : name_)->setFocus();
  if (!player.member) name_->selectAll();
}

StartEntry StartDialog::Entry() const {
  return {name_->text(), password_->text(), passwordAgain_->text()};
}

void StartDialog::Confirm() {
  const StartVerdict verdict = CheckStartEntry(Entry(), player_);
  lastMessage_ = verdict.message;
  if (verdict.accepted()) {
    accept();
    return;
  }
  if (shower_) shower_(verdict.message);
  QLineEdit* box = verdict.field == StartField::kName ? name_ : password_;
  box->setFocus();
  box->selectAll();
}

}  // namespace zendral
