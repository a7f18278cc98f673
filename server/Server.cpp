#include "Server.h"

#include <algorithm>

#include <QDir>
#include <QHostAddress>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QUrl>

#include "ClientAddress.h"
#include "ConnectionGate.h"
#include "Documents.h"
#include "FileReply.h"
#include "OperationDispatch.h"
#include "RadioList.h"
#include "RadioStream.h"
#include "ServerLog.h"
#include "Services.h"
#include "TournamentService.h"
#include "extras/radio/RadioStations.h"
#include "protocol/Keys.h"
#include "relay/RelayServer.h"

namespace zendral::server {
namespace {

QString ServicePath(const char* service) {
  return QString::fromStdString(protocol::ServicePath(service));
}

QByteArray Header(const QHttpServerRequest& request, const QByteArray& name) {
  for (const auto& [key, value] : request.headers()) {
    if (key.compare(name, Qt::CaseInsensitive) == 0) return value;
  }
  return {};
}

QString MethodName(QHttpServerRequest::Method method) {
  switch (method) {
    case QHttpServerRequest::Method::Get:
      return QStringLiteral("GET");
    case QHttpServerRequest::Method::Head:
      return QStringLiteral("HEAD");
    case QHttpServerRequest::Method::Post:
      return QStringLiteral("POST");
    default:
      return QStringLiteral("OTHER");
  }
}

// Connections whose unread input is bounded: the HTTP layer keeps a request's bytes until the
// request is whole, so a body of any size would otherwise be held in memory. Past the bound
// the socket stops reading and such a request never completes. Each connection's output is
// bounded by its gate.
class BoundedTcpServer final : public QTcpServer {
 public:
  using QTcpServer::QTcpServer;

 protected:
  void incomingConnection(qintptr descriptor) override {
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
      delete socket;
      return;
    }
    socket->setReadBufferSize(4 * kMaxBody);
    ConnectionGate::Attach(socket);
    addPendingConnection(socket);
  }
};

}  // namespace

Server::Server(ServerOptions options)
    : options_(std::move(options)),
      // Hashes never take every core: one stays for the server's own thread.
      passwords_(std::make_unique<PasswordQueue>(std::max(1, QThread::idealThreadCount() - 1))) {
  // The services by path; the tournament service and others join this table.
  services_.insert(ServicePath(protocol::service::kAccount), AccountService);
  services_.insert(ServicePath(protocol::service::kRecords), RecordsService);
  services_.insert(ServicePath(protocol::service::kStats), StatsService);
  services_.insert(ServicePath(protocol::service::kPhoto), PhotoUpload);
  // Table 1's host is the public host (without a port) or, by default, the listen host.
  TourConfig tour;
  tour.relayHost = options_.publicHost.isEmpty()
                       ? options_.listenHost
                       : QUrl(QStringLiteral("http://") + options_.publicHost).host();
  if (tour.relayHost == QLatin1String("0.0.0.0") || tour.relayHost == QLatin1String("::")) {
    tour.relayHost.clear();  // the host each request was sent to
  }
  tour.relayBase = options_.relayBase;
  tour.waitSeconds = options_.tourWaitSeconds;
  auto tournament = std::make_shared<const OperationDispatch>(TournamentDispatch(tour));
  services_.insert(ServicePath(protocol::service::kTournament),
                   [tournament](ServerContext& ctx, const ServiceRequest& request) {
                     return (*tournament)(ctx, request);
                   });
}

Server::~Server() = default;

