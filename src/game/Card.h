#pragma once
// A playing card of the 36-card deck as a small value: rank value 1..9 (six … ace)
// and suit row 1..4 (hearts, diamonds, clubs, spades). A default card is empty ("##").

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zendral {

inline constexpr int kRanks = 9;      // six … ace
inline constexpr int kSuits = 4;      // layout rows
inline constexpr int kDeckSize = 36;  // kRanks * kSuits
inline constexpr int kHandSize = 18;  // cards dealt to each seat
inline constexpr int kNineRank = 4;
inline constexpr int kEmptyRankValue = 99;  // rank byte of a slot whose card has left the hand

// Suit rows, in the order of the layout.
inline constexpr int kHearts = 1;
inline constexpr int kDiamonds = 2;
inline constexpr int kClubs = 3;
inline constexpr int kSpades = 4;

struct TCardCode {
  std::uint8_t rank = 0;  // 1 six … 9 ace; 0 for the empty card
  std::uint8_t suit = 0;  // layout row 1..4; 0 for the empty card

  constexpr TCardCode() = default;
  constexpr TCardCode(int rankValue, int suitRow)
      : rank(static_cast<std::uint8_t>(rankValue)), suit(static_cast<std::uint8_t>(suitRow)) {}

  constexpr bool IsEmpty() const { return rank == 0; }
  // The rank byte stored beside the code in decks, hands and deal messages.
  constexpr int RankValue() const { return IsEmpty() ? kEmptyRankValue : rank; }

  friend constexpr bool operator==(TCardCode, TCardCode) = default;
};

inline constexpr TCardCode kEmptyCard{};
inline constexpr TCardCode kOpeningCard{kNineRank, kDiamonds};  // the nine of diamonds opens

// Card number 1..36 of the shuffle: rank (k-1)/4+1, suit (k-1)%4+1.
constexpr TCardCode CardFromNumber(int k) {
  return TCardCode((k - 1) / 4 + 1, (k - 1) % 4 + 1);
}
constexpr int CardNumber(TCardCode c) {
  return (c.rank - 1) * 4 + c.suit;
}

// The two Windows-1251 bytes of a card: rank '6' '7' '8' '9' '1' 0xC2 0xC4 0xCA 0xD2,
// suit 0xF7 0xE1 0xEA 0xEF; "##" is the empty card.
std::string ToCp1251(TCardCode card);
// Accepts exactly two bytes; "##" gives the empty card. Anything else is no card.
std::optional<TCardCode> FromCp1251(std::string_view bytes);

// Notation for people and tools: rank 6 7 8 9 T J Q K A, suit h d c s ("9d"); "--" for empty.
std::string ToNotation(TCardCode card);
// Accepts the Latin form ("9d", "Td", "10d", case-insensitive) and the Cyrillic form in UTF-8
// ("9б", "1б", "Вб", "Дч", "Кк", "Тп").
std::optional<TCardCode> FromNotation(std::string_view text);

}  // namespace zendral
