#pragma once
// The logic behind the LAN fields of the start dialog, the waiting window and the return to
// the menu when the peer leaves. The windows show what these functions decide.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zendral::net {

// --- Start dialog ---

// Paths on the club server: the external address, and the router set-up document
// that the help button "?" opens.
inline constexpr std::string_view kExternalAddressPath = "/get_ip.php";
inline constexpr std::string_view kRouterHelpPath = "/downloads/any/routerc.doc";

// The address check of the confirm button: exactly three '.', not ending in '.', and four
// groups of 1 to 3 digits. The values of the numbers are not tested.
bool IsWellFormedAddress(std::string_view address);

// A port box holding 1..65535. The box takes at most 5 digits, so "0" and "65536".."99999"
// can be typed; they are refused here rather than wrapped to another port.
std::optional<int> ParsePort(std::string_view text);

// What an edit of a filtered box leaves: the box's text and the stored setting.
struct BoxEdit {
  std::string box;
  std::string stored;
};
// Address box: a character other than a digit or '.' puts the stored address back; otherwise
// a client's non-empty text becomes the stored address.
BoxEdit FilterAddressBox(std::string_view box, std::string_view storedAddress, bool isClient);
// Port box: a character other than a digit puts the stored port back; otherwise the text,
// even an empty one, becomes the stored port.
BoxEdit FilterPortBox(std::string_view box, std::string_view storedPort);

enum class LanFieldError { kNone, kIncorrectAddress, kIncorrectPort };
// The LAN checks of the confirm button, after the name and password checks: the address
// (client only), then the port. The dialog shows "Incorrect IP-address!" or "Incorrect Port!"
// and focuses that box.
LanFieldError CheckLanFields(int netRole, std::string_view address, std::string_view port);

// The name box of a new player in LAN mode: the last typed name when it fits the 9-character
// limit, otherwise "Mr.X". Characters, not bytes, are counted (the name is UTF-8).
std::string DefaultLanName(std::string_view playerName);

// --- Own addresses ("To receive the IP-addresses") ---

inline constexpr int kAddressBoxes = 6;
inline constexpr std::string_view kLoopbackAddress = "127.0.0.1";
inline constexpr std::string_view kLoopbackHint = "Loop";

struct AddressBox {
  std::string text;
  std::string hint;
  bool shown = false;
};
// Fills the six boxes in order: the interfaces' IPv4 addresses, then the external address
// (empty while the service cannot be reached) with the web address as its hint, then
// "127.0.0.1" with "Loop". Values beyond the sixth box replace the sixth box's text.
std::array<AddressBox, kAddressBoxes> FillAddressBoxes(
    const std::vector<std::string>& interfaceAddresses, std::string_view externalAddress,
    std::string_view externalHint);

// --- Waiting window ---

enum class WaitingLine {
  kExpectingPlayers,   // "Expectation of connection of other players..." (server)
  kExpectingGame,      // "Expectation of game..." (client)
  kNoAccessibleGames,  // "There are no accessible games"
};

struct WaitingWindow {
  WaitingLine firstLine = WaitingLine::kExpectingPlayers;
  bool secondPlayerShown = false;  // "The second player was connected..."
  bool okEnabled = false;
  bool cancelEnabled = true;

  static WaitingWindow Open(int netRole);
  // The one-second tick.
  void Tick(bool socketErrorSeen);
  // Server: a client's join request was accepted.
  void ClientJoined();
  // Server: the joined client went away before the session began; wait for another.
  void ClientLost();
};

// --- The peer leaves ---

struct PeerLeftAction {
  // Play "WWrongs", show the interrupted-game box, go back to the menu, clear GameActive.
  bool returnToMenu = false;
  // Server: close the listening socket on the next menu tick.
  bool closeServerPending = false;
  // The chat box and its button are disabled in every case.
};
// handlerRole: the role of the link that saw the disconnection.
PeerLeftAction DecidePeerLeft(bool gameActive, int netRole, int handlerRole, bool canFinish);

// The box text: the peer's role word ("Client" on the server, "Server" on the client), a
// blank, "has interrupted game!", a line break written LF CR, "Press OK for exit to the main
// menu...". The words come from the word tables in the current language.
std::string InterruptedGameText(std::string_view peerRoleWord, std::string_view interrupted,
                                std::string_view pressOk);

}  // namespace zendral::net
