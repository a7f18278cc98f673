#pragma once
// Reads one HTTP/1.1 reply as its bytes arrive: the status, the cookies it sets and the body,
// whether the body is framed by Content-Length, by chunks or by the end of the connection.
// Anything that is not a well-formed reply within the size bounds ends as a failure with a
// reason; nothing a server sends can make the reader hold more than the bounds.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zendral::online {

class HttpReplyReader {
 public:
  enum class State { kReading, kDone, kFailed };

  // `maxBodyBytes` bounds the body; the head is bounded by kMaxHeadBytes. A reply to a HEAD
  // request is never read here, so every status but 1xx, 204 and 304 may carry a body.
  explicit HttpReplyReader(std::size_t maxBodyBytes) : maxBody_(maxBodyBytes) {}

  static constexpr std::size_t kMaxHeadBytes = 64 * 1024;

  // A download's body goes to `sink` as it comes, instead of into body(); only the body of a
  // 2xx reply does (an error page is read and dropped). The sink returns false to end the
  // reply as a failure.
  using BodySink = std::function<bool(std::string_view bytes)>;
  void SetBodySink(BodySink sink) { sink_ = std::move(sink); }

  // Hands over the next bytes from the connection.
  State Feed(std::string_view bytes);
  // The connection has ended: a body framed by the end is complete; anything else is cut off.
  State End();

  State state() const { return state_; }
  int status() const { return status_; }
  const std::string& body() const { return body_; }
  std::string TakeBody() { return std::move(body_); }
  // The Set-Cookie values of the final reply, in their order.
  const std::vector<std::string>& cookies() const { return cookies_; }
  const std::string& error() const { return error_; }
  // The body's bytes so far, and its whole size when the reply says it (0 otherwise).
  std::size_t BodyBytes() const { return bodyBytes_; }
  std::size_t ExpectedBytes() const { return expected_; }

 private:
  enum class Part { kHead, kLengthBody, kChunkSize, kChunkData, kChunkEnd, kTrailer, kCloseBody };

  State Fail(std::string why);
  bool ReadHead();
  bool Step();
  bool AddBody(std::string_view bytes);

  std::size_t maxBody_;
  State state_ = State::kReading;
  Part part_ = Part::kHead;
  std::string pending_;          // bytes not yet used
  std::size_t headScanned_ = 0;  // of pending_, looked at for the head's end
  int status_ = 0;
  std::string body_;
  std::vector<std::string> cookies_;
  std::string error_;
  std::size_t remaining_ = 0;  // of the Content-Length body or of the current chunk
  BodySink sink_;
  std::size_t bodyBytes_ = 0;
  std::size_t expected_ = 0;
};

}  // namespace zendral::online
