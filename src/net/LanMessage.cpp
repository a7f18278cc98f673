#include "net/LanMessage.h"

#include <array>
#include <cstdio>

#include "game/Moves.h"

namespace zendral::net {
namespace {

std::string TwoDigits(int value) {
  char text[4];
  std::snprintf(text, sizeof text, "%02d", ((value % 100) + 100) % 100);
  return text;
}

LanMessage Ignored(std::string_view bytes, std::string reason) {
  LanMessage m;
  m.kind = LanKind::kIgnored;
  m.reason = std::move(reason);
  m.raw = std::string(bytes);
  return m;
}

LanMessage Simple(LanKind kind, std::string_view bytes) {
  LanMessage m;
  m.kind = kind;
  m.raw = std::string(bytes);
  return m;
}

// The name field after the fixed part, without its last byte: that byte is a padding space
// of the 20-byte name, and both programs have always dropped it.
std::string NameField(std::string_view bytes, std::size_t start) {
  if (bytes.size() <= start) return {};
  std::string name(bytes.substr(start));
  name.pop_back();
  return name;
}

LanMessage DecodeJoinRequest(std::string_view bytes) {
  if (bytes.size() != kJoinRequestLength || !bytes.starts_with(kJoinPrefix) ||
      bytes.substr(7, 8) != kJoinRequestTag) {
    return Ignored(bytes, "not a join request");
  }
  LanMessage m = Simple(LanKind::kJoinRequest, bytes);
  m.gameId = std::string(bytes.substr(3, 2));
  m.protocol = std::string(bytes.substr(5, 2));
  m.name = NameField(bytes, 15);
  return m;
}

LanMessage DecodeJoinAnswer(std::string_view bytes) {
  if (bytes.size() != kJoinAnswerLength || !bytes.starts_with(kJoinAnswerTag)) {
    return Ignored(bytes, "not a join answer");
  }
  LanMessage m = Simple(LanKind::kJoinAnswer, bytes);
  m.name = NameField(bytes, kJoinAnswerTag.size());
  return m;
}

LanMessage DecodePlayMessage(std::string_view bytes) {
  if (bytes.size() != kPlayMessageLength) return Ignored(bytes, "play message of wrong length");
  if (bytes == kBeginMessage) return Simple(LanKind::kBegin, bytes);
  if (bytes == kPassMessage) return Simple(LanKind::kPass, bytes);
  if (bytes == kSettleMessage) return Simple(LanKind::kSettle, bytes);
  if (bytes.starts_with(kMovePrefix)) {
    const auto slot = ParseMoveSlot(bytes);
    if (!slot) return Ignored(bytes, "move with a bad slot");
    LanMessage m = Simple(LanKind::kMove, bytes);
    m.slot = *slot;
    return m;
  }
  return Ignored(bytes, "unknown play message");
}

}  // namespace

std::string WireName(std::string_view name) {
  std::string field(name.substr(0, kWireNameLength));
  field.resize(kWireNameLength, ' ');
  return field;
}

std::string JoinRequestText(std::string_view name, int gameId, std::string_view protocol) {
  return std::string(kJoinPrefix) + TwoDigits(gameId) + std::string(protocol) +
         std::string(kJoinRequestTag) + WireName(name);
}

std::string JoinAnswerText(std::string_view name) {
  return std::string(kJoinAnswerTag) + WireName(name);
}

bool IsAcceptedJoinRequest(const LanMessage& message, int gameId) {
  return message.kind == LanKind::kJoinRequest && message.gameId == TwoDigits(gameId) &&
         message.protocol == kProtocol;
}

std::string DealText(const Deck& deck) {
  std::string text(1, protocol::table::kDealLetter);
  text.reserve(kDealLength);
  for (int p = 1; p <= kDeckSize; ++p) text += ToCp1251(deck[p]);
  for (int p = 1; p <= kDeckSize; ++p) {
    // A deck always holds 36 cards; an empty one would have no digit to send.
    const int rank = deck[p].IsEmpty() ? 0 : deck[p].RankValue();
    text += static_cast<char>('0' + rank);
  }
  return text;
}

std::optional<Deck> ParseDealText(std::string_view text) {
  if (text.size() != kDealLength || text[0] != protocol::table::kDealLetter) return std::nullopt;
  Deck deck;
  std::array<bool, kDeckSize + 1> seen{};
  for (int p = 1; p <= kDeckSize; ++p) {
    const auto code = static_cast<std::size_t>(2 * p - 1);
    const auto card = FromCp1251(text.substr(code, 2));
    if (!card || card->IsEmpty()) return std::nullopt;
    const char digit = text[static_cast<std::size_t>(2 * kDeckSize + p)];
    if (digit != '0' + card->RankValue()) return std::nullopt;
    bool& mark = seen[static_cast<std::size_t>(CardNumber(*card))];
    if (mark) return std::nullopt;
    mark = true;
    deck[p] = *card;
  }
  return deck;
}

std::optional<int> ParseMoveSlot(std::string_view text) {
  if (text.size() != kPlayMessageLength || !text.starts_with(kMovePrefix)) return std::nullopt;
  const char tens = text[4];
  const char ones = text[5];
  if (tens < '0' || tens > '9' || ones < '0' || ones > '9') return std::nullopt;
  const int slot = (tens - '0') * 10 + (ones - '0');
  if (slot < 1 || slot > kHandSize) return std::nullopt;
  return slot;
}

std::string ChatText(std::string_view text) {
  std::string message(1, protocol::table::kChatLetter);
  message.append(text.substr(0, kChatLimit));
  return message;
}

LanMessage DecodeMessage(std::string_view bytes) {
  if (bytes.empty()) return Ignored(bytes, "empty message");
  switch (bytes[0]) {
    case 'k':
      return DecodeJoinRequest(bytes);
    case 'c':
      return DecodeJoinAnswer(bytes);
    case protocol::table::kDealLetter: {
      auto deck = ParseDealText(bytes);
      if (!deck) return Ignored(bytes, "broken deal");
      LanMessage m = Simple(LanKind::kDeal, bytes);
      m.deck = *deck;
      return m;
    }
    case 'h':
      return DecodePlayMessage(bytes);
    case protocol::table::kChatLetter: {
      LanMessage m = Simple(LanKind::kChat, bytes);
      m.chat = std::string(bytes.substr(1));
      return m;
    }
    case 'a':
      if (bytes == kAbortMessage) return Simple(LanKind::kAbort, bytes);
      return Ignored(bytes, "unknown message");
    default:
      return Ignored(bytes, "unknown message");
  }
}

}  // namespace zendral::net
