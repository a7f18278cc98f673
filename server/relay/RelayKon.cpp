#include "relay/RelayKon.h"

namespace zendral::server::relay {

RelayKon::RelayKon(const Deck& deck) {
  DealKonCards(kon_, deck);
  opener_ = kon_.TurnState;
}

bool RelayKon::Begin(int seat) {
  return seat == opener_ && !BeginKon(kon_).Refused();
}

bool RelayKon::Move(int seat, int slot) {
  if (PlayKonCard(kon_, seat, slot).Refused()) return false;
  // The relay pays out the moment the kon is over; the programs settle on their own clicks.
  if (kon_.TurnState == ksKonOver) SettleKon(kon_);
  return true;
}

bool RelayKon::Pass(int seat) {
  return !PassKon(kon_, seat).Refused();
}

void RelayKon::Forfeit(int loser) {
  ForfeitKon(kon_, loser);
}

}  // namespace zendral::server::relay
