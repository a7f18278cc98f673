#pragma once
// The machine's own addresses for the start dialog's "To receive the IP-addresses" button.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "net/LanSetup.h"

namespace zendral::net {

// The first IPv4 address of each network interface that is up, in the system's order.
std::vector<std::string> InterfaceIPv4Addresses();

// Asks the online service for the address the internet sees ("/get_ip.php"); returns an
// empty text on any failure. The HTTP side lives with the online services and is handed in.
using ExternalAddressFetch = std::function<std::string()>;

// The six boxes: the interfaces, then the external address (hint: the web address), then
// "127.0.0.1". Without a fetch function the external address is empty.
std::array<AddressBox, kAddressBoxes> OwnAddressBoxes(const ExternalAddressFetch& fetchExternal,
                                                      std::string_view webAddressHint);

}  // namespace zendral::net
