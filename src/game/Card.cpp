#include "Card.h"

#include <array>
#include <cctype>

namespace zendral {
namespace {

constexpr std::array<unsigned char, kRanks + 1> kRankBytes = {0,   '6',  '7',  '8',  '9',
                                                              '1', 0xC2, 0xC4, 0xCA, 0xD2};
constexpr std::array<unsigned char, kSuits + 1> kSuitBytes = {0, 0xF7, 0xE1, 0xEA, 0xEF};
constexpr std::string_view kLatinRanks = "6789TJQKA";
constexpr std::string_view kLatinSuits = "hdcs";
// UTF-8 of the Cyrillic rank letters В Д К Т and suit letters ч б к п.
constexpr std::array<std::string_view, kRanks + 1> kCyrillicRanks = {
    "", "6", "7", "8", "9", "1", "\xD0\x92", "\xD0\x94", "\xD0\x9A", "\xD0\xA2"};
constexpr std::array<std::string_view, kSuits + 1> kCyrillicSuits = {"", "\xD1\x87", "\xD0\xB1",
                                                                     "\xD0\xBA", "\xD0\xBF"};

int IndexOf(const auto& table, auto value) {
  for (std::size_t i = 1; i < table.size(); ++i) {
    if (table[i] == value) return static_cast<int>(i);
  }
  return 0;
}

// Lower-case Cyrillic letters used for suits are also accepted in upper case (Ч Б К П).
std::string_view LowerCyrillicSuit(std::string_view s) {
  if (s == "\xD0\xA7") return "\xD1\x87";
  if (s == "\xD0\x91") return "\xD0\xB1";
  if (s == "\xD0\x9A") return "\xD0\xBA";
  if (s == "\xD0\x9F") return "\xD0\xBF";
  return s;
}

// Splits off the first character: one byte, or a two-byte UTF-8 sequence.
std::string_view FirstChar(std::string_view text) {
  if (text.empty()) return {};
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead >= 0xC0 && lead < 0xE0 && text.size() >= 2) return text.substr(0, 2);
  return text.substr(0, 1);
}

}  // namespace

std::string ToCp1251(TCardCode card) {
  if (card.IsEmpty()) return "##";
  return {static_cast<char>(kRankBytes[card.rank]), static_cast<char>(kSuitBytes[card.suit])};
}

std::optional<TCardCode> FromCp1251(std::string_view bytes) {
  if (bytes.size() != 2) return std::nullopt;
  if (bytes == "##") return kEmptyCard;
  const int rank = IndexOf(kRankBytes, static_cast<unsigned char>(bytes[0]));
  const int suit = IndexOf(kSuitBytes, static_cast<unsigned char>(bytes[1]));
  if (rank == 0 || suit == 0) return std::nullopt;
  return TCardCode(rank, suit);
}

std::string ToNotation(TCardCode card) {
  if (card.IsEmpty()) return "--";
  return {kLatinRanks[card.rank - 1], kLatinSuits[card.suit - 1]};
}

std::optional<TCardCode> FromNotation(std::string_view text) {
  int rank = 0;
  std::string_view rest;
  if (text.starts_with("10")) {
    rank = 5;
    rest = text.substr(2);
  } else {
    const std::string_view first = FirstChar(text);
    if (first.size() == 1) {
      const auto pos = kLatinRanks.find(static_cast<char>(std::toupper(first[0])));
      if (pos != std::string_view::npos) rank = static_cast<int>(pos) + 1;
    }
    if (rank == 0) rank = IndexOf(kCyrillicRanks, first);
    rest = text.substr(first.size());
  }
  if (rank == 0) return std::nullopt;

  const std::string_view suitText = FirstChar(rest);
  if (suitText.empty() || suitText.size() != rest.size()) return std::nullopt;
  int suit = 0;
  if (suitText.size() == 1) {
    const auto pos = kLatinSuits.find(static_cast<char>(std::tolower(suitText[0])));
    if (pos != std::string_view::npos) suit = static_cast<int>(pos) + 1;
  } else {
    suit = IndexOf(kCyrillicSuits, LowerCyrillicSuit(suitText));
  }
  if (suit == 0) return std::nullopt;
  return TCardCode(rank, suit);
}

}  // namespace zendral
