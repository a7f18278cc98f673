#pragma once
// The HTTP side: one QHttpServer whose requests go through a dispatch table of services
// (POST) and the documents (GET). Bodies are bounded; the caller's address and session cookie
// travel with each request.

#include <QHttpServer>
#include <QHttpServerResponder>
#include <QString>

#include <functional>
#include <memory>

#include "OperationDispatch.h"
#include "PasswordQueue.h"
#include "ServerContext.h"
#include "ServerOptions.h"

namespace zendral::server {

namespace relay {
class RelayServer;
}
class RadioStream;

inline constexpr qsizetype kMaxBody = 64 * 1024;

class Server {
 public:
  explicit Server(ServerOptions options);
  ~Server();
  // Opens the database, brings its schema up to date and listens.
  bool Start(QString* error);
  quint16 Port() const { return port_; }

  // The reply for one request (also used without a socket by the benchmark of the dispatch).
  ServiceReply Handle(const QString& method, const QString& path, ServiceRequest& request);

 private:
  void HandleAccount(ServiceRequest& request, QHttpServerResponder&& responder);
  // A request whose operation runs on a worker (a search, a replay) in the dispatch's table.
  void HandleOnWorker(const OperationDispatch& dispatch, ServiceRequest& request,
                      QHttpServerResponder&& responder);
  static void Send(QHttpServerResponder&& responder, ServiceReply reply, bool headOnly = false);

  using Handler = std::function<ServiceReply(ServerContext&, const ServiceRequest&)>;
  ServerOptions options_;
  std::unique_ptr<Database> db_;
  std::unique_ptr<PasswordHash> hasher_;
  std::unique_ptr<Sessions> sessions_;
  std::unique_ptr<RateLimit> limits_;
  std::unique_ptr<ServerContext> context_;
  std::unique_ptr<relay::RelayServer> relay_;
  QHash<QString, Handler> services_;  // POST path -> service
  QHttpServer http_;
  std::unique_ptr<RadioStream> radio_;  // goes before the connections it streams to
  quint16 port_ = 0;
  PasswordBackoff backoff_;
  // Declared last, so that it is gone (its hashes finished) before anything they answer to.
  std::unique_ptr<PasswordQueue> passwords_;
};

}  // namespace zendral::server
