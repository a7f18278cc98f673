#pragma once
// The real zendral-server on a free loopback port over a temporary data folder, and a small
// HTTP client that keeps its cookies like the program's client does. The database is SQLite
// in the data folder unless ZENDRAL_TEST_DATABASE names a PostgreSQL one.

#include <gtest/gtest.h>

#include <curl/curl.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include <QBuffer>
#include <QImage>

#include "TempFolder.h"
#include "online/Reply.h"
#include "online/RequestBody.h"

#ifndef ZENDRAL_SERVER_BINARY
#error "ZENDRAL_SERVER_BINARY must name the zendral-server executable"
#endif

namespace zendral::server_test {

struct HttpReply {
  long status = 0;
  std::string body;
};

// One program run: one curl handle, cookies kept for its life.
class Client {
 public:
  explicit Client(std::string base) : base_(std::move(base)), curl_(curl_easy_init()) {
    curl_easy_setopt(curl_, CURLOPT_COOKIEFILE, "");
    curl_easy_setopt(curl_, CURLOPT_TIMEOUT_MS, 20000L);
    curl_easy_setopt(curl_, CURLOPT_USERAGENT, "VormLakeTiqPu");
    curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, &Client::Collect);
  }
  ~Client() { curl_easy_cleanup(curl_); }
  Client(const Client&) = delete;
  Client& operator=(const Client&) = delete;

  void SetBase(std::string base) { base_ = std::move(base); }

  HttpReply Post(const std::string& path, const std::string& body,
                 const char* type = online::kFormContentType) {
    HttpReply reply;
    curl_slist* headers =
        curl_slist_append(nullptr, (std::string("Content-Type: ") + type).c_str());
    curl_easy_setopt(curl_, CURLOPT_URL, (base_ + path).c_str());
    curl_easy_setopt(curl_, CURLOPT_POST, 1L);
    curl_easy_setopt(curl_, CURLOPT_POSTFIELDS, body.data());
    curl_easy_setopt(curl_, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl_easy_setopt(curl_, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl_, CURLOPT_WRITEDATA, &reply.body);
    if (curl_easy_perform(curl_) == CURLE_OK) {
      curl_easy_getinfo(curl_, CURLINFO_RESPONSE_CODE, &reply.status);
    }
    curl_easy_setopt(curl_, CURLOPT_HTTPHEADER, nullptr);
    curl_slist_free_all(headers);
    return reply;
  }
  HttpReply Form(const std::string& path, const online::Fields& fields) {
    return Post(path, online::FormBody(fields));
  }
  HttpReply Raw(const std::string& path, const online::Fields& fields) {
    return Post(path, online::RawBody(fields));
  }
  HttpReply Get(const std::string& path, const std::vector<std::string>& extraHeaders = {}) {
    HttpReply reply;
    curl_slist* headers = nullptr;
    for (const std::string& h : extraHeaders) headers = curl_slist_append(headers, h.c_str());
    curl_easy_setopt(curl_, CURLOPT_URL, (base_ + path).c_str());
    curl_easy_setopt(curl_, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl_, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl_, CURLOPT_WRITEDATA, &reply.body);
    if (curl_easy_perform(curl_) == CURLE_OK) {
      curl_easy_getinfo(curl_, CURLINFO_RESPONSE_CODE, &reply.status);
    }
    curl_easy_setopt(curl_, CURLOPT_HTTPHEADER, nullptr);
    curl_slist_free_all(headers);
    return reply;
  }

 private:
  static size_t Collect(char* data, size_t size, size_t n, void* out) {
    static_cast<std::string*>(out)->append(data, size * n);
    return size * n;
  }
  std::string base_;
  CURL* curl_;
};

// A zendral-server process.
class ServerProcess {
 public:
  explicit ServerProcess(std::vector<std::string> extra = {}) : extra_(std::move(extra)) {
    const char* db = std::getenv("ZENDRAL_TEST_DATABASE");
    database_ = db != nullptr && *db != '\0' ? db : "";
    Start();
  }
  ~ServerProcess() { Stop(); }

