#pragma once
// Who is asking. Behind the club's own balancer every connection comes from the balancer; the
// balancer names the player in X-Forwarded-For and the scheme the player used in
// X-Forwarded-Proto. Those headers count only from a balancer the server was told to trust:
// anybody else could write them.

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QString>

namespace zendral::server {

struct Caller {
  QString address;     // the player: for the rate limits, "/get_ip.php", the tournament seats
  QString peer;        // the connection's other end, as the relay will see the player
  bool https = false;  // the player reached the club over https
};

// "::ffff:127.0.0.2" and "127.0.0.2" are one caller: the plain form of an address.
QString PlainAddress(const QHostAddress& address);

// The caller of a request from peer with these two header values. From a trusted balancer the
// last entry of X-Forwarded-For (the one that balancer added) names the player when it is an
// address; otherwise the peer is the player.
Caller IdentifyCaller(const QHostAddress& peer, const QByteArray& forwardedFor,
                      const QByteArray& forwardedProto, const QList<QHostAddress>& trusted);

}  // namespace zendral::server
