#pragma once
// Per service, the table of its operations: which key selects each, which fields it needs
// beside the key, and what must happen before its answer can be given. The server binds a
// handler to each row by name and dispatches through the table; the program and the support
// tool build their requests from the same keys. A new operation is one row here and one
// handler on the server.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zendral::protocol {

// What a request needs before the server can answer it on its own thread.
enum class Work : std::uint8_t {
  kNone,           // answered at once
  kActsForNick,    // may carry the nick's password instead of a session: checked on a worker
  kCheckPassword,  // a log-in: the stored password hash is checked on a worker
  kHashPassword,   // a new account: the password is hashed on a worker
  kSearch,         // a search or a replay (the deal of the day) on a worker
};

struct Operation {
  std::string name;                // the handler's name on the server
  std::string key;                 // the field that selects it; empty: the service's last resort
  std::vector<std::string> needs;  // fields that must be present as well
  Work work = Work::kNone;
};

using OperationTable = std::vector<Operation>;

const OperationTable& AccountOperations();
const OperationTable& RecordsOperations();
const OperationTable& StatsOperations();
const OperationTable& TournamentOperations();

// A service by the last word of its path ("account", "records", "stats", "tournament") and
// its table; nothing for another word.
const OperationTable* ServiceOperations(std::string_view service);

// The first row of the table whose key and needed fields the request carries; nullptr when
// none fits. has(name) says whether the request carries the field.
const Operation* SelectOperation(const OperationTable& table,
                                 const std::function<bool(std::string_view)>& has);

std::string_view WorkName(Work work);

}  // namespace zendral::protocol
