#include "Reply.h"

#include <cmath>

#include "protocol/Keys.h"
#include "store/Cp1251.h"

namespace zendral::server {

QByteArray ToCp1251(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  const std::string bytes = Utf8ToCp1251(std::string_view(utf8.constData(), utf8.size()), '_');
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString FormatReal(double value) {
  if (!std::isfinite(value) || std::fabs(value) < 0.00001) return QStringLiteral("0");
  return QString::number(value, 'g', 15);
}

namespace reply {

ServiceReply Marker(const char* marker) {
  return ServiceReply{QByteArray(marker)};
}
ServiceReply Ok() {
  return Marker(protocol::answer::kOk);
}
ServiceReply No() {
  return Marker(protocol::answer::kNo);
}
ServiceReply Taken() {
  return Marker(protocol::answer::kTaken);
}

ServiceReply Segment(const QStringList& tokens, QChar separator) {
  return ServiceReply{ToCp1251('$' + tokens.join(separator) + '$')};
}

ServiceReply TrailingNumber(qint64 number) {
  return ServiceReply{'$' + QByteArray::number(number) + '$'};
}

ServiceReply List(const QList<QStringList>& records) {
  QString text;
  for (const QStringList& record : records) text += '$' + record.join(' ') + '*';
  return ServiceReply{ToCp1251(text)};
}

ServiceReply Ack(bool ok) {
  return ServiceReply{ok ? QByteArray("$ ok#") : QByteArray("$ no#")};
}

ServiceReply Status(int status, const QByteArray& text) {
  ServiceReply r{text, status};
  r.contentType = "text/plain; charset=utf-8";
  return r;
}

ServiceReply Busy() {
  ServiceReply r = Status(503, "busy");
  r.retryAfter = "2";
  return r;
}

}  // namespace reply
}  // namespace zendral::server