bool Server::Start(QString* error) {
  if (!QDir().mkpath(options_.dataDir)) {
    *error = QStringLiteral("cannot create the data folder %1").arg(options_.dataDir);
    return false;
  }
  db_ = Database::Open(options_.databaseUrl, error);
  if (!db_ || !db_->Migrate(error)) return false;
  hasher_ = std::make_unique<PasswordHash>(options_.hashCost);
  sessions_ = std::make_unique<Sessions>(*db_);
  limits_ = std::make_unique<RateLimit>(options_.rateScale);
  context_.reset(new ServerContext{*db_, *hasher_, *sessions_, *limits_, options_.dataDir,
                                   options_.publicHost});
  context_->clockOffsetSeconds = options_.clockOffsetSeconds;
  radio_ = std::make_unique<RadioStream>(QDir(options_.dataDir).filePath(QStringLiteral("music")));

  http_.setMissingHandler([this](const QHttpServerRequest& request,
                                 QHttpServerResponder&& responder) {
    if (ConnectionGate* gate = ConnectionGate::Of(responder.socket())) gate->RequestTaken();
    ServiceRequest r;
    const Caller caller =
        IdentifyCaller(request.remoteAddress(), Header(request, "X-Forwarded-For"),
                       Header(request, "X-Forwarded-Proto"), options_.trustedProxies);
    r.address = caller.address;
    r.peer = caller.peer;
    r.https = caller.https;
    r.host = QString::fromLatin1(Header(request, "Host"));
    r.sessionToken = SessionTokenFromCookie(Header(request, "Cookie"));
    r.body = request.body();
    const QString method = MethodName(request.method());
    const QString path = request.url().path();
    if (method == QLatin1String("POST") && path == ServicePath(protocol::service::kAccount) &&
        r.body.size() <= kMaxBody) {
      HandleAccount(r, std::move(responder));
      return;
    }
    if (method == QLatin1String("POST") && path == ServicePath(protocol::service::kRecords) &&
        r.body.size() <= kMaxBody) {
      r.fields = Fields::Decode(r.body);
      if (RecordsDispatch().NeedsWorker(r.fields)) {
        HandleOnWorker(RecordsDispatch(), r, std::move(responder));
        return;
      }
    }
    // The radio keeps the connection for its stream.
    if ((method == QLatin1String("GET") || method == QLatin1String("HEAD")) &&
        path.startsWith(QLatin1String("/radio/"))) {
      const bool headOnly = method == QLatin1String("HEAD");
      if (auto refused = radio_->Serve(path.mid(7), headOnly, responder, CallerKey(r.address))) {
        Send(std::move(responder), std::move(*refused));
      }
      return;
    }
    Send(std::move(responder), Handle(method, path, r), method == QLatin1String("HEAD"));
  });

  QHostAddress address;
  if (options_.listenHost == QLatin1String("localhost")) {
    address = QHostAddress::LocalHost;
  } else if (!address.setAddress(options_.listenHost)) {
    *error = QStringLiteral("--listen needs a numeric address, not %1").arg(options_.listenHost);
    return false;
  }
  if (options_.relayEnabled) {
    relay::RelayOptions relayOptions;
    relayOptions.address = address;
    relayOptions.basePort = options_.relayBase;
    relayOptions.moveLimitMs = static_cast<std::int64_t>(options_.relayMoveSeconds * 1000);
    relayOptions.waitSeconds = options_.tourWaitSeconds;
    relay_ = std::make_unique<relay::RelayServer>(*db_, relayOptions);
    // The services go on without the relay (another server of the club may run it); the
    // tables then only book.
    QString relayError;
    if (!relay_->Start(&relayError)) {
      LogError(relayError + QStringLiteral("; this server runs no tournament relay"));
      relay_.reset();
    } else {
      LogLine(QStringLiteral("tournament relay on ports %1-%2")
                  .arg(options_.relayBase + 1)
                  .arg(options_.relayBase + 10));
    }
  }

  auto* tcp = new BoundedTcpServer(&http_);
  port_ = tcp->listen(address, options_.listenPort) ? tcp->serverPort() : 0;
  if (port_ != 0) http_.bind(tcp);
  if (port_ == 0) {
    *error =
        QStringLiteral("cannot listen on %1:%2").arg(options_.listenHost).arg(options_.listenPort);
    return false;
  }
  return true;
}

void Server::Send(QHttpServerResponder&& responder, ServiceReply reply, bool headOnly) {
  QTcpSocket* socket = responder.socket();
  if (!reply.filePath.isEmpty()) {
    if (!StreamFile(responder, reply.filePath, reply.contentType, headOnly)) {
      Send(std::move(responder), reply::Status(404, "not found\n"));
    }
    return;
  }
  QHttpServerResponse response(reply.contentType, std::move(reply.body),
                               static_cast<QHttpServerResponse::StatusCode>(reply.status));
  if (!reply.setCookie.isEmpty()) response.addHeader("Set-Cookie", reply.setCookie);
  if (!reply.retryAfter.isEmpty()) response.addHeader("Retry-After", reply.retryAfter);
  response.write(std::move(responder));
  if (ConnectionGate* gate = ConnectionGate::Of(socket)) gate->Update();
}

