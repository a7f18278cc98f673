#pragma once
// Cuts the byte stream of the LAN link into messages.
//
// TCP delivers a stream, not the sender's writes: one read may end inside a message, or hold
// several. The reader keeps the incomplete rest of a message of known length (a move, a pass,
// "hbegin", "hitogs", the deal, the join request or answer) and completes it with the next
// read, and returns every complete message of a read in order. The wire format has no length
// for the chat line, so a chat message takes the rest of the read that carries it. A byte
// that starts no known message makes the rest of its read unusable: it is reported and
// dropped, and the next read starts afresh.

#include <string>
#include <string_view>
#include <vector>

#include "net/LanMessage.h"

namespace zendral::net {

class LanMessageReader {
 public:
  // Takes the bytes of one socket read; returns the messages it completes, in order.
  std::vector<LanMessage> Feed(std::string_view read);

  // Bytes of an incomplete message waiting for the next read (at most a deal's 108).
  std::size_t PendingSize() const { return pending_.size(); }
  void Reset() { pending_.clear(); }

 private:
  std::string pending_;
};

}  // namespace zendral::net
