#include "app/lan/ExternalAddress.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include "net/LanSetup.h"

namespace zendral::lan {

namespace {

// Longer than any IPv4 or IPv6 address: a page of HTML is not an address.
constexpr qint64 kLongestReply = 64;

bool LooksLikeAddress(const QString& text) {
  if (text.isEmpty() || text.size() > 45) return false;
  for (const QChar c : text) {
    if (!c.isDigit() && c != '.' && c != ':' && !(c.toLower() >= 'a' && c.toLower() <= 'f')) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string FetchExternalAddress(const QString& webAddress, std::chrono::milliseconds limit) {
  QUrl url(webAddress +
           QString::fromLatin1(net::kExternalAddressPath.data(),
                               static_cast<qsizetype>(net::kExternalAddressPath.size())));
  if (!url.isValid() || (url.scheme() != "http" && url.scheme() != "https")) return {};
  QNetworkAccessManager manager;
  QNetworkRequest request(url);
  request.setTransferTimeout(static_cast<int>(limit.count()));
  QNetworkReply* reply = manager.get(request);
  QEventLoop loop;
  QTimer timer;
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
  timer.start(limit);
  // No click or key reaches the dialog while the answer is awaited.
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  std::string result;
  if (reply->isFinished() && reply->error() == QNetworkReply::NoError) {
    const QString text = QString::fromUtf8(reply->read(kLongestReply + 1)).trimmed();
    if (LooksLikeAddress(text)) result = text.toStdString();
  }
  reply->abort();
  delete reply;
  return result;
}

}  // namespace zendral::lan
