#include "CardList.h"

namespace zendral {

CardListResult ParseCardList(std::string_view text) {
  CardListResult result;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] == ' ' || text[pos] == ',' || text[pos] == '\t') {
      ++pos;
      continue;
    }
    std::size_t end = pos;
    while (end < text.size() && text[end] != ' ' && text[end] != ',' && text[end] != '\t') ++end;
    const std::string_view word = text.substr(pos, end - pos);
    const auto card = FromNotation(word);
    if (!card) {
      result.error = "unknown card code '" + std::string(word) + "'";
      result.cards.clear();
      return result;
    }
    result.cards.push_back(*card);
    pos = end;
  }
  return result;
}

Hand MakeHand(const std::vector<TCardCode>& cards) {
  Hand hand;
  int slot = 1;
  for (const TCardCode card : cards) {
    if (slot > kHandSlots) break;
    hand[slot++] = card;
  }
  SortHand(hand);
  return hand;
}

}  // namespace zendral
