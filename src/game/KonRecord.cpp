#include "KonRecord.h"

#include "SolverPosition.h"

namespace zendral {

namespace {

bool IsFreshPlay(const KonState& s) {
  return s.KonPhase == kpPlaying && s.LayCounter == 1 && PassesPaid(s, kSeat1) == 0 &&
         PassesPaid(s, kSeat2) == 0 &&
         (s.TurnState == ksSeat1ToMove || s.TurnState == ksSeat2ToMove);
}

bool SameDeal(const KonState& a, const KonState& b) {
  return a.Hands[kSeat1] == b.Hands[kSeat1] && a.Hands[kSeat2] == b.Hands[kSeat2] &&
         a.Board == b.Board;
}

bool SameCards(const KonState& a, const KonState& b) {
  return a.Hands[kSeat1].CardCount == b.Hands[kSeat1].CardCount &&
         a.Hands[kSeat2].CardCount == b.Hands[kSeat2].CardCount &&
         PassesPaid(a, kSeat1) == PassesPaid(b, kSeat1) &&
         PassesPaid(a, kSeat2) == PassesPaid(b, kSeat2);
}

// The moves, turn by turn, that lead from `from` to the cards and fines of `to`: a seat
// without a card to lay paid a fine, any other laid a card that is on the later layout and
// could be laid then. Seen after every move there is one such card; seen seldom, the order of
// the cards is found by trying, so the record replays whatever the order was.
bool CatchUp(KonState& from, const KonState& to, std::vector<RecordedMove>& moves) {
  if (SameCards(from, to)) return true;
  const int seat = from.TurnState;
  if (seat != ksSeat1ToMove && seat != ksSeat2ToMove) return false;
  if (SeatHasNoMove(from, seat)) {
    if (PassesPaid(to, seat) <= PassesPaid(from, seat)) return false;
    KonState next = from;
    PassKon(next, seat);
    moves.push_back({seat, kEmptyCard});
    if (CatchUp(next, to, moves)) {
      from = next;
      return true;
    }
    moves.pop_back();
    return false;
  }
  for (int slot = 1; slot <= from.Hands[seat].CardCount; ++slot) {
    const TCardCode card = from.Hands[seat][slot];
    if (!to.Board.Has(card) || !MayLayFromSlot(from, seat, slot)) continue;
    KonState next = from;
    PlayKonCard(next, seat, slot);
    moves.push_back({seat, card});
    if (CatchUp(next, to, moves)) {
      from = next;
      return true;
    }
    moves.pop_back();
  }
  return false;
}

}  // namespace

void KonMoveRecorder::Reset() {
  recording_ = false;
  record_ = KonRecord{};
}

void KonMoveRecorder::Observe(const KonState& s) {
  if (IsFreshPlay(s) && !(recording_ && SameDeal(record_.start, s) && record_.moves.empty())) {
    recording_ = true;
    record_ = KonRecord{};
    record_.start = s;
    last_ = s;
    return;
  }
  if (!recording_ || record_.over) return;
  if (s.KonPhase == kpDealt || s.TurnState == ksNone) {
    Reset();  // a new deal not begun yet, or the session left
    return;
  }
  std::vector<RecordedMove> moves;
  if (!CatchUp(last_, s, moves)) {
    Reset();  // the state did not come from the recorded one by play
    return;
  }
  record_.moves.insert(record_.moves.end(), moves.begin(), moves.end());
  if (last_.TurnState == ksKonOver) record_.over = true;
}

bool ReplayRecord(const KonRecord& record, KonState& end) {
  end = record.start;
  for (const RecordedMove& m : record.moves) {
    const bool refused =
        m.card.IsEmpty() ? PassKon(end, m.seat).Refused()
                         : PlayKonCard(end, m.seat, SlotOf(end.Hands[m.seat], m.card)).Refused();
    if (refused) return false;
  }
  return true;
}

}  // namespace zendral
