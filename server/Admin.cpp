#include "Admin.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <cstdio>

#include "DailyService.h"
#include "Database.h"
#include "Documents.h"
#include "Fields.h"
#include "Reply.h"
#include "ResultsRules.h"
#include "Services.h"
#include "TournamentService.h"

namespace zendral::server {
namespace {

int Usage() {
  std::fprintf(stderr,
               "zendral-server admin: news add TEXT | pause chat|world on|off | welcome TEXT |"
               " tournament on|off | tournament welcome TEXT | grant NICK AMOUNT | user NICK |"
               " backup FILE | edition apk|store URL|off | daily show [YYYY-MM-DD]\n");
  return 2;
}

int Fail(const QString& message) {
  std::fprintf(stderr, "zendral-server admin: %s\n", qPrintable(message));
  return 1;
}

int NewsAdd(Database& db, const QString& text) {
  const QString clean = CleanText(text, 2000);
  if (clean.trimmed().isEmpty()) return Fail(QStringLiteral("the news text is empty"));
  Transaction t(db);
  QSqlQuery* q = db.Run(QStringLiteral("SELECT COALESCE(MAX(number), 0) FROM news"));
  if (!t.Ok() || q == nullptr || !q->next()) return Fail(QStringLiteral("cannot read the news"));
  const int number = q->value(0).toInt() + 1;
  q->finish();
  if (number > 99999) return Fail(QStringLiteral("the news number has run out"));
  if (db.Run(QStringLiteral("INSERT INTO news (number, text, published) VALUES (?, ?, ?)"),
             {number, clean, QDateTime::currentSecsSinceEpoch()}) == nullptr ||
      !t.Commit()) {
    return Fail(QStringLiteral("cannot store the news item"));
  }
  std::printf("news item %d published\n", number);
  return 0;
}

int Grant(Database& db, const QString& nick, const QString& amountText) {
  const auto amount = ParseInt(amountText);
  if (!amount) return Fail(QStringLiteral("the amount is a whole number"));
  // Taking Kovs never leaves a balance below 0.
  QSqlQuery* q = db.Run(QStringLiteral("UPDATE accounts SET balance = balance + ? WHERE nick = ?"
                                       " AND balance + ? >= 0"),
                        {*amount, nick, *amount});
  if (q == nullptr || q->numRowsAffected() != 1) {
    return Fail(QStringLiteral("no member %1, or fewer Kovs than that").arg(nick));
  }
  std::printf("%s: %+d Kovs\n", qPrintable(nick), *amount);
  return 0;
}

int User(Database& db, const QString& nick) {
  QSqlQuery* q = db.Run(
      QStringLiteral("SELECT a.city, a.country1, a.country2, a.sex, a.email, a.dater,"
                     " a.balance, r.kon, r.best, r.rating, r.sessions, r.konl, r.score, r.booked"
                     " FROM accounts a LEFT JOIN results r ON r.nick = a.nick WHERE a.nick = ?"),
      {nick});
  if (q == nullptr || !q->next()) return Fail(QStringLiteral("no member ") + nick);
  std::printf(
      "nick      %s\ncity      %s\ncountry   %s (%s)\nsex       %s\ne-mail    %s\n"
      "created   %s\nbalance   %lld Kovs\nkons      %d (best %d, rating %s, cycles %d)\n"
      "cycle     %d kons, score %d%s\n",
      qPrintable(nick), qPrintable(q->value(0).toString()), qPrintable(q->value(1).toString()),
      qPrintable(q->value(2).toString()), qPrintable(q->value(3).toString()),
      qPrintable(q->value(4).toString()), qPrintable(q->value(5).toString()),
      q->value(6).toLongLong(), q->value(7).toInt(), q->value(8).toInt(),
      qPrintable(FormatReal(q->value(9).toDouble())), q->value(10).toInt(), q->value(11).toInt(),
      q->value(12).toInt(), q->value(13).toInt() != 0 ? " (a rated game is booked)" : "");
  q->finish();
  return 0;
}

// The deal of a day (today by the club's clock when no date is given): its deck, par and
// entries.
int DailyShowCommand(Database& db, const ServerOptions& options, const QStringList& words) {
  QDate day = ClubDate(QDateTime::currentSecsSinceEpoch(), options.clockOffsetSeconds);
  if (words.size() > 2) {
    day = QDate::fromString(words[2], Qt::ISODate);
    if (!day.isValid()) return Fail(QStringLiteral("the date is written YYYY-MM-DD"));
  }
  const auto lines = DailyShow(db, day);
  if (!lines) return Fail(QStringLiteral("no deal of the day on ") + day.toString(Qt::ISODate));
  for (const QString& line : *lines) std::printf("%s\n", qPrintable(line));
  return 0;
}

int Backup(Database& db, const QString& file) {
  if (db.IsPostgres()) {
    return Fail(QStringLiteral("a PostgreSQL database is copied with pg_dump"));
  }
  const QString target = QFileInfo(file).absoluteFilePath();
  if (QFileInfo::exists(target)) return Fail(target + QStringLiteral(" exists already"));
  // VACUUM INTO writes a consistent copy from one read transaction while the server goes on.
  if (db.Run(QStringLiteral("VACUUM INTO ?"), {target}) == nullptr) {
    return Fail(QStringLiteral("the copy failed"));
  }
  std::printf("copied to %s\n", qPrintable(target));
  return 0;
}

}  // namespace

int RunAdmin(const ServerOptions& options) {
  const QStringList& a = options.admin;
  if (a.isEmpty()) return Usage();
  if (!QDir().mkpath(options.dataDir)) return Fail(QStringLiteral("cannot create the data folder"));
  QString error;
  auto db = Database::Open(options.databaseUrl, &error);
  if (!db || !db->Migrate(&error)) return Fail(error);
  // Which club this changes, before anything else: a wrong --data is seen at once. The
  // user name of a PostgreSQL address is shown, never a password in it.
  const QString where = options.databaseUrl.startsWith(QLatin1String("sqlite:"))
                            ? options.databaseUrl
                            : QStringLiteral("postgresql database ") +
                                  QUrl(options.databaseUrl).toString(QUrl::RemovePassword);
  std::fprintf(stderr, "zendral-server admin: %s\n", qPrintable(where));
  const QString& command = a[0];
  if (command == QLatin1String("news") && a.size() >= 3 && a[1] == QLatin1String("add")) {
    return NewsAdd(*db, a.mid(2).join(' '));
  }
  if (command == QLatin1String("pause") && a.size() == 3 &&
      (a[1] == QLatin1String("chat") || a[1] == QLatin1String("world")) &&
      (a[2] == QLatin1String("on") || a[2] == QLatin1String("off"))) {
    if (!SetSetting(*db, QStringLiteral("pause_") + a[1],
                    a[2] == QLatin1String("on") ? QStringLiteral("1") : QStringLiteral("0"))) {
      return Fail(QStringLiteral("cannot store the setting"));
    }
    std::printf("%s paused: %s\n", qPrintable(a[1]), qPrintable(a[2]));
    return 0;
  }
  // The Android edition's package and store page, named to the program in the path directory.
  if (command == QLatin1String("edition") && a.size() == 3 &&
      (a[1] == QLatin1String("apk") || a[1] == QLatin1String("store"))) {
    // An empty text, not a null one: the column holds no NULL.
    const QString value = a[2] == QLatin1String("off") ? QStringLiteral("") : a[2];
    if (!value.isEmpty() && !IsEditionAddress(value)) {
      return Fail(
          QStringLiteral("the address must start with http:// or https:// and hold no "
                         "blanks, quotes or \"#\""));
    }
    if (!SetSetting(*db, QStringLiteral("edition_") + a[1], value)) {
      return Fail(QStringLiteral("cannot store the address"));
    }
    std::printf("edition %s: %s\n", qPrintable(a[1]), value.isEmpty() ? "off" : qPrintable(value));
    return 0;
  }
  if (command == QLatin1String("welcome") && a.size() >= 2) {
    return SetSetting(*db, QStringLiteral("welcome"), CleanText(a.mid(1).join(' '), 500))
               ? 0
               : Fail(QStringLiteral("cannot store the greeting"));
  }
  // The tournament: its server state ("Y" while on) and the welcome text of its window.
  if (command == QLatin1String("tournament") && a.size() == 2 &&
      (a[1] == QLatin1String("on") || a[1] == QLatin1String("off"))) {
    return SetSetting(*db, kTourStateSetting, a[1]) ? 0 : Fail(QStringLiteral("cannot store it"));
  }
  if (command == QLatin1String("tournament") && a.size() >= 3 && a[1] == QLatin1String("welcome")) {
    return SetSetting(*db, kTourWelcomeSetting, CleanText(a.mid(2).join(' '), 120))
               ? 0
               : Fail(QStringLiteral("cannot store the welcome text"));
  }
  if (command == QLatin1String("grant") && a.size() == 3) return Grant(*db, a[1], a[2]);
  if (command == QLatin1String("user") && a.size() == 2) return User(*db, a[1]);
  if (command == QLatin1String("daily") && (a.size() == 2 || a.size() == 3) &&
      a[1] == QLatin1String("show")) {
    return DailyShowCommand(*db, options, a);
  }
  if (command == QLatin1String("backup") && a.size() == 2) return Backup(*db, a[1]);
  return Usage();
}

}  // namespace zendral::server
