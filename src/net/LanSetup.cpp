#include "net/LanSetup.h"

#include <algorithm>

#include "game/GameState.h"
#include "net/LanMessage.h"

namespace zendral::net {
namespace {

bool AllOf(std::string_view text, bool (*accept)(char)) {
  return std::all_of(text.begin(), text.end(), accept);
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsDigitOrPoint(char c) {
  return IsDigit(c) || c == '.';
}

// Code points of a UTF-8 text: every byte that does not continue a sequence.
std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

}  // namespace

bool IsWellFormedAddress(std::string_view address) {
  if (std::count(address.begin(), address.end(), '.') != 3 || address.ends_with('.')) {
    return false;
  }
  std::size_t start = 0;
  for (int group = 0; group < 4; ++group) {
    const std::size_t end = std::min(address.find('.', start), address.size());
    const std::string_view part = address.substr(start, end - start);
    if (part.empty() || part.size() > 3 || !AllOf(part, IsDigit)) return false;
    start = end + 1;
  }
  return true;
}

std::optional<int> ParsePort(std::string_view text) {
  if (text.empty() || text.size() > 5 || !AllOf(text, IsDigit)) return std::nullopt;
  int port = 0;
  for (const char c : text) port = port * 10 + (c - '0');
  if (port < 1 || port > 65535) return std::nullopt;
  return port;
}

BoxEdit FilterAddressBox(std::string_view box, std::string_view storedAddress, bool isClient) {
  BoxEdit edit{std::string(box), std::string(storedAddress)};
  if (!AllOf(box, IsDigitOrPoint)) edit.box = edit.stored;
  if (isClient && !edit.box.empty()) edit.stored = edit.box;
  return edit;
}

BoxEdit FilterPortBox(std::string_view box, std::string_view storedPort) {
  BoxEdit edit{std::string(box), std::string(storedPort)};
  if (!AllOf(box, IsDigit)) edit.box = edit.stored;
  edit.stored = edit.box;
  return edit;
}

LanFieldError CheckLanFields(int netRole, std::string_view address, std::string_view port) {
  // Role values above 2 are taken as the client.
  if (netRole >= kRoleClient && !IsWellFormedAddress(address)) {
    return LanFieldError::kIncorrectAddress;
  }
  if (!ParsePort(port)) return LanFieldError::kIncorrectPort;
  return LanFieldError::kNone;
}

std::string DefaultLanName(std::string_view playerName) {
  if (CharacterCount(playerName) <= static_cast<std::size_t>(kLanNameLimit))
    return std::string(playerName);
  return "Mr.X";
}

std::array<AddressBox, kAddressBoxes> FillAddressBoxes(
    const std::vector<std::string>& interfaceAddresses, std::string_view externalAddress,
    std::string_view externalHint) {
  std::array<AddressBox, kAddressBoxes> boxes;
  std::size_t next = 0;
  auto put = [&](std::string_view text, std::string_view hint) {
    AddressBox& box = boxes[std::min(next, boxes.size() - 1)];
    box = AddressBox{std::string(text), std::string(hint), true};
    ++next;
  };
  for (const std::string& address : interfaceAddresses) {
    if (next == kAddressBoxes) break;  // at most six interfaces are listed
    put(address, "");
  }
  put(externalAddress, externalHint);
  put(kLoopbackAddress, kLoopbackHint);
  return boxes;
}

WaitingWindow WaitingWindow::Open(int netRole) {
  WaitingWindow w;
  w.firstLine =
      netRole == kRoleServer ? WaitingLine::kExpectingPlayers : WaitingLine::kExpectingGame;
  return w;
}

void WaitingWindow::Tick(bool socketErrorSeen) {
  if (socketErrorSeen) firstLine = WaitingLine::kNoAccessibleGames;
}

void WaitingWindow::ClientJoined() {
  secondPlayerShown = true;
  okEnabled = true;
  cancelEnabled = false;
}

void WaitingWindow::ClientLost() {
  secondPlayerShown = false;
  okEnabled = false;
  cancelEnabled = true;
}

PeerLeftAction DecidePeerLeft(bool gameActive, int netRole, int handlerRole, bool canFinish) {
  PeerLeftAction action;
  if (gameActive && netRole == handlerRole && !canFinish) {
    action.returnToMenu = true;
    action.closeServerPending = handlerRole == kRoleServer;
  }
  return action;
}

std::string InterruptedGameText(std::string_view peerRoleWord, std::string_view interrupted,
                                std::string_view pressOk) {
  std::string text(peerRoleWord);
  text += ' ';
  text += interrupted;
  text += "\n\r";
  text += pressOk;
  return text;
}

}  // namespace zendral::net
