#include "app/online/OnlineLink.h"

#include <QCoreApplication>
#include <QThread>

#include "app/online/OnlineText.h"
#include "app/online/TFAcc1.h"
#include "app/online/TFDaily.h"
#include "app/online/TFPassport.h"
#include "app/online/TFWorldSend.h"
#include "app/online/TFWorldTop.h"
#include "game/Scores.h"
#include "online/ServiceAddresses.h"
#include "online/UserFile.h"
#include "present/words/AccountLogInWords.h"
#include "present/words/WordRows.h"

namespace zendral {

using online::AccountState;

// The questions and pauses of the rated game, through the main window.
class OnlineLink::Prompts final : public online::ClubPrompts {
 public:
  explicit Prompts(OnlineLink& link) : link_(link) {}
  void PlaySound(const std::string& name) override {
    if (link_.services_.playSound) link_.services_.playSound(name, false);
  }
  void Pause(int ms) override {
    if (link_.services_.hold) link_.services_.hold(ms);
  }
  bool AskYesNo(Question question) override {
    const QString text =
        question == Question::kSettleRepeat
            ? WordText(kWordCouldNotConnect) + QStringLiteral("\n") + WordText(kWordRepeatQuestion)
            : WordText(kWordCantWriteResult) + QStringLiteral(" ") + WordText(kWordRepeatQuestion);
    return link_.Ui().Ask(text);
  }

 private:
  OnlineLink& link_;
};

namespace {

// The program's client: while it waits, the windows go on painting (no input, no socket
// events, and no second request can start meanwhile).
std::unique_ptr<online::HttpTransport> MakeTransport() {
  auto transport = std::make_unique<online::CurlTransport>();
  transport->SetIdle([] {
    // Only on the windows' thread: the start-up's requests run on a thread of their own.
    const QCoreApplication* app = QCoreApplication::instance();
    if (app != nullptr && QThread::currentThread() == app->thread()) {
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                      QEventLoop::ExcludeSocketNotifiers);
    }
  });
  return transport;
}

}  // namespace

OnlineLink::OnlineLink(GameState& state, Settings& settings, Services services,
                       std::unique_ptr<online::HttpTransport> transport)
    : state_(state),
      settings_(settings),
      services_(std::move(services)),
      transport_(transport ? std::move(transport) : MakeTransport()),
      frame_(*transport_),
      club_(frame_, online::AddressesUnder(online::ServiceBase())) {
  curl_ = dynamic_cast<online::CurlTransport*>(transport_.get());
}

OnlineLink::~OnlineLink() = default;

ServiceAddressDefaults OnlineLink::StoredDefaults() {
  return online::StoredAddressDefaults(online::AddressesUnder(online::ServiceBase()));
}

void OnlineLink::StartUp(SettingsReadStatus status, const std::filesystem::path& programFolder) {
  PrepareStartUp(programFolder);
  RunStartUpRequests(status);
  FinishStartUp();
}

void OnlineLink::PrepareStartUp(const std::filesystem::path& programFolder) {
  programFolder_ = programFolder;
  online::ApplySettingsAddresses(settings_, club_.addresses());
}

void OnlineLink::RunStartUpRequests(SettingsReadStatus status) {
  if (status == SettingsReadStatus::kComplete) club_.ReadPathDirectory();
  club_.StartUpLogIn(online::UserFilePath(programFolder_));
}

void OnlineLink::FinishStartUp() {
  SyncState();
}

void OnlineLink::CancelRequests() {
  if (curl_ != nullptr) curl_->Cancel();
}

OnlineUi OnlineLink::Ui() {
  OnlineUi ui{club_,         settings_,         programFolder_,  services_.message,
              services_.ask, services_.openUrl, services_.modal, nullptr,
              false};
  ui.graphicsPack = services_.graphicsPack && services_.graphicsPack();
  return ui;
}

void OnlineLink::SyncState() {
  state_.AccountState = static_cast<int>(club_.state());
}

bool OnlineLink::LogInAgainIfDropped() {
  if (!club_.logInDropped() || !club_.LogInAgain()) return false;
  SyncState();
  return true;
}

