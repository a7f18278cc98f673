#include "net/RelayFrame.h"

namespace zendral::net {

std::string RelayFrameText(std::string_view payload, int relaySeat) {
  std::string frame(payload.substr(0, kRelayPayloadLimit));
  frame.resize(kRelayPayloadLimit, '#');
  frame += std::to_string(relaySeat).front();  // the first digit of the seat number
  return frame;
}

std::optional<RelayFrame> ParseRelayFrame(std::string_view frame) {
  if (frame.size() != kRelayFrameLength) return std::nullopt;
  const char seat = frame.back();
  if (seat != '1' && seat != '2') return std::nullopt;
  std::string_view body = frame.substr(0, kRelayPayloadLimit);
  return RelayFrame{std::string(body.substr(0, body.find('#'))), seat - '0'};
}

}  // namespace zendral::net
