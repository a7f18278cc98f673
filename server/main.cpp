// zendral-server: the companion online server of Zendral, or its admin command.

#include <QCoreApplication>

#include "Admin.h"
#include "Server.h"
#include "ServerLog.h"
#include "ServerOptions.h"

namespace {

// Qt's own warnings (a lost database connection, a socket error) go into the log as one line
// each, like the server's errors.
void LogQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
  const QString line = message.simplified();
  if (line.isEmpty() || type == QtDebugMsg || type == QtInfoMsg) return;
  zendral::server::LogError(QStringLiteral("qt: ") + line);
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(LogQtMessage);
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("zendral-server"));
  int exitCode = 0;
  const auto options = zendral::server::ParseOptions(QCoreApplication::arguments(), &exitCode);
  if (!options) return exitCode;
  if (options->isAdmin) return zendral::server::RunAdmin(*options);

  zendral::server::Server server(*options);
  QString error;
  if (!server.Start(&error)) {
    zendral::server::LogError(error);
    return 1;
  }
  zendral::server::LogLine(QStringLiteral("listening on %1:%2, data %3, database %4")
                               .arg(options->listenHost)
                               .arg(server.Port())
                               .arg(options->dataDir, options->databaseUrl.startsWith("sqlite:")
                                                          ? options->databaseUrl
                                                          : QStringLiteral("postgresql")));
  return QCoreApplication::exec();
}
