#include "net/LanMessageReader.h"

#include <algorithm>
#include <optional>

namespace zendral::net {
namespace {

// The length of the message that starts with this byte; 0 for the chat line (the rest of
// the read); empty for a byte that starts no message.
std::optional<std::size_t> LengthOf(char first) {
  switch (first) {
    case 'k':
      return kJoinRequestLength;
    case 'c':
      return kJoinAnswerLength;
    case protocol::table::kDealLetter:
      return kDealLength;
    case 'h':
      return kPlayMessageLength;
    case 'a':
      return kAbortMessage.size();
    case protocol::table::kChatLetter:
      return 0;
    default:
      return std::nullopt;
  }
}

bool MatchesAt(std::string_view prefix, std::size_t at, std::string_view literal) {
  for (std::size_t i = 0; i < literal.size() && at + i < prefix.size(); ++i) {
    if (prefix[at + i] != literal[i]) return false;
  }
  return true;
}

bool IsRankByte(char c) {
  return FromCp1251(std::string{c, '\xF7'}).has_value();
}
bool IsSuitByte(char c) {
  return FromCp1251(std::string{'6', c}).has_value();
}

// Whether the bytes so far can still begin a message of the kind their first byte names.
// Checked before waiting for the rest, so that stray bytes do not swallow the messages that
// follow them while the reader waits for a length they never had.
bool PrefixFits(std::string_view prefix) {
  switch (prefix[0]) {
    case 'k':
      return MatchesAt(prefix, 0, kJoinPrefix) && MatchesAt(prefix, 7, kJoinRequestTag);
    case 'c':
      return MatchesAt(prefix, 0, kJoinAnswerTag);
    case 'a':
      return MatchesAt(prefix, 0, kAbortMessage);
    case protocol::table::kDealLetter:
      for (std::size_t i = 1; i < prefix.size(); ++i) {
        const char c = prefix[i];
        const bool ok = i <= 2 * kDeckSize ? (i % 2 == 1 ? IsRankByte(c) : IsSuitByte(c))
                                           : (c >= '1' && c <= '9');
        if (!ok) return false;
      }
      return true;
    default:
      return true;
  }
}

LanMessage Dropped(std::string_view bytes, std::string reason) {
  LanMessage m;
  m.reason = std::move(reason);
  m.raw = std::string(bytes);
  return m;
}

}  // namespace

std::vector<LanMessage> LanMessageReader::Feed(std::string_view read) {
  std::string buffer = std::move(pending_);
  pending_.clear();
  buffer.append(read);

  std::vector<LanMessage> messages;
  std::string_view rest = buffer;
  while (!rest.empty()) {
    const auto length = LengthOf(rest[0]);
    if (!length) {
      messages.push_back(Dropped(rest, "unknown message; rest of the read dropped"));
      break;
    }
    if (*length == 0) {  // the chat line ends the read
      messages.push_back(DecodeMessage(rest));
      break;
    }
    const std::string_view head = rest.substr(0, std::min(*length, rest.size()));
    if (!PrefixFits(head)) {
      messages.push_back(Dropped(rest, "malformed message; rest of the read dropped"));
      break;
    }
    if (rest.size() < *length) {
      pending_ = std::string(rest);
      break;
    }
    messages.push_back(DecodeMessage(head));
    rest.remove_prefix(*length);
  }
  return messages;
}

}  // namespace zendral::net
