#pragma once
// A bare TCP connection to the server for what a well-behaved HTTP client never does: requests
// sent in a row without reading, heads of any size, many connections at once, and a caller's
// address named by the balancer header.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "online/RequestBody.h"

namespace zendral::server_test {

class RawConnection {
 public:
  explicit RawConnection(int port) : fd_(::socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  }
  ~RawConnection() { ::close(fd_); }
  RawConnection(const RawConnection&) = delete;
  RawConnection& operator=(const RawConnection&) = delete;

  bool Connected() const { return connected_; }

  // Sends as much of the bytes as the connection takes within the time; how many went.
  std::size_t SendWithin(const std::string& bytes, int milliseconds) {
    std::size_t sent = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (sent < bytes.size() && std::chrono::steady_clock::now() < end) {
      pollfd p{fd_, POLLOUT, 0};
      if (::poll(&p, 1, 50) <= 0) continue;
      const ssize_t n =
          ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
      if (n <= 0) break;
      sent += static_cast<std::size_t>(n);
    }
    return sent;
  }
  bool Send(const std::string& bytes) { return SendWithin(bytes, 10000) == bytes.size(); }

  // True when reply bytes have arrived (or the server closed), without waiting.
  bool ReplyWaiting() {
    pollfd p{fd_, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0;
  }

  // Reads until one whole reply (head and Content-Length bytes) is in, the server closes, or
  // the time is up; the reply's bytes so far.
  std::string ReadReply(int milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!WholeReply() && std::chrono::steady_clock::now() < end) {
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, 50) <= 0) continue;
      char buffer[16384];
      const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
      if (n <= 0) break;
      in_.append(buffer, static_cast<std::size_t>(n));
    }
    std::string reply = in_;
    in_.clear();
    return reply;
  }

 private:
  bool WholeReply() const {
    const std::size_t head = in_.find("\r\n\r\n");
    if (head == std::string::npos) return false;
    const std::size_t at = in_.find("Content-Length: ");
    if (at == std::string::npos || at > head) return true;
    return in_.size() >= head + 4 + std::stoul(in_.substr(at + 16));
  }

  int fd_;
  bool connected_ = false;
  std::string in_;
};

// A form POST as the program sends it, from the player the balancer names (none: the peer).
inline std::string PostRequest(const std::string& path, const online::Fields& fields,
                               const std::string& forwardedFor = "",
                               const std::string& extraHeaders = "") {
  const std::string body = online::FormBody(fields);
  std::string request = "POST " + path +
                        " HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                        "Content-Type: application/x-www-form-urlencoded\r\n";
  if (!forwardedFor.empty()) request += "X-Forwarded-For: " + forwardedFor + "\r\n";
  request += extraHeaders;
  request += "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
  return request;
}

// The body of a raw reply (after its head).
inline std::string ReplyBody(const std::string& reply) {
  const std::size_t head = reply.find("\r\n\r\n");
  return head == std::string::npos ? std::string() : reply.substr(head + 4);
}

}  // namespace zendral::server_test