void OnlineLink::TellLoggedInAgain() {
  if (services_.message) {
    services_.message(WordText(kWordLoggedInAgain) + QStringLiteral(" (") +
                          QtText(club_.user().Nick) + QStringLiteral(")"),
                      false);
  }
}

bool OnlineLink::OpenAccount(QWidget* parent) {
  const AccountState before = club_.state();
  const std::string nick = club_.user().Nick;
  if (LogInAgainIfDropped()) TellLoggedInAgain();
  OnlineUi ui = Ui();
  TFAcc1 window(ui, false, state_.GameActive && state_.IsRatedGame(), parent);
  ui.Run(window);
  SyncState();
  return club_.state() != before || club_.user().Nick != nick;
}

bool OnlineLink::ChooseRatedGame(QWidget* parent) {
  if (LogInAgainIfDropped()) TellLoggedInAgain();
  OnlineUi ui = Ui();
  {
    TFAcc1 window(ui, true, false, parent);
    ui.Run(window);
  }
  if (club_.state() != AccountState::asRated) {
    SyncState();
    return false;
  }
  Prompts prompts(*this);
  if (club_.BookRatedGame(prompts) != online::OnlineClub::Booking::kBooked) {
    ui.Message(WordText(kWordCouldNotConnect), true);
    SyncState();
    return false;
  }
  SyncState();
  return true;
}

void OnlineLink::OpenWorldTopTen(QWidget* parent) {
  OnlineUi ui = Ui();
  if (club_.switches().worldTopTenOff) {
    ui.Message(WordText(kWordWorldTopTenUnavailable));
    return;
  }
  TFWorldTop window(ui, TFWorldTop::LastWorldTable(), parent);
  ui.Run(window);
}

void OnlineLink::OpenDaily(QWidget* parent) {
  OnlineUi ui = Ui();
  TFDaily window(ui, parent);
  if (window.StartDeal()) ui.Run(window);
}

void OnlineLink::OpenPassport(QWidget* parent) {
  TFPassport window(settings_, parent);
  Ui().Run(window);
}

std::optional<std::string> OnlineLink::ClubListLine(int mode) {
  if (!club_.LoggedIn() || settings_.NetGame) return std::nullopt;
  club_.ReadResults();
  if (!club_.resultsRead()) return std::nullopt;
  return online::ClubListAccountLine(club_.user().Nick, club_.game(), mode);
}

std::optional<AccountGame> OnlineLink::RatedAccountGame() {
  if (!club_.resultsRead()) return std::nullopt;
  const online::TKovGame& g = club_.game();
  std::string name = club_.user().Nick;
  if (name.size() < 20) name.append(20 - name.size(), ' ');
  return AccountGame{name, g.Kon, g.Score, g.Rating, g.KonL, club_.blockDecks()};
}

std::optional<double> OnlineLink::SettleRatedGame(int sessionScore, int totalScore,
                                                  const std::string& blockMoves) {
  if (club_.state() != AccountState::asRated) return std::nullopt;
  lastTotal_ = totalScore;
  Prompts prompts(*this);
  return club_.SettleRatedGame(sessionScore, totalScore, blockMoves, prompts);
}

void OnlineLink::FileAccountCycle() {
  if (club_.state() == AccountState::asRated && club_.game().KonL == 0) {
    Prompts prompts(*this);
    if (const auto filed = club_.FileAccountCycle(lastTotal_, prompts)) {
      EndOfCycleWindow window = EndOfCycleWindowFor(state_, filed->place, filed->score);
      if (services_.showAccountCycle) services_.showAccountCycle(window, filed->award);
    }
  }
  club_.FinishRatedGame();
  SyncState();
}

void OnlineLink::OfferWorldTopTen(int totalScore) {
  if (club_.state() == AccountState::asRated) return;
  OnlineUi ui = Ui();
  TFWorldSend window(ui, totalScore, nullptr);
  ui.Run(window);
}

// The tournament tables are not part of this program yet.
std::optional<TournamentPlayer> OnlineLink::TournamentRecord() {
  return std::nullopt;
}
std::optional<std::string> OnlineLink::StoreTablePictures(int) {
  return std::nullopt;
}
std::optional<TournamentResult> OnlineLink::TournamentTableResult() {
  return std::nullopt;
}
void OnlineLink::ReopenTournamentWindow() {}

}  // namespace zendral
