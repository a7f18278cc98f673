#pragma once
// Plain HTTP/1.1 on a socket of the program's own, for services at a numeric address: the
// club server on this machine or on the local network, which is where the program's own
// addresses point. Opening libcurl for them would map its TLS, Kerberos, LDAP, SSH and RTMP
// libraries (about 8 MB resident) into a program that never uses them there. An address
// without a name needs no resolver, so the bounds hold without libcurl's resolver thread;
// names and https stay with libcurl.
//
// It behaves as the libcurl transport does: the shared client sends the program's User-Agent
// and Accept and keeps the session's cookies, a document comes with a fresh client, redirects
// are failures, and every request ends within its bounds.

#include <atomic>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "online/HttpCookies.h"
#include "online/HttpTransport.h"

namespace zendral::online {

class SocketHttpTransport {
 public:
  explicit SocketHttpTransport(TransportBounds bounds = {}) : bounds_(bounds) {}

  // Whether `url` is plain http to a numeric IPv4 or IPv6 address, which this client serves.
  static bool Serves(const std::string& url);

  // A download: the body goes to `write` as it comes (the reply's body stays empty), and
  // `progress` hears the bytes so far and the whole size (0 while unknown) as they come and
  // while the download waits; either returning false ends the download as a failure.
  struct BodyStream {
    std::function<bool(std::string_view bytes)> write;
    std::function<bool(long long done, long long total)> progress;
  };

  // Runs one request to completion; never throws. `idle` is called every few tens of
  // milliseconds while the request waits; `cancelled` ends it at once.
  HttpReply Send(const HttpRequest& request, const std::function<void()>& idle,
                 const std::atomic<bool>& cancelled, const BodyStream* stream = nullptr);

 private:
  TransportBounds bounds_;
  HttpCookies cookies_;  // the shared client's
};

}  // namespace zendral::online
