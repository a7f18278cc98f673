#include "Documents.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSqlQuery>

#include "ServerLog.h"
#include "Services.h"
#include "protocol/Keys.h"
#include "protocol/Scramble.h"

namespace zendral::server {
namespace {

constexpr qint64 kMaxServedFile = 64ll * 1024 * 1024;

QString Html(const QString& text) {
  return text.toHtmlEscaped();
}

ServiceReply Utf8(const QString& text, const QByteArray& type = "text/plain; charset=utf-8") {
  ServiceReply r{text.toUtf8()};
  r.contentType = type;
  return r;
}

QString Scrambled(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return QString::fromStdString(
      protocol::Scramble(std::string_view(utf8.constData(), utf8.size())));
}

}  // namespace

bool IsEditionAddress(const QString& address) {
  static const QRegularExpression re(QStringLiteral("^https?://[^\\s\"\\\\#]{1,900}$"));
  return re.match(address).hasMatch();
}

namespace {

ServiceReply PathDirectory(ServerContext& ctx, const ServiceRequest& request) {
  QString host = ctx.publicHost;
  if (host.isEmpty()) host = request.host;
  const QString base = request.SchemePrefix() + host + QLatin1String(protocol::location::kServices);
  namespace paths = protocol::paths;
  QString text;
  for (const auto& [key, service] : {std::pair{paths::kRecords, protocol::service::kRecords},
                                     std::pair{paths::kStatistics, protocol::service::kStats},
                                     std::pair{paths::kAccount, protocol::service::kAccount}}) {
    text += QLatin1String(key) + '=' + Scrambled(base + QLatin1String(service)) + '#';
  }
  if (Setting(ctx.db, QStringLiteral("pause_chat")) == QLatin1String("1")) {
    text += QLatin1String(paths::kChatPaused) + '#';
  }
  if (Setting(ctx.db, QStringLiteral("pause_world")) == QLatin1String("1")) {
    text += QLatin1String(paths::kWorldPaused) + '#';
  }
  // The Android edition's addresses, only while the club has named them.
  for (const auto& [key, setting] : {std::pair{paths::kAndroidPackage, "edition_apk"},
                                     std::pair{paths::kAndroidStore, "edition_store"}}) {
    const QString address = Setting(ctx.db, QLatin1String(setting));
    if (IsEditionAddress(address)) text += QLatin1String(key) + '=' + Scrambled(address) + '#';
  }
  return Utf8(text);
}

// A file name of one of the served folders: no folder parts, nothing hidden.
bool SafeName(const QString& name) {
  static const QRegularExpression re(
      QStringLiteral("^[A-Za-z0-9_!(),@-][A-Za-z0-9._~()!,@-]{0,127}$"));
  return re.match(name).hasMatch() && !name.contains(QLatin1String(".."));
}

QByteArray TypeOf(const QString& name) {
  const QString ext = QFileInfo(name).suffix().toLower();
  if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg")) return "image/jpeg";
  if (ext == QLatin1String("png")) return "image/png";
  if (ext == QLatin1String("mp3")) return "audio/mpeg";
  if (ext == QLatin1String("html")) return "text/html; charset=utf-8";
  if (ext == QLatin1String("txt") || ext == QLatin1String("rad"))
    return "text/plain; charset=utf-8";
  return "application/octet-stream";
}

std::optional<ServiceReply> ServeFile(const QString& folder, const QString& name) {
  if (!SafeName(name)) return std::nullopt;
  QFile file(QDir(folder).filePath(name));
  const QFileInfo info(file);
  if (!info.isFile() || info.size() > kMaxServedFile || !file.open(QIODevice::ReadOnly)) {
    return std::nullopt;
  }
  file.close();
  ServiceReply r;
  r.filePath = info.absoluteFilePath();
  r.contentType = TypeOf(name);
  return r;
}

ServiceReply Playlist(const QString& musicFolder) {
  const QStringList tracks =
      QDir(musicFolder).entryList({QStringLiteral("*.mp3")}, QDir::Files, QDir::Name);
  QString text;
  for (const QString& track : tracks) {
    if (SafeName(track)) text += track + '\n';
  }
  return Utf8(text, "text/html; charset=utf-8");
}

ServiceReply AdvertisingDirectory(const QString& dataDir) {
  QFile file(QDir(dataDir).filePath(QStringLiteral("adv.txt")));
  if (file.open(QIODevice::ReadOnly)) return Utf8(QString::fromUtf8(file.read(64 * 1024)));
  // No entries.
  return Utf8(QLatin1String(protocol::advertising::kCount) + QStringLiteral("=000") +
              QLatin1String(protocol::advertising::kEnd));
}

ServiceReply GamePage(ServerContext& ctx) {
  const QString welcome = Setting(ctx.db, QStringLiteral("welcome"));
  QString page = QStringLiteral(
      "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Zendral</title></head>\n"
      "<body>\n<h1>Zendral</h1>\n");
  if (!welcome.isEmpty()) page += QStringLiteral("<p><b>") + Html(welcome) + "</b></p>\n";
  page += QStringLiteral(
      "<p>Zendral is a card game for two: the layout game built outward from the nines.</p>\n"
      "<h2 id=\"rules\">Rules</h2>\n<ul>\n"
      "<li>A deck of 36 cards (six to ace in four suits) is dealt out completely, 18 cards to "
      "each player.</li>\n"
      "<li>The holder of the nine of diamonds opens. Each suit grows on the table from its nine "
      "up to the ace and down to the six; a nine starts a new row.</li>\n"
      "<li>Both players pay 2 points into the bank when play begins. A player who cannot lay a "
      "card passes and pays 2 more.</li>\n"
      "<li>When one player has laid his last card, the other pays 1 point for every card left "
      "in his hand, and the winner takes the bank.</li>\n"
      "<li>One deal is a kon; 30 kons make a cycle. The rating is the average score per kon "
      "plus one thirtieth of the number of kons.</li>\n"
      "</ul>\n"
      "<h2>Online tournament</h2>\n<p>Ten tables, one kon each. The server deals with a secure "
      "shuffle, checks every move and keeps the move clock. Your tournament score is the sum of "
      "your kons' scores. Your tournament rating is an Elo rating: everyone starts at 1500; after "
      "a table the winner gains and the loser loses round(32 &times; (1 &minus; E)) points, where "
      "E = 1 / (1 + 10<sup>(R<sub>loser</sub> &minus; R<sub>winner</sub>) / 400</sup>) is the "
      "winner's expected result. Leaving a table or letting your time run out loses it.</p>\n"
      "<p><a href=\"/news/index.html\">Club news</a></p>\n</body></html>\n");
  return Utf8(page, "text/html; charset=utf-8");
}

QString CallerAddress(const QString& address) {
  return address.startsWith(QLatin1String("::ffff:")) ? address.mid(7) : address;
}

}  // namespace

QString NewsPage(Database& db) {
  QSqlQuery* q = db.Run(
      QStringLiteral("SELECT number, text, published FROM news ORDER BY number DESC LIMIT 50"));
  struct Item {
    int number;
    QString text;
    qint64 published;
  };
  QList<Item> items;
  while (q != nullptr && q->next()) {
    items << Item{q->value(0).toInt(), q->value(1).toString(), q->value(2).toLongLong()};
  }
  if (q != nullptr) q->finish();
  const int latest = items.isEmpty() ? 0 : items.front().number;
  QString page =
      QStringLiteral(
          "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Kov News</title></head>\n"
          "<body>\n<h1>Club news</h1>\n<p>KovNews%1</p>\n")
          .arg(latest, 5, 10, QChar('0'));
  const QString welcome = Setting(db, QStringLiteral("welcome"));
  if (!welcome.isEmpty()) page += QStringLiteral("<p><b>") + Html(welcome) + "</b></p>\n";
  if (items.isEmpty()) page += QStringLiteral("<p>No news yet.</p>\n");
  for (const Item& item : items) {
    page += QStringLiteral("<h2>%1. %2</h2>\n<p>%3</p>\n")
                .arg(item.number)
                .arg(QDateTime::fromSecsSinceEpoch(item.published, Qt::UTC)
                         .toString(QStringLiteral("dd.MM.yyyy")),
                     Html(item.text).replace('\n', QLatin1String("<br>")));
  }
  page += QStringLiteral("</body></html>\n");
  return page;
}

std::optional<std::pair<int, int>> JpegSize(const QByteArray& b) {
  const auto at = [&b](qsizetype i) { return static_cast<unsigned char>(b[i]); };
  if (b.size() < 4 || at(0) != 0xFF || at(1) != 0xD8) return std::nullopt;
  qsizetype i = 2;
  while (i + 4 <= b.size()) {
    if (at(i) != 0xFF) return std::nullopt;
    const unsigned char marker = at(i + 1);
    if (marker == 0xFF) {
      ++i;
      continue;
    }
    if (marker == 0xD9 || marker == 0xDA) return std::nullopt;  // no frame header before the data
    const int length = at(i + 2) << 8 | at(i + 3);
    if (length < 2 || i + 2 + length > b.size()) return std::nullopt;
    const bool frame =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) {
      if (length < 7) return std::nullopt;
      const int height = at(i + 5) << 8 | at(i + 6);
      const int width = at(i + 7) << 8 | at(i + 8);
      return std::make_pair(width, height);
    }
    i += 2 + length;
  }
  return std::nullopt;
}

