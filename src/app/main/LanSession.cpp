#include "app/main/LanSession.h"

#include "app/lan/ExternalAddress.h"
#include "app/main/AppText.h"
#include "app/main/TableWidget.h"
#include "app/main/WindowServices.h"
#include "net/LanLink.h"
#include "net/LanPeerLink.h"
#include "net/LanSetup.h"
#include "present/words/WordRows.h"
#include "store/Settings.h"

namespace zendral {

using appmain::QtText;

LanSession::LanSession(GameState& state, TableWidget& table, Settings& settings,
                       WindowServices& window, std::function<bool(const QUrl&)> openUrl)
    : state_(state),
      table_(table),
      settings_(settings),
      window_(window),
      openUrl_(std::move(openUrl)) {}

LanSession::~LanSession() = default;

std::optional<StartEntry> LanSession::AskStart(const StartPlayer& player) {
  lanPeer_.reset();
  lan_ = std::make_unique<net::LanLink>();
  lan::LanStartEnvironment environment;
  environment.ownAddresses = lan::DefaultOwnAddresses(
      [address = environment.webAddress] { return lan::FetchExternalAddress(address); },
      environment.webAddress);
  if (openUrl_) environment.openUrl = openUrl_;
  StartDialog dialog(player, QtText(settings_.PlayerName),
                     StartLanContext{settings_, *lan_, std::move(environment),
                                     [this](QDialog& w) { return window_.RunModal(w); }},
                     &window_.Window());
  dialog.SetMessageShower([this](const QString& message) { window_.ShowMessage(message, true); });
  if (window_.RunModal(dialog) != QDialog::Accepted) {
    lan_.reset();
    return std::nullopt;
  }
  return dialog.Entry();
}

PeerLink& LanSession::NewPeer() {
  lanPeer_ = std::make_unique<net::LanPeerLink>(*lan_, state_, table_);
  return *lanPeer_;
}

void LanSession::Begin(KonDriver& driver) {
  lanPeer_->Attach(driver);
  lanPeer_->SetChatHandler([this](int index, const std::string& text) {
    table_.ShowChatLine(index, "s" + QtText(text));
  });
  lanPeer_->SetPeerLeftHandler([this](const net::PeerLeftNotice& notice) { ShowPeerLeft(notice); });
  window_.WhileBusy([this] { lanPeer_->StartSession(state_.DialogName); });
  table_.UpdatePointer();
}

void LanSession::ShowPeerLeft(const net::PeerLeftNotice& notice) {
  if (!notice.interrupted) return;
  const std::string text =
      net::InterruptedGameText(Word(notice.peerRole == kRoleClient ? kWordClient : kWordServer),
                               Word(kWordHasInterruptedGame), Word(kWordPressOkToExit));
  window_.ShowMessage(QtText(text), true);
}

bool LanSession::SendChat(const QString& text) {
  if (window_.Busy() || !lanPeer_ || !state_.NetGame || !state_.GameActive) return false;
  return lanPeer_->SendChat(text.toStdString());
}

bool LanSession::InSession() const {
  return lanPeer_ && state_.NetGame;
}

bool LanSession::CallHolding(const std::function<bool()>& call) {
  if (InSession()) return lanPeer_->Call(call);
  return call();
}

void LanSession::OnMenuTick() {
  if (lan_) lan_->OnMenuTick();
}

}  // namespace zendral
