#include "app/lan/LanStartFields.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/windows/WindowTexts.h"
#include "game/GameState.h"
#include "present/words/WordRows.h"
#include "store/Settings.h"

namespace zendral::lan {
namespace {

constexpr int kAddressLimit = 20;
constexpr int kPortLimit = 5;

QString Q(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

}  // namespace

OwnAddressSource DefaultOwnAddresses(net::ExternalAddressFetch fetchExternal,
                                     QString webAddressHint) {
  return [fetch = std::move(fetchExternal), hint = std::move(webAddressHint)] {
    return net::OwnAddressBoxes(fetch, hint.toStdString());
  };
}

QUrl RouterHelpUrl(const QString& webAddress) {
  QString base = webAddress;
  while (base.endsWith(QLatin1Char('/'))) base.chop(1);
  return QUrl(base + QString::fromLatin1(net::kRouterHelpPath.data(),
                                         static_cast<qsizetype>(net::kRouterHelpPath.size())));
}

LanStartFields::LanStartFields(Settings& settings, LanStartEnvironment environment, QWidget* parent)
    : QWidget(parent), settings_(settings), environment_(std::move(environment)) {
  setObjectName("LanStartFields");
  if (!environment_.ownAddresses) {
    environment_.ownAddresses = DefaultOwnAddresses(nullptr, environment_.webAddress);
  }
  if (!environment_.openUrl) {
    environment_.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  }

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);

  // The role, with the help button beside it.
  roleGroup_ = new QGroupBox(WordText(kWordServerClient), this);
  roleGroup_->setObjectName("RadioGroup1");
  server_ = new QRadioButton(WordText(kWordServerCreatesGame), roleGroup_);
  server_->setObjectName("RadioServer");
  client_ = new QRadioButton(WordText(kWordClientJoinsGame), roleGroup_);
  client_->setObjectName("RadioClient");
  auto* roles = new QVBoxLayout(roleGroup_);
  roles->addWidget(server_);
  roles->addWidget(client_);
  help_ = new QPushButton(QStringLiteral("?"), this);
  help_->setObjectName("ButtonHelp");
  help_->setFixedWidth(QFontMetrics(help_->font()).height() * 2);
  help_->setAutoDefault(false);
  grid->addWidget(roleGroup_, 0, 0, 1, 2);
  grid->addWidget(help_, 0, 2, Qt::AlignTop | Qt::AlignRight);

  addressLabel_ = new QLabel(WordText(kWordEnterServerIp), this);
  addressLabel_->setObjectName("LabelIP");
  address_ = new QLineEdit(this);
  address_->setObjectName("EditIP");
  address_->setMaxLength(kAddressLimit);
  grid->addWidget(addressLabel_, 1, 0);
  grid->addWidget(address_, 1, 1, 1, 2);

  auto* portLabel = new QLabel(WordText(kWordEnterServerPort), this);
  portLabel->setObjectName("LabelPort");
  port_ = new QLineEdit(this);
  port_->setObjectName("EditPort");
  port_->setMaxLength(kPortLimit);
  port_->setText(Q(settings_.ServerPort));
  grid->addWidget(portLabel, 2, 0);
  grid->addWidget(port_, 2, 1, 1, 2);

  // A LAN session is played in blocks of three kons; the box only tells it.
  auto* gamesLabel = new QLabel(WordText(kWordNumberGames), this);
  gamesLabel->setObjectName("LabelNumberGames");
  gamesLabel->setEnabled(false);
  numberGames_ = new QLineEdit(QString::number(kBlockKons), this);
  numberGames_->setObjectName("EditNumberGames");
  numberGames_->setEnabled(false);
  grid->addWidget(gamesLabel, 3, 0);
  grid->addWidget(numberGames_, 3, 1, 1, 2);

  ownAddresses_ = new QPushButton(WordText(kWordGetIpAddresses), this);
  ownAddresses_->setObjectName("ButtonOwnAddresses");
  ownAddresses_->setAutoDefault(false);
  grid->addWidget(ownAddresses_, 4, 0, 1, 3);

  auto* boxes = new QGridLayout();
  const int boxWidth = QFontMetrics(font()).horizontalAdvance(QStringLiteral("255.255.255.255 "));
  for (int i = 0; i < net::kAddressBoxes; ++i) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("EditAddress%1").arg(i + 1));
    box->setReadOnly(true);
    box->setMinimumWidth(boxWidth);
    box->hide();
    boxes->addWidget(box, i / 3, i % 3);
    addressBoxes_[static_cast<std::size_t>(i)] = box;
  }
  grid->addLayout(boxes, 5, 0, 1, 3);
  grid->setColumnStretch(1, 1);

  server_->setChecked(true);
  OnRoleChanged();

  connect(server_, &QRadioButton::toggled, this, [this] { OnRoleChanged(); });
  connect(address_, &QLineEdit::textChanged, this,
          [this](const QString& text) { OnAddressEdited(text); });
  connect(port_, &QLineEdit::textChanged, this,
          [this](const QString& text) { OnPortEdited(text); });
  connect(ownAddresses_, &QPushButton::clicked, this, [this] { ShowOwnAddresses(); });
  connect(help_, &QPushButton::clicked, this, [this] { OpenHelp(); });
}

int LanStartFields::NetRole() const {
  return client_->isChecked() ? kRoleClient : kRoleServer;
}

void LanStartFields::SetNetRole(int role) {
  (role >= kRoleClient ? client_ : server_)->setChecked(true);
}

QString LanStartFields::Address() const {
  return address_->text();
}

QString LanStartFields::Port() const {
  return port_->text();
}

void LanStartFields::OnRoleChanged() {
  const bool isClient = NetRole() == kRoleClient;
  addressLabel_->setEnabled(isClient);
  address_->setEnabled(isClient);
  address_->setText(isClient ? Q(settings_.ServerAddress) : QString());
}

void LanStartFields::OnAddressEdited(const QString& text) {
  if (filtering_) return;  // our own correction of the box
  filtering_ = true;
  const net::BoxEdit edit =
      net::FilterAddressBox(text.toStdString(), settings_.ServerAddress, NetRole() == kRoleClient);
  settings_.ServerAddress = edit.stored;
  if (Q(edit.box) != text) address_->setText(Q(edit.box));
  filtering_ = false;
}

void LanStartFields::OnPortEdited(const QString& text) {
  if (filtering_) return;
  filtering_ = true;
  const net::BoxEdit edit = net::FilterPortBox(text.toStdString(), settings_.ServerPort);
  settings_.ServerPort = edit.stored;
  if (Q(edit.box) != text) port_->setText(Q(edit.box));
  filtering_ = false;
}

void LanStartFields::ShowOwnAddresses() {
  const auto boxes = environment_.ownAddresses();
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const net::AddressBox& box = boxes[i];
    QLineEdit* edit = addressBoxes_[i];
    edit->setText(Q(box.text));
    edit->setCursorPosition(0);
    // The loopback's hint is a word of the program; the others are addresses.
    edit->setToolTip(box.hint == net::kLoopbackHint ? WordText(kWordLoopback) : Q(box.hint));
    edit->setVisible(box.shown);
  }
}

void LanStartFields::OpenHelp() {
  environment_.openUrl(RouterHelpUrl(environment_.webAddress));
}

}  // namespace zendral::lan