namespace {

// A member's photo ("NICK.jpg") as the member uploaded it.
std::optional<ServiceReply> MemberPhoto(Database& db, const QString& name) {
  if (!name.endsWith(QLatin1String(".jpg")) || !SafeName(name)) return std::nullopt;
  QSqlQuery* q =
      db.Run(QStringLiteral("SELECT jpeg FROM photos WHERE nick = ?"), {name.chopped(4)});
  if (q == nullptr || !q->next()) return std::nullopt;
  ServiceReply r{q->value(0).toByteArray()};
  q->finish();
  r.contentType = "image/jpeg";
  return r;
}

}  // namespace

std::optional<ServiceReply> Document(ServerContext& ctx, const QString& path,
                                     const ServiceRequest& request) {
  const QDir data(ctx.dataDir);
  if (path == QLatin1String(protocol::location::kPathDirectory)) return PathDirectory(ctx, request);
  if (path == QLatin1String(protocol::location::kNews) || path == QLatin1String("/news/")) {
    return Utf8(NewsPage(ctx.db), "text/html; charset=utf-8");
  }
  if (path == QLatin1String(protocol::location::kOwnAddress))
    return Utf8(CallerAddress(request.address));
  if (path == QLatin1String(protocol::location::kAdvertising))
    return AdvertisingDirectory(ctx.dataDir);
  if (path == QLatin1String("/zendral/") || path == QLatin1String("/zendral")) return GamePage(ctx);
  if (path == QLatin1String(protocol::location::kPlaylist)) return Playlist(data.filePath("music"));
  // The files of a served folder by their name after the folder's path.
  const auto under = [&path](const char* folder) -> std::optional<QString> {
    const QLatin1String prefix(folder);
    if (!path.startsWith(prefix)) return std::nullopt;
    return path.mid(prefix.size());
  };
  if (const auto name = under(protocol::location::kMusic)) {
    return ServeFile(data.filePath("music"), *name);
  }
  if (const auto name = under(protocol::location::kPhotos)) {
    // The club's own pictures first: a member's photo never stands in for one of them.
    if (auto picture = ServeFile(data.filePath("photos"), *name)) return picture;
    return MemberPhoto(ctx.db, *name);
  }
  if (const auto name = under(protocol::location::kDownloads)) {
    return ServeFile(data.filePath("packs"), *name);
  }
  return std::nullopt;
}

