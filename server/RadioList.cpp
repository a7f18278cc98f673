#include "RadioList.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>

namespace zendral::server {
namespace {

// The stations of this server are listed under the first country of the radio window.
constexpr char kCountryCode[] = "RUS";
constexpr char kCountryName[] = "Russian Federation";
constexpr qint64 kMaxClubFile = 64 * 1024;

bool StationName(const QString& name) {
  static const QRegularExpression re(QStringLiteral("^[A-Za-z0-9_-]{1,32}$"));
  return re.match(name).hasMatch();
}

QStringList Tracks(const QDir& folder) {
  QStringList tracks;
  for (const QString& name :
       folder.entryList({QStringLiteral("*.mp3")}, QDir::Files | QDir::Readable, QDir::Name)) {
    if (!name.startsWith(QLatin1Char('.'))) tracks << folder.filePath(name);
  }
  return tracks;
}

}  // namespace

QStringList RadioStations(const QString& musicDir) {
  const QDir music(musicDir);
  QStringList stations;
  if (!Tracks(music).isEmpty()) stations << QString::fromLatin1(kDefaultStation);
  for (const QString& name : music.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    if (StationName(name) && name.compare(QLatin1String(kDefaultStation), Qt::CaseInsensitive) &&
        !Tracks(QDir(music.filePath(name))).isEmpty()) {
      stations << name;
    }
  }
  return stations;
}

QStringList RadioTracks(const QString& musicDir, const QString& station) {
  if (station == QLatin1String(kDefaultStation)) return Tracks(QDir(musicDir));
  if (!StationName(station) ||
      station.compare(QLatin1String(kDefaultStation), Qt::CaseInsensitive) == 0) {
    return {};
  }
  return Tracks(QDir(QDir(musicDir).filePath(station)));
}

QString RadioStationTitle(const QString& station) {
  if (station == QLatin1String(kDefaultStation)) return QStringLiteral("Zendral Radio");
  return QStringLiteral("Zendral Radio ") + station;
}

QString RadioHost(const QString& publicHost, quint16 listenPort, const QString& requestHost) {
  if (publicHost.isEmpty()) {
    // The header as the caller wrote it goes into a line of "#" fields: only a plain host.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._:\\[\\]-]{1,255}$"));
    if (plain.match(requestHost).hasMatch()) return requestHost;
    return QStringLiteral("127.0.0.1:") + QString::number(listenPort);
  }
  const QUrl url(QStringLiteral("http://") + publicHost);
  if (!url.isValid() || url.port() != -1 || listenPort == 0) return publicHost;
  return publicHost + QLatin1Char(':') + QString::number(listenPort);
}

QByteArray RadioListText(const QStringList& stations, const QString& origin,
                         const QByteArray& clubLines) {
  QByteArray text;
  int number = 0;
  for (const QString& station : stations) {
    const QString key = QStringLiteral("ZND%1").arg(++number, 4, 10, QLatin1Char('0'));
    const QString line = QStringLiteral("%1 %2#%3#%4#%5#%6/radio/%3#")
                             .arg(QLatin1String(kCountryCode), key, station,
                                  RadioStationTitle(station), QLatin1String(kCountryName), origin);
    text += ToCp1251(line) + "\r\n";
  }
  // The club's file may be UTF-8 or already the list's own encoding.
  QByteArray club = clubLines;
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString decoded = utf8.decode(clubLines);
  if (!utf8.hasError()) club = ToCp1251(decoded);
  if (club.startsWith("\xEF\xBB\xBF")) club.remove(0, 3);
  for (QByteArray line : club.split('\n')) {
    if (line.endsWith('\r')) line.chop(1);
    if (line.trimmed().isEmpty()) continue;
    text += line + "\r\n";
  }
  return text;
}

ServiceReply RadioList(const QString& dataDir, const QString& origin) {
  const QDir data(dataDir);
  QByteArray club;
  QFile file(data.filePath(QString::fromLatin1(kClubStationsFile)));
  if (file.open(QIODevice::ReadOnly)) club = file.read(kMaxClubFile);
  ServiceReply reply(
      RadioListText(RadioStations(data.filePath(QStringLiteral("music"))), origin, club));
  reply.contentType = "text/plain; charset=windows-1251";
  return reply;
}

}  // namespace zendral::server
