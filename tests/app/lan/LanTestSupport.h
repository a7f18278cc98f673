#pragma once
// Shared by the LAN window tests: one QApplication, a free loopback port, running the event
// loop until a condition holds, and the folder the screenshots are written to.

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QHostAddress>
#include <QString>
#include <QTcpServer>
#include <QTest>
#include <functional>
#include <ostream>

// Readable failure messages for texts of the windows.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace zendral::testing {

// One QApplication for the whole test program.
inline void EnsureApplication() {
  static int argc = 1;
  static char name[] = "zendral_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = QApplication::instance() ? nullptr : new QApplication(argc, argv);
  (void)app;
}

// A port on which nothing listens once this returns.
inline quint16 FreeLoopbackPort() {
  QTcpServer probe;
  if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
  const quint16 port = probe.serverPort();
  probe.close();
  return port;
}

// Turns the event loop until done() holds or the time is up; the result is done().
inline bool RunUntil(const std::function<bool()>& done, int milliseconds = 5000) {
  const QDeadlineTimer deadline(milliseconds);
  while (!done() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QTest::qWait(5);
  }
  return done();
}

inline QString ScreenshotPath(const QString& name) {
  QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
  return QStringLiteral(ZENDRAL_SCREENSHOT_DIR "/") + name;
}

}  // namespace zendral::testing
