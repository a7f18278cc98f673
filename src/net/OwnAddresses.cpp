#include "net/OwnAddresses.h"

#include <QNetworkInterface>

namespace zendral::net {

std::vector<std::string> InterfaceIPv4Addresses() {
  std::vector<std::string> addresses;
  for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
    if (!interface.flags().testFlag(QNetworkInterface::IsUp)) continue;
    for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
      if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol) continue;
      addresses.push_back(entry.ip().toString().toStdString());
      break;  // one address per interface
    }
  }
  return addresses;
}

std::array<AddressBox, kAddressBoxes> OwnAddressBoxes(const ExternalAddressFetch& fetchExternal,
                                                      std::string_view webAddressHint) {
  const std::string external = fetchExternal ? fetchExternal() : std::string();
  return FillAddressBoxes(InterfaceIPv4Addresses(), external, webAddressHint);
}

}  // namespace zendral::net