// A request that needs a password hash waits in the password queue and is answered when its
// hash is done; the connection is not read meanwhile, so its replies keep their order. The
// responder only holds the connection's socket, so the reply goes out only while that socket
// is still connected.
void Server::HandleAccount(ServiceRequest& request, QHttpServerResponder&& responder) {
  request.fields = Fields::Decode(request.body);
  ServiceReply reply;
  auto work = AccountPasswordWork(*context_, request, &reply);
  if (!work) {
    Send(std::move(responder), std::move(reply));
    return;
  }
  const QString caller = CallerKey(request.address);
  const int delayMs = work->verifies ? backoff_.DelayMs(work->nick, caller) : 0;
  auto held = std::make_shared<QHttpServerResponder>(std::move(responder));
  QPointer<QTcpSocket> socket(held->socket());
  ConnectionGate* gate = ConnectionGate::Of(socket);
  const bool queued = passwords_->Submit(
      PasswordJob{caller, work->hash,
                  [this, work = *work, caller, held, socket](const QByteArray& result) {
                    if (work.verifies) backoff_.Record(work.nick, caller, !result.isEmpty());
                    ServiceReply answer =
                        work.finish(result);  // stored also when the caller has gone
                    if (socket == nullptr) return;
                    if (ConnectionGate* g = ConnectionGate::Of(socket)) g->Release();
                    if (socket->state() == QAbstractSocket::ConnectedState) {
                      Send(std::move(*held), std::move(answer));
                    }
                  }},
      delayMs);
  if (!queued) {
    Send(std::move(*held), reply::Busy());
    return;
  }
  if (gate != nullptr) gate->Hold();
}

// Searches and replays (the deal of the day's par, a saved kon) run on the workers of the
// password queue, with the same share per caller; the connection waits for its answer as for a
// password check.
void Server::HandleOnWorker(const OperationDispatch& dispatch, ServiceRequest& request,
                            QHttpServerResponder&& responder) {
  ServiceReply reply;
  auto work = dispatch.Prepare(*context_, request, &reply);
  if (!work) {
    Send(std::move(responder), std::move(reply));
    return;
  }
  auto held = std::make_shared<QHttpServerResponder>(std::move(responder));
  QPointer<QTcpSocket> socket(held->socket());
  ConnectionGate* gate = ConnectionGate::Of(socket);
  const bool queued = passwords_->Submit(PasswordJob{
      CallerKey(request.address), work->work,
      [work = *work, held, socket](const QByteArray& result) {
        ServiceReply answer = work.finish(result);  // stored also when the caller has gone
        if (socket == nullptr) return;
        if (ConnectionGate* g = ConnectionGate::Of(socket)) g->Release();
        if (socket->state() == QAbstractSocket::ConnectedState) {
          Send(std::move(*held), std::move(answer));
        }
      }});
  if (!queued) {
    Send(std::move(*held), reply::Busy());
    return;
  }
  if (gate != nullptr) gate->Hold();
}

ServiceReply Server::Handle(const QString& method, const QString& path, ServiceRequest& request) {
  if (request.body.size() > kMaxBody) return reply::Status(413, "request too large\n");
  if (method == QLatin1String("POST")) {
    const auto service = services_.constFind(path);
    if (service == services_.constEnd()) return reply::Status(404, "not found\n");
    request.fields = Fields::Decode(request.body);
    return (*service)(*context_, request);
  }
  if (method == QLatin1String("GET") || method == QLatin1String("HEAD")) {
    if (services_.contains(path)) return reply::Status(405, "use POST\n");
    if (auto document = Document(*context_, path, request)) return *document;
    // The station list, unless the packs hold one of that name.
    if (path == QLatin1String(radio::kRadioListPath.data(), radio::kRadioListPath.size())) {
      return RadioList(options_.dataDir, request.SchemePrefix() +
                                             RadioHost(options_.publicHost, port_, request.host));
    }
    return reply::Status(404, "not found\n");
  }
  return reply::Status(405, "method not allowed\n");
}

}  // namespace zendral::server
