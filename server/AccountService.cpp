// The account service: creating an account, log-in, member count, profile, balance and the
// transfer of Kovs between members.

#include <QDate>
#include <QDateTime>

#include <iterator>

#include "OperationDispatch.h"
#include "ServerLog.h"
#include "Services.h"
#include "protocol/Keys.h"

namespace zendral::server {
namespace {

namespace field = protocol::field;

const QString kNick = QString::fromLatin1(protocol::field::kNick);
const QString kPw = QString::fromLatin1(protocol::field::kPassword);

// The profile's fields in the order of the request and the reply, with their lengths.
struct ProfileField {
  const char* name;
  int maxChars;
};
namespace profile = protocol::profile;
constexpr ProfileField kProfile[] = {
    {profile::kName1, 20},     {profile::kName2, 20},    {profile::kAbout, 50},
    {profile::kTelephone, 20}, {profile::kEMail, 50},    {profile::kWebSite, 50},
    {profile::kSkype, 50},     {profile::kOK, 50},       {profile::kVK, 50},
    {profile::kTelegram, 50},  {profile::kFaceBook, 60}, {profile::kTwitter, 50},
    {profile::kInstagram, 50}, {profile::kYouTube, 50},
};
constexpr int kProfileFields = profile::kFields;
constexpr bool InProfileOrder() {
  if (std::size(kProfile) != kProfileFields) return false;
  for (int i = 0; i < kProfileFields; ++i) {
    if (kProfile[i].name != profile::kOrder[i]) return false;
  }
  return true;
}
static_assert(InProfileOrder(), "the profile's lengths follow its fields' order on the wire");

// The checks of a new account before its password is hashed: nothing when the request is
// refused, with the reply in refusal.
bool CreateChecks(ServerContext& ctx, const ServiceRequest& request, ServiceReply* refusal) {
  const Fields& f = request.fields;
  const QString nick = f.Value(kNick);
  if (CheckTextField(nick, FieldKind::kNick) != kFieldValid ||
      CheckTextField(f.Value(kPw), FieldKind::kPassword) != kFieldValid ||
      CheckTextField(f.Value(field::kCity), FieldKind::kCity) == kFieldInvalid ||
      CheckTextField(f.Value(field::kEMail), FieldKind::kEMail) != kFieldValid ||
      !IsSex(f.Value(field::kSex)) || !IsCountryCode(f.Value(field::kCountry2)) ||
      !IsCountryName(f.Value(field::kCountry1))) {
    *refusal = reply::No();
    return false;
  }
  QSqlQuery* q = ctx.db.Run(QStringLiteral("SELECT 1 FROM accounts WHERE nick = ?"), {nick});
  if (q == nullptr) {
    *refusal = reply::No();
    return false;
  }
  const bool taken = q->next();
  q->finish();
  if (taken) {
    *refusal = reply::Taken();
    return false;
  }
  if (!ctx.limits.Allow(LimitKind::kCreate, request.address)) {
    *refusal = reply::No();
    return false;
  }
  return true;
}

// The new account with its hash. The balance, the reserved numbers and the date from the
// program are not taken: a new account starts with 0 Kovs and the server's date.
ServiceReply CreateWithHash(ServerContext& ctx, const Fields& f, const QByteArray& hash) {
  const QString nick = f.Value(kNick);
  Transaction t(ctx.db);
  if (!t.Ok()) return reply::No();
  QSqlQuery* q = ctx.db.Run(
      QStringLiteral("INSERT INTO accounts (nick, pwhash, city, country1, country2, sex, email,"
                     " dater, r01, r02, r03, balance, r05, r06, profile, created)"
                     " VALUES (?, ?, ?, ?, ?, ?, ?, ?, 'xxx', 'xxx', 'xxx', 0, 0, 0, '', ?)"
                     " ON CONFLICT (nick) DO NOTHING"),
      {nick, QString::fromLatin1(hash), f.Value(field::kCity), f.Value(field::kCountry1),
       f.Value(field::kCountry2), f.Value(field::kSex), f.Value(field::kEMail),
       QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")),
       QDateTime::currentSecsSinceEpoch()});
  if (q == nullptr) return reply::No();
  if (q->numRowsAffected() != 1) return reply::Taken();  // created meanwhile
  if (ctx.db.Run(QStringLiteral("INSERT INTO results (nick, kon, best, rating, sessions, konl,"
                                " score, r1, r2) VALUES (?, 0, 0, 0, 0, 0, 0, 0, '#')"),
                 {nick}) == nullptr) {
    return reply::No();
  }
  return t.Commit() ? reply::Ok() : reply::No();
}

// A member's stored hash and the record a log-in answers.
struct LogInRecord {
  QByteArray hash;
  QStringList tokens;
};

std::optional<LogInRecord> LogInChecks(ServerContext& ctx, const ServiceRequest& request) {
  const QString nick = request.fields.Value(kNick);
  const QString pw = request.fields.Value(kPw);
  if (nick.isEmpty() || nick.size() > 12 || pw.isEmpty() || pw.size() > 64) return std::nullopt;
  if (!ctx.limits.Allow(LimitKind::kLogIn, request.address)) return std::nullopt;
  QSqlQuery* q = ctx.db.Run(
      QStringLiteral("SELECT pwhash, city, country1, country2, sex, email, dater, r01, r02, r03,"
                     " balance, r05, r06 FROM accounts WHERE nick = ?"),
      {nick});
  if (q == nullptr || !q->next()) return std::nullopt;
  LogInRecord record{q->value(0).toByteArray(), {}};
  for (int i = 1; i <= 12; ++i) record.tokens << q->value(i).toString();
  q->finish();
  return record;
}

// After the password check: the record and a new session, or "no".
ServiceReply LogInAnswer(ServerContext& ctx, const QString& nick, const QStringList& tokens,
                         bool passwordRight, bool secure) {
  if (!passwordRight) return reply::No();
  const auto token = ctx.sessions.Open(nick);
  if (!token) return reply::No();
  ServiceReply r = reply::Segment(tokens);
  r.setCookie = SessionCookie(*token, secure);
  return r;
}

// "Sign out": the session of the request ends on the server, not only in the program. Other
// devices' sessions of the nick stay.
ServiceReply SignOut(ServerContext& ctx, const ServiceRequest& request) {
  if (!request.sessionToken.isEmpty() && !ctx.sessions.End(request.sessionToken)) {
    return reply::No();
  }
  ServiceReply r = reply::Ok();
  r.setCookie = EndedSessionCookie(request.https);
  return r;
}

ServiceReply MemberCount(ServerContext& ctx) {
  QSqlQuery* q = ctx.db.Run(QStringLiteral("SELECT COUNT(*) FROM accounts"));
  if (q == nullptr || !q->next()) return reply::No();
  const qint64 n = q->value(0).toLongLong();
  q->finish();
  return reply::TrailingNumber(n);
}

ServiceReply ReadProfile(ServerContext& ctx, const ServiceRequest& request) {
  QSqlQuery* q = ctx.db.Run(QStringLiteral("SELECT profile FROM accounts WHERE nick = ?"),
                            {request.fields.Value(kNick)});
  if (q == nullptr || !q->next()) return reply::No();
  QStringList tokens = q->value(0).toString().split('~');
  q->finish();
  while (tokens.size() < kProfileFields) tokens << QString();
  tokens = tokens.mid(0, kProfileFields);
  return reply::Segment(tokens, '~');
}

ServiceReply SaveProfile(ServerContext& ctx, const ServiceRequest& request) {
  const QString nick = request.fields.Value(kNick);
  if (!ctx.Authorized(request, nick)) return reply::No();
  QStringList texts;
  for (const ProfileField& field : kProfile) {
    QString name = QString::fromLatin1(field.name);
    QString value = request.fields.Value(name);
    if (name == QLatin1String(profile::kName1) && !request.fields.Has(name)) {
      value = request.fields.Value(QLatin1String(profile::kName1Older));
    }
    // The program sends the texts in the travelling form of free texts; the field's length
    // counts the characters typed, an escape as one.
    const std::string cut = CutFreeText(value.toStdString(), FreeTextUse::kProfile, field.maxChars);
    texts << CleanText(QString::fromStdString(cut), 3 * field.maxChars);
  }
  QSqlQuery* q = ctx.db.Run(QStringLiteral("UPDATE accounts SET profile = ? WHERE nick = ?"),
                            {texts.join('~'), nick});
  return q != nullptr && q->numRowsAffected() == 1 ? reply::Ok() : reply::No();
}

ServiceReply ReadBalance(ServerContext& ctx, const ServiceRequest& request) {
  const QString nick = request.fields.Value(kNick);
  if (!ctx.Authorized(request, nick)) return reply::No();
  QSqlQuery* q = ctx.db.Run(QStringLiteral("SELECT balance FROM accounts WHERE nick = ?"), {nick});
  if (q == nullptr || !q->next()) return reply::No();
  const qint64 balance = q->value(0).toLongLong();
  q->finish();
  return reply::TrailingNumber(balance);
}

// Kovs move from the sender to the recipient in one transaction: "ok" done, "no" no such
// member (or not allowed), "is" not enough Kovs.
ServiceReply Transfer(ServerContext& ctx, const ServiceRequest& request) {
  const QString nick = request.fields.Value(kNick);
  const QString to = request.fields.Value(field::kTo);
  const auto amount = request.fields.Int(field::kAmount);
  if (!amount || *amount <= 0 || to.isEmpty() || to == nick) return reply::No();
  if (!ctx.Authorized(request, nick)) return reply::No();
  Transaction t(ctx.db);
  if (!t.Ok()) return reply::No();
  // Both rows locked in one order, so two opposite transfers cannot wait on each other.
  QSqlQuery* q = ctx.db.Run(QStringLiteral("SELECT nick, balance FROM accounts WHERE nick IN (?, ?)"
                                           " ORDER BY nick") +
                                ctx.db.ForUpdate(),
                            {nick, to});
  if (q == nullptr) return reply::No();
  qint64 senderBalance = -1;
  bool recipient = false;
  while (q->next()) {
    if (q->value(0).toString() == nick) senderBalance = q->value(1).toLongLong();
    if (q->value(0).toString() == to) recipient = true;
  }
  q->finish();
  if (!recipient || senderBalance < 0) return reply::No();
  if (senderBalance < *amount) return reply::Taken();
  if (ctx.db.Run(QStringLiteral("UPDATE accounts SET balance = balance - ? WHERE nick = ?"),
                 {*amount, nick}) == nullptr ||
      ctx.db.Run(QStringLiteral("UPDATE accounts SET balance = balance + ? WHERE nick = ?"),
                 {*amount, to}) == nullptr) {
    return reply::No();
  }
  return t.Commit() ? reply::Ok() : reply::No();
}

}  // namespace

namespace {

// A request that acts for its nick by the password it carries (its session is not that
// nick's): the check of the stored hash, then the request as usual.
std::optional<PasswordWork> PasswordCheckWork(ServerContext& ctx, const ServiceRequest& request) {
  const QString nick = request.fields.Value(kNick);
  const QString pw = request.fields.Value(kPw);
  if (nick.isEmpty() || nick.size() > 12 || pw.isEmpty() || pw.size() > 64) return std::nullopt;
  if (const auto sessionNick = ctx.SessionNick(request); sessionNick && *sessionNick == nick) {
    return std::nullopt;
  }
  // A password check costs a hash: it counts against the log-in allowance.
  if (!ctx.limits.Allow(LimitKind::kLogIn, request.address)) return std::nullopt;
  QSqlQuery* q = ctx.db.Run(QStringLiteral("SELECT pwhash FROM accounts WHERE nick = ?"), {nick});
  if (q == nullptr || !q->next()) return std::nullopt;
  const QByteArray hash = q->value(0).toByteArray();
  q->finish();
  PasswordHash* hasher = &ctx.hasher;
  return PasswordWork{[hasher, hash, pw] { return hasher->Verify(hash, pw) ? hash : QByteArray(); },
                      [&ctx, request, nick](const QByteArray& result) {
                        ServiceRequest checked = request;
                        if (!result.isEmpty()) checked.passwordNick = nick;
                        return AccountService(ctx, checked);
                      },
                      nick, true};
}

}  // namespace

const OperationDispatch& AccountDispatch() {
  static const OperationDispatch dispatch(
      protocol::AccountOperations(),
      {
          // Log-ins and new accounts hash a password: they come through AccountPasswordWork.
          {"log-in", [](ServerContext&, const ServiceRequest&) { return reply::No(); }},
          {"create", [](ServerContext&, const ServiceRequest&) { return reply::No(); }},
          {"member-count",
           [](ServerContext& ctx, const ServiceRequest&) { return MemberCount(ctx); }},
          {"sign-out", SignOut},
          {"read-profile", ReadProfile},
          {"save-profile", SaveProfile},
          {"read-balance", ReadBalance},
          // Nobody may add Kovs to an account by asking: awards and grants are the server's own.
          {"save-balance", [](ServerContext&, const ServiceRequest&) { return reply::No(); }},
          {"transfer", Transfer},
          {"save-results", SaveResults},
          {"read-results", ReadResults},
          {"club-top-ten", ClubTopTen},
          {"own-place", OwnPlace},
      });
  return dispatch;
}

std::optional<PasswordWork> AccountPasswordWork(ServerContext& ctx, const ServiceRequest& request,
                                                ServiceReply* refusal) {
  const Fields& f = request.fields;
  const protocol::Operation* operation = AccountDispatch().Select(f);
  const protocol::Work work = operation != nullptr ? operation->work : protocol::Work::kNone;
  if (work == protocol::Work::kCheckPassword) {
    const auto record = LogInChecks(ctx, request);
    if (!record) {
      *refusal = reply::No();
      return std::nullopt;
    }
    const QString nick = f.Value(kNick);
    const QString pw = f.Value(kPw);
    PasswordHash* hasher = &ctx.hasher;
    const QByteArray hash = record->hash;
    const QStringList tokens = record->tokens;
    const bool secure = request.https;
    return PasswordWork{
        [hasher, hash, pw] { return hasher->Verify(hash, pw) ? hash : QByteArray(); },
        [&ctx, nick, tokens, secure](const QByteArray& result) {
          return LogInAnswer(ctx, nick, tokens, !result.isEmpty(), secure);
        },
        nick, true};
  }
  if (work != protocol::Work::kHashPassword) {
    if (work == protocol::Work::kActsForNick) {
      if (auto check = PasswordCheckWork(ctx, request)) return check;
    }
    *refusal = AccountService(ctx, request);
    return std::nullopt;
  }
  if (!CreateChecks(ctx, request, refusal)) return std::nullopt;
  PasswordHash* hasher = &ctx.hasher;
  const QString pw = f.Value(kPw);
  const Fields fields = f;
  return PasswordWork{[hasher, pw] { return hasher->Hash(pw).value_or(QByteArray()); },
                      [&ctx, fields](const QByteArray& hash) {
                        return hash.isEmpty() ? reply::No() : CreateWithHash(ctx, fields, hash);
                      },
                      QString(), false};
}

ServiceReply AccountService(ServerContext& ctx, const ServiceRequest& request) {
  return AccountDispatch()(ctx, request);
}

}  // namespace zendral::server
