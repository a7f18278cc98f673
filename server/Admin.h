#pragma once
// zendral-server admin ...: the club's admin changes the database directly (news, pauses,
// the greeting, grants of Kovs), looks at an account and copies the database.

#include <QStringList>

#include "ServerOptions.h"

namespace zendral::server {

// The exit code of the command; its output goes to stdout, errors to stderr.
int RunAdmin(const ServerOptions& options);

}  // namespace zendral::server
