#pragma once
// The HTTP transport on libcurl. One easy handle serves every request of the shared client
// for the life of the program, so its cookies (the account session) persist between requests;
// documents are fetched with a fresh handle each time.

#include <atomic>
#include <functional>
#include <memory>

#include "online/HttpTransport.h"

namespace zendral::online {

// Bounds on every request, so that a dead or silent network never holds the program long.
struct TransportBounds {
  int connectMs = 5000;
  int totalMs = 10000;
  std::size_t maxBodyBytes = 4 * 1024 * 1024;
};

inline constexpr const char* kUserAgent = "VormLakeTiqPu";
inline constexpr const char* kAccept = "text/html, */*";

class CurlTransport final : public HttpTransport {
 public:
  explicit CurlTransport(TransportBounds bounds = {});
  ~CurlTransport() override;
  CurlTransport(const CurlTransport&) = delete;
  CurlTransport& operator=(const CurlTransport&) = delete;

  HttpReply Send(const HttpRequest& request) override;

  // Called often while a request waits (a few times a second at least), so that the program
  // can keep its window painted. It must not start another request.
  void SetIdle(std::function<void()> idle) { idle_ = std::move(idle); }

  // Ends the running request (from any thread) and fails every later one at once: the end of
  // the program does not wait for a request that a silent server would hold to its bound.
  void Cancel() { cancelled_ = true; }

 private:
  std::function<void()> idle_;
  bool sending_ = false;
  std::atomic<bool> cancelled_{false};  // a request started from the idle callback fails at once
  struct Handle;
  TransportBounds bounds_;
  std::unique_ptr<Handle> shared_;
};

}  // namespace zendral::online
