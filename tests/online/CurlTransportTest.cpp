// The program's transport against a loopback server that misbehaves in every way a network
// can: each request ends as a failure within its bound, and the shared client sends what it
// must. Every case runs on both of the transport's routes: the numeric address goes over the
// program's own socket client, the same server named "localhost" over libcurl.

#include <gtest/gtest.h>

#include <chrono>

#include "LoopbackHttpServer.h"
#include "online/CurlTransport.h"
#include "online/RequestFrame.h"
#include "online/SocketHttpTransport.h"

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

struct Route {
  const char* name;
  const char* host;
};

void PrintTo(const Route& route, std::ostream* out) {
  *out << route.name;
}

class Transport : public testing::TestWithParam<Route> {
 protected:
  // The server's address on this case's route.
  std::string Base(LoopbackHttpServer& server) const {
    std::string base = server.base();
    const std::string numeric = "127.0.0.1";
    return base.replace(base.find(numeric), numeric.size(), GetParam().host);
  }

  Outcome PostThrough(LoopbackHttpServer& server) const {
    CurlTransport transport(TestBounds());
    RequestFrame frame(transport);
    const auto start = Clock::now();
    auto reply = frame.PostFormRequest(Base(server) + "/services/account", {{"label1", "0"}});
    return {reply, std::chrono::duration<double>(Clock::now() - start).count()};
  }
};

INSTANTIATE_TEST_SUITE_P(Routes, Transport,
                         testing::Values(Route{"OwnSocketClient", "127.0.0.1"},
                                         Route{"Libcurl", "localhost"}),
                         [](const testing::TestParamInfo<Route>& route) {
                           return std::string(route.param.name);
                         });

TEST_P(Transport, MisbehavingServersEndAsFailuresWithinTheBound) {
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

TEST_P(Transport, TheTableReadTimeOutEndsASilentReplyEarlier) {
  LoopbackHttpServer server([](const std::string&, int s) {
    LoopbackHttpServer::Write(s, "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n$1");
    std::this_thread::sleep_for(std::chrono::milliseconds(5000));
  });
  CurlTransport transport({1000, 10000, 1024});
  RequestFrame frame(transport);
  frame.UseTableReadTimeout();
  const auto start = Clock::now();
  EXPECT_FALSE(frame.PostFormRequest(Base(server) + "/services/records", {{"gid", "44"}}));
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  EXPECT_GT(seconds, 2.0);
  EXPECT_LT(seconds, 5.0);
}

TEST_P(Transport, AnHtmlPageIsAReplyThatTheReadersReject) {
  LoopbackHttpServer server([](const std::string&, int s) {
    LoopbackHttpServer::Write(s, LoopbackHttpServer::Reply("<html><body>Not here</body></html>"));
  });
  const Outcome outcome = PostThrough(server);
  ASSERT_TRUE(outcome.reply);
  EXPECT_EQ(*outcome.reply, "<html><body>Not here</body></html>");
}

TEST_P(Transport, NoServerAtAllFailsQuickly) {
  int port = 0;
  {
    LoopbackHttpServer gone([](const std::string&, int) {});
    port = std::stoi(gone.base().substr(gone.base().rfind(':') + 1));
  }
  CurlTransport transport(TestBounds());
  RequestFrame frame(transport);
  EXPECT_FALSE(frame.PostFormRequest(
      std::string("http://") + GetParam().host + ":" + std::to_string(port) + "/x", {}));
  EXPECT_FALSE(frame.LastError().empty());
}

TEST_P(Transport, TheSharedClientSendsItsHeadersAndKeepsCookies) {
  int count = 0;
  LoopbackHttpServer server([&count](const std::string&, int s) {
    ++count;
    LoopbackHttpServer::Write(
        s, LoopbackHttpServer::Reply(
               "ok", "200 OK", count == 1 ? "Set-Cookie: zsid=abc123; Path=/; HttpOnly\r\n" : ""));
  });
  CurlTransport transport(TestBounds());
  RequestFrame frame(transport);
  ASSERT_EQ(frame.PostRawRequest(Base(server) + "/services/account", {{"city", "Омск & Co"}}),
            "ok");
  ASSERT_EQ(frame.PostFormRequest(Base(server) + "/services/account", {{"a", "b c"}}), "ok");
  ASSERT_TRUE(frame.FetchDocument(Base(server) + "/services/paths.txt"));
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

// The session's cookie as the club sets and ends it. A cookie for https only comes back too:
// this machine counts as a secure context.
TEST_P(Transport, AnEndedOrExpiredCookieIsNotSentAgain) {
  const std::vector<std::string> setCookies = {
      "Set-Cookie: zsid=abc123; Path=/; HttpOnly; SameSite=Lax\r\n"
      "Set-Cookie: old=1; Path=/\r\nSet-Cookie: safe=1; Path=/; Secure\r\n",
      "Set-Cookie: old=; Path=/; Expires=Thu, 01 Jan 1970 00:00:00 GMT\r\n",
      "Set-Cookie: zsid=; Path=/; Max-Age=0; HttpOnly; SameSite=Lax\r\n", ""};
  std::size_t count = 0;
  LoopbackHttpServer server([&](const std::string&, int s) {
    const std::string& headers = setCookies[std::min(count++, setCookies.size() - 1)];
    LoopbackHttpServer::Write(s, LoopbackHttpServer::Reply("ok", "200 OK", headers));
  });
  CurlTransport transport(TestBounds());
  RequestFrame frame(transport);
  for (std::size_t i = 0; i < setCookies.size(); ++i) {
    ASSERT_EQ(frame.PostFormRequest(Base(server) + "/services/account", {}), "ok");
  }
  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 4u);
  EXPECT_EQ(requests[0].find("Cookie:"), std::string::npos);
  EXPECT_NE(requests[1].find("zsid=abc123"), std::string::npos);
  EXPECT_NE(requests[1].find("old=1"), std::string::npos);
  EXPECT_NE(requests[1].find("safe=1"), std::string::npos);
  EXPECT_NE(requests[2].find("zsid=abc123"), std::string::npos);
  EXPECT_EQ(requests[2].find("old="), std::string::npos);
  EXPECT_EQ(requests[3].find("zsid="), std::string::npos);
  EXPECT_NE(requests[3].find("safe=1"), std::string::npos);
}

TEST_P(Transport, RepliesInWindows1251BecomeUtf8) {
  LoopbackHttpServer server([](const std::string&, int s) {
    LoopbackHttpServer::Write(s, LoopbackHttpServer::Reply("$\xCE\xEC\xF1\xEA Russia$"));
  });
  EXPECT_EQ(PostThrough(server).reply, "$Омск Russia$");
}

}  // namespace
}  // namespace zendral::online

