#pragma once
// A service's table of operations bound to its handlers: the request's fields select the row,
// the row's name selects the handler. Adding an operation is a row in the protocol's table and
// a handler here under its name; a row whose work is a search or a replay binds a worker
// handler, and the server runs that handler's work on a worker thread without knowing the
// operation.

#include <QByteArray>
#include <QString>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ServerContext.h"
#include "protocol/Operations.h"

namespace zendral::server {

using OperationHandler = std::function<ServiceReply(ServerContext&, const ServiceRequest&)>;

// Work of a request that must not run on the server's thread.
struct WorkerJob {
  std::function<QByteArray()> work;                       // worker thread; no database
  std::function<ServiceReply(const QByteArray&)> finish;  // server's thread, with the result
};
// The handler of a row whose work runs on a worker, on the server's thread: the job, or
// nothing with the whole reply in *reply (a refusal, or an answer that needs no worker).
using WorkerHandler =
    std::function<std::optional<WorkerJob>(ServerContext&, const ServiceRequest&, ServiceReply*)>;

class OperationDispatch {
 public:
  OperationDispatch(const protocol::OperationTable& table,
                    std::map<std::string, OperationHandler> handlers,
                    std::map<std::string, WorkerHandler> workerHandlers = {});

  // Rows of this work are bound to a worker handler; all others to a handler.
  static bool OnWorker(protocol::Work work) { return work == protocol::Work::kSearch; }

  // The row the request's fields select, or nullptr.
  const protocol::Operation* Select(const Fields& fields) const;
  // Whether the request selects a row whose work runs on a worker.
  bool NeedsWorker(const Fields& fields) const;
  // For a worker row, its worker handler's job (or nothing with the reply in *reply); for
  // any other request nothing, with the reply of operator() in *reply.
  std::optional<WorkerJob> Prepare(ServerContext& ctx, const ServiceRequest& request,
                                   ServiceReply* reply) const;
  // The whole reply on the calling thread, a worker row's job included; "no" when no row fits
  // or the row has no handler of its kind.
  ServiceReply operator()(ServerContext& ctx, const ServiceRequest& request) const;
  // Rows of the table without a handler of their kind, and handlers no row of their kind
  // names: both are mistakes in the server, listed so that a test can say which.
  std::vector<std::string> Unbound() const;

 private:
  const protocol::OperationTable& table_;
  std::map<std::string, OperationHandler> handlers_;
  std::map<std::string, WorkerHandler> workerHandlers_;
};

}  // namespace zendral::server
