#pragma once
// The program's HTTP transport. Plain http to a numeric address (the club server on this
// machine or the local network) goes over the program's own socket client; everything else
// over libcurl, which is opened at its first request. On libcurl, one easy handle serves every
// request of the shared client for the life of the program, so its cookies (the account
// session) persist between requests; documents are fetched with a fresh handle each time.

#include <atomic>
#include <functional>
#include <memory>

#include "online/HttpTransport.h"
#include "online/SocketHttpTransport.h"

namespace zendral::online {

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
  SocketHttpTransport plain_;
};

}  // namespace zendral::online
