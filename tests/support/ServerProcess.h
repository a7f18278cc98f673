#pragma once
// The real zendral-server for a test: its own process on a free loopback port (the server
// picks the port and names it in its log, so nothing can take it between a look and the bind),
// a temporary data folder, started and waited for until it answers, stopped with the test.
// Every test that needs the server starts it through this class.

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "TempFolder.h"

namespace zendral::support {

class ServerProcess {
 public:
  // program: the zendral-server executable; extra: options after the fixed ones; database:
  // a PostgreSQL address, or empty for SQLite in the data folder.
  explicit ServerProcess(std::string program, std::vector<std::string> extra = {},
                         std::string database = {})
      : program_(std::move(program)), extra_(std::move(extra)), database_(std::move(database)) {
    Start();
  }
  ~ServerProcess() { Stop(); }
  ServerProcess(const ServerProcess&) = delete;
  ServerProcess& operator=(const ServerProcess&) = delete;

  // Starts the server and waits until it takes connections; a failure is a test failure
  // with the server's log, and Ready() stays false.
  void Start() {
    const std::string log = LogPath().string();
    std::vector<std::string> args = {
        program_,      "--listen", "127.0.0.1:0", "--data", data_.path().string(),
        "--hash-cost", "minimal"};
    if (!database_.empty()) args.insert(args.end(), {"--database", database_});
    args.insert(args.end(), extra_.begin(), extra_.end());
    const auto logSizeBefore = FileText(log).size();
    port_ = 0;
    pid_ = ::fork();
    if (pid_ == 0) {
      // The server goes with the test program, however that ends.
      ::prctl(PR_SET_PDEATHSIG, SIGTERM);
      const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
      ::dup2(fd, 1);
      ::dup2(fd, 2);
      std::vector<char*> argv;
      for (auto& a : args) argv.push_back(a.data());
      argv.push_back(nullptr);
      ::execv(argv[0], argv.data());
      ::_exit(127);
    }
    const std::regex listening("listening on 127\\.0\\.0\\.1:([0-9]+)");
    for (int i = 0; i < 400 && port_ == 0; ++i) {
      const std::string text = FileText(log).substr(logSizeBefore);
      std::smatch m;
      if (std::regex_search(text, m, listening)) {
        port_ = std::stoi(m[1]);
        break;
      }
      int status = 0;
      if (::waitpid(pid_, &status, WNOHANG) == pid_) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    if (port_ != 0 && Connects()) return;
    Stop();
    port_ = 0;
    ADD_FAILURE() << "zendral-server did not start:\n" << FileText(log);
  }
  void Stop() {
    if (pid_ > 0) {
      ::kill(pid_, SIGTERM);
      int status = 0;
      ::waitpid(pid_, &status, 0);
      pid_ = -1;
    }
  }
  void Restart() {
    Stop();
    Start();
  }
  // The options after the fixed ones, for the next Start or Restart.
  void SetExtra(std::vector<std::string> extra) { extra_ = std::move(extra); }

  bool Ready() const { return pid_ > 0 && port_ != 0; }
  std::string Base() const { return "http://127.0.0.1:" + std::to_string(port_); }
  int Port() const { return port_; }
  pid_t Pid() const { return pid_; }
  const TempFolder& Folder() const { return data_; }
  const std::filesystem::path& DataDir() const { return data_.path(); }
  std::filesystem::path LogPath() const { return data_.path() / "server.log"; }
  bool OnPostgres() const { return !database_.empty(); }

  // The server's resident memory in kilobytes (VmRSS), or -1.
  long ResidentKb() const {
    std::ifstream in("/proc/" + std::to_string(pid_) + "/status");
    std::string line;
    while (std::getline(in, line)) {
      if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
  }

  // zendral-server admin WORDS over the same data and database: its exit code and output.
  std::pair<int, std::string> Admin(const std::string& words) const {
    std::string command = program_ + " --data '" + data_.path().string() + "'";
    if (!database_.empty()) command += " --database '" + database_ + "'";
    command += " admin " + words + " 2>&1";
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return {-1, out};
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
  }

  static std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  // The port takes a connection (the server logs its port once it listens; this also
  // catches a server that died right after).
  bool Connects() const {
    for (int i = 0; i < 100; ++i) {
      const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
      sockaddr_in address{};
      address.sin_family = AF_INET;
      address.sin_port = htons(static_cast<std::uint16_t>(port_));
      address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
      const bool connected =
          fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
      if (fd >= 0) ::close(fd);
      if (connected) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return false;
  }

  std::string program_;
  std::vector<std::string> extra_;
  std::string database_;
  TempFolder data_;
  pid_t pid_ = -1;
  int port_ = 0;
};

}  // namespace zendral::support
