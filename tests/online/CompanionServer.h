#pragma once
// The real companion server on a free loopback port over a temporary data folder, for the
// end-to-end tests; stopped when the fixture ends.

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "TempFolder.h"
#include "online/CurlTransport.h"
#include "online/RequestFrame.h"

namespace zendral::online {

class CompanionServer {
 public:
  explicit CompanionServer(const std::string& program) : CompanionServer(program, {}, {}) {}
  // With further options, over a data folder of the caller's when one is given (so that a
  // later server, with other options, finds the same club) or else a folder of its own.
  CompanionServer(const std::string& program, const std::vector<std::string>& extra,
                  const std::filesystem::path& dataFolder) {
    // The server takes a free port itself and names it in its log: no other program can take
    // the port between a look and the server's bind.
    const std::filesystem::path folder = dataFolder.empty() ? folder_.path() : dataFolder;
    const std::string log = (folder_.path() / "server.log").string();
    std::vector<std::string> args = {program,   "--listen",      "127.0.0.1:0",
                                     "--data",  folder.string(), "--hash-cost",
                                     "minimal", "--rate-scale",  "1000"};
    args.insert(args.end(), extra.begin(), extra.end());
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_ = ::fork();
    if (pid_ == 0) {
      // The server goes with the test program, however that ends.
      ::prctl(PR_SET_PDEATHSIG, SIGTERM);
      const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
      ::dup2(fd, 1);
      ::dup2(fd, 2);
      ::execv(program.c_str(), argv.data());
      ::_exit(127);
    }
    const std::regex listening("listening on 127\\.0\\.0\\.1:([0-9]+)");
    for (int i = 0; i < 200 && port_ == 0; ++i) {
      std::ifstream in(log);
      const std::string text((std::istreambuf_iterator<char>(in)), {});
      std::smatch m;
      if (std::regex_search(text, m, listening)) {
        port_ = std::stoi(m[1]);
      } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
      }
    }
    if (port_ == 0) return;
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
  TempFolder folder_;
  int port_ = 0;
  pid_t pid_ = -1;
  bool ready_ = false;
};

}  // namespace zendral::online
