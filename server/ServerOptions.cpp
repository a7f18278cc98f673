#include "ServerOptions.h"

#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>

#include <cstdio>

namespace zendral::server {

std::optional<ServerOptions> ParseOptions(const QStringList& arguments, int* exitCode) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "The Zendral club server: accounts, rated games, world top ten, chat, news, statistics\n"
      "and pack downloads for the game's online windows.\n\n"
      "Admin commands (with the same --data / --database):\n"
      "  admin news add TEXT         publish a news item (raises the news number)\n"
      "  admin pause chat|world on|off\n"
      "  admin welcome TEXT          the greeting on the news and game pages\n"
      "  admin tournament on|off     the tournament's server state\n"
      "  admin tournament welcome TEXT  the welcome text of the tournament window\n"
      "  admin grant NICK AMOUNT     add (or, negative, take) Kovs\n"
      "  admin user NICK             show an account\n"
      "  admin backup FILE           a consistent copy of the SQLite database, also while the\n"
      "                              server runs"));
  parser.addHelpOption();
  // "admin grant NICK -5": words after the command are its own, also when they start with "-".
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
  const QCommandLineOption listen(QStringLiteral("listen"),
                                  QStringLiteral("Address and port to listen on (default "
                                                 "127.0.0.1:8044; port 0 picks a free one)."),
                                  QStringLiteral("HOST:PORT"));
  const QCommandLineOption data(QStringLiteral("data"),
                                QStringLiteral("Data folder (default "
                                               "$XDG_DATA_HOME/kov-games/zendral-server)."),
                                QStringLiteral("DIR"));
  const QCommandLineOption database(
      QStringLiteral("database"),
      QStringLiteral("sqlite:FILE (default: a file in the data folder) or "
                     "postgresql://USER@HOST:PORT/DB."),
      QStringLiteral("URL"));
  const QCommandLineOption publicHost(
      QStringLiteral("public-host"),
      QStringLiteral("HOST[:PORT] players reach this server at, written into the path "
                     "directory (default: the address each request was sent to)."),
      QStringLiteral("HOST"));
  const QCommandLineOption hashCost(
      QStringLiteral("hash-cost"),
      QStringLiteral("Password hash cost: 'interactive' (default, argon2id 2 passes 19 MiB) or "
                     "'minimal' (tests only)."),
      QStringLiteral("COST"), QStringLiteral("interactive"));
  const QCommandLineOption rateScale(
      QStringLiteral("rate-scale"),
      QStringLiteral("Multiplies the per-address allowances of log-ins, new accounts, chat and "
                     "statistics (default 1; tests and benchmarks raise it)."),
      QStringLiteral("FACTOR"), QStringLiteral("1"));
  const QCommandLineOption relayBase(
      QStringLiteral("relay-base"),
      QStringLiteral("Tournament relay: table k listens on PORT + k (default 25700)."),
      QStringLiteral("PORT"), QStringLiteral("25700"));
  const QCommandLineOption relayMove(
      QStringLiteral("relay-move-limit"),
      QStringLiteral("Seconds a tournament seat may stay silent in turn before it loses the "
                     "table (default 40; the program's own clock shows 26)."),
      QStringLiteral("SECONDS"), QStringLiteral("40"));
  const QCommandLineOption tourWait(
      QStringLiteral("tour-wait-limit"),
      QStringLiteral("Seconds a tournament seat is held for a player waiting alone at a table "
                     "before the server frees it (default 300)."),
      QStringLiteral("SECONDS"), QStringLiteral("300"));
  const QCommandLineOption clockOffset(
      QStringLiteral("clock-offset"),
      QStringLiteral("Seconds added to this machine's local time to give the club's date, on "
                     "which the deal of the day changes (default 0)."),
      QStringLiteral("SECONDS"), QStringLiteral("0"));
  const QCommandLineOption noRelay(
      QStringLiteral("no-relay"),
      QStringLiteral("Run no tournament relay here (another server of the club runs it)."));
  const QCommandLineOption trustedProxy(
      QStringLiteral("trusted-proxy"),
      QStringLiteral("The address of a balancer in front of this server (repeat the option or "
                     "separate with commas): its X-Forwarded-For names the player and its "
                     "X-Forwarded-Proto the scheme written into the path directory."),
      QStringLiteral("ADDRESS"));
  parser.addOptions({listen, data, database, publicHost, hashCost, rateScale, relayBase, relayMove,
                     clockOffset, tourWait, noRelay, trustedProxy});
  parser.addPositionalArgument(QStringLiteral("admin"),
                               QStringLiteral("Run an admin command instead of the server."),
                               QStringLiteral("[admin COMMAND ...]"));
  // The admin command's words may have the server's options among them ("admin news add TEXT
  // --data DIR"): those go before the command; any other word starting with "--" is an unknown
  // option, never a word. A word after "--" is always a word ("admin news add -- --TEXT").
  QStringList ordered;
  QStringList adminWords;
  bool inAdmin = false;
  bool wordsOnly = false;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& word = arguments[i];
    if (i > 0 && !inAdmin && word == QLatin1String("admin")) {
      inAdmin = true;
      adminWords << word;
      continue;
    }
    if (!inAdmin) {
      ordered << word;
      continue;
    }
    if (!wordsOnly && word == QLatin1String("--")) {
      wordsOnly = true;
      continue;
    }
    if (wordsOnly || !word.startsWith(QLatin1String("--"))) {
      adminWords << word;
      continue;
    }
    const QString name = word.mid(2).section(QLatin1Char('='), 0, 0);
    const QCommandLineOption* known = nullptr;
    for (const QCommandLineOption* option :
         {&listen, &data, &database, &publicHost, &hashCost, &rateScale, &relayBase, &relayMove,
          &noRelay, &trustedProxy}) {
      if (option->names().contains(name)) known = option;
    }
    if (known == nullptr) {
      std::fprintf(stderr, "zendral-server: unknown option '%s'\n", qPrintable(word));
      *exitCode = 2;
      return std::nullopt;
    }
    ordered << word;
    if (!known->valueName().isEmpty() && !word.contains(QLatin1Char('='))) {
      if (i + 1 >= arguments.size()) {
        std::fprintf(stderr, "zendral-server: %s takes a value\n", qPrintable(word));
        *exitCode = 2;
        return std::nullopt;
      }
      ordered << arguments[++i];
    }
  }
  if (!adminWords.isEmpty()) ordered << QStringLiteral("--") << adminWords;
  if (!parser.parse(ordered)) {
    std::fprintf(stderr, "zendral-server: %s\n", qPrintable(parser.errorText()));
    *exitCode = 2;
    return std::nullopt;
  }
  if (parser.isSet(QStringLiteral("help"))) {
    std::printf("%s", qPrintable(parser.helpText()));
    *exitCode = 0;
    return std::nullopt;
  }
  ServerOptions o;
  const auto fail = [exitCode](const QString& message) {
    std::fprintf(stderr, "zendral-server: %s\n", qPrintable(message));
    *exitCode = 2;
    return std::nullopt;
  };
  if (parser.isSet(listen)) {
    const QString value = parser.value(listen);
    const qsizetype colon = value.lastIndexOf(':');
    bool ok = false;
    const uint port = colon > 0 ? value.mid(colon + 1).toUInt(&ok) : 0;
    if (!ok || port > 65535) return fail(QStringLiteral("--listen takes HOST:PORT"));
    o.listenHost = value.left(colon);
    if (o.listenHost.startsWith('[') && o.listenHost.endsWith(']')) {
      o.listenHost = o.listenHost.mid(1, o.listenHost.size() - 2);  // [::1]:8044
    }
    o.listenPort = static_cast<quint16>(port);
  }
  o.dataDir = parser.isSet(data)
                  ? parser.value(data)
                  : QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                        QStringLiteral("/kov-games/zendral-server");
  o.dataDir = QDir(o.dataDir).absolutePath();
  o.databaseUrl = parser.isSet(database) ? parser.value(database)
                                         : QStringLiteral("sqlite:") + o.dataDir +
                                               QStringLiteral("/zendral-server.sqlite");
  o.publicHost = parser.value(publicHost);
  if (parser.value(hashCost) == QLatin1String("minimal")) {
    o.hashCost = HashCost::Minimal();
  } else if (parser.value(hashCost) != QLatin1String("interactive")) {
    return fail(QStringLiteral("--hash-cost is 'interactive' or 'minimal'"));
  }
  bool ok = false;
  o.rateScale = parser.value(rateScale).toDouble(&ok);
  if (!ok || o.rateScale <= 0) return fail(QStringLiteral("--rate-scale takes a positive number"));
  const uint base = parser.value(relayBase).toUInt(&ok);
  if (!ok || base < 1 || base > 65535 - 10)
    return fail(QStringLiteral("--relay-base takes a port"));
  o.relayBase = static_cast<quint16>(base);
  o.relayMoveSeconds = parser.value(relayMove).toDouble(&ok);
  if (!ok || o.relayMoveSeconds <= 0) {
    return fail(QStringLiteral("--relay-move-limit takes a positive number of seconds"));
  }
  const uint wait = parser.value(tourWait).toUInt(&ok);
  if (!ok || wait < 1 || wait > 24 * 3600) {
    return fail(QStringLiteral("--tour-wait-limit takes a number of seconds up to a day"));
  }
  o.tourWaitSeconds = static_cast<int>(wait);
  o.clockOffsetSeconds = parser.value(clockOffset).toLongLong(&ok);
  if (!ok || o.clockOffsetSeconds < -400LL * 24 * 3600 ||
      o.clockOffsetSeconds > 400LL * 24 * 3600) {
    return fail(QStringLiteral("--clock-offset takes a number of seconds up to a year"));
  }
  o.relayEnabled = !parser.isSet(noRelay);
  for (const QString& value : parser.values(trustedProxy)) {
    for (const QString& word : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
      QHostAddress balancer;
      if (!balancer.setAddress(word.trimmed())) {
        return fail(QStringLiteral("--trusted-proxy takes addresses, not '%1'").arg(word));
      }
      o.trustedProxies.append(balancer);
    }
  }
  const QStringList words = parser.positionalArguments();
  if (!words.isEmpty()) {
    if (words.front() != QLatin1String("admin")) {
      return fail(QStringLiteral("unknown command '%1' (see --help)").arg(words.front()));
    }
    o.isAdmin = true;
    o.admin = words.mid(1);
  }
  return o;
}

}  // namespace zendral::server
