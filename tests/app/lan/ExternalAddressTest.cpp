// The address the internet sees, asked of the web server: what a reply may hand to the own
// address boxes, and that a dead or silent server leaves the box empty instead of hanging.

#include "app/lan/ExternalAddress.h"

#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <chrono>

#include "LanTestSupport.h"

namespace zendral::lan {
namespace {

using namespace std::chrono_literals;

// A web server on loopback that answers every request with one fixed reply, or not at all.
class FixedReplyServer {
 public:
  explicit FixedReplyServer(QByteArray reply) : reply_(std::move(reply)) {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
          request_ += socket->readAll();
          if (!request_.contains("\r\n\r\n") || reply_.isEmpty()) return;
          socket->write(reply_);
          socket->disconnectFromHost();
        });
      }
    });
  }
  QString Address() const { return QString("http://127.0.0.1:%1").arg(server_.serverPort()); }
  const QByteArray& Request() const { return request_; }

 private:
  QTcpServer server_;
  QByteArray reply_;
  QByteArray request_;
};

QByteArray HttpReply(const QByteArray& body, const QByteArray& status = "200 OK") {
  return "HTTP/1.1 " + status +
         "\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(body.size()) +
         "\r\nConnection: close\r\n\r\n" + body;
}

class ExternalAddressTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureApplication(); }
};

TEST_F(ExternalAddressTest, OnlyAnAddressInAGoodReplyReachesTheBox) {
  struct Case {
    const char* what;
    QByteArray reply;
    std::string expected;
  };
  const Case cases[] = {
      {"an IPv4 address", HttpReply("203.0.113.7"), "203.0.113.7"},
      {"with blanks and a line break", HttpReply("  198.51.100.2\r\n"), "198.51.100.2"},
      {"an IPv6 address", HttpReply("2001:db8::1"), "2001:db8::1"},
      {"a web page instead", HttpReply("<html><body>Not here</body></html>"), ""},
      {"an error status", HttpReply("203.0.113.7", "404 Not Found"), ""},
      {"an empty body", HttpReply(""), ""},
      {"a long text", HttpReply(QByteArray(500, '1')), ""},
  };
  for (const Case& c : cases) {
    FixedReplyServer server(c.reply);
    EXPECT_EQ(FetchExternalAddress(server.Address()), c.expected) << c.what;
    EXPECT_TRUE(server.Request().startsWith("GET /get_ip.php ")) << c.what;
  }
}

TEST_F(ExternalAddressTest, AnUnreachableOrSilentServerGivesAnEmptyBoxInTime) {
  EXPECT_EQ(FetchExternalAddress(QString("http://127.0.0.1:%1").arg(testing::FreeLoopbackPort())),
            "");
  EXPECT_EQ(FetchExternalAddress("not a web address"), "");
  EXPECT_EQ(FetchExternalAddress("ftp://127.0.0.1"), "");

  // A server that takes the request and never answers is given up at the limit.
  FixedReplyServer silent{QByteArray()};
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(FetchExternalAddress(silent.Address(), 300ms), "");
  EXPECT_LT(std::chrono::steady_clock::now() - start, 5s) << "the wait was not bounded";
}

}  // namespace
}  // namespace zendral::lan
