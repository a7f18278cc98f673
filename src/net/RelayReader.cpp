#include "net/RelayReader.h"

#include "net/LanMessage.h"
#include "net/RelayFrame.h"

namespace zendral::net {

RelayMessage DecodeRelayFrame(std::string_view frame) {
  RelayMessage m;
  m.raw = std::string(frame);
  if (frame.size() != kRelayFrameLength) return m;
  const char digit = frame.back();
  m.senderSeat = digit >= '0' && digit <= '9' ? digit - '0' : 0;
  const std::string_view body = frame.substr(0, kRelayPayloadLimit);
  switch (body.front()) {
    case protocol::table::kChatLetter:
      m.kind = RelayKind::kChat;
      m.chat = std::string(body.substr(1, body.find('#') == std::string_view::npos
                                              ? std::string_view::npos
                                              : body.find('#') - 1));
      break;
    case 'h': {
      const std::string_view head = body.substr(0, kPlayMessageLength);
      if (head == kBeginMessage) {
        m.kind = RelayKind::kBegin;
      } else if (head == protocol::table::kPass) {
        m.kind = RelayKind::kPass;
      } else if (head == kSettleMessage) {
        m.kind = RelayKind::kSettle;
      } else if (const auto slot = ParseMoveSlot(head)) {
        m.kind = RelayKind::kMove;
        m.slot = *slot;
      }
      break;
    }
    case protocol::table::kPeerLeft[0]:
      m.kind = RelayKind::kPeerLeft;
      break;
    case protocol::table::kTimeOut[0]:
      m.kind = RelayKind::kTimeUp;
      break;
    default:
      break;
  }
  return m;
}

std::vector<RelayMessage> RelayReader::Feed(std::string_view read) {
  pending_.append(read);
  std::vector<RelayMessage> out;
  std::size_t at = 0;
  while (at < pending_.size()) {
    const std::string_view rest = std::string_view(pending_).substr(at);
    const std::size_t length =
        rest.front() == protocol::table::kDealLetter ? kDealLength : kRelayFrameLength;
    if (rest.size() < length) break;  // the rest follows in a later read
    if (length == kDealLength) {
      RelayMessage m;
      m.raw = std::string(rest.substr(0, length));
      if (const auto deck = ParseDealText(m.raw)) {
        m.kind = RelayKind::kDeal;
        m.deck = *deck;
      }
      out.push_back(std::move(m));
    } else {
      out.push_back(DecodeRelayFrame(rest.substr(0, length)));
    }
    at += length;
  }
  pending_.erase(0, at);
  return out;
}

}  // namespace zendral::net
