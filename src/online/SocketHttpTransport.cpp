#include "online/SocketHttpTransport.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <optional>

#include "online/HttpReplyReader.h"

namespace zendral::online {
namespace {

using Clock = std::chrono::steady_clock;

// How long one wait on the socket lasts before the idle callback and the bounds are seen to.
constexpr int kSliceMs = 40;

struct Target {
  sockaddr_storage address{};
  socklen_t length = 0;
  std::string host;         // host and port as the URL writes them, for the Host header
  std::string hostAddress;  // the address alone, which the cookies belong to
  std::string path;         // path and query
  bool loopback = false;
};

std::optional<int> PortOf(std::string_view text) {
  if (text.empty()) return 80;
  if (text.size() > 5) return std::nullopt;
  int port = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    port = port * 10 + (c - '0');
  }
  if (port < 1 || port > 65535) return std::nullopt;
  return port;
}

// The request target as sent: what a browser would send for the same address.
std::string PathOf(std::string_view rest) {
  rest = rest.substr(0, rest.find('#'));
  std::string path = rest.empty() || rest.front() != '/' ? "/" : "";
  static const char kHex[] = "0123456789ABCDEF";
  for (const char c : rest) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= 0x20 || byte >= 0x7f) {
      path += '%';
      path += kHex[byte >> 4];
      path += kHex[byte & 15];
    } else {
      path += c;
    }
  }
  return path;
}

std::optional<Target> ParseTarget(const std::string& url) {
  constexpr std::string_view kScheme = "http://";
  if (url.size() < kScheme.size()) return std::nullopt;
  for (std::size_t i = 0; i < kScheme.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(url[i])) != kScheme[i]) return std::nullopt;
  }
  const std::string_view rest = std::string_view(url).substr(kScheme.size());
  const std::size_t end = std::min(rest.find_first_of("/?#"), rest.size());
  const std::string_view authority = rest.substr(0, end);
  if (authority.find('@') != std::string_view::npos) return std::nullopt;
  Target target;
  std::string address;
  std::string_view portText;
  int family = AF_INET;
  if (!authority.empty() && authority.front() == '[') {
    const std::size_t close = authority.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    address = std::string(authority.substr(1, close - 1));
    const std::string_view after = authority.substr(close + 1);
    if (!after.empty() && after.front() != ':') return std::nullopt;
    portText = after.empty() ? after : after.substr(1);
    family = AF_INET6;
  } else {
    const std::size_t colon = authority.find(':');
    address = std::string(authority.substr(0, colon));
    portText = colon == std::string_view::npos ? std::string_view() : authority.substr(colon + 1);
  }
  const std::optional<int> port = PortOf(portText);
  if (!port) return std::nullopt;
  if (family == AF_INET) {
    auto* in = reinterpret_cast<sockaddr_in*>(&target.address);
    if (inet_pton(AF_INET, address.c_str(), &in->sin_addr) != 1) return std::nullopt;
    in->sin_family = AF_INET;
    in->sin_port = htons(static_cast<uint16_t>(*port));
    target.length = sizeof(sockaddr_in);
    target.loopback = (ntohl(in->sin_addr.s_addr) >> 24) == 127;
  } else {
    auto* in6 = reinterpret_cast<sockaddr_in6*>(&target.address);
    if (inet_pton(AF_INET6, address.c_str(), &in6->sin6_addr) != 1) return std::nullopt;
    in6->sin6_family = AF_INET6;
    in6->sin6_port = htons(static_cast<uint16_t>(*port));
    target.length = sizeof(sockaddr_in6);
    target.loopback = IN6_IS_ADDR_LOOPBACK(&in6->sin6_addr);
  }
  target.host = std::string(authority);
  target.hostAddress = address;
  target.path = PathOf(rest.substr(end));
  return target;
}

class Socket {
 public:
  explicit Socket(int fd) : fd_(fd) {}
  ~Socket() {
    if (fd_ >= 0) ::close(fd_);
  }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

// One request's waits: every wait on the socket is cut into slices, between which the idle
// callback runs and the bounds and the cancellation are seen to.
class Exchange {
 public:
  Exchange(const TransportBounds& bounds, int readTimeoutMs, const std::function<void()>& idle,
           const std::atomic<bool>& cancelled)
      : idle_(idle), cancelled_(cancelled), readTimeoutMs_(readTimeoutMs) {
    const Clock::time_point start = Clock::now();
    totalEnd_ = start + std::chrono::milliseconds(bounds.totalMs);
    connectEnd_ = std::min(totalEnd_, start + std::chrono::milliseconds(bounds.connectMs));
    lastBytes_ = start;
    lastIdle_ = start;
  }

  // Waits until `fd` is ready for `events`; an empty text, or why the request ends. The idle
  // callback runs at least every slice, however the bytes come.
  std::string Wait(int fd, short events, bool connecting) {
    for (;;) {
      if (cancelled_) return "cancelled";
      const Clock::time_point now = Clock::now();
      if (now >= (connecting ? connectEnd_ : totalEnd_)) {
        return connecting ? "the connection timed out" : "the reply timed out";
      }
      if (readTimeoutMs_ > 0 && now - lastBytes_ >= std::chrono::milliseconds(readTimeoutMs_)) {
        return "the reply stalled";
      }
      if (idle_ && now - lastIdle_ >= std::chrono::milliseconds(kSliceMs)) {
        lastIdle_ = now;
        idle_();
        continue;  // the callback may have taken a while, or cancelled the request
      }
      pollfd p{fd, events, 0};
      const int ready = ::poll(&p, 1, kSliceMs);
      if (ready > 0) return {};
      if (ready < 0 && errno != EINTR) return std::string("poll: ") + std::strerror(errno);
    }
  }

