#pragma once
// A tiny HTTP server on a free loopback port for the transport tests: each connection reads
// one request and then behaves as the test says (answer, answer slowly, never answer, drop).

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zendral::online {

class LoopbackHttpServer {
 public:
  // Gets the request text (head and body) and the socket; writes whatever it likes.
  using Behaviour = std::function<void(const std::string& request, int socket)>;

  explicit LoopbackHttpServer(Behaviour behaviour) : behaviour_(std::move(behaviour)) {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    int on = 1;
    ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    ::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    ::listen(listener_, 16);
    socklen_t len = sizeof addr;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    thread_ = std::thread([this] { Run(); });
  }
  ~LoopbackHttpServer() {
    stop_ = true;
    thread_.join();
    ::close(listener_);
  }

  std::string base() const { return "http://127.0.0.1:" + std::to_string(port_); }
  std::vector<std::string> requests() {
    std::lock_guard lock(mutex_);
    return requests_;
  }

  static void Write(int socket, const std::string& text) {
    ::send(socket, text.data(), text.size(), MSG_NOSIGNAL);
  }
  static std::string Reply(const std::string& body, const std::string& status = "200 OK",
                           const std::string& extraHeaders = "") {
    return "HTTP/1.1 " + status +
           "\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\n" + extraHeaders + "Connection: close\r\n\r\n" + body;
  }

 private:
  void Run() {
    while (!stop_) {
      pollfd p{listener_, POLLIN, 0};
      if (::poll(&p, 1, 50) <= 0) continue;
      const int client = ::accept(listener_, nullptr, nullptr);
      if (client < 0) continue;
      const std::string request = ReadRequest(client);
      {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
      }
      behaviour_(request, client);
      ::close(client);
    }
  }

  std::string ReadRequest(int client) {
    std::string text;
    char buffer[4096];
    std::size_t wanted = std::string::npos;
    while (!stop_) {
      pollfd p{client, POLLIN, 0};
      if (::poll(&p, 1, 2000) <= 0) break;
      const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
      if (n <= 0) break;
      text.append(buffer, static_cast<std::size_t>(n));
      const std::size_t headEnd = text.find("\r\n\r\n");
      if (headEnd != std::string::npos && wanted == std::string::npos) {
        std::size_t length = 0;
        const std::size_t at = text.find("Content-Length: ");
        if (at != std::string::npos && at < headEnd) length = std::stoul(text.substr(at + 16));
        wanted = headEnd + 4 + length;
      }
      if (wanted != std::string::npos && text.size() >= wanted) break;
    }
    return text;
  }

  Behaviour behaviour_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  std::mutex mutex_;
  std::vector<std::string> requests_;
};

}  // namespace zendral::online
