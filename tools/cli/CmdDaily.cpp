#include "CmdDaily.h"

#include <cstdio>

#include "game/ExpertPlayer.h"
#include "game/KonReplay.h"
#include "game/LeveledKon.h"
#include "game/Solver.h"
#include "online/Daily.h"
#include "present/words/DailyWords.h"
#include "present/words/WordRows.h"

namespace zendral::cli {
namespace {

constexpr int kUsage = 2;
constexpr int kFailed = 1;

int Fail(const TWordRow& message) {
  std::fprintf(stderr, "%s\n", std::string(Word(message, 0)).c_str());
  return kFailed;
}

void PrintTable(const online::DailyTable& table) {
  std::printf("day=%s\n", table.day.c_str());
  if (table.par) std::printf("par=%d\n", *table.par);
  std::printf("players=%d\n", table.players);
  if (table.deck) std::printf("deck=%s\n", DeckNotation(*table.deck).c_str());
  if (table.ownScore) std::printf("own-place=%d\nown-score=%d\n", table.ownPlace, *table.ownScore);
  for (const online::DailyRow& r : table.rows) {
    std::printf("%d\t%d\t%s\t%s\t%s\t%d\t%s\n", r.place, r.score, r.nick.c_str(), r.country.c_str(),
                r.city.c_str(), r.distance, r.time.c_str());
  }
}

// The member's kon: seat 1 the classic player, seat 2 the classic player or the expert; the
// moves of both seats in turn, as the settlement carries them.
PlayedKon PlayDailyKon(const Deck& deck, bool expert) {
  PlayedKon played;
  Solver solver(std::size_t{16} << 20);
  const auto recorded = [&played](const KonState& state, int seat, int slot) {
    played.moves.push_back(slot == 0 ? KonMove{true, kEmptyCard}
                                     : KonMove{false, state.Hands[seat][slot]});
    return slot;
  };
  const SeatChooser classic = [&](const KonState& state, int seat) {
    return recorded(state, seat, ClassicChoice(state, seat));
  };
  const SeatChooser strong = [&](const KonState& state, int seat) {
    return recorded(state, seat, ChooseExpertMove(solver, state, seat));
  };
  PlayKonFromDeck(played.kon, deck, SeatArray<SeatChooser>{{classic, expert ? strong : classic}});
  return played;
}

}  // namespace

int OnlineDaily(online::RequestFrame& frame, online::OnlineClub& club,
                const std::vector<std::string>& words, bool expert) {
  if (words.size() != 3) return kUsage;
  if (!club.LogIn(words[1], words[2])) return Fail(kWordLoginFailed);
  const std::string& records = club.addresses().records;
  const online::DailyStart start = online::StartDaily(frame, records);
  if (start.kind == online::DailyStartKind::kPlayedAlready) {
    Fail(kWordDailyPlayedAlready);
    if (const auto table = online::ReadDailyTable(frame, records)) PrintTable(*table);
    return kFailed;
  }
  if (start.kind != online::DailyStartKind::kDealt) return Fail(kWordCouldNotConnect);
  const PlayedKon kon = PlayDailyKon(start.deck, expert);
  const int score = kon.kon.Score[kSeat2];
  const auto filed = online::SaveDaily(frame, records, KonMovesText(kon.moves), score);
  if (!filed) return Fail(kWordDailyNotFiled);
  std::printf("day: %s\nscore: %d\npar: %d\nplace: %d\nplayers: %d\n", start.day.c_str(),
              filed->score, filed->par, filed->place, filed->players);
  return 0;
}

int OnlineDailyTable(online::RequestFrame& frame, const std::string& recordsAddress,
                     const std::vector<std::string>& words, const std::string& date) {
  if (words.size() != 1) return kUsage;
  const auto table = online::ReadDailyTable(frame, recordsAddress, date);
  if (!table) return Fail(kWordNoConnectMessage);
  PrintTable(*table);
  return 0;
}

}  // namespace zendral::cli
