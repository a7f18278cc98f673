#pragma once
// The real zendral-server on a free loopback port over a temporary data folder (the shared
// fixture of tests/support), and a small HTTP client that keeps its cookies like the program's
// client does. The database is SQLite in the data folder unless ZENDRAL_TEST_DATABASE names a
// PostgreSQL one.

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

#include "ServerProcess.h"
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

// A zendral-server process on the database the run names (ZENDRAL_TEST_DATABASE: a
// PostgreSQL address; unset or empty: SQLite in the data folder).
class ServerProcess : public support::ServerProcess {
 public:
  explicit ServerProcess(std::vector<std::string> extra = {})
      : support::ServerProcess(ZENDRAL_SERVER_BINARY, std::move(extra), TestDatabase()) {}

  static std::string TestDatabase() {
    const char* db = std::getenv("ZENDRAL_TEST_DATABASE");
    return db != nullptr ? db : "";
  }
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
