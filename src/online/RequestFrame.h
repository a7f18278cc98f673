#pragma once
// The request frame every online operation goes through: it builds the body in one of the
// two styles, sends it through the shared client, and hands back the reply as UTF-8 text or
// a failure. No request operation throws; each reports failure through its result.

#include <optional>
#include <string>

#include "online/HttpTransport.h"
#include "online/RequestBody.h"

namespace zendral::online {

inline constexpr int kTableReadTimeoutMs = 3000;

class RequestFrame {
 public:
  explicit RequestFrame(HttpTransport& transport) : transport_(transport) {}

  std::optional<std::string> PostFormRequest(const std::string& address, const Fields& fields);
  std::optional<std::string> PostRawRequest(const std::string& address, const Fields& fields);
  // A body of bytes as it is (the photo upload), through the shared client and its session.
  std::optional<std::string> PostBytes(const std::string& address, const std::string& bytes,
                                       const std::string& contentType);
  // A document with a fresh client: the text decoded as UTF-8 (Windows-1251 when it is not).
  std::optional<std::string> FetchDocument(const std::string& address);
  // The same for binary documents (photos).
  std::optional<std::string> FetchBytes(const std::string& address);

  // The table reads set a read time-out that the shared client keeps for every later request.
  void UseTableReadTimeout() { readTimeoutMs_ = kTableReadTimeoutMs; }

  // A request is on its way. The program's client turns the event loop while it waits, and a
  // timer that starts a second request then gets nothing but a failure: timers look here
  // first and wait for their next turn.
  bool Busy() const { return inFlight_ > 0; }

  // Why the last request failed, for messages and logs.
  const std::string& LastError() const { return lastError_; }
  // The last request was refused because the server had too many password checks waiting
  // ("Server busy, try again", not a wrong password).
  bool LastWasBusy() const { return lastStatus_ == kBusyStatus; }
  static constexpr int kBusyStatus = 503;

 private:
  std::optional<std::string> Post(const std::string& address, std::string body,
                                  const std::string& contentType);
  HttpReply Send(const HttpRequest& request);
  HttpTransport& transport_;
  int inFlight_ = 0;
  int readTimeoutMs_ = 0;
  std::string lastError_;
  int lastStatus_ = 0;
};

// Reply bytes as UTF-8 text: kept when they are valid UTF-8, else read as Windows-1251.
std::string ReplyText(std::string_view bytes);

}  // namespace zendral::online
