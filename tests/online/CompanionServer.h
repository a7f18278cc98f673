#pragma once
// The real companion server on a free loopback port over a temporary data folder, for the
// end-to-end tests; stopped when the fixture ends.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "TempFolder.h"
#include "online/CurlTransport.h"
#include "online/RequestFrame.h"

namespace zendral::online {

class CompanionServer {
 public:
  explicit CompanionServer(const std::string& program) {
    port_ = FreePort();
    const std::string listen = "127.0.0.1:" + std::to_string(port_);
    const std::string data = folder_.path().string();
    pid_ = ::fork();
    if (pid_ == 0) {
      // The server goes with the test program, however that ends.
      ::prctl(PR_SET_PDEATHSIG, SIGTERM);
      ::execl(program.c_str(), program.c_str(), "--listen", listen.c_str(), "--data", data.c_str(),
              "--hash-cost", "minimal", "--rate-scale", "1000", static_cast<char*>(nullptr));
      ::_exit(127);
    }
    // Ready once the path directory answers.
    CurlTransport transport({500, 1000, 1024 * 1024});
    RequestFrame frame(transport);
    for (int i = 0; i < 100 && !ready_; ++i) {
      ready_ = frame.FetchDocument(base() + "/services/paths.txt").has_value();
      if (!ready_) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  }
  ~CompanionServer() {
    if (pid_ > 0) {
      ::kill(pid_, SIGTERM);
      int status = 0;
      ::waitpid(pid_, &status, 0);
    }
  }
  CompanionServer(const CompanionServer&) = delete;
  CompanionServer& operator=(const CompanionServer&) = delete;

  bool ready() const { return ready_; }
  std::string base() const { return "http://127.0.0.1:" + std::to_string(port_); }
  const TempFolder& folder() const { return folder_; }

 private:
  static int FreePort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len);
    ::close(s);
    return ntohs(addr.sin_port);
  }

  TempFolder folder_;
  int port_ = 0;
  pid_t pid_ = -1;
  bool ready_ = false;
};

}  // namespace zendral::online
