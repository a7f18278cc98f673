#pragma once
// Cuts the byte stream from the tournament relay into messages.
//
// Everything the relay sends is a 20-byte frame, except the deal: "b" and its 108 bytes,
// unframed. TCP delivers a stream, so one read may end inside a frame or inside the deal,
// and one read may hold several frames, or a deal followed by frames. The reader keeps the
// incomplete rest for the next read and returns every complete message in order.

#include <string>
#include <string_view>
#include <vector>

#include "game/Deck.h"

namespace zendral::net {

enum class RelayKind {
  kDeal,      // the relay's deal: deck positions 1..36
  kChat,      // "s" + text, from the sender's seat
  kBegin,     // "hbegin"
  kMove,      // "hhod" + slot
  kPass,      // "hpass0"
  kSettle,    // "hitogs"
  kPeerLeft,  // "a": the other seat has left the table
  kTimeUp,    // "T": the other seat's time ran out
  kIgnored,   // a frame of no known kind, or a deal that is no deal
};

struct RelayMessage {
  RelayKind kind = RelayKind::kIgnored;
  Deck deck;           // kDeal
  int slot = 0;        // kMove: 1..18
  std::string chat;    // kChat: the text after "s" up to the first '#' (wire bytes)
  int senderSeat = 0;  // the frame's seat digit (kChat: whose colour the line has)
  std::string raw;     // the bytes as received
};

// Reads one complete frame (20 bytes) by its first byte.
RelayMessage DecodeRelayFrame(std::string_view frame);

class RelayReader {
 public:
  // Takes the bytes of one socket read; returns the messages it completes, in order.
  std::vector<RelayMessage> Feed(std::string_view read);
  // Bytes of an incomplete frame or deal held for the next read.
  std::size_t PendingSize() const { return pending_.size(); }
  void Reset() { pending_.clear(); }

 private:
  std::string pending_;
};

}  // namespace zendral::net
