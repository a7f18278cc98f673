#pragma once
// Test doubles for the outside of the rules: they record every call as one line of text,
// so a test can check what was asked and in which order.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "game/OnlineBooking.h"
#include "game/SessionStore.h"
#include "game/StatisticsReport.h"
#include "game/TableView.h"

namespace zendral {

// Readable failure messages for the records a session hands to the store.
inline void PrintTo(const PlayerRecord& r, std::ostream* os) {
  *os << "{" << r.name << ", rating " << r.rating << ", kons " << r.konCount << ", cycle score "
      << r.cycleScore << ", password " << r.password << "}";
}
inline void PrintTo(const HistoryEntry& h, std::ostream* os) {
  *os << "{" << h.HName << ", kons " << h.HKon << ", score " << h.HRes << ", rating " << h.HRei
      << ", kind " << h.Ac << "}";
}

}  // namespace zendral

namespace zendral::testing {

inline const char* CaptionName(MainCaption c) {
  switch (c) {
    case MainCaption::kToBegin:
      return "ToBegin";
    case MainCaption::kPass:
      return "Pass";
    case MainCaption::kTotalOfGame:
      return "TotalOfGame";
    case MainCaption::kNextGame:
      return "NextGame";
  }
  return "?";
}

inline std::string OnOff(bool on) {
  return on ? " on" : " off";
}

class RecordingTable : public TableView {
 public:
  std::vector<std::string> calls;
  std::vector<EndOfCycleWindow> endOfCycleWindows;
  std::vector<TCount> scoreWindows;
  std::vector<int> lastHighlight;

  // Lines of the calls whose text starts with the prefix.
  std::vector<std::string> Matching(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const auto& c : calls) {
      if (c.rfind(prefix, 0) == 0) found.push_back(c);
    }
    return found;
  }

  void ShowTable() override { calls.push_back("show table"); }
  void HideTable() override { calls.push_back("hide table"); }
  void ShowMainMenu() override { calls.push_back("menu"); }
  void SetMenuMusic(bool playing) override { calls.push_back("music" + OnOff(playing)); }
  void SetTablePopupEntries(bool scoreAndExit, bool changeName) override {
    calls.push_back("popup" + OnOff(scoreAndExit) + OnOff(changeName));
  }
  void SetGameTimer(int intervalMs, bool running) override {
    calls.push_back("timer " + std::to_string(intervalMs) + OnOff(running));
  }
  void ShowWaitingBar(bool shown) override { calls.push_back("waiting bar" + OnOff(shown)); }

  void DrawHand(int seat, bool faceUp) override {
    calls.push_back("hand " + std::to_string(seat) + (faceUp ? " up" : " down"));
  }
  void DrawLayout() override { calls.push_back("layout"); }
  void FlyCard(int seat, int slot, TCardCode card) override {
    calls.push_back("fly " + std::to_string(seat) + " " + std::to_string(slot) + " " +
                    ToNotation(card));
  }
  void HighlightCards(const std::vector<int>& playable) override {
    lastHighlight = playable;
    calls.push_back("highlight " + std::to_string(playable.size()));
  }
  void UpdatePointer() override { calls.push_back("pointer"); }
  void SpeakCard(TCardCode card) override { calls.push_back("speak " + ToNotation(card)); }
  void ShowLayoutText(GameText text) override {
    calls.push_back("layout text " + std::to_string(static_cast<int>(text)));
  }

  void DrawScoreTabs(int marker) override { calls.push_back("tabs " + std::to_string(marker)); }
  void DrawKonPanel(const KonPanel& p) override {
    calls.push_back("panel " + std::to_string(p.konsThisSession) + " " + std::to_string(p.bank));
  }
  void SetKonPanelHint(const KonHint& h) override {
    calls.push_back("hint " + std::to_string(h.konNumber) + "/" + std::to_string(h.of));
  }
  void DrawNamePlates(const SeatArray<std::string>& names) override {
    calls.push_back("plates " + names[kSeat1] + "|" + names[kSeat2]);
  }

  void SetMainButton(MainCaption caption, bool enabled) override {
    calls.push_back(std::string("button ") + CaptionName(caption) + OnOff(enabled));
  }
  void SetExitButton(bool enabled) override { calls.push_back("exit" + OnOff(enabled)); }

  void SetChatLine(bool shown, bool enabled) override {
    calls.push_back("chat" + OnOff(shown) + OnOff(enabled));
  }
  void ClearChatPanel() override { calls.push_back("chat clear"); }

