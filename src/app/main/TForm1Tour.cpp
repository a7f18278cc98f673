// The main window and the online tournament: the tournament window from the menu, the
// tournament table's driver with the relay as its peer, its chat line and its calls into the
// driver while relay messages wait.

#include "app/main/AppText.h"
#include "app/main/TForm1.h"
#include "app/main/TableWidget.h"
#include "app/online/MenuServices.h"
#include "app/online/OnlineLink.h"
#include "app/online/TFTourTop.h"
#include "app/online/TFWorldTop.h"
#include "app/tour/TourLink.h"
#include "present/draw/TableArt.h"
#include "present/words/WordRows.h"

namespace zendral {

using appmain::Text;

void TForm1::OpenTournament() {
  if (busy_ > 0 || !menuShown_ || !online_) return;
  AwaitOnline();
  PlaySound("WOpenFo", false);
  if (!online_->Club().LoggedIn()) {
    ShowMessage(Text(kWordLogInToAccount), false);
    return;
  }
  if (!tour_) {
    tour::TourLink::Services s;
    s.modal = [this](QDialog& window) { return RunModal(window); };
    s.playSound = [this](std::string_view sound) { PlaySound(sound, false); };
    s.openTopTen = [this](QWidget* parent, const online::TKovClient& player) {
      // With the graphics pack the World Top Ten window shows the tournament among its lists.
      const OnlineUi ui = online_->Ui();
      if (ui.graphicsPack) {
        TFWorldTop world(ui, TFWorldTop::kTournamentList, parent);
        RunModal(world);
        return;
      }
      TFTourTop window(
          online_->Ui(),
          [player](char criterion) -> std::optional<std::string> {
            return std::to_string(criterion == 'r'   ? player.Rating
                                  : criterion == 'k' ? player.Kon
                                                     : player.Score);
          },
          parent);
      RunModal(window);
    };
    s.chatLine = [this](int index, const QString& message) {
      table_->ShowChatLine(index, message);
    };
    s.clockPlace = [this](int seat) {
      if (!art_) return QRect();
      const PixelRect r = art_->place().moveClock[seat];
      return QRect(r.left, r.top, r.width, r.height);
    };
    s.reopen = [this] { OpenTournament(); };
    tour_ = std::make_unique<tour::TourLink>(state_, *table_, table_, online_->Club(), *online_,
                                             std::move(s));
  }
  // A tournament table's driver: the relay is its peer, the tournament its online layer.
  driver_ = std::make_unique<KonDriver>(
      state_, DriverLinks{*table_, random_, &tour_->Relay(), store_.get(), menuServices_.get(),
                          tour_.get()});
  tour_->Relay().Attach(*driver_);
  state_.NetGame = false;
  tour_->OpenWindow(this);
  table_->UpdatePointer();
}

bool TForm1::CallHoldingRelay(const std::function<bool()>& call) {
  if (tour_) return tour_->Relay().Call(call);
  return call();
}

bool TForm1::SendTourChat(const QString& text) {
  return tour_ && tour_->Relay().SendChat(text.toStdString());
}

}  // namespace zendral
