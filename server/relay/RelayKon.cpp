#include "relay/RelayKon.h"

namespace zendral::server::relay {
namespace {

constexpr int kAnte = 2;
constexpr int kPassFine = 2;

int Other(int seat) {
  return seat == 1 ? 2 : 1;
}

}  // namespace

RelayKon::RelayKon(const Deck& deck) {
  for (int seat : {1, 2}) {
    Hand& hand = hands_[Index(seat)];
    hand.Clear();
    for (int i = 1; i <= kHandSize; ++i) hand[i] = deck[(seat - 1) * kHandSize + i];
    hand.CardCount = kHandSize;
    SortHand(hand);
  }
  opener_ = SlotOf(hands_[0], kOpeningCard) != 0 ? 1 : 2;
  turn_ = opener_;
}

bool RelayKon::Begin(int seat) {
  if (step_ != KonStep::kDealt || seat != opener_) return false;
  Fine(1, kAnte);
  Fine(2, kAnte);
  step_ = KonStep::kPlaying;
  return true;
}

bool RelayKon::HasMove(int seat) const {
  const Hand& hand = hands_[Index(seat)];
  for (int slot = 1; slot <= hand.CardCount; ++slot) {
    if (IsPlayableOn(board_, hand[slot])) return true;
  }
  return false;
}

bool RelayKon::Move(int seat, int slot) {
  if (step_ != KonStep::kPlaying || seat != turn_) return false;
  Hand& hand = hands_[Index(seat)];
  if (slot < 1 || slot > hand.CardCount) return false;
  const TCardCode card = hand[slot];
  if (layCounter_ == 1 ? card != kOpeningCard : !IsPlayableOn(board_, card)) return false;
  TakeFromSlot(hand, slot);
  board_.Put(card);
  ++layCounter_;
  turn_ = Other(seat);
  if (hand.CardCount == 0) End(seat);
  return true;
}

bool RelayKon::Pass(int seat) {
  if (step_ != KonStep::kPlaying || seat != turn_ || HasMove(seat)) return false;
  Fine(seat, kPassFine);
  turn_ = Other(seat);
  return true;
}

void RelayKon::Forfeit(int loser) {
  if (step_ == KonStep::kOver) return;
  if (step_ == KonStep::kDealt) {
    Fine(1, kAnte);
    Fine(2, kAnte);
  }
  End(Other(loser));
}

void RelayKon::Fine(int seat, int points) {
  score_[Index(seat)] -= points;
  bank_ += points;
}

void RelayKon::End(int winner) {
  const int loser = Other(winner);
  Fine(loser, hands_[Index(loser)].CardCount);
  score_[Index(winner)] += bank_;
  bank_ = 0;
  winner_ = winner;
  step_ = KonStep::kOver;
}

}  // namespace zendral::server::relay
