#pragma once
// The replies of the services, written so that the program's readers find every field:
// markers alone ("ok", "is", "no"), one "$" segment, lists of "$ … *" records, a trailing
// number "$N$" and the acknowledgement "$ ok#". The body goes out in Windows-1251, which the
// program reads as single-byte text.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zendral::server {

struct ServiceReply {
  ServiceReply() = default;
  explicit ServiceReply(QByteArray b, int s = 200) : body(std::move(b)), status(s) {}
  QByteArray body;
  int status = 200;
  QByteArray contentType = "text/plain; charset=windows-1251";
  QByteArray setCookie;   // a Set-Cookie header value, when the reply opens a session
  QString filePath;       // a file of the data folder streamed as the body, when not empty
  QByteArray retryAfter;  // seconds, for a "busy" reply
};

namespace reply {

ServiceReply Marker(const char* marker);  // "ok", "is" or "no"
ServiceReply Ok();
ServiceReply No();
ServiceReply Taken();  // "is": the nick, the seat or today's deal is taken already
// "$" + tokens joined by the separator + "$".
ServiceReply Segment(const QStringList& tokens, QChar separator = ' ');
// "$N$".
ServiceReply TrailingNumber(qint64 number);
// Records "$" + tokens joined by " " + "*".
ServiceReply List(const QList<QStringList>& records);
// "$ ok#" or "$ no#".
ServiceReply Ack(bool ok);
ServiceReply Status(int status, const QByteArray& text);
// Too many password checks wait already: 503 "busy" with a Retry-After. A program that knows
// it says "Server busy, try again"; an older one sees a failed request, never "no".
ServiceReply Busy();

}  // namespace reply

QByteArray ToCp1251(const QString& text);

// A rating as the program writes reals: shortest form with up to 15 significant digits, "." as
// the separator, "0" below 0.00001 in magnitude.
QString FormatReal(double value);

}  // namespace zendral::server
