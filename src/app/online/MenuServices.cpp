#include "app/online/MenuServices.h"

#include <QUrl>
#include <algorithm>

#include "app/online/OnlineText.h"
#include "app/online/TFNews.h"
#include "app/online/TFStatistics.h"
#include "app/online/TFormChat.h"
#include "online/Accounts.h"
#include "online/ChatNews.h"
#include "online/Results.h"
#include "online/Statistics.h"
#include "online/UserFile.h"
#include "present/words/WordRows.h"

namespace zendral {

void MenuServices::CountStart(const std::string& distributionMark) {
  if (startCounted_) return;
  TakeStartCount(SendStartCount(distributionMark, link_.Ui().settings.InstallCounted));
}

online::StartCount MenuServices::SendStartCount(const std::string& distributionMark,
                                                bool installCounted) {
  startCounted_ = true;
  online::OnlineClub& club = link_.Club();
  return online::CountProgramStart(club.frame(), club.addresses().statistics, online::kGameId,
                                   distributionMark, installCounted);
}

void MenuServices::TakeStartCount(const online::StartCount& count) {
  if (!count.sent) return;
  OnlineUi ui = link_.Ui();
  ui.settings.InstallCounted = count.installCounted;
  if (!SaveSettings(ui.programFolder / kSettingsFileName, ui.settings)) {
    ui.Message(WordText(kWordCantSaveOptions), true);
  }
}

void MenuServices::ReportGame(const GameCounters& counters) {
  OnlineUi ui = link_.Ui();
  online::SendCounters(ui.club.frame(), ui.club.addresses().statistics, online::kGameId, counters);
}

void MenuServices::OpenStatistics(QWidget* parent) {
  OnlineUi ui = link_.Ui();
  TFStatistics window(ui, parent);
  ui.Run(window);
}

std::filesystem::path MenuServices::MarksFolder() {
  return online::UserFilePath(link_.Ui().programFolder).parent_path();
}

bool MenuServices::CheckChat() {
  online::OnlineClub& club = link_.Club();
  chatPending_ =
      online::CheckChat(club.frame(), club.addresses().records, MarksFolder()).newMessage;
  return chatPending_;
}

bool MenuServices::CheckNews() {
  online::OnlineClub& club = link_.Club();
  const online::NewsCheck news =
      online::CheckNews(club.frame(), club.addresses().news, MarksFolder());
  latestNews_ = news.latest;
  newsPending_ = news.news;
  return newsPending_;
}

void MenuServices::SignalsChanged() {
  if (hooks_.signalsChanged) hooks_.signalsChanged();
}

void MenuServices::CheckChatAndNews() {
  RunChatAndNewsChecks();
  SignalsChanged();
}

void MenuServices::RunChatAndNewsChecks() {
  CheckNews();
  CheckChat();
}

void MenuServices::ChecksTick(bool menuShown) {
  const MenuChecks::Due due = checks_.OnTick(newsPending_, chatPending_);
  bool changed = false;
  if (due.news && menuShown) changed |= CheckNews();
  if (due.chat && CheckChat()) {
    changed = true;
    if (hooks_.playSound) hooks_.playSound("WToMenK");
    const bool running = hooks_.gameRunning && hooks_.gameRunning();
    if (running && !chatOpen_ && ReadChatFile(MarksFolder()).openOnNew) {
      OpenChat(hooks_.mainWindow ? hooks_.mainWindow() : nullptr);
    }
  }
  if (changed) SignalsChanged();
}

void MenuServices::OpenNews() {
  OnlineUi ui = link_.Ui();
  // The news is shown by the program itself: a browser may be missing, or the system's "open"
  // may report success with nothing shown. The siren goes only once the page was read and its
  // window opens.
  const std::string& address = ui.club.addresses().news;
  const std::optional<std::string> page = ui.club.frame().FetchDocument(address);
  if (!page) {
    ui.Message(WordText(kWordNoConnectMessage), true);
    return;
  }
  // The page read now may already carry an item newer than the last check found.
  latestNews_ = std::max(latestNews_, NewsNumber(*page));
  TFNews window(ui, QString::fromStdString(*page), QUrl(QString::fromStdString(address)),
                hooks_.mainWindow ? hooks_.mainWindow() : nullptr);
  WriteNewsFile(MarksFolder(), latestNews_);
  newsPending_ = false;
  SignalsChanged();
  ui.Run(window);
}

void MenuServices::OpenChat(QWidget* parent) {
  OnlineUi ui = link_.Ui();
  if (ui.club.switches().chatOff) {
    ui.Message(WordText(kWordChatUnavailable));
    return;
  }
  const std::filesystem::path folder = MarksFolder();
  WriteChatFile(folder, ReadChatFile(folder));
  chatPending_ = false;
  SignalsChanged();
  chatOpen_ = true;
  {
    TFormChat window(ui, folder, parent);
    ui.Run(window);
    window.KeepNewestAsSeen();  // however the window was closed
  }
  chatOpen_ = false;
  chatPending_ = false;
  SignalsChanged();
}

namespace {

// The world tables of the indicator: this edition's cycles, the other platform's, the rated games.
using online::kAccountTable;
using online::kAndroidTable;
using online::kWindowsTable;

std::optional<std::optional<TTopRow>> FirstRow(online::RequestFrame& frame,
                                               const std::string& address, int table) {
  frame.UseTableReadTimeout();
  const auto rows = online::ReadWorldTable(frame, address, table);
  if (!rows) return std::nullopt;
  if (rows->empty() || rows->front().IsEmpty()) return std::optional<TTopRow>{};
  const online::TKovRecord& first = rows->front();
  return std::optional<TTopRow>{TTopRow{first.Score, first.Nick, first.Country}};
}

}  // namespace

bool MenuServices::IndicatorReadDue(bool menuAppeared, Clock::time_point now) const {
  return menuAppeared || !indicatorRead_ || now - *indicatorRead_ >= kIndicatorReadInterval;
}

TIndicatorData MenuServices::ReadIndicatorData(Clock::time_point now) {
  indicatorRead_ = now;
  online::OnlineClub& club = link_.Club();
  online::RequestFrame& frame = club.frame();
  TIndicatorData data;
  data.loggedIn = club.LoggedIn();
  // Each read is bounded, but seven of them against a network that swallows requests would hold
  // the menu seven times as long: a read that failed only after waiting ends the round, and the
  // values not read show their failure texts.
  bool networkDead = false;
  const auto read = [&](auto&& request) {
    using Result = decltype(request());
    if (networkDead) return Result{};
    frame.UseTableReadTimeout();
    const auto started = std::chrono::steady_clock::now();
    Result result = request();
    if (!result && std::chrono::steady_clock::now() - started > std::chrono::seconds(1)) {
      networkDead = true;
    }
    return result;
  };
  if (const auto sums = read([&] {
        return online::ReadStatistics(frame, club.addresses().statistics, online::kGameId);
      })) {
    data.gamesWithPc = sums->StatX[0];
    data.pcWins = sums->StatX[2];
    data.pcLosses = sums->StatX[3];
  }
  const std::string& records = club.addresses().records;
  data.bestWindows = read([&] { return FirstRow(frame, records, kWindowsTable); });
  data.bestAndroid = read([&] { return FirstRow(frame, records, kAndroidTable); });
  data.bestAccount = read([&] { return FirstRow(frame, records, kAccountTable); });
  if (data.loggedIn) data.balance = read([&] { return club.ReadBalance(); });
  data.clubMembers = read([&] { return online::ReadMemberCount(frame, club.addresses().account); });
  return data;
}

}  // namespace zendral
