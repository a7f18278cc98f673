#pragma once
// The moves of one kon as they were played, for its review: the state at the begin of play
// and each lay or pass in order. A recorder watches the kon state from outside the kon
// driver: it is shown the state after anything that may have changed it and works out which
// moves were made since it last looked.

#include <vector>

#include "KonCore.h"

namespace zendral {

struct RecordedMove {
  int seat = 0;
  TCardCode card;  // the empty card for a pass
  friend bool operator==(const RecordedMove&, const RecordedMove&) = default;
};

struct KonRecord {
  KonState start;  // after the ante, the opener to move
  std::vector<RecordedMove> moves;
  bool over = false;  // the kon has ended: the record holds all its moves
};

class KonMoveRecorder {
 public:
  // Call after each event that may change the kon. A fresh deal whose play has begun
  // starts a new record.
  void Observe(const KonState& state);
  const KonRecord& record() const { return record_; }
  // A record whose kon is over, with moves that replay on the kon core to the same end.
  bool HasCompleteRecord() const { return recording_ && record_.over; }
  void Reset();

 private:
  bool recording_ = false;
  KonRecord record_;
  KonState last_;
};

// Replays the record on the kon core into end; false when the core refuses a move.
bool ReplayRecord(const KonRecord& record, KonState& end);

}  // namespace zendral
