#pragma once
// Lists of cards written for people: codes in card notation or Cyrillic, separated by
// spaces or commas ("9d Td, Jh" or "9б 1б Вч").

#include <string>
#include <string_view>
#include <vector>

#include "Card.h"
#include "Hand.h"

namespace zendral {

struct CardListResult {
  std::vector<TCardCode> cards;
  std::string error;  // empty on success: names the first word that is no card
};

CardListResult ParseCardList(std::string_view text);

// A sorted hand holding the cards (at most 36; a test or tool helper).
Hand MakeHand(const std::vector<TCardCode>& cards);

}  // namespace zendral
