#include "app/lan/WaitingDialog.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/lan/WaitingSpinner.h"
#include "app/windows/WindowTexts.h"
#include "game/GameState.h"
#include "present/words/WordRows.h"

namespace zendral::lan {
namespace {

constexpr int kTickMilliseconds = 1000;

const TWordRow& FirstLineRow(net::WaitingLine line) {
  switch (line) {
    case net::WaitingLine::kExpectingPlayers:
      return kWordWaitingForPlayers;
    case net::WaitingLine::kExpectingGame:
      return kWordWaitingForGame;
    case net::WaitingLine::kNoAccessibleGames:
      return kWordNoAccessibleGames;
  }
  return kWordWaitingForPlayers;
}

}  // namespace

WaitingDialog::WaitingDialog(net::LanLink& link, QWidget* parent)
    : QDialog(parent), link_(link), state_(net::WaitingWindow::Open(link.Role())) {
  setObjectName("TFormWait");
  setWindowTitle(WordText(kWordPleaseWait));

  auto* column = new QVBoxLayout(this);
  auto* top = new QHBoxLayout();
  spinner_ = new WaitingSpinner(this);
  spinner_->setFixedSize(spinner_->sizeHint());
  top->addWidget(spinner_, 0, Qt::AlignTop);
  auto* texts = new QVBoxLayout();
  const TWordRow* rows[] = {&FirstLineRow(state_.firstLine), &kWordSecondPlayerConnected,
                            &kWordThirdPlayerConnected, &kWordFourthPlayerConnected};
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    auto* label = new QLabel(WordText(*rows[i]), this);
    label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    texts->addWidget(label);
    lines_[i] = label;
  }
  QFont first = lines_[0]->font();
  first.setBold(true);
  lines_[0]->setFont(first);
  // Room for the longest first line, so that the window keeps its size when the line changes.
  int widest = 0;
  for (const TWordRow* row :
       {&kWordWaitingForPlayers, &kWordWaitingForGame, &kWordNoAccessibleGames}) {
    widest = std::max(widest, QFontMetrics(first).horizontalAdvance(WordText(*row)));
  }
  lines_[0]->setMinimumWidth(widest + QFontMetrics(first).averageCharWidth());
  // Only two players sit at this game's table: the third and fourth lines stay hidden.
  lines_[2]->hide();
  lines_[3]->hide();
  texts->addStretch(1);
  top->addLayout(texts, 1);
  column->addLayout(top);

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(WordText(kWordOk), QDialogButtonBox::AcceptRole);
  ok_->setObjectName("ButtonOk");
  cancel_ = buttons->addButton(WordText(kWordCancel), QDialogButtonBox::RejectRole);
  cancel_->setObjectName("ButtonCancel");
  column->addWidget(buttons);
  connect(ok_, &QPushButton::clicked, this, [this] { accept(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });

  connect(&link_, &net::LanLink::PeerJoined, this, [this] { OnPeerJoined(); });
  connect(&link_, &net::LanLink::JoinLost, this, [this] { OnJoinLost(); });

  tick_.setObjectName("Timer1");
  tick_.setInterval(kTickMilliseconds);
  connect(&tick_, &QTimer::timeout, this, [this] { Tick(); });
  tick_.start();
  spinner_->Start();
  Show();
}

void WaitingDialog::Tick() {
  state_.Tick(link_.SocketErrorSeen());
  Show();
}

void WaitingDialog::OnPeerJoined() {
  if (link_.Role() == kRoleClient) {
    // The server has answered: the session can begin.
    accept();
    return;
  }
  state_.ClientJoined();
  Show();
  ok_->setDefault(true);
  ok_->setFocus();
}

void WaitingDialog::OnJoinLost() {
  state_.ClientLost();
  Show();
}

void WaitingDialog::Show() {
  lines_[0]->setText(WordText(FirstLineRow(state_.firstLine)));
  lines_[1]->setVisible(state_.secondPlayerShown);
  ok_->setEnabled(state_.okEnabled);
  cancel_->setEnabled(state_.cancelEnabled);
}

void WaitingDialog::reject() {
  if (!cancel_->isEnabled()) return;
  link_.Cancel();
  QDialog::reject();
}

void WaitingDialog::done(int result) {
  tick_.stop();
  spinner_->Stop();
  // The window is finished with the link; the session takes it from here.
  disconnect(&link_, nullptr, this, nullptr);
  QDialog::done(result);
}

}  // namespace zendral::lan
