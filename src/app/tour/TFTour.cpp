#include "app/tour/TFTour.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTcpSocket>
#include <QTimer>
#include <QVBoxLayout>

#include "app/windows/WindowTexts.h"
#include "net/RelayPeerLink.h"
#include "online/Results.h"
#include "present/draw/CardImages.h"
#include "present/words/PlayerHintWords.h"
#include "present/words/WordRows.h"

namespace zendral::tour {
namespace {

constexpr int kRefreshMs = 10000;
constexpr int kCheckMs = 1000;
constexpr std::string_view kWrongSound = "WWrongs";

QFont WindowFont(int pixels, bool bold = false) {
  QFont font(QStringLiteral("Comic Sans MS"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// "GTourOn" / "GTourOff" of the graphics pack, or a lamp of our own.
QPixmap ServerLamp(bool on) {
  const QImage picture =
      LoadArtPicture(on ? QStringLiteral("GTourOn") : QStringLiteral("GTourOff"));
  if (!picture.isNull()) {
    return QPixmap::fromImage(
        picture.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }
  QPixmap lamp(64, 64);
  lamp.fill(Qt::transparent);
  QPainter p(&lamp);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 40, 40), 3));
  p.setBrush(on ? QColor(40, 200, 60) : QColor(200, 40, 40));
  p.drawEllipse(QRectF(6, 6, 52, 52));
  p.setBrush(QColor(255, 255, 255, 110));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QRectF(16, 13, 18, 12));
  return lamp;
}

QString Caption(const online::SeatButton& b) {
  switch (b.caption) {
    case online::SeatCaption::kLogOff:
      return WordText(kWordLogOff);
    case online::SeatCaption::kHolder:
      return QtText(b.holder);
    case online::SeatCaption::kTakePlace:
      return WordText(kWordTakePlace);
    case online::SeatCaption::kFree:
      return WordText(kWordFree);
    case online::SeatCaption::kServerOff:
      return WordText(kWordServerOff);
  }
  return {};
}

}  // namespace

TFTour::TFTour(TourEnvironment environment, TourSession& session, QWidget* parent)
    : QDialog(parent), env_(std::move(environment)), session_(session) {
  setObjectName("TFTour");
  setWindowTitle(WordText(kWordOnlineTournament));
  setFont(WindowFont(14));
  auto* root = new QVBoxLayout(this);

  // The player's panel, and the server beside it.
  auto* top = new QHBoxLayout;
  auto* panel = new QGridLayout;
  const TWordRow* rows[] = {&kWordNick,   &kWordYourScore, &kWordYourPlace,
                            &kWordRating, &kWordGame,      &kWordCity};
  for (int i = 0; i < 6; ++i) {
    auto* name = new QLabel(WordText(*rows[i]) + QStringLiteral(":"), this);
    values_[static_cast<std::size_t>(i)] = new QLabel(this);
    values_[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("PlayerValue%1").arg(i + 1));
    values_[static_cast<std::size_t>(i)]->setFont(WindowFont(14, true));
    panel->addWidget(name, i, 0);
    panel->addWidget(values_[static_cast<std::size_t>(i)], i, 1);
  }
  top->addLayout(panel);
  top->addSpacing(20);
  server_ = new QLabel(this);
  server_->setObjectName("ServerPicture");
  server_->setFixedSize(64, 64);
  top->addWidget(server_, 0, Qt::AlignTop);
  welcome_ = new QLabel(this);
  welcome_->setObjectName("Welcome");
  welcome_->setWordWrap(true);
  welcome_->setMinimumWidth(420);
  welcome_->setStyleSheet(QStringLiteral("color: rgb(0, 0, 128);"));
  top->addWidget(welcome_, 1);
  root->addLayout(top);

  // The ten tables in two columns.
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  for (int k = 1; k <= online::kTourTables; ++k) {
    const int column = (k - 1) / 5 * 3;
    const int row = (k - 1) % 5;
    auto* label =
        new QLabel(WordText(kWordTable) + QStringLiteral(" № ") + QString::number(k), this);
    label->setObjectName(QStringLiteral("TableLabel%1").arg(k));
    label->setToolTip(WordText(kWordRules) + QStringLiteral(": ") + WordText(kWordNoOptions));
    label->setFont(WindowFont(14, true));
    tableLabels_[static_cast<std::size_t>(k - 1)] = label;
    grid->addWidget(label, row, column);
    for (int seat = 1; seat <= 2; ++seat) {
      auto* button = new QPushButton(WordText(kWordServerOff), this);
      button->setObjectName(QStringLiteral("Seat%1_%2").arg(k).arg(seat));
      button->setFixedSize(170, 30);
      button->setEnabled(false);
      connect(button, &QPushButton::clicked, this,
              [this, k, seat] { Request([this, k, seat] { SeatClicked(k, seat); }); });
      seats_[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(seat - 1)] = button;
      grid->addWidget(button, row, column + seat);
    }
  }
  grid->setColumnMinimumWidth(3, 40);
  root->addLayout(grid);

  waitClock_ = new QLabel(this);
  waitClock_->setObjectName("WaitClock");
  waitClock_->setFont(WindowFont(16, true));
  waitClock_->setStyleSheet(QStringLiteral("color: rgb(0, 0, 128);"));
  waitClock_->setAlignment(Qt::AlignCenter);
  waitClock_->hide();
  root->addWidget(waitClock_);

  auto* buttons = new QHBoxLayout;
  refresh_ = new QPushButton(WordText(kWordRefresh), this);
  refresh_->setObjectName("RefreshButton");
  top_ = new QPushButton(WordText(kWordTop10), this);
  top_->setObjectName("Top10Button");
  close_ = new QPushButton(WordText(kWordClose), this);
  close_->setObjectName("CloseButton");
  for (QPushButton* b : {refresh_, top_, close_}) {
    b->setFixedSize(140, 34);
    buttons->addWidget(b);
  }
  root->addLayout(buttons);
  connect(refresh_, &QPushButton::clicked, this, [this] { Request([this] { RefreshTables(); }); });
  connect(top_, &QPushButton::clicked, this, [this] {
    if (env_.openTopTen) env_.openTopTen(this);
  });
  connect(close_, &QPushButton::clicked, this, [this] { reject(); });

  refreshTimer_ = new QTimer(this);
  refreshTimer_->setObjectName("TimerRefresh");
  refreshTimer_->setInterval(kRefreshMs);
  // A timer that finds another request of the program on its way (the menu's news check, say)
  // waits for its next turn: a request started inside that one would only fail.
  connect(refreshTimer_, &QTimer::timeout, this, [this] {
    if (!env_.frame.Busy()) Request([this] { RefreshTables(); });
  });
  checkTimer_ = new QTimer(this);
  checkTimer_->setObjectName("TimerCheck");
  checkTimer_->setInterval(kCheckMs);
  connect(checkTimer_, &QTimer::timeout, this, [this] {
    CountWait();
    if (!env_.frame.Busy()) Request([this] { CheckConnection(); });
  });
}

template <typename F>
void TFTour::Request(F&& work) {
  if (requesting_) return;
  requesting_ = true;
  env_.relay.Call([&] { work(); });
  requesting_ = false;
}

QPushButton* TFTour::SeatButton(int table, int seat) const {
  return seats_[static_cast<std::size_t>(table - 1)][static_cast<std::size_t>(seat - 1)];
}

void TFTour::OpenTournament() {
  session_.booking = {};
  env_.relay.ClearSocketError();
  refreshTimer_->start();
  checkTimer_->start();
  online::TKovClient& p = session_.player;
  p = {};
  p.Nick = env_.nick;
  const bool read =
      online::ReadTournamentRating(env_.frame, env_.addresses.tournament, p.Nick, p).has_value();
  p.Country = env_.country;
  p.City = env_.city;
  p.Sex = env_.sex;
  if (const auto ip = env_.frame.FetchDocument(env_.addresses.ownAddress)) p.IP = *ip;
  std::optional<int> place;
  if (read) {
    const int found = online::ReadTournamentPlace(env_.frame, env_.addresses.tournament, 's',
                                                  std::to_string(p.Score));
    if (found >= 0) place = found;
  }
  ShowPlayer(place);
  RefreshTables();
}

void TFTour::ShowPlayer(std::optional<int> place) {
  const online::TKovClient& p = session_.player;
  values_[0]->setText(QtText(p.Nick));
  values_[1]->setText(QString::number(p.Score));
  values_[2]->setText(place ? QString::number(*place) : WordText(kWordNoConnect));
  values_[3]->setText(QString::number(p.Rating));
  values_[4]->setText(QString::number(p.Kon));
  values_[5]->setText(QtText(p.City));
}

void TFTour::RefreshTables() {
  const auto tables = online::ReadTables(env_.frame, env_.addresses.tournament);
  const auto info = online::ReadServerInfo(env_.frame, env_.addresses.tournament);
  const bool answered = tables.has_value() && info.has_value();
  session_.serverState = info ? info->state : protocol::tour::kOff;
  if (Holding() && !answered && RelayLinked()) {
    // The server was not heard this time, but its relay still holds the own connection: the
    // seat is still there, and so is the lock. The next refresh asks again.
    ShowWelcome(info);
    return;
  }
  serverOn_ = answered && info->On();
  tables_ = tables.value_or(std::vector<online::TKovTable>{});
  if (!tables_.empty()) {
    session_.relayHost = tables_.front().IP;
    session_.relayBase = tables_.front().Port - 1;
  }
  if (Holding()) {
    KeepBookingInStep(answered);
  } else if (serverOn_) {
    TakeUpListedSeat();
  }
  ShowSeats();
  ShowWelcome(info);
}

bool TFTour::RelayLinked() const {
  return env_.relay.Socket()->state() != QAbstractSocket::UnconnectedState;
}

const online::TKovClient* TFTour::Listed(int table, int seat) const {
  if (table < 1 || static_cast<std::size_t>(table) > tables_.size()) return nullptr;
  const online::TKovTable& t = tables_[static_cast<std::size_t>(table - 1)];
  return seat == 1 ? &t.Seat1 : &t.Seat2;
}

void TFTour::KeepBookingInStep(bool answered) {
  const online::TourBooking held = session_.booking;
  const bool linked = RelayLinked();
  if (!answered) {
    // Neither the server nor its relay is there: the seat went with them (a server that comes
    // back frees seats nobody is connected to). Given back as far as it can be.
    ReleaseOnService(held);
    session_.booking = {};
    Tell(WordText(kWordServerConnectionError));
    return;
  }
  const online::TKovClient* listed = Listed(held.table, held.seat);
  if (listed == nullptr || listed->Nick != session_.player.Nick) {
    // The server no longer keeps the seat for this player: nobody came within its waiting
    // time (or it let an unconnected booking go). The relay link has nothing more to say.
    session_.booking = {};
    env_.relay.Close();
    Tell(WordText(kWordSeatFreedByServer));
    return;
  }
  if (serverOn_ && linked) return;  // waiting, as the server sees it too
  // The server was switched off, or the relay link broke: the seat is given back. Only when
  // the server says it is free again does the window let go of it.
  if (ReleaseOnService(held) != online::kSeatDone) return;
  session_.booking = {};
  env_.relay.Close();
  if (!linked) Tell(WordText(kWordServerConnectionError));
}

int TFTour::ReleaseOnService(const online::TourBooking& held) {
  const int result =
      online::SeatRequest(env_.frame, env_.addresses.tournament, held.table, held.seat,
                          online::kSeatRelease, online::NobodyClient("M"));
  if (held.seat == 1) {
    online::SeatRequest(env_.frame, env_.addresses.tournament, held.table, 2, online::kSeatRelease,
                        online::NobodyClient("M"));
  }
  return result;
}

void TFTour::TakeUpListedSeat() {
  // A seat the server keeps under this player's nick (a booking whose answer got lost, or an
  // earlier window's) is this window's: it shows "Log off" and the relay link is made for it.
  // Only a lone seat: beside another player a deal is under way.
  for (int k = 1; k <= static_cast<int>(tables_.size()); ++k) {
    for (int seat = 1; seat <= 2; ++seat) {
      const online::TKovClient* mine = Listed(k, seat);
      const online::TKovClient* other = Listed(k, seat == 1 ? 2 : 1);
      if (mine->Nick != session_.player.Nick || session_.player.IsNobody() || !other->IsNobody()) {
        continue;
      }
      session_.booking = {k, seat};
      env_.relay.Open(QString::fromStdString(session_.relayHost),
                      static_cast<quint16>(session_.relayBase + k), seat);
      return;
    }
  }
}

void TFTour::ShowSeats() {
  for (int k = 1; k <= online::kTourTables; ++k) {
    const online::TKovTable table = static_cast<std::size_t>(k) <= tables_.size()
                                        ? tables_[static_cast<std::size_t>(k - 1)]
                                        : online::TKovTable{};
    const auto buttons = online::SeatButtons(table, k, session_.booking, serverOn_);
    for (int seat = 1; seat <= 2; ++seat) {
      const online::SeatButton& b = buttons[static_cast<std::size_t>(seat - 1)];
      SeatButton(k, seat)->setText(Caption(b));
      SeatButton(k, seat)->setEnabled(b.enabled);
    }
  }
  server_->setPixmap(ServerLamp(serverOn_));
  server_->setToolTip(WordText(kWordServer) + QStringLiteral(": ") +
                      WordText(serverOn_ ? kWordOn : kWordOff));
  const bool locked = Holding() && serverOn_;
  refresh_->setEnabled(!locked);
  close_->setEnabled(!locked);
  top_->setEnabled(!locked);
  // The server's own count of the lone wait, carried on by the window between refreshes.
  waitLeft_.reset();
  if (const online::TKovClient* other =
          Holding() ? Listed(session_.booking.table, session_.booking.seat == 1 ? 2 : 1) : nullptr;
      other != nullptr && other->IsNobody()) {
    waitLeft_ = std::max(0, tables_[static_cast<std::size_t>(session_.booking.table - 1)].R1);
  }
  ShowWait();
}

void TFTour::ShowWelcome(const std::optional<online::TourServerInfo>& info) {
  if (info) {
    QString text = QtText(info->welcome);
    text.replace('_', ' ');
    welcome_->setFont(WindowFont(text.size() > 54 ? 20 : text.size() > 39 ? 24 : 28, true));
    welcome_->setText(text);
  } else {
    welcome_->setFont(WindowFont(28, true));
    welcome_->setText(WordText(kWordNoConnect));
  }
}

void TFTour::CountWait() {
  if (!waitLeft_ || !Holding()) return;
  // At 0 the window goes on waiting for the server, which frees the seat and says so.
  if (*waitLeft_ > 0) --*waitLeft_;
  ShowWait();
}

void TFTour::ShowWait() {
  waitClock_->setVisible(waitLeft_.has_value() && Holding());
  if (!waitLeft_) return;
  waitClock_->setText(
      WordText(kWordWaitingForOpponent) + QStringLiteral(" ") +
      QStringLiteral("%1:%2").arg(*waitLeft_ / 60).arg(*waitLeft_ % 60, 2, 10, QLatin1Char('0')));
}

void TFTour::Tell(const QString& text) {
  if (env_.attention) env_.attention(text);
}

void TFTour::SeatClicked(int table, int seat) {
  if (session_.booking.table == table && session_.booking.seat == seat) {
    LeaveSeat();
  } else if (!Holding()) {
    BookSeat(table, seat);
  }
}

void TFTour::BookSeat(int table, int seat) {
  if (seat == 2) {
    const auto holder = online::ReadSeatHolder(env_.frame, env_.addresses.tournament, table, 1);
    if (holder && online::SameAddressRefused(holder->IP, session_.player.IP, session_.relayHost)) {
      if (env_.attention) env_.attention(WordText(kWordTableOccupiedByIp));
      return;
    }
  }
  const int result = online::SeatRequest(env_.frame, env_.addresses.tournament, table, seat,
                                         online::kSeatTake, session_.player);
  if (result != online::kSeatDone) {
    if (env_.playSound) env_.playSound(kWrongSound);
  } else {
    session_.booking = {table, seat};
    env_.relay.Open(QString::fromStdString(session_.relayHost),
                    static_cast<quint16>(session_.relayBase + table), seat);
  }
  RefreshTables();
}

void TFTour::LeaveSeat() {
  if (!Holding()) return;
  const int result =
      online::SeatRequest(env_.frame, env_.addresses.tournament, session_.booking.table,
                          session_.booking.seat, online::kSeatLeave, online::NobodyClient("X"));
  if (result != online::kSeatDone) {
    if (env_.playSound) env_.playSound(kWrongSound);
    return;
  }
  session_.booking = {};
  env_.relay.Leave();
  RefreshTables();
}

void TFTour::ReleaseSeat() {
  if (!Holding()) return;
  if (ReleaseOnService(session_.booking) != online::kSeatDone) return;
  session_.booking = {};
  env_.relay.Close();
  RefreshTables();
}

void TFTour::CheckConnection() {
  if (!Holding() || !env_.relay.SocketErrorSeen()) return;
  env_.relay.ClearSocketError();
  // The relay link broke: what became of the seat is the server's to say.
  RefreshTables();
}

void TFTour::reject() {
  // A held seat keeps the window open: the seat is left with "Log off" first.
  if (Holding()) return;
  QDialog::reject();
}

void TFTour::closeEvent(QCloseEvent* event) {
  if (Holding()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TFTour::done(int result) {
  refreshTimer_->stop();
  checkTimer_->stop();
  QDialog::done(result);
}

}  // namespace zendral::tour
