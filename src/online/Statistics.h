#pragma once
// The statistics service: the sums of every copy's reports for this game, the count of a
// start, the like, and the per-game counters of a finished session at the table.

#include <array>
#include <optional>
#include <string>

#include "game/StatisticsReport.h"
#include "online/RequestFrame.h"

namespace zendral::online {

struct TKovStat {
  int GID = 0;
  int Stat1 = 0;                // starts
  int Stat2 = 0;                // unique starts
  int Stat3 = 0;                // likes
  std::string Stat4;            // the name given with the last like
  std::array<int, 12> StatX{};  // sums of the counters R1 … R12; StatX[0] is R1
  int StatY = 0;
  std::string StatZ;
  friend bool operator==(const TKovStat&, const TKovStat&) = default;
};

// The sums of the first record of a reply; tokens that are no number leave their field 0.
TKovStat ReadStatisticsReply(const std::string& reply, int gid);
// The sums for the game id; nothing when the request failed. Sets the table read time-out.
std::optional<TKovStat> ReadStatistics(RequestFrame& frame, const std::string& address, int gid);

// A start of the program: every start counts, a first one (firstStart) also as unique.
Fields CountStartFields(int gid, bool firstStart);
bool CountStart(RequestFrame& frame, const std::string& address, int gid, bool firstStart);

// The like, with the passport name.
Fields LikeFields(int gid, const std::string& name);
bool SendLike(RequestFrame& frame, const std::string& address, int gid, const std::string& name);

// The counters of a finished session at the table.
Fields CountersFields(int gid, const GameCounters& counters);
bool SendCounters(RequestFrame& frame, const std::string& address, int gid,
                  const GameCounters& counters);

// What the program does about its start, once per run. The settings' InstallCounted flag is
// the acknowledgement of the unique start; nothing is sent without the "umk" mark.
struct StartCount {
  bool sent = false;           // a request went out (the settings are to be saved)
  bool installCounted = true;  // the flag afterwards
};
StartCount CountProgramStart(RequestFrame& frame, const std::string& address, int gid,
                             const std::string& distributionMark, bool installCounted);

}  // namespace zendral::online
