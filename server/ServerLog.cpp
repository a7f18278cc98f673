#include "ServerLog.h"

#include <QDateTime>

#include <cstdio>

namespace zendral::server {

void LogLine(const QString& line) {
  const QString stamp = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
  std::fprintf(stderr, "%s zendral-server: %s\n", qPrintable(stamp), qPrintable(line));
  std::fflush(stderr);
}

void LogError(const QString& line) {
  LogLine(QStringLiteral("error: ") + line);
}

}  // namespace zendral::server
