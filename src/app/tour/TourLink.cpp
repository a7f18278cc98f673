#include "app/tour/TourLink.h"

#include <QTimer>

#include "app/tour/Attention.h"
#include "app/windows/WindowTexts.h"
#include "present/words/WordRows.h"

namespace zendral::tour {

TourLink::TourLink(GameState& state, TableView& view, QWidget* table, online::OnlineClub& club,
                   OnlineBooking& rated, Services services)
    : state_(state),
      club_(club),
      rated_(rated),
      services_(std::move(services)),
      relay_(std::make_unique<net::RelayPeerLink>(state, view)),
      clock1_(new MoveClockView(1, table)),
      clock2_(new MoveClockView(2, table)) {
  using Notice = net::RelayPeerLink::Notice;
  relay_->SetChatHandler([this](int index, const std::string& text) {
    if (services_.chatLine) services_.chatLine(index, QStringLiteral("s") + QtText(text));
  });
  relay_->SetClockHandler([this](int seat, int seconds) {
    if (seat == net::kClockNone) {
      ShowClock(1, -1);
      ShowClock(2, -1);
    } else {
      // The relay's seat 1 clock is the peer's at the top, 2 the own at the bottom.
      ShowClock(seat, seconds);
    }
  });
  relay_->SetNoticeHandler(
      [this](Notice notice, const std::string& peer) { ShowAttention(NoticeLines(notice, peer)); });
  relay_->SetDealHandler([this](bool first) {
    session_.playing = session_.booking;
    session_.booking = {};
    if (first && window_) window_->done(QDialog::Accepted);
  });
}

TourLink::~TourLink() = default;

QStringList TourLink::NoticeLines(net::RelayPeerLink::Notice notice, const std::string& peer) {
  using Notice = net::RelayPeerLink::Notice;
  const QString name = QtText(peer);
  switch (notice) {
    case Notice::kPeerLeft:
      return {WordText(kWordPlayer) + ' ' + name + ' ' + WordText(kWordInterruptedGame),
              WordText(kWordYouWon)};
    case Notice::kPeerTimeUp:
      return {WordText(kWordPlayer) + ' ' + name + ' ' + WordText(kWordTimeIsUp),
              WordText(kWordYouWon)};
    case Notice::kOwnTimeUp:
      return {WordText(kWordYourTimeIsUp), WordText(kWordYouLose)};
    case Notice::kLostConnection:
      return {WordText(kWordLostConnection)};
  }
  return {};
}

void TourLink::ShowAttention(const QStringList& lines) {
  Attention box(lines, window_ ? static_cast<QWidget*>(window_.data()) : clock1_->window());
  if (services_.modal) {
    services_.modal(box);
  } else {
    box.exec();
  }
}

void TourLink::ShowClock(int seat, int seconds) {
  MoveClockView* clock = Clock(seat);
  if (services_.clockPlace) clock->setGeometry(services_.clockPlace(seat));
  clock->Show(seconds);
  clock->setVisible(state_.TourGame || seconds >= 0);
  clock->raise();
}

void TourLink::OpenWindow(QWidget* parent) {
  const online::TKovUser& user = club_.user();
  TourEnvironment environment{club_.frame(),
                              club_.addresses(),
                              user.Nick,
                              user.Country1,
                              user.City,
                              user.Sex,
                              *relay_,
                              services_.playSound,
                              [this](const QString& text) { ShowAttention({text}); },
                              [this](QWidget* over) {
                                if (services_.openTopTen)
                                  services_.openTopTen(over, session_.player);
                              }};
  TFTour window(std::move(environment), session_, parent);
  window_ = &window;
  relay_->Call([&] { window.OpenTournament(); });
  if (services_.modal) {
    services_.modal(window);
  } else {
    window.exec();
  }
  window_ = nullptr;
}

std::optional<TournamentPlayer> TourLink::TournamentRecord() {
  const online::TKovClient& p = session_.player;
  if (p.IsNobody()) return std::nullopt;
  return TournamentPlayer{p.Nick, p.Kon, p.Score, p.Rating};
}

std::optional<std::string> TourLink::StoreTablePictures(int) {
  if (session_.player.IsNobody()) return std::nullopt;
  // The other seat's player, as the service lists the table.
  const online::TourBooking& t = session_.playing;
  if (t.Holds()) {
    if (const auto peer = online::ReadSeatHolder(club_.frame(), club_.addresses().tournament,
                                                 t.table, t.seat == 1 ? 2 : 1)) {
      state_.SeatName[kSeat1] = peer->Nick;
    }
  }
  return session_.player.Nick;
}

std::optional<TournamentResult> TourLink::TournamentTableResult() {
  // The server booked the table from its own record of the kon: the change of the record is
  // this table's result.
  online::TKovClient after = session_.player;
  if (!online::ReadTournamentRating(club_.frame(), club_.addresses().tournament, after.Nick,
                                    after)) {
    return std::nullopt;
  }
  const TournamentResult result{after.Score - session_.player.Score,
                                static_cast<double>(after.Rating)};
  session_.player = after;
  return result;
}

void TourLink::ReopenTournamentWindow() {
  ShowClock(1, -1);
  ShowClock(2, -1);
  clock1_->hide();
  clock2_->hide();
  if (services_.reopen) QTimer::singleShot(0, this, [this] { services_.reopen(); });
}

}  // namespace zendral::tour
