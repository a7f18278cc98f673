// The libcurl frame against a loopback server that misbehaves in every way a network can:
// each request ends as a failure within its bound, and the shared client sends what it must.

#include <gtest/gtest.h>

#include <chrono>

#include "LoopbackHttpServer.h"
#include "online/CurlTransport.h"
#include "online/RequestFrame.h"

namespace zendral::online {
namespace {

using Clock = std::chrono::steady_clock;

// Tight bounds so that the misbehaving cases stay quick.
TransportBounds TestBounds() {
  return {1000, 2000, 1024 * 1024};
}

struct Outcome {
  std::optional<std::string> reply;
  double seconds;
};

Outcome PostThrough(LoopbackHttpServer& server, bool tableRead = false) {
  CurlTransport transport(TestBounds());
  RequestFrame frame(transport);
  if (tableRead) frame.UseTableReadTimeout();
  const auto start = Clock::now();
  auto reply = frame.PostFormRequest(server.base() + "/services/account", {{"label1", "0"}});
  return {reply, std::chrono::duration<double>(Clock::now() - start).count()};
}

TEST(CurlTransport, MisbehavingServersEndAsFailuresWithinTheBound) {
  struct Case {
    const char* name;
    LoopbackHttpServer::Behaviour behaviour;
  };
  const Case cases[] = {
      {"never answers", [](const std::string&,
                           int) { std::this_thread::sleep_for(std::chrono::milliseconds(3000)); }},
      {"answers too slowly",
       [](const std::string&, int s) {
         LoopbackHttpServer::Write(s, "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n$1");
         for (int i = 0; i < 30; ++i) {
           std::this_thread::sleep_for(std::chrono::milliseconds(100));
           LoopbackHttpServer::Write(s, "2");
         }
       }},
      {"redirects",
       [](const std::string&, int s) {
         LoopbackHttpServer::Write(
             s, LoopbackHttpServer::Reply("$57$", "302 Found", "Location: /elsewhere\r\n"));
       }},
      {"server error",
       [](const std::string&, int s) {
         LoopbackHttpServer::Write(s, LoopbackHttpServer::Reply("$57$", "500 Oops"));
       }},
      {"drops the connection",
       [](const std::string&, int s) {
         LoopbackHttpServer::Write(s, "HTTP/1.1 200 OK\r\nContent-Length: 50\r\n\r\n$5");
       }},
      {"closes at once", [](const std::string&, int) {}},
  };
  for (const Case& c : cases) {
    LoopbackHttpServer server(c.behaviour);
    const Outcome outcome = PostThrough(server);
    EXPECT_FALSE(outcome.reply) << c.name;
    EXPECT_LT(outcome.seconds, 2.9) << c.name;
  }
}

TEST(CurlTransport, TheTableReadTimeOutEndsASilentReplyEarlier) {
  LoopbackHttpServer server([](const std::string&, int s) {
    LoopbackHttpServer::Write(s, "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n$1");
    std::this_thread::sleep_for(std::chrono::milliseconds(5000));
  });
  CurlTransport transport({1000, 10000, 1024});
  RequestFrame frame(transport);
  frame.UseTableReadTimeout();
  const auto start = Clock::now();
  EXPECT_FALSE(frame.PostFormRequest(server.base() + "/services/records", {{"gid", "44"}}));
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  EXPECT_GT(seconds, 2.0);
  EXPECT_LT(seconds, 5.0);
}

TEST(CurlTransport, AnHtmlPageIsAReplyThatTheReadersReject) {
  LoopbackHttpServer server([](const std::string&, int s) {
    LoopbackHttpServer::Write(s, LoopbackHttpServer::Reply("<html><body>Not here</body></html>"));
  });
  const Outcome outcome = PostThrough(server);
  ASSERT_TRUE(outcome.reply);
  EXPECT_EQ(*outcome.reply, "<html><body>Not here</body></html>");
}

TEST(CurlTransport, NoServerAtAllFailsQuickly) {
  int port = 0;
  {
    LoopbackHttpServer gone([](const std::string&, int) {});
    port = std::stoi(gone.base().substr(gone.base().rfind(':') + 1));
  }
  CurlTransport transport(TestBounds());
  RequestFrame frame(transport);
  EXPECT_FALSE(frame.PostFormRequest("http://127.0.0.1:" + std::to_string(port) + "/x", {}));
  EXPECT_FALSE(frame.LastError().empty());
}

TEST(CurlTransport, TheSharedClientSendsItsHeadersAndKeepsCookies) {
  int count = 0;
  LoopbackHttpServer server([&count](const std::string&, int s) {
    ++count;
    LoopbackHttpServer::Write(
        s, LoopbackHttpServer::Reply(
               "ok", "200 OK", count == 1 ? "Set-Cookie: zsid=abc123; Path=/; HttpOnly\r\n" : ""));
  });
  CurlTransport transport(TestBounds());
  RequestFrame frame(transport);
  ASSERT_EQ(frame.PostRawRequest(server.base() + "/services/account", {{"city", "Омск & Co"}}),
            "ok");
  ASSERT_EQ(frame.PostFormRequest(server.base() + "/services/account", {{"a", "b c"}}), "ok");
  ASSERT_TRUE(frame.FetchDocument(server.base() + "/services/paths.txt"));
  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_NE(requests[0].find("User-Agent: VormLakeTiqPu\r\n"), std::string::npos);
  EXPECT_NE(requests[0].find("Accept: text/html, */*\r\n"), std::string::npos);
  EXPECT_NE(requests[0].find("Content-Type: application/x-www-form-urlencoded\r\n"),
            std::string::npos);
  EXPECT_NE(requests[0].find(std::string("\r\n\r\ncity=\xCE\xEC\xF1\xEA %26 Co")),
            std::string::npos);
  EXPECT_NE(requests[1].find("Cookie: zsid=abc123"), std::string::npos);
  EXPECT_NE(requests[1].find("\r\n\r\na=b+c"), std::string::npos);
  // Documents come with a fresh client: no session, no program User-Agent.
  EXPECT_EQ(requests[2].find("Cookie:"), std::string::npos);
  EXPECT_EQ(requests[2].find("VormLakeTiqPu"), std::string::npos);
  EXPECT_EQ(requests[2].rfind("GET /services/paths.txt", 0), 0u);
}

TEST(CurlTransport, RepliesInWindows1251BecomeUtf8) {
  LoopbackHttpServer server([](const std::string&, int s) {
    LoopbackHttpServer::Write(s, LoopbackHttpServer::Reply("$\xCE\xEC\xF1\xEA Russia$"));
  });
  EXPECT_EQ(PostThrough(server).reply, "$Омск Russia$");
}

}  // namespace
}  // namespace zendral::online

namespace zendral::online {
namespace {

TEST(CurlTransport, TheIdleCallbackRunsWhileARequestWaitsAndCannotStartAnother) {
  LoopbackHttpServer server([](const std::string&, int s) {
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    LoopbackHttpServer::Write(s, LoopbackHttpServer::Reply("$57$"));
  });
  CurlTransport transport(TestBounds());
  RequestFrame frame(transport);
  int calls = 0;
  bool nestedFailed = false;
  transport.SetIdle([&] {
    ++calls;
    if (calls == 1) {
      nestedFailed = !frame.PostFormRequest(server.base() + "/services/account", {{"label1", "0"}});
    }
  });
  EXPECT_EQ(frame.PostFormRequest(server.base() + "/services/account", {{"label1", "0"}}), "$57$");
  EXPECT_GT(calls, 1);
  EXPECT_TRUE(nestedFailed);
}

}  // namespace
}  // namespace zendral::online
