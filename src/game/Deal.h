#pragma once
// The deal of one kon: 18 cards to each seat, the opening seat, the sorted hands.

#include "GameState.h"

namespace zendral {

// Deals deck positions 1..18 to seat 1 and 19..36 to seat 2, sorts both hands and returns
// the opening seat (the holder of the nine of diamonds). The layout is not touched.
int DealFromDeck(GameState& state, const Deck& deck);

// Shuffles a new deck into state.DeckCode and deals it.
int ShuffleAndDeal(GameState& state, Random& random);

// How a deck received from elsewhere is placed so that both programs agree who holds
// which cards: a LAN client and relay seat 1 take positions 1..18 as their own (seat 2)
// hand; relay seat 2 takes 19..36 as its own hand.
enum class DeckOwner { kDealer, kLanClient, kRelaySeat1, kRelaySeat2 };
int PlaceReceivedDeck(GameState& state, const Deck& deck, DeckOwner owner);

}  // namespace zendral
