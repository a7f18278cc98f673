#pragma once
// A received message as one comparable line: its kind and what it carries.

#include <string>

#include "net/LanMessage.h"

namespace zendral::net {

inline std::string Describe(const LanMessage& m) {
  switch (m.kind) {
    case LanKind::kJoinRequest:
      return "join " + m.gameId + m.protocol + " [" + m.name + "]";
    case LanKind::kJoinAnswer:
      return "answer [" + m.name + "]";
    case LanKind::kDeal:
      return "deal " + ToNotation(m.deck[1]) + ".." + ToNotation(m.deck[36]);
    case LanKind::kBegin:
      return "begin";
    case LanKind::kMove:
      return "move " + std::to_string(m.slot);
    case LanKind::kPass:
      return "pass";
    case LanKind::kSettle:
      return "settle";
    case LanKind::kChat:
      return "chat [" + m.chat + "]";
    case LanKind::kAbort:
      return "abort";
    case LanKind::kIgnored:
      return "ignored";
  }
  return "?";
}

}  // namespace zendral::net
