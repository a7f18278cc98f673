#include "ClientAddress.h"

namespace zendral::server {

QString PlainAddress(const QHostAddress& address) {
  bool v4 = false;
  const quint32 ip4 = address.toIPv4Address(&v4);
  return v4 ? QHostAddress(ip4).toString() : address.toString();
}

Caller IdentifyCaller(const QHostAddress& peer, const QByteArray& forwardedFor,
                      const QByteArray& forwardedProto, const QList<QHostAddress>& trusted) {
  Caller caller;
  caller.peer = PlainAddress(peer);
  caller.address = caller.peer;
  bool fromBalancer = false;
  for (const QHostAddress& balancer : trusted) {
    if (peer.isEqual(balancer, QHostAddress::TolerantConversion)) fromBalancer = true;
  }
  if (!fromBalancer) return caller;
  const QByteArray last = forwardedFor.split(',').last().trimmed();
  QHostAddress player;
  if (!last.isEmpty() && last.size() <= 64 && player.setAddress(QString::fromLatin1(last))) {
    caller.address = PlainAddress(player);
  }
  const QByteArray proto = forwardedProto.split(',').last().trimmed().toLower();
  caller.https = proto == "https";
  return caller;
}

}  // namespace zendral::server
