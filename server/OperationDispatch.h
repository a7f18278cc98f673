#pragma once
// A service's table of operations bound to its handlers: the request's fields select the row,
// the row's name selects the handler. Adding an operation is a row in the protocol's table and
// a handler here under its name.

#include <QString>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ServerContext.h"
#include "protocol/Operations.h"

namespace zendral::server {

using OperationHandler = std::function<ServiceReply(ServerContext&, const ServiceRequest&)>;

class OperationDispatch {
 public:
  OperationDispatch(const protocol::OperationTable& table,
                    std::map<std::string, OperationHandler> handlers);

  // The row the request's fields select, or nullptr.
  const protocol::Operation* Select(const Fields& fields) const;
  // The selected row's handler; "no" when no row fits or the row has no handler.
  ServiceReply operator()(ServerContext& ctx, const ServiceRequest& request) const;
  // Rows of the table without a handler, and handlers no row names: both are mistakes in
  // the server, listed so that a test can say which.
  std::vector<std::string> Unbound() const;

 private:
  const protocol::OperationTable& table_;
  std::map<std::string, OperationHandler> handlers_;
};

}  // namespace zendral::server