  void PlaySound(std::string_view name, bool wait) override {
    calls.push_back("sound " + std::string(name) + (wait ? " wait" : ""));
  }
  void PauseGame(int ms) override { calls.push_back("pause " + std::to_string(ms)); }

  void ShowError(GameText text) override {
    calls.push_back("error " + std::to_string(static_cast<int>(text)));
  }
  void ShowScoreWindow(const std::string& name, const TCount& count) override {
    scoreWindows.push_back(count);
    calls.push_back("score window " + name);
  }
  void ShowEndOfCycleWindow(const EndOfCycleWindow& w) override {
    endOfCycleWindows.push_back(w);
    calls.push_back("end of cycle " + std::to_string(w.place));
  }

  void StartRecording() override { calls.push_back("gif start"); }
  void RedrawTable() override { calls.push_back("redraw"); }
  void CaptureFrame() override { calls.push_back("gif frame"); }
  void WriteRecording() override { calls.push_back("gif write"); }
};

class RecordingPeer : public PeerLink {
 public:
  std::vector<std::string> calls;
  std::vector<Deck> deals;
  void SendToPeer(std::string_view m) override { calls.push_back("peer " + std::string(m)); }
  void SendToRelay(std::string_view m) override { calls.push_back("relay " + std::string(m)); }
  void SendDeal(const Deck& deck) override {
    deals.push_back(deck);
    calls.push_back("deal");
  }
  void StartPeerMoveClock() override { calls.push_back("clock"); }
  void EndRelayTable() override { calls.push_back("table over"); }
  void Close() override { calls.push_back("close"); }
};

// A club file and history in memory.
class RecordingStore : public SessionStore {
 public:
  struct Stored {
    ClubKind club;
    int memberLine;
    PlayerRecord record;
    bool matchComplete;
  };
  std::vector<std::optional<PlayerRecord>> members = std::vector<std::optional<PlayerRecord>>(6);
  std::vector<std::pair<ClubKind, int>> loads;
  std::vector<Stored> stored;
  std::vector<HistoryEntry> history;
  ClubWriteResult writeResult;
  bool historyWritten = true;

  std::optional<PlayerRecord> LoadMember(ClubKind club, int line) override {
    loads.emplace_back(club, line);
    if (line < 1 || line > 5) return std::nullopt;
    return members[static_cast<std::size_t>(line)];
  }
  ClubWriteResult StoreMember(ClubKind club, int memberLine, const PlayerRecord& record,
                              bool matchComplete) override {
    stored.push_back({club, memberLine, record, matchComplete});
    return writeResult;
  }
  std::vector<std::pair<ClubKind, int>> removed;
  bool RemoveMember(ClubKind club, int line) override {
    removed.emplace_back(club, line);
    return true;
  }
  bool AppendHistory(const HistoryEntry& entry) override {
    history.push_back(entry);
    return historyWritten;
  }
};

class RecordingStatistics : public StatisticsReport {
 public:
  std::vector<GameCounters> reports;
  void ReportGame(const GameCounters& counters) override { reports.push_back(counters); }
};

// The club server as a rated game and a tournament table see it.
class FakeOnline : public OnlineBooking {
 public:
  std::optional<AccountGame> account;
  std::optional<double> settledRating;
  std::optional<TournamentPlayer> tournamentPlayer;
  std::optional<std::string> tableName;
  std::optional<TournamentResult> tableResult;
  std::vector<std::string> calls;
  std::string blockMoves;  // as the last settlement sent them

  std::optional<AccountGame> RatedAccountGame() override {
    calls.push_back("account");
    return account;
  }
  std::optional<double> SettleRatedGame(int score, int total, const std::string& moves) override {
    blockMoves = moves;
    calls.push_back("settle " + std::to_string(score) + " " + std::to_string(total));
    return settledRating;
  }
  void FileAccountCycle() override { calls.push_back("file cycle"); }
  void OfferWorldTopTen(int total) override {
    calls.push_back("world top ten " + std::to_string(total));
  }
  std::optional<TournamentPlayer> TournamentRecord() override {
    calls.push_back("tournament record");
    return tournamentPlayer;
  }
  std::optional<std::string> StoreTablePictures(int players) override {
    calls.push_back("pictures " + std::to_string(players));
    return tableName;
  }
  std::optional<TournamentResult> TournamentTableResult() override {
    calls.push_back("table result");
    return tableResult;
  }
  void ReopenTournamentWindow() override { calls.push_back("tournament window"); }
};

}  // namespace zendral::testing