  void Start() {
    const std::string log = (data_.path() / "server.log").string();
    std::vector<std::string> args = {ZENDRAL_SERVER_BINARY, "--listen",    "127.0.0.1:0", "--data",
                                     data_.path().string(), "--hash-cost", "minimal"};
    if (!database_.empty()) args.insert(args.end(), {"--database", database_});
    args.insert(args.end(), extra_.begin(), extra_.end());
    const auto logSizeBefore = FileText(log).size();
    pid_ = fork();
    if (pid_ == 0) {
      // The server goes with the test program, however that ends.
      prctl(PR_SET_PDEATHSIG, SIGTERM);
      const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
      dup2(fd, 1);
      dup2(fd, 2);
      std::vector<char*> argv;
      for (auto& a : args) argv.push_back(a.data());
      argv.push_back(nullptr);
      execv(argv[0], argv.data());
      _exit(127);
    }
    const std::regex listening("listening on 127\\.0\\.0\\.1:([0-9]+)");
    for (int i = 0; i < 200; ++i) {
      const std::string text = FileText(log).substr(logSizeBefore);
      std::smatch m;
      if (std::regex_search(text, m, listening)) {
        port_ = std::stoi(m[1]);
        return;
      }
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    pid_ = -1;
    ADD_FAILURE() << "zendral-server did not start:\n" << FileText(log);
  }
  void Stop() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      int status = 0;
      waitpid(pid_, &status, 0);
      pid_ = -1;
    }
  }
  void Restart() {
    Stop();
    Start();
  }
  // The options after the fixed ones, for the next Start or Restart.
  void SetExtra(std::vector<std::string> extra) { extra_ = std::move(extra); }

  std::string Base() const { return "http://127.0.0.1:" + std::to_string(port_); }
  int Port() const { return port_; }
  const std::filesystem::path& DataDir() const { return data_.path(); }
  bool OnPostgres() const { return !database_.empty(); }
  pid_t Pid() const { return pid_; }
  // The server's resident memory in kilobytes (VmRSS), or -1.
  long ResidentKb() const {
    std::ifstream in("/proc/" + std::to_string(pid_) + "/status");
    std::string line;
    while (std::getline(in, line)) {
      if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
  }

  // zendral-server admin ... over the same data; its exit code and standard output.
  std::pair<int, std::string> Admin(const std::string& words) {
    std::string command =
        std::string(ZENDRAL_SERVER_BINARY) + " --data '" + data_.path().string() + "'";
    if (!database_.empty()) command += " --database '" + database_ + "'";
    command += " admin " + words + " 2>&1";
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
  }

  static std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::vector<std::string> extra_;
  std::string database_;
  TempFolder data_;
  pid_t pid_ = -1;
  int port_ = 0;
};

// One server for the whole test program: every suite shares it, each test uses its own nicks.
class ServerTest : public ::testing::Test {
 public:
  static void SetUpTestSuite() {
    if (server_ == nullptr) server_ = new ServerProcess({"--rate-scale", "1000"});
  }
  static ServerProcess& Server() { return *server_; }
  static void StopServer() {
    delete server_;
    server_ = nullptr;
  }
  // A nick no other test of this run uses: a letter and a running number.
  static std::string NewNick(const std::string& stem) {
    static int counter = 0;
    static const std::string run = std::to_string(::getpid() % 10000);
    return stem.substr(0, 4) + run + "x" + std::to_string(++counter);
  }
  std::unique_ptr<Client> NewClient() { return std::make_unique<Client>(server_->Base()); }

 private:
  static inline ServerProcess* server_ = nullptr;
};

// Stops the shared server when the test program ends.
class ServerEnvironment : public ::testing::Environment {
 public:
  void TearDown() override { ServerTest::StopServer(); }
};
inline ::testing::Environment* const kServerEnvironment =
    ::testing::AddGlobalTestEnvironment(new ServerEnvironment);

// The account creation fields as the program sends them (raw style).
inline online::Fields CreateFields(const std::string& nick, const std::string& pw,
                                   const std::string& city = "Toronto") {
  return {{"nick", nick},
          {"pw", pw},
          {"city", city},
          {"country1", "Canada"},
          {"country2", "3-009"},
          {"sex", "W"},
          {"email", "me@example.org"},
          {"dater", "01.01.1990"},
          {"R01", "xxx"},
          {"R02", "xxx"},
          {"R03", "xxx"},
          {"R04", "1000000"},
          {"R05", "7"},
          {"R06", "9"}};
}

// A member logged in through the client (the client then holds the session cookie).
inline void CreateAndLogIn(Client& client, const std::string& nick, const std::string& pw) {
  ASSERT_EQ(client.Raw("/services/account", CreateFields(nick, pw)).body, "ok");
  const HttpReply login =
      client.Form("/services/account", {{"nick", nick}, {"pw", pw}, {"label0", "0"}});
  ASSERT_TRUE(online::ReplySegment(login.body, ' ').has_value()) << login.body;
}

// A real JPEG picture of the given size (a colour gradient), as the program uploads one.
inline std::string TestJpeg(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPEG", 85);
  return bytes.toStdString();
}

// The size of a JPEG picture as a decoder reads it; nothing when the bytes are no JPEG.
inline std::optional<std::pair<int, int>> JpegPictureSize(const std::string& bytes) {
  QImage image;
  if (!image.loadFromData(QByteArray::fromStdString(bytes), "JPEG")) return std::nullopt;
  return std::make_pair(image.width(), image.height());
}

}  // namespace zendral::server_test
