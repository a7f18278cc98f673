#pragma once
// The server's log: one line per start and per error, on stderr. Never a password.

#include <QString>

namespace zendral::server {

void LogLine(const QString& line);
void LogError(const QString& line);

}  // namespace zendral::server
