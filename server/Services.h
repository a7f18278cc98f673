#pragma once
// The services the server answers. Each takes the decoded request and returns its reply; the
// operation key in the fields decides the operation.

#include <functional>
#include <optional>

#include "ServerContext.h"

namespace zendral::server {

ServiceReply AccountService(ServerContext& ctx, const ServiceRequest& request);

// A password hash is slow by design: log-ins, new accounts and every request that carries a
// password instead of a session run it on a worker thread, so that the server's one thread
// goes on answering everybody else meanwhile.
struct PasswordWork {
  std::function<QByteArray()> hash;                       // worker thread; no database
  std::function<ServiceReply(const QByteArray&)> finish;  // server's thread, with the result
  QString nick;           // whose password is checked (empty for a new account)
  bool verifies = false;  // a check of a stored password: an empty result means wrong
};
// For an account request: the password work of a log-in, a new account that passed its
// checks, or a request that acts for a nick by its password; or nothing with the whole reply
// in reply (every other request, and refusals).
std::optional<PasswordWork> AccountPasswordWork(ServerContext& ctx, const ServiceRequest& request,
                                                ServiceReply* reply);
// The account service's operations bound to their handlers.
class OperationDispatch;
const OperationDispatch& AccountDispatch();
// The results of this game under an account (the fields carrying the game key prefix), the
// operations of the account service that read and save them.
ServiceReply ReadResults(ServerContext& ctx, const ServiceRequest& request);
ServiceReply SaveResults(ServerContext& ctx, const ServiceRequest& request);
ServiceReply ClubTopTen(ServerContext& ctx, const ServiceRequest& request);
ServiceReply OwnPlace(ServerContext& ctx, const ServiceRequest& request);

ServiceReply RecordsService(ServerContext& ctx, const ServiceRequest& request);
const OperationDispatch& RecordsDispatch();
ServiceReply StatsService(ServerContext& ctx, const ServiceRequest& request);
const OperationDispatch& StatsDispatch();
ServiceReply PhotoUpload(ServerContext& ctx, const ServiceRequest& request);

// Settings the admin changes.
QString Setting(Database& db, const QString& name);
bool SetSetting(Database& db, const QString& name, const QString& value);

}  // namespace zendral::server