namespace {

bool IsClubPicture(const QString& dataDir, const QString& nick) {
  const QDir photos(QDir(dataDir).filePath(QStringLiteral("photos")));
  // Names differing only in case would shadow each other on a case-blind file system.
  for (const QString& name : photos.entryList(QDir::Files)) {
    if (QFileInfo(name).completeBaseName().compare(nick, Qt::CaseInsensitive) == 0) return true;
  }
  return false;
}

std::optional<QByteArray> CleanAccountPhoto(const QByteArray& upload) {
  // The frame header first: nothing larger than a photo is ever decoded.
  const auto size = JpegSize(upload);
  if (!size || size->first != 200 || size->second != 250) return std::nullopt;
  QImage image;
  if (!image.loadFromData(upload, "JPEG") || image.width() != 200 || image.height() != 250) {
    return std::nullopt;
  }
  QByteArray clean;
  QBuffer buffer(&clean);
  buffer.open(QIODevice::WriteOnly);
  if (!image.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPEG", 90)) return std::nullopt;
  return clean;
}

}  // namespace

// The member's own photo, in the member's session: a JPEG of 200 × 250 pixels, stored as the
// server encoded it again, so that only a picture is ever served.
ServiceReply PhotoUpload(ServerContext& ctx, const ServiceRequest& request) {
  const auto nick = ctx.SessionNick(request);
  if (!nick || !SafeName(*nick + QStringLiteral(".jpg"))) return reply::No();
  if (IsClubPicture(ctx.dataDir, *nick)) return reply::No();
  const auto clean = CleanAccountPhoto(request.body);
  if (!clean) return reply::No();
  if (ctx.db.Run(QStringLiteral("INSERT INTO photos (nick, jpeg, stored) VALUES (?, ?, ?)"
                                " ON CONFLICT (nick) DO UPDATE SET jpeg = excluded.jpeg,"
                                " stored = excluded.stored"),
                 {*nick, *clean, QDateTime::currentSecsSinceEpoch()}) == nullptr) {
    LogError(QStringLiteral("cannot store the photo of %1").arg(*nick));
    return reply::No();
  }
  return reply::Ok();
}

QString Setting(Database& db, const QString& name) {
  QSqlQuery* q = db.Run(QStringLiteral("SELECT value FROM settings WHERE name = ?"), {name});
  if (q == nullptr || !q->next()) return {};
  const QString value = q->value(0).toString();
  q->finish();
  return value;
}

bool SetSetting(Database& db, const QString& name, const QString& value) {
  return db.Run(QStringLiteral("INSERT INTO settings (name, value) VALUES (?, ?)"
                               " ON CONFLICT (name) DO UPDATE SET value = excluded.value"),
                {name, value}) != nullptr;
}

}  // namespace zendral::server
