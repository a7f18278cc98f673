#include "app/main/TourSession.h"

#include "app/main/AppText.h"
#include "app/main/TableWidget.h"
#include "app/main/WindowServices.h"
#include "app/online/OnlineLink.h"
#include "app/online/TFTourTop.h"
#include "app/online/TFWorldTop.h"
#include "app/tour/TourLink.h"
#include "present/words/WordRows.h"

namespace zendral {

using appmain::Text;

TourSession::TourSession(GameState& state, TableWidget& table, WindowServices& window, Hooks hooks)
    : state_(state), table_(table), window_(window), hooks_(std::move(hooks)) {}

TourSession::~TourSession() = default;

void TourSession::Open() {
  if (!hooks_.menuIdle()) return;
  OnlineLink& online = hooks_.online();
  window_.PlaySound("WOpenFo", false);
  if (!online.Club().LoggedIn()) {
    window_.ShowMessage(Text(kWordLogInToAccount), false);
    return;
  }
  if (!tour_) {
    tour::TourLink::Services s;
    s.modal = [this](QDialog& w) { return window_.RunModal(w); };
    s.playSound = [this](std::string_view sound) { window_.PlaySound(sound, false); };
    s.openTopTen = [this, &online](QWidget* parent, const online::TKovClient& player) {
      // With the graphics pack the World Top Ten window shows the tournament among its lists.
      const OnlineUi ui = online.Ui();
      if (ui.graphicsPack) {
        TFWorldTop world(ui, TFWorldTop::kTournamentList, parent);
        window_.RunModal(world);
        return;
      }
      TFTourTop window(
          online.Ui(),
          [player](char criterion) -> std::optional<std::string> {
            return std::to_string(criterion == 'r'   ? player.Rating
                                  : criterion == 'k' ? player.Kon
                                                     : player.Score);
          },
          parent);
      window_.RunModal(window);
    };
    s.chatLine = [this](int index, const QString& message) { table_.ShowChatLine(index, message); };
    s.clockPlace = hooks_.clockPlace;
    s.reopen = [this] { Open(); };
    tour_ = std::make_unique<tour::TourLink>(state_, table_, &table_, online.Club(), online,
                                             std::move(s));
  }
  // A tournament table's driver: the relay is its peer, the tournament its online layer.
  KonDriver& driver = hooks_.useDriver(tour_->Relay(), *tour_);
  tour_->Relay().Attach(driver);
  state_.NetGame = false;
  tour_->OpenWindow(&window_.Window());
  table_.UpdatePointer();
}

bool TourSession::CallHolding(const std::function<bool()>& call) {
  if (tour_) return tour_->Relay().Call(call);
  return call();
}

bool TourSession::SendChat(const QString& text) {
  return tour_ && tour_->Relay().SendChat(text.toStdString());
}

}  // namespace zendral
