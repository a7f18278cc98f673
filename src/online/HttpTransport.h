#pragma once
// The one thing the online layer needs from an HTTP library: send one request and hand back
// the whole reply or a failure. The program uses the libcurl transport; tests hand in fakes.

#include <cstddef>
#include <string>

namespace zendral::online {

// Bounds on every request, so that a dead or silent network never holds the program long.
struct TransportBounds {
  int connectMs = 5000;
  int totalMs = 10000;
  std::size_t maxBodyBytes = 4 * 1024 * 1024;
};

inline constexpr const char* kUserAgent = "VormLakeTiqPu";
inline constexpr const char* kAccept = "text/html, */*";

struct HttpRequest {
  enum class Method { kGet, kPost };
  Method method = Method::kPost;
  std::string url;
  std::string body;         // POST only
  std::string contentType;  // POST only
  // true: the program's shared client (its User-Agent, Accept, cookies). false: a fresh
  // client with the library's defaults, released afterwards (document downloads).
  bool sharedClient = true;
  // Longest wait for further reply bytes once connected; 0 leaves only the overall bound.
  int readTimeoutMs = 0;
};

struct HttpReply {
  bool ok = false;  // a 2xx status with the whole body read
  int status = 0;   // HTTP status, 0 when none arrived
  std::string body;
  std::string error;  // what went wrong, for logs and the command line tool
};

class HttpTransport {
 public:
  virtual ~HttpTransport() = default;
  // Runs to completion; never throws. Redirects are not followed and count as failures.
  virtual HttpReply Send(const HttpRequest& request) = 0;
};

}  // namespace zendral::online
