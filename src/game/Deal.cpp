#include "Deal.h"

namespace zendral {
namespace {

void FillHand(Hand& hand, const Deck& deck, int firstPosition) {
  hand.Clear();
  for (int i = 1; i <= kHandSize; ++i) hand[i] = deck[firstPosition + i - 1];
  hand.CardCount = kHandSize;
}

}  // namespace

int PlaceReceivedDeck(GameState& state, const Deck& deck, DeckOwner owner) {
  state.DeckCode = deck;
  const bool ownFirstHalf = owner == DeckOwner::kLanClient || owner == DeckOwner::kRelaySeat1;
  FillHand(state.Hands[kSeat1], deck, ownFirstHalf ? kHandSize + 1 : 1);
  FillHand(state.Hands[kSeat2], deck, ownFirstHalf ? 1 : kHandSize + 1);
  SortHand(state.Hands[kSeat1]);
  SortHand(state.Hands[kSeat2]);
  return OpeningSeat(state);
}

int DealFromDeck(GameState& state, const Deck& deck) {
  return PlaceReceivedDeck(state, deck, DeckOwner::kDealer);
}

int ShuffleAndDeal(GameState& state, Random& random) {
  Deck deck;
  ShuffleDeck(deck, random);
  return DealFromDeck(state, deck);
}

}  // namespace zendral
