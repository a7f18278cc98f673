#pragma once
// The 20-byte frame of every message to and from the tournament relay: the payload, '#'
// up to 19 bytes, then the sender's relay seat as one digit. The deal from the relay is not
// framed (it is the 109-byte deal text).

#include <optional>
#include <string>
#include <string_view>

namespace zendral::net {

inline constexpr std::size_t kRelayFrameLength = 20;
inline constexpr std::size_t kRelayPayloadLimit = kRelayFrameLength - 1;

// Frames a payload for relay seat 1 or 2. A payload longer than 19 bytes is cut to 19:
// its 20th byte would otherwise be overwritten by the seat digit.
std::string RelayFrameText(std::string_view payload, int relaySeat);

struct RelayFrame {
  std::string payload;  // the bytes before the first '#' (the whole 19 when there is none)
  int senderSeat = 0;   // 1 or 2
};

// Reads one 20-byte frame; empty unless it is 20 bytes ending in '1' or '2'.
std::optional<RelayFrame> ParseRelayFrame(std::string_view frame);

}  // namespace zendral::net
