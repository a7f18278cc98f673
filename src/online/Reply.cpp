#include "online/Reply.h"

#include "online/Numbers.h"
#include "protocol/Keys.h"

namespace zendral::online {
namespace {

Tokens SplitTokens(std::string_view text, char separator) {
  // A separator in front of and one behind the text; every separator ends a token, so the
  // text before the front separator is token 0 (always empty).
  Tokens tokens;
  tokens.emplace_back();
  std::string current;
  for (const char ch : text) {
    if (ch == separator) {
      tokens.push_back(std::move(current));
      current.clear();
    } else {
      current += ch;
    }
  }
  tokens.push_back(std::move(current));
  return tokens;
}

// The index of the first "$" that is not the last character, from position from.
std::size_t OpeningDollar(std::string_view reply, std::size_t from) {
  for (std::size_t i = from; i + 1 < reply.size(); ++i) {
    if (reply[i] == '$') return i;
  }
  return std::string_view::npos;
}

std::size_t LastOpeningDollar(std::string_view reply) {
  if (reply.size() < 2) return std::string_view::npos;
  for (std::size_t i = reply.size() - 1; i-- > 0;) {
    if (reply[i] == '$') return i;
  }
  return std::string_view::npos;
}

}  // namespace

bool ReplyHasPair(std::string_view reply, std::string_view marker) {
  if (marker.size() != 2) return false;
  return reply.find(marker) != std::string_view::npos;
}

bool ReplyHasMarkerOutsideSegment(std::string_view reply, std::string_view marker) {
  const std::size_t open = OpeningDollar(reply, 0);
  if (open == std::string_view::npos) return ReplyHasPair(reply, marker);
  const std::size_t close = reply.find('$', open + 1);
  std::string outside(reply.substr(0, open));
  // A space stands where the segment was, so that no marker is made of its two neighbours.
  outside += ' ';
  if (close != std::string_view::npos) outside += reply.substr(close + 1);
  return ReplyHasPair(outside, marker);
}

std::optional<Tokens> ReplySegment(std::string_view reply, char separator) {
  const std::size_t open = OpeningDollar(reply, 0);
  if (open == std::string_view::npos) return std::nullopt;
  const std::size_t close = reply.find('$', open + 1);
  const std::string_view text = reply.substr(
      open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1);
  return SplitTokens(text, separator);
}

std::vector<Tokens> ReplySegments(std::string_view reply, char separator, int maxRecords) {
  std::vector<Tokens> records;
  std::size_t from = 0;
  while (static_cast<int>(records.size()) < maxRecords) {
    const std::size_t open = OpeningDollar(reply, from);
    if (open == std::string_view::npos) break;
    const std::size_t end = reply.find('*', open + 1);
    records.push_back(
        SplitTokens(reply.substr(open + 1, end == std::string_view::npos ? std::string_view::npos
                                                                         : end - open - 1),
                    separator));
    from = open + 1;
  }
  return records;
}

std::optional<int> ReplyTrailingNumber(std::string_view reply) {
  const std::size_t open = LastOpeningDollar(reply);
  if (open == std::string_view::npos) return std::nullopt;
  std::size_t end = open + 1;
  while (end < reply.size() && reply[end] >= '0' && reply[end] <= '9') ++end;
  return ParseIntToken(reply.substr(open + 1, end - open - 1));
}

bool ReplyTrailingAck(std::string_view reply) {
  const std::size_t open = LastOpeningDollar(reply);
  if (open == std::string_view::npos) return false;
  const std::size_t hash = reply.find('#', open + 1);
  const std::string_view text = reply.substr(
      open + 1, hash == std::string_view::npos ? std::string_view::npos : hash - open - 1);
  return text.size() >= 3 && text.substr(1, 2) == protocol::answer::kOk;
}

const std::string& TokenAt(const Tokens& tokens, std::size_t i) {
  static const std::string kEmpty;
  return i < tokens.size() ? tokens[i] : kEmpty;
}

}  // namespace zendral::online
