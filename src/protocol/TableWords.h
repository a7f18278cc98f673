#pragma once
// The words two seats of a kon exchange, over the LAN link directly or through the club's
// tournament relay, which reads them to keep its own account of the kon. The messages are
// told apart by their first letter; every play message ("h...") is six bytes long.

#include <string>

namespace zendral::protocol::table {

// A LAN join request: kJoinPrefix, the game id in two digits, kLanProtocol, kJoinRequest and
// the name; the host answers kJoinAnswer and its own name.
inline constexpr char kJoinPrefix[] = "kov";
inline constexpr char kLanProtocol[] = "25";
inline constexpr char kJoinRequest[] = "connect1";
inline constexpr char kJoinAnswer[] = "connect2";
// A seat's first frame to the relay: kRelayJoin and its seat digit ("connect2").
inline constexpr char kRelayJoin[] = "connect";
inline std::string RelayJoin(int seat) {
  std::string word = kRelayJoin;
  word += std::to_string(seat);
  return word;
}

// The play messages.
inline constexpr char kBegin[] = "hbegin";
inline constexpr char kMovePrefix[] = "hhod";  // + the hand slot in two digits
inline constexpr char kPass[] = "hpass0";
inline constexpr char kSettle[] = "hitogs";

// Around the play: leaving the table, a seat's time running out, the other seat gone.
inline constexpr char kAbort[] = "abort";  // ignored on receipt
inline constexpr char kLeave[] = "disA";
inline constexpr char kTimeOut[] = "TOut";
inline constexpr char kPeerLeft[] = "a";

// First letters: the deal, a chat line, a seat's own settlement line.
inline constexpr char kDealLetter = 'b';
inline constexpr char kChatLetter = 's';
inline constexpr char kResultLetter = 'o';

}  // namespace zendral::protocol::table
