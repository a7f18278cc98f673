#include "OperationDispatch.h"

#include <set>
#include <utility>

namespace zendral::server {

OperationDispatch::OperationDispatch(const protocol::OperationTable& table,
                                     std::map<std::string, OperationHandler> handlers)
    : table_(table), handlers_(std::move(handlers)) {}

const protocol::Operation* OperationDispatch::Select(const Fields& fields) const {
  return protocol::SelectOperation(table_, [&fields](std::string_view name) {
    return fields.Has(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  });
}

ServiceReply OperationDispatch::operator()(ServerContext& ctx,
                                           const ServiceRequest& request) const {
  const protocol::Operation* row = Select(request.fields);
  if (row == nullptr) return reply::No();
  const auto handler = handlers_.find(row->name);
  if (handler == handlers_.end()) return reply::No();
  return handler->second(ctx, request);
}

std::vector<std::string> OperationDispatch::Unbound() const {
  std::vector<std::string> unbound;
  std::set<std::string> named;
  for (const protocol::Operation& row : table_) {
    named.insert(row.name);
    if (handlers_.count(row.name) == 0) unbound.push_back("row " + row.name);
  }
  for (const auto& [name, handler] : handlers_) {
    if (named.count(name) == 0) unbound.push_back("handler " + name);
  }
  return unbound;
}

}  // namespace zendral::server
