#include "OperationDispatch.h"

#include <set>
#include <utility>

namespace zendral::server {

OperationDispatch::OperationDispatch(const protocol::OperationTable& table,
                                     std::map<std::string, OperationHandler> handlers,
                                     std::map<std::string, WorkerHandler> workerHandlers)
    : table_(table), handlers_(std::move(handlers)), workerHandlers_(std::move(workerHandlers)) {}

const protocol::Operation* OperationDispatch::Select(const Fields& fields) const {
  return protocol::SelectOperation(table_, [&fields](std::string_view name) {
    return fields.Has(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  });
}

bool OperationDispatch::NeedsWorker(const Fields& fields) const {
  const protocol::Operation* row = Select(fields);
  return row != nullptr && OnWorker(row->work);
}

std::optional<WorkerJob> OperationDispatch::Prepare(ServerContext& ctx,
                                                    const ServiceRequest& request,
                                                    ServiceReply* reply) const {
  const protocol::Operation* row = Select(request.fields);
  if (row == nullptr) {
    *reply = reply::No();
    return std::nullopt;
  }
  if (OnWorker(row->work)) {
    const auto handler = workerHandlers_.find(row->name);
    if (handler == workerHandlers_.end() || !handler->second) {
      *reply = reply::No();
      return std::nullopt;
    }
    *reply = reply::No();
    return handler->second(ctx, request, reply);
  }
  const auto handler = handlers_.find(row->name);
  *reply =
      handler != handlers_.end() && handler->second ? handler->second(ctx, request) : reply::No();
  return std::nullopt;
}

ServiceReply OperationDispatch::operator()(ServerContext& ctx,
                                           const ServiceRequest& request) const {
  ServiceReply reply;
  auto job = Prepare(ctx, request, &reply);
  if (!job) return reply;
  return job->finish(job->work());
}

std::vector<std::string> OperationDispatch::Unbound() const {
  std::vector<std::string> unbound;
  std::set<std::string> named;
  std::set<std::string> namedOnWorker;
  for (const protocol::Operation& row : table_) {
    if (OnWorker(row.work)) {
      namedOnWorker.insert(row.name);
      if (workerHandlers_.count(row.name) == 0) unbound.push_back("row " + row.name);
    } else {
      named.insert(row.name);
      if (handlers_.count(row.name) == 0) unbound.push_back("row " + row.name);
    }
  }
  for (const auto& [name, handler] : handlers_) {
    if (named.count(name) == 0) unbound.push_back("handler " + name);
  }
  for (const auto& [name, handler] : workerHandlers_) {
    if (namedOnWorker.count(name) == 0) unbound.push_back("worker handler " + name);
  }
  return unbound;
}

}  // namespace zendral::server