  void BytesMoved() { lastBytes_ = Clock::now(); }

 private:
  const std::function<void()>& idle_;
  const std::atomic<bool>& cancelled_;
  int readTimeoutMs_;
  Clock::time_point totalEnd_;
  Clock::time_point connectEnd_;
  Clock::time_point lastBytes_;
  Clock::time_point lastIdle_;
};

std::string Connect(int fd, const Target& target, Exchange& exchange) {
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&target.address), target.length) == 0) {
    return {};
  }
  if (errno != EINPROGRESS) return std::string("could not connect: ") + std::strerror(errno);
  if (std::string why = exchange.Wait(fd, POLLOUT, true); !why.empty()) return why;
  int error = 0;
  socklen_t length = sizeof error;
  ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length);
  if (error != 0) return std::string("could not connect: ") + std::strerror(error);
  return {};
}

std::string SendAll(int fd, const std::string& text, Exchange& exchange) {
  std::size_t sent = 0;
  while (sent < text.size()) {
    if (std::string why = exchange.Wait(fd, POLLOUT, false); !why.empty()) return why;
    const ssize_t n = ::send(fd, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
    if (n < 0) {
      if (errno == EAGAIN || errno == EINTR) continue;
      return std::string("could not send: ") + std::strerror(errno);
    }
    sent += static_cast<std::size_t>(n);
    exchange.BytesMoved();
  }
  return {};
}

std::string ReadReply(int fd, HttpReplyReader& reader, Exchange& exchange) {
  char buffer[16384];
  while (reader.state() == HttpReplyReader::State::kReading) {
    if (std::string why = exchange.Wait(fd, POLLIN, false); !why.empty()) return why;
    const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
    if (n < 0) {
      if (errno == EAGAIN || errno == EINTR) continue;
      if (errno == ECONNRESET) {
        reader.End();
        break;
      }
      return std::string("could not receive: ") + std::strerror(errno);
    }
    if (n == 0) {
      reader.End();
      break;
    }
    exchange.BytesMoved();
    reader.Feed(std::string_view(buffer, static_cast<std::size_t>(n)));
  }
  return reader.state() == HttpReplyReader::State::kFailed ? reader.error() : std::string();
}

}  // namespace

bool SocketHttpTransport::Serves(const std::string& url) {
  return ParseTarget(url).has_value();
}

HttpReply SocketHttpTransport::Send(const HttpRequest& request, const std::function<void()>& idle,
                                    const std::atomic<bool>& cancelled, const BodyStream* stream) {
  HttpReply reply;
  const std::optional<Target> target = ParseTarget(request.url);
  if (!target) {
    reply.error = "not a plain http address";
    return reply;
  }
  // Cookies belong to the host, whatever its port.
  const std::string& cookieHost = target->hostAddress;
  const bool post = request.method == HttpRequest::Method::kPost;
  std::string text = std::string(post ? "POST " : "GET ") + target->path + " HTTP/1.1\r\n";
  text += "Host: " + target->host + "\r\n";
  if (request.sharedClient) {
    text += std::string("User-Agent: ") + kUserAgent + "\r\n";
    text += std::string("Accept: ") + kAccept + "\r\n";
    text += cookies_.Header(cookieHost);
  } else {
    text += "Accept: */*\r\n";
  }
  if (post) {
    text += "Content-Type: " + request.contentType + "\r\n";
    text += "Content-Length: " + std::to_string(request.body.size()) + "\r\n";
  }
  text += "Connection: close\r\n\r\n";
  if (post) text += request.body;

  HttpReplyReader reader(bounds_.maxBodyBytes);
  // A download's progress is heard as its bytes come and while it waits; a "no" from either
  // side ends it as the cancellation does.
  std::atomic<bool> stopped{false};
  std::function<void()> waiting = idle;
  if (stream != nullptr) {
    const auto going = [&reader, stream] {
      return !stream->progress || stream->progress(static_cast<long long>(reader.BodyBytes()),
                                                   static_cast<long long>(reader.ExpectedBytes()));
    };
    reader.SetBodySink([stream, going](std::string_view bytes) {
      return (!stream->write || stream->write(bytes)) && going();
    });
    waiting = [&idle, &stopped, &cancelled, going] {
      if (idle) idle();
      if (!going() || cancelled) stopped = true;
    };
  }
  const std::atomic<bool>& ended = stream != nullptr ? stopped : cancelled;
  Exchange exchange(bounds_, request.readTimeoutMs, waiting, ended);
  Socket socket(::socket(target->address.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  if (socket.fd() < 0) {
    reply.error = std::string("no socket: ") + std::strerror(errno);
    return reply;
  }
  std::string why = Connect(socket.fd(), *target, exchange);
  if (why.empty()) why = SendAll(socket.fd(), text, exchange);
  if (why.empty()) why = ReadReply(socket.fd(), reader, exchange);
  reply.status = reader.status();
  if (!why.empty()) {
    reply.error = why;
    return reply;
  }
  if (request.sharedClient) cookies_.Keep(cookieHost, target->loopback, reader.cookies());
  if (reply.status < 200 || reply.status > 299) {
    reply.error = "HTTP status " + std::to_string(reply.status);
    return reply;
  }
  reply.body = reader.TakeBody();
  reply.ok = true;
  return reply;
}

}  // namespace zendral::online
