#include "online/Statistics.h"

#include "online/Numbers.h"
#include "online/Reply.h"
#include "protocol/Keys.h"

namespace zendral::online {

namespace field = protocol::field;
namespace op = protocol::op;
namespace {

int IntToken(const Tokens& tokens, std::size_t i) {
  return ParseIntToken(TokenAt(tokens, i)).value_or(0);
}

bool Acknowledged(const std::optional<std::string>& reply) {
  return reply && ReplyTrailingAck(*reply);
}

}  // namespace

TKovStat ReadStatisticsReply(const std::string& reply, int gid) {
  TKovStat s;
  s.GID = gid;
  const auto records = ReplySegments(reply, ' ', 1);
  if (records.empty()) return s;
  const Tokens& t = records.front();
  s.Stat1 = IntToken(t, 1);
  s.Stat2 = IntToken(t, 2);
  s.Stat3 = IntToken(t, 3);
  s.Stat4 = TokenAt(t, 4);
  for (std::size_t i = 0; i < s.StatX.size(); ++i) s.StatX[i] = IntToken(t, 5 + i);
  s.StatY = IntToken(t, 17);
  s.StatZ = TokenAt(t, 18);
  return s;
}

std::optional<TKovStat> ReadStatistics(RequestFrame& frame, const std::string& address, int gid) {
  frame.UseTableReadTimeout();
  const auto reply = frame.PostFormRequest(address, {{field::kGameId, std::to_string(gid)}});
  if (!reply) return std::nullopt;
  return ReadStatisticsReply(*reply, gid);
}

Fields CountStartFields(int gid, bool firstStart) {
  return {{field::kGameId, std::to_string(gid)},
          {op::kCountStart, "1"},
          {field::kStartCounted, firstStart ? "1" : "0"}};
}

bool CountStart(RequestFrame& frame, const std::string& address, int gid, bool firstStart) {
  return Acknowledged(frame.PostRawRequest(address, CountStartFields(gid, firstStart)));
}

Fields LikeFields(int gid, const std::string& name) {
  return {{field::kGameId, std::to_string(gid)}, {op::kLike, "1"}, {field::kLikedName, name}};
}

bool SendLike(RequestFrame& frame, const std::string& address, int gid, const std::string& name) {
  return Acknowledged(frame.PostRawRequest(address, LikeFields(gid, name)));
}

Fields CountersFields(int gid, const GameCounters& counters) {
  Fields fields{{field::kGameId, std::to_string(gid)}};
  for (int i = 1; i <= protocol::kCounterFields; ++i) {
    fields.emplace_back(protocol::CounterField(i), std::to_string(counters(i)));
  }
  return fields;
}

bool SendCounters(RequestFrame& frame, const std::string& address, int gid,
                  const GameCounters& counters) {
  return Acknowledged(frame.PostRawRequest(address, CountersFields(gid, counters)));
}

StartCount CountProgramStart(RequestFrame& frame, const std::string& address, int gid,
                             const std::string& distributionMark, bool installCounted) {
  if (distributionMark != "umk") return {false, installCounted};
  if (installCounted) {
    CountStart(frame, address, gid, false);
    return {true, true};
  }
  return {true, CountStart(frame, address, gid, true)};
}

}  // namespace zendral::online
