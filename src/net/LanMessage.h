#pragma once
// The messages two copies of the program exchange on the LAN link, as Windows-1251 bytes.
// No length prefix and no terminator: each kind is told by its first byte, and every kind
// but the chat line has a fixed length (see LanMessageReader).
//
// Names and chat texts here are wire bytes (Windows-1251); turning them into UTF-8 for the
// screen is the caller's business.

#include <optional>
#include <string>
#include <string_view>

#include "game/Deck.h"
#include "protocol/Keys.h"
#include "protocol/TableWords.h"

namespace zendral::net {

inline constexpr int kGameId = protocol::kGameId;
inline constexpr std::string_view kProtocol = protocol::table::kLanProtocol;
inline constexpr int kWireNameLength = 20;  // a player's name on the wire, space-padded
inline constexpr int kLanNameLimit = 9;     // typed names in LAN mode
inline constexpr int kChatLimit = 15;       // typed chat text

inline constexpr std::string_view kJoinPrefix = protocol::table::kJoinPrefix;
inline constexpr std::string_view kJoinRequestTag = protocol::table::kJoinRequest;
inline constexpr std::string_view kJoinAnswerTag = protocol::table::kJoinAnswer;
inline constexpr std::string_view kBeginMessage = protocol::table::kBegin;
inline constexpr std::string_view kSettleMessage = protocol::table::kSettle;
inline constexpr std::string_view kAbortMessage = protocol::table::kAbort;
inline constexpr std::string_view kMovePrefix = protocol::table::kMovePrefix;
// "hhod" + slot and "hpass0" are written by the rules themselves (game/Moves.h).

// Fixed lengths: "kov" + game id + protocol + "connect1" + name; "connect2" + name; the deal.
inline constexpr std::size_t kJoinRequestLength = 3 + 2 + 2 + 8 + kWireNameLength;  // 35
inline constexpr std::size_t kJoinAnswerLength = 8 + kWireNameLength;               // 28
inline constexpr std::size_t kDealLength = 1 + 2 * kDeckSize + kDeckSize;           // 109
inline constexpr std::size_t kPlayMessageLength = 6;  // every "h" message

enum class LanKind {
  kJoinRequest,  // client → server: "kov" 44 25 "connect1" name
  kJoinAnswer,   // server → client: "connect2" name
  kDeal,         // server → client: "b" + 36 codes + 36 rank digits
  kBegin,        // "hbegin"
  kMove,         // "hhod" + two-digit slot
  kPass,         // "hpass0"
  kSettle,       // "hitogs"
  kChat,         // "s" + text; takes the rest of the read that carries it
  kAbort,        // "abort": never sent by this program, ignored on receipt
  kIgnored,      // bytes that are no message of this program; `reason` says why
};

struct LanMessage {
  LanKind kind = LanKind::kIgnored;
  int slot = 0;          // kMove: 1..kHandSize
  Deck deck;             // kDeal: deck positions 1..36 as the server shuffled them
  std::string gameId;    // kJoinRequest: the two characters after "kov"
  std::string protocol;  // kJoinRequest: the two characters after the game id
  std::string name;      // kJoinRequest, kJoinAnswer: the peer's name field minus its last byte
  std::string chat;      // kChat: the text after the "s"
  std::string reason;    // kIgnored
  std::string raw;       // the bytes of the message as received
};

// The player's name as sent in the handshake: cut or padded with spaces to 20 bytes.
std::string WireName(std::string_view name);

// "kov" + game id in two digits + protocol + "connect1" + the 20-byte name.
std::string JoinRequestText(std::string_view name, int gameId = kGameId,
                            std::string_view protocol = kProtocol);
// "connect2" + the 20-byte name.
std::string JoinAnswerText(std::string_view name);
// True for a join request this server answers: this game's id and protocol "25".
bool IsAcceptedJoinRequest(const LanMessage& message, int gameId = kGameId);

// "b", the 36 card codes of deck positions 1..36, then their 36 rank digits: 109 bytes.
std::string DealText(const Deck& deck);
// The deck of a deal text. Empty unless the text is exactly 109 bytes, every code is a card,
// every rank digit matches its card and each of the 36 cards occurs once: a broken deal
// would leave the two copies of the kon holding different cards.
std::optional<Deck> ParseDealText(std::string_view text);

// The slot of "hhod" + two digits, 1..kHandSize; empty for anything else.
std::optional<int> ParseMoveSlot(std::string_view text);

// "s" + the text, cut to the 15 bytes the chat box allows.
std::string ChatText(std::string_view text);

// Decodes one complete message whose boundaries are already known (LanMessageReader finds
// them). Unknown or malformed bytes give kIgnored with a reason.
LanMessage DecodeMessage(std::string_view bytes);

}  // namespace zendral::net