namespace zendral::online {
namespace {

// A reply that comes a byte at a time keeps the window painting as well as a silent one.
TEST_P(Transport, TheIdleCallbackRunsWhileAReplyTrickles) {
  LoopbackHttpServer server([](const std::string&, int s) {
    LoopbackHttpServer::Write(s, "HTTP/1.1 200 OK\r\nContent-Length: 50\r\n\r\n");
    for (int i = 0; i < 50; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      LoopbackHttpServer::Write(s, "x");
    }
  });
  CurlTransport transport(TestBounds());
  int calls = 0;
  transport.SetIdle([&] { ++calls; });
  HttpRequest request;
  request.method = HttpRequest::Method::kGet;
  request.url = Base(server) + "/slow";
  const HttpReply reply = transport.Send(request);
  ASSERT_TRUE(reply.ok) << reply.error;
  EXPECT_EQ(reply.body, std::string(50, 'x'));
  EXPECT_GE(calls, 5);
}

TEST_P(Transport, TheIdleCallbackRunsWhileARequestWaitsAndCannotStartAnother) {
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
      nestedFailed = !frame.PostFormRequest(Base(server) + "/services/account", {{"label1", "0"}});
    }
  });
  EXPECT_EQ(frame.PostFormRequest(Base(server) + "/services/account", {{"label1", "0"}}), "$57$");
  EXPECT_GT(calls, 1);
  EXPECT_TRUE(nestedFailed);
}

}  // namespace
}  // namespace zendral::online

namespace zendral::online {
namespace {

TEST(SocketHttpTransport, ServesPlainHttpToANumericAddressOnly) {
  const struct {
    const char* url;
    bool served;
  } cases[] = {
      {"http://127.0.0.1:8044/services/account", true},
      // Only read, never asked: any numeric address is served the same way, here and on the
      // local network.
      {"HTTP://127.4.5.6/paths.txt?x=1#top", true},
      {"http://127.0.0.1:65535", true},
      {"http://[0:0:0:0:0:0:0:1]:8044/x", true},
      {"http://[::1]:8044/x", true},
      {"http://[::1]/x", true},
      {"http://localhost:8044/x", false},  // a name: libcurl looks it up
      {"http://club.example.org/x", false},
      {"https://127.0.0.1:8044/x", false},
      {"ftp://127.0.0.1/x", false},
      {"http://user:pw@127.0.0.1/x", false},
      {"http://127.1/x", false},
      {"http://127.0.0.1:0/x", false},
      {"http://127.0.0.1:65536/x", false},
      {"http://127.0.0.1:80x/x", false},
      {"http://[::1/x", false},
      {"http://[::1]x/", false},
      {"http://", false},
      {"", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SocketHttpTransport::Serves(c.url), c.served) << c.url;
  }
}

TEST(SocketHttpTransport, SendsAPathAsABrowserWouldAndTheHostAsWritten) {
  LoopbackHttpServer server([](const std::string&, int s) {
    LoopbackHttpServer::Write(s, LoopbackHttpServer::Reply("ok"));
  });
  CurlTransport transport(TestBounds());
  const std::string host = server.base().substr(std::string("http://").size());
  HttpRequest request;
  request.method = HttpRequest::Method::kGet;
  for (const std::string& tail : {std::string("?a=1"), std::string("/s p/\xD0\xAF#frag")}) {
    request.url = server.base() + tail;
    EXPECT_TRUE(transport.Send(request).ok) << tail;
  }
  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].rfind("GET /?a=1 HTTP/1.1\r\nHost: " + host + "\r\n", 0), 0u);
  EXPECT_EQ(requests[1].rfind("GET /s%20p/%D0%AF HTTP/1.1\r\n", 0), 0u);
}

}  // namespace
}  // namespace zendral::online
